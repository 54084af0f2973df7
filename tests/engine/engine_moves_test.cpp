// Moves, scoring, the stock and the automatic behaviours, through the
// engine's own operations and the pointer.
#include "engine_fixture.h"

namespace dravicor::test {
namespace {

class EngineMoves : public EngineFixture {};

TEST_F(EngineMoves, OneCardToAFoundationScoresFivePointsAndTurnsTheCardBelow) {
    playFrom(kKlondike, {{PileId::Tableau(1), {Spades(5), Hearts(1)}, 1}, {PileId::Stock(), {Clubs(9)}, 1}});
    ASSERT_TRUE(drag(Hearts(1), PileId::Foundation(1)));
    EXPECT_EQ(engine.game().score, -47);
    EXPECT_EQ(settings.get(Field::CurrentScore), "-47");
    EXPECT_TRUE(engine.position().cardTable.IsFaceUp(Spades(5))) << "the exposed card turns face up";
    EXPECT_EQ(soundCount(Sound::Foundation), 1);
    // The move and its automatic turn are one step.
    ASSERT_TRUE(engine.Undo());
    EXPECT_EQ(engine.position().piles.tableau[0].groups(), (std::vector<CardNumber>{Spades(5), Hearts(1)}));
    EXPECT_TRUE(engine.position().cardTable.IsFaceDown(Spades(5)));
    EXPECT_EQ(engine.game().score, -52);
}

TEST_F(EngineMoves, WithAutoplayOnTheExecutorLeavesTheTurningToAutoplay) {
    engine.SetAutoplay(true);  // no game yet: only the switch
    playFrom(kKlondike, {{PileId::Tableau(1), {Spades(5), Hearts(1)}, 1}, {PileId::Tableau(2), {Clubs(13)}},
                         {PileId::Stock(), {Clubs(9)}, 1}});
    ASSERT_TRUE(engine.MoveCard(Hearts(1), "Dest1"));
    EXPECT_TRUE(engine.position().cardTable.IsFaceDown(Spades(5)));
    engine.SetAutoplay(false);
    ASSERT_TRUE(engine.MoveCard(Clubs(13), "Fila1"));  // no check: the executor only moves
    EXPECT_EQ(engine.position().piles.tableau[0].top(), Clubs(13));
}

TEST_F(EngineMoves, IllegalDropPutsTheCardBackWithNoStep) {
    playFrom(kKlondike, {{PileId::Tableau(1), {Hearts(5)}}, {PileId::Tableau(2), {Diamonds(6)}},
                         {PileId::Stock(), {Clubs(9)}, 1}});
    const auto before = snapshot();
    EXPECT_FALSE(drag(Hearts(5), PileId::Tableau(2))) << "red on red";
    EXPECT_EQ(snapshot(), before);
    EXPECT_TRUE(engine.history().undo.empty());
    EXPECT_EQ(soundCount(Sound::CardDown), 1);
    // Pressing and letting go without moving also puts it back.
    click(Hearts(5));
    EXPECT_EQ(snapshot(), before);
    EXPECT_TRUE(engine.history().undo.empty());
}

TEST_F(EngineMoves, FirstMoveRuleRefusesWithoutTouchingTheHistory) {
    GameRules rules = catalogueRules(kKlondike);
    rules.set(Rule::OpeningPhase, 1);
    playFrom(kKlondike, {{PileId::Tableau(1), {Hearts(1)}}, {PileId::Tableau(2), {Spades(6)}},
                         {PileId::Waste(), {Hearts(5)}}, {PileId::Stock(), {Clubs(9)}, 1}}, &rules);
    EXPECT_FALSE(engine.MoveCard(Hearts(5), "Fila2")) << "the waste may not move first";
    EXPECT_FALSE(drag(Hearts(5), PileId::Tableau(2)));
    EXPECT_TRUE(engine.history().undo.empty());
    EXPECT_TRUE(drag(Hearts(1), PileId::Foundation(1)));
    EXPECT_TRUE(drag(Hearts(5), PileId::Tableau(2))) << "after the first move anything goes";
}

TEST_F(EngineMoves, StockTurnsItsCardsAndRedealsOnlyOnRelease) {
    GameRules rules = catalogueRules(kKlondikeThrees);
    rules.set(Rule::Redeals, 2);
    playFrom(kKlondikeThrees, {{PileId::Stock(), {Clubs(1), Clubs(2)}, 2}, {PileId::Tableau(1), {Spades(13)}}}, &rules);
    clickStock();  // three at a time, but only two there
    EXPECT_TRUE(engine.position().piles.stock[0].empty());
    EXPECT_EQ(engine.position().piles.stock[1].groups(), (std::vector<CardNumber>{Clubs(2), Clubs(1)}));
    EXPECT_EQ(engine.game().passNumber, 1);

    // A press on the empty stock only arms the redeal; moving off disarms.
    const Point stock = engine.origins().origin(PileId::Stock());
    engine.PointerPress({stock.x + 2, stock.y + 2});
    EXPECT_TRUE(engine.redealArmed());
    EXPECT_TRUE(engine.position().piles.stock[0].empty());
    engine.PointerMove({stock.x + 300, stock.y + 300});
    EXPECT_FALSE(engine.redealArmed());
    engine.PointerRelease({stock.x + 300, stock.y + 300});
    EXPECT_TRUE(engine.position().piles.stock[0].empty());

    clickStock();  // press arms, release redeals
    EXPECT_EQ(engine.position().piles.stock[0].groups(), (std::vector<CardNumber>{Clubs(1), Clubs(2)}));
    EXPECT_TRUE(engine.position().cardTable.IsFaceDown(Clubs(1)));
    EXPECT_EQ(engine.game().passNumber, 2);
    EXPECT_EQ(soundCount(Sound::Redeal), 1);
    ASSERT_FALSE(fake.pauses.empty());
    EXPECT_EQ(fake.pauses.back(), std::chrono::milliseconds(100));

    // Undo across the redeal gives the pass back.
    ASSERT_TRUE(engine.Undo());
    EXPECT_EQ(engine.game().passNumber, 1);
    EXPECT_EQ(engine.position().piles.stock[1].size(), 2);

    // With the passes used up a click does nothing.
    ASSERT_TRUE(engine.Redo());
    EXPECT_EQ(engine.game().passNumber, 2);
    clickStock();
    clickStock();
    const auto exhausted = snapshot();
    clickStock();
    EXPECT_EQ(snapshot(), exhausted);
    EXPECT_FALSE(engine.redealArmed());
}

TEST_F(EngineMoves, SpiderDealsToEveryPileOnlyWithoutGaps) {
    deal(kSpider);
    clickStock();
    EXPECT_EQ(engine.position().piles.stock[0].size(), 40);
    for (int t = 0; t < 10; ++t) EXPECT_EQ(engine.position().piles.tableau[t].size(), t < 4 ? 7 : 6);
    EXPECT_EQ(soundCount(Sound::Shuffle), 1);

    // Empty a pile: the deal is refused with its message.
    Position p = engine.position();
    for (const CardNumber c : std::vector<CardNumber>(p.piles.tableau[9].groups())) {
        p.piles.tableau[9].remove(c, RemoveMode::Delete);
        p.piles.foundations[0].append(c);
    }
    playFrom(p);
    const auto before = snapshot();
    clickStock();
    EXPECT_EQ(snapshot(), before);
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, "Before deal, fill any gaps in the tableau");
}

TEST_F(EngineMoves, DealingToPilesStopsWhenTheStockRunsOut) {
    deal(kSpider);
    Position p = engine.position();
    while (p.piles.stock[0].size() > 3) {
        const CardNumber c = p.piles.stock[0].top();
        p.piles.stock[0].remove(c, RemoveMode::Delete);
        p.piles.foundations[7].append(c);
    }
    playFrom(p);
    ASSERT_TRUE(engine.MoveCard(7, "Add_Tableaus"));
    EXPECT_TRUE(engine.position().piles.stock[0].empty());
    for (int t = 0; t < 10; ++t) EXPECT_EQ(engine.position().piles.tableau[t].size(), (t < 4 ? 6 : 5) + (t < 3));
}

TEST_F(EngineMoves, AutoplayAfterTheDealSendsAcesHome) {
    engine.SetAutoplay(true);
    engine.setGame(kFreeCell, catalogueRules(kFreeCell));
    settings.put(Field::CurrentGameNumber, "1");
    ASSERT_TRUE(engine.StartGame(true, true, 0, false));
    ASSERT_FALSE(fake.pauses.empty());
    EXPECT_EQ(fake.pauses.front(), std::chrono::milliseconds(800));
    // No tableau top card is left that a foundation would take.
    for (int t = 0; t < 8; ++t) {
        const int top = engine.position().piles.tableau[t].top();
        for (int f = 1; f <= 4; ++f) EXPECT_FALSE(engine.CanPlace(top, PileId::Foundation(f), true));
    }
}

TEST_F(EngineMoves, AutoplayTurnsACardBeforeTryingItAndNeverFillsReserves) {
    playFrom(kFreeCell, {{PileId::Tableau(1), {Hearts(2), Hearts(1)}, 2}, {PileId::Tableau(2), {Spades(9)}}});
    engine.SetAutoplay(true);
    EXPECT_EQ(engine.position().piles.foundations[0].groups(), (std::vector<CardNumber>{Hearts(1), Hearts(2)}));
    for (const Pile& r : engine.position().piles.reserves) EXPECT_TRUE(r.empty());
    EXPECT_EQ(engine.position().piles.tableau[1].top(), Spades(9));
}

TEST_F(EngineMoves, AutoplayLeavesPlayerChosenFoundationsAlone) {
    GameRules rules = catalogueRules(kFreeCell);
    for (int f = 0; f < 4; ++f) rules.set(Rule::FoundationFirstCard + f, 92);
    playFrom(kFreeCell, {{PileId::Tableau(1), {Hearts(1)}}, {PileId::Tableau(2), {Spades(9)}}}, &rules);
    engine.SetAutoplay(true);
    EXPECT_EQ(engine.position().piles.tableau[0].top(), Hearts(1));
}

TEST_F(EngineMoves, DoubleClickSendsATopCardHomeButNotOthers) {
    playFrom(kKlondike, {{PileId::Tableau(1), {Hearts(1), Spades(13)}},
                         {PileId::Tableau(2), {Diamonds(5), Diamonds(1)}, 2}, {PileId::Tableau(3), {Clubs(1)}},
                         {PileId::Stock(), {Clubs(9)}, 1}});
    doubleClick(Hearts(1));  // not the top card
    EXPECT_EQ(engine.position().piles.tableau[0].groups(), (std::vector<CardNumber>{Hearts(1), Spades(13)}));
    doubleClick(Diamonds(1));  // face down: the first press turns it, nothing more
    EXPECT_TRUE(engine.position().cardTable.IsFaceUp(Diamonds(1)));
    EXPECT_EQ(engine.position().piles.tableau[1].top(), Diamonds(1));
    doubleClick(Clubs(1));
    EXPECT_EQ(engine.position().piles.foundations[0].groups(), (std::vector<CardNumber>{Clubs(1)}));
    EXPECT_TRUE(engine.position().piles.tableau[2].empty());
    EXPECT_FALSE(engine.isDragging()) << "the second press picked nothing up";
}

// The press a double-click swallows belongs to the game it was made in:
// after a double-click that wins, the first press of the next deal acts.
TEST_F(EngineMoves, ADoubleClickThatWinsLeavesTheNextDealsFirstPressAlone) {
    Position p;
    for (int suit = 0; suit < 4; ++suit) {
        for (int rank = 1; rank <= (suit == 3 ? 12 : 13); ++rank) Lay(p, PileId::Foundation(suit + 1), {suit * 13 + rank});
    }
    Lay(p, PileId::Tableau(1), {Spades(13)});
    deal(kKlondike);
    playFrom(p);
    doubleClick(Spades(13));
    ASSERT_FALSE(engine.game().inProgress) << "the double-click did not win";
    ASSERT_EQ(engine.position().piles.foundations[3].size(), 13);
    deal(kKlondike, "2");
    const size_t stockBefore = engine.position().piles.stock[0].size();
    clickStock();
    EXPECT_LT(engine.position().piles.stock[0].size(), stockBefore) << "the first press of the new deal was swallowed";
}

TEST_F(EngineMoves, CanfieldFillsAGapFromTheReserveInTheSameStep) {
    deal(kCanfield, "1");
    Position p = engine.position();
    // Make tableau pile 1 hold a card that can go home.
    const int base = CardRank(p.piles.foundations[0].top());
    const int next = CardSuit(p.piles.foundations[0].top()) * 13 - 13 + base % 13 + 1;
    p.piles.RemoveCardAnywhere(next, RemoveMode::Delete);
    const CardNumber old = p.piles.tableau[0].top();
    p.piles.tableau[0].remove(old, RemoveMode::Delete);
    p.piles.stock[0].append(old);
    p.piles.tableau[0].append(static_cast<CardNumber>(next));
    p.cardTable.SetFaceUp(next, true);
    playFrom(p);
    const int reserveTop = engine.position().piles.reserves[0].top();
    ASSERT_TRUE(drag(next, PileId::Foundation(1)));
    EXPECT_EQ(engine.position().piles.tableau[0].groups(), (std::vector<CardNumber>{static_cast<CardNumber>(reserveTop)}));
    ASSERT_TRUE(engine.Undo());
    EXPECT_EQ(engine.position().piles.tableau[0].top(), next) << "one undo takes back the move and the fill";
    EXPECT_EQ(engine.position().piles.reserves[0].top(), reserveTop);
}

TEST_F(EngineMoves, WinTestLooksAtTheTableNotTheFoundations) {
    Position p;
    Lay(p, PileId::Tableau(1), {Hearts(13)});
    for (int r = 1; r <= 12; ++r) p.Append(PileId::Foundation(1), static_cast<CardNumber>(Hearts(r)), true);
    deal(kKlondike);
    playFrom(p);
    EXPECT_FALSE(engine.IsGameWon());
    ResultRecorder records;
    engine.setRecords(&records);
    ASSERT_TRUE(drag(Hearts(13), PileId::Foundation(1)));
    ASSERT_EQ(records.results.size(), 1u);
    EXPECT_TRUE(records.results[0].won);
    EXPECT_FALSE(engine.game().inProgress);
    EXPECT_EQ(soundCount(Sound::Won), 1);
    // A new game after a won one records nothing more for it.
    EXPECT_TRUE(engine.ConfirmLeaveGame());
    engine.EndGame();
    EXPECT_EQ(records.results.size(), 1u);
}

}  // namespace
}  // namespace dravicor::test
