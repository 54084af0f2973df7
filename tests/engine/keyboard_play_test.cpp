// Keyboard play: where the focus goes, what the table sounds like in words,
// and moves made by keys through the engine's pointer rules.
#include "engine/keyboard_play.h"

#include "engine/player_input.h"
#include "engine/table_speech.h"
#include "engine_fixture.h"

namespace dravicor::test {
namespace {

class KeyboardPlayTest : public EngineFixture {
protected:
    // A Klondike table: Tableau 1 a lone face-up King, Tableau 2 three cards
    // face down under the 8 of Spades and 7 of Hearts, Tableau 3 empty,
    // Foundation 1 Ace to 3 of Hearts, the stock the rest.
    void klondike() {
        settings.put(Field::AutomaticFaceUp, "N");
        playFrom(kKlondike, {{PileId::Tableau(1), {Clubs(13)}},
                             {PileId::Tableau(2), {Clubs(2), Clubs(3), Clubs(4), Spades(8), Hearts(7)}, 3},
                             {PileId::Foundation(1), {Hearts(1), Hearts(2), Hearts(3)}},
                             {PileId::Tableau(4), {Diamonds(2)}, 1},
                             {PileId::Stock(), {Clubs(9), Diamonds(9), Spades(1)}, 3}});
    }
    std::vector<std::string> titles(const std::vector<PileId>& piles) const {
        std::vector<std::string> names;
        for (const PileId pile : piles) names.push_back(PileTitle(pile, engine.rules()));
        return names;
    }
    void press(KeyCommand command, int times = 1) {
        for (int i = 0; i < times; ++i) said = keys.Command(command);
    }
    void goTo(KeyFocus target) {
        for (const KeyCommand command : keys.RouteTo(target)) keys.Command(command);
        ASSERT_EQ(keys.focus()->pile, target.pile) << PileTitle(target.pile, engine.rules());
        if (target.card != kNoCard) {
            ASSERT_EQ(keys.focus()->card, target.card) << CardName(target.card);
        }
    }
    KeyFocus at(PileId pile, int card = kNoCard) const { return {pile, static_cast<CardNumber>(card)}; }
    // Moves the focus there and gives the command; what the table says to it.
    std::string sayAfter(KeyFocus target, KeyCommand command) {
        goTo(target);
        press(command);
        return said;
    }
    void goToCard(int card) {
        for (const PileId pile : PilesInReadingOrder(engine)) {
            if (engine.position().piles.pile(pile).contains(card)) return goTo(at(pile, card));
        }
        FAIL() << CardName(card) << " is not on the table";
    }

