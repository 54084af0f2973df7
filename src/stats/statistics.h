#pragma once

#include <array>
#include <string>
#include <string_view>

#include "stats/data_file.h"

namespace dravicor {

class SettingsRecord;

inline constexpr std::string_view kStatisticsFile = "STAT.DAT";

// The stored fields of one game and player.
struct StatRecord {
    long long won = 0;
    long long lost = 0;
    long long bestWinStreak = 0;
    long long worstLossStreak = 0;
    long long currentWinStreak = 0;
    long long currentLossStreak = 0;
    long long totalScore = 0;
    // Hints taken in all the counted deals. It lives in the eighth field,
    // which older files left as zeros, so their records read as none taken.
    long long hintsUsed = 0;

    // The 67-character text: eight zero-padded numbers separated by blanks.
    std::string ToText() const;
    // Reads a record; an unreadable field and every field after it read as 0,
    // except the hints, which read as 0 alone when unreadable.
    static StatRecord FromText(std::string_view text);
    friend bool operator==(const StatRecord&, const StatRecord&) = default;
};

struct StatisticsView {
    StatRecord record;
    int runWon = 0;  // only for the current game and player, else 0
    int runLost = 0;
};

// The statistics section of a game: its code in four digits ("0001").
std::string GameSection(int gameCode);
// The key of a player's record: the name without trailing blanks, an "="
// written as ":" and a "[" at its start as "(", since either would make the
// line read as another player's or as a section header.
std::string StatisticsKey(std::string_view player);

// Counts a finished deal for the settings record's current game and player
// (with its current score and the hints taken in it) and its run counters.
// False when the file could not be changed (its message shown; the run
// counters unchanged).
bool UpdateStatistics(DataFiles& files, SettingsRecord& settings, bool won, int hintsUsed = 0);
StatisticsView ReadStatistics(const DataFiles& files, const SettingsRecord& settings, int gameCode,
                              std::string_view player);
// Zeroes the records of one game or all games, for one player or all
// players, and drops the matching lines of the game log.
bool ClearStatistics(DataFiles& files, int gameCode, std::string_view player, bool allPlayers, bool allGames);
void ResetRunCounters(SettingsRecord& settings);
// Renames a player in the statistics, the game log and the hi-scores.
bool RenamePlayerInDataFiles(DataFiles& files, std::string_view oldName, std::string_view newName);

}  // namespace dravicor
