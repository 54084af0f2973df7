// Face sheets: the 13 cards of a suit, Ace to King, row by row in rows of
// 5, 5 and 3, on a sheet of 5 x 3 cards.
#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <functional>

namespace dravicor::art {

// What shows through the rounded corners of a card: the bitmaps are opaque,
// so the corners take the colour of the default table.
inline const QColor kCornerColour{0, 96, 0};

// An empty card picture of the given size, filled with the corner colour.
QImage BlankCard(QSize size);

// rank 1 (Ace) to 13 (King) -> that card at cardSize.
using CardPainter = std::function<QImage(int rank)>;
QImage AssembleSheet(QSize cardSize, const CardPainter& card);

}  // namespace dravicor::art
