#include "engine/special_indicators.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "engine_fixture.h"
#include "play/special_families.h"

namespace dravicor::test {
namespace {

GameRules StepFoundationRules() {
    GameRules rules;
    rules.set(Rule::SpecialGame, 10);
    rules.set(Rule::FoundationMaxCards, 13);
    return rules;
}

// Each foundation's top card: the box shows its rank plus the foundation's
// number (1 to 4), wrapping past the King.
TEST(NextRankBoxes, EachFoundationStepsByItsNumber) {
    struct Case {
        std::array<int, 4> tops;
        std::array<const char*, 4> shown;
    };
    const Case cases[] = {
        {{17, 35, 50, 38}, {"5", "J", "A", "3"}},  // 4+1, 9+2, J+3, Q+4
        {{13, 53, 9, 21}, {"A", "3", "Q", "Q"}},   // K+1, A+2 (second deck), 9+3, 8+4
        {{9, 11, 33, 48}, {"10", "K", "10", "K"}}, // 9+1, J+2, 7+3, 9+4
    };
    for (const Case& c : cases) {
        Position position;
        for (int i = 0; i < 4; ++i)
            position.Append(PileId::Foundation(i + 1), static_cast<CardNumber>(c.tops[static_cast<size_t>(i)]), true);
        const auto boxes = NextRankBoxes(position, StepFoundationRules());
        for (size_t i = 0; i < 4; ++i) EXPECT_EQ(boxes[i], c.shown[i]) << c.tops[i];
    }
}

TEST(NextRankBoxes, EmptyCompleteOrOtherGamesShowNothing) {
    Position position;
    for (int card = 1; card <= 13; ++card) position.Append(PileId::Foundation(2), static_cast<CardNumber>(card), true);
    for (int card = 27; card <= 38; ++card) position.Append(PileId::Foundation(3), static_cast<CardNumber>(card), true);
    auto boxes = NextRankBoxes(position, StepFoundationRules());
    EXPECT_FALSE(boxes[0].has_value());
    EXPECT_FALSE(boxes[1].has_value());  // complete
    EXPECT_EQ(boxes[2], "2");            // the twelfth card, a Queen: Q + 3
    EXPECT_FALSE(boxes[3].has_value());

    GameRules other = StepFoundationRules();
    other.set(Rule::SpecialGame, 0);
    for (const auto& box : NextRankBoxes(position, other)) EXPECT_FALSE(box.has_value());
}

TEST(CountMoveLogCodes, CountsWholeGroupsOfEveryEntry) {
    EXPECT_EQ(CountMoveLogCodes(MoveLog(), "001"), 0);
    EXPECT_EQ(CountMoveLogCodes(MoveLog(",001,,001001,012,"), "001"), 3);
    // "100102" reads 100 and 102; the "001" across them is no code.
    EXPECT_EQ(CountMoveLogCodes(MoveLog(",100102,"), "001"), 0);
    EXPECT_EQ(CountMoveLogCodes(MoveLog(",001,001"), "001"), 2);
}

GameRules MoveCountRules(int special = 23) {
    GameRules rules;
    rules.set(Rule::SpecialGame, special);
    return rules;
}

// A MoveLog with k tableau moves, each its own step, among empty steps.
MoveLog LogWithTableauMoves(int k) {
    MoveLog log;
    log.push("");
    for (int n = 0; n < k; ++n) log.push("001");
    log.push("");
    return log;
}

// A waste of `count` cards, the Ace of hearts on tableau pile 2 and the 2 of
// hearts on reserve 1.
Position WithWaste(int count) {
    Position position;
    for (int n = 0; n < count; ++n) position.Append(PileId::Waste(), static_cast<CardNumber>(20 + n), true);
    position.Append(PileId::Tableau(2), Hearts(1), true);
    position.Append(PileId::Reserve(1), Hearts(2), true);
    return position;
}

// The gate itself is the move core's, which keeps the count as a number.
bool MayGoFrom(PileId from, int wasteCount, int tableauMoves, int special = 23) {
    PlayState state(MoveCountRules(special));
    state.position = WithWaste(wasteCount);
    state.tableauMoves = static_cast<std::int16_t>(tableauMoves);
    return TableauMoveCountAllowsFoundation(state, from);
}

bool TableauAceMayGo(int wasteCount, int tableauMoves, int special = 23) {
    return MayGoFrom(PileId::Tableau(2), wasteCount, tableauMoves, special);
}

TEST(TableauMoveCount, FiveInTheWasteAndThreeMovesShowFifteenAndRefuse) {
    EXPECT_EQ(TableauMoveBox(WithWaste(5), MoveCountRules(), LogWithTableauMoves(3)), "15/20");
    EXPECT_FALSE(TableauAceMayGo(5, 3));
    // Twenty moves, or none, or an empty waste open the foundations.
    EXPECT_TRUE(TableauAceMayGo(5, 20));
    EXPECT_TRUE(TableauAceMayGo(5, 0));
    EXPECT_TRUE(TableauAceMayGo(5, 40));
    EXPECT_FALSE(TableauAceMayGo(5, 21));
    EXPECT_TRUE(TableauAceMayGo(0, 3));
    // Cards from elsewhere, and other games, are not held back.
    EXPECT_TRUE(MayGoFrom(PileId::Waste(), 5, 3));
    EXPECT_TRUE(MayGoFrom(PileId::Reserve(1), 5, 3));
    EXPECT_TRUE(TableauAceMayGo(5, 3, 0));
}

TEST(TableauMoveCount, TheBoxCountsDownTheSmallerOfWasteAndMovesLeft) {
    EXPECT_EQ(TableauMoveBox(WithWaste(30), MoveCountRules(), LogWithTableauMoves(13)), "13/20");
    EXPECT_EQ(TableauMoveBox(WithWaste(30), MoveCountRules(), LogWithTableauMoves(0)), "0/20");
    EXPECT_EQ(TableauMoveBox(WithWaste(30), MoveCountRules(), LogWithTableauMoves(39)), "19/20");
    EXPECT_EQ(TableauMoveBox(WithWaste(0), MoveCountRules(), LogWithTableauMoves(7)), "20/20");
    EXPECT_EQ(TableauMoveBox(WithWaste(2), MoveCountRules(), LogWithTableauMoves(7)), "18/20");
    EXPECT_FALSE(TableauMoveBox(WithWaste(2), MoveCountRules(0), LogWithTableauMoves(7)).has_value());
}

}  // namespace
}  // namespace dravicor::test
