#include "stats/statistics_figures.h"

#include <gtest/gtest.h>

#include "common/settings_record.h"
#include "common/text_resources.h"

namespace dravicor {
namespace {

StatisticsTexts English() {
    SettingsRecord settings;
    settings.put(Field::LanguageBase, FormatField(kEnglishBase, 6));
    return StatisticsTexts::Load(settings);
}

StatRecord Streaks(long long best, long long worst, long long currentWin, long long currentLoss) {
    StatRecord record;
    record.bestWinStreak = best;
    record.worstLossStreak = worst;
    record.currentWinStreak = currentWin;
    record.currentLossStreak = currentLoss;
    return record;
}

TEST(StatisticsFigures, QuotientsRoundHalvesToTheEvenNeighbour) {
    EXPECT_EQ(RoundedQuotient(7, 2), 4);    // 3.5
    EXPECT_EQ(RoundedQuotient(5, 2), 2);    // 2.5
    EXPECT_EQ(RoundedQuotient(10, 4), 2);   // 2.5
    EXPECT_EQ(RoundedQuotient(11, 4), 3);   // 2.75
    EXPECT_EQ(RoundedQuotient(9, 4), 2);    // 2.25
    EXPECT_EQ(RoundedQuotient(-5, 2), -2);  // -2.5
    EXPECT_EQ(RoundedQuotient(-7, 2), -4);  // -3.5
    EXPECT_EQ(RoundedQuotient(-11, 4), -3); // -2.75
    EXPECT_EQ(RoundedQuotient(1, 2), 0);
    EXPECT_EQ(RoundedQuotient(0, 7), 0);
    EXPECT_EQ(RoundedQuotient(21, 7), 3);
}

TEST(StatisticsFigures, WinPercentAddsAHalfThenRoundsHalvesToEven) {
    // 33.33 + 0.5 rounds to 34; 66 is the rest.
    EXPECT_EQ(WinPercent(1, 2), (WinPercentages{34, 66}));
    // 50 + 0.5 lands on a half: the even 50.
    EXPECT_EQ(WinPercent(1, 1), (WinPercentages{50, 50}));
    // 75 + 0.5: the even 76.
    EXPECT_EQ(WinPercent(3, 1), (WinPercentages{76, 24}));
    // 100 + 0.5: the even 100; 0 + 0.5: the even 0.
    EXPECT_EQ(WinPercent(4, 0), (WinPercentages{100, 0}));
    EXPECT_EQ(WinPercent(0, 5), (WinPercentages{0, 100}));
    // 66.67 + 0.5 = 67.17.
    EXPECT_EQ(WinPercent(2, 1), (WinPercentages{67, 33}));
    // 0.4975 + 0.5 and 0.5025 + 0.5 both round to 1.
    EXPECT_EQ(WinPercent(1, 200), (WinPercentages{1, 99}));
    EXPECT_EQ(WinPercent(1, 199), (WinPercentages{1, 99}));
    // 12.5 + 0.5 is a whole 13.
    EXPECT_EQ(WinPercent(1, 7), (WinPercentages{13, 87}));
    EXPECT_EQ(WinPercent(999999, 999999), (WinPercentages{50, 50}));
}

TEST(StatisticsFigures, NoDealsAndDamagedCountsGiveNoShareOutsideTheRange) {
    EXPECT_EQ(WinPercent(0, 0), (WinPercentages{0, 0}));
    EXPECT_EQ(WinPercent(-3, 3), (WinPercentages{0, 0}));
    EXPECT_EQ(WinPercent(-2, -1), (WinPercentages{0, 0}));
    // A negative loss count makes the share above 100: held at 100.
    EXPECT_EQ(WinPercent(5, -1), (WinPercentages{100, 0}));
    EXPECT_EQ(WinPercent(-1, 5), (WinPercentages{0, 100}));
}

TEST(StatisticsFigures, GroupFiguresAndTheirTexts) {
    EXPECT_EQ(ResultFiguresOf(3, 6), (ResultFigures{3, 6, 9, {34, 66}}));
    EXPECT_EQ(ResultFiguresOf(0, 0), (ResultFigures{0, 0, 0, {0, 0}}));
    EXPECT_EQ(PercentText(34), "(34%)");
    EXPECT_EQ(PercentText(0), "(0%)");
    EXPECT_EQ(PercentText(100), "(100%)");
}

TEST(StatisticsFigures, TextsAndTitlesInEnglish) {
    const StatisticsTexts texts = English();
    EXPECT_EQ(texts.title, "Statistics");
    EXPECT_EQ(texts.totalGroup, "Total ");
    EXPECT_EQ(texts.sessionGroup, "Current session ");
    EXPECT_EQ(texts.seriesGroup, "Series ");
    EXPECT_EQ(texts.won, "Won");
    EXPECT_EQ(texts.lost, "Lost");
    EXPECT_EQ(texts.current, "Current");
    EXPECT_EQ(texts.wonOne + texts.wonMany + texts.lostOne + texts.lostMany, "wonwonlostlost");
    EXPECT_EQ(StatisticsTitle(texts, "FreeCell"), "Statistics [FreeCell]");
    EXPECT_EQ(TotalGroupTitle(texts, "FreeCell"), "Total [FreeCell]");
    EXPECT_EQ(StatisticsTitle(texts, ""), "Statistics []");

    // The Italian block has none of them: the texts are empty, not English.
    SettingsRecord italian;
    italian.put(Field::LanguageBase, FormatField(kItalianBase, 6));
    const StatisticsTexts none = StatisticsTexts::Load(italian);
    EXPECT_EQ(none.title + none.totalGroup + none.won + none.current + none.lostMany, "");
    EXPECT_EQ(CurrentStreakText(Streaks(0, 0, 2, 0), none), ": 2 ");
}

TEST(StatisticsFigures, CurrentStreakNamesTheRunningOne) {
    const StatisticsTexts texts = English();
    EXPECT_EQ(CurrentStreakText(Streaks(4, 2, 3, 0), texts), "Current: 3 won");
    EXPECT_EQ(CurrentStreakText(Streaks(4, 2, 0, 1), texts), "Current: 1 lost");
    EXPECT_EQ(CurrentStreakText(Streaks(0, 0, 0, 0), texts), "Current: ");
    // A win streak wins over a damaged loss streak beside it.
    EXPECT_EQ(CurrentStreakText(Streaks(4, 2, 2, 5), texts), "Current: 2 won");
    EXPECT_EQ(CurrentStreakText(Streaks(4, 2, -1, 0), texts), "Current: ");

    // One deal and several take their own texts.
    StatisticsTexts counted = texts;
    counted.wonOne = "win";
    counted.wonMany = "wins";
    counted.lostOne = "loss";
    counted.lostMany = "losses";
    EXPECT_EQ(CurrentStreakText(Streaks(0, 0, 1, 0), counted), "Current: 1 win");
    EXPECT_EQ(CurrentStreakText(Streaks(0, 0, 2, 0), counted), "Current: 2 wins");
    EXPECT_EQ(CurrentStreakText(Streaks(0, 0, 0, 1), counted), "Current: 1 loss");
    EXPECT_EQ(CurrentStreakText(Streaks(0, 0, 0, 12), counted), "Current: 12 losses");
}

TEST(StatisticsFigures, StreakAxisStepsAreWholeAndFew) {
    const struct {
        long long highest, other;
        ChartAxis axis;
    } cases[] = {{0, 0, {1, 2}},  {1, 0, {1, 2}},  {2, 3, {3, 4}},   {4, 1, {4, 5}},   {5, 1, {6, 4}},
                 {6, 1, {6, 4}},  {7, 0, {8, 5}},  {3, 12, {15, 4}}, {48, 0, {60, 4}}, {40, 0, {40, 5}},
                 {999999, 0, {1000000, 3}},        {-4, -9, {1, 2}}};
    for (const auto& c : cases) EXPECT_EQ(StreakAxis(c.highest, c.other), c.axis) << c.highest << " " << c.other;
    // Every axis reaches the highest bar, in at most four whole steps.
    for (long long highest = 0; highest <= 3000; ++highest) {
        const ChartAxis axis = StreakAxis(highest, highest / 2);
        ASSERT_GE(axis.top, highest);
        ASSERT_GE(axis.tickCount, 2);
        ASSERT_LE(axis.tickCount, 5);
        ASSERT_EQ(axis.top % (axis.tickCount - 1), 0) << highest;
    }
}

TEST(StatisticsFigures, SheetOfTheStoredRecordAndTheSession) {
    StatisticsView view;
    view.record = StatRecord{3, 6, 2, 4, 1, 0, -120};
    view.runWon = 1;
    view.runLost = 1;
    const StatisticsSheet sheet = StatisticsSheetOf(view, English());
    EXPECT_EQ(sheet.total, (ResultFigures{3, 6, 9, {34, 66}}));
    EXPECT_EQ(sheet.session, (ResultFigures{1, 1, 2, {50, 50}}));
    EXPECT_EQ(sheet.bestWinStreak, 2);
    EXPECT_EQ(sheet.worstLossStreak, 4);
    EXPECT_EQ(sheet.currentStreak, "Current: 1 won");
    EXPECT_EQ(sheet.resultsPie[0], (ChartValue{"Won", 3}));
    EXPECT_EQ(sheet.resultsPie[1], (ChartValue{"Lost", 6}));
    EXPECT_EQ(sheet.streakBars[0], (ChartValue{"Won", 2}));
    EXPECT_EQ(sheet.streakBars[1], (ChartValue{"Lost", 4}));
    EXPECT_EQ(sheet.streakAxis, (ChartAxis{4, 5}));
}

}  // namespace
}  // namespace dravicor
