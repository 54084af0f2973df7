// Backs with a pattern or an ornament: weaves, stars, rosettes, flowers.
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "back_motifs.h"

namespace dravicor::art::motifs {

namespace {

void Fill(QPainter& p, QColor colour) {
    p.fillRect(QRectF(0, 0, kFieldWidth, kFieldHeight), colour);
    p.setPen(Qt::NoPen);
}

QPolygonF StarPolygon(QPointF centre, double outer, double inner, int points, double turn = 0) {
    QPolygonF star;
    for (int k = 0; k < points * 2; ++k) {
        const double r = k % 2 == 0 ? outer : inner;
        const double a = turn + k * M_PI / points;
        star << QPointF(centre.x() + r * std::sin(a), centre.y() - r * std::cos(a));
    }
    return star;
}

// Petals round a centre, as ellipses turned about it.
void Blossom(QPainter& p, QPointF centre, double radius, int petals, QColor petal, QColor heart) {
    p.setBrush(petal);
    for (int k = 0; k < petals; ++k) {
        p.save();
        p.translate(centre);
        p.rotate(k * 360.0 / petals);
        p.drawEllipse(QRectF(-radius * 0.32, -radius, radius * 0.64, radius));
        p.restore();
    }
    p.setBrush(heart);
    p.drawEllipse(centre, radius * 0.3, radius * 0.3);
}

void Rose(QPainter& p, QPointF c, double r, QColor dark, QColor light) {
    p.setBrush(dark);
    p.drawEllipse(c, r, r * 0.9);
    p.setPen(QPen(light, r * 0.12));
    p.setBrush(Qt::NoBrush);
    for (int k = 0; k < 3; ++k) {
        const double s = r * (0.8 - k * 0.25);
        p.drawArc(QRectF(c.x() - s, c.y() - s * 0.8, 2 * s, 1.6 * s), (30 + k * 70) * 16, 220 * 16);
    }
    p.setPen(Qt::NoPen);
}

void Leaf(QPainter& p, QPointF at, double angle, double length, QColor colour) {
    p.save();
    p.translate(at);
    p.rotate(angle);
    p.setBrush(colour);
    QPainterPath leaf;
    leaf.moveTo(0, 0);
    leaf.quadTo(length * 0.5, -length * 0.35, length, 0);
    leaf.quadTo(length * 0.5, length * 0.35, 0, 0);
    p.drawPath(leaf);
    p.restore();
}

}  // namespace

void Plaiting(QPainter& p, QColor warp, QColor weft, QColor ground) {
    Fill(p, ground);
    // Strips over and under one another: each cell shows the strip on top.
    const double cell = 12.5;
    for (int row = 0; row * cell < kFieldHeight + cell; ++row) {
        for (int col = 0; col * cell < kFieldWidth + cell; ++col) {
            const QRectF c(col * cell, row * cell, cell, cell);
            const bool warpOnTop = (row + col) % 2 == 0;
            const QColor top = warpOnTop ? warp : weft;
            QLinearGradient g = warpOnTop ? QLinearGradient(c.left(), 0, c.right(), 0)
                                          : QLinearGradient(0, c.top(), 0, c.bottom());
            g.setColorAt(0, top.darker(150));
            g.setColorAt(0.5, top.lighter(125));
            g.setColorAt(1, top.darker(150));
            const QRectF strip = warpOnTop ? c.adjusted(1.5, -0.2, -1.5, 0.2) : c.adjusted(-0.2, 1.5, 0.2, -1.5);
            p.fillRect(strip, g);
        }
    }
}

void Stars(QPainter& p) {
    QLinearGradient g(0, 0, 0, kFieldHeight);
    g.setColorAt(0, QColor(10, 20, 70));
    g.setColorAt(1, QColor(30, 50, 130));
    p.fillRect(QRectF(0, 0, kFieldWidth, kFieldHeight), g);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 215, 80));
    for (int row = 0; row < 6; ++row) {
        for (int col = 0; col < 4; ++col) {
            const QPointF c(12.5 + col * 25 + (row % 2) * 12.5, 12 + row * 22.5);
            p.drawPolygon(StarPolygon(c, 8, 3.3, 5));
        }
    }
}

