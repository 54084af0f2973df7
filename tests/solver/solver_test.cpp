// The solver: its verdicts against an exhaustive search of small tables,
// its budgets and its cancelling, the shortest line, the order of its moves.
#include <gtest/gtest.h>

#include <random>
#include <set>

#include "positions.h"
#include "solver/background_solver.h"
#include "solver/move_order.h"
#include "solver/safe_moves.h"
#include "solver/search_key.h"
#include "solver/solver.h"

namespace dravicor::test {
namespace {

// Every position reachable, compared whole: won when one of them is.
bool WinnableByExhaustion(PlayState& state, Journal& journal, std::set<std::vector<std::string>>& seen) {
    if (IsWon(state)) return true;
    if (WinTestHolds(state) || !seen.insert(BuildSnapshot(state.position)).second) return false;
    MoveList moves;
    GenerateMoves(state, moves);
    for (const Move& move : moves) {
        const UndoMark mark = journal.mark();
        if (!ApplyMove(state, move, journal).applied) continue;
        if (!WinTestHolds(state)) ApplyFollowUps(state, journal);
        const bool won = WinnableByExhaustion(state, journal, seen);
        UndoMove(state, journal, mark);
        if (won) return true;
    }
    return false;
}

TEST(Solver, VerdictsAgreeWithAnExhaustiveSearchOfSmallTables) {
    struct Case {
        int code;
        int reserves;  // free cells kept
        int piles;
        int stock = 0;  // cards the stock deals onto the piles, one each
    };
    // Gypsy on two piles with four cards to deal: the stock makes each pile
    // a place while it deals. Of its 48 rounds, one is won only if the
    // search does not take the two piles for one another.
    const Case cases[] = {{kBakersDozen, 0, 3}, {kFreeCell, 1, 3}, {kFreeCell, 0, 4}, {kKlondike, 0, 3}, {60, 0, 2, 4}};
    int won = 0;
    int lost = 0;
    std::mt19937 random(7);
    for (const Case& c : cases) {
        GameRules rules = Catalogue(c.code);
        rules.set(Rule::ReserveCount, c.reserves);
        if (c.stock > 0) rules.set(Rule::TableauCount, c.piles);
        for (int round = 0; round < (c.stock > 0 ? 48 : 12); ++round) {
            // In Klondike the lower card of each pile lies face down.
            const PlayState state = SmallTable(rules, c.piles, random, c.code == kKlondike, c.stock);
            Journal journal;
            std::set<std::vector<std::string>> seen;
            PlayState copy = state;
            const bool winnable = WinnableByExhaustion(copy, journal, seen);
            const SolveResult result = Solve(state, {});
            ASSERT_NE(result.verdict, Verdict::Unknown);
            EXPECT_EQ(result.end, SearchEnd::Done);
            EXPECT_EQ(result.verdict == Verdict::Won, winnable) << "game " << c.code << " round " << round;
            if (result.verdict == Verdict::Won) {
                EXPECT_TRUE(LineWins(state, result.solution));
            }
            ++(winnable ? won : lost);
        }
    }
    EXPECT_GT(won, 5);
    EXPECT_GT(lost, 5);
}

TEST(Solver, BudgetsAndARaisedFlagEndTheSearchWithUnknown) {
    struct Case {
        SolveBudget budget;
        bool cancelled;  // the flag raised before the start: it ends the search at the first look
        SearchEnd end;
        int maxDepth = SolveOptions{}.maxDepth;
    };
    const Case cases[] = {
        {{40, std::size_t{64} << 20, std::chrono::milliseconds(0)}, false, SearchEnd::Positions},
        {{0, std::size_t{4} << 10, std::chrono::milliseconds(0)}, false, SearchEnd::Memory},
        {{0, std::size_t{64} << 20, std::chrono::milliseconds(30)}, false, SearchEnd::Time},
        {{0, std::size_t{64} << 20, std::chrono::milliseconds(0)}, true, SearchEnd::Cancelled},
        // Every line cut three moves deep: all searched, and still no proof.
        {{0, std::size_t{64} << 20, std::chrono::milliseconds(0)}, false, SearchEnd::Depth, 3},
    };
    // A deal the search does not decide within 20 million positions, so
    // that no budget here is outlasted by a quick win.
    const PlayState state = Dealt(kKlondikeThrees, 2);
    const std::atomic<bool> raised{true};
    for (const Case& c : cases) {
        SolveOptions options;
        options.budget = c.budget;
        options.maxDepth = c.maxDepth;
        const SolveResult result = Solver(state, options).run(c.cancelled ? &raised : nullptr);
        EXPECT_EQ(result.verdict, Verdict::Unknown);
        EXPECT_EQ(result.end, c.end);
        if (c.end == SearchEnd::Positions) {
            EXPECT_EQ(result.positions, 40);
        }
        if (c.end == SearchEnd::Memory) {
            EXPECT_LT(result.peakMemory, std::size_t{1} << 20);
        }
        if (c.end == SearchEnd::Cancelled) {
            EXPECT_LE(result.positions, 256);
        }
    }
}

TEST(BackgroundSolver, CancellingEndsItsSearchAtOnce) {
    SolveOptions options;
    options.budget.time = std::chrono::milliseconds(0);
    options.budget.positions = 0;
    // A deal whose search goes on for seconds.
    BackgroundSolver background;
    background.start(Dealt(kFortyThieves, 1), options);
    std::this_thread::sleep_for(std::chrono::milliseconds(40));
    const auto asked = std::chrono::steady_clock::now();
    background.cancel();
    EXPECT_LT(std::chrono::steady_clock::now() - asked, std::chrono::seconds(1));
    ASSERT_TRUE(background.result().has_value());
    EXPECT_EQ(background.result()->end, SearchEnd::Cancelled);
    EXPECT_FALSE(background.running());
}

TEST(Solver, ShortestSearchKeepsTheShortestLine) {
    // The same search given ten times the positions: its line can only get
    // shorter. (The first line of a plain solve may come from another search.)
    const PlayState state = Dealt(kFreeCell, 3);
    SolveOptions first;
    first.shortest = true;
    first.budget.positions = 20000;
    SolveOptions shortest = first;
    shortest.budget.positions = 200000;
    const SolveResult a = Solve(state, first);
    const SolveResult b = Solve(state, shortest);
    ASSERT_EQ(a.verdict, Verdict::Won);
    ASSERT_EQ(b.verdict, Verdict::Won);
    EXPECT_LE(b.solution.size(), a.solution.size());
    EXPECT_TRUE(LineWins(state, b.solution));
}

// A card lying on one the foundations want before it buries it. Calculation's
// foundations build by steps (A, 2, 3, 4 on top: they want a 2, a 4, a 6 and
// an 8 next, a King last of all); Strategy's take nothing while the hand
// lasts, but the hand is laid out for the order they will want once open.
TEST(MoveOrder, ACardTheFoundationsWantEarlierIsWorseBuried) {
    constexpr int kCalculation = 11;
    constexpr int kStrategy = 178;
    struct Case {
        const char* what;
        int code;
        std::vector<int> bases;  // the foundations' top cards, one a pile
        int hand;                // a card left on the waste, or 0
        int later, earlier;      // the better pile has `earlier` on `later`
    };
    const Case cases[] = {
        {"a 2 under a King", kCalculation, {Spades(1), Diamonds(2), Diamonds(3), Hearts(4)}, 0, Clubs(13), Clubs(2)},
        {"the 3 comes one step after the 2", kCalculation, {Spades(1), Diamonds(2), Diamonds(3), Hearts(4)}, 0,
         Clubs(3), Clubs(2)},
        {"closed while the hand lasts", kStrategy, {Spades(1), Hearts(1), Diamonds(1), Clubs(1)}, Hearts(9), Clubs(13),
         Clubs(2)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto valueOf = [&c](int below, int above) {
            PlayState state(Catalogue(c.code));
            int f = 0;
            for (const int card : c.bases) state.position.Append(PileId::Foundation(++f), static_cast<CardNumber>(card), true);
            if (c.hand != 0) state.position.Append(PileId::Waste(), static_cast<CardNumber>(c.hand), true);
            state.position.Append(PileId::Tableau(1), static_cast<CardNumber>(below), true);
            state.position.Append(PileId::Tableau(1), static_cast<CardNumber>(above), true);
            return MoveOrder(state).value(state, SearchKey(state));
        };
        EXPECT_GT(valueOf(c.later, c.earlier), valueOf(c.earlier, c.later));
    }
}

// FreeCell: a card may go home without trying the other moves only when
// every card that could lie on it in the tableau is home already.
TEST(SafeMoves, ACardGoesHomeUnaskedOnlyWhenNothingCouldStillLieOnIt) {
    struct Case {
        const char* what;
        std::vector<int> home;  // the foundations' cards, one a pile
        int card;               // on tableau pile 1, to its foundation
        bool safe;
    };
    const Case cases[] = {
        {"an Ace", {}, Hearts(1), true},
        {"a red 2 with both black Aces home", {Hearts(1), Clubs(1), Spades(1)}, Hearts(2), true},
        {"a red 2 with the Ace of clubs out", {Hearts(1), Spades(1)}, Hearts(2), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PlayState state(Catalogue(kFreeCell));
        int f = 0;
        for (const int card : c.home) state.position.Append(PileId::Foundation(++f), static_cast<CardNumber>(card), true);
        state.position.Append(PileId::Tableau(1), static_cast<CardNumber>(c.card), true);
        state.position.Append(PileId::Tableau(2), Diamonds(13), true);
        const PileId to = PileId::Foundation(CardRank(c.card) == 1 ? f + 1 : 1);
        const SafeMoves safe(state);
        ASSERT_TRUE(safe.foundationMovesSafe());
        EXPECT_EQ(safe.isSafe(state, Move::CardTo(c.card, PileId::Tableau(1), to)), c.safe);
    }
}

}  // namespace
}  // namespace dravicor::test
