// The keys under which a search remembers a position: the search's key
// against a fresh one over random play, piles that play alike trade places,
// two-deck copies are alike, limited passes count.
#include <random>

#include "positions.h"
#include "solver/position_key.h"
#include "solver/search_key.h"

namespace dravicor::test {
namespace {

using PositionKeyTest = EngineFixture;

TEST(SearchKey, FollowsEveryMoveAndEveryTakeBack) {
    // Scorpion's one stock click and Gypsy's last end the dealing: the piles
    // dealt onto stop being places.
    for (const int code : {0, 1, 3, 5, 7, 10, 12, 18, 206, 60}) {
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

// Blockade's last deal covers four of its ten piles: the six it misses are
// no places from then on either, and the key must say so.
TEST_F(PositionKeyTest, SearchKeyFollowsTheDealThatEndsTheStock) {
    PlayState state(catalogueRules(63));
    for (int rank = 1; rank <= 4; ++rank) state.position.Append(PileId::Stock(), Clubs(rank), false);
    for (int t = 1; t <= 10; ++t) state.position.Append(PileId::Tableau(t), Spades(t), true);
    SearchKey key(state);
    Journal journal;
    const UndoMark mark = journal.mark();
    ASSERT_TRUE(ApplyMove(state, Move::DealTo(DealTarget::Tableau), journal).applied);
    key.update(state, journal, mark);
    EXPECT_EQ(key.value(), SearchKey(state).value());
}

// A FreeCell 5 in a cell and a King on a pile, against the same in other
// places: both keys alike exactly when the piles play alike.
TEST_F(PositionKeyTest, PilesThatPlayAlikeMayTradePlaces) {
    const struct {
        const char* what;
        PileId cell, pile;
        bool kingUp;
        bool sixthTakesNothing;  // the sixth pile takes nothing when empty: it plays unlike the others
        bool alike;
    } cases[] = {
        {"another cell and another pile", PileId::Reserve(3), PileId::Tableau(6), true, false, true},
        {"the King face down", PileId::Reserve(1), PileId::Tableau(1), false, false, false},
        {"the 5 on a pile", PileId::Tableau(2), PileId::Tableau(1), true, false, false},
        {"the King on the sixth pile", PileId::Reserve(3), PileId::Tableau(6), true, true, false},
    };
    for (const auto& c : cases) {
        GameRules rules = Catalogue(kFreeCell);
        if (c.sixthTakesNothing) rules.set(Rule::TableauEmptyAccepts + 5, 0);
        const auto keys = [&](PileId cell, PileId pile, bool kingUp) {
            PlayState state(rules);
            state.position.Append(cell, Hearts(5), true);
            state.position.Append(pile, Spades(13), kingUp);
            return std::pair{PositionKeys(rules).keyOf(state.position, 1), SearchKey(state).value()};
        };
        const auto first = keys(PileId::Reserve(1), PileId::Tableau(1), true);
        const auto other = keys(c.cell, c.pile, c.kingUp);
        EXPECT_EQ(first.first == other.first, c.alike) << c.what;
        EXPECT_EQ(first.second == other.second, c.alike) << c.what;
    }
}

// Where the piles are places (a pyramid's lines, the peaks, a grid's
// squares, Clock's hours, the rows of the gaps games, the Aces Up piles,
// and the piles any stock deals onto while it holds cards) two piles
// trading their cards make another position, for both keys; the loose
// search key takes them for one while the stock deals.
TEST_F(PositionKeyTest, PilesThatArePlacesKeepTheirPlace) {
    const struct {
        int code;
        int first, second;
        bool stockCard;
        bool places;
    } cases[] = {{7, 6, 7, false, true},   {10, 1, 7, false, true},    {237, 1, 2, false, true},
                 {240, 1, 2, false, true}, {245, 1, 13, false, true},  {246, 1, 2, false, true},
                 {kSpider, 1, 10, true, true}, {kSpider, 1, 10, false, false}, {60, 2, 8, true, true},
                 {206, 1, 3, true, true},  {206, 4, 5, true, false}, {206, 1, 2, false, false}};
    for (const auto& c : cases) {
        const auto keys = [&](CardNumber inFirst, CardNumber inSecond) {
            PlayState state(catalogueRules(c.code));
            if (c.stockCard) state.position.Append(PileId::Stock(), Clubs(1), false);
            state.position.Append(PileId::Tableau(c.first), inFirst, true);
            state.position.Append(PileId::Tableau(c.second), inSecond, true);
            return std::tuple{PositionKeys(state.rules()).keyOf(state.position, 1), SearchKey(state).value(),
                              SearchKey(state, SearchKey::Strictness::Loose).value()};
        };
        const auto a = keys(Hearts(5), Spades(9));
        const auto b = keys(Spades(9), Hearts(5));
        const std::string what = "game " + std::to_string(c.code) + " piles " + std::to_string(c.first) + ", " +
                                 std::to_string(c.second) + (c.stockCard ? " while dealing" : "");
        EXPECT_EQ(std::get<0>(a) != std::get<0>(b), c.places) << what;
        EXPECT_EQ(std::get<1>(a) != std::get<1>(b), c.places) << what;
        if (c.stockCard) {
            EXPECT_EQ(std::get<2>(a), std::get<2>(b)) << what;
        }
    }
}

TEST_F(PositionKeyTest, TwoDeckCopiesAgreeAndLimitedPassesCount) {
    Position first;
    Lay(first, PileId::Tableau(1), {Hearts(5)});
    Position second;
    Lay(second, PileId::Tableau(1), {static_cast<int>(Hearts(5) + kCardsPerDeck)});
    const PositionKeys fortyThieves(catalogueRules(kFortyThieves));
    EXPECT_EQ(fortyThieves.keyOf(first, 1), fortyThieves.keyOf(second, 1));
    EXPECT_NE(fortyThieves.keyOf(first, 1), fortyThieves.keyOf(first, 2)) << "one pass only";
    const PositionKeys klondike(catalogueRules(kKlondike));
    EXPECT_NE(klondike.keyOf(first, 1), klondike.keyOf(second, 1)) << "one deck: another card";
    EXPECT_EQ(klondike.keyOf(first, 1), klondike.keyOf(first, 7)) << "passes without end";
}

}  // namespace
}  // namespace dravicor::test
