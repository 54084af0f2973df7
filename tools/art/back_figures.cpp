// Backs with a figure or an animal on a plain or graded ground.
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include "back_motifs.h"

namespace dravicor::art::motifs {

namespace {

void Ground(QPainter& p, QColor top, QColor bottom) {
    QLinearGradient g(0, 0, 0, kFieldHeight);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(QRectF(0, 0, kFieldWidth, kFieldHeight), g);
    p.setPen(Qt::NoPen);
}

void Crown(QPainter& p, QPointF base, double w) {
    p.setBrush(QColor(240, 200, 50));
    p.drawPolygon(QPolygonF({base, base + QPointF(w, 0), base + QPointF(w, -w * 0.7),
                             base + QPointF(w * 0.75, -w * 0.35), base + QPointF(w * 0.5, -w * 0.8),
                             base + QPointF(w * 0.25, -w * 0.35), base + QPointF(0, -w * 0.7)}));
}

}  // namespace

void Magi(QPainter& p) {
    Ground(p, QColor(15, 20, 60), QColor(60, 40, 90));
    // the star
    p.setBrush(QColor(255, 240, 170));
    QPolygonF star;
    for (int k = 0; k < 16; ++k) {
        const double r = k % 2 == 0 ? (k % 4 == 0 ? 16 : 9) : 2.5;
        const double a = k * M_PI / 8;
        star << QPointF(50 + r * std::sin(a), 24 - r * std::cos(a));
    }
    p.drawPolygon(star);
    const QColor robes[] = {QColor(170, 30, 40), QColor(40, 110, 60), QColor(120, 60, 150)};
    for (int k = 0; k < 3; ++k) {
        const double x = 20 + k * 30;
        const double y = 76 + (k == 1 ? -6 : 0);
        QPainterPath robe;
        robe.moveTo(x, y);
        robe.lineTo(x + 12, y + 46);
        robe.lineTo(x - 12, y + 46);
        robe.closeSubpath();
        p.setBrush(robes[k]);
        p.drawPath(robe);
        p.setBrush(QColor(220, 180, 140));
        p.drawEllipse(QPointF(x, y - 4), 5.5, 6);
        Crown(p, QPointF(x - 6, y - 8), 12);
        p.setBrush(QColor(240, 200, 50));
        p.drawRect(QRectF(x - 3, y + 18, 6, 5));  // the gift
    }
    p.setBrush(QColor(200, 170, 120, 120));
    p.drawRect(QRectF(0, 122, kFieldWidth, 14));
}

void Snowman(QPainter& p) {
    Ground(p, QColor(40, 70, 140), QColor(120, 160, 210));
    p.setBrush(QColor(250, 250, 255));
    p.drawRect(QRectF(0, 112, kFieldWidth, 24));
    for (int k = 0; k < 30; ++k) {  // snowflakes, a fixed scatter
        p.drawEllipse(QPointF((k * 37) % 97 + 2, (k * 53) % 105 + 3), 1.2, 1.2);
    }
    p.drawEllipse(QPointF(50, 98), 24, 20);
    p.drawEllipse(QPointF(50, 66), 17, 15);
    p.drawEllipse(QPointF(50, 40), 12, 12);
    p.setBrush(QColor(20, 20, 20));
    p.drawRect(QRectF(39, 26, 22, 3));
    p.drawRect(QRectF(43, 10, 14, 17));
    p.drawEllipse(QPointF(45.5, 38), 1.6, 1.6);
    p.drawEllipse(QPointF(54.5, 38), 1.6, 1.6);
    for (int k = 0; k < 3; ++k) p.drawEllipse(QPointF(50, 60 + k * 7), 1.5, 1.5);
    p.setBrush(QColor(240, 120, 20));
    p.drawPolygon(QPolygonF({QPointF(50, 41), QPointF(62, 44), QPointF(50, 45)}));
    p.setBrush(QColor(200, 30, 30));
    p.drawRect(QRectF(38, 50, 24, 5));
    p.drawRect(QRectF(55, 50, 5, 14));
    p.setPen(QPen(QColor(90, 60, 30), 2));
    p.drawLine(QPointF(34, 66), QPointF(16, 54));
    p.drawLine(QPointF(66, 66), QPointF(84, 52));
}

void Dragon(QPainter& p) {
    Ground(p, QColor(250, 230, 160), QColor(240, 180, 90));
    p.setBrush(QColor(60, 150, 60));
    // body and tail
    QPainterPath body;
    body.moveTo(30, 110);
    body.cubicTo(10, 100, 14, 80, 34, 78);
    body.cubicTo(54, 76, 70, 90, 62, 110);
    body.cubicTo(80, 118, 92, 110, 94, 96);
    body.cubicTo(96, 116, 78, 126, 60, 120);
    body.closeSubpath();
    p.drawPath(body);
    // neck and head
    QPainterPath neck;
    neck.moveTo(30, 84);
    neck.cubicTo(24, 64, 30, 48, 42, 42);
    neck.lineTo(48, 48);
    neck.cubicTo(40, 56, 40, 70, 46, 82);
    neck.closeSubpath();
    p.drawPath(neck);
    p.drawEllipse(QPointF(48, 40), 11, 8);
    p.drawEllipse(QPointF(58, 43), 7, 5);
    // wing
    p.setBrush(QColor(40, 110, 50));
    p.drawPolygon(QPolygonF({QPointF(44, 82), QPointF(70, 50), QPointF(74, 66), QPointF(86, 62),
                             QPointF(60, 92)}));
    // spikes along the back
    p.setBrush(QColor(220, 60, 40));
    for (int k = 0; k < 5; ++k) {
        const double x = 30 + k * 3;
        const double y = 62 - k * 4;
        p.drawPolygon(QPolygonF({QPointF(x - 4, y + 4), QPointF(x - 7, y - 2), QPointF(x + 1, y)}));
    }
    // fire
    p.setBrush(QColor(250, 120, 20));
    p.drawPolygon(QPolygonF({QPointF(64, 44), QPointF(88, 34), QPointF(80, 42), QPointF(94, 44),
                             QPointF(80, 48), QPointF(88, 56)}));
    p.setBrush(QColor(255, 220, 60));
    p.drawPolygon(QPolygonF({QPointF(65, 44), QPointF(80, 40), QPointF(76, 44), QPointF(82, 49)}));
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(QPointF(50, 37), 2.6, 2.6);
    p.setBrush(QColor(0, 0, 0));
    p.drawEllipse(QPointF(50.8, 37), 1.3, 1.3);
}

void TeddyBear(QPainter& p) {
    Ground(p, QColor(190, 220, 250), QColor(150, 190, 240));
    const QColor fur(170, 110, 60);
    const QColor light(225, 185, 135);
    p.setBrush(fur);
    p.drawEllipse(QPointF(32, 30), 9, 9);
    p.drawEllipse(QPointF(68, 30), 9, 9);
    p.drawEllipse(QPointF(50, 90), 24, 28);  // body
    p.drawEllipse(QPointF(24, 82), 8, 14);   // arms
    p.drawEllipse(QPointF(76, 82), 8, 14);
    p.drawEllipse(QPointF(34, 116), 11, 9);  // feet
    p.drawEllipse(QPointF(66, 116), 11, 9);
    p.drawEllipse(QPointF(50, 46), 21, 19);  // head
    p.setBrush(light);
    p.drawEllipse(QPointF(32, 30), 4.5, 4.5);
    p.drawEllipse(QPointF(68, 30), 4.5, 4.5);
    p.drawEllipse(QPointF(50, 94), 14, 17);
    p.drawEllipse(QPointF(50, 53), 9, 7);
    p.setBrush(QColor(40, 25, 15));
    p.drawEllipse(QPointF(42, 42), 2.4, 2.6);
    p.drawEllipse(QPointF(58, 42), 2.4, 2.6);
    p.drawEllipse(QPointF(50, 50), 3.4, 2.4);
    p.setBrush(QColor(210, 40, 60));
    p.drawPolygon(QPolygonF({QPointF(50, 66), QPointF(38, 60), QPointF(38, 72)}));
    p.drawPolygon(QPolygonF({QPointF(50, 66), QPointF(62, 60), QPointF(62, 72)}));
    p.drawEllipse(QPointF(50, 66), 3, 3);
}

void JapaneseWoman(QPainter& p) {
    Ground(p, QColor(245, 235, 210), QColor(230, 210, 175));
    p.setBrush(QColor(200, 40, 40));
    p.drawEllipse(QPointF(64, 42), 24, 24);  // the sun behind her
    // blossom branch
    p.setPen(QPen(QColor(70, 45, 30), 1.5));
    p.drawLine(QPointF(0, 18), QPointF(30, 28));
    p.drawLine(QPointF(18, 24), QPointF(26, 12));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(245, 170, 190));
    for (const QPointF& b : {QPointF(8, 20), QPointF(22, 25), QPointF(30, 28), QPointF(25, 13)})
        p.drawEllipse(b, 2.6, 2.6);
    // kimono
    QPainterPath kimono;
    kimono.moveTo(44, 60);
    kimono.cubicTo(30, 70, 28, 110, 24, 130);
    kimono.lineTo(70, 130);
    kimono.cubicTo(64, 110, 64, 76, 56, 60);
    kimono.closeSubpath();
    p.setBrush(QColor(40, 60, 130));
    p.drawPath(kimono);
    p.setBrush(QColor(230, 180, 50));
    p.drawRect(QRectF(36, 82, 28, 9));  // obi
    p.setBrush(QColor(250, 250, 250));
    p.drawPolygon(QPolygonF({QPointF(44, 60), QPointF(50, 72), QPointF(56, 60)}));
    // face and hair
    p.setBrush(QColor(250, 235, 220));
    p.drawEllipse(QPointF(50, 50), 8, 10);
    p.setBrush(QColor(15, 15, 20));
    p.drawEllipse(QPointF(50, 38), 11, 7);
    p.drawEllipse(QPointF(50, 29), 7, 5);
    p.setPen(QPen(QColor(200, 40, 40), 1.2));
    p.drawLine(QPointF(40, 30), QPointF(60, 26));  // hairpin
    // parasol
    p.setPen(QPen(QColor(70, 45, 30), 1.2));
    p.drawLine(QPointF(66, 70), QPointF(82, 100));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 120, 60));
    QPainterPath parasol;
    parasol.moveTo(50, 80);
    parasol.quadTo(60, 54, 88, 56);
    parasol.lineTo(66, 70);
    parasol.closeSubpath();
    p.drawPath(parasol);
}