void RoseWindow(QPainter& p) {
    Fill(p, QColor(40, 30, 30));
    const QPointF c(50, 68);
    const QColor glass[] = {QColor(30, 70, 170), QColor(190, 30, 40), QColor(230, 180, 40),
                            QColor(30, 130, 80)};
    for (int ring = 3; ring >= 0; --ring) {
        const double r = 14 + ring * 11;
        for (int k = 0; k < 12; ++k) {
            p.setBrush(glass[(k + ring) % 4]);
            p.drawPie(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), k * 30 * 16, 30 * 16);
        }
    }
    p.setPen(QPen(QColor(20, 15, 15), 1.8));
    p.setBrush(Qt::NoBrush);
    for (int ring = 0; ring < 4; ++ring) p.drawEllipse(c, 14 + ring * 11.0, 14 + ring * 11.0);
    for (int k = 0; k < 12; ++k) {
        const double a = k * M_PI / 6;
        p.drawLine(c + QPointF(14 * std::cos(a), 14 * std::sin(a)),
                   c + QPointF(47 * std::cos(a), 47 * std::sin(a)));
    }
    p.setPen(Qt::NoPen);
    Blossom(p, c, 13, 8, QColor(240, 200, 60), QColor(190, 30, 40));
}

void Sun(QPainter& p) {
    Fill(p, QColor(30, 50, 120));
    const QPointF c(50, 68);
    p.setBrush(QColor(240, 180, 40));
    for (int k = 0; k < 16; ++k) {
        p.save();
        p.translate(c);
        p.rotate(k * 22.5);
        QPainterPath ray;
        ray.moveTo(-5, -22);
        if (k % 2 == 0) {
            ray.lineTo(0, -46);
        } else {
            ray.quadTo(8, -32, 0, -40);
        }
        ray.lineTo(5, -22);
        p.drawPath(ray);
        p.restore();
    }
    QRadialGradient face(c, 24);
    face.setColorAt(0, QColor(255, 230, 120));
    face.setColorAt(1, QColor(240, 170, 30));
    p.setBrush(face);
    p.drawEllipse(c, 24, 24);
    p.setPen(QPen(QColor(150, 80, 10), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(40, 58, 8, 5), 0, 180 * 16);    // eyes
    p.drawArc(QRectF(52, 58, 8, 5), 0, 180 * 16);
    p.drawLine(QPointF(50, 63), QPointF(48, 72));    // nose
    p.drawArc(QRectF(42, 70, 16, 9), 200 * 16, 140 * 16);
    p.setPen(Qt::NoPen);
}

void SunAndMoon(QPainter& p) {
    QLinearGradient g(0, 0, kFieldWidth, kFieldHeight);
    g.setColorAt(0, QColor(250, 200, 90));
    g.setColorAt(0.5, QColor(120, 70, 110));
    g.setColorAt(1, QColor(15, 20, 60));
    p.fillRect(QRectF(0, 0, kFieldWidth, kFieldHeight), g);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 160, 30));
    p.drawPolygon(StarPolygon(QPointF(34, 40), 26, 17, 12));
    p.setBrush(QColor(255, 220, 90));
    p.drawEllipse(QPointF(34, 40), 17, 17);
    // the crescent: a disc with a second, darker disc over it
    QPainterPath moon;
    moon.addEllipse(QPointF(66, 96), 22, 22);
    QPainterPath bite;
    bite.addEllipse(QPointF(76, 88), 20, 20);
    p.setBrush(QColor(230, 230, 240));
    p.drawPath(moon.subtracted(bite));
    p.setBrush(QColor(250, 250, 220));
    for (const QPointF& s : {QPointF(86, 118), QPointF(90, 66), QPointF(20, 110), QPointF(40, 124)})
        p.drawPolygon(StarPolygon(s, 3.5, 1.4, 4));
}

