#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "rules/catalogue.h"
#include "rules/custom_games.h"

namespace dravicor {

// What the statistics windows let the player choose between.

// A game whose statistics can be shown.
struct GameChoice {
    int code = 0;
    std::string name;
    friend bool operator==(const GameChoice&, const GameChoice&) = default;
};

// The listed games of the catalogue and the customized games, sorted by name
// without regard to letter case; games of equal names keep the list's order,
// games without a name are left out.
std::vector<GameChoice> GamesByName(const GameList& list, const std::vector<CustomGame>& customGames);

// The players to choose from: the player list (sorted), with `wanted` (its
// trailing blanks removed) added in its place when the list lacks it, so the
// player a window opens for can always be shown.
std::vector<std::string> PlayerChoices(std::vector<std::string> names, std::string_view wanted);

// What the log window filters by when the statistics window opens it: the
// chosen player and game, or "[All players]" and "[All games]" where
// nothing is chosen.
struct GameLogFilters {
    std::string player;
    std::string game;
    friend bool operator==(const GameLogFilters&, const GameLogFilters&) = default;
};
GameLogFilters GameLogFiltersOf(std::string_view player, std::string_view gameName);

}  // namespace dravicor
