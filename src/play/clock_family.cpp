#include "play/clock_family.h"

namespace dravicor {

bool ClockPlaces(const PlayState& state, int card, PileId from, PileId target) {
    return from.kind == PileKind::Waste && IsCard(card) && state.position.piles.stock[1].top() == card &&
           target == ClockPileOf(card) && target.number <= state.shape().tableau;
}

bool ClockTakeNext(StateEditor& edit, PileId pile) {
    const int index = PileIndex(pile);
    const Pile& cards = edit.pile(index);
    for (int at = cards.size() - 1; at >= 0; --at) {
        const CardNumber card = cards[at];
        if (card == kNoCard || !edit.state().position.cardTable.IsFaceDown(card)) continue;
        edit.eraseAt(index, at);
        edit.append(PileIndex(PileId::Waste()), card, true);
        return true;
    }
    return false;
}

bool ClockWon(const PlayState& state) {
    const PileLists& piles = state.position.piles;
    if (!piles.stock[1].empty()) return false;
    for (const Pile& pile : piles.tableau) {
        for (const CardNumber card : pile.groups()) {
            if (card != kNoCard && state.position.cardTable.IsFaceDown(card)) return false;
        }
    }
    return true;
}

}  // namespace dravicor