    KeyboardPlay keys{engine};
    std::string said;
};

TEST_F(KeyboardPlayTest, PilesAreReadRowByRowFromTheLeft) {
    deal(kKlondike);
    EXPECT_EQ(titles(PilesInReadingOrder(engine)),
              (std::vector<std::string>{"Stock", "Waste", "Foundation 1", "Foundation 2", "Foundation 3", "Foundation 4",
                                        "Tableau 1", "Tableau 2", "Tableau 3", "Tableau 4", "Tableau 5", "Tableau 6",
                                        "Tableau 7"}));
    deal(kFreeCell);
    const auto order = titles(PilesInReadingOrder(engine));
    ASSERT_EQ(order.size(), 16u);
    EXPECT_EQ(std::vector<std::string>(order.begin(), order.begin() + 5),
              (std::vector<std::string>{"Free cell 1", "Free cell 2", "Free cell 3", "Free cell 4", "Foundation 1"}));
    EXPECT_EQ(order.back(), "Tableau 8");
}

TEST_F(KeyboardPlayTest, PilesAreDescribedAsAPlayerSeesThem) {
    klondike();
    const std::pair<PileId, const char*> cases[] = {
        {PileId::Tableau(2), "Tableau 2: 7 of Hearts on 8 of Spades, 3 cards face down"},
        {PileId::Tableau(1), "Tableau 1: King of Clubs"},
        {PileId::Tableau(3), "Tableau 3: empty"},
        {PileId::Tableau(4), "Tableau 4: 1 card face down"},
        {PileId::Foundation(1), "Foundation 1: 3 of Hearts, 2 cards below"},
        {PileId::Stock(), "Stock: 3 cards face down"},
    };
    for (const auto& [pile, text] : cases) EXPECT_EQ(DescribePile(engine, pile), text);
    EXPECT_EQ(DescribeFocus(engine, at(PileId::Tableau(2), Spades(8))), "Tableau 2: 8 of Spades, under 1 card");
    deal(kFreeCell);
    EXPECT_EQ(DescribePile(engine, PileId::Reserve(2)), "Free cell 2: empty");
    EXPECT_EQ(DescribeDeal("FreeCell", "0000000000042"), "FreeCell, game 42, dealt.");
}

TEST_F(KeyboardPlayTest, ArrowsFollowTheFansAndTheRows) {
    klondike();
    struct Case {
        KeyFocus from;
        FocusMove move;
        KeyFocus to;
    };
    const Case cases[] = {
        {at(PileId::Tableau(2), Hearts(7)), FocusMove::Up, at(PileId::Tableau(2), Spades(8))},
        {at(PileId::Tableau(2), Spades(8)), FocusMove::Down, at(PileId::Tableau(2), Hearts(7))},
        {at(PileId::Tableau(2), Spades(8)), FocusMove::Up, at(PileId::Waste())},
        {at(PileId::Tableau(2), Hearts(7)), FocusMove::Right, at(PileId::Tableau(3))},
        {at(PileId::Tableau(3)), FocusMove::Left, at(PileId::Tableau(2), Hearts(7))},
        {at(PileId::Stock(), Spades(1)), FocusMove::Down, at(PileId::Tableau(1), Clubs(13))},
        {at(PileId::Stock(), Spades(1)), FocusMove::Left, at(PileId::Stock(), Spades(1))},
        {at(PileId::Waste()), FocusMove::Right, at(PileId::Foundation(1), Hearts(3))},
        {at(PileId::Tableau(7)), FocusMove::Next, at(PileId::Stock(), Spades(1))},
        {at(PileId::Stock(), Spades(1)), FocusMove::Previous, at(PileId::Tableau(7))},
        {at(PileId::Tableau(2), Clubs(3)), FocusMove::Right, at(PileId::Tableau(3))},  // settles on the top first
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(DescribeFocus(engine, c.from));
        EXPECT_EQ(MovedFocus(engine, c.from, c.move), c.to);
    }
}

TEST_F(KeyboardPlayTest, EveryPlaceOfADealCanBeReachedByKeys) {
    deal(kFreeCell, "11");
    const auto start = keys.focus();
    ASSERT_TRUE(start.has_value());
    for (const PileId pile : PilesInReadingOrder(engine)) {
        for (const FocusPlace& place : PilePlaces(engine, pile)) {
            KeyFocus focus = *start;
            for (const FocusMove move : FocusRoute(engine, *start, place.focus)) focus = MovedFocus(engine, focus, move);
            EXPECT_EQ(focus, place.focus) << DescribeFocus(engine, place.focus);
        }
    }
}

TEST_F(KeyboardPlayTest, EveryListedMoveCanBeMadeByKeys) {
    deal(kFreeCell, "7");
    const auto atDeal = snapshot();
    for (const PlayerMove& move : engine.LegalMoves()) {
        SCOPED_TRACE(CardName(move.card) + " to " + PileTitle(move.target, engine.rules()));
        goToCard(move.card);
        press(KeyCommand::Activate);
        ASSERT_TRUE(keys.carrying()) << said;
        goTo(at(move.target));
        press(KeyCommand::Activate);
        EXPECT_TRUE(engine.position().piles.pile(move.target).contains(move.card)) << said;
        EXPECT_NE(said.find(CardName(move.card)), std::string::npos) << said;
        ASSERT_EQ(engine.history().undo.size(), 1u);
        ASSERT_TRUE(engine.Undo(true));
        EXPECT_EQ(snapshot(), atDeal);
    }
}

TEST_F(KeyboardPlayTest, ARefusedDropAndEscapePutTheCardsBack) {
    klondike();
    const auto before = snapshot();
    EXPECT_EQ(sayAfter(at(PileId::Tableau(2), Spades(8)), KeyCommand::Activate),
              "8 of Spades and 1 more card picked up.");
    EXPECT_EQ(sayAfter(at(PileId::Tableau(1)), KeyCommand::Activate), "Tableau 1 does not take 8 of Spades.");
    EXPECT_FALSE(keys.carrying());
    goTo(at(PileId::Tableau(2), Hearts(7)));
    press(KeyCommand::Activate);
    press(KeyCommand::Cancel);
    EXPECT_EQ(said, "7 of Hearts put back.");
    EXPECT_EQ(snapshot(), before);
    EXPECT_TRUE(engine.history().undo.empty());
    EXPECT_EQ(soundCount("card_down.wav"), 2);
}

TEST_F(KeyboardPlayTest, TheStockTurnsFaceDownCardsTurnAndCtrlEnterSendsHome) {
    klondike();
    EXPECT_EQ(sayAfter(at(PileId::Stock()), KeyCommand::Activate), "Ace of Spades to Waste.");
    EXPECT_EQ(sayAfter(at(PileId::Waste()), KeyCommand::ToFoundation), "Ace of Spades to Foundation 2.");
    EXPECT_EQ(sayAfter(at(PileId::Tableau(1)), KeyCommand::ToFoundation), "King of Clubs does not go to a foundation.");
    EXPECT_EQ(sayAfter(at(PileId::Tableau(4)), KeyCommand::Activate), "2 of Diamonds turned face up.");
    EXPECT_EQ(engine.history().undo.size(), 3u);
}

TEST_F(KeyboardPlayTest, PairingGamesSelectWithTheKeys) {
    constexpr int kMonteCarlo = 10;
    deal(kMonteCarlo, "3");
    const auto sets = engine.SelectionMoves();
    ASSERT_FALSE(sets.empty());
    const std::vector<CardNumber>& pair = sets.front();
    for (size_t i = 0; i < pair.size(); ++i) {
        goToCard(pair[i]);
        press(KeyCommand::Activate);
        if (i + 1 < pair.size()) {
            EXPECT_EQ(said, CardName(pair[i]) + " selected.");
        }
    }
    EXPECT_EQ(engine.history().undo.size(), 1u) << said;
    EXPECT_TRUE(engine.selection().empty());
}

TEST_F(KeyboardPlayTest, CardsInHandAreForgottenWhenTheGameStartsAgain) {
    klondike();
    goTo(at(PileId::Tableau(1)));
    press(KeyCommand::Activate);
    ASSERT_TRUE(keys.carrying());
    deal(kKlondike);
    EXPECT_FALSE(keys.carrying());
    press(KeyCommand::Right);
    EXPECT_FALSE(said.empty());
    EXPECT_FALSE(engine.isDragging());
    // While a demo is shown a key beeps as a press of the mouse does.
    engine.setDemoMode(true);
    const int beeps = fake.beeps;
    press(KeyCommand::Activate);
    EXPECT_EQ(said, "A demo is shown.");
    EXPECT_EQ(fake.beeps, beeps + 1);
}

}  // namespace
}  // namespace dravicor::test
