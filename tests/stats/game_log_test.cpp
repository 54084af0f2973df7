#include "stats/game_log.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include "common/settings_record.h"
#include "data_files_fixture.h"

namespace dravicor {
namespace {

using Lines = std::vector<std::string>;

std::string Blanks(size_t count) { return std::string(count, ' '); }

// Sets the time zone for the lifetime of the object.
class TimeZone {
public:
    explicit TimeZone(const char* zone) {
        if (const char* old = std::getenv("TZ")) saved_ = old;
        ::setenv("TZ", zone, 1);
        ::tzset();
    }
    ~TimeZone() {
        if (saved_) {
            ::setenv("TZ", saved_->c_str(), 1);
        } else {
            ::unsetenv("TZ");
        }
        ::tzset();
    }

private:
    std::optional<std::string> saved_;
};

// 2024-01-31 23:59:58 UTC.
const auto kMoment = std::chrono::system_clock::from_time_t(1706745598);

class GameLogTest : public DataFilesFixture {
protected:
    void SetUp() override {
        settings.put(Field::CurrentGame, "0053");
        settings.put(Field::CurrentGameName, "Beta Patience");
        settings.put(Field::CurrentPlayer, "Ann");
        settings.put(Field::ScoringSystem, "01");
        settings.put(Field::CurrentScore, "-52");
        settings.put(Field::CurrentGameNumber, "123456789");
    }
    // A line of the log with a game name, player and result of its own.
    std::string Line(const std::string& gameName, const std::string& player, bool won, const std::string& date) {
        settings.put(Field::CurrentGameName, gameName);
        settings.put(Field::CurrentPlayer, player);
        return GameLogLine(settings, won, DealEnd{date, "10:00:00", 60});
    }

