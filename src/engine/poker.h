#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cards/position.h"
#include "rules/game_rules.h"

namespace dravicor {

// The poker games lay cards into a grid of five rows and five columns, the
// first 25 tableau piles (pile 5 * row + column); every complete row and
// column scores as a poker hand.
inline constexpr int kPokerGridSide = 5;
inline constexpr int kPokerGridPiles = kPokerGridSide * kPokerGridSide;
// The final score that wins a poker game.
inline constexpr int kPokerWinningScore = 100;

// The value of five cards. The name is empty when the hand scores nothing.
struct PokerHandValue {
    int points = 0;
    std::string_view name;

    friend bool operator==(const PokerHandValue&, const PokerHandValue&) = default;
};

// Values five card numbers (1 to 104) as a poker hand. A hand of one suit is
// only ever a flush of some kind, so two equal cards from the two decks in
// one suit make a "Flush", never a pair.
PokerHandValue EvaluatePokerHand(const std::array<int, 5>& cards);

// The three text lines of the score panel. Line 3 begins with the word
// "Total", which the panel draws in bold and the rest of the line in normal
// weight. A line 1 or 2 without a value is left as the panel shows it.
struct PokerPanelText {
    std::optional<std::string> line1;
    std::optional<std::string> line2;
    std::string line3;

    friend bool operator==(const PokerPanelText&, const PokerPanelText&) = default;
};
inline constexpr std::string_view kPokerTotalWord = "Total";

// A hand formed by the card just placed, as the panel shows it.
struct NewPokerHand {
    std::string name;
    int points = 0;
    std::array<int, 5> piles{};   // 0-based tableau indexes of the line
    int shownTotal = 0;           // the total the score label shows meanwhile
    PokerPanelText panel;
};

struct PokerGridScore {
    int total = 0;
    // In the order they are shown: rows 0 to 4, then columns 0 to 4.
    std::vector<NewPokerHand> newHands;
    // The panel once every new hand has been shown.
    PokerPanelText finalPanel;
};

// Scores the grid of the position. A line that scores and holds the card
// just placed is a new hand; pass -1 when nothing was placed (a recount for
// a new, loaded or undone position). While the new hands are shown one
// after the other, the total shown leaves out the hands still to come.
PokerGridScore ScorePokerGrid(const Position& position, int placedCard);

// The total alone, without texts (ScorePokerGrid(position, -1).total).
int PokerGridTotal(const Position& position);

// The win test of the poker games: every tableau pile of the game holds a
// card (and the game has piles).
bool IsPokerGridFull(const Position& position, const GameRules& rules);

// Whether a finished poker game counts as won.
constexpr bool IsPokerScoreWinning(int finalScore) { return finalScore >= kPokerWinningScore; }

}  // namespace dravicor
