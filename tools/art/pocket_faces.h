// The smallest card faces (size "P", 25 x 32), drawn by the generator: at
// that size only the rank and the suit are legible, so that is all they show.
#pragma once

#include <QImage>

#include "card_size.h"

namespace dravicor::art {

// One card, rank 1 (Ace) to 13 (King), at scale times the "P" size.
QImage PocketFace(Suit suit, int rank, int scale);

}  // namespace dravicor::art
