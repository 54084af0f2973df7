#include "cli/cli.h"
#include "cli_runner.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <sys/wait.h>

#include "support/temp_dir.h"

namespace dravicor {
namespace {

using test::ScratchProgramDir;
using test::TempDir;
using test::WriteFile;

using test::Cli;
using test::CliRun;
using test::Lines;

TEST(Cli, SettingsListsEveryFieldAfterStartUp) {
    ScratchProgramDir dir;
    const CliRun run = Cli({"--program-dir", dir.path().string(), "settings"});
    ASSERT_EQ(run.code, 0) << run.err;
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 67u);
    EXPECT_EQ(lines.front(), "ConfigName=DATA/CFG.DAT");
    EXPECT_EQ(lines[1], "CardBack=011");
    EXPECT_EQ(lines[3], "POS27=N");
    EXPECT_EQ(lines[4], "POS28=-2147483633");
    EXPECT_EQ(lines[lines.size() - 3], "DataReadOnly=");
    EXPECT_EQ(lines[lines.size() - 2], "UserDir=" + dir.path().string() + "/");
    EXPECT_EQ(lines.back(), "ProgramDir=" + dir.path().string() + "/");
    EXPECT_NE(std::find(lines.begin(), lines.end(), "CurrentPlayer=Player 1"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "CurrentGameName=FreeCell"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "POS129="), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "POS251=N"), lines.end()) << "the high-contrast table is off";
    EXPECT_TRUE(std::filesystem::exists(dir / "DATA" / "CFG.DAT"));
}

TEST(Cli, SettingsFollowTheConfiguration) {
    ScratchProgramDir dir;
    WriteFile(dir / "DATA" / "CFG.DAT", "[Preference]\r\nGame=42\r\nUserDefault=Zoe\r\nCard_Size=P\r\n");
    const CliRun run = Cli({"settings", "--program-dir", dir.path().string()});
    ASSERT_EQ(run.code, 0);
    const auto lines = Lines(run.out);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "CurrentGame=0042"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "CurrentPlayer=Zoe"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "CardSize=P"), lines.end());
}

TEST(Cli, CardsPrintsTheTableInOrder) {
    ScratchProgramDir dir;
    const CliRun run = Cli({"--program-dir", dir.path().string(), "cards"});
    ASSERT_EQ(run.code, 0);
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 104u);
    EXPECT_EQ(lines[0], "CUORI_A        10011");
    EXPECT_EQ(lines[9], "CUORI_10       10101");
    EXPECT_EQ(lines[13], "QUADR_A        20141");
    EXPECT_EQ(lines[51], "PICCH_K        40521");
    EXPECT_EQ(lines[52], "CUORI_A        10531");
    EXPECT_EQ(lines[103], "PICCH_K        41041");
}