    fs::path logFile = data / "STAT_LOG.DAT";
    SettingsRecord settings;
};

TEST(DealEndAt, GivesTheLocalDateAndTimeOfDay) {
    const struct {
        const char* zone;
        std::chrono::system_clock::time_point moment;
        const char* date;
        const char* timeOfDay;
    } cases[] = {
        {"UTC", kMoment, "20240131", "23:59:58"},
        {"XYZ-5:30", kMoment, "20240201", "05:29:58"},
        {"XYZ+3", kMoment + std::chrono::seconds(3), "20240131", "21:00:01"},
        {"UTC", std::chrono::system_clock::from_time_t(0), "19700101", "00:00:00"},
    };
    for (const auto& c : cases) {
        const TimeZone zone(c.zone);
        const DealEnd end = DealEndAt(c.moment, 754);
        EXPECT_EQ(end.date, c.date) << c.zone;
        EXPECT_EQ(end.timeOfDay, c.timeOfDay) << c.zone;
        EXPECT_EQ(end.seconds, 754);
    }
}

TEST_F(GameLogTest, ALostDealWithANegativeScore) {
    const std::string line = GameLogLine(settings, false, DealEnd{"20240131", "23:59:58", 754});
    EXPECT_EQ(line, "20240131 23:59:58 000754 0053 Beta Patience" + Blanks(37) + " Ann" + Blanks(27) +
                        " Lost 01 -52    123456789       0350 0000");
    ASSERT_EQ(line.size(), kGameLogLineLength);
    // The hints taken follow the older layout's 147 columns.
    EXPECT_EQ(line.substr(0, kGameLogOlderLineLength) + " 0012",
              GameLogLine(settings, false, DealEnd{"20240131", "23:59:58", 754}, 12));
    EXPECT_EQ(GameLogLine(settings, false, DealEnd{}, 12345).substr(kGameLogHintsColumn - 1), "9999");
    EXPECT_EQ(GameLogLine(settings, false, DealEnd{}, -1).substr(kGameLogHintsColumn - 1), "0000");
}

TEST_F(GameLogTest, AWonDealAndFieldsCutToTheirWidths) {
    settings.put(Field::CurrentGame, "1");
    settings.put(Field::CurrentScore, "120");
    // The settings record holds 50 characters; the line cuts what it is given as well.
    settings.put(Field::CurrentGameName, std::string(60, 'G'));
    settings.put(Field::CurrentPlayer, std::string(29, 'P') + "Q");
    settings.put(Field::ScoringSystem, "2");
    settings.put(Field::CurrentGameNumber, "");
    const std::string line = GameLogLine(settings, true, DealEnd{"20991231", "00:00:09", 1000000});
    EXPECT_EQ(line, "20991231 00:00:09 ****** 0001 " + std::string(50, 'G') + " " + std::string(29, 'P') +
                        "Q Won  2  120    " + Blanks(15) + " 0350 0000");
    EXPECT_EQ(line.size(), kGameLogLineLength);
    EXPECT_EQ(GameLogLine(settings, true, DealEnd{"2024", "1", 0}).substr(0, 18), "2024     1        ");
}

TEST_F(GameLogTest, AppendCreatesTheFileAndAddsLinesAtItsEnd) {
    EXPECT_TRUE(ReadGameLog(files).empty()) << "a missing log reads as no lines";
    const DealEnd end{"20240131", "23:59:58", 754};
    ASSERT_TRUE(AppendGameLog(files, settings, false, end));
    const std::string first = GameLogLine(settings, false, end);
    EXPECT_EQ(ReadFile(logFile), first + "\r\n");
    settings.put(Field::CurrentScore, "7");
    ASSERT_TRUE(AppendGameLog(files, settings, true, end));
    const std::string second = GameLogLine(settings, true, end);
    EXPECT_EQ(ReadFile(logFile), first + "\r\n" + second + "\r\n");
    EXPECT_EQ(ReadGameLog(files), (Lines{first, second}));
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(GameLogTest, AnAppendCutsOffALineLeftIncompleteByACrash) {
    WriteFile(logFile, std::string("complete\r\ncut\0", 14));
    const DealEnd end{"20240131", "23:59:58", 754};
    EXPECT_EQ(ReadGameLog(files), (Lines{"complete"})) << "a torn tail is no deal";
    ASSERT_TRUE(AppendGameLog(files, settings, true, end));
    EXPECT_EQ(ReadFile(logFile), "complete\r\n" + GameLogLine(settings, true, end) + "\r\n");
    // A log that is nothing but a torn line starts afresh.
    WriteFile(logFile, "torn");
    ASSERT_TRUE(AppendGameLog(files, settings, true, end));
    EXPECT_EQ(ReadFile(logFile), GameLogLine(settings, true, end) + "\r\n");
}

TEST_F(GameLogTest, AFailedAppendLeavesTheLogAsItWas) {
    WriteFile(logFile, "old\r\n");
    for (const WriteStep step : {WriteStep::Write, WriteStep::Flush}) {
        const WriteFaults faults{step};
        files.setWriteFaults(&faults);
        const bool appended = AppendGameLog(files, settings, true, DealEnd{"20240131", "23:59:58", 1});
        EXPECT_FALSE(appended);
        // Even a line written whole is taken back when it cannot be flushed.
        EXPECT_EQ(ReadFile(logFile), "old\r\n");
    }
    files.setWriteFaults(nullptr);
    EXPECT_EQ(platform.messages.size(), 2u);
    // A log that cannot be opened at all: the message, and nothing else.
    fs::remove(logFile);
    fs::create_directory(logFile);
    EXPECT_FALSE(AppendGameLog(files, settings, true, DealEnd{"20240131", "23:59:58", 1}));
    ASSERT_EQ(platform.messages.size(), 3u);
    EXPECT_EQ(platform.messages.back().text, "Open error: " + logFile.string());
}

TEST_F(GameLogTest, FilterKeepsMatchingLinesNewestFirst) {
    const std::string a1 = Line("Alpha", "Ann", true, "20240101");
    const std::string b1 = Line("Beta Patience", "Ann", false, "20240102");
    const std::string a2 = Line("Alpha", "Anne", true, "20240103");
    const std::string a3 = Line("Alpha", "Ann", false, "20240104");
    const std::string b2 = Line("Beta", "Bob", true, "20240105");
    const Lines log{a1, b1, a2, a3, b2};

    EXPECT_EQ(FilterGameLog(log, kAllPlayers, kAllGames), (Lines{b2, a3, a2, b1, a1}));
    EXPECT_EQ(FilterGameLog(log, "Ann", kAllGames), (Lines{a3, b1, a1}));
    EXPECT_EQ(FilterGameLog(log, kAllPlayers, "Alpha"), (Lines{a3, a2, a1}));
    EXPECT_EQ(FilterGameLog(log, "Ann", "Alpha"), (Lines{a3, a1}));
    EXPECT_EQ(FilterGameLog(log, "Ann", "Beta Patience"), (Lines{b1}));
    EXPECT_EQ(FilterGameLog(log, "Bob", "Alpha"), Lines{});
    EXPECT_EQ(FilterGameLog(log, "An", kAllGames), Lines{});
    EXPECT_EQ(FilterGameLog(log, kAllPlayers, "Bet"), Lines{});
    EXPECT_EQ(FilterGameLog({}, "Ann", "Alpha"), Lines{});
}

TEST(GameLogColumn, GivesWhatTheLineHolds) {
    EXPECT_EQ(GameLogColumn("abcdef", 2, 3), "bcd");
    EXPECT_EQ(GameLogColumn("abcdef", 5, 3), "ef");
    EXPECT_EQ(GameLogColumn("abcdef", 7, 3), "");
    EXPECT_EQ(GameLogColumn("abcdef", 100, 3), "");
    EXPECT_EQ(GameLogColumn("abcdef", 0, 3), "");
    EXPECT_EQ(GameLogColumn("", 1, 3), "");
}

}  // namespace
}  // namespace dravicor
