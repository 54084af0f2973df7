#pragma once

// The branch points of the special game families outside selection play
// (which lives in selection_rules.h): each question the move core asks
// about a family is answered here, so that the families' exceptions stand
// together rather than scattered through the core.

#include <optional>

#include "play/gaps_family.h"
#include "play/move.h"
#include "play/play_state.h"

namespace dravicor {

// The families whose tableau piles are places rather than heaps: the
// lines of the pyramid and the peaks (a line is covered by the next one),
// the squares of the grids (neighbours pair off, rows score), Clock's
// hours, the gaps games' rows (a redeal gathers them in order), and the
// Aces Up piles (each stock click deals the next card to each pile in
// turn, so which pile holds which cards decides what the deals cover). Two
// such piles holding the same cards do not play alike, so a search may not
// take one for the other.
constexpr bool TableauPilesArePlaces(SpecialGame g) {
    switch (g) {
        case SpecialGame::Pyramid:
        case SpecialGame::PeaksToDiscard:
        case SpecialGame::NeighbourGrid:
        case SpecialGame::PokerGrid:
        case SpecialGame::Clock:
        case SpecialGame::GapsAcesOut:
        case SpecialGame::GapsAcesMixedIn:
        case SpecialGame::GapsAcesLeft:
        case SpecialGame::GapsAcesLeftGapped:
        case SpecialGame::AcesUp: return true;
        default: return false;
    }
}

// DiscardPile, DiscardPileToo, NeighbourDiscard, PeaksToDiscard: a pressed
// tableau card goes straight to the discard pile (the second waste).
constexpr bool TakesPressedCardToDiscard(SpecialGame g) {
    return g == SpecialGame::DiscardPile || g == SpecialGame::DiscardPileToo || g == SpecialGame::NeighbourDiscard ||
           g == SpecialGame::PeaksToDiscard;
}

// The Golf games (NeighbourDiscard, PeaksToDiscard): the discard pile
// builds up or down regardless of suit.
constexpr bool IsGolfGame(SpecialGame g) { return g == SpecialGame::NeighbourDiscard || g == SpecialGame::PeaksToDiscard; }

// The Golf games: only a card one rank above or below the discard pile's
// top card may be taken; King and Ace are neighbours unless
// Rule::DiscardStopsAtKing says that nothing goes on a King (with the
// discard pile empty, only an Ace).
bool NeighbourOfDiscardTop(const PlayState& state, int card);

// May the tableau card at `place` of the pile be picked up as the family
// sees it? PeaksToDiscard: a face-up card no card of the next line covers.
// Every other family: the common rule decides (nothing here).
std::optional<bool> FamilyPickUp(const PlayState& state, PileId pile, int place);

// May the card (lying at `at` of `from`) go to the target as the family
// sees it? The gaps games: a row card only into a gap of a row it fits;
// Clock: only the card in hand, to its rank's pile; Aces Up: to the
// foundation only a tableau top with a higher card of its suit showing.
// Every other case: the common rules decide (nothing here).
std::optional<bool> FamilyPlace(const PlayState& state, int card, PileId from, PileId target);
// Whether FamilyPlace has anything to say in the game: asked first, as the
// move rules place cards millions of times a second for the solver.
constexpr bool FamilyPlaces(SpecialGame special) {
    return IsGapsGame(special) || special == SpecialGame::Clock || special == SpecialGame::AcesUp;
}

// Where a card picked up by a press goes at once, with no drag: the
// discard pile of the games that take pressed cards there (the press was
// allowed only for a card that may go), the rank's pile for Clock's card
// in hand; nothing where the press starts a drag.
std::optional<PileId> PressedCardGoesTo(const PlayState& state, int card, PileId from);

// The families that list their moves themselves (the gaps games, Clock):
// adds them (the stock click aside) and returns true.
bool AddFamilyMoves(const PlayState& state, MoveList& moves);

// The deal's step of a family (after the deal's common steps): the peaks
// spread over their places, the gaps games' Aces. Returns how many cards
// it laid on the discard pile.
int ArrangeFamilyDeal(Position& position, const GameRules& rules);

// A press on a face-down tableau top turns it over, except where the game
// turns its own cards: the peaks (freed cards turn as they are uncovered)
// and Clock (each card is turned by the move that leads to it).
constexpr bool PressTurnsTableauTop(SpecialGame g) { return g != SpecialGame::PeaksToDiscard && g != SpecialGame::Clock; }

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
// is a run of neighbours (in Accordion a pair one or three places apart);
// the stock deals onto the row.
constexpr bool IsRowGame(SpecialGame g) {
    return g == SpecialGame::RowDecades || g == SpecialGame::RowFlanks || g == SpecialGame::RoyalMarriage ||
           g == SpecialGame::CountedTableauMoves || g == SpecialGame::Accordion;
}

// The win test of the game: PokerGrid when every tableau pile holds a
// card; RowFlanks and RoyalMarriage when the stock is empty and the row
// holds four cards at most; the Golf games when the tableau is cleared
// (cards left in the stock do not count); the new families as their files
// say; every other game when the stock, the waste, the reserves and the
// tableau are empty (in Pyramid empty places count as empty).
bool FamilyWinTest(const PlayState& state);

}  // namespace dravicor
