#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace dravicor {

// One row of the "Log statistics" grid, cut from a log line. A line that
// ends early gives empty or partial cells; nothing is repaired.
struct GameLogRow {
    std::string date;      // "yyyymmdd", for the window to write in the short date format
    std::string start;     // hours and minutes of the end of the deal
    std::string time;      // the playing time as FormatSeconds; empty when unreadable
    std::string game;
    std::string result;    // "Won" or "Lost"
    std::string score;
    std::string player;
    std::string gameNumber;
    std::string hints;     // "0" for a whole line of the older layout; empty when unreadable
    friend bool operator==(const GameLogRow&, const GameLogRow&) = default;
};
GameLogRow GameLogRowOf(std::string_view line);

// The rows shown for a filter: newest first, and at least one (empty) row
// so the grid never collapses to its header.
std::vector<GameLogRow> GameLogRows(const std::vector<std::string>& lines, std::string_view player,
                                    std::string_view gameName);

}  // namespace dravicor
