#include "position_score.h"

#include <algorithm>
#include <array>
#include <span>

#include "rules/legality.h"
#include "rules/rule_codes.h"

namespace dravicor {

namespace {

constexpr int kPerFoundationCard = 100;
constexpr int kPerFaceDownCard = -30;
constexpr int kPerEmptyTableau = 40;
constexpr int kPerReserveCard = -15;
// A card that could be built on the one below it, and again when the two
// may also move together (in suit where runs must be).
constexpr int kPerBuiltLink = 5;
constexpr int kPerMovableLink = 5;
// A face-up card on one it does not follow: it stands in the way of both.
constexpr int kPerBreak = -10;
// Where the stock is gone through a limited number of times, a card passed
// to the waste may be buried there for good.
constexpr int kPerWasteCard = -8;

int Count(const GameRules& rules, int index, int capacity) { return std::clamp<int>(rules[index], 0, capacity); }

int LinkScore(const Position& position, const GameRules& rules, int tableau) {
    const Pile& pile = position.piles.tableau[static_cast<size_t>(tableau)];
    const PileRules build = TableauRules(rules, tableau);
    const PlaceContext context{position, rules, tableau + 1, false};
    const PileId id = PileId::Tableau(tableau + 1);
    int score = 0;
    for (int i = 0; i + 1 < pile.size(); ++i) {
        const CardNumber below = pile[i];
        const CardNumber above = pile[i + 1];
        if (!IsCard(below) || position.cardTable.IsFaceDown(below)) continue;
        if (!CanPlaceOn(below, above, build, id, false, context)) {
            score += kPerBreak;
            continue;
        }
        score += kPerBuiltLink;
        const std::array<CardNumber, 2> pair{below, above};
        if (CanMoveRun(std::span<const CardNumber>(pair), tableau, position, rules)) score += kPerMovableLink;
    }
    return score;
}

}  // namespace

int ScorePosition(const Position& position, const GameRules& rules) {
    const PileLists& piles = position.piles;
    int score = 0;
    for (int f = 0; f < Count(rules, Rule::FoundationCount, kFoundationCount); ++f) {
        for (const CardNumber card : piles.foundations[static_cast<size_t>(f)].groups()) {
            if (IsCard(card)) score += kPerFoundationCard;
        }
    }
    for (int t = 0; t < Count(rules, Rule::TableauCount, kTableauCount); ++t) {
        const Pile& pile = piles.tableau[static_cast<size_t>(t)];
        if (pile.empty() && rules[Rule::TableauEmptyAccepts + t] != 0) score += kPerEmptyTableau;
        for (const CardNumber card : pile.groups()) {
            if (position.cardTable.IsFaceDown(card)) score += kPerFaceDownCard;
        }
        score += LinkScore(position, rules, t);
    }
    if (rules[Rule::Redeals] != kUnlimitedPasses) score += kPerWasteCard * piles.stock[1].size();
    for (int r = 0; r < Count(rules, Rule::ReserveCount, kReserveCount); ++r) {
        for (const CardNumber card : piles.reserves[static_cast<size_t>(r)].groups()) {
            if (IsCard(card)) score += kPerReserveCard + (position.cardTable.IsFaceDown(card) ? kPerFaceDownCard : 0);
        }
    }
    return score;
}

}  // namespace dravicor