void Eagle(QPainter& p) {
    Ground(p, QColor(70, 130, 200), QColor(180, 210, 240));
    p.setBrush(QColor(90, 55, 25));
    QPainterPath wings;
    wings.moveTo(50, 60);
    wings.cubicTo(36, 44, 18, 34, 0, 36);
    wings.lineTo(8, 44);
    wings.lineTo(2, 48);
    wings.lineTo(12, 54);
    wings.lineTo(6, 58);
    wings.cubicTo(24, 66, 38, 70, 50, 76);
    wings.cubicTo(62, 70, 76, 66, 94, 58);
    wings.lineTo(88, 54);
    wings.lineTo(98, 48);
    wings.lineTo(92, 44);
    wings.lineTo(100, 36);
    wings.cubicTo(82, 34, 64, 44, 50, 60);
    p.drawPath(wings);
    p.drawEllipse(QPointF(50, 74), 9, 16);
    p.drawPolygon(QPolygonF({QPointF(42, 86), QPointF(58, 86), QPointF(62, 104), QPointF(38, 104)}));
    p.setBrush(QColor(250, 250, 245));
    p.drawEllipse(QPointF(50, 56), 7, 8);
    p.setBrush(QColor(240, 190, 40));
    p.drawPolygon(QPolygonF({QPointF(50, 58), QPointF(54, 62), QPointF(50, 66)}));
    p.setBrush(QColor(0, 0, 0));
    p.drawEllipse(QPointF(48, 55), 1.2, 1.2);
    p.drawEllipse(QPointF(52, 55), 1.2, 1.2);
}

