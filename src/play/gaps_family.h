#pragma once

// The gaps games (Montana, Spaces, Blue Moon, Red Moon): the whole
// pack lies face up in four rows of fixed places, tableau piles 1 to 4
// laid side by side; an empty place is a gap (an empty slot of the pile).
//
// - A gap takes the card one rank above the card on its left, in the same
//   suit; a gap after a King or after another gap takes nothing. Where the
//   Aces are out, a gap at the start of a row takes any 2; where they lead
//   the rows, each row starts with its Ace, which never moves.
// - A card moves alone, from anywhere in a row, and leaves a gap behind.
// - A row's sequence is its run of cards in suit from its start (from a 2,
//   or from the Ace). The redeal (a click on the stock, within
//   Rule::Redeals) gathers every other card, row by row from the left,
//   and deals them back into the places after the sequences, leaving the
//   place just after each sequence empty. Montana, Blue Moon and Red Moon
//   mix the gathered cards first (the shuffle-redeal's fixed mix); Spaces
//   mixes the Aces in with them and takes them out again, so that its gaps
//   fall anywhere.
// - The deal lays the rows as the catalogue says (four of 13) and then
//   takes the Aces out to the discard pile (the second waste), moves them
//   to the start of the rows (Blue Moon), or starts each row with an Ace
//   and a gap before the other cards (Red Moon).
// - The game is won when every row holds its whole sequence.

#include "cards/position.h"
#include "play/journal.h"
#include "play/move.h"
#include "play/play_state.h"

namespace dravicor {

struct ShuffleOutcome;

constexpr bool IsGapsGame(SpecialGame g) {
    return g == SpecialGame::GapsAcesOut || g == SpecialGame::GapsAcesMixedIn || g == SpecialGame::GapsAcesLeft ||
           g == SpecialGame::GapsAcesLeftGapped;
}
constexpr bool AcesLeadRows(SpecialGame g) {
    return g == SpecialGame::GapsAcesLeft || g == SpecialGame::GapsAcesLeftGapped;
}

// The place of the row's gap the card may fill, or -1.
int GapForCard(const PlayState& state, int card, PileId row);

// How many places from the row's start hold its sequence.
int SequenceLength(const Pile& row, SpecialGame game);

// Every move of a gaps position but the stock: each card of each row, in
// row order, to each row with a gap it may fill.
void AddGapsMoves(const PlayState& state, MoveList& moves);

bool GapsWon(const PlayState& state);

// The deal's own step; returns how many cards it laid on the discard pile.
int ArrangeGapsDeal(Position& position, const GameRules& rules);

// The redeal; the gathered and the dealt cards go into the outcome.
void RedealGaps(StateEditor& edit, ShuffleOutcome& outcome);

}  // namespace dravicor
