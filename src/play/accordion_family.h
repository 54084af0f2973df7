#pragma once

// Accordion (SpecialGame::Accordion), a selection game: every card lies in
// the row, tableau pile 1, and each stock click adds the next card at its
// right end. A card may go onto the card just left of it or onto the card
// three places to its left when the two share a suit or a rank; it is
// played by pressing the two cards. The card moved on covers the other,
// which goes to the discard pile, and takes its place in the row. The game
// is won when the stock is used up and one card is left in the row.

#include "play/journal.h"
#include "play/play_state.h"

namespace dravicor {

// May the selection stand: one card of the row, or two that may go one
// onto the other?
bool AccordionSelectionValid(const PileLists& piles, CardRun selection);

// The move of a complete selection of two: the card to the right covers
// the other. Returns the covered card.
CardNumber AccordionCover(StateEditor& edit, CardRun selection);

bool AccordionWon(const PlayState& state);

}  // namespace dravicor
