#include "suit_shapes.h"

#include <QTransform>

namespace dravicor::art {

namespace {

// Each symbol is laid out in a 100 x 100 box.
QPainterPath Heart() {
    QPainterPath p;
    p.moveTo(50, 96);
    p.cubicTo(30, 72, 0, 56, 2, 28);
    p.cubicTo(4, 4, 40, -2, 50, 24);
    p.cubicTo(60, -2, 96, 4, 98, 28);
    p.cubicTo(100, 56, 70, 72, 50, 96);
    p.closeSubpath();
    return p;
}

QPainterPath Diamond() {
    QPainterPath p;
    p.moveTo(50, 0);
    p.quadTo(68, 30, 90, 50);
    p.quadTo(68, 70, 50, 100);
    p.quadTo(32, 70, 10, 50);
    p.quadTo(32, 30, 50, 0);
    p.closeSubpath();
    return p;
}

QPainterPath Stem() {
    QPainterPath p;
    p.moveTo(46, 60);
    p.quadTo(44, 88, 28, 100);
    p.lineTo(72, 100);
    p.quadTo(56, 88, 54, 60);
    p.closeSubpath();
    return p;
}

QPainterPath Club() {
    QPainterPath p;
    p.addEllipse(QPointF(50, 24), 23, 23);
    p.addEllipse(QPointF(24, 60), 23, 23);
    p.addEllipse(QPointF(76, 60), 23, 23);
    p.addRect(40, 30, 20, 34);
    p.setFillRule(Qt::WindingFill);
    return p.united(Stem()).simplified();
}

QPainterPath Spade() {
    QPainterPath p;
    p.moveTo(50, 0);
    p.cubicTo(64, 22, 100, 38, 98, 62);
    p.cubicTo(96, 84, 64, 86, 50, 66);
    p.cubicTo(36, 86, 4, 84, 2, 62);
    p.cubicTo(0, 38, 36, 22, 50, 0);
    p.closeSubpath();
    return p.united(Stem()).simplified();
}

}  // namespace

QPainterPath SuitPath(Suit suit, const QRectF& box) {
    QPainterPath unit;
    switch (suit) {
        case Suit::Hearts: unit = Heart(); break;
        case Suit::Diamonds: unit = Diamond(); break;
        case Suit::Clubs: unit = Club(); break;
        case Suit::Spades: unit = Spade(); break;
    }
    QTransform t;
    t.translate(box.left(), box.top());
    t.scale(box.width() / 100.0, box.height() / 100.0);
    return t.map(unit);
}

}  // namespace dravicor::art
