#pragma once

// Helpers of the move core shared by its parts and by the engine; the
// rules themselves are declared in move_core.h.

#include <array>

#include "play/journal.h"
#include "play/move_core.h"

namespace dravicor {

// The card location code (CardLocation) of a card lying on the pile.
int LocationOf(PileId pile);

// CanPlaceFrom with the position's move-size limit worked out already
// (MoveSizeLimitOf), as the move generator asks it many times.
bool CanPlaceWithLimit(const PlayState& state, int card, PileId from, int at, PileId target, bool byAutoplay,
                       const MoveSizeLimit* limit);

// Is any tableau pile of the game empty (no groups at all)?
bool AnyTableauEmpty(const PlayState& state);

// NeighbourGrid: would closing the grid's gaps move or deal a card?
bool GridWouldClose(const PlayState& state);

// The steps a click on the stock makes now, in order (at most two: some
// games deal to their reserves twice). A Redeal or ShuffleRedeal step is
// made only when RedealPossible. fillGapsFirst: the game refuses to deal
// while a tableau pile is empty ("Before deal, fill any gaps in the
// tableau"). selectionFamilies: the grid and the row games of selection
// play do their own thing on a press of the stock (close the gaps, deal
// onto the row); without it, the plain stock click of every other game.
struct StockClickPlan {
    std::array<Move, 2> steps{};
    int count = 0;
    bool fillGapsFirst = false;
};
StockClickPlan PlanStockClick(const PlayState& state, bool selectionFamilies = true);

// The shuffle-redeal's fixed mix: from the middle item on, every card
// taken moves the index on by 2 after an odd count taken and by 5 after an
// even one, starting again at the first item when it runs past the last.
// a, b, c, d, e becomes c, a, b, d, e. `cards` is mixed in place (at most
// kCardCount of them).
void MixGathered(CardNumber* cards, int count);

// What a shuffle-redeal did, in fixed room.
struct ShuffleOutcome {
    std::array<CardNumber, kCardCount> gathered{};
    std::array<RedealtCard, kCardCount> dealt{};
    int gatheredCount = 0;
    int dealtCount = 0;
};

// Gathers every card of the game's tableau piles (each pile from the top
// down, the piles in order; empty places are dropped), mixes them and
// deals them back: round the piles one card at a time, or
// (Rule::ShuffleRedeal 1) filling each pile up to the first pile's deal
// count before going on. Cards lie face up only when the first pile deals
// all its cards face up; when it deals exactly one face up, every pile's
// top card is turned up afterwards.
void ShuffleTableau(StateEditor& editor, ShuffleOutcome& outcome);

// The redeal that does not mix (Rule::ShuffleRedeal TableauRedeal::InOrder):
// the piles are gathered from the last to the first, each from the top
// down, so that the packet holds the first pile's bottom card on top; dealt
// again from the top of the packet, the cards keep their order. Each pile
// is refilled to its own deal count, the first pile first, and cards beyond
// all the deal counts go onto the last pile. In each pile the top cards,
// as many as it deals face up, lie face up (all of them for the piles that
// deal in alternating faces); the others face down.
void RedealTableauInOrder(StateEditor& editor, ShuffleOutcome& outcome);

// The tableau redeal the game's Rule::ShuffleRedeal asks for, in order or
// mixed (the gaps games redeal their own way: RedealGaps).
void RedealTableau(StateEditor& editor, ShuffleOutcome& outcome);

}  // namespace dravicor
