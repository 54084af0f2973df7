// Landscape backs: skies, water and land painted in a few layers.
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include "back_motifs.h"

namespace dravicor::art::motifs {

namespace {

void Sky(QPainter& p, QColor top, QColor horizon, double horizonY) {
    QLinearGradient g(0, 0, 0, horizonY);
    g.setColorAt(0, top);
    g.setColorAt(1, horizon);
    p.fillRect(QRectF(0, 0, kFieldWidth, horizonY + 1), g);
}

void Water(QPainter& p, double y, QColor near, QColor far) {
    QLinearGradient g(0, y, 0, kFieldHeight);
    g.setColorAt(0, far);
    g.setColorAt(1, near);
    p.fillRect(QRectF(0, y, kFieldWidth, kFieldHeight - y), g);
    p.setPen(QPen(QColor(255, 255, 255, 110), 0.9));
    for (int row = 0; row < 9; ++row) {
        const double wy = y + 4 + row * (kFieldHeight - y) / 9.0;
        for (int k = 0; k < 4; ++k) {
            const double wx = 8 + k * 24 + (row % 2) * 11;
            p.drawLine(QPointF(wx, wy), QPointF(wx + 6 + row * 0.6, wy));
        }
    }
}

// A ridge of land from the left to the right edge through the given points,
// filled down to the bottom.
void Ridge(QPainter& p, std::initializer_list<QPointF> points, QBrush brush) {
    QPainterPath path;
    path.moveTo(0, kFieldHeight);
    for (const QPointF& pt : points) path.lineTo(pt);
    path.lineTo(kFieldWidth, kFieldHeight);
    path.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(brush);
    p.drawPath(path);
}

void Cloud(QPainter& p, QPointF at, double size, QColor colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(at, size, size * 0.6);
    p.drawEllipse(at + QPointF(size * 0.8, size * 0.15), size * 0.75, size * 0.5);
    p.drawEllipse(at + QPointF(-size * 0.8, size * 0.2), size * 0.65, size * 0.42);
    p.drawEllipse(at + QPointF(size * 0.2, -size * 0.4), size * 0.6, size * 0.5);
}

}  // namespace

void Boat(QPainter& p) {
    Sky(p, QColor(70, 120, 190), QColor(250, 210, 150), 82);
    Cloud(p, QPointF(28, 26), 9, QColor(255, 255, 255, 200));
    Water(p, 82, QColor(20, 50, 100), QColor(60, 110, 170));
    p.setPen(Qt::NoPen);
    // hull
    QPainterPath hull;
    hull.moveTo(22, 88);
    hull.lineTo(80, 88);
    hull.lineTo(70, 100);
    hull.lineTo(30, 100);
    hull.closeSubpath();
    p.setBrush(QColor(110, 60, 30));
    p.drawPath(hull);
    p.setBrush(QColor(80, 50, 30));
    p.drawRect(QRectF(50, 26, 2.2, 62));
    // sails
    QPainterPath main;
    main.moveTo(53, 28);
    main.quadTo(74, 56, 76, 84);
    main.lineTo(53, 84);
    main.closeSubpath();
    QPainterPath jib;
    jib.moveTo(49, 34);
    jib.lineTo(49, 84);
    jib.quadTo(36, 66, 26, 84);
    jib.closeSubpath();
    p.setBrush(QColor(250, 245, 230));
    p.drawPath(main);
    p.setBrush(QColor(235, 225, 200));
    p.drawPath(jib);
    p.setBrush(QColor(200, 40, 40));
    p.drawPolygon(QPolygonF({QPointF(52, 20), QPointF(62, 23), QPointF(52, 26)}));
}

void Africa(QPainter& p) {
    Sky(p, QColor(120, 40, 60), QColor(250, 150, 40), 92);
    p.setPen(Qt::NoPen);
    QRadialGradient sun(QPointF(62, 78), 26);
    sun.setColorAt(0, QColor(255, 240, 150));
    sun.setColorAt(1, QColor(250, 120, 30, 0));
    p.setBrush(sun);
    p.drawEllipse(QPointF(62, 78), 26, 26);
    p.setBrush(QColor(255, 220, 110));
    p.drawEllipse(QPointF(62, 78), 13, 13);
    Ridge(p, {QPointF(0, 94), QPointF(40, 90), QPointF(100, 93)}, QColor(90, 40, 20));
    Ridge(p, {QPointF(0, 108), QPointF(60, 102), QPointF(100, 106)}, QColor(50, 25, 15));
    // acacia
    p.setBrush(QColor(25, 15, 10));
    p.drawRect(QRectF(25, 62, 3, 44));
    p.drawPolygon(QPolygonF({QPointF(26, 80), QPointF(14, 62), QPointF(17, 61), QPointF(27, 74)}));
    p.drawEllipse(QRectF(2, 52, 46, 12));
    p.drawEllipse(QRectF(10, 47, 30, 9));
    // giraffe
    p.drawRect(QRectF(74, 88, 12, 6));
    p.drawRect(QRectF(75, 93, 1.6, 12));
    p.drawRect(QRectF(84, 93, 1.6, 12));
    p.drawPolygon(QPolygonF({QPointF(84, 89), QPointF(90, 66), QPointF(92, 67), QPointF(87, 90)}));
    p.drawEllipse(QRectF(89, 63, 7, 4));
}

void Lake(QPainter& p) {
    Sky(p, QColor(90, 150, 220), QColor(200, 225, 245), 70);
    Cloud(p, QPointF(70, 22), 8, QColor(255, 255, 255, 220));
    Ridge(p, {QPointF(0, 62), QPointF(25, 48), QPointF(45, 60), QPointF(70, 44), QPointF(100, 64)},
          QColor(70, 110, 80));
    // pines on the far shore
    p.setBrush(QColor(30, 70, 45));
    for (int k = 0; k < 12; ++k) {
        const double x = 3 + k * 8.5;
        const double h = 10 + (k * 37 % 7);
        p.drawPolygon(QPolygonF({QPointF(x, 72 - h), QPointF(x + 4, 72), QPointF(x - 4, 72)}));
    }
    Water(p, 72, QColor(30, 80, 110), QColor(110, 170, 200));
    Ridge(p, {QPointF(0, 120), QPointF(40, 116), QPointF(100, 128)}, QColor(80, 140, 60));
}

void Clouds(QPainter& p) {
    Sky(p, QColor(40, 100, 200), QColor(160, 205, 245), kFieldHeight);
    Cloud(p, QPointF(30, 28), 14, QColor(255, 255, 255, 235));
    Cloud(p, QPointF(72, 60), 16, QColor(250, 250, 255, 235));
    Cloud(p, QPointF(28, 98), 15, QColor(255, 255, 255, 235));
    Cloud(p, QPointF(80, 118), 10, QColor(240, 245, 255, 220));
}

void Sea(QPainter& p) {
    Sky(p, QColor(60, 140, 220), QColor(190, 225, 250), 56);
    Cloud(p, QPointF(30, 24), 9, QColor(255, 255, 255, 230));
    QLinearGradient sea(0, 56, 0, kFieldHeight);
    sea.setColorAt(0, QColor(30, 120, 170));
    sea.setColorAt(1, QColor(10, 40, 90));
    p.fillRect(QRectF(0, 56, kFieldWidth, kFieldHeight - 56), sea);
    // rolling waves with foam crests
    for (int row = 0; row < 5; ++row) {
        const double y = 66 + row * 15;
        QPainterPath wave;
        wave.moveTo(-10, y + 8);
        for (int k = 0; k < 6; ++k) {
            const double x = -10 + k * 22 + (row % 2) * 10;
            wave.cubicTo(x + 6, y - 4, x + 14, y - 4, x + 22, y + 8);
        }
        p.setPen(QPen(QColor(235, 245, 255), 1.6 + row * 0.4));
        p.setBrush(Qt::NoBrush);
        p.drawPath(wave);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255));
    p.drawPolygon(QPolygonF({QPointF(70, 40), QPointF(76, 43), QPointF(82, 40), QPointF(76, 42)}));
    p.drawPolygon(QPolygonF({QPointF(58, 30), QPointF(62, 32), QPointF(66, 30), QPointF(62, 31)}));
}

