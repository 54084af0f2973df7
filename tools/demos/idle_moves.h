#pragma once

#include "cards/position.h"
#include "engine/engine.h"
#include "rules/game_rules.h"

namespace dravicor {

// A drag that only shuffles cards between tableau piles: the card lies on
// one it follows in suit, the two of them free to move on together as a
// run, and its own pile keeps cards. Whatever the card could lie on next,
// the card below it could carry it there as well, so the drag frees
// nothing and the demo search leaves it out. Where runs may not move as
// one, every card must be dug out on its own, and no drag is idle.
bool IsIdleShuffle(const Position& position, const GameRules& rules, const PlayerMove& move);

}  // namespace dravicor
