#include "stats/statistics_views.h"

#include <gtest/gtest.h>

#include "common/settings_record.h"
#include "stats/game_log.h"
#include "support/fake_platform.h"
#include "support/temp_dir.h"

namespace dravicor {
namespace {

using test::FakePlatform;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

constexpr std::string_view kHead = "[Version]\r\nVersion=0300\r\n";

StatRecord Played(long long won, long long lost, long long totalScore = 0) {
    StatRecord record;
    record.won = won;
    record.lost = lost;
    record.totalScore = totalScore;
    return record;
}

TEST(AllGamesRows, EachKindOfValuesFillsTheThreeColumns) {
    StatisticsView view;
    view.record = StatRecord{1, 2, 4, 5, 0, 3, 0};
    view.runWon = 1;
    view.runLost = 1;
    EXPECT_EQ(AllGamesRowOf("FreeCell", view, AllGamesValues::Total), (AllGamesRow{"FreeCell", "1", "2", "34 %"}));
    // 50.5 goes to the even neighbour.
    EXPECT_EQ(AllGamesRowOf("FreeCell", view, AllGamesValues::Session), (AllGamesRow{"FreeCell", "1", "1", "50 %"}));
    EXPECT_EQ(AllGamesRowOf("FreeCell", view, AllGamesValues::Series), (AllGamesRow{"FreeCell", "4", "5", "3 lost"}));
    view.record.currentWinStreak = 2;
    view.record.currentLossStreak = 0;
    EXPECT_EQ(AllGamesRowOf("FreeCell", view, AllGamesValues::Series).third, "2 won");
    // A game never played.
    EXPECT_EQ(AllGamesRowOf("Klondike", StatisticsView{}, AllGamesValues::Total),
              (AllGamesRow{"Klondike", "0", "0", "0"}));
    EXPECT_EQ(AllGamesRowOf("Klondike", StatisticsView{}, AllGamesValues::Series).third, "0");
}

TEST(PlayersChart, TicksFallOnWholeNumbersOnAShortAxis) {
    EXPECT_EQ(PlayersChartTicks(0, 1), 2) << "0 and 1, not 0 0 0 0 1";
    EXPECT_EQ(PlayersChartTicks(0, 2), 3);
    EXPECT_EQ(PlayersChartTicks(0, 3), 4);
    EXPECT_EQ(PlayersChartTicks(-3, 5), 5);
    EXPECT_EQ(PlayersChartTicks(0, 6), 4) << "0 2 4 6";
    EXPECT_EQ(PlayersChartTicks(0, 7), 2);
    EXPECT_EQ(PlayersChartTicks(25, 100), 5);
}

TEST(PlayersChart, ShowsTheFiveHighestValuesHighestFirst) {
    const std::vector<std::pair<std::string, StatRecord>> players = {
        {"Ann", Played(1, 2)},   // 34
        {"Bob", Played(3, 1)},   // 75.5 to the even 76
        {"Cid", Played(0, 0)},   // never played: 0
        {"Dee", Played(1, 1)},   // 50
        {"Eve", Played(9, 1)},   // 90
        {"Fay", Played(1, 1)},   // 50, after Dee in the list
        {"Gus", Played(1, 3)},   // 26
    };
    const PlayersChart chart = PlayersChartOf(players, PlayerValueKind::PercentWon);
    EXPECT_EQ(chart.bars, (std::vector<PlayerBar>{{"Eve", 90}, {"Bob", 76}, {"Fay", 50}, {"Dee", 50}, {"Ann", 34}}));
    EXPECT_EQ(chart.axisLow, 0);  // 0 × 0.5
    EXPECT_EQ(chart.axisHigh, 90);
}

TEST(PlayersChart, AverageScoreRoundsHalvesToEvenAndMayGoBelowZero) {
    EXPECT_EQ(PlayerValue(Played(1, 1, 5), PlayerValueKind::AverageScore), 2);  // 2.5
    EXPECT_EQ(PlayerValue(Played(1, 1, 7), PlayerValueKind::AverageScore), 4);  // 3.5
    EXPECT_EQ(PlayerValue(Played(0, 0, 7), PlayerValueKind::AverageScore), 0);
    const PlayersChart chart = PlayersChartOf({{"Ann", Played(0, 2, -105)}, {"Bob", Played(2, 0, 60)}},
                                              PlayerValueKind::AverageScore);
    EXPECT_EQ(chart.bars, (std::vector<PlayerBar>{{"Bob", 30}, {"Ann", -52}}));  // -52.5 to even
    EXPECT_EQ(chart.axisLow, -78);                                                // -52 × 1.5
    // A positive lowest value: half of it, rounded to even (45 × 0.5 = 22.5).
    EXPECT_EQ(PlayersChartOf({{"Ann", Played(9, 11, 900)}}, PlayerValueKind::AverageScore).axisLow, 22);
    EXPECT_TRUE(PlayersChartOf({}, PlayerValueKind::PercentWon).bars.empty());
}

class ClearStatisticsTest : public ::testing::Test {
protected:
    ClearStatisticsTest() {
        settings.put(Field::CurrentGame, "0001");
        settings.put(Field::RunWon, "0002");
        settings.put(Field::RunLost, "0001");
        WriteFile(dir / "DATA" / "STAT.DAT",
                  std::string(kHead) +
                      "[0001]\r\nAnn=000002 000001 000002 000001 000000 000001 000000000090 000000000000\r\n"
                      "[0002]\r\nAnn=000001 000000 000001 000000 000001 000000 000000000030 000000000000\r\n");
    }
    std::string Runs() const { return settings.get(Field::RunWon) + "/" + settings.get(Field::RunLost); }

