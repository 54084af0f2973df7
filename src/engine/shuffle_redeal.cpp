#include "engine/shuffle_redeal.h"

#include <algorithm>
#include <tuple>

#include "play/move_rules.h"

namespace dravicor {

std::vector<CardNumber> MixGatheredCards(std::vector<CardNumber> gathered) {
    gathered.resize(std::min<size_t>(gathered.size(), kCardCount));
    MixGathered(gathered.data(), static_cast<int>(gathered.size()));
    return gathered;
}

ShuffleRedealResult ShuffleRedeal(Position& position, const GameRules& rules) {
    // The move core's shuffle, on a state of its own.
    PlayState state(rules);
    state.position = position;
    StateEditor editor(state, nullptr);
    ShuffleOutcome outcome;
    RedealTableau(editor, outcome);
    position = state.position;
    ShuffleRedealResult result;
    result.gathered.assign(outcome.gathered.begin(), outcome.gathered.begin() + outcome.gatheredCount);
    result.dealt.assign(outcome.dealt.begin(), outcome.dealt.begin() + outcome.dealtCount);
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
