#include "engine/special_indicators.h"

#include <algorithm>

#include "rules/legality.h"
#include "rules/rule_codes.h"

namespace dravicor {

namespace {

std::string RankText(int rank) {
    switch (rank) {
        case 1: return "A";
        case 11: return "J";
        case 12: return "Q";
        case 13: return "K";
        default: return std::to_string(rank);
    }
}

// The topmost real card of a pile, passing over empty slots; 0 when none.
int TopCard(const Pile& pile) {
    const auto& groups = pile.groups();
    const auto top = std::find_if(groups.rbegin(), groups.rend(), [](CardNumber card) { return card != kNoCard; });
    return top == groups.rend() ? kNoCard : *top;
}

// A limit of 0 or below (unset, or -1 for any) fills no foundation.
bool IsFull(const Pile& foundation, const GameRules& rules) {
    const int limit = rules[Rule::FoundationMaxCards];
    return limit > 0 && foundation.size() >= limit;
}

int WasteSize(const Position& position) { return position.piles.stock[1].size(); }

}  // namespace

std::array<std::optional<std::string>, kNextRankBoxCount> NextRankBoxes(const Position& position,
                                                                         const GameRules& rules) {
    std::array<std::optional<std::string>, kNextRankBoxCount> boxes;
    if (SpecialGameOf(rules) != SpecialGame::StepFoundations) return boxes;
    for (int i = 0; i < kNextRankBoxCount; ++i) {
        const Pile& foundation = position.piles.foundations[static_cast<size_t>(i)];
        const int top = TopCard(foundation);
        if (top == kNoCard || IsFull(foundation, rules)) continue;
        int next = CardRank(top) + i + 1;
        if (next > 13) next %= 13;
        boxes[static_cast<size_t>(i)] = RankText(next);
    }
    return boxes;
}

int CountMoveLogCodes(const MoveLog& log, std::string_view code) {
    int count = 0;
    std::string_view rest = log.text();
    while (!rest.empty()) {
        const size_t comma = rest.find(',');
        std::string_view entry = rest.substr(0, comma);
        for (; entry.size() >= 3; entry.remove_prefix(3)) {
            if (entry.substr(0, 3) == code) ++count;
        }
        if (comma == std::string_view::npos) break;
        rest.remove_prefix(comma + 1);
    }
    return count;
}

std::optional<std::string> TableauMoveBox(const Position& position, const GameRules& rules, const MoveLog& log) {
    if (SpecialGameOf(rules) != SpecialGame::CountedTableauMoves) return std::nullopt;
    const int k = CountMoveLogCodes(log, kTableauMoveCode);
    const int movesLeft = kTableauMovesPerRound - k % kTableauMovesPerRound;
    const int n = kTableauMovesPerRound - std::min(WasteSize(position), movesLeft);
    return std::to_string(n) + "/" + std::to_string(kTableauMovesPerRound);
}

}  // namespace dravicor
