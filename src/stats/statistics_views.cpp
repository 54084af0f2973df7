#include "stats/statistics_views.h"

#include <algorithm>

#include "common/product.h"
#include "common/settings_record.h"
#include "stats/game_log.h"
#include "stats/statistics_figures.h"

namespace dravicor {

namespace {

std::string ShareText(long long won, long long lost) {
    if (won + lost <= 0) return "0";
    return std::to_string(WinPercent(won, lost).won) + " %";
}

std::string RunningStreak(const StatRecord& record) {
    if (record.currentWinStreak > 0) return std::to_string(record.currentWinStreak) + " won";
    if (record.currentLossStreak > 0) return std::to_string(record.currentLossStreak) + " lost";
    return "0";
}

}  // namespace

AllGamesRow AllGamesRowOf(std::string_view gameName, const StatisticsView& view, AllGamesValues values) {
    const StatRecord& record = view.record;
    AllGamesRow row;
    row.game = std::string(gameName);
    switch (values) {
        case AllGamesValues::Total:
            row.won = std::to_string(record.won);
            row.lost = std::to_string(record.lost);
            row.third = ShareText(record.won, record.lost);
            break;
        case AllGamesValues::Session:
            row.won = std::to_string(view.runWon);
            row.lost = std::to_string(view.runLost);
            row.third = ShareText(view.runWon, view.runLost);
            break;
        case AllGamesValues::Series:
            row.won = std::to_string(record.bestWinStreak);
            row.lost = std::to_string(record.worstLossStreak);
            row.third = RunningStreak(record);
            break;
    }
    return row;
}

std::vector<AllGamesRow> AllGamesRows(const DataFiles& files, const SettingsRecord& settings,
                                      const std::vector<GameChoice>& games, std::string_view player,
                                      AllGamesValues values) {
    std::vector<AllGamesRow> rows;
    rows.reserve(games.size());
    for (const GameChoice& game : games) {
        rows.push_back(AllGamesRowOf(game.name, ReadStatistics(files, settings, game.code, player), values));
    }
    return rows;
}

long long PlayerValue(const StatRecord& record, PlayerValueKind kind) {
    const long long deals = record.won + record.lost;
    if (deals <= 0) return 0;
    if (kind == PlayerValueKind::PercentWon) return WinPercent(record.won, record.lost).won;
    return RoundedQuotient(record.totalScore, deals);
}

PlayersChart PlayersChartOf(const std::vector<std::pair<std::string, StatRecord>>& players, PlayerValueKind kind) {
    std::vector<PlayerBar> ranked;
    for (const auto& [name, record] : players) ranked.push_back({name, PlayerValue(record, kind)});
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const PlayerBar& a, const PlayerBar& b) { return a.value < b.value; });
    PlayersChart chart;
    for (auto bar = ranked.rbegin(); bar != ranked.rend() && chart.bars.size() < kPlayersChartBars; ++bar) {
        chart.bars.push_back(*bar);
    }
    if (ranked.empty()) return chart;
    // Some room below the lowest bar, so that even it shows; a negative
    // average score reaches further down.
    const long long lowest = ranked.front().value;
    chart.axisLow = lowest < 0 ? RoundedQuotient(lowest * 3, 2) : RoundedQuotient(lowest, 2);
    chart.axisHigh = std::max(ranked.back().value, chart.axisLow + 1);
    return chart;
}

int PlayersChartTicks(long long axisLow, long long axisHigh) {
    constexpr long long kMostSteps = 4;  // five ticks
    const long long span = axisHigh - axisLow;
    // On a long axis a step rounded to a whole number still reads right.
    if (span >= 4 * kMostSteps) return static_cast<int>(kMostSteps + 1);
    for (long long steps = kMostSteps; steps > 1; --steps) {
        if (span % steps == 0) return static_cast<int>(steps + 1);
    }
    return 2;
}

PlayersChart ReadPlayersChart(const DataFiles& files, const SettingsRecord& settings,
                              const std::vector<std::string>& players, int gameCode, PlayerValueKind kind) {
    std::vector<std::pair<std::string, StatRecord>> records;
    for (const std::string& player : players) {
        records.emplace_back(player, ReadStatistics(files, settings, gameCode, player).record);
    }
    return PlayersChartOf(records, kind);
}

std::string ClearStatisticsQuestion(std::string_view player, std::string_view gameName) {
    return "Are you sure you want to clear statistics for player: " + std::string(player) + "\rfor game: " +
           std::string(gameName) + "?";
}

bool ClearStatisticsAsked(DataFiles& files, SettingsRecord& settings, Messages& messages,
                          const ClearStatisticsChoice& choice) {
    const Answer answer = messages.ask(ClearStatisticsQuestion(choice.player, choice.gameName), kProductName,
                                       MessageButtons::YesNo, MessageIcon::Question);
    if (answer != Answer::Yes) return false;
    const bool allPlayers = choice.player == kAllPlayers;
    const bool allGames = choice.gameName == kAllGames;
    if (!ClearStatistics(files, choice.gameCode, choice.player, allPlayers, allGames)) return false;
    // The session's counters belong to the current game; they may hold
    // cleared deals whenever that game or everyone's records went.
    if (allGames || allPlayers || choice.gameCode == settings.getNumber(Field::CurrentGame)) {
        ResetRunCounters(settings);
    }
    messages.showMessage("Statistics cleared.", kProductName, MessageIcon::Information);
    return true;
}

}  // namespace dravicor
