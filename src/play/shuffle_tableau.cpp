#include <algorithm>
#include <cstring>

#include "play/move_rules.h"
#include "rules/rule_codes.h"

namespace dravicor {

void MixGathered(CardNumber* cards, int count) {
    std::array<CardNumber, kCardCount> left{};
    count = std::clamp(count, 0, kCardCount);
    std::copy(cards, cards + count, left.begin());
    int remaining = count;
    // Half the count rounded half to even: an odd count's half lies
    // between two numbers, and of those the even one is taken.
    const int half = count / 2;
    int i = (count % 2 == 1 && half % 2 == 1) ? half + 1 : half;
    for (int taken = 0; taken < count;) {
        if (i >= remaining) i = 0;
        cards[taken++] = left[static_cast<size_t>(i)];
        std::memmove(left.data() + i, left.data() + i + 1, static_cast<size_t>(remaining - i - 1));
        --remaining;
        i += taken % 2 == 0 ? 5 : 2;
    }
}

namespace {

// Picks a pile up from the top down onto the gathered cards. Empty places
// are dropped with the cards: dealt back after them, the cards would lie
// behind places that no longer mean anything.
void GatherPile(StateEditor& editor, int pile, ShuffleOutcome& outcome) {
    const auto groups = editor.pile(pile).groups();
    for (auto it = groups.rbegin(); it != groups.rend(); ++it) {
        if (*it != kNoCard) outcome.gathered[static_cast<size_t>(outcome.gatheredCount++)] = *it;
    }
    editor.clearPile(pile);
}

}  // namespace

void ShuffleTableau(StateEditor& editor, ShuffleOutcome& outcome) {
    const PlayState& state = editor.state();
    const GameRules& rules = state.rules();
    const int piles = state.shape().tableau;
    outcome.gatheredCount = 0;
    outcome.dealtCount = 0;
    if (piles == 0) return;

    for (int t = 0; t < piles; ++t) {
        GatherPile(editor, kFirstTableauIndex + t, outcome);
    }
    std::array<CardNumber, kCardCount> mixed = outcome.gathered;
    MixGathered(mixed.data(), outcome.gatheredCount);

    const int dealCount = rules[Rule::TableauDealCount];
    const int faceUpCount = rules[Rule::TableauDealFaceUp];
    const bool dealtFaceUp = dealCount == faceUpCount;
    const bool fillToDealCount = rules[Rule::ShuffleRedeal] == TableauRedeal::MixedFillingEachPile;
    int p = 0;
    for (int k = 0; k < outcome.gatheredCount; ++k) {
        const CardNumber card = mixed[static_cast<size_t>(k)];
        const int pile = kFirstTableauIndex + p;
        editor.append(pile, card, dealtFaceUp);
        outcome.dealt[static_cast<size_t>(outcome.dealtCount++)] = {card, p, editor.pile(pile).size() - 1, dealtFaceUp};
        if (!fillToDealCount || editor.pile(pile).size() >= dealCount) p = (p + 1) % piles;
    }

    if (!dealtFaceUp && faceUpCount == 1) {
        for (int t = 0; t < piles; ++t) {
            const int top = editor.pile(kFirstTableauIndex + t).top();
            if (top != kNoCard) editor.setFaceUp(top, true);
        }
    }
    for (int k = 0; k < outcome.dealtCount; ++k) {
        RedealtCard& dealt = outcome.dealt[static_cast<size_t>(k)];
        dealt.faceUp = state.position.cardTable.IsFaceUp(dealt.card);
    }
}

void RedealTableauInOrder(StateEditor& editor, ShuffleOutcome& outcome) {
    const PlayState& state = editor.state();
    const GameRules& rules = state.rules();
    const int piles = state.shape().tableau;
    outcome.gatheredCount = 0;
    outcome.dealtCount = 0;
    if (piles == 0) return;

    // The last pile is picked up first, so it ends at the bottom of the packet.
    for (int t = piles - 1; t >= 0; --t) {
        GatherPile(editor, kFirstTableauIndex + t, outcome);
    }

    // Where each card goes is settled before any is laid down: a card's
    // face depends on how many cards its pile ends up holding.
    std::array<int, kCardCount> target{};
    std::array<int, kTableauCount> sizes{};
    int p = 0;
    for (int k = 0; k < outcome.gatheredCount; ++k) {
        while (p < piles - 1 && sizes[static_cast<size_t>(p)] >= rules[Rule::TableauDealCount + p]) ++p;
        target[static_cast<size_t>(k)] = p;
        ++sizes[static_cast<size_t>(p)];
    }
    for (int k = 0; k < outcome.gatheredCount; ++k) {
        const CardNumber card = outcome.gathered[static_cast<size_t>(outcome.gatheredCount - 1 - k)];
        const int t = target[static_cast<size_t>(k)];
        const int pile = kFirstTableauIndex + t;
        const int place = editor.pile(pile).size();
        const int faceUpCount = rules[Rule::TableauDealFaceUp + t];
        const bool faceUp = faceUpCount < 0 || place >= sizes[static_cast<size_t>(t)] - faceUpCount;
        editor.append(pile, card, faceUp);
        outcome.dealt[static_cast<size_t>(outcome.dealtCount++)] = {card, t, place, faceUp};
    }
}

void RedealTableau(StateEditor& editor, ShuffleOutcome& outcome) {
    if (editor.state().rules()[Rule::ShuffleRedeal] == TableauRedeal::InOrder) {
        RedealTableauInOrder(editor, outcome);
    } else {
        ShuffleTableau(editor, outcome);
    }
}

}  // namespace dravicor