void TropicalFish(QPainter& p) {
    Ground(p, QColor(30, 150, 190), QColor(10, 50, 110));
    const auto fish = [&p](QPointF at, double s, QColor body, QColor stripe) {
        p.save();
        p.translate(at);
        p.scale(s, s);
        p.setBrush(body);
        p.drawEllipse(QPointF(0, 0), 16, 11);
        p.drawPolygon(QPolygonF({QPointF(12, 0), QPointF(26, -10), QPointF(24, 0), QPointF(26, 10)}));
        p.drawPolygon(QPolygonF({QPointF(-6, -9), QPointF(4, -20), QPointF(8, -9)}));
        p.setBrush(stripe);
        p.drawRect(QRectF(-4, -10, 4, 20));
        p.drawRect(QRectF(5, -8, 3, 16));
        p.setBrush(QColor(255, 255, 255));
        p.drawEllipse(QPointF(-10, -2), 2.6, 2.6);
        p.setBrush(QColor(0, 0, 0));
        p.drawEllipse(QPointF(-10.5, -2), 1.3, 1.3);
        p.restore();
    };
    fish(QPointF(38, 36), 1.1, QColor(250, 150, 20), QColor(255, 255, 255));
    fish(QPointF(62, 74), 1.4, QColor(250, 220, 40), QColor(30, 30, 120));
    fish(QPointF(30, 108), 0.9, QColor(230, 60, 120), QColor(250, 230, 80));
    p.setBrush(QColor(255, 255, 255, 150));
    for (int k = 0; k < 6; ++k) p.drawEllipse(QPointF(80 + k % 2 * 4, 30 - k * 5), 1.5, 1.5);
    p.setBrush(QColor(40, 140, 70));  // weed
    for (int k = 0; k < 4; ++k) p.drawEllipse(QRectF(6 + k * 26, 118, 6, 30));
}

