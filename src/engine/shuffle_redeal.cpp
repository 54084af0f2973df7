#include "engine/shuffle_redeal.h"

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <tuple>

namespace dravicor {

namespace {

int TableauPilesOfGame(const GameRules& rules) {
    return std::clamp(static_cast<int>(rules[Rule::TableauCount]), 0, kTableauCount);
}

Pile& TableauPile(Position& position, int t) { return position.piles.tableau[static_cast<size_t>(t)]; }

// Empties the game's tableau piles, each from the top down. Empty slots are
// dropped with the cards: dealt back after them, the cards would lie behind
// places that no longer mean anything.
std::vector<CardNumber> GatherTableau(Position& position, int piles) {
    std::vector<CardNumber> gathered;
    for (int t = 0; t < piles; ++t) {
        Pile& pile = TableauPile(position, t);
        const auto& groups = pile.groups();
        std::copy_if(groups.rbegin(), groups.rend(), std::back_inserter(gathered),
                     [](CardNumber card) { return card != kNoCard; });
        pile.clear();
    }
    return gathered;
}

}  // namespace

std::vector<CardNumber> MixGatheredCards(std::vector<CardNumber> gathered) {
    std::vector<CardNumber> mixed;
    mixed.reserve(gathered.size());
    // Half the count rounded half to even: an odd count's half lies
    // between two numbers, and of those the even one is taken.
    const size_t half = gathered.size() / 2;
    size_t i = (gathered.size() % 2 == 1 && half % 2 == 1) ? half + 1 : half;
    while (!gathered.empty()) {
        if (i >= gathered.size()) i = 0;
        mixed.push_back(gathered[i]);
        gathered.erase(gathered.begin() + static_cast<std::ptrdiff_t>(i));
        i += mixed.size() % 2 == 0 ? 5 : 2;
    }
    return mixed;
}

ShuffleRedealResult ShuffleRedeal(Position& position, const GameRules& rules) {
    ShuffleRedealResult result;
    const int piles = TableauPilesOfGame(rules);
    if (piles == 0) return result;

    result.gathered = GatherTableau(position, piles);
    const std::vector<CardNumber> mixed = MixGatheredCards(result.gathered);

    const int dealCount = rules[Rule::TableauDealCount];
    const int faceUpCount = rules[Rule::TableauDealFaceUp];
    const bool dealtFaceUp = dealCount == faceUpCount;
    const bool fillToDealCount = rules[Rule::ShuffleRedeal] == 1;
    int p = 0;
    for (const CardNumber card : mixed) {
        position.Append(PileId::Tableau(p + 1), card, dealtFaceUp);
        result.dealt.push_back({card, p, TableauPile(position, p).size() - 1, dealtFaceUp});
        if (!fillToDealCount || TableauPile(position, p).size() >= dealCount) p = (p + 1) % piles;
    }

    if (!dealtFaceUp && faceUpCount == 1) {
        for (int t = 0; t < piles; ++t) {
            const int top = TableauPile(position, t).top();
            if (top != kNoCard) position.cardTable.SetFaceUp(top, true);
        }
    }
    for (RedealtCard& dealt : result.dealt) dealt.faceUp = position.cardTable.IsFaceUp(dealt.card);
    return result;
}

std::vector<RedealtCard> RedealFlightOrder(const ShuffleRedealResult& result, const GameRules& rules) {
    std::vector<RedealtCard> order = result.dealt;
    const bool acrossPiles = rules[Rule::DealByPile] == 0;
    std::stable_sort(order.begin(), order.end(), [acrossPiles](const RedealtCard& a, const RedealtCard& b) {
        return acrossPiles ? std::tie(a.place, a.pile) < std::tie(b.place, b.pile)
                           : std::tie(a.pile, a.place) < std::tie(b.pile, b.place);
    });
    return order;
}

}  // namespace dravicor
