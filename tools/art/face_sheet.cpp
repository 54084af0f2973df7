#include "face_sheet.h"

#include <QPainter>

#include "card_size.h"

namespace dravicor::art {

QImage BlankCard(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(kCornerColour);
    return image;
}

QImage AssembleSheet(QSize cardSize, const CardPainter& card) {
    QImage sheet(cardSize.width() * kSheetColumns, cardSize.height() * kSheetRows,
                 QImage::Format_ARGB32_Premultiplied);
    sheet.fill(kCornerColour);
    QPainter painter(&sheet);
    for (int rank = 1; rank <= kRanks; ++rank) {
        const int place = rank - 1;
        painter.drawImage(QPoint((place % kSheetColumns) * cardSize.width(),
                                 (place / kSheetColumns) * cardSize.height()),
                          card(rank));
    }
    return sheet;
}

}  // namespace dravicor::art
