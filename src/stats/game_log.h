#pragma once

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

#include "stats/data_file.h"

namespace dravicor {

class SettingsRecord;

inline constexpr std::string_view kGameLogFile = "STAT_LOG.DAT";
// A line: the 147 columns of the older layout, then a blank and the hints
// taken in the deal in four digits. A line of the older layout reads as a
// deal played without hints.
inline constexpr size_t kGameLogLineLength = 152;
inline constexpr size_t kGameLogOlderLineLength = 147;

// The moment a deal ended, as the records write it.
struct DealEnd {
    std::string date;       // "yyyymmdd"
    std::string timeOfDay;  // "hh:mm:ss"
    int seconds = 0;        // playing time
};
// The local date and time of day of a moment.
DealEnd DealEndAt(std::chrono::system_clock::time_point when, int seconds);

// The line of a finished deal, from the settings record's current game,
// player, score and game number, and the hints taken in it.
std::string GameLogLine(const SettingsRecord& settings, bool won, const DealEnd& end, int hintsUsed = 0);
bool AppendGameLog(DataFiles& files, const SettingsRecord& settings, bool won, const DealEnd& end,
                   int hintsUsed = 0);

// The lines kept by the log view's filters ("[All players]", "[All
// games]" mean no filter), newest first.
inline constexpr std::string_view kAllPlayers = "[All players]";
inline constexpr std::string_view kAllGames = "[All games]";
std::vector<std::string> FilterGameLog(const std::vector<std::string>& lines, std::string_view player,
                                       std::string_view gameName);
// The lines of the log in file order, oldest first (none when it is missing).
// A last line without its line end is the torn tail of an append that was
// cut short: it is no deal, and the next append cuts it off.
std::vector<std::string> ReadGameLog(const DataFiles& files);
// The log's bytes up to and including its last line end.
std::string_view CompleteLogLines(std::string_view content);

// The characters of a log line from a 1-based column for a width; shorter,
// or empty, where the line ends early.
std::string_view GameLogColumn(std::string_view line, size_t column, size_t width);
// Where the fields that other records refer to sit in a log line.
inline constexpr size_t kGameLogGameColumn = 26;  // four digits
inline constexpr size_t kGameLogGameNameColumn = 31;
inline constexpr size_t kGameLogGameNameWidth = 50;
inline constexpr size_t kGameLogPlayerColumn = 82;
inline constexpr size_t kGameLogPlayerWidth = 30;
inline constexpr size_t kGameLogHintsColumn = 149;  // four digits
// The most hints the column counts: a deal with more logs this many.
inline constexpr int kGameLogMostHints = 9999;

}  // namespace dravicor
