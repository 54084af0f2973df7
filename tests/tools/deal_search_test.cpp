// The demo recorder's search: what counts as the same position, which drags
// it leaves out, and a search over a table a few moves from a win.
#include "deal_search.h"

#include "engine/engine_fixture.h"
#include "idle_moves.h"
#include "position_key.h"

namespace dravicor::test {
namespace {

class DealSearchTest : public EngineFixture {
protected:
    // Every card on the foundations but the Queens and Kings of hearts and
    // spades, each Queen face down under the other suit's King.
    void layNearWin() {
        Position p;
        for (int rank = 1; rank <= 13; ++rank) {
            if (rank <= 11) p.Append(PileId::Foundation(1), Hearts(rank), true);
            p.Append(PileId::Foundation(2), Diamonds(rank), true);
            p.Append(PileId::Foundation(3), Clubs(rank), true);
            if (rank <= 11) p.Append(PileId::Foundation(4), Spades(rank), true);
        }
        Lay(p, PileId::Tableau(1), {Hearts(12), Spades(13)}, 1);
        Lay(p, PileId::Tableau(2), {Spades(12), Hearts(13)}, 1);
        deal(kKlondike);
        playFrom(p);
    }
};

TEST_F(DealSearchTest, WinsInTheFewestMovesTheStepLimitAllows) {
    // A King to an empty pile, then four cards up: five moves at least.
    layNearWin();
    const auto start = snapshot();
    EXPECT_FALSE(SearchForWin(engine, {1000, 4}).won);
    EXPECT_EQ(snapshot(), start);
    EXPECT_TRUE(engine.history().undo.empty());

    const SearchReport report = SearchForWin(engine, {1000, 5});
    ASSERT_TRUE(report.won);
    EXPECT_TRUE(engine.IsGameWon());
    EXPECT_FALSE(engine.game().inProgress) << "the engine ended the won game";
    EXPECT_EQ(engine.history().undo.size(), 5u);
    EXPECT_EQ(report.refusedMoves + report.misroutedMoves + report.unendedWins, 0);
    EXPECT_EQ(engine.history().undo.front().snapshotLines(), start) << "the history starts where the search did";
}

TEST_F(DealSearchTest, AnExhaustedBudgetTakesEverythingBack) {
    layNearWin();
    const auto start = snapshot();
    const SearchReport report = SearchForWin(engine, {3, 400});
    EXPECT_FALSE(report.won);
    EXPECT_GE(report.positions, 3);
    EXPECT_EQ(snapshot(), start);
    EXPECT_TRUE(engine.history().undo.empty());
    EXPECT_TRUE(engine.game().inProgress);
}

TEST_F(DealSearchTest, PilesThatPlayAlikeMayTradePlaces) {
    Position a;
    Lay(a, PileId::Reserve(1), {Hearts(5)});
    Lay(a, PileId::Tableau(1), {Spades(13)});
    Position b;
    Lay(b, PileId::Reserve(3), {Hearts(5)});
    Lay(b, PileId::Tableau(6), {Spades(13)});
    const PositionKeys freeCell(catalogueRules(kFreeCell));
    EXPECT_EQ(freeCell.keyOf(a, 1), freeCell.keyOf(b, 1));

    Position faceDown = a;
    faceDown.cardTable.SetFaceUp(Spades(13), false);
    EXPECT_NE(freeCell.keyOf(a, 1), freeCell.keyOf(faceDown, 1));

    // A pile that takes nothing when empty plays differently from the others.
    GameRules rules = catalogueRules(kFreeCell);
    rules.set(Rule::TableauEmptyAccepts + 5, 0);
    EXPECT_NE(PositionKeys(rules).keyOf(a, 1), PositionKeys(rules).keyOf(b, 1));
}

TEST_F(DealSearchTest, TwoDeckCopiesAgreeAndLimitedPassesCount) {
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

TEST_F(DealSearchTest, OnlyACardOffItsSuitedRunIsAnIdleShuffle) {
    Position p;
    Lay(p, PileId::Tableau(1), {Clubs(9), Spades(6), Spades(5)});
    Lay(p, PileId::Tableau(2), {Hearts(6)});
    Lay(p, PileId::Tableau(3), {Clubs(6), Hearts(5)});
    Lay(p, PileId::Tableau(4), {Hearts(9), Diamonds(6), Clubs(5)}, 2);
    Lay(p, PileId::Tableau(5), {Diamonds(5)});
    const GameRules spider = catalogueRules(kSpider);
    EXPECT_TRUE(IsIdleShuffle(p, spider, {Spades(5), PileId::Tableau(2)}));
    EXPECT_TRUE(IsIdleShuffle(p, spider, {Spades(5), PileId::Tableau(6)})) << "to an empty pile too";
    EXPECT_FALSE(IsIdleShuffle(p, spider, {Spades(5), PileId::Foundation(1)}));
    EXPECT_FALSE(IsIdleShuffle(p, spider, {Hearts(5), PileId::Tableau(2)})) << "off another suit";
    EXPECT_FALSE(IsIdleShuffle(p, spider, {Clubs(5), PileId::Tableau(2)})) << "off a face-down card";
    EXPECT_FALSE(IsIdleShuffle(p, spider, {Diamonds(5), PileId::Tableau(2)})) << "its pile empties";
    EXPECT_FALSE(IsIdleShuffle(p, catalogueRules(kBakersDozen), {Spades(5), PileId::Tableau(2)}))
        << "one card at a time: every card is dug out on its own";
}

}  // namespace
}  // namespace dravicor::test
