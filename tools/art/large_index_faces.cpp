#include "large_index_faces.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include "face_sheet.h"
#include "suit_shapes.h"

namespace dravicor::art {

namespace {

// Where the parts of a face lie, in pixels of the card's own size.
struct Layout {
    double radius;       // of the card's corners
    double margin;       // from the left and top edges to the index
    double rankHeight;   // of the rank's letters or digits
    double rankWidth;    // the widest a rank may be ("10" is squeezed into it)
    double suitSize;     // of the suit beside the rank; 0 for none
    double pipSize;      // of the big suit in the middle, or at the bottom right
    bool mirrored;       // the index again upside down at the bottom right
};

Layout LayoutOf(const CardSize& size) {
    switch (size.letter) {
        case 'B': return {4.0, 3.0, 14.0, 17.0, 12.0, 34.0, true};
        case 'M': return {3.5, 2.5, 11.0, 14.0, 9.5, 28.0, true};
        default: return {2.5, 1.6, 14.0, 16.0, 0.0, 12.5, false};
    }
}

QString RankText(int rank) {
    switch (rank) {
        case 1: return QStringLiteral("A");
        case 11: return QStringLiteral("J");
        case 12: return QStringLiteral("Q");
        case 13: return QStringLiteral("K");
        default: return QString::number(rank);
    }
}

// The rank's outline with its top-left corner at the origin: its capitals
// and digits as high as asked, as wide as the font makes them but never
// wider than allowed. The tails of J and Q reach a little lower.
QPainterPath RankPath(int rank, double height, double widest) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(100);
    if (rank == 10) font.setLetterSpacing(QFont::AbsoluteSpacing, -6.0);
    QPainterPath capital;
    capital.addText(0, 0, font, QStringLiteral("K"));
    const double capTop = capital.boundingRect().top();
    QPainterPath text;
    text.addText(0, 0, font, RankText(rank));
    const QRectF box = text.boundingRect();
    const double scale = height / -capTop;
    const double across = std::min(scale, widest / box.width());
    QTransform t;
    t.scale(across, scale);
    t.translate(-box.left(), -capTop);
    return t.map(text);
}

// Rank and suit side by side from the painter's origin.
void DrawIndex(QPainter& p, Suit suit, int rank, const Layout& layout) {
    const QPainterPath rankPath = RankPath(rank, layout.rankHeight, layout.rankWidth);
    p.drawPath(rankPath);
    if (layout.suitSize <= 0) return;
    const double x = rankPath.boundingRect().right() + layout.rankHeight * 0.14;
    const double y = (layout.rankHeight - layout.suitSize) / 2;
    p.drawPath(SuitPath(suit, QRectF(x, y, layout.suitSize, layout.suitSize)));
}

}  // namespace

QColor IndexInk(Suit suit, SuitColours colours) {
    if (colours == SuitColours::Four) {
        if (suit == Suit::Diamonds) return QColor(0, 72, 208);
        if (suit == Suit::Clubs) return QColor(0, 128, 40);
    }
    return IsRed(suit) ? QColor(208, 0, 16) : QColor(0, 0, 0);
}

QImage LargeIndexFace(Suit suit, int rank, const CardSize& size, int scale, SuitColours colours) {
    const Layout layout = LayoutOf(size);
    QImage image = BlankCard(size.size(scale));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);  // everything below in the card's own pixels

    const QRectF card(0.5, 0.5, size.width - 1.0, size.height - 1.0);
    p.setPen(QPen(QColor(72, 72, 80), 1.0));
    p.setBrush(Qt::white);
    p.drawRoundedRect(card, layout.radius, layout.radius);

    const QColor ink = IndexInk(suit, colours);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.save();
    p.translate(layout.margin, layout.margin);
    DrawIndex(p, suit, rank, layout);
    p.restore();

    if (!layout.mirrored) {
        // The smallest cards: the suit big in the bottom-right corner.
        const double s = layout.pipSize;
        p.drawPath(SuitPath(suit, QRectF(size.width - layout.margin - s, size.height - layout.margin - s, s, s)));
        return image;
    }
    p.save();
    p.translate(size.width - layout.margin, size.height - layout.margin);
    p.rotate(180);
    DrawIndex(p, suit, rank, layout);
    p.restore();

    const double s = layout.pipSize;
    const QPointF middle(size.width / 2.0, size.height / 2.0);
    p.drawPath(SuitPath(suit, QRectF(middle.x() - s / 2, middle.y() - s / 2, s, s)));
    if (rank > 10) {
        // Court cards: the symbol in a frame.
        const double band = layout.margin + layout.rankHeight + 2.5;
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(ink, 1.5));
        p.drawRect(QRectF(band - 2.0, band, size.width - 2 * (band - 2.0), size.height - 2 * band));
    }
    return image;
}

}  // namespace dravicor::art
