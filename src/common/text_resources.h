#pragma once

#include <string>

namespace dravicor {

class SettingsRecord;

// Language bases of the string table: a text's number is base + offset.
inline constexpr int kEnglishBase = 20000;
inline constexpr int kItalianBase = 10000;

// Offsets of the texts the program fetches from the string table.
namespace TextId {
inline constexpr int Yes = 1;
inline constexpr int No = 2;
inline constexpr int Cancel = 3;
inline constexpr int Help = 4;
inline constexpr int Apply = 5;
inline constexpr int Edit = 6;
inline constexpr int Delete = 7;
inline constexpr int Add = 8;
inline constexpr int Confirm = 10;
inline constexpr int Sample = 11;
inline constexpr int ReplaceExistingFile = 31;
inline constexpr int SaveGameTitle = 1601;
inline constexpr int OpenGameTitle = 1602;
inline constexpr int AddPlayerTitle = 1803;
inline constexpr int EditPlayerTitle = 1804;
inline constexpr int StatsTitle = 1901;
inline constexpr int StatsTotalGroup = 1902;
inline constexpr int StatsSessionGroup = 1903;
inline constexpr int StatsSeriesGroup = 1904;
inline constexpr int StatsWon = 1905;
inline constexpr int StatsLost = 1906;
inline constexpr int StatsTotal = 1907;
inline constexpr int StatsPercent = 1908;
inline constexpr int StatsCurrent = 1909;
inline constexpr int StatsPlayer = 1910;
inline constexpr int StatsGameLabel = 1911;
// A current streak of one deal and of more are separate texts, for the
// languages that tell them apart.
inline constexpr int StatsStreakWonOne = 1912;
inline constexpr int StatsStreakLostOne = 1913;
inline constexpr int StatsStreakWonMany = 1914;
inline constexpr int StatsStreakLostMany = 1915;
inline constexpr int StatsGame = 1919;
inline constexpr int StatsAll = 1920;
inline constexpr int LogDate = 2001;
inline constexpr int LogStart = 2002;
inline constexpr int LogTime = 2003;
inline constexpr int LogGame = 2004;
inline constexpr int LogResult = 2005;
inline constexpr int LogScore = 2007;
inline constexpr int LogPlayer = 2008;
inline constexpr int LogWon = 2009;
inline constexpr int LogLost = 2010;
inline constexpr int QuitThisGame = 9001;
}  // namespace TextId

// The string-table entry with this number, or the empty string.
std::string TextByNumber(int number);

// The text at the offset in the language block named by the settings
// record's language base; the empty string when the block lacks it.
std::string LoadText(const SettingsRecord& settings, int offset);

}  // namespace dravicor
