#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace dravicor::resources {

// Suits in the order of the card numbers: 1 hearts, 2 diamonds, 3 clubs, 4 spades.
QPainterPath SuitPath(int suit, const QRectF& box);
QColor SuitColour(int suit);

// "A", "2" ... "10", "J", "Q", "K" for ranks 1 to 13.
QString RankText(int rank);

// A circle of arrow turning clockwise, open at the top right.
QPainterPath CircularArrow(const QRectF& box);

// A five-pointed star.
QPainterPath Star(const QRectF& box);

// A small card: face up white with the suit (and the rank when there is
// room), face down in the back's blue. Drawn without antialiasing.
void DrawSmallCard(QPainter& painter, const QRect& rect, int suit, int rank, bool faceUp);

// A raised (or pressed) bevel inside the rectangle, 2 pixels wide.
void DrawBevel(QPainter& painter, const QRect& rect, bool raised);

}  // namespace dravicor::resources
