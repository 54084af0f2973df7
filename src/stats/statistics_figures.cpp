#include "stats/statistics_figures.h"

#include <algorithm>

#include "common/text_resources.h"

namespace dravicor {

namespace {

// Ticks of the streak chart: at most this many steps above 0, so the labels
// never crowd a small chart.
constexpr long long kMostAxisSteps = 4;
// Far beyond the six digits a record keeps for a streak; keeps the steps'
// arithmetic clear of overflow whatever the caller passes.
constexpr long long kHighestAxisTop = 1'000'000'000'000;

}  // namespace

long long RoundedQuotient(long long numerator, long long denominator) {
    long long quotient = numerator / denominator;
    long long remainder = numerator % denominator;
    if (remainder < 0) {  // division truncates towards zero; the floor is wanted
        --quotient;
        remainder += denominator;
    }
    const long long twice = 2 * remainder;
    if (twice > denominator || (twice == denominator && quotient % 2 != 0)) ++quotient;
    return quotient;
}

WinPercentages WinPercent(long long won, long long lost) {
    const long long total = won + lost;
    if (total <= 0) return {};
    // won × 100 / total + 0.5 is (200 × won + total) / (2 × total): exact,
    // so a share that lands on a half is rounded as a half.
    const long long share = std::clamp(RoundedQuotient(200 * won + total, 2 * total), 0LL, 100LL);
    return {static_cast<int>(share), static_cast<int>(100 - share)};
}

std::string PercentText(int percent) { return "(" + std::to_string(percent) + "%)"; }

ResultFigures ResultFiguresOf(long long won, long long lost) { return {won, lost, won + lost, WinPercent(won, lost)}; }

StatisticsTexts StatisticsTexts::Load(const SettingsRecord& settings) {
    auto text = [&](int offset) { return LoadText(settings, offset); };
    StatisticsTexts texts;
    texts.title = text(TextId::StatsTitle);
    texts.totalGroup = text(TextId::StatsTotalGroup);
    texts.sessionGroup = text(TextId::StatsSessionGroup);
    texts.seriesGroup = text(TextId::StatsSeriesGroup);
    texts.won = text(TextId::StatsWon);
    texts.lost = text(TextId::StatsLost);
    texts.current = text(TextId::StatsCurrent);
    texts.wonOne = text(TextId::StatsStreakWonOne);
    texts.lostOne = text(TextId::StatsStreakLostOne);
    texts.wonMany = text(TextId::StatsStreakWonMany);
    texts.lostMany = text(TextId::StatsStreakLostMany);
    return texts;
}

std::string StatisticsTitle(const StatisticsTexts& texts, std::string_view gameName) {
    return texts.title + " [" + std::string(gameName) + "]";
}

std::string TotalGroupTitle(const StatisticsTexts& texts, std::string_view gameName) {
    return texts.totalGroup + "[" + std::string(gameName) + "]";
}

std::string CurrentStreakText(const StatRecord& record, const StatisticsTexts& texts) {
    std::string text = texts.current + ": ";
    if (record.currentWinStreak > 0) {
        text += std::to_string(record.currentWinStreak) + " " +
                (record.currentWinStreak == 1 ? texts.wonOne : texts.wonMany);
    } else if (record.currentLossStreak > 0) {
        text += std::to_string(record.currentLossStreak) + " " +
                (record.currentLossStreak == 1 ? texts.lostOne : texts.lostMany);
    }
    return text;
}

ChartAxis StreakAxis(long long bestWinStreak, long long worstLossStreak) {
    const long long highest = std::min(std::max({bestWinStreak, worstLossStreak, 1LL}), kHighestAxisTop);
    // The smallest step of 1, 2 or 5 times a power of ten that reaches the
    // highest bar within the allowed number of steps.
    long long step = 1;
    for (long long power = 1;; power *= 10) {
        const long long candidates[] = {power, 2 * power, 5 * power};
        const auto fits = std::find_if(std::begin(candidates), std::end(candidates),
                                       [&](long long s) { return (highest + s - 1) / s <= kMostAxisSteps; });
        if (fits != std::end(candidates)) {
            step = *fits;
            break;
        }
    }
    const long long steps = (highest + step - 1) / step;
    return {steps * step, static_cast<int>(steps + 1)};
}

std::array<ChartValue, 2> ResultsPie(const ResultFigures& figures, const StatisticsTexts& texts) {
    return {ChartValue{texts.won, figures.won}, ChartValue{texts.lost, figures.lost}};
}

StatisticsSheet StatisticsSheetOf(const StatisticsView& view, const StatisticsTexts& texts) {
    const StatRecord& record = view.record;
    StatisticsSheet sheet;
    sheet.total = ResultFiguresOf(record.won, record.lost);
    sheet.session = ResultFiguresOf(view.runWon, view.runLost);
    sheet.bestWinStreak = record.bestWinStreak;
    sheet.worstLossStreak = record.worstLossStreak;
    sheet.currentStreak = CurrentStreakText(record, texts);
    sheet.resultsPie = ResultsPie(sheet.total, texts);
    sheet.streakBars = {ChartValue{texts.won, record.bestWinStreak}, ChartValue{texts.lost, record.worstLossStreak}};
    sheet.streakAxis = StreakAxis(record.bestWinStreak, record.worstLossStreak);
    sheet.hintsUsed = record.hintsUsed;
    return sheet;
}

}  // namespace dravicor
