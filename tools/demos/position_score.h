#pragma once

#include "cards/position.h"
#include "rules/game_rules.h"

namespace dravicor {

// How near a win a position looks, for ordering the demo search's moves:
// cards on the foundations count most, then cards turned up, empty piles
// to work with, cards out of the reserves and cards that lie in order on
// the card below them. Only the order of the values matters.
int ScorePosition(const Position& position, const GameRules& rules);

}  // namespace dravicor
