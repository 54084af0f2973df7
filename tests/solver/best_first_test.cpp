// The best-first search of the games that gather whole suits in the
// tableau and of the FreeCell and Forty Thieves families: the moves it leaves out, that it
// says lost only after a search that left nothing out, and the deals it wins.
#include <gtest/gtest.h>

#include "positions.h"
#include "solver/best_first.h"
#include "solver/solver.h"

namespace dravicor::test {
namespace {

constexpr int kSimpleSimon = 205;
constexpr int kWillOTheWisp = 204;
constexpr int kBabySpiderette = 213;

// Simple Simon with only as many piles as the table has, bottom card first.
PlayState Table(const std::vector<std::vector<int>>& piles) {
    GameRules rules = Catalogue(kSimpleSimon);
    rules.set(Rule::TableauCount, static_cast<int>(piles.size()));
    PlayState state(rules);
    for (size_t p = 0; p < piles.size(); ++p) {
        for (const int card : piles[p]) {
            state.position.Append(PileId::Tableau(static_cast<int>(p) + 1), static_cast<CardNumber>(card), true);
        }
    }
    return state;
}

TEST(SuitRunValue, LeavesOutOnlyTheMovesThatGainNothing) {
    struct Case {
        const char* what;
        std::vector<std::vector<int>> piles;  // the move: the top card of pile 1 to pile 2
        bool gainsNothing;
    };
    const Case cases[] = {
        {"a suited run split onto another suit", {{Hearts(5), Hearts(4)}, {Spades(5)}}, true},
        {"off another suit onto another suit", {{Spades(6), Hearts(5), Spades(4)}, {Clubs(5)}}, true},
        {"off another suit onto its suit", {{Spades(6), Hearts(5), Spades(4)}, {Spades(5)}}, false},
        {"the card left on top moves on next", {{Spades(9), Hearts(5), Spades(4)}, {Clubs(5)}}, false},
        {"the card left on top takes its suit next", {{Spades(6), Hearts(5), Spades(4)}, {Clubs(5)}, {Hearts(4)}}, false},
        {"off a card it does not follow", {{Spades(9), Spades(4)}, {Clubs(5)}}, false},
    };
    for (const Case& c : cases) {
        const PlayState state = Table(c.piles);
        const SuitRunValue value(state);
        const Pile& from = state.position.piles.tableau[0];
        const Move move = Move::CardTo(from.top(), PileId::Tableau(1), PileId::Tableau(2));
        EXPECT_EQ(value.gainsNothing(state, move), c.gainsNothing) << c.what;
    }
}

TEST(BestFirstSearch, SaysLostOnlyWhenItLeftNothingOut) {
    struct Case {
        const char* what;
        std::vector<std::vector<int>> piles;
        Verdict bestFirst;
    };
    // Neither can be won: no King in either table.
    const Case cases[] = {
        {"no move at all", {{Hearts(5), Hearts(4)}, {Spades(7)}}, Verdict::Lost},
        {"its one move left out", {{Hearts(5), Hearts(4)}, {Spades(5)}}, Verdict::Unknown},
    };
    for (const Case& c : cases) {
        const PlayState state = Table(c.piles);
        BestFirstSearch search(state, {}, std::chrono::steady_clock::now(), ThreadProcessorTime(), nullptr);
        const SolveResult result = search.run(nullptr);
        EXPECT_EQ(result.verdict, c.bestFirst) << c.what;
        EXPECT_EQ(result.end, SearchEnd::Done) << c.what;
        // The whole solve proves it, depth first where moves were left out.
        EXPECT_EQ(Solve(state, {}).verdict, Verdict::Lost) << c.what;
    }
}

TEST(BestFirstSearch, KnowsItsFamiliesByTheirRules) {
    enum class Family { None, FreeCell, FortyThieves };
    struct Case {
        int code;
        Family family;
    };
    constexpr int kBakersGame = 79;
    constexpr int kEightOff = 81;
    constexpr int kSeahavenTowers = 82;
    constexpr int kPenguin = 86;  // its tableau builds round the corner: a King on an Ace
    constexpr int kLucas = 103;
    constexpr int kCanfield = 4;       // its waste turns over
    constexpr int kLanes = 58;         // so does this one, twice
    constexpr int kMillie = 61;        // its stock deals onto the piles
    const Case cases[] = {{kFreeCell, Family::FreeCell},         {kBakersGame, Family::FreeCell},
                          {kEightOff, Family::FreeCell},         {kSeahavenTowers, Family::FreeCell},
                          {kFortyThieves, Family::FortyThieves}, {kLucas, Family::FortyThieves},
                          {kKlondike, Family::None},             {kSpider, Family::None},
                          {kBakersDozen, Family::None},          {kPenguin, Family::None},
                          {kCanfield, Family::None},             {kLanes, Family::None},
                          {kMillie, Family::None}};
    for (const Case& c : cases) {
        const PlayState state = Dealt(c.code, 1);
        EXPECT_EQ(IsFreeCellFamily(state), c.family == Family::FreeCell) << "game " << c.code;
        EXPECT_EQ(IsFortyThievesFamily(state), c.family == Family::FortyThieves) << "game " << c.code;
    }
}

TEST(BestFirstSearch, WinsDealsOfItsFamilies) {
    struct Case {
        int code;
        int number;
        std::int64_t positions;
    };
    // FreeCell 97 took the depth-first search more than ten seconds.
    const Case cases[] = {{kSpider, 2, 150000},     {kSimpleSimon, 1, 100000}, {kWillOTheWisp, 1, 100000},
                          {kBabySpiderette, 1, 100000}, {kFreeCell, 97, 20000},  {81, 1, 20000}, {kFortyThieves, 16, 60000}};
    for (const Case& c : cases) {
        const PlayState state = Dealt(c.code, c.number);
        ASSERT_TRUE(SearchesBestFirst(state) || IsFreeCellFamily(state) || IsFortyThievesFamily(state));
        SolveOptions options;
        options.budget.positions = c.positions;
        const SolveResult result = Solve(state, options);
        ASSERT_EQ(result.verdict, Verdict::Won) << "game " << c.code << " number " << c.number;
        EXPECT_TRUE(LineWins(state, result.solution)) << "game " << c.code;
    }
}

}  // namespace
}  // namespace dravicor::test
