#include "stats/hi_scores.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>

#include "common/settings_record.h"
#include "data_files_fixture.h"
#include "stats/overall_score.h"

namespace dravicor {
namespace {

constexpr int kGames = 120;  // catalogue size passed on to the overall score

DealEnd EndedAt(std::string date, std::string timeOfDay, int seconds) {
    DealEnd end;
    end.date = std::move(date);
    end.timeOfDay = std::move(timeOfDay);
    end.seconds = seconds;
    return end;
}

const DealEnd kNow = EndedAt("20240315", "14:30:00", 0);

HiScoreDeal Deal(long long score, int seconds, std::string player = "Marta", std::string system = "01",
                 int gameCode = 1) {
    HiScoreDeal deal;
    deal.gameCode = gameCode;
    deal.player = std::move(player);
    deal.scoringSystem = std::move(system);
    deal.end = EndedAt("20240315", "14:30:00", seconds);
    deal.score = score;
    deal.gameNumber = "123456789";
    deal.won = true;
    return deal;
}

const std::string kBlankEntry = std::string(83, ' ') + " x";

// The file after the first finished deal of game 1 (reference value 260)
// scoring 130 in 400 seconds: the seeded table with the deal at place 05 and
// the 10-point entry gone.
const std::string kSeededWith130 =
    "[Version]\r\n"
    "Version=0300\r\n"
    "\r\n"
    "[0001]\r\n"
    "01-01=000260 001300 20240315 14:30:00 * Amelia                       000000000000000 Won  x\r\n"
    "01-02=000225 001125 20240315 14:30:00 * Bruno                        000000000000000 Won  x\r\n"
    "01-03=000200 001000 20240315 14:30:00 * Celeste                      000000000000000 Won  x\r\n"
    "01-04=000150 000750 20240315 14:30:00 * Dorian                       000000000000000 Won  x\r\n"
    "01-05=000130 000400 20240315 14:30:00 Marta                          123456789       Won  x\r\n"
    "01-06=000125 000625 20240315 14:30:00 * Elise                        000000000000000 Won  x\r\n"
    "01-07=000100 000500 20240315 14:30:00 * Florin                       000000000000000 Won  x\r\n"
    "01-08=000075 000375 20240315 14:30:00 * Greta                        000000000000000 Won  x\r\n"
    "01-09=000070 000350 20240315 14:30:00 * Hektor                       000000000000000 Won  x\r\n"
    "01-10=000065 000325 20240315 14:30:00 * Ilona                        000000000000000 Won  x\r\n"
    "01-11=000060 000300 20240315 14:30:00 * Jasper                       000000000000000 Won  x\r\n"
    "01-12=000055 000275 20240315 14:30:00 * Katalin                      000000000000000 Won  x\r\n"
    "01-13=000050 000250 20240315 14:30:00 * Lionel                       000000000000000 Won  x\r\n"
    "01-14=000045 000225 20240315 14:30:00 * Mirela                       000000000000000 Won  x\r\n"
    "01-15=000040 000200 20240315 14:30:00 * Nikolai                      000000000000000 Won  x\r\n"
    "01-16=000035 000175 20240315 14:30:00 * Ottilie                      000000000000000 Won  x\r\n"
    "01-17=000030 000150 20240315 14:30:00 * Pascal                       000000000000000 Won  x\r\n"
    "01-18=000025 000125 20240315 14:30:00 * Rosalind                     000000000000000 Won  x\r\n"
    "01-19=000020 000100 20240315 14:30:00 * Severin                      000000000000000 Won  x\r\n"
    "01-20=000015 000075 20240315 14:30:00 * Thea                         000000000000000 Won  x\r\n";

const std::string kClearedFile = "[Version]\r\nVersion=0300\r\n\r\n[Clear scores]\r\nCleared=Y\r\n";

class HiScoresTest : public DataFilesFixture {
protected:
    fs::path scores() const { return data / kHiScoreFile; }
    fs::path overall() const { return data / kOverallScoreFile; }
    int offer(const HiScoreDeal& deal, int referenceValue = 260) {
        return UpdateHiScores(files, platform, deal, referenceValue, kGames, &random);
    }
    // The value of a table line, read back from the file.
    std::string entry(std::string_view system, int place, int gameCode = 1) {
        const auto document = files.readSections(kHiScoreFile);
        if (!document) return "<no file>";
        const std::string key = std::string(system) + "-" + (place < 10 ? "0" : "") + std::to_string(place);
        char section[8];
        std::snprintf(section, sizeof section, "%04d", gameCode);
        return document->ReadValue(section, key).value_or("<missing>");
    }
    void clearAnsweringYes() {
        platform.answers.push_back(Answer::Yes);
        ASSERT_TRUE(ClearHiScores(files, platform));
    }

