#pragma once

#include <string>

#include "cards/position.h"
#include "engine/keyboard_focus.h"
#include "rules/game_rules.h"

namespace dravicor {

// The table in words, as a player would say it, for screen readers and for
// what the keys report.

// "Ace of Spades", "7 of Hearts", "Queen of Diamonds".
std::string CardName(int card);

// "Stock", "Waste", "Discard pile", "Foundation 1", "Tableau 3",
// "Reserve 2", or "Free cell 2" where every reserve is a free cell.
std::string PileTitle(PileId pile, const GameRules& rules);

// The pile and what shows of it, top first: "Tableau 3: 7 of Hearts on
// 8 of Spades, 3 cards face down", "Foundation 1: 3 of Hearts, 2 cards
// below", "Stock: 24 cards face down", "Free cell 2: empty". Cards of a
// pairing game's selection are marked "(selected)".
std::string DescribePile(const Engine& engine, PileId pile);

// The focused place: its pile's description when the focus is on the top
// card or an empty pile, else "Tableau 3: 8 of Spades, under 2 cards".
std::string DescribeFocus(const Engine& engine, const KeyFocus& focus);

// What changed between two positions of the same game, one sentence per
// pile that gained cards and per card turned over where it lies:
// "7 of Hearts to Tableau 4.", "3 cards to Waste.", "8 of Spades turned
// face up." Cards that arrive face down are counted, not named. Empty
// when nothing changed.
std::string DescribeChange(const Position& before, const Position& after, const GameRules& rules);

// "Klondike, game 1234, dealt." (the number without its leading zeros).
std::string DescribeDeal(const std::string& gameName, const std::string& gameNumber);

inline constexpr std::string_view kGameWonSpeech = "Game won.";

}  // namespace dravicor
