#include "stats/statistics.h"

#include <gtest/gtest.h>

#include "common/settings_record.h"
#include "data_files_fixture.h"
#include "stats/game_log.h"

namespace dravicor {
namespace {

constexpr std::string_view kHead = "[Version]\r\nVersion=0300\r\n";
constexpr std::string_view kZero = "000000 000000 000000 000000 000000 000000 000000000000 000000000000";

std::string Text(std::string_view a) { return std::string(a); }

// A log line put together field by field, the way the log lays them out.
std::string Cut(std::string text, size_t width) {
    text.resize(width, ' ');
    return text;
}
std::string LogLine(const std::string& game, const std::string& name, const std::string& player, bool won,
                    const std::string& score) {
    return "20240131 23:59:58 000075 " + game + " " + Cut(name, 50) + " " + Cut(player, 30) + " " +
           (won ? "Won  " : "Lost ") + "01 " + Cut(score, 6) + " " + Cut("4711", 15) + " 0350";
}

// A hi-score line: 38 characters before the player column, more after it.
std::string HiScoreLine(const std::string& player) {
    return "01 0001 000120 20240131 0:05:12 xxxxx " + Cut(player, 30) + " 000120 rest";
}

class StatisticsTest : public DataFilesFixture {
protected:
    void SetUp() override {
        settings.put(Field::CurrentGame, "0001");
        settings.put(Field::CurrentPlayer, "Player 1");
        settings.put(Field::CurrentScore, "0");
        settings.put(Field::CurrentGameName, "Alpha Patience");
        settings.put(Field::ScoringSystem, "01");
        settings.put(Field::CurrentGameNumber, "4711");
        ResetRunCounters(settings);
    }

    // One finished deal: the statistics and the log, as the end of a deal does.
    bool Deal(int game, const std::string& player, bool won, long long score, int hints = 0) {
        settings.put(Field::CurrentGame, FormatField(game, 4));
        settings.put(Field::CurrentPlayer, player);
        settings.put(Field::CurrentScore, std::to_string(score));
        settings.put(Field::CurrentGameName, game == 1 ? "Alpha Patience" : "Beta Patience");
        const DealEnd end{"20240131", "23:59:58", 75};
        return AppendGameLog(files, settings, won, end, hints) && UpdateStatistics(files, settings, won, hints);
    }
    StatRecord Stored(int game, std::string_view player) {
        return ReadStatistics(files, settings, game, player).record;
    }
    std::string Runs() const { return settings.get(Field::RunWon) + "/" + settings.get(Field::RunLost); }

