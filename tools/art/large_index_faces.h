// The large-index faces (sets 6 and 7), drawn by the generator in every card
// size. The rank and the suit stand big across the top-left corner, inside
// the strip a fanned pile leaves showing of a covered card (18 pixels of a
// big card, 14 of a medium one), and upside down in the bottom-right corner;
// a large suit symbol fills the middle, framed on the court cards. The
// smallest cards keep only a big rank at the top left and a big suit at the
// bottom right.
#pragma once

#include <QColor>
#include <QImage>

#include "card_size.h"
#include "face_sets.h"

namespace dravicor::art {

// The ink of a suit: red and black, or with four colours also blue diamonds
// and green clubs.
QColor IndexInk(Suit suit, SuitColours colours);

// One card, rank 1 (Ace) to 13 (King), at scale times the given size.
QImage LargeIndexFace(Suit suit, int rank, const CardSize& size, int scale, SuitColours colours);

}  // namespace dravicor::art