    TempDir dir;
    FakePlatform platform;
    DataFiles files{dir / "DATA", platform};
    SettingsRecord settings;
};

TEST_F(ClearStatisticsTest, AsksThenClearsAndSaysSo) {
    ASSERT_TRUE(ClearStatisticsAsked(files, settings, platform, {"Ann", 2, "Beta"}));
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(platform.questions[0].text, "Are you sure you want to clear statistics for player: Ann\rfor game: Beta?");
    EXPECT_EQ(platform.questions[0].buttons, MessageButtons::YesNo);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "Statistics cleared.");
    EXPECT_EQ(ReadStatistics(files, settings, 2, "Ann").record, StatRecord{});
    EXPECT_EQ(ReadStatistics(files, settings, 1, "Ann").record.won, 2);
    // Another game than the current one: the session goes on counting.
    EXPECT_EQ(Runs(), "0002/0001");
}

TEST_F(ClearStatisticsTest, NoLeavesEverythingAsItWas) {
    const std::string before = ReadFile(dir / "DATA" / "STAT.DAT");
    platform.answers.push_back(Answer::No);
    EXPECT_FALSE(ClearStatisticsAsked(files, settings, platform, {"Ann", -1, std::string(kAllGames)}));
    EXPECT_EQ(ReadFile(dir / "DATA" / "STAT.DAT"), before);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(Runs(), "0002/0001");
}

TEST_F(ClearStatisticsTest, AllGamesOrTheCurrentGameResetsTheSession) {
    ASSERT_TRUE(ClearStatisticsAsked(files, settings, platform, {"Ann", -1, std::string(kAllGames)}));
    EXPECT_EQ(ReadStatistics(files, settings, 1, "Ann").record, StatRecord{});
    EXPECT_EQ(ReadStatistics(files, settings, 2, "Ann").record, StatRecord{});
    EXPECT_EQ(Runs(), "0000/0000");
    EXPECT_EQ(platform.questions.at(0).text,
              "Are you sure you want to clear statistics for player: Ann\rfor game: [All games]?");

    settings.put(Field::RunWon, "0003");
    ASSERT_TRUE(ClearStatisticsAsked(files, settings, platform, {std::string(kAllPlayers), 1, "Alpha"}));
    EXPECT_EQ(Runs(), "0000/0000");
}

}  // namespace
}  // namespace dravicor
