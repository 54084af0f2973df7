#pragma once

#include <array>
#include <string>
#include <string_view>

#include "stats/statistics.h"

namespace dravicor {

class SettingsRecord;

// The figures the statistics windows show, worked out from the stored
// record so that the windows only place texts and chart values.

// A quotient rounded to the nearest integer, halves to the even neighbour.
// The denominator must be positive.
long long RoundedQuotient(long long numerator, long long denominator);

// The share of deals won and lost in whole percent: won × 100 / total + 0.5
// rounded with halves to even, lost the rest to 100; both 0 when no deal
// was counted. Damaged (negative) counts never give a share outside 0-100.
// The counts are those of a record (six digits each).
struct WinPercentages {
    int won = 0;
    int lost = 0;
    friend bool operator==(const WinPercentages&, const WinPercentages&) = default;
};
WinPercentages WinPercent(long long won, long long lost);

// "(34%)": how a share stands beside its count.
std::string PercentText(int percent);

// The four figures of a group of results: the totals of the record or the
// deals of the current session.
struct ResultFigures {
    long long won = 0;
    long long lost = 0;
    long long total = 0;
    WinPercentages percent;
    friend bool operator==(const ResultFigures&, const ResultFigures&) = default;
};
ResultFigures ResultFiguresOf(long long won, long long lost);

// The texts of the statistics windows in the language of the settings
// record (empty where the language has none).
struct StatisticsTexts {
    std::string title;         // "Statistics"
    std::string totalGroup;    // "Total "
    std::string sessionGroup;  // "Current session "
    std::string seriesGroup;   // "Series "
    std::string won;           // "Won", the charts' label
    std::string lost;          // "Lost"
    std::string current;       // "Current"
    std::string wonOne;        // a current streak of one win
    std::string lostOne;
    std::string wonMany;       // a current streak of two or more wins
    std::string lostMany;

    static StatisticsTexts Load(const SettingsRecord& settings);
};

// "Statistics [FreeCell]".
std::string StatisticsTitle(const StatisticsTexts& texts, std::string_view gameName);
// "Total [FreeCell]": the totals group of the window shown after a won deal.
std::string TotalGroupTitle(const StatisticsTexts& texts, std::string_view gameName);
// "Current: 3 won": the running streak, the win streak when there is one,
// else the loss streak; "Current: " alone when there is neither.
std::string CurrentStreakText(const StatRecord& record, const StatisticsTexts& texts);

// One slice of the pie or one bar of the streak chart.
struct ChartValue {
    std::string label;
    long long value = 0;
    friend bool operator==(const ChartValue&, const ChartValue&) = default;
};

// The value axis of the streak chart: from 0 to `top` in whole steps, so
// every tick is a whole number of deals.
struct ChartAxis {
    long long top = 1;
    int tickCount = 2;  // ticks including both ends
    friend bool operator==(const ChartAxis&, const ChartAxis&) = default;
};
ChartAxis StreakAxis(long long bestWinStreak, long long worstLossStreak);

// Everything the "Statistics" window shows for one game and player.
struct StatisticsSheet {
    ResultFigures total;
    ResultFigures session;
    long long bestWinStreak = 0;
    long long worstLossStreak = 0;
    std::string currentStreak;
    std::array<ChartValue, 2> resultsPie;  // won and lost of the totals
    std::array<ChartValue, 2> streakBars;  // the longest win and loss streaks
    ChartAxis streakAxis;
    long long hintsUsed = 0;  // in all the counted deals
};
StatisticsSheet StatisticsSheetOf(const StatisticsView& view, const StatisticsTexts& texts);

// The won and lost slices of a group of results.
std::array<ChartValue, 2> ResultsPie(const ResultFigures& figures, const StatisticsTexts& texts);

}  // namespace dravicor
