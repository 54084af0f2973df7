// The solver's lines played through the engine as a player plays them:
// every game of the catalogue on several numbers ends won, and the text
// front end's solve output fed to its play session wins the deal.
#include <gtest/gtest.h>

#include "cli/cli_runner.h"
#include "engine/engine_fixture.h"
#include "solver/solution_replay.h"
#include "solver/solver.h"

namespace dravicor::test {
namespace {

class SolutionReplay : public EngineFixture {};

TEST_F(SolutionReplay, EveryGameOfTheCatalogueWinsThroughTheEngine) {
    constexpr int kNumbersTried = 6;
    constexpr int kWinsWanted = 2;
    SolveOptions options;
    options.budget.positions = 60000;
    std::vector<int> unsolved;
    const std::vector<int> games = CatalogueGameCodes();
    ASSERT_GT(games.size(), 100u);
    for (const int code : games) {
        int wins = 0;
        for (int number = 1; number <= kNumbersTried && wins < kWinsWanted; ++number) {
            deal(code, std::to_string(number));
            const SolveResult result = Solve(SearchStartOf(engine), options);
            if (result.verdict != Verdict::Won) continue;
            ++wins;
            EXPECT_EQ(ReplayOnEngine(engine, result.solution), result.solution.size()) << "game " << code << " number " << number;
            EXPECT_TRUE(engine.IsGameWon()) << "game " << code << " number " << number;
        }
        if (wins == 0) unsolved.push_back(code);
    }
    std::string list;
    for (const int code : unsolved) list += ' ' + std::to_string(code);
    // Within this small budget over half the games win one of the numbers.
    EXPECT_LT(unsolved.size() * 2, games.size()) << "no win found for:" << list;
}

TEST(SolveCommand, ItsLinePlayedThroughPlayWinsTheDeal) {
    ScratchProgramDir dir;
    for (const std::string code : {"1", "0"}) {
        const CliRun solved = Cli({"--program-dir", dir.path().string(), "solve", code, "1", "--moves"});
        ASSERT_EQ(solved.code, 0) << solved.err;
        EXPECT_NE(solved.err.find("verdict won (thoughtful"), std::string::npos) << solved.err;
        const CliRun played = Cli({"--program-dir", dir.path().string(), "play", code, "1"}, solved.out + "state\n");
        EXPECT_NE(played.out.find("won yes"), std::string::npos) << code;
        EXPECT_EQ(played.out.find("refused"), std::string::npos) << code;
    }
    const CliRun survey = Cli({"--program-dir", dir.path().string(), "survey", "1", "1", "4", "--jobs", "2", "--deals"});
    ASSERT_EQ(survey.code, 0) << survey.err;
    EXPECT_NE(survey.out.find("deal 4 won "), std::string::npos) << survey.out;
    EXPECT_NE(survey.out.find("won 4 (100.0%"), std::string::npos) << survey.out;
    EXPECT_EQ(Cli({"--program-dir", dir.path().string(), "solve", "1", "5", "--budget", "x"}).code, 2);
}

}  // namespace
}  // namespace dravicor::test
