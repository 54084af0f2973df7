// The solver: its position key against a fresh one over random play, its
// verdicts against an exhaustive search of small tables, its budgets and
// its cancelling.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <set>

#include "line_wins.h"
#include "play/dealt_state.h"
#include "play/move_core.h"
#include "rules/catalogue.h"
#include "solver/background_solver.h"
#include "solver/move_order.h"
#include "solver/search_key.h"
#include "solver/solver.h"
#include "support/temp_dir.h"

namespace dravicor {
namespace {

constexpr int kKlondike = 0;
constexpr int kFreeCell = 1;
constexpr int kKlondikeThrees = 2;
constexpr int kFortyThieves = 5;
constexpr int kBakersDozen = 6;

constexpr int Hearts(int rank) { return rank; }
constexpr int Diamonds(int rank) { return 13 + rank; }
constexpr int Clubs(int rank) { return 26 + rank; }
constexpr int Spades(int rank) { return 39 + rank; }

GameRules Catalogue(int code) { return LoadGameRules(test::BuiltCatalogue(), code, NoCustomGames()); }

PlayState Dealt(int code, int number) { return *DealtPlayState(Catalogue(code), std::to_string(number)); }

TEST(SearchKey, FollowsEveryMoveAndEveryTakeBack) {
    for (const int code : {0, 1, 3, 5, 7, 10, 12, 18}) {
        for (int number = 1; number <= 3; ++number) {
            PlayState state = Dealt(code, number);
            SearchKey key(state);
            Journal journal;
            MoveList moves;
            std::vector<std::pair<UndoMark, std::uint64_t>> made;
            std::mt19937 random(static_cast<unsigned>(code * 100 + number));
            for (int step = 0; step < 150; ++step) {
                GenerateMoves(state, moves);
                if (!made.empty() && (moves.empty() || random() % 4 == 0)) {
                    UndoMove(state, journal, made.back().first);
                    key.takeBack();
                    EXPECT_EQ(key.value(), made.back().second) << "game " << code << " step " << step;
                    made.pop_back();
                    continue;
                }
                if (moves.empty()) break;
                const Move move = moves[static_cast<int>(random() % static_cast<unsigned>(moves.size()))];
                const UndoMark mark = journal.mark();
                const std::uint64_t before = key.value();
                if (!ApplyMove(state, move, journal).applied) continue;
                if (!WinTestHolds(state)) ApplyFollowUps(state, journal);
                key.update(state, journal, mark);
                made.emplace_back(mark, before);
                ASSERT_EQ(key.value(), SearchKey(state).value()) << "game " << code << " after " << MoveText(move);
            }
        }
    }
}

TEST(SearchKey, PilesThatPlayAlikeMayTradePlaces) {
    const auto table = [](PileId cell, PileId pile, bool kingUp) {
        PlayState state(Catalogue(kFreeCell));
        state.position.Append(cell, Hearts(5), true);
        state.position.Append(pile, Spades(13), kingUp);
        return SearchKey(state).value();
    };
    EXPECT_EQ(table(PileId::Reserve(1), PileId::Tableau(1), true), table(PileId::Reserve(3), PileId::Tableau(6), true));
    EXPECT_NE(table(PileId::Reserve(1), PileId::Tableau(1), true), table(PileId::Reserve(1), PileId::Tableau(1), false));
    EXPECT_NE(table(PileId::Reserve(1), PileId::Tableau(1), true), table(PileId::Tableau(2), PileId::Tableau(1), true));
}

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
    };
    const Case cases[] = {{kBakersDozen, 0, 3}, {kFreeCell, 1, 3}, {kFreeCell, 0, 4}, {kKlondike, 0, 3}};
    int won = 0;
    int lost = 0;
    std::mt19937 random(7);
    for (const Case& c : cases) {
        GameRules rules = Catalogue(c.code);
        rules.set(Rule::ReserveCount, c.reserves);
        for (int round = 0; round < 12; ++round) {
            std::vector<int> cards;
            for (int rank = 1; rank <= 4; ++rank) cards.insert(cards.end(), {Hearts(rank), Spades(rank)});
            std::shuffle(cards.begin(), cards.end(), random);
            PlayState state(rules);
            for (size_t i = 0; i < cards.size(); ++i) {
                const PileId pile = PileId::Tableau(static_cast<int>(i % static_cast<size_t>(c.piles)) + 1);
                // In Klondike the lower card of each pile lies face down.
                const bool up = c.code != kKlondike || i + static_cast<size_t>(c.piles) >= cards.size();
                state.position.Append(pile, static_cast<CardNumber>(cards[i]), up);
            }
            Journal journal;
            std::set<std::vector<std::string>> seen;
            PlayState copy = state;
            const bool winnable = WinnableByExhaustion(copy, journal, seen);
            const SolveResult result = Solve(state, {});
            ASSERT_NE(result.verdict, Verdict::Unknown);
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

TEST(Solver, AHandMadeDeadEndIsLost) {
    // No 3 to take a 2, no empty pile that takes a card: nothing moves.
    PlayState state(Catalogue(kBakersDozen));
    state.position.Append(PileId::Tableau(1), Hearts(1), true);
    state.position.Append(PileId::Tableau(1), Spades(2), true);
    state.position.Append(PileId::Tableau(2), Spades(1), true);
    state.position.Append(PileId::Tableau(2), Hearts(2), true);
    const SolveResult result = Solve(state, {});
    EXPECT_EQ(result.verdict, Verdict::Lost);
    EXPECT_EQ(result.end, SearchEnd::Done);
    EXPECT_NE(VerdictText(result.verdict).find("every card known"), std::string::npos);
}

TEST(Solver, BudgetsEndTheSearchWithUnknown) {
    struct Case {
        SolveBudget budget;
        SearchEnd end;
    };
    const Case cases[] = {
        {{40, std::size_t{64} << 20, std::chrono::milliseconds(0)}, SearchEnd::Positions},
        {{0, std::size_t{4} << 10, std::chrono::milliseconds(0)}, SearchEnd::Memory},
        {{0, std::size_t{64} << 20, std::chrono::milliseconds(30)}, SearchEnd::Time},
    };
    const PlayState state = Dealt(kKlondikeThrees, 1);
    for (const Case& c : cases) {
        SolveOptions options;
        options.budget = c.budget;
        const SolveResult result = Solve(state, options);
        EXPECT_EQ(result.verdict, Verdict::Unknown);
        EXPECT_EQ(result.end, c.end);
        if (c.end == SearchEnd::Positions) {
            EXPECT_EQ(result.positions, 40);
        }
        if (c.end == SearchEnd::Memory) {
            EXPECT_LT(result.peakMemory, std::size_t{1} << 20);
        }
    }
}

TEST(Solver, CancellingEndsTheSearchAtOnce) {
    // A flag raised before the start ends it at the first look.
    const std::atomic<bool> raised{true};
    SolveOptions options;
    options.budget.time = std::chrono::milliseconds(0);
    options.budget.positions = 0;
    const SolveResult early = Solver(Dealt(kFreeCell, 2), options).run(&raised);
    EXPECT_EQ(early.end, SearchEnd::Cancelled);
    EXPECT_LE(early.positions, 256);

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
    const PlayState state = Dealt(kFreeCell, 3);
    SolveOptions first;
    first.budget.positions = 200000;
    SolveOptions shortest = first;
    shortest.shortest = true;
    const SolveResult a = Solve(state, first);
    const SolveResult b = Solve(state, shortest);
    ASSERT_EQ(a.verdict, Verdict::Won);
    ASSERT_EQ(b.verdict, Verdict::Won);
    EXPECT_LE(b.solution.size(), a.solution.size());
    EXPECT_TRUE(LineWins(state, b.solution));
}

// Calculation's foundations build by steps (A, 2, 3, 4 on top: they want a
// 2, a 4, a 6 and an 8 next, a King last of all): a wanted 2 buried under a
// King is worse than the King under the 2.
TEST(MoveOrder, ACardTheFoundationsWantEarlierIsWorseBuried) {
    constexpr int kCalculation = 11;
    const auto valueOf = [](CardNumber below, CardNumber above) {
        PlayState state(Catalogue(kCalculation));
        const CardNumber bases[] = {Spades(1), Diamonds(2), Diamonds(3), Hearts(4)};
        for (int f = 0; f < 4; ++f) state.position.Append(PileId::Foundation(f + 1), bases[f], true);
        state.position.Append(PileId::Tableau(1), below, true);
        state.position.Append(PileId::Tableau(1), above, true);
        return MoveOrder(state).value(state, SearchKey(state));
    };
    EXPECT_GT(valueOf(Clubs(13), Clubs(2)), valueOf(Clubs(2), Clubs(13)));
    EXPECT_GT(valueOf(Clubs(3), Clubs(2)), valueOf(Clubs(2), Clubs(3))) << "the 3 comes one step after the 2";
}

}  // namespace
}  // namespace dravicor
