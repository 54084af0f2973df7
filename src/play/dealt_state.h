#pragma once

#include <optional>
#include <string_view>

#include "play/play_state.h"
#include "rules/game_rules.h"

namespace dravicor {

// The opening position of a deal as the move core plays it: the game's
// rules (as LoadGameRules gives them) dealt by the game number, the rules
// rewritten as the deal decides, the pass 1, nothing moved yet. The
// options are the defaults (automatic face-up, no autoplay). Nothing when
// the number gives no deck order.
std::optional<PlayState> DealtPlayState(const GameRules& rules, std::string_view gameNumber);

}  // namespace dravicor
