#include "shapes.h"

#include <cmath>
#include <numbers>

#include "stroke_font.h"

namespace dravicor::resources {

namespace {

QPainterPath Heart(const QRectF& b) {
    QPainterPath path;
    const double x = b.left(), y = b.top(), w = b.width(), h = b.height();
    path.moveTo(x + w / 2, y + h);
    path.cubicTo(x + w * 0.1, y + h * 0.62, x - w * 0.05, y + h * 0.3, x + w * 0.12, y + h * 0.1);
    path.cubicTo(x + w * 0.28, y - h * 0.06, x + w * 0.48, y + h * 0.06, x + w / 2, y + h * 0.22);
    path.cubicTo(x + w * 0.52, y + h * 0.06, x + w * 0.72, y - h * 0.06, x + w * 0.88, y + h * 0.1);
    path.cubicTo(x + w * 1.05, y + h * 0.3, x + w * 0.9, y + h * 0.62, x + w / 2, y + h);
    path.closeSubpath();
    return path;
}

QPainterPath Diamond(const QRectF& b) {
    QPainterPath path;
    path.moveTo(b.center().x(), b.top());
    path.lineTo(b.left() + b.width() * 0.12, b.center().y());
    path.lineTo(b.center().x(), b.bottom());
    path.lineTo(b.right() - b.width() * 0.12, b.center().y());
    path.closeSubpath();
    return path;
}

QPainterPath Stem(const QRectF& b) {
    QPainterPath path;
    const double cx = b.center().x();
    path.moveTo(cx - b.width() * 0.06, b.top() + b.height() * 0.6);
    path.lineTo(cx - b.width() * 0.2, b.bottom());
    path.lineTo(cx + b.width() * 0.2, b.bottom());
    path.lineTo(cx + b.width() * 0.06, b.top() + b.height() * 0.6);
    path.closeSubpath();
    return path;
}

QPainterPath Club(const QRectF& b) {
    QPainterPath path;
    const double r = b.width() * 0.24;
    const double cx = b.center().x();
    path.addEllipse(QPointF(cx, b.top() + r), r, r);
    path.addEllipse(QPointF(cx - r * 1.1, b.top() + b.height() * 0.5), r, r);
    path.addEllipse(QPointF(cx + r * 1.1, b.top() + b.height() * 0.5), r, r);
    path.setFillRule(Qt::WindingFill);
    return path.united(Stem(b));
}

QPainterPath Spade(const QRectF& b) {
    QPainterPath path;
    const double x = b.left(), y = b.top(), w = b.width(), h = b.height() * 0.8;
    path.moveTo(x + w / 2, y);
    path.cubicTo(x + w * 0.62, y + h * 0.25, x + w * 1.05, y + h * 0.45, x + w * 0.92, y + h * 0.78);
    path.cubicTo(x + w * 0.82, y + h * 1.0, x + w * 0.58, y + h * 0.95, x + w / 2, y + h * 0.8);
    path.cubicTo(x + w * 0.42, y + h * 0.95, x + w * 0.18, y + h * 1.0, x + w * 0.08, y + h * 0.78);
    path.cubicTo(x - w * 0.05, y + h * 0.45, x + w * 0.38, y + h * 0.25, x + w / 2, y);
    path.closeSubpath();
    return path.united(Stem(b));
}

}  // namespace

QPainterPath SuitPath(int suit, const QRectF& box) {
    switch (suit) {
        case 1: return Heart(box);
        case 2: return Diamond(box);
        case 3: return Club(box);
        default: return Spade(box);
    }
}

QColor SuitColour(int suit) { return suit <= 2 ? QColor(200, 16, 24) : QColor(16, 16, 16); }

QString RankText(int rank) {
    switch (rank) {
        case 1: return QStringLiteral("A");
        case 11: return QStringLiteral("J");
        case 12: return QStringLiteral("Q");
        case 13: return QStringLiteral("K");
        default: return QString::number(rank);
    }
}

QPainterPath CircularArrow(const QRectF& box) {
    QPainterPath path;
    const QPointF c = box.center();
    const double r = std::min(box.width(), box.height()) / 2;
    path.arcMoveTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 60);
    path.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 60, 270);
    // The head at the arc's end (330 degrees), pointing along the way round.
    const double end = 330.0 * std::numbers::pi / 180.0;
    const QPointF tip(c.x() + r * std::cos(end), c.y() - r * std::sin(end));
    const QPointF ahead(-std::sin(end), -std::cos(end));
    const QPointF across(-ahead.y(), ahead.x());
    const double a = r * 0.5;
    path.moveTo(tip - a * ahead + 0.7 * a * across);
    path.lineTo(tip);
    path.lineTo(tip - a * ahead - 0.7 * a * across);
    return path;
}

QPainterPath Star(const QRectF& box) {
    QPainterPath path;
    const QPointF c = box.center();
    const double outer = std::min(box.width(), box.height()) / 2;
    const double inner = outer * 0.42;
    for (int i = 0; i < 10; ++i) {
        const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const double r = i % 2 == 0 ? outer : inner;
        const QPointF p(c.x() + r * std::cos(angle), c.y() + r * std::sin(angle));
        if (i == 0)
            path.moveTo(p);
        else
            path.lineTo(p);
    }
    path.closeSubpath();
    return path;
}

void DrawSmallCard(QPainter& painter, const QRect& rect, int suit, int rank, bool faceUp) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QColor(40, 40, 40));
    if (!faceUp) {
        painter.setBrush(QColor(32, 64, 160));
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
        if (rect.width() > 6 && rect.height() > 6) {
            painter.setPen(QColor(170, 190, 240));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(rect.adjusted(2, 2, -3, -3));
        }
        painter.restore();
        return;
    }
    painter.setBrush(QColor(252, 252, 248));
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.setRenderHint(QPainter::Antialiasing, true);
    const double w = rect.width(), h = rect.height();
    if (h >= 40 && rank >= 1) {
        painter.setPen(QPen(SuitColour(suit), std::max(1.0, w / 30)));
        DrawStrokeText(painter, RankText(rank), QRectF(rect.left() + 2, rect.top() + 2, w * 0.3, h * 0.2));
    }
    const double s = std::min(w, h) * (h >= 40 ? 0.5 : 0.55);
    const QRectF suitBox(rect.left() + (w - s) / 2, rect.top() + (h - s) / 2 + (h >= 40 ? h * 0.08 : 0), s, s);
    painter.setPen(Qt::NoPen);
    painter.setBrush(SuitColour(suit));
    painter.drawPath(SuitPath(suit, suitBox));
    painter.restore();
}

void DrawBevel(QPainter& painter, const QRect& rect, bool raised) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QColor light(255, 255, 255), lightInner(223, 223, 223), dark(64, 64, 64), darkInner(128, 128, 128);
    const QRect r = rect.adjusted(0, 0, -1, -1);
    const auto edges = [&](const QRect& e, const QColor& topLeft, const QColor& bottomRight) {
        painter.setPen(topLeft);
        painter.drawLine(e.topLeft(), e.topRight());
        painter.drawLine(e.topLeft(), e.bottomLeft());
        painter.setPen(bottomRight);
        painter.drawLine(e.bottomLeft(), e.bottomRight());
        painter.drawLine(e.topRight(), e.bottomRight());
    };
    if (raised) {
        edges(r, light, dark);
        edges(r.adjusted(1, 1, -1, -1), lightInner, darkInner);
    } else {
        edges(r, dark, light);
        edges(r.adjusted(1, 1, -1, -1), darkInner, lightInner);
    }
    painter.restore();
}

}  // namespace dravicor::resources
