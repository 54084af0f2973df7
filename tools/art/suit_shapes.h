// The four suit symbols as paths, drawn by the generator itself (the small
// card faces and some card backs).
#pragma once

#include <QColor>
#include <QPainterPath>
#include <QRectF>

#include "card_size.h"

namespace dravicor::art {

// The symbol of a suit filling the given box.
QPainterPath SuitPath(Suit suit, const QRectF& box);

// The red and black of the small faces.
inline QColor SuitColour(Suit suit) { return IsRed(suit) ? QColor(200, 16, 32) : QColor(16, 16, 24); }

}  // namespace dravicor::art
