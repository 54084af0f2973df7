#pragma once

#include <string>
#include <vector>

#include "game_source.h"

namespace dravicor::catalogue {

// The bytes of GAMES.DAT for a checked set of games (codes 0 to n - 1):
// the game list, the rule matrix with parameters 1 to 333 (and a line for
// parameter 0 when a game sets it), the selected games. Data lines are
// scrambled, lines end in CR LF.
std::string WriteCatalogue(std::vector<GameSource> games);

}  // namespace dravicor::catalogue