void Penguin(QPainter& p) {
    Ground(p, QColor(120, 200, 240), QColor(220, 240, 250));
    p.setBrush(QColor(250, 252, 255));
    p.drawEllipse(QRectF(-20, 110, 140, 50));
    p.setBrush(QColor(20, 24, 34));
    p.drawEllipse(QPointF(50, 78), 24, 38);   // body
    p.drawEllipse(QPointF(50, 38), 15, 14);   // head
    p.drawEllipse(QRectF(20, 62, 10, 36));    // flippers
    p.drawEllipse(QRectF(70, 62, 10, 36));
    p.setBrush(QColor(250, 250, 250));
    p.drawEllipse(QPointF(50, 84), 17, 30);
    p.drawEllipse(QPointF(45, 38), 4, 5);
    p.drawEllipse(QPointF(55, 38), 4, 5);
    p.setBrush(QColor(0, 0, 0));
    p.drawEllipse(QPointF(45.5, 39), 1.8, 2.2);
    p.drawEllipse(QPointF(54.5, 39), 1.8, 2.2);
    p.setBrush(QColor(245, 170, 30));
    p.drawPolygon(QPolygonF({QPointF(44, 45), QPointF(56, 45), QPointF(50, 52)}));
    p.drawEllipse(QRectF(34, 112, 14, 6));
    p.drawEllipse(QRectF(52, 112, 14, 6));
}

void Horse(QPainter& p) {
    Ground(p, QColor(245, 225, 190), QColor(200, 160, 110));
    QPainterPath head;  // a horse's head and neck in profile, facing left
    head.moveTo(70, 128);
    head.cubicTo(72, 96, 76, 70, 62, 44);
    head.lineTo(64, 28);
    head.lineTo(57, 36);
    head.cubicTo(48, 34, 36, 42, 26, 58);
    head.cubicTo(20, 66, 18, 74, 22, 78);
    head.cubicTo(28, 82, 34, 78, 40, 72);
    head.cubicTo(46, 72, 50, 70, 52, 66);
    head.cubicTo(46, 86, 38, 104, 30, 128);
    head.closeSubpath();
    p.setBrush(QColor(110, 60, 30));
    p.drawPath(head);
    QPainterPath mane;
    mane.moveTo(62, 40);
    mane.cubicTo(80, 56, 86, 90, 80, 128);
    mane.lineTo(72, 128);
    mane.cubicTo(76, 96, 72, 66, 58, 42);
    mane.closeSubpath();
    p.setBrush(QColor(45, 25, 15));
    p.drawPath(mane);
    p.drawEllipse(QPointF(42, 50), 2.2, 2.2);  // eye
    p.drawEllipse(QPointF(25, 72), 1.6, 1.2);  // nostril
    p.setPen(QPen(QColor(200, 40, 40), 1.6));  // bridle
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(54, 40), QPointF(34, 70));
    p.drawLine(QPointF(32, 62), QPointF(50, 64));
}

}  // namespace dravicor::art::motifs
