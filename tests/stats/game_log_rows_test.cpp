#include "stats/game_log_rows.h"

#include <gtest/gtest.h>

#include "stats/game_log.h"

namespace dravicor {
namespace {

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

TEST(GameLogRows, CutsEveryCellFromItsColumns) {
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
}

TEST(GameLogRows, AShortLineGivesPartialCellsAndNoCrash) {
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

}  // namespace
}  // namespace dravicor
