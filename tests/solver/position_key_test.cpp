// The key under which a search remembers a position: piles that play alike
// trade places, two-deck copies are alike, limited passes count.
#include "engine/engine_fixture.h"
#include "play/play_state.h"
#include "solver/position_key.h"
#include "solver/search_key.h"

namespace dravicor::test {
namespace {

using PositionKeyTest = EngineFixture;

TEST_F(PositionKeyTest, PilesThatPlayAlikeMayTradePlaces) {
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

// Where the piles are places (a pyramid's lines, the peaks, a grid's
// squares, Clock's hours, the rows of the gaps games) two piles trading
// their cards make another position, for both keys.
TEST_F(PositionKeyTest, PilesThatArePlacesKeepTheirPlace) {
    const struct {
        int code;
        int first, second;
    } cases[] = {{7, 6, 7}, {10, 1, 7}, {237, 1, 2}, {240, 1, 2}, {245, 1, 13}};
    for (const auto& c : cases) {
        const auto keys = [&](CardNumber inFirst, CardNumber inSecond) {
            PlayState state(catalogueRules(c.code));
            state.position.Append(PileId::Tableau(c.first), inFirst, true);
            state.position.Append(PileId::Tableau(c.second), inSecond, true);
            return std::pair{PositionKeys(state.rules()).keyOf(state.position, 1), SearchKey(state).value()};
        };
        const auto a = keys(Hearts(5), Spades(9));
        const auto b = keys(Spades(9), Hearts(5));
        EXPECT_NE(a.first, b.first) << "game " << c.code;
        EXPECT_NE(a.second, b.second) << "game " << c.code;
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
