#pragma once

// Clock (SpecialGame::Clock): thirteen tableau piles of face-down cards,
// one per rank: piles 1 to 12 stand for Ace to Queen round the clock face,
// pile 13 in the middle for the Kings. The card in hand lies on the waste;
// the one move is to lay it face up on its rank's pile, and the topmost
// face-down card of that pile comes into the hand as part of the move. The
// deal puts the first card in hand and one card fewer in the middle pile,
// so the game stops when the fourth King is laid; it is won when no card
// is left face down and the hand is empty.

#include "play/journal.h"
#include "play/play_state.h"

namespace dravicor {

// The pile of the card's rank (1-based: Ace 1 .. King 13).
constexpr PileId ClockPileOf(int card) { return PileId::Tableau(CardRank(card)); }

// May the card lying on `from` go to the target? Only the card in hand,
// to its rank's pile.
bool ClockPlaces(const PlayState& state, int card, PileId from, PileId target);

// The topmost face-down card of the tableau pile comes face up into the
// hand; false when the pile has none (the game has stopped).
bool ClockTakeNext(StateEditor& edit, PileId pile);

bool ClockWon(const PlayState& state);

}  // namespace dravicor
