#pragma once

#include <array>
#include <random>
#include <string>
#include <string_view>

#include "stats/data_file.h"
#include "stats/game_log.h"

namespace dravicor {

inline constexpr std::string_view kHiScoreFile = "STAT_SCR.DAT";
inline constexpr int kHiScorePlaces = 20;
// An entry: score, time, date, time of day, player, game number, "Won " or
// "Lost" in 83 columns, then the end mark " x" that keeps its trailing
// blanks when values are read back without them.
inline constexpr size_t kHiScoreEntryWidth = 83;
inline constexpr std::string_view kHiScoreEndMark = " x";

// The 20 entries of one table (85 characters each, or empty).
using HiScoreTable = std::array<std::string, kHiScorePlaces>;

// "h:mm:ss".
std::string FormatSeconds(long long seconds);

// Offers a finished deal to the game's table; returns the place index 0-19
// it took, or -1. `referenceValue` is the catalogue value seeding an empty
// table (the game's card count for built-in games; 0 or less seeds nothing).
// Then updates the overall score with the same deal (a separate
// transaction; `messages` tells of a spoiled overall-score file, `random`
// draws its filler digits, a generator seeded from the clock when null).
// Showing the table when a place was taken is the caller's part: the title
// is HiScoreCompliment of the game's name.
struct HiScoreDeal {
    int gameCode = 0;
    std::string player;
    std::string scoringSystem = "01";
    DealEnd end;
    long long score = 0;
    std::string gameNumber;
    bool won = false;
};
int UpdateHiScores(DataFiles& files, Messages& messages, const HiScoreDeal& deal, int referenceValue,
                   int catalogueSize, std::mt19937* random = nullptr);
// The table of a game and scoring system; an empty one is seeded first (and
// the seeded table written) with `now` as the date and time of its entries.
HiScoreTable ReadHiScoreTable(DataFiles& files, int gameCode, std::string_view scoringSystem, int referenceValue,
                              const DealEnd& now);
// Fills an empty table with twenty invented entries unless the hi-scores were
// cleared; returns whether it did.
bool SeedHiScoreTable(HiScoreTable& table, int referenceValue, const DealEnd& now, bool cleared);
// Asks, then clears every table and deletes the overall scores; true when
// they were cleared.
bool ClearHiScores(DataFiles& files, Messages& messages);
// The one-time upgrade of an older hi-score file; true when it rewrote it.
bool UpgradeHiScoreFile(DataFiles& files);

// One entry as the hi-score window shows it. An empty place (missing, blank,
// or with an unreadable score) has `empty` set and nothing else.
struct HiScoreRow {
    bool empty = true;
    long long score = 0;
    std::string time;  // FormatSeconds of the playing time; empty when the field is blank
    std::string date;  // "yyyymmdd"
    std::string timeOfDay;
    std::string player;  // trailing blanks removed
    std::string gameNumber;
    bool won = false;
};
HiScoreRow ParseHiScoreEntry(std::string_view entry);
// The title of the table shown after a deal took a place.
std::string HiScoreCompliment(std::string_view gameName);

}  // namespace dravicor