void MedievalFlower(QPainter& p) {
    Fill(p, QColor(120, 20, 30));
    // a lozenge trellis with a heraldic lily in each lozenge
    p.setPen(QPen(QColor(220, 180, 70), 1.2));
    for (int k = -6; k < 12; ++k) {
        p.drawLine(QPointF(k * 20, 0), QPointF(k * 20 + kFieldHeight * 0.74, kFieldHeight));
        p.drawLine(QPointF(k * 20, 0), QPointF(k * 20 - kFieldHeight * 0.74, kFieldHeight));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(235, 195, 80));
    for (int row = 0; row < 10; ++row) {
        for (int col = -1; col < 6; ++col) {
            const QPointF c(col * 20 + (row % 2) * 10 + 10, row * 13.5 + 6.75);
            QPainterPath lily;
            lily.moveTo(c + QPointF(0, -6));
            lily.quadTo(c + QPointF(2.2, -1), c + QPointF(0, 3));
            lily.quadTo(c + QPointF(-2.2, -1), c + QPointF(0, -6));
            lily.moveTo(c + QPointF(-1, 1));
            lily.quadTo(c + QPointF(-6, -3), c + QPointF(-4.5, 2.5));
            lily.lineTo(c + QPointF(-1, 2.5));
            lily.moveTo(c + QPointF(1, 1));
            lily.quadTo(c + QPointF(6, -3), c + QPointF(4.5, 2.5));
            lily.lineTo(c + QPointF(1, 2.5));
            lily.addRect(QRectF(c.x() - 3, c.y() + 2.5, 6, 1.2));
            p.drawPath(lily);
        }
    }
}

void Flowers(QPainter& p) {
    Fill(p, QColor(200, 235, 170));
    const QColor petals[] = {QColor(240, 80, 80), QColor(250, 200, 40), QColor(120, 110, 230),
                             QColor(250, 140, 200)};
    for (int k = 0; k < 10; ++k) {
        const QPointF c(12 + (k * 29) % 80, 12 + k * 12.5);
        p.setPen(QPen(QColor(60, 140, 50), 1.5));
        p.drawLine(c, c + QPointF(2, 14));
        p.setPen(Qt::NoPen);
        Blossom(p, c, 8, 5 + k % 3, petals[k % 4], QColor(250, 240, 120));
    }
}

void Flower(QPainter& p) {
    QRadialGradient g(QPointF(50, 68), 80);
    g.setColorAt(0, QColor(250, 245, 220));
    g.setColorAt(1, QColor(120, 170, 90));
    p.fillRect(QRectF(0, 0, kFieldWidth, kFieldHeight), g);
    p.setPen(QPen(QColor(50, 120, 40), 3));
    p.drawLine(QPointF(50, 70), QPointF(48, 136));
    p.setPen(Qt::NoPen);
    Leaf(p, QPointF(49, 104), 200, 26, QColor(60, 140, 50));
    Leaf(p, QPointF(49, 116), -20, 26, QColor(60, 140, 50));
    p.setBrush(QColor(230, 110, 20));
    for (int k = 0; k < 12; ++k) {
        p.save();
        p.translate(50, 56);
        p.rotate(k * 30);
        p.drawEllipse(QRectF(-5, -34, 10, 30));
        p.restore();
    }
    p.setBrush(QColor(250, 200, 40));
    for (int k = 0; k < 12; ++k) {
        p.save();
        p.translate(50, 56);
        p.rotate(k * 30 + 15);
        p.drawEllipse(QRectF(-4, -26, 8, 22));
        p.restore();
    }
    p.setBrush(QColor(110, 60, 20));
    p.drawEllipse(QPointF(50, 56), 9, 9);
}

void Roses(QPainter& p) {
    Fill(p, QColor(30, 50, 35));
    const QPointF places[] = {QPointF(26, 26), QPointF(72, 40), QPointF(40, 70), QPointF(78, 96),
                              QPointF(24, 112)};
    for (const QPointF& c : places) {
        Leaf(p, c + QPointF(6, 6), 40, 18, QColor(60, 120, 60));
        Leaf(p, c + QPointF(-6, 6), 140, 18, QColor(60, 120, 60));
    }
    for (const QPointF& c : places) Rose(p, c, 11, QColor(190, 20, 50), QColor(240, 110, 130));
}

}  // namespace dravicor::art::motifs
