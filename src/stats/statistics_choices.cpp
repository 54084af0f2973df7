#include "stats/statistics_choices.h"

#include <algorithm>

#include "common/text.h"
#include "stats/game_log.h"

namespace dravicor {

std::vector<GameChoice> GamesByName(const GameList& list, const std::vector<CustomGame>& customGames) {
    std::vector<GameChoice> games;
    const NoCustomGames listedOnly;
    for (const int code : ListedGameCodes(list)) {
        std::string name = GameNameOf(list, code, listedOnly);
        if (!name.empty()) games.push_back({code, std::move(name)});
    }
    for (const CustomGame& game : customGames) {
        if (!game.name.empty()) games.push_back({game.code, game.name});
    }
    std::stable_sort(games.begin(), games.end(),
                     [](const GameChoice& a, const GameChoice& b) { return ToLower(a.name) < ToLower(b.name); });
    return games;
}

std::vector<std::string> PlayerChoices(std::vector<std::string> names, std::string_view wanted) {
    const std::string player(TrimRight(wanted));
    if (player.empty() || std::find(names.begin(), names.end(), player) != names.end()) return names;
    names.insert(std::upper_bound(names.begin(), names.end(), player), player);
    return names;
}

GameLogFilters GameLogFiltersOf(std::string_view player, std::string_view gameName) {
    return {player.empty() ? std::string(kAllPlayers) : std::string(player),
            gameName.empty() ? std::string(kAllGames) : std::string(gameName)};
}

}  // namespace dravicor
