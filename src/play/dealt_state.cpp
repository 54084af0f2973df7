#include "play/dealt_state.h"

#include <string>

#include "engine/deal.h"
#include "rules/deck_order.h"

namespace dravicor {

std::optional<PlayState> DealtPlayState(const GameRules& rules, std::string_view gameNumber) {
    const DeckOrderResult deck = BuildDeckOrder(gameNumber, rules[Rule::CardCount]);
    if (deck.error != DeckOrderError::None) return std::nullopt;
    GameRules dealt = rules;
    PlayState state;
    DealGame(state.position, dealt, deck.order, false);
    state.setRules(dealt);
    return state;
}

}  // namespace dravicor
