#include "play/play_state.h"

#include <algorithm>
#include <cstring>

namespace dravicor {

int Selection::find(int card) const {
    const auto* begin = cards_.data();
    const auto* end = begin + size_;
    const auto* it = std::find(begin, end, card);
    return it == end || card == kNoCard ? -1 : static_cast<int>(it - begin);
}

void Selection::eraseAt(int index) {
    auto* at = cards_.data() + index;
    std::memmove(at, at + 1, static_cast<size_t>(size_ - index - 1));
    --size_;
}

void Selection::insertAt(int index, CardNumber card) {
    if (size_ == kCardCount) return;
    auto* at = cards_.data() + index;
    std::memmove(at + 1, at, static_cast<size_t>(size_ - index));
    *at = card;
    ++size_;
}

namespace {

// The hand-made tables of the layout.
constexpr int kTable062 = 62;  // stock, waste, twelve foundations
constexpr int kTable064 = 64;  // stock, waste, four reserves, foundations and tableau piles
constexpr int kTable069 = 69;  // waste, eight foundations, one reserve, five tableau piles
constexpr int kTable070 = 70;  // waste, thirteen tableau piles round a clock face

int Count(const GameRules& rules, int index, int most) { return std::clamp<int>(rules[index], 0, most); }

}  // namespace

bool PileInPlay(const GameRules& rules, PileId pile) {
    const int table = rules[Rule::TableLayoutModel];
    const bool handMade = table == kTable062 || table == kTable064 || table == kTable069 || table == kTable070;
    const int n = pile.number;
    switch (pile.kind) {
        case PileKind::Stock:
            return handMade ? table != kTable069 && table != kTable070 : rules[Rule::StockPileCount] >= 1;
        case PileKind::Waste:
            return handMade || rules[Rule::StockPileCount] >= 2;
        case PileKind::SecondWaste:
            return !handMade && rules[Rule::StockPileCount] >= 3;
        case PileKind::Foundation: {
            const int most = table == kTable062   ? 12
                             : table == kTable064 ? 4
                             : table == kTable069 ? 8
                             : table == kTable070 ? 0
                                                  : kFoundationCount;
            return n >= 1 && n <= std::min(most, Count(rules, Rule::FoundationCount, kFoundationCount));
        }
        case PileKind::Tableau: {
            const int most = table == kTable062   ? 0
                             : table == kTable064 ? 4
                             : table == kTable069 ? 5
                             : table == kTable070 ? 13
                                                  : kTableauCount;
            return n >= 1 && n <= std::min(most, Count(rules, Rule::TableauCount, kTableauCount));
        }
        case PileKind::Reserve: {
            const int most = table == kTable062 ? 0 : table == kTable064 ? 4 : table == kTable069 ? 1 : table == kTable070 ? 0 : kReserveCount;
            return n >= 1 && n <= std::min(most, Count(rules, Rule::ReserveCount, kReserveCount));
        }
    }
    return false;
}

void PlayState::setRules(const GameRules& rules) {
    rules_ = rules;
    GameShape& s = shape_;
    s.foundations = Count(rules, Rule::FoundationCount, kFoundationCount);
    s.tableau = Count(rules, Rule::TableauCount, kTableauCount);
    s.reserves = Count(rules, Rule::ReserveCount, kReserveCount);
    s.special = SpecialGameOf(rules);
    s.selectionPlay = rules[Rule::SelectionPlay] != 0;
    for (int i = 0; i < kPileCount; ++i) s.inPlay[static_cast<size_t>(i)] = PileInPlay(rules, PileOfIndex(i));
    s.wholeRuns = false;
    for (int f = 0; f < s.foundations; ++f) s.wholeRuns = s.wholeRuns || IsWholeRunFoundation(rules[Rule::FoundationFirstCard + f]);
    for (int f = 0; f < kFoundationCount; ++f) {
        s.foundationDrop[static_cast<size_t>(f)] = FoundationDropRules(rules, f);
        s.foundationAuto[static_cast<size_t>(f)] = FoundationAutoRules(rules, f);
    }
    for (int t = 0; t < kTableauCount; ++t) s.tableauRules[static_cast<size_t>(t)] = TableauRules(rules, t);
}

std::optional<PileId> FindCard(const PileLists& piles, int card) {
    if (!IsCard(card)) return std::nullopt;
    for (int i = 0; i < kPileCount; ++i) {
        if (PileAtIndex(piles, i).contains(card)) return PileOfIndex(i);
    }
    return std::nullopt;
}

}  // namespace dravicor
