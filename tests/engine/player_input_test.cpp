// Moves made as the pointer makes them: what the front ends and the demo
// recorder share.
#include "engine/player_input.h"

#include "engine_fixture.h"

namespace dravicor::test {
namespace {

class PlayerInput : public EngineFixture {};

TEST_F(PlayerInput, EveryListedMoveOfADealIsMadeOntoItsTarget) {
    deal(kFreeCell, "7");
    const std::vector<PlayerMove> moves = engine.LegalMoves();
    ASSERT_FALSE(moves.empty());
    const auto atDeal = snapshot();
    for (const PlayerMove& move : moves) {
        SCOPED_TRACE(CardText(move.card) + " to " + PileName(move.target));
        ASSERT_TRUE(PlayMove(engine, move));
        EXPECT_TRUE(engine.position().piles.pile(move.target).contains(move.card));
        ASSERT_EQ(engine.history().undo.size(), 1u) << "one move, one undo step";
        ASSERT_TRUE(engine.Undo(true));
        EXPECT_EQ(snapshot(), atDeal);
    }
}

TEST_F(PlayerInput, AnIllegalMoveChangesNothing) {
    playFrom(kKlondike, {{PileId::Tableau(1), {Hearts(5)}}, {PileId::Tableau(2), {Diamonds(6)}},
                         {PileId::Tableau(3), {Clubs(3), Spades(9)}, 1}, {PileId::Stock(), {Clubs(9)}, 1}});
    const auto before = snapshot();
    EXPECT_FALSE(PlayMove(engine, {Hearts(5), PileId::Tableau(2)})) << "red on red";
    EXPECT_FALSE(PlayMove(engine, {Clubs(3), PileId::Tableau(2)})) << "a face-down card is not picked up";
    EXPECT_TRUE(engine.position().cardTable.IsFaceDown(Clubs(3))) << "nor turned by a press";
    EXPECT_FALSE(PlayMove(engine, {Hearts(5), PileId::Stock()}));
    EXPECT_EQ(snapshot(), before);
    EXPECT_TRUE(engine.history().undo.empty());
}

}  // namespace
}  // namespace dravicor::test
