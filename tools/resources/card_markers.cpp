#include "card_markers.h"

#include <array>
#include <cstdio>

#include <QPainter>

#include "shapes.h"
#include "stroke_font.h"

namespace dravicor::resources {

namespace {

struct CardSize {
    char letter;
    int width;
    int height;
};
constexpr std::array<CardSize, 3> kCardSizes{{{'B', 71, 96}, {'M', 59, 80}, {'P', 25, 32}}};

const QColor kTable(0, 96, 0);
const QColor kSlot(0, 76, 0);
const QColor kLine(150, 210, 150);
const QColor kSymbol(210, 236, 210);

// The rank a marker stands for, or 0 for the markers of other meanings.
int MarkerRank(int number) {
    if (number == 10) return 1;
    if (number >= 12 && number <= 20) return number - 10;
    if (number == 6) return 11;
    if (number == 3) return 12;
    if (number == 11) return 13;
    return 0;
}

void DrawSymbol(QPainter& painter, int number, const QRectF& area, double pen) {
    painter.setPen(QPen(kSymbol, pen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    if (const int rank = MarkerRank(number); rank != 0) {
        const double h = area.height() * 0.42;
        const double w = rank == 10 ? area.width() * 0.7 : area.width() * 0.4;
        DrawStrokeText(painter, RankText(rank), QRectF(area.center().x() - w / 2, area.center().y() - h / 2, w, h));
        return;
    }
    const double s = std::min(area.width(), area.height()) * 0.55;
    const QRectF box(area.center().x() - s / 2, area.center().y() - s / 2, s, s);
    switch (number) {
        case 1:  // a free reserve cell: the outline alone
            break;
        case 2:  // the waste: a second outline inside
            painter.setPen(QPen(kLine, std::max(1.0, pen / 2), Qt::DashLine));
            painter.drawRect(area.adjusted(area.width() * 0.18, area.height() * 0.18, -area.width() * 0.18,
                                           -area.height() * 0.18));
            break;
        case 4:  // any card
            painter.drawEllipse(box.adjusted(s * 0.15, s * 0.15, -s * 0.15, -s * 0.15));
            break;
        case 5:  // a redeal armed: the arrow filled in
            painter.setPen(QPen(QColor(255, 220, 60), pen * 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter.drawPath(CircularArrow(box));
            break;
        case 7:  // no card may be placed
            painter.drawLine(box.topLeft(), box.bottomRight());
            painter.drawLine(box.topRight(), box.bottomLeft());
            break;
        case 8:  // the stock is spent
            painter.drawEllipse(box);
            painter.drawLine(QPointF(box.left() + s * 0.15, box.top() + s * 0.85),
                             QPointF(box.right() - s * 0.15, box.top() + s * 0.15));
            break;
        case 9:  // a reserve of stacked cards
            painter.drawRect(box.adjusted(0, s * 0.25, -s * 0.25, 0));
            painter.drawLine(QPointF(box.left() + s * 0.25, box.top() + s * 0.25), QPointF(box.left() + s * 0.25, box.top()));
            painter.drawLine(QPointF(box.left() + s * 0.25, box.top()), box.topRight());
            painter.drawLine(box.topRight(), QPointF(box.right(), box.bottom() - s * 0.25));
            painter.drawLine(QPointF(box.right(), box.bottom() - s * 0.25), QPointF(box.right() - s * 0.25, box.bottom() - s * 0.25));
            break;
        case 22:  // another pass through the stock
            painter.drawPath(CircularArrow(box));
            break;
        default:
            break;
    }
}

QImage Marker(const CardSize& size, int number) {
    QImage image = Canvas(size.width, size.height, kTable);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const double pen = size.height >= 80 ? 2.0 : 1.2;
    const QRectF slot(1.5, 1.5, size.width - 3, size.height - 3);
    const double radius = size.height >= 80 ? 5 : 2;
    painter.setPen(QPen(kLine, 1.0));
    painter.setBrush(kSlot);
    painter.drawRoundedRect(slot, radius, radius);
    DrawSymbol(painter, number, slot, pen);
    return image;
}

QImage Shadow(const CardSize& size, const QColor& shade) {
    QImage image = Canvas(size.width, size.height, Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    // Rounded like the cards; the corners stay white, so they show the table.
    const int r = size.height >= 80 ? 4 : 2;
    painter.drawRect(QRect(r, 0, size.width - 2 * r, size.height));
    painter.drawRect(QRect(0, r, size.width, size.height - 2 * r));
    painter.drawRect(QRect(1, 1, size.width - 2, size.height - 2));
    return image;
}

QImage Border(const CardSize& size, bool raised) {
    QImage image = Canvas(size.width, size.height, QColor(0, 0, 255));
    QPainter painter(&image);
    DrawBevel(painter, image.rect(), raised);
    return image;
}

std::string Name(const char* prefix, char letter, const char* suffix) {
    return std::string(prefix) + letter + suffix;
}

}  // namespace

void AddCardMarkers(PictureSet& pictures) {
    for (const CardSize& size : kCardSizes) {
        for (int number = 1; number <= 22; ++number) {
            if (number == 21) continue;
            char digits[4];
            std::snprintf(digits, sizeof digits, "%03d", number);
            pictures.push_back({Name("W", size.letter, digits), Marker(size, number), {}});
        }
        pictures.push_back({Name("SHADOW_", size.letter, "1"), Shadow(size, QColor(72, 72, 72)), {}});
        pictures.push_back({Name("SHADOW_", size.letter, "2"), Shadow(size, QColor(120, 120, 120)), {}});
        pictures.push_back({Name("3D_BORDER_", size.letter, "1"), Border(size, true), {}});
        pictures.push_back({Name("3D_BORDER_", size.letter, "2"), Border(size, false), {}});
    }
}

}  // namespace dravicor::resources
