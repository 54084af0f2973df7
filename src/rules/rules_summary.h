#pragma once

#include <string>
#include <vector>

#include "rules/game_rules.h"
#include "rules/key_numbers.h"

namespace dravicor {

// The key numbers of a game in words, one line each, as its help page
// shows them: "Decks: 1", "Stock: 24 cards, 1 per click onto the waste".
// The labels, in order: Decks, Tableau piles, Foundations, Reserves (or
// Free cells), Stock, Redeals, Empty tableau piles.
struct SummaryLine {
    std::string label;
    std::string value;

    std::string text() const { return label + ": " + value; }
    friend bool operator==(const SummaryLine&, const SummaryLine&) = default;
};

std::vector<SummaryLine> SummarizeRules(const GameRules& rules);
std::vector<SummaryLine> SummarizeKeyNumbers(const KeyNumbers& numbers);

// "Ace", "2" ... "10", "Jack", "Queen", "King"; empty for anything else.
std::string RankName(int rank);
// "unlimited", "none" or the number.
std::string RedealsWords(const std::optional<int>& redeals);

}  // namespace dravicor
