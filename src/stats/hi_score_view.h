#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "stats/hi_scores.h"

namespace dravicor {

class SettingsRecord;

// What the hi-score window shows, worked out from the table and the
// settings record so that the window only places it.

// Why the window is open: the player asked for it, or a deal just took a place.
enum class HiScoreMode { NewEntry = 0, Browse = 1 };

// The cells of a place: its number in two digits, then the player, score,
// time, "Won " or "Lost", date ("yyyymmdd") and game number; an empty place
// has only its number.
using HiScoreCells = std::array<std::string, 7>;
HiScoreCells HiScoreCellsOf(int placeIndex, const HiScoreRow& row);

// "Hi-Scores [FreeCell]".
std::string HiScoreTitle(std::string_view gameName);
// The sound the window opens with in this mode; empty when its preference
// is off.
std::string HiScoreSound(const SettingsRecord& settings, HiScoreMode mode);
// After a deal of the game: the title of the table to show when the deal
// took place `placeIndex` (0-19, or -1 for none); nothing when there is
// nothing to show or the player does not want to see it.
std::optional<std::string> NewHiScoreTitle(const SettingsRecord& settings, int placeIndex, std::string_view gameName);

}  // namespace dravicor