TEST(Cli, WrongUsageGivesUsageAndExitCodeTwo) {
    for (const auto& args : std::vector<std::vector<std::string>>{
             {}, {"dance"}, {"--program-dir"}, {"settings", "extra"}, {"--program-dir", "/tmp"}}) {
        const CliRun run = Cli(args);
        EXPECT_EQ(run.code, 2);
        EXPECT_TRUE(run.out.empty());
        EXPECT_NE(run.err.find("usage: dravicor-cli"), std::string::npos);
    }
    EXPECT_NE(Cli({"dance"}).err.find("unknown command: dance"), std::string::npos);
    const CliRun help = Cli({"--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_EQ(help.out.rfind("usage: dravicor-cli", 0), 0u);
    EXPECT_TRUE(help.err.empty());
}

TEST(Cli, UnwritableDataFolderIsReportedOnStandardError) {
    ScratchProgramDir dir;
    WriteFile(dir / "DATA", "not a folder");
    const CliRun run = Cli({"--program-dir", dir.path().string(), "settings"});
    EXPECT_EQ(run.code, 0);
    EXPECT_NE(run.err.find("message: Unable to write to "), std::string::npos);
    EXPECT_NE(run.out.find("CurrentPlayer=Player 1"), std::string::npos);
}

TEST(Cli, GamesListsTheCatalogue) {
    ScratchProgramDir dir;
    const CliRun run = Cli({"--program-dir", dir.path().string(), "games"});
    ASSERT_EQ(run.code, 0) << run.err;
    const auto lines = Lines(run.out);
    ASSERT_GE(lines.size(), 7u);
    EXPECT_EQ(lines[0], "0 5 Klondike");
    EXPECT_EQ(lines[1], "1 4 FreeCell");
    EXPECT_NE(std::find(lines.begin(), lines.end(), "3 8 Spider"), lines.end());
}

TEST(Cli, RulesListsNonZeroParametersInIndexOrder) {
    ScratchProgramDir dir;
    const CliRun run = Cli({"--program-dir", dir.path().string(), "rules", "1"});
    ASSERT_EQ(run.code, 0) << run.err;
    const auto lines = Lines(run.out);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "11 -5"), lines.end()) << "FreeCell's move limit";
    EXPECT_NE(std::find(lines.begin(), lines.end(), "257 8"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "260 52"), lines.end());
    int previous = -1;
    for (const auto& line : lines) {
        const int index = std::stoi(line.substr(0, line.find(' ')));
        EXPECT_GT(index, previous);
        EXPECT_NE(line.substr(line.find(' ') + 1), "0");
        previous = index;
    }
    const CliRun unknown = Cli({"--program-dir", dir.path().string(), "rules", "999"});
    EXPECT_EQ(unknown.code, 1);
    EXPECT_EQ(unknown.err, "dravicor-cli: no game has the code 999\n");
    EXPECT_EQ(Cli({"--program-dir", dir.path().string(), "rules", "x"}).code, 1);
}

TEST(Cli, MissingCatalogueEndsWithItsMessage) {
    TempDir dir;
    const CliRun run = Cli({"--program-dir", dir.path().string(), "games"});
    EXPECT_EQ(run.code, 1);
    EXPECT_TRUE(run.out.empty());
    EXPECT_NE(run.err.find("message: Cannot find file: " + dir.path().string() + "/GAMES.DAT"), std::string::npos);
}

TEST(Cli, DeckPrintsTheOrderOrAnError) {
    const CliRun run = Cli({"deck", "1", "52"});
    ASSERT_EQ(run.code, 0);
    EXPECT_EQ(run.out,
              "40 4 43 39 15 6 16 45 18 35 34 7 49 11 25 24 26 27 46 30 48 10 12 32 21 2 41 3 42 5 14 44 17 13 "
              "33 9 19 23 52 22 37 38 51 28 8 29 47 31 20 50 36 1\n");
    std::istringstream twoDecks(Cli({"deck", "1234567890123", "104"}).out);
    std::vector<int> cards;
    for (int card = 0; twoDecks >> card;) cards.push_back(card);
    std::sort(cards.begin(), cards.end());
    ASSERT_EQ(cards.size(), 104u);
    for (int i = 0; i < 104; ++i) EXPECT_EQ(cards[static_cast<size_t>(i)], i + 1);
    const CliRun bad = Cli({"deck", "12a", "52"});
    EXPECT_EQ(bad.code, 1);
    EXPECT_TRUE(bad.out.empty());
    EXPECT_FALSE(bad.err.empty());
    const CliRun badCount = Cli({"deck", "1", "60"});
    EXPECT_EQ(badCount.code, 1);
    EXPECT_EQ(badCount.err, "dravicor-cli: Error 01 - fnGameNumberCardsArray\n");
    EXPECT_EQ(Cli({"deck", "1", "many"}).code, 1);
    EXPECT_EQ(Cli({"deck", "1"}).code, 2);
}

