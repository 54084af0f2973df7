#pragma once

#include "cards/position.h"
#include "rules/deck_order.h"
#include "rules/game_rules.h"

namespace dravicor {

// Deals a game into an empty position from its deck order: foundation
// starting cards, the second waste, stock, waste, tableau, reserves and the
// game's extra steps, with their face flags. Rewrites the foundations'
// first-card values and the tableau's empty-pile values as the deal
// decides them (the caller restores them from the rule snapshot before the
// next deal). Returns the starting score: with the "01" scoring system,
// minus the card count plus 5 for every card the deal plays.
int DealGame(Position& position, GameRules& rules, const DeckOrder& deck, bool scoringSystem01);

}  // namespace dravicor