    std::mt19937 random{7};
};

TEST(HiScoreFormat, SecondsAndTheCompliment) {
    const std::pair<int, const char*> times[] = {{3725, "1:02:05"}, {0, "0:00:00"},         {59, "0:00:59"},
                                                 {60, "0:01:00"},   {360000, "100:00:00"}, {-65, "-0:01:05"}};
    for (const auto& [seconds, text] : times) EXPECT_EQ(FormatSeconds(seconds), text);
    EXPECT_EQ(HiScoreCompliment("Klondike Deluxe   "), "Compliments! You entered the Klondike Deluxe Hi-Scores!");
}

TEST(HiScoreFormat, ParseEntry) {
    const auto row =
        ParseHiScoreEntry("-00042 003725 20231231 23:59:58 Anna Lena                      000000000004711 Lost x");
    EXPECT_FALSE(row.empty);
    EXPECT_EQ(row.score, -42);
    EXPECT_EQ(row.time, "1:02:05");
    EXPECT_EQ(row.date, "20231231");
    EXPECT_EQ(row.timeOfDay, "23:59:58");
    EXPECT_EQ(row.player, "Anna Lena");
    EXPECT_EQ(row.gameNumber, "000000000004711");
    EXPECT_FALSE(row.won);

    // Without its end mark, read back with trailing blanks removed.
    const auto old = ParseHiScoreEntry("000100        20231231 23:59:58 Bo                             7               Won");
    EXPECT_FALSE(old.empty);
    EXPECT_EQ(old.time, "") << "an empty time field shows nothing";
    EXPECT_EQ(old.gameNumber, "7");
    EXPECT_TRUE(old.won);

    EXPECT_TRUE(ParseHiScoreEntry("").empty);
    EXPECT_TRUE(ParseHiScoreEntry(kBlankEntry).empty);
    EXPECT_TRUE(ParseHiScoreEntry("      000100 20231231").empty) << "blank score columns";
    EXPECT_TRUE(ParseHiScoreEntry("12a456 000100 20231231").empty) << "unreadable score";
    EXPECT_TRUE(ParseHiScoreEntry(std::string("00\0" "000 000100", 13)).empty) << "a NUL in the score";
    const auto shortEntry = ParseHiScoreEntry("000007");
    EXPECT_FALSE(shortEntry.empty);
    EXPECT_EQ(shortEntry.score, 7);
    EXPECT_EQ(shortEntry.player, "");
}

TEST(HiScoreSeed, ScoresAndTimesScaleWithTheReferenceValue) {
    HiScoreTable table;
    ASSERT_TRUE(SeedHiScoreTable(table, 260, kNow, false));
    EXPECT_EQ(table[0], "000260 001300 20240315 14:30:00 * Amelia                       000000000000000 Won  x");
    EXPECT_EQ(table[19], "000010 000050 20240315 14:30:00 * Viktor                       000000000000000 Won  x");
    // The scores are the reference value's share k / 52 for the shares of
    // 260; halves go to the even neighbour: 26 × 45 / 52 = 22.5 → 22,
    // 26 × 15 / 52 = 7.5 → 8, 78 × 45 / 52 = 67.5 → 68, 78 × 9 / 52 = 13.5 → 14.
    const struct {
        int reference;
        std::array<long long, 20> scores;
    } cases[] = {
        {260, {260, 225, 200, 150, 125, 100, 75, 70, 65, 60, 55, 50, 45, 40, 35, 30, 25, 20, 15, 10}},
        {26, {26, 22, 20, 15, 12, 10, 8, 7, 6, 6, 6, 5, 4, 4, 4, 3, 2, 2, 2, 1}},
        {78, {78, 68, 60, 45, 38, 30, 22, 21, 20, 18, 16, 15, 14, 12, 10, 9, 8, 6, 4, 3}},
    };
    for (const auto& c : cases) {
        HiScoreTable seeded;
        ASSERT_TRUE(SeedHiScoreTable(seeded, c.reference, kNow, false));
        for (size_t i = 0; i < seeded.size(); ++i) {
            SCOPED_TRACE("reference " + std::to_string(c.reference) + " place " + std::to_string(i + 1));
            const auto row = ParseHiScoreEntry(seeded[i]);
            EXPECT_EQ(row.score, c.scores[i]);
            EXPECT_EQ(seeded[i].substr(7, 6), FormatField(5 * c.scores[i], 6)) << "five seconds a point";
            EXPECT_TRUE(row.player.starts_with("* ")) << row.player;
            EXPECT_EQ(seeded[i].size(), 85u);
            EXPECT_TRUE(seeded[i].ends_with(" x"));
        }
    }
    // Only an empty table that was not cleared is seeded.
    HiScoreTable cleared;
    EXPECT_FALSE(SeedHiScoreTable(cleared, 260, kNow, true));
    EXPECT_EQ(cleared, HiScoreTable{});

    HiScoreTable taken;
    taken[0] = "-00003 000010 20240101 10:00:00 Someone";
    EXPECT_FALSE(SeedHiScoreTable(taken, 260, kNow, false));
    EXPECT_EQ(taken[0], "-00003 000010 20240101 10:00:00 Someone");
    EXPECT_EQ(taken[1], "");

    HiScoreTable blank;
    blank[0] = kBlankEntry;
    EXPECT_TRUE(SeedHiScoreTable(blank, 260, kNow, false)) << "blanks with the end mark are an empty place";
    EXPECT_EQ(ParseHiScoreEntry(blank[0]).score, 260);

    HiScoreTable noReference;
    EXPECT_FALSE(SeedHiScoreTable(noReference, 0, kNow, false));
    EXPECT_EQ(noReference, HiScoreTable{});
}

TEST_F(HiScoresTest, FirstDealSeedsTheTableAndTakesItsPlace) {
    EXPECT_EQ(offer(Deal(130, 400)), 4);
    EXPECT_EQ(ReadFile(scores()), kSeededWith130);
    EXPECT_TRUE(platform.messages.empty());
    // The same deal went on to the overall score.
    const auto ranking = ReadOverallScores(files, platform, kGames);
    ASSERT_EQ(ranking.size(), 1u);
    EXPECT_EQ(ranking[0].player, "Marta");
    EXPECT_EQ(ranking[0].score, 130);
    EXPECT_EQ(ranking[0].seconds, 400);
}

TEST_F(HiScoresTest, ADealThatTakesNoPlaceLeavesTheFileAlone) {
    ASSERT_EQ(offer(Deal(130, 400)), 4);
    EXPECT_EQ(offer(Deal(14, 10)), -1);
    EXPECT_EQ(offer(Deal(-50, 10)), -1);
    // Equal score and equal time do not displace the older entry.
    EXPECT_EQ(offer(Deal(15, 75)), -1);
    EXPECT_EQ(ReadFile(scores()), kSeededWith130);
    // A second shorter does.
    EXPECT_EQ(offer(Deal(15, 74)), 19);
    EXPECT_EQ(entry("01", 20), "000015 000074 20240315 14:30:00 Marta                          123456789       Won  x");
    EXPECT_EQ(entry("01", 19), "000020 000100 20240315 14:30:00 * Severin                      000000000000000 Won  x");
}

TEST_F(HiScoresTest, NoPlaceKeepsEvenOtherLineEndsByteForByte) {
    // Lines ended by LF alone and no end of the last line.
    std::string unusual;
    for (size_t at = 0; at < kSeededWith130.size(); ++at) {
        if (kSeededWith130[at] != '\r') unusual += kSeededWith130[at];
    }
    unusual.pop_back();
    WriteFile(scores(), unusual);
    EXPECT_EQ(offer(Deal(5, 10)), -1);
    EXPECT_EQ(ReadFile(scores()), unusual);
    EXPECT_EQ(offer(Deal(5, 10, "Marta", "01", 2), 0), 0) << "another game's empty table, not seeded";
    EXPECT_NE(ReadFile(scores()), unusual);
}

TEST_F(HiScoresTest, EntriesOfAnOlderLayoutAreRewrittenOnlyWhenTheTableChanges) {
    // Entries without the end mark, one place missing, a short one.
    const std::string handWritten =
        "[Version]\r\nVersion=0300\r\n\r\n[0001]\r\n"
        "01-01=000300 000900 20230101 08:00:00 Old Hand                       42              Won\r\n"
        "01-02=000050 000100 20230102 09:00:00 Second\r\n"
        "01-04=000010 000020 20230103 10:00:00 Fourth                         43              Lost\r\n";
    WriteFile(scores(), handWritten);
    EXPECT_EQ(offer(Deal(-1000, 5)), 2) << "the missing place 03 is empty";
    EXPECT_NE(ReadFile(scores()), handWritten);
    WriteFile(scores(), handWritten);
    // Not seeded (its first place is taken) and no place for a deal below
    // the empty places' floor: the file stays as it was, byte for byte.
    HiScoreDeal hopeless = Deal(-999999, 999999);
    EXPECT_EQ(offer(hopeless), -1);
    EXPECT_EQ(ReadFile(scores()), handWritten);

    EXPECT_EQ(offer(Deal(60, 30)), 1);
    EXPECT_EQ(entry("01", 1), "000300 000900 20230101 08:00:00 Old Hand                       42              Won  x");
    EXPECT_EQ(entry("01", 2), "000060 000030 20240315 14:30:00 Marta                          123456789       Won  x");
    EXPECT_EQ(entry("01", 3), PadRight("000050 000100 20230102 09:00:00 Second", 83) + " x");
    EXPECT_EQ(entry("01", 4), kBlankEntry);
    EXPECT_EQ(entry("01", 5), "000010 000020 20230103 10:00:00 Fourth                         43              Lost x");
    for (int place = 6; place <= 20; ++place) EXPECT_EQ(entry("01", place), kBlankEntry) << place;
}

TEST_F(HiScoresTest, ClearingAsksThenEmptiesEveryTableAndDropsTheOverallScores) {
    ASSERT_EQ(offer(Deal(130, 400)), 4);
    ASSERT_TRUE(fs::exists(overall()));

    platform.answers.push_back(Answer::No);
    EXPECT_FALSE(ClearHiScores(files, platform));
    EXPECT_EQ(ReadFile(scores()), kSeededWith130);
    EXPECT_TRUE(fs::exists(overall()));
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(platform.questions[0].text, "Are you sure you want to clear Hi-Scores\rfor all players and all games?");
    EXPECT_EQ(platform.questions[0].caption, "Dravicor");
    EXPECT_EQ(platform.questions[0].buttons, MessageButtons::YesNo);

    clearAnsweringYes();
    EXPECT_EQ(platform.questions.size(), 2u);
    EXPECT_EQ(ReadFile(scores()), kClearedFile);
    EXPECT_FALSE(fs::exists(overall()));
    EXPECT_TRUE(platform.messages.empty());
    // Read, a cleared table shows empty and is not seeded.
    for (const auto& value : ReadHiScoreTable(files, 1, "01", 260, kNow)) EXPECT_TRUE(ParseHiScoreEntry(value).empty);
    EXPECT_EQ(ReadFile(scores()), kClearedFile);
}

TEST_F(HiScoresTest, AfterClearingTheFirstDealOfAnyScoreTakesPlaceOne) {
    clearAnsweringYes();
    EXPECT_EQ(offer(Deal(-20, 33, "Nobody Unusual")), 0);
    std::string expected = kClearedFile +
                           "\r\n[0001]\r\n"
                           "01-01=-00020 000033 20240315 14:30:00 Nobody Unusual                 123456789       Won  x\r\n";
    for (int place = 2; place <= 20; ++place) {
        expected += "01-" + FormatField(place, 2) + "=" + kBlankEntry + "\r\n";
    }
    EXPECT_EQ(ReadFile(scores()), expected);
    // Still not seeded: the next deal of another game also finds an empty table.
    EXPECT_EQ(offer(Deal(-30, 1, "Nobody Unusual", "01", 7)), 0);
    EXPECT_EQ(entry("01", 2, 7), kBlankEntry);
    // A score 0 or below leaves the overall score alone.
    EXPECT_TRUE(ReadOverallScores(files, platform, kGames).empty());
}

TEST_F(HiScoresTest, TablesOfScoringSystemsAreIndependent) {
    ASSERT_EQ(offer(Deal(130, 400)), 4);
    EXPECT_EQ(offer(Deal(1000, 9, "Marta", "02")), 0);
    const std::string file = ReadFile(scores());
    ASSERT_TRUE(file.starts_with(kSeededWith130)) << "the 01 table is untouched";
    // The 02 table was seeded for itself, the deal above its first entry.
    EXPECT_EQ(entry("02", 1), "001000 000009 20240315 14:30:00 Marta                          123456789       Won  x");
    EXPECT_EQ(entry("02", 2), "000260 001300 20240315 14:30:00 * Amelia                       000000000000000 Won  x");
    EXPECT_EQ(entry("02", 20), "000015 000075 20240315 14:30:00 * Thea                         000000000000000 Won  x");
    EXPECT_EQ(offer(Deal(900, 1, "Marta", "02")), 1);
    EXPECT_TRUE(ReadFile(scores()).starts_with(kSeededWith130));

    // After a clear, a deal of table 02 leaves table 01 empty.
    clearAnsweringYes();
    EXPECT_EQ(offer(Deal(5, 5, "Marta", "02")), 0);
    EXPECT_EQ(entry("01", 1), "<missing>");
    EXPECT_EQ(entry("02", 2), kBlankEntry);
}

TEST_F(HiScoresTest, ReadingAnEmptyTableSeedsAndKeepsIt) {
    const HiScoreTable first = ReadHiScoreTable(files, 1, "01", 260, kNow);
    EXPECT_EQ(ParseHiScoreEntry(first[0]).score, 260);
    EXPECT_EQ(ParseHiScoreEntry(first[19]).score, 10);
    const std::string written = ReadFile(scores());
    ASSERT_TRUE(written.starts_with("[Version]\r\nVersion=0300\r\n\r\n[0001]\r\n01-01=000260 001300 20240315 14:30:00"));
    // Read again later: the same entries, the file untouched.
    const HiScoreTable again = ReadHiScoreTable(files, 1, "01", 260, EndedAt("20250101", "00:00:01", 0));
    EXPECT_EQ(again, first);
    EXPECT_EQ(ReadFile(scores()), written);
    // The table then takes part in the next deal as it is.
    EXPECT_EQ(offer(Deal(130, 400)), 4);
    EXPECT_EQ(ReadFile(scores()), kSeededWith130);
}

TEST_F(HiScoresTest, UnreadableScoresAreEmptyPlacesAndUnreadableTimesTheLongest) {
    const std::string damaged =
        "[Version]\r\nVersion=0300\r\n\r\n[0001]\r\n"
        "01-01=000100 000050 20230101 08:00:00 Real                           1               Won  x\r\n"
        "01-02=abcdef 000010 20230101 08:00:00 Garbage                        2               Won  x\r\n"
        "01-03=000090 zzzzzz 20230101 08:00:00 No Time                        3               Won  x\r\n";
    WriteFile(scores(), damaged);
    // -5 beats the unreadable score of place 02.
    EXPECT_EQ(offer(Deal(-5, 10)), 1);
    EXPECT_EQ(ParseHiScoreEntry(entry("01", 2)).score, -5);
    EXPECT_EQ(entry("01", 3), "abcdef 000010 20230101 08:00:00 Garbage                        2               Won  x");

    // An unreadable time counts as the longest.
    WriteFile(scores(), "[Version]\r\nVersion=0300\r\n\r\n[0001]\r\n"
                        "01-01=000090 zzzzzz 20230101 08:00:00 No Time                        3               Won  x\r\n");
    EXPECT_EQ(offer(Deal(90, 999999)), 1) << "as long as the longest time: below";
    EXPECT_EQ(offer(Deal(90, 999998)), 0) << "shorter than the longest time: above";
    EXPECT_EQ(ParseHiScoreEntry(entry("01", 2)).player, "No Time");
    EXPECT_EQ(ParseHiScoreEntry(entry("01", 3)).time, "277:46:39");
}

TEST_F(HiScoresTest, AFailedWriteLosesTheEntryAndSaysSo) {
    ASSERT_EQ(offer(Deal(130, 400)), 4);
    const WriteFaults faults{WriteStep::Create};
    files.setWriteFaults(&faults);
    EXPECT_EQ(offer(Deal(1000, 1)), -1);
    files.setWriteFaults(nullptr);
    EXPECT_EQ(ReadFile(scores()), kSeededWith130);
    ASSERT_FALSE(platform.messages.empty());
    EXPECT_EQ(platform.messages[0].text, "Error creating temp file.");
}

TEST_F(HiScoresTest, UpgradeBringsAnOlderFileToTheCurrentLayout) {
    const std::string old =
        "[Version]\r\nVersion=0200\r\n\r\n[0001]\r\n"
        "01-01=000300 000900 20230101 08:00:00 Old Hand                       42              Won\r\n"
        "01-02=000050 000100 20230102 09:00:00 Second\r\n"
        "[Clear scores]\r\nCleared=N\r\n";
    WriteFile(scores(), old);
    EXPECT_TRUE(UpgradeHiScoreFile(files));
    const std::string upgraded =
        "[Version]\r\nVersion=0300\r\n\r\n\r\n[0001]\r\n"
        "01-01=000300 000900 20230101 08:00:00 Old Hand                       42              Won  x\r\n"
        "01-02=000050 000100 20230102 09:00:00 Second                                              x\r\n"
        "[Clear scores]\r\nCleared=N\r\n";
    EXPECT_EQ(ReadFile(scores()), upgraded);
    EXPECT_FALSE(UpgradeHiScoreFile(files)) << "once is enough";
    EXPECT_EQ(ReadFile(scores()), upgraded);
}

TEST_F(HiScoresTest, UpgradeOfAFileWithoutVersionOrOfNoFile) {
    EXPECT_FALSE(UpgradeHiScoreFile(files));
    EXPECT_FALSE(fs::exists(scores())) << "a missing file stays missing";
    WriteFile(scores(), "[0002]\r\n01-01=000001\r\n");
    EXPECT_TRUE(UpgradeHiScoreFile(files));
    EXPECT_EQ(ReadFile(scores()), "[Version]\r\nVersion=0300\r\n\r\n[0002]\r\n01-01=" + PadRight("000001", 83) + " x\r\n");
}

}  // namespace
}  // namespace dravicor
