#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "cards/move_log.h"
#include "cards/position.h"
#include "rules/game_rules.h"

namespace dravicor {

// The boxes above the first four foundations of the games with
// Rule::SpecialGame 10, where foundation i (0-based) builds by steps of
// i + 1: the rank each foundation needs next ("A", "2" to "10", "J", "Q",
// "K"). A box is empty when its foundation is empty or complete, and all are
// empty in other games.
inline constexpr int kNextRankBoxCount = 4;
std::array<std::optional<std::string>, kNextRankBoxCount> NextRankBoxes(const Position& position,
                                                                         const GameRules& rules);

// How many of the three-digit codes in the entries of the log equal the code.
// Only whole groups count: "100102" holds no "001".
int CountMoveLogCodes(const MoveLog& log, std::string_view code);

// The games with Rule::SpecialGame 23 count their moves to the tableau: each
// leaves the code "001" in the MoveLog, and every twenty of them open the
// foundations to tableau cards once more.
inline constexpr std::string_view kTableauMoveCode = "001";
inline constexpr int kTableauMovesPerRound = 20;

// The box of those games: n + "/20", where 20 - n is the smaller of the
// waste's size and the tableau moves left to the next multiple of twenty.
// None in other games.
std::optional<std::string> TableauMoveBox(const Position& position, const GameRules& rules, const MoveLog& log);

// The count gates the foundations in the move core:
// TableauMoveCountAllowsFoundation (play/special_families.h).

}  // namespace dravicor