    fs::path statFile = data / "STAT.DAT";
    fs::path logFile = data / "STAT_LOG.DAT";
    fs::path scoreFile = data / "STAT_SCR.DAT";
    SettingsRecord settings;
};

TEST(StatRecord, TextHasEightZeroFilledFieldsAndReadsUnreadableOnesAsZero) {
    EXPECT_EQ(StatRecord{}.ToText(), kZero);
    const StatRecord record{12, 3, 456, 7, 89, 0, 123456789012, 31};
    EXPECT_EQ(record.ToText(), "000012 000003 000456 000007 000089 000000 123456789012 000000000031");
    EXPECT_EQ(StatRecord::FromText(record.ToText()), record);
    const StatRecord negative{0, 1, 0, 1, 0, 1, -52};
    EXPECT_EQ(negative.ToText(), "000000 000001 000000 000001 000000 000001 -00000000052 000000000000");
    EXPECT_EQ(StatRecord::FromText(negative.ToText()), negative);
    // A field too wide for its columns is written as asterisks.
    EXPECT_EQ((StatRecord{1000000, 0, 0, 0, 0, 0, 0}).ToText().substr(0, 7), "****** ");
    // An unreadable field and every field after it read as zero.
    EXPECT_EQ(StatRecord::FromText("000002 000001 0000x2 000001 000001 000000 000000000050 000000000000"),
              (StatRecord{2, 1, 0, 0, 0, 0, 0}));
    EXPECT_EQ(StatRecord::FromText("000002 000001 000003"), (StatRecord{2, 1, 3, 0, 0, 0, 0}));
    EXPECT_EQ(StatRecord::FromText("000002 00000"), (StatRecord{2, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(StatRecord::FromText("****** 000001 000001 000000 000000 000000 000000000000 000000000000"),
              StatRecord{});
    EXPECT_EQ(StatRecord::FromText(""), StatRecord{});
    EXPECT_EQ(StatRecord::FromText("      000001"), StatRecord{});
    EXPECT_EQ(StatRecord::FromText("+00001 000001"), StatRecord{});
    std::string withNul = "000001 0";
    withNul += '\0';
    withNul += "0001 000001";
    EXPECT_EQ(StatRecord::FromText(withNul), (StatRecord{1, 0, 0, 0, 0, 0, 0}));
    // The hints read as none when the eighth field holds no count, and
    // nothing else is lost with them.
    for (const char* hints : {"garbage", "-00000000003", "00000000003", ""}) {
        EXPECT_EQ(StatRecord::FromText(std::string("000001 000000 000001 000000 000001 000000 000000000120 ") + hints),
                  (StatRecord{1, 0, 1, 0, 1, 0, 120, 0}))
            << hints;
    }
    EXPECT_EQ(GameSection(1), "0001");
    EXPECT_EQ(GameSection(53), "0053");
}

TEST_F(StatisticsTest, FirstDealEverCreatesTheFileWithTheVersionAndTheGameSection) {
    settings.put(Field::CurrentScore, "120");
    ASSERT_TRUE(UpdateStatistics(files, settings, true));
    EXPECT_EQ(ReadFile(statFile),
              "[Version]\r\nVersion=0300\r\n\r\n[0001]\r\n"
              "Player 1=000001 000000 000001 000000 000001 000000 000000000120 000000000000\r\n");
    EXPECT_EQ(Runs(), "0001/0000");
    const auto view = ReadStatistics(files, settings, 1, "Player 1");
    EXPECT_EQ(view.record, (StatRecord{1, 0, 1, 0, 1, 0, 120}));
    EXPECT_EQ(view.runWon, 1);
    EXPECT_EQ(view.runLost, 0);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(FolderEntries(data), std::vector<std::string>{"STAT.DAT"});
}

TEST_F(StatisticsTest, StreaksTotalsAndHintsAddUpOverTheDeals) {
    struct Played {
        bool won;
        long long score;
        int hints;
    };
    const struct {
        const char* name;
        std::vector<Played> deals;
        StatRecord record;
        const char* runs;
    } cases[] = {
        {"a loss ends the win streak",
         {{true, 10, 2}, {true, 20, 0}, {false, -5, 3}, {true, 7, 1}},
         {3, 1, 2, 1, 1, 0, 32, 6},
         "0003/0001"},
        {"loss streaks count like win streaks",
         {{false, 0, 0}, {false, 0, 0}, {true, 0, 0}, {false, 0, 0}, {false, 0, 0}, {false, 0, 0}},
         {1, 5, 1, 3, 0, 3, 0},
         "0001/0005"},
        {"a negative score lowers the total", {{false, -5, 0}, {true, 3, 0}}, {1, 1, 1, 1, 1, 0, -2}, "0001/0001"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove(statFile);
        ResetRunCounters(settings);
        for (const Played& deal : c.deals) ASSERT_TRUE(Deal(1, "Player 1", deal.won, deal.score, deal.hints));
        EXPECT_EQ(Stored(1, "Player 1"), c.record);
        EXPECT_EQ(Runs(), c.runs);
    }
}

TEST_F(StatisticsTest, APlayerWhoseNameStartsAnotherOneKeepsASeparateRecord) {
    ASSERT_TRUE(Deal(1, "Ann", true, 10));
    ASSERT_TRUE(Deal(1, "Anne", false, 3));
    ASSERT_TRUE(Deal(1, "Ann", true, 1));
    EXPECT_EQ(ReadFile(statFile),
              Text(kHead) + "\r\n[0001]\r\n"
                            "Ann=000002 000000 000002 000000 000002 000000 000000000011 000000000000\r\n"
                            "Anne=000000 000001 000000 000001 000000 000001 000000000003 000000000000\r\n"
                            "\r\n");
    EXPECT_EQ(Stored(1, "Anne"), (StatRecord{0, 1, 0, 1, 0, 1, 3}));
    // Keys are exact: another case is another player.
    EXPECT_EQ(Stored(1, "ann"), StatRecord{});
}

TEST_F(StatisticsTest, ThePlayerKeyHasNoTrailingBlanks) {
    settings.put(Field::CurrentPlayer, "Ann Lee      ");
    ASSERT_TRUE(UpdateStatistics(files, settings, true));
    EXPECT_NE(ReadFile(statFile).find("\r\nAnn Lee=000001 "), std::string::npos);
    EXPECT_EQ(Stored(1, "Ann Lee   ").won, 1);
}

TEST_F(StatisticsTest, RunCountersAreReadOnlyForTheCurrentGameAndPlayer) {
    EXPECT_EQ(Stored(1, "Ann"), StatRecord{});
    EXPECT_FALSE(fs::exists(statFile)) << "reading a missing file creates nothing";
    ASSERT_TRUE(Deal(1, "Ann", true, 0));
    ASSERT_TRUE(Deal(1, "Ann", false, 0));
    ASSERT_TRUE(Deal(1, "Ann", true, 0));
    EXPECT_EQ(ReadStatistics(files, settings, 1, "Ann").runWon, 2);
    EXPECT_EQ(ReadStatistics(files, settings, 1, "Ann").runLost, 1);
    EXPECT_EQ(ReadStatistics(files, settings, 2, "Ann").runWon, 0);
    EXPECT_EQ(ReadStatistics(files, settings, 1, "Bob").runWon, 0);
    EXPECT_EQ(ReadStatistics(files, settings, 2, "Ann").record, StatRecord{});
    ResetRunCounters(settings);
    EXPECT_EQ(Runs(), "0000/0000");
    EXPECT_EQ(ReadStatistics(files, settings, 1, "Ann").runWon, 0);
    EXPECT_EQ(Stored(1, "Ann").won, 2);
}

TEST_F(StatisticsTest, RunCountersWrapToAsterisksAndStartAgainLikeTheFile) {
    settings.put(Field::RunWon, "9999");
    ASSERT_TRUE(UpdateStatistics(files, settings, true));
    EXPECT_EQ(settings.get(Field::RunWon), "****");
    ASSERT_TRUE(UpdateStatistics(files, settings, true));
    EXPECT_EQ(settings.get(Field::RunWon), "0001");
}

// --- Clearing ---

// Before each clear: Ann and Bob have records in game 1, Ann alone in game 2,
// and the log holds their deals, a damaged line and one of Anne's.
class ClearTest : public StatisticsTest {
protected:
    void SetUp() override {
        StatisticsTest::SetUp();
        WriteFile(statFile, Stat(kAnn1, kBob1, kAnn2));
        WriteFile(logFile, Log({0, 1, 2, 3, 4}));
    }
    // The statistics file with these records; Bob's in game 2 only when given.
    static std::string Stat(const std::string& ann1, const std::string& bob1, const std::string& ann2,
                            const std::string& bob2 = "") {
        return Text(kHead) + "\r\n[0001]\r\nAnn=" + ann1 + "\r\nBob=" + bob1 + "\r\n\r\n\r\n[0002]\r\nAnn=" + ann2 +
               "\r\n" + (bob2.empty() ? "" : "Bob=" + bob2 + "\r\n\r\n");
    }
    std::string Log(std::initializer_list<int> keep) const {
        const std::string all[] = {LogLine("0001", "Alpha Patience", "Ann", true, "10"),
                                   LogLine("0002", "Beta Patience", "Ann", true, "30"),
                                   LogLine("0001", "Alpha Patience", "Bob", false, "20"), "short line",
                                   LogLine("0002", "Beta Patience", "Anne", true, "1")};
        std::string text;
        for (const int i : keep) text += all[i] + "\r\n";
        return text;
    }

    static constexpr const char* kAnn1 = "000001 000000 000001 000000 000001 000000 000000000010 000000000000";
    static constexpr const char* kBob1 = "000000 000001 000000 000001 000000 000001 000000000020 000000000000";
    static constexpr const char* kAnn2 = "000003 000000 000003 000000 000003 000000 000000000030 000000000000";
};

TEST_F(ClearTest, EachChoiceZeroesItsRecordsAndDropsItsLogLines) {
    const std::string z(kZero);
    const struct {
        int game;
        const char* player;
        bool allPlayers;
        bool allGames;
        std::string stat;
        std::string log;
    } cases[] = {
        {1, "Ann", false, false, Stat(z, kBob1, kAnn2), Log({1, 2, 3, 4})},
        // A player without a record gets the zero record all the same.
        {2, "Bob", false, false, Stat(kAnn1, kBob1, kAnn2, z), Log({0, 1, 2, 3, 4})},
        {7, "Bob", false, false, Stat(kAnn1, kBob1, kAnn2) + "\r\n[0007]\r\nBob=" + z + "\r\n", Log({0, 1, 2, 3, 4})},
        {0, "Ann", false, true, Stat(z, kBob1, z), Log({2, 3, 4})},
        {0, "Bob", false, true, Stat(kAnn1, z, kAnn2, z), Log({0, 1, 3, 4})},
        {1, "", true, false, Stat(z, z, kAnn2), Log({1, 3, 4})},
        // Only the version section is left.
        {0, "", true, true, Text(kHead), ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.game) + " " + c.player + (c.allPlayers ? " all players" : "") +
                     (c.allGames ? " all games" : ""));
        WriteFile(statFile, Stat(kAnn1, kBob1, kAnn2));
        WriteFile(logFile, Log({0, 1, 2, 3, 4}));
        ASSERT_TRUE(ClearStatistics(files, c.game, c.player, c.allPlayers, c.allGames));
        EXPECT_EQ(ReadFile(statFile), c.stat);
        EXPECT_EQ(ReadFile(logFile), c.log);
        EXPECT_EQ(FolderEntries(data), (std::vector<std::string>{"STAT.DAT", "STAT_LOG.DAT"}));
    }
}

// A line starting with "[" that is no whole header ends the section above
// it, but clearing every game writes no section of that name.
TEST_F(ClearTest, AllGamesLeaveABrokenHeaderAsItIs) {
    WriteFile(statFile, Stat(kAnn1, kBob1, kAnn2) + "[0003\r\n");
    ASSERT_TRUE(ClearStatistics(files, 0, "Ann", false, true));
    const std::string z(kZero);
    EXPECT_EQ(ReadFile(statFile), Stat(z, kBob1, z) + "[0003\r\n");
}

TEST_F(ClearTest, MissingFilesAreNotCreated) {
    fs::remove(statFile);
    ASSERT_TRUE(ClearStatistics(files, 1, "Ann", false, false));
    EXPECT_FALSE(fs::exists(statFile));
    EXPECT_EQ(ReadFile(logFile), Log({1, 2, 3, 4}));
    fs::remove(logFile);
    WriteFile(statFile, Text(kHead));
    ASSERT_TRUE(ClearStatistics(files, 0, "", true, true));
    EXPECT_FALSE(fs::exists(logFile));
    EXPECT_EQ(ReadFile(statFile), kHead);
    fs::remove(statFile);
    ASSERT_TRUE(ClearStatistics(files, 0, "", true, true));
    EXPECT_TRUE(FolderEntries(data).empty());
}

TEST_F(ClearTest, DamagedLogLinesAreKeptUnlessTheyMatch) {
    std::string log = std::string("\0\0\0", 3) + "\r\n" + std::string(100000, 'x') + "\r\n" +
                      // Game and player columns of the right width on a cut line.
                      LogLine("0001", "Alpha Patience", "Ann", true, "10").substr(0, 100) + "\r\n" +
                      LogLine("0001", "Alpha Patience", "Ann", true, "10").substr(0, 60) + "\r\n" +
                      // A game column that is no number.
                      LogLine("00x1", "Alpha Patience", "Ann", true, "10") + "\r\n" +
                      LogLine("0001", "Alpha Patience", "Ann", true, "10");  // no line end
    WriteFile(logFile, log);
    ASSERT_TRUE(ClearStatistics(files, 1, "Ann", false, false));
    EXPECT_EQ(ReadFile(logFile), std::string("\0\0\0", 3) + "\r\n" + std::string(100000, 'x') + "\r\n" +
                                     LogLine("0001", "Alpha Patience", "Ann", true, "10").substr(0, 60) + "\r\n" +
                                     LogLine("00x1", "Alpha Patience", "Ann", true, "10") + "\r\n");
    ASSERT_TRUE(ClearStatistics(files, 0, "Ann", false, true));
    EXPECT_EQ(ReadFile(logFile), std::string("\0\0\0", 3) + "\r\n" + std::string(100000, 'x') + "\r\n" +
                                     LogLine("0001", "Alpha Patience", "Ann", true, "10").substr(0, 60) + "\r\n");
}

// --- Renaming ---

TEST_F(StatisticsTest, RenameChangesExactlyThePlayerKeysAndColumns) {
    const std::string stat = Text(kHead) +
                             "\r\n[0001]\r\n"
                             "Ann=000001 000000 000001 000000 000001 000000 000000000010 000000000000\r\n"
                             "Anne=000002 000000 000002 000000 000002 000000 000000000020 000000000000\r\n"
                             "Bob=Ann\r\n"
                             "\r\n[0002]\r\n"
                             "Ann=000003 000000 000003 000000 000003 000000 000000000030 000000000000\r\n"
                             "[Ann]\r\nAnn=1\r\n";
    const std::string log = LogLine("0001", "Alpha Patience", "Ann", true, "10") + "\r\n" +
                            LogLine("0001", "Ann", "Anne", true, "10") + "\r\n" + "Ann\r\n";
    const std::string scores = "[0001]\r\n" + HiScoreLine("Ann") + "\r\n" + HiScoreLine("Anne") + "\r\n" +
                               HiScoreLine("Bob") + "\r\n" + "Ann\r\n";
    WriteFile(statFile, stat);
    WriteFile(logFile, log);
    WriteFile(scoreFile, scores);

    ASSERT_TRUE(RenamePlayerInDataFiles(files, "Ann   ", "Annabel Lee"));
    EXPECT_EQ(ReadFile(statFile),
              Text(kHead) +
                  "\r\n[0001]\r\n"
                  "Annabel Lee=000001 000000 000001 000000 000001 000000 000000000010 000000000000\r\n"
                  "Anne=000002 000000 000002 000000 000002 000000 000000000020 000000000000\r\n"
                  "Bob=Ann\r\n"
                  "\r\n[0002]\r\n"
                  "Annabel Lee=000003 000000 000003 000000 000003 000000 000000000030 000000000000\r\n"
                  "[Ann]\r\nAnnabel Lee=1\r\n");
    EXPECT_EQ(ReadFile(logFile), LogLine("0001", "Alpha Patience", "Annabel Lee", true, "10") + "\r\n" +
                                     LogLine("0001", "Ann", "Anne", true, "10") + "\r\n" + "Ann\r\n");
    EXPECT_EQ(ReadFile(scoreFile), "[0001]\r\n" + HiScoreLine("Annabel Lee") + "\r\n" + HiScoreLine("Anne") +
                                       "\r\n" + HiScoreLine("Bob") + "\r\n" + "Ann\r\n");
    // And back: a shorter name.
    ASSERT_TRUE(RenamePlayerInDataFiles(files, "Annabel Lee", "Ann"));
    EXPECT_EQ(ReadFile(statFile), stat);
    EXPECT_EQ(ReadFile(logFile), log);
    EXPECT_EQ(ReadFile(scoreFile), scores);
}

TEST_F(StatisticsTest, RenameLeavesTheVersionSectionAndMissingFilesAlone) {
    WriteFile(statFile, Text(kHead) + "\r\n[0001]\r\nVersion=" + Text(kZero) + "\r\n");
    ASSERT_TRUE(RenamePlayerInDataFiles(files, "Version", "Vera"));
    EXPECT_EQ(ReadFile(statFile), Text(kHead) + "\r\n[0001]\r\nVera=" + Text(kZero) + "\r\n");
    EXPECT_EQ(FolderEntries(data), std::vector<std::string>{"STAT.DAT"});
    fs::remove(statFile);
    ASSERT_TRUE(RenamePlayerInDataFiles(files, "Vera", "Version"));
    EXPECT_TRUE(FolderEntries(data).empty());
}

// Each failing write step and its message are the data files' own; here
// what counts is that the records and the run counters stay as they were.
TEST_F(StatisticsTest, AFailedWriteChangesNothing) {
    ASSERT_TRUE(Deal(1, "Ann", true, 10));
    const std::string before = ReadFile(statFile);
    const std::string logBefore = ReadFile(logFile);
    const WriteFaults faults{WriteStep::Rename};
    files.setWriteFaults(&faults);
    for (const bool won : {true, false}) {
        // In-place change of an existing line, and a new line (a rebuild).
        settings.put(Field::CurrentPlayer, won ? "Ann" : "Cy");
        EXPECT_FALSE(UpdateStatistics(files, settings, won));
        EXPECT_EQ(Runs(), "0001/0000");
    }
    EXPECT_FALSE(ClearStatistics(files, 1, "Ann", false, false));
    EXPECT_FALSE(RenamePlayerInDataFiles(files, "Ann", "Anna"));
    files.setWriteFaults(nullptr);
    EXPECT_EQ(platform.messages.size(), 6u);  // two updates, then statistics and log twice
    EXPECT_EQ(ReadFile(statFile), before);
    EXPECT_EQ(ReadFile(logFile), logBefore);
}

}  // namespace
}  // namespace dravicor
