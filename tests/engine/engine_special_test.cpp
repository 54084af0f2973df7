// The special families inside the engine: poker hands shown one by one,
// the shuffle-redeal on the stock, the pause, and the tableau-move count
// that gates the foundations.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/special_indicators.h"
#include "engine_fixture.h"

namespace dravicor::test {
namespace {

constexpr int kPokerSquares = 8;
constexpr int kLaBelleLucie = 18;

class EngineSpecial : public EngineFixture {
protected:
    int pausesOf(int milliseconds) const {
        return static_cast<int>(std::count(fake.pauses.begin(), fake.pauses.end(), std::chrono::milliseconds(milliseconds)));
    }
};

TEST_F(EngineSpecial, APokerCardCompletingARowAndAColumnShowsBothHands) {
    settings.put(Field::SoundsPairing, "Y");
    deal(kPokerSquares, "1");
    EXPECT_EQ(engine.game().score, 0) << "an empty grid scores nothing";
    // Row 0 holds the hearts 2 to 5 and column 4 three sixes and a nine
    // below its first place; the six of hearts on the waste completes both.
    Position p;
    const int row[] = {Hearts(2), Hearts(3), Hearts(4), Hearts(5)};
    for (int i = 0; i < 4; ++i) Lay(p, PileId::Tableau(i + 1), {row[i]});
    const int column[] = {Clubs(6), Spades(6), Diamonds(6), Clubs(9)};
    for (int i = 0; i < 4; ++i) Lay(p, PileId::Tableau(5 + 5 * (i + 1)), {column[i]});
    Lay(p, PileId::Waste(), {Hearts(6)});
    Lay(p, PileId::Stock(), {Spades(1), Spades(2)}, 2);
    playFrom(p);
    EXPECT_EQ(engine.game().score, 0);
    fake.pauses.clear();
    fake.sounds.clear();

    ASSERT_TRUE(drag(Hearts(6), PileId::Tableau(5)));
    EXPECT_EQ(pausesOf(500), 2) << "two new hands, half a second each";
    EXPECT_EQ(soundCount(Sound::Pairing), 2);
    EXPECT_EQ(engine.game().score, 75 + 50) << "straight flush and four of a kind";
    EXPECT_EQ(engine.pokerPanel().line1, std::optional<std::string>("Four of a Kind")) << "the column's hand shown last";
    EXPECT_EQ(engine.pokerPanel().line2, std::optional<std::string>("50 points"));
    EXPECT_EQ(engine.pokerPanel().line3, "Total: 125 points");
    EXPECT_TRUE(engine.pokerHighlight().empty()) << "the marks are gone once the hands are shown";

    ASSERT_TRUE(engine.Undo());
    EXPECT_EQ(engine.game().score, 0) << "undo recounts the grid";
    EXPECT_EQ(engine.pokerPanel().line3, "Total: 0 points");
}

TEST_F(EngineSpecial, ShuffleRedealOnTheStockTakesAPassAndUndoesWithIt) {
    deal(kLaBelleLucie, "7");
    const auto dealt = snapshot();
    ASSERT_TRUE(engine.StockWouldAct());
    clickStock();
    EXPECT_EQ(engine.game().passNumber, 2);
    EXPECT_NE(snapshot(), dealt) << "the fans were gathered, mixed and dealt again";
    EXPECT_EQ(engine.lastShuffle().gathered.size(), 52U);
    EXPECT_EQ(engine.lastShuffle().dealt.size(), 52U);
    EXPECT_EQ(engine.history().undo.size(), 1U);
    clickStock();
    clickStock();
    EXPECT_EQ(engine.game().passNumber, 3);
    EXPECT_FALSE(engine.StockWouldAct()) << "three passes in all";
    const auto last = snapshot();
    clickStock();
    EXPECT_EQ(snapshot(), last);
    ASSERT_TRUE(engine.Undo());
    ASSERT_TRUE(engine.Undo());
    EXPECT_EQ(engine.game().passNumber, 1) << "each undone shuffle gives its pass back";
    EXPECT_EQ(snapshot(), dealt);
    ASSERT_TRUE(engine.Redo());
    EXPECT_EQ(engine.game().passNumber, 2);
}

TEST_F(EngineSpecial, PauseHoldsTheClockAndItsEndingPressDoesNothingElse) {
    deal(kKlondike, "12");
    fake.clockNow += std::chrono::seconds(30);
    engine.SetPause(true);
    fake.clockNow += std::chrono::minutes(2);
    EXPECT_EQ(engine.elapsedSeconds(), 30) << "the clock stands while paused";
    const auto before = snapshot();
    clickStock();
    EXPECT_FALSE(engine.paused());
    EXPECT_EQ(snapshot(), before) << "the press only ended the pause";
    EXPECT_EQ(engine.elapsedSeconds(), 30);
    fake.clockNow += std::chrono::seconds(5);
    EXPECT_EQ(engine.elapsedSeconds(), 35);
}

// A drag game with the tableau-move count: every move to the tableau
// leaves "001" in its step, and a tableau card reaches a foundation only
// when the count is a multiple of twenty or the waste is empty.
TEST_F(EngineSpecial, TableauMovesCountAndGateTheFoundations) {
    GameRules rules = catalogueRules(kKlondike);
    rules.set(Rule::SpecialGame, 23);
    playFrom(kKlondike, {{PileId::Tableau(1), {Spades(13), Hearts(12)}}, {PileId::Tableau(2), {Clubs(11)}},
                         {PileId::Tableau(3), {Hearts(1)}}, {PileId::Waste(), {Diamonds(5)}},
                         {PileId::Stock(), {Diamonds(7)}, 1}}, &rules);
    ASSERT_TRUE(drag(Clubs(11), PileId::Tableau(1)));
    EXPECT_EQ(CountMoveLogCodes(engine.game().moveLog, "001"), 1);
    EXPECT_FALSE(engine.CanPlace(Hearts(1), PileId::Foundation(1))) << "one tableau move, a card on the waste";
    EXPECT_TRUE(engine.CanPlace(Diamonds(5), PileId::Tableau(1)) == false);
    ASSERT_TRUE(engine.Undo());
    EXPECT_EQ(CountMoveLogCodes(engine.game().moveLog, "001"), 0);
    EXPECT_TRUE(engine.CanPlace(Hearts(1), PileId::Foundation(1))) << "no tableau move yet";
}

}  // namespace
}  // namespace dravicor::test
