// The solver's lines and hints played through the engine as a player plays
// them, the live verdict and the winnable deals: every game of the
// catalogue ends won, no hint leads back to a position met, the verdict
// names the undo steps back to a winnable position, a winnable number
// drawn is confirmed by solve, and the text front end's solve output fed
// to its play session wins the deal.
#include <gtest/gtest.h>

#include <random>

#include "cli/cli_runner.h"
#include "positions.h"
#include "solver/engine_hints.h"
#include "solver/live_verdict.h"
#include "solver/solution_replay.h"
#include "solver/winnable_deal.h"

namespace dravicor::test {
namespace {

SolveBudget Positions(std::int64_t positions) {
    SolveBudget budget;
    budget.positions = positions;
    return budget;
}

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

class Hints : public EngineFixture {};

TEST_F(Hints, FollowedInALoopTheyWinEveryGameOfTheCatalogueOnAWinnableNumber) {
    SolveOptions options;
    options.budget = Positions(30000);
    int games = 0;
    for (const int code : CatalogueGameCodes()) {
        for (int number = 1; number <= 2; ++number) {
            deal(code, std::to_string(number));
            if (Solve(SearchStartOf(engine), options).verdict != Verdict::Won) continue;
            ++games;
            HintFinder finder;
            for (int step = 0; step < 3000 && !engine.IsGameWon(); ++step) {
                const Hint hint = HintForEngine(engine, finder, options.budget);
                ASSERT_TRUE(hint.move) << "game " << code << " number " << number << " step " << step;
                ASSERT_EQ(ReplayOnEngine(engine, {*hint.move}), 1u) << "game " << code << " number " << number;
            }
            EXPECT_TRUE(engine.IsGameWon()) << "game " << code << " number " << number;
            break;
        }
    }
    EXPECT_GT(games, 60);
}

TEST(HintFinder, NoHintLeadsBackToAPositionMetOverRandomPlay) {
    for (const int code : {kKlondike, kFreeCell, kFortyThieves, 10, 12}) {
        std::mt19937 random(static_cast<unsigned>(code) + 3);
        PlayState state = Dealt(code, 7);
        HintFinder finder;
        finder.note(state);
        int hints = 0;
        for (int step = 0; step < 60; ++step) {
            // The search's line is ignored here: the hint is the move by ordering.
            const Hint hint = finder.choose(state, {});
            if (!hint.move) break;
            ++hints;
            EXPECT_EQ(hint.source, HintSource::Ordering);
            EXPECT_FALSE(finder.met(After(state, *hint.move))) << "game " << code << " step " << step;
            MoveList moves;
            GenerateMoves(state, moves);
            if (moves.empty()) break;
            state = After(state, moves[random() % moves.size()]);
            finder.note(state);
        }
        EXPECT_GT(hints, 10) << "game " << code;
    }
}

// A small Baker's Dozen table that is won, and a move from it that loses.
struct LosingMove {
    PlayState won;
    PlayState lost;
};
std::optional<LosingMove> FindLosingMove(std::mt19937& random) {
    const GameRules rules = Catalogue(kBakersDozen);
    for (int round = 0; round < 200; ++round) {
        const PlayState state = SmallTable(rules, 3, random);
        if (Solve(state, {}).verdict != Verdict::Won) continue;
        MoveList moves;
        GenerateMoves(state, moves);
        for (const Move& move : moves) {
            const PlayState next = After(state, move);
            if (Solve(next, {}).verdict == Verdict::Lost) return LosingMove{state, next};
        }
    }
    return std::nullopt;
}

TEST(LiveVerdict, NamesTheUndoStepsBackToAWinnablePosition) {
    std::mt19937 random(11);
    const std::optional<LosingMove> found = FindLosingMove(random);
    ASSERT_TRUE(found);
    LiveVerdictBudgets budgets;
    budgets.now = budgets.earlier = Positions(100000);
    LiveVerdict verdict(budgets);

    verdict.restart({}, found->won);
    verdict.wait();
    EXPECT_EQ(verdict.report(), (LiveVerdictReport{LiveVerdictState::Winnable, 0}));
    verdict.restart({found->won}, found->lost);
    verdict.wait();
    EXPECT_EQ(verdict.report(), (LiveVerdictReport{LiveVerdictState::NoLongerWinnable, 1}));
    // Lost positions further on: the count grows with them.
    std::vector<PlayState> earlier{found->won, found->lost};
    PlayState now = found->lost;
    MoveList moves;
    GenerateMoves(now, moves);
    for (int i = 0; i < 2 && !moves.empty(); ++i) {
        now = After(now, moves[0]);
        verdict.restart(earlier, now);
        verdict.wait();
        EXPECT_EQ(verdict.report(), (LiveVerdictReport{LiveVerdictState::NoLongerWinnable, static_cast<int>(earlier.size())}));
        earlier.push_back(now);
        GenerateMoves(now, moves);
    }
    verdict.restart({found->lost}, found->lost);
    verdict.wait();
    EXPECT_EQ(verdict.report().state, LiveVerdictState::NotWinnable);
}

TEST(LiveVerdict, ItsTextsAndWords) {
    const struct {
        LiveVerdictReport report;
        std::string text;
        std::string word;
    } cases[] = {
        {{LiveVerdictState::Checking, 0}, "Checking\u2026", "unknown"},
        {{LiveVerdictState::Winnable, 0}, "Winnable", "winnable"},
        {{LiveVerdictState::NoLongerWinnable, 1}, "No longer winnable \u2014 undo 1 move to return to a winnable position", "not-winnable"},
        {{LiveVerdictState::NoLongerWinnable, 4}, "No longer winnable \u2014 undo 4 moves to return to a winnable position", "not-winnable"},
        {{LiveVerdictState::NotWinnable, 0}, "Not winnable", "not-winnable"},
        {{LiveVerdictState::Unknown, 0}, "Not known yet", "unknown"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LiveVerdictText(c.report), c.text);
        EXPECT_EQ(LiveVerdictWord(c.report), c.word);
    }
    EXPECT_NE(LiveVerdictNote().find("every card known"), std::string::npos);
    EXPECT_NE(VerdictText(Verdict::Lost).find("even with every card known"), std::string::npos);
}

TEST_F(Hints, TheUndoStepsGiveThePositionsTheyReturnTo) {
    deal(kFreeCell, "3");
    SolveOptions options;
    options.budget = Positions(60000);
    const SolveResult result = Solve(SearchStartOf(engine), options);
    ASSERT_EQ(result.verdict, Verdict::Won);
    const std::vector<Move> line(result.solution.begin(), result.solution.begin() + 5);
    ReplayOnEngine(engine, line);
    const std::vector<PlayState> earlier = EarlierSearchStates(engine);
    ASSERT_EQ(earlier.size(), engine.history().undo.size());
    for (size_t back = 1; back <= earlier.size(); ++back) {
        ASSERT_TRUE(engine.Undo(true));
        EXPECT_EQ(earlier[earlier.size() - back].position, SearchStartOf(engine).position) << back;
    }
}

TEST(WinnableDeal, DrawsANumberThatSolveConfirms) {
    ScratchProgramDir dir;
    const GameRules rules = Catalogue(kKlondike);
    int next = 0;
    const auto numbers = [&next] { return std::to_string(++next); };
    WinnableDealBudget budget;
    budget.perNumber = Positions(30000);
    const WinnableDeal deal = DrawWinnableDeal(rules, numbers, budget);
    ASSERT_TRUE(deal.proved);
    EXPECT_EQ(deal.number, std::to_string(next));
    const CliRun solved = Cli({"--program-dir", dir.path().string(), "solve", "0", deal.number});
    EXPECT_NE((solved.out + solved.err).find("verdict won"), std::string::npos) << solved.out << solved.err;

    const std::atomic<bool> cancel{true};
    const WinnableDeal stopped = DrawWinnableDeal(rules, numbers, budget, &cancel);
    EXPECT_TRUE(stopped.stopped);
    EXPECT_FALSE(stopped.proved);
    budget.mostNumbers = 0;
    EXPECT_EQ(DrawWinnableDeal(rules, numbers, budget).tried, 0);
}

TEST(SolveCommand, ItsLinePlayedThroughPlayWinsTheDeal) {
    ScratchProgramDir dir;
    for (const std::string code : {"1", "0"}) {
        // Every option at once is taken.
        const CliRun solved = Cli({"--program-dir", dir.path().string(), "solve", code, "1", "--budget", "20000000",
                                   "--seconds", "60", "--cpu-seconds", "60", "--memory", "64", "--moves"});
        ASSERT_EQ(solved.code, 0) << solved.err;
        EXPECT_NE(solved.err.find("verdict won (thoughtful"), std::string::npos) << solved.err;
        const CliRun played = Cli({"--program-dir", dir.path().string(), "play", code, "1"}, solved.out + "state\n");
        EXPECT_NE(played.out.find("won yes"), std::string::npos) << code;
        EXPECT_EQ(played.out.find("refused"), std::string::npos) << code;
    }
    const CliRun survey = Cli({"--program-dir", dir.path().string(), "survey", "1", "1", "4", "--budget", "20000000",
                               "--seconds", "60", "--cpu-seconds", "60", "--memory", "64", "--jobs", "2", "--deals"});
    ASSERT_EQ(survey.code, 0) << survey.err;
    EXPECT_NE(survey.out.find("deal 4 won "), std::string::npos) << survey.out;
    EXPECT_NE(survey.out.find("won 4 (100.0%"), std::string::npos) << survey.out;
    EXPECT_EQ(Cli({"--program-dir", dir.path().string(), "solve", "1", "5", "--budget", "x"}).code, 2);
}

}  // namespace
}  // namespace dravicor::test
