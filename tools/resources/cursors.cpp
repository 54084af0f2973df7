#include "cursors.h"

#include <QPainter>
#include <QPainterPath>

namespace dravicor::resources {

namespace {

constexpr int kCursorSize = 32;

enum class Shape { Arrow, Hand, Palm, Fist, Cross };

struct Style {
    QColor fill;
    QColor outline;
};

QPainterPath ArrowPath() {
    QPainterPath path;
    path.moveTo(1, 1);
    path.lineTo(1, 18);
    path.lineTo(5, 14);
    path.lineTo(8, 21);
    path.lineTo(11, 20);
    path.lineTo(8, 13);
    path.lineTo(13, 13);
    path.closeSubpath();
    return path;
}

QPainterPath Rounded(const QRectF& rect, double radius) {
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

// A hand pointing up with its index finger; the tip is the hot spot (10, 1).
QPainterPath HandPath() {
    QPainterPath path = Rounded(QRectF(8, 1, 5, 14), 2.5);
    path = path.united(Rounded(QRectF(6, 11, 16, 13), 4));
    path = path.united(Rounded(QRectF(12.5, 9, 4.5, 7), 2));
    path = path.united(Rounded(QRectF(16.5, 10, 4.5, 6), 2));
    path = path.united(Rounded(QRectF(3, 13, 5, 8), 2.5));
    return path.simplified();
}

// An open hand, all fingers up.
QPainterPath PalmPath() {
    QPainterPath path = Rounded(QRectF(6, 11, 16, 13), 4);
    const double tops[] = {4, 2, 3, 6};
    for (int i = 0; i < 4; ++i) path = path.united(Rounded(QRectF(6.5 + i * 4, tops[i], 4, 14), 2));
    path = path.united(Rounded(QRectF(2, 12, 6, 5), 2.5));
    return path.simplified();
}

// A closed hand holding on to a card.
QPainterPath FistPath() {
    QPainterPath path = Rounded(QRectF(6, 9, 16, 14), 4);
    for (int i = 0; i < 4; ++i) path = path.united(Rounded(QRectF(6.5 + i * 4, 6, 4, 7), 2));
    path = path.united(Rounded(QRectF(3, 12, 5, 6), 2.5));
    return path.simplified();
}

QImage DrawCursor(Shape shape, const Style& style, bool dragging) {
    QImage image = Canvas(kCursorSize, kCursorSize, Qt::transparent);
    QPainter painter(&image);
    // Cursors stay crisp: every pixel is either drawn or transparent.
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (dragging && shape != Shape::Fist) {
        // A card beside the pointer shows that one is being carried.
        painter.setPen(QColor(40, 40, 40));
        painter.setBrush(QColor(252, 252, 248));
        painter.drawRect(QRect(15, 14, 12, 16));
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(200, 16, 24));
        painter.drawRect(QRect(18, 18, 3, 3));
    }
    painter.setPen(QPen(style.outline, 1));
    painter.setBrush(style.fill);
    switch (shape) {
        case Shape::Arrow: painter.drawPath(ArrowPath()); break;
        case Shape::Hand: painter.drawPath(HandPath()); break;
        case Shape::Palm: painter.drawPath(PalmPath()); break;
        case Shape::Fist: painter.drawPath(FistPath()); break;
        case Shape::Cross:
            painter.setPen(Qt::NoPen);
            painter.setBrush(style.outline);
            painter.drawRect(QRect(14, 3, 5, 27));
            painter.drawRect(QRect(3, 14, 27, 5));
            painter.setBrush(style.fill);
            painter.drawRect(QRect(15, 4, 3, 25));
            painter.drawRect(QRect(4, 15, 25, 3));
            break;
    }
    return image;
}

QPoint HotSpot(Shape shape) {
    switch (shape) {
        case Shape::Arrow: return {1, 1};
        case Shape::Hand: return {10, 1};
        case Shape::Palm: return {14, 3};
        case Shape::Fist: return {14, 8};
        case Shape::Cross: return {16, 16};
    }
    return {0, 0};
}

QImage OnGreen(const QImage& cursor) {
    QImage image = Canvas(kCursorSize, kCursorSize, QColor(0, 255, 0));
    QPainter painter(&image);
    painter.drawImage(0, 0, cursor);
    return image;
}

}  // namespace

void AddCursors(PictureSet& pictures) {
    const Style white{QColor(255, 255, 255), QColor(0, 0, 0)};
    const Style black{QColor(0, 0, 0), QColor(255, 255, 255)};
    const Style skin{QColor(255, 228, 196), QColor(60, 40, 20)};
    const Style glove{QColor(255, 255, 255), QColor(30, 30, 90)};

    struct Entry {
        const char* name;
        Shape pointing;
        Shape dragging;
        Style style;
        const char* preview;
    };
    const Entry entries[] = {
        {"CUR_ARROW1", Shape::Arrow, Shape::Arrow, white, "CUR_ARROW1"},
        {"CUR_ARROW2", Shape::Arrow, Shape::Arrow, black, "CUR_ARROW2"},
        {"CUR_HAND1", Shape::Hand, Shape::Fist, skin, "CUR_HAND1"},
        {"CUR_HAND2", Shape::Palm, Shape::Fist, glove, "CUR_HAND2"},
        {"CUR_CROSS1", Shape::Cross, Shape::Cross, white, "CUR_CROSS"},
    };
    for (const Entry& entry : entries) {
        const QImage pointing = DrawCursor(entry.pointing, entry.style, false);
        pictures.push_back({std::string(entry.name) + "A", pointing, HotSpot(entry.pointing)});
        pictures.push_back(
            {std::string(entry.name) + "B", DrawCursor(entry.dragging, entry.style, true), HotSpot(entry.dragging)});
        pictures.push_back({entry.preview, OnGreen(pointing), {}});
    }
}

}  // namespace dravicor::resources
