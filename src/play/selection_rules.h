#pragma once

// Selection play: the pairing games (Rule::SelectionPlay not 0), where the
// player discards sets of cards by pressing them one after the other.
// Which cards may be selected together and when a selection is complete
// depends on the family (Rule::SpecialGame) and its target value
// (Rule::SelectionPlay). The presses themselves are Press and Select
// moves (move_core.h).

#include "play/move.h"
#include "play/play_state.h"

namespace dravicor {

// FreePairsOf14 and Pyramid select only cards that may be taken: the top
// card of a tableau pile or a reserve (the waste's top card too), and in
// Pyramid a card no longer covered by the two places of the next tableau
// pile that overlap it.
bool MayBeTaken(const PlayState& state, int card, PileId pile);

// The row games: the selected cards' places in the row (tableau pile 1)
// follow one another, empty places aside.
bool SelectionContiguous(const PileLists& piles, CardRun selection);

// RowFlanks, RoyalMarriage: the cards two places before the first and two
// after the last selected card share a rank or, failing that, a suit.
bool FlanksMatch(const PileLists& piles, CardRun selection);

// May the selection stand as it is after the press on `pressed` (lying
// on `pressedPile`)? A refused press is beeped at and undone.
bool SelectionValid(const PlayState& state, CardRun selection, int pressed, PileId pressedPile);

// Does the selection discard?
bool SelectionComplete(const PlayState& state, CardRun selection);

// Every set of cards (at most Move::kMostPresses) whose presses, in the
// listed order and from an empty selection, complete and discard a
// selection, as Select moves; then, where a press turns a face-down top
// card, that press as a TurnUp move.
void AddSelectionMoves(const PlayState& state, MoveList& moves);

}  // namespace dravicor