TEST(Cli, AQuitDealShowsUpInEveryRecord) {
    ScratchProgramDir dir;
    WriteFile(dir / "DATA" / "CFG.DAT", "[Preference]\r\nAutoPlay=N\r\nUserDefault=Ann\r\n[Users]\r\nUser001=Ann\r\n");
    const std::string d = dir.path().string();
    ASSERT_EQ(Cli({"--program-dir", d, "play", "0", "4242"}, "stock\nhint\nquit\n").code, 0);

    const CliRun stats = Cli({"--program-dir", d, "stats", "0", "Ann"});
    EXPECT_EQ(stats.out,
              "Won=0\nLost=1\nBestWinStreak=0\nWorstLossStreak=1\nCurrentWinStreak=0\nCurrentLossStreak=1\n"
              "TotalScore=-52\nHintsUsed=1\n");
    const auto log = Lines(Cli({"--program-dir", d, "log"}).out);
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].size(), 152u);
    EXPECT_EQ(log[0].substr(143), "0350 0001") << "the hint taken";
    EXPECT_EQ(log[0].substr(25, 13), "0000 Klondike");
    EXPECT_EQ(log[0].substr(81, 3), "Ann");
    EXPECT_EQ(log[0].substr(112, 14), "Lost 01 -52   ");
    EXPECT_EQ(log[0].substr(127, 4), "4242");

    // The empty table is seeded (52 cards: 52 points at the top); -52 takes no place.
    const auto table = Lines(Cli({"--program-dir", d, "hiscores", "0"}).out);
    ASSERT_EQ(table.size(), 20u);
    EXPECT_EQ(table[0].substr(0, 6), "01\t52\t");
    EXPECT_EQ(table[19].substr(0, 5), "20\t2\t");
    EXPECT_TRUE(Cli({"--program-dir", d, "overall"}).out.empty()) << "no positive score yet";

    // Another deal is counted for the player chosen since.
    EXPECT_EQ(Cli({"--program-dir", d, "players", "add", "Bob"}).code, 0);
    EXPECT_EQ(Cli({"--program-dir", d, "players", "choose", "Bob"}).code, 0);
    EXPECT_EQ(Cli({"--program-dir", d, "players"}).out, "  Ann\n* Bob\n");
    ASSERT_EQ(Cli({"--program-dir", d, "play", "0", "4243"}, "").code, 0);
    EXPECT_EQ(Lines(Cli({"--program-dir", d, "stats", "0", "Bob"}).out)[1], "Lost=1");
    EXPECT_EQ(Lines(Cli({"--program-dir", d, "log"}).out).size(), 2u);
}

TEST(Cli, PlayerCommandsReportTheirProblems) {
    ScratchProgramDir dir;
    const std::string d = dir.path().string();
    const CliRun twice = Cli({"--program-dir", d, "players", "add", "Player 1"});
    EXPECT_EQ(twice.code, 1);
    EXPECT_EQ(twice.err, "dravicor-cli: This player name already exists.\n");
    const CliRun current = Cli({"--program-dir", d, "players", "delete", "Player 1"});
    EXPECT_EQ(current.code, 1);
    EXPECT_EQ(current.err, "dravicor-cli: It is impossible to delete the selected player.\n");
    EXPECT_EQ(Cli({"--program-dir", d, "players", "rename", "Player 1", "Zoe"}).code, 0);
    EXPECT_EQ(Cli({"--program-dir", d, "players"}).out, "* Zoe\n");
    EXPECT_EQ(Cli({"--program-dir", d, "players", "dance"}).code, 2);
}

// The installed program: exit codes and streams as a script sees them.
TEST(CliProgram, ExitCodesOfTheRealProgram) {
    ScratchProgramDir dir;
    const std::string program = DRAVICOR_CLI_PATH;
    auto status = [](const std::string& command) {
        const int raw = std::system(command.c_str());
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    };
    EXPECT_EQ(status(program + " --program-dir " + dir.path().string() + " cards > /dev/null"), 0);
    EXPECT_EQ(status(program + " bogus 2> /dev/null"), 2);
}

}  // namespace
}  // namespace dravicor
