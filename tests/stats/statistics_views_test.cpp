#include "stats/statistics_views.h"

#include <gtest/gtest.h>

#include "common/settings_record.h"
#include "common/text_resources.h"
#include "data_files_fixture.h"
#include "stats/game_log.h"
#include "stats/game_log_rows.h"
#include "stats/hi_score_view.h"
#include "stats/statistics_choices.h"
#include "stats/statistics_figures.h"

namespace dravicor {
namespace {

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

// 0 to 1 has two ticks, not 0 0 0 0 1; 0 to 6 has 0 2 4 6.
TEST(PlayersChart, TicksFallOnWholeNumbersOnAShortAxis) {
    const int cases[][3] = {{0, 1, 2}, {0, 2, 3}, {0, 3, 4}, {-3, 5, 5}, {0, 6, 4}, {0, 7, 2}, {25, 100, 5}};
    for (const auto& [low, high, ticks] : cases) EXPECT_EQ(PlayersChartTicks(low, high), ticks) << low << " " << high;
}

TEST(PlayersChart, ShowsTheFiveHighestValuesHighestFirstAndAveragesBelowZero) {
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
    // The average score rounds halves to even and may go below zero.
    EXPECT_EQ(PlayerValue(Played(1, 1, 5), PlayerValueKind::AverageScore), 2);  // 2.5
    EXPECT_EQ(PlayerValue(Played(1, 1, 7), PlayerValueKind::AverageScore), 4);  // 3.5
    EXPECT_EQ(PlayerValue(Played(0, 0, 7), PlayerValueKind::AverageScore), 0);
    const PlayersChart averages =
        PlayersChartOf({{"Ann", Played(0, 2, -105)}, {"Bob", Played(2, 0, 60)}}, PlayerValueKind::AverageScore);
    EXPECT_EQ(averages.bars, (std::vector<PlayerBar>{{"Bob", 30}, {"Ann", -52}}));  // -52.5 to even
    EXPECT_EQ(averages.axisLow, -78);                                               // -52 × 1.5
    // A positive lowest value: half of it, rounded to even (45 × 0.5 = 22.5).
    EXPECT_EQ(PlayersChartOf({{"Ann", Played(9, 11, 900)}}, PlayerValueKind::AverageScore).axisLow, 22);
    EXPECT_TRUE(PlayersChartOf({}, PlayerValueKind::PercentWon).bars.empty());
}

class ClearStatisticsTest : public DataFilesFixture {
protected:
    ClearStatisticsTest() {
        settings.put(Field::CurrentGame, "0001");
        settings.put(Field::RunWon, "0002");
        settings.put(Field::RunLost, "0001");
        WriteFile(data / "STAT.DAT",
                  std::string(kHead) +
                      "[0001]\r\nAnn=000002 000001 000002 000001 000000 000001 000000000090 000000000000\r\n"
                      "[0002]\r\nAnn=000001 000000 000001 000000 000001 000000 000000000030 000000000000\r\n");
    }
    std::string Runs() const { return settings.get(Field::RunWon) + "/" + settings.get(Field::RunLost); }

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
    const std::string before = ReadFile(data / "STAT.DAT");
    platform.answers.push_back(Answer::No);
    EXPECT_FALSE(ClearStatisticsAsked(files, settings, platform, {"Ann", -1, std::string(kAllGames)}));
    EXPECT_EQ(ReadFile(data / "STAT.DAT"), before);
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

TEST(HiScoreView, CellsOfAFullAndAnEmptyPlace) {
    std::string entry = "-00052 003725 20240131 23:59:58 ";
    entry += "Ann" + std::string(27, ' ') + " " + "4711" + std::string(11, ' ') + " Lost x";
    const HiScoreRow row = ParseHiScoreEntry(entry);
    ASSERT_FALSE(row.empty);
    EXPECT_EQ(HiScoreCellsOf(4, row), (HiScoreCells{"05", "Ann", "-52", "1:02:05", "Lost", "20240131", "4711"}));
    EXPECT_EQ(HiScoreCellsOf(19, ParseHiScoreEntry("")), (HiScoreCells{"20", "", "", "", "", "", ""}));
}

TEST(HiScoreView, TitleSoundAndTheTableAfterADeal) {
    SettingsRecord settings;
    settings.put(Field::CurrentGameName, "FreeCell");
    EXPECT_EQ(HiScoreTitle("FreeCell  "), "Hi-Scores [FreeCell]");

    settings.put(Field::SoundsHiScores, "Y");
    settings.put(Field::SoundsNewHiScores, "N");
    EXPECT_EQ(HiScoreSound(settings, HiScoreMode::Browse), "Hi-Scor.wav");
    EXPECT_EQ(HiScoreSound(settings, HiScoreMode::NewEntry), "");
    settings.put(Field::SoundsNewHiScores, "Y");
    EXPECT_EQ(HiScoreSound(settings, HiScoreMode::NewEntry), "Scores.wav");

    settings.put(Field::ConfirmEnterHiScores, "Y");
    EXPECT_EQ(NewHiScoreTitle(settings, 4, "FreeCell"), "Compliments! You entered the FreeCell Hi-Scores!");
    EXPECT_EQ(NewHiScoreTitle(settings, -1, "FreeCell"), std::nullopt);
    settings.put(Field::ConfirmEnterHiScores, "N");
    EXPECT_EQ(NewHiScoreTitle(settings, 0, "FreeCell"), std::nullopt);
}

std::string Cut(std::string text, size_t width) {
    text.resize(width, ' ');
    return text;
}
std::string LogLine(const std::string& time, const std::string& seconds, const std::string& name,
                    const std::string& player, bool won, const std::string& score,
                    const std::string& hints = " 0003") {
    return "20240131 " + time + " " + seconds + " 0001 " + Cut(name, 50) + " " + Cut(player, 30) + " " +
           (won ? "Won  " : "Lost ") + "01 " + Cut(score, 6) + " " + Cut("4711", 15) + " 0350" + hints;
}

TEST(GameLogRows, CutsEveryCellFromItsColumnsAsFarAsTheLineGoes) {
    const std::string line = LogLine("23:59:58", "003725", "FreeCell", "Ann", false, "-52");
    ASSERT_EQ(line.size(), kGameLogLineLength);
    EXPECT_EQ(GameLogRowOf(line),
              (GameLogRow{"20240131", "23:59", "1:02:05", "FreeCell", "Lost", "-52", "Ann", "4711", "3"}));
    // A line of the older layout is a deal without hints; a damaged count is left out.
    const std::string older = LogLine("23:59:58", "003725", "FreeCell", "Ann", false, "-52", "");
    ASSERT_EQ(older.size(), kGameLogOlderLineLength);
    EXPECT_EQ(GameLogRowOf(older).hints, "0");
    EXPECT_EQ(GameLogRowOf(LogLine("23:59:58", "003725", "FreeCell", "Ann", false, "-52", " 00x1")).hints, "");
    EXPECT_EQ(GameLogRowOf(LogLine("08:01:00", "000075", "Klondike", "Bob", true, "120")).result, "Won");
    // A short line gives partial cells and no crash.
    EXPECT_EQ(GameLogRowOf("20240131 12:3"), (GameLogRow{"20240131", "12:3", "", "", "", "", "", "", ""}));
    EXPECT_EQ(GameLogRowOf(""), GameLogRow{});
    // A damaged playing time is left out rather than misread.
    EXPECT_EQ(GameLogRowOf(LogLine("08:01:00", "00x075", "Klondike", "Bob", true, "120")).time, "");
}

TEST(GameLogRows, NewestFirstFilteredAndNeverWithoutARow) {
    const std::vector<std::string> lines = {
        LogLine("08:00:00", "000010", "FreeCell", "Ann", true, "10"),
        LogLine("09:00:00", "000010", "Klondike", "Ann", false, "20"),
        LogLine("10:00:00", "000010", "FreeCell", "Bob", true, "30"),
    };
    std::vector<std::string> scores;
    for (const GameLogRow& row : GameLogRows(lines, kAllPlayers, kAllGames)) scores.push_back(row.score);
    EXPECT_EQ(scores, (std::vector<std::string>{"30", "20", "10"}));
    scores.clear();
    for (const GameLogRow& row : GameLogRows(lines, "Ann", "FreeCell")) scores.push_back(row.score);
    EXPECT_EQ(scores, (std::vector<std::string>{"10"}));
    EXPECT_EQ(GameLogRows(lines, "Cid", kAllGames), (std::vector<GameLogRow>{GameLogRow{}}));
    EXPECT_EQ(GameLogRows({}, kAllPlayers, kAllGames).size(), 1u);
}

// A restored line of the catalogue's game list.
std::string ListLine(int code, const std::string& name) {
    std::string line = "005 " + FormatField(code, 3) + "0  " + name;
    line.resize(60, ' ');
    return line;
}

TEST(StatisticsChoices, GamesOfTheListAndCustomizedGamesSortedByName) {
    GameList list;
    list.lines = {ListLine(0, "Klondike"), ListLine(1, "freeCell"), "damaged", ListLine(2, "Spider"),
                  ListLine(3, "")};
    const std::vector<CustomGame> custom = {{8001, 0, "My Klondike", "0010001"}, {8000, 2, "Easy Spider", "0010001"},
                                            {8002, 0, "", "0010001"}};
    EXPECT_EQ(GamesByName(list, custom), (std::vector<GameChoice>{{8000, "Easy Spider"},
                                                                  {1, "freeCell"},
                                                                  {0, "Klondike"},
                                                                  {8001, "My Klondike"},
                                                                  {2, "Spider"}}));
    EXPECT_TRUE(GamesByName(GameList{}, {}).empty());
    // Games of equal names keep their order.
    list.lines = {ListLine(0, "Golf"), ListLine(1, "GOLF")};
    EXPECT_EQ(GamesByName(list, {{8000, 0, "golf", "0010001"}}),
              (std::vector<GameChoice>{{0, "Golf"}, {1, "GOLF"}, {8000, "golf"}}));
}

TEST(StatisticsChoices, TheWantedPlayerIsAlwaysThere) {
    const std::vector<std::string> names = {"Ann", "Anne", "Bob"};
    EXPECT_EQ(PlayerChoices(names, "Anne"), names);
    EXPECT_EQ(PlayerChoices(names, "Bob   "), names);
    EXPECT_EQ(PlayerChoices(names, "Andy"), (std::vector<std::string>{"Andy", "Ann", "Anne", "Bob"}));
    EXPECT_EQ(PlayerChoices(names, "Zoe "), (std::vector<std::string>{"Ann", "Anne", "Bob", "Zoe"}));
    EXPECT_EQ(PlayerChoices(names, ""), names);
    EXPECT_EQ(PlayerChoices({}, "Player 1"), (std::vector<std::string>{"Player 1"}));
}

TEST(StatisticsChoices, LogFiltersFallBackToAll) {
    EXPECT_EQ(GameLogFiltersOf("Ann", "FreeCell"), (GameLogFilters{"Ann", "FreeCell"}));
    EXPECT_EQ(GameLogFiltersOf("", "FreeCell"), (GameLogFilters{"[All players]", "FreeCell"}));
    EXPECT_EQ(GameLogFiltersOf("Ann", ""), (GameLogFilters{"Ann", "[All games]"}));
}

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

// Halves go to the even neighbour, below zero as well; the percentage adds a
// half first, exactly, so 50 + 0.5 is the even 50 and 75 + 0.5 the even 76.
TEST(StatisticsFigures, QuotientsAndWinPercentRoundHalvesToEven) {
    const long long quotients[][3] = {{7, 2, 4},   {5, 2, 2},    {10, 4, 2}, {11, 4, 3}, {9, 4, 2}, {-5, 2, -2},
                                      {-7, 2, -4}, {-11, 4, -3}, {1, 2, 0},  {0, 7, 0},  {21, 7, 3}};
    for (const auto& [n, d, q] : quotients) EXPECT_EQ(RoundedQuotient(n, d), q) << n << "/" << d;
    // 33.33, 50, 75, 100, 0, 66.67, 0.4975, 0.5025, 12.5 (a whole 13), 50.
    const long long percents[][3] = {{1, 2, 34}, {1, 1, 50},   {3, 1, 76},   {4, 0, 100}, {0, 5, 0},
                                     {2, 1, 67}, {1, 200, 1}, {1, 199, 1}, {1, 7, 13},  {999999, 999999, 50}};
    for (const auto& [won, lost, share] : percents) {
        EXPECT_EQ(WinPercent(won, lost), (WinPercentages{static_cast<int>(share), static_cast<int>(100 - share)}))
            << won << " " << lost;
    }
    // No deals and damaged counts give no share outside the range; a negative
    // loss count makes the share above 100: held at 100.
    const int outside[][4] = {{0, 0, 0, 0}, {-3, 3, 0, 0}, {-2, -1, 0, 0}, {5, -1, 100, 0}, {-1, 5, 0, 100}};
    for (const auto& [won, lost, share, other] : outside) {
        EXPECT_EQ(WinPercent(won, lost), (WinPercentages{share, other})) << won << " " << lost;
    }
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
    EXPECT_EQ((std::vector<std::string>{texts.title, texts.totalGroup, texts.sessionGroup, texts.seriesGroup, texts.won,
                                        texts.lost, texts.current, texts.wonOne, texts.wonMany, texts.lostOne,
                                        texts.lostMany}),
              (std::vector<std::string>{"Statistics", "Total ", "Current session ", "Series ", "Won", "Lost", "Current",
                                        "won", "won", "lost", "lost"}));
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
    // One deal and several take their own texts.
    StatisticsTexts counted = texts;
    counted.wonOne = "win";
    counted.wonMany = "wins";
    counted.lostOne = "loss";
    counted.lostMany = "losses";
    // A win streak wins over a damaged loss streak beside it.
    const std::tuple<long long, long long, const StatisticsTexts*, const char*> cases[] = {
        {3, 0, &texts, "Current: 3 won"},     {0, 1, &texts, "Current: 1 lost"},   {0, 0, &texts, "Current: "},
        {2, 5, &texts, "Current: 2 won"},     {-1, 0, &texts, "Current: "},        {1, 0, &counted, "Current: 1 win"},
        {2, 0, &counted, "Current: 2 wins"},  {0, 1, &counted, "Current: 1 loss"},
        {0, 2, &counted, "Current: 2 losses"}, {0, 12, &counted, "Current: 12 losses"}};
    for (const auto& [won, lost, used, text] : cases) {
        EXPECT_EQ(CurrentStreakText(Streaks(4, 2, won, lost), *used), text) << won << " " << lost;
    }
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
    EXPECT_EQ(sheet.resultsPie, (std::array<ChartValue, 2>{{{"Won", 3}, {"Lost", 6}}}));
    EXPECT_EQ(sheet.streakBars, (std::array<ChartValue, 2>{{{"Won", 2}, {"Lost", 4}}}));
    EXPECT_EQ(sheet.streakAxis, (ChartAxis{4, 5}));
}

}  // namespace
}  // namespace dravicor
