#include "pocket_faces.h"

#include <QFont>
#include <QPainter>

#include "face_sheet.h"
#include "suit_shapes.h"

namespace dravicor::art {

namespace {

QString RankText(int rank) {
    switch (rank) {
        case 1: return QStringLiteral("A");
        case 11: return QStringLiteral("J");
        case 12: return QStringLiteral("Q");
        case 13: return QStringLiteral("K");
        default: return QString::number(rank);
    }
}

}  // namespace

QImage PocketFace(Suit suit, int rank, int scale) {
    QImage image = BlankCard(kPocketCards.size(scale));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(scale, scale);  // everything below in the 25 x 32 layout

    p.setPen(QPen(QColor(90, 90, 96), 0.8));
    p.setBrush(QColor(252, 252, 248));
    p.drawRoundedRect(QRectF(0.4, 0.4, 24.2, 31.2), 2.5, 2.5);

    const QColor ink = SuitColour(suit);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(11);
    if (rank == 10) font.setStretch(QFont::Condensed);
    font.setLetterSpacing(QFont::AbsoluteSpacing, rank == 10 ? -1.0 : 0.0);
    p.setFont(font);
    p.setPen(ink);
    p.drawText(QRectF(1.0, 0.0, 14.0, 12.0), Qt::AlignLeft | Qt::AlignVCenter, RankText(rank));

    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPath(SuitPath(suit, QRectF(2.0, 12.5, 7.0, 7.0)));
    p.drawPath(SuitPath(suit, QRectF(9.5, 15.5, 13.5, 14.0)));
    return image;
}

}  // namespace dravicor::art
