// Hints, the live verdict and the winnable deals: hints followed win every
// game of the catalogue, no hint leads back to a position met, the verdict
// names the undo steps back to a winnable position, a winnable number
// drawn is confirmed by solve.
#include <gtest/gtest.h>

#include <random>

#include "cli/cli_runner.h"
#include "engine/engine_fixture.h"
#include "play/dealt_state.h"
#include "play/move_core.h"
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

PlayState After(PlayState state, const Move& move) {
    Journal journal;
    ApplyMove(state, move, journal);
    if (!WinTestHolds(state)) ApplyFollowUps(state, journal);
    return state;
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
        PlayState state = *DealtPlayState(LoadGameRules(BuiltCatalogue(), code, NoCustomGames()), "7");
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

constexpr int Hearts(int rank) { return rank; }
constexpr int Spades(int rank) { return 39 + rank; }

// A small Baker's Dozen table that is won, and a move from it that loses.
struct LosingMove {
    PlayState won;
    PlayState lost;
};
std::optional<LosingMove> FindLosingMove(std::mt19937& random) {
    const GameRules rules = LoadGameRules(BuiltCatalogue(), kBakersDozen, NoCustomGames());
    for (int round = 0; round < 200; ++round) {
        std::vector<int> cards;
        for (int rank = 1; rank <= 4; ++rank) cards.insert(cards.end(), {Hearts(rank), Spades(rank)});
        std::shuffle(cards.begin(), cards.end(), random);
        PlayState state(rules);
        for (size_t i = 0; i < cards.size(); ++i) {
            state.position.Append(PileId::Tableau(static_cast<int>(i % 3) + 1), static_cast<CardNumber>(cards[i]), true);
        }
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
    const GameRules rules = LoadGameRules(BuiltCatalogue(), kKlondike, NoCustomGames());
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

}  // namespace
}  // namespace dravicor::test
