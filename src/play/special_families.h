#pragma once

// The branch points of the special game families outside selection play
// (which lives in selection_rules.h): each question the move core asks
// about a family is answered here, so that the families' exceptions stand
// together rather than scattered through the core.

#include "play/play_state.h"

namespace dravicor {

// DiscardPile, DiscardPileToo, NeighbourDiscard: a pressed tableau card
// goes straight to the discard pile (the second waste).
constexpr bool TakesPressedCardToDiscard(SpecialGame g) {
    return g == SpecialGame::DiscardPile || g == SpecialGame::DiscardPileToo || g == SpecialGame::NeighbourDiscard;
}

// NeighbourDiscard: only a card one rank above or below the discard
// pile's top card may be taken, King and Ace counting as neighbours (with
// the discard pile empty, only an Ace).
bool NeighbourOfDiscardTop(const PileLists& piles, int card);

// CountedTableauMoves: every move to a tableau pile is counted, and a card
// lying on a tableau pile may go to a foundation only while the count is a
// multiple of twenty (kTableauMovesPerRound) or the waste is empty.
constexpr bool CountsTableauMoves(SpecialGame g) { return g == SpecialGame::CountedTableauMoves; }
bool TableauMoveCountAllowsFoundation(const PlayState& state, PileId from);

// Pyramid and FreePairsOf14, and every selection game: foundation 1 holds
// the selection on the table, so undo leaves it alone.
bool KeepsFoundation1OutOfUndo(const GameRules& rules);

// HiddenPairs, HiddenElevens: a press on a face-down top card turns it.
constexpr bool PressTurnsFaceDownTop(SpecialGame g) {
    return g == SpecialGame::HiddenPairs || g == SpecialGame::HiddenElevens;
}
// HiddenElevens: a discard turns the tableau tops it uncovered.
constexpr bool DiscardTurnsTops(SpecialGame g) { return g == SpecialGame::HiddenElevens; }

// The one-row games: every card lies in tableau pile 1, and a selection
// is a run of neighbours; the stock deals onto the row.
constexpr bool IsRowGame(SpecialGame g) {
    return g == SpecialGame::RowDecades || g == SpecialGame::RowFlanks || g == SpecialGame::RoyalMarriage ||
           g == SpecialGame::CountedTableauMoves;
}

// The win test of the game: PokerGrid when every tableau pile holds a
// card; RowFlanks and RoyalMarriage when the stock is empty and the row
// holds four cards at most; every other game when the stock, the waste,
// the reserves and the tableau are empty (in Pyramid empty places count
// as empty).
bool FamilyWinTest(const PlayState& state);

}  // namespace dravicor
