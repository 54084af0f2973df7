#include "play/aces_up_family.h"

namespace dravicor {

namespace {

// Aces rank above Kings.
int AcesHigh(int card) { return CardRank(card) == 1 ? 14 : CardRank(card); }

}  // namespace

bool AcesUpDiscards(const PlayState& state, int card, PileId from) {
    if (from.kind != PileKind::Tableau || !IsCard(card)) return false;
    const PileLists& piles = state.position.piles;
    if (piles.pile(from).top() != card) return false;
    for (int t = 0; t < state.shape().tableau; ++t) {
        const CardNumber top = piles.tableau[static_cast<size_t>(t)].top();
        if (t == from.number - 1 || top == kNoCard || state.position.cardTable.IsFaceDown(top)) continue;
        if (CardSuitIndex(top) == CardSuitIndex(card) && AcesHigh(top) > AcesHigh(card)) return true;
    }
    return false;
}

bool AcesUpWon(const PlayState& state) {
    const PileLists& piles = state.position.piles;
    if (!piles.stock[0].empty() || !piles.stock[1].empty()) return false;
    const auto onlyAces = [](const Pile& pile) {
        for (const CardNumber card : pile.groups()) {
            if (card != kNoCard && CardRank(card) != 1) return false;
        }
        return true;
    };
    for (const Pile& pile : piles.tableau) {
        if (!onlyAces(pile)) return false;
    }
    for (const Pile& pile : piles.reserves) {
        if (!onlyAces(pile)) return false;
    }
    return true;
}

}  // namespace dravicor