void Mountains(QPainter& p, bool evening) {
    if (evening) {
        Sky(p, QColor(60, 40, 110), QColor(240, 140, 90), 80);
    } else {
        Sky(p, QColor(50, 110, 200), QColor(200, 230, 250), 80);
    }
    Ridge(p, {QPointF(0, 70), QPointF(30, 30), QPointF(48, 52), QPointF(70, 22), QPointF(100, 64)},
          evening ? QColor(90, 60, 110) : QColor(110, 120, 140));
    // snow caps
    p.setBrush(evening ? QColor(250, 200, 200) : QColor(250, 250, 255));
    p.drawPolygon(QPolygonF({QPointF(30, 30), QPointF(37, 40), QPointF(32, 38), QPointF(27, 42),
                             QPointF(22, 40)}));
    p.drawPolygon(QPolygonF({QPointF(70, 22), QPointF(79, 34), QPointF(73, 32), QPointF(68, 36),
                             QPointF(62, 32)}));
    Ridge(p, {QPointF(0, 92), QPointF(24, 70), QPointF(56, 90), QPointF(82, 72), QPointF(100, 84)},
          evening ? QColor(50, 35, 70) : QColor(60, 90, 80));
    Ridge(p, {QPointF(0, 112), QPointF(50, 104), QPointF(100, 116)},
          evening ? QColor(25, 20, 40) : QColor(50, 110, 50));
}

void Hills(QPainter& p) {
    Sky(p, QColor(110, 170, 230), QColor(230, 240, 220), 70);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 230, 120));
    p.drawEllipse(QPointF(76, 24), 9, 9);
    QPainterPath far;
    far.moveTo(0, kFieldHeight);
    far.lineTo(0, 66);
    far.cubicTo(25, 46, 45, 50, 60, 64);
    far.cubicTo(75, 54, 90, 52, 100, 58);
    far.lineTo(100, kFieldHeight);
    p.setBrush(QColor(120, 170, 90));
    p.drawPath(far);
    QPainterPath mid;
    mid.moveTo(0, kFieldHeight);
    mid.lineTo(0, 92);
    mid.cubicTo(30, 70, 60, 76, 100, 90);
    mid.lineTo(100, kFieldHeight);
    p.setBrush(QColor(80, 145, 60));
    p.drawPath(mid);
    QPainterPath near;
    near.moveTo(0, kFieldHeight);
    near.lineTo(0, 122);
    near.cubicTo(40, 100, 70, 104, 100, 112);
    near.lineTo(100, kFieldHeight);
    p.setBrush(QColor(50, 115, 40));
    p.drawPath(near);
    // hedgerows
    p.setPen(QPen(QColor(35, 80, 30), 1.2));
    p.drawLine(QPointF(20, 100), QPointF(34, 122));
    p.drawLine(QPointF(62, 82), QPointF(78, 106));
}

}  // namespace dravicor::art::motifs
