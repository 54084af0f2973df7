#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/platform.h"
#include "stats/statistics.h"
#include "stats/statistics_choices.h"

namespace dravicor {

class SettingsRecord;

// The figures of the "All games statistics", "Players statistics" and
// "Clear statistics" windows, so that the windows only place them.

// "All games statistics": which figures the rows show.
enum class AllGamesValues { Total, Session, Series };
struct AllGamesRow {
    std::string game;
    std::string won;
    std::string lost;
    std::string third;  // "34 %" ("0" for a game never played), or the running streak
    friend bool operator==(const AllGamesRow&, const AllGamesRow&) = default;
};
AllGamesRow AllGamesRowOf(std::string_view gameName, const StatisticsView& view, AllGamesValues values);
// One row per game, in the order given.
std::vector<AllGamesRow> AllGamesRows(const DataFiles& files, const SettingsRecord& settings,
                                      const std::vector<GameChoice>& games, std::string_view player,
                                      AllGamesValues values);

// "Players statistics": the five best players of one game.
enum class PlayerValueKind { PercentWon, AverageScore };
// The share won, or the total score per deal rounded with halves to even;
// 0 for a game never played.
long long PlayerValue(const StatRecord& record, PlayerValueKind kind);
struct PlayerBar {
    std::string player;
    long long value = 0;
    friend bool operator==(const PlayerBar&, const PlayerBar&) = default;
};
struct PlayersChart {
    std::vector<PlayerBar> bars;  // at most five, the highest value first
    long long axisLow = 0;        // from the smallest value of all players
    long long axisHigh = 1;
};
inline constexpr size_t kPlayersChartBars = 5;
// How many labelled ticks the value axis from low to high takes: five, or
// fewer on a short axis so that every tick falls on a whole number (the
// labels show whole numbers, and 0 to 1 in five ticks would read 0 0 0 0 1).
int PlayersChartTicks(long long axisLow, long long axisHigh);
// `players` in list order; of equal values the player later in the list
// ranks higher, as a stable ascending sort leaves them.
PlayersChart PlayersChartOf(const std::vector<std::pair<std::string, StatRecord>>& players, PlayerValueKind kind);
PlayersChart ReadPlayersChart(const DataFiles& files, const SettingsRecord& settings,
                              const std::vector<std::string>& players, int gameCode, PlayerValueKind kind);

// "Clear statistics": what was chosen in its two boxes.
struct ClearStatisticsChoice {
    std::string player;  // kAllPlayers for every player
    int gameCode = -1;
    std::string gameName;  // kAllGames for every game
};
std::string ClearStatisticsQuestion(std::string_view player, std::string_view gameName);
// Asks, clears, resets the session's counters where they may count a
// cleared deal, and says so; true when the statistics were cleared.
bool ClearStatisticsAsked(DataFiles& files, SettingsRecord& settings, Messages& messages,
                          const ClearStatisticsChoice& choice);

}  // namespace dravicor
