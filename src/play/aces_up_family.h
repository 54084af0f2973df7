#pragma once

// Aces Up (SpecialGame::AcesUp): a few tableau piles, one card dealt to
// each at every stock click. A tableau top goes to the discard foundation
// when another tableau pile shows a higher card of its suit, Aces ranking
// high; an empty pile takes any top card, and no card goes on a card (the
// common rules, with building code 6 and any card on an empty pile). Cards
// in a reserve (Firing Squad's free cell) neither go to the foundation nor
// count as showing. The game is won when the stock is used
// up and nothing but Aces is left outside the foundation.

#include "play/play_state.h"

namespace dravicor {

// May the card lying on `from` go to the discard foundation?
bool AcesUpDiscards(const PlayState& state, int card, PileId from);

bool AcesUpWon(const PlayState& state);

}  // namespace dravicor
