#include "engine/card_counter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine_fixture.h"

namespace dravicor::test {
namespace {

// The second deck repeats the first: 53 is its Ace of hearts, 104 its King of spades.

GameRules Rules(int cardCount = 52, int wasteInPlay = 0, int wasteUnderStock = 0) {
    GameRules rules;
    rules.set(Rule::CardCount, cardCount);
    rules.set(Rule::WasteInPlay, wasteInPlay);
    rules.set(Rule::WasteUnderStock, wasteUnderStock);
    return rules;
}

CounterMark MarkOf(const CardCounter& counter, int card) { return counter.cell(card)->mark; }

// Something of every kind of pile.
Position MixedPosition() {
    Position position;
    Lay(position, PileId::Stock(), {Hearts(1), Hearts(5)}, 2);
    Lay(position, PileId::Waste(), {Diamonds(1), Diamonds(2)});
    Lay(position, PileId::Tableau(1), {Clubs(3), Clubs(4)}, 1);
    Lay(position, PileId::Foundation(1), {Spades(1)});
    Lay(position, PileId::Reserve(1), {Spades(6)}, 1);
    Lay(position, PileId::SecondWaste(), {Spades(7), Hearts(13)}, 1);
    return position;
}

TEST(CardCounterGeometry, HeightByCardCountAndCellsByRankSuitAndDeck) {
    EXPECT_EQ(CardCounterHeight(104), 194);
    EXPECT_EQ(CardCounterHeight(156), 268);
    EXPECT_EQ(CardCounterHeight(208), 340);
    EXPECT_EQ(CardCounterHeight(78), 121);

    CardCounter counter;
    counter.Reset(Rules(104));
    EXPECT_EQ(counter.height(), 194);
    EXPECT_EQ(*counter.cell(Hearts(1)), (CounterCell{Hearts(1), CounterMark::None, 16, 3}));
    EXPECT_EQ(counter.cell(Diamonds(1))->y, 21);
    EXPECT_EQ(counter.cell(Spades(13))->y, 57);
    EXPECT_EQ(counter.cell(53)->y, 75);
    EXPECT_EQ(*counter.cell(104), (CounterCell{104, CounterMark::None, 184, 129}));
    EXPECT_EQ(counter.cells().size(), 104U);
    EXPECT_EQ(CounterSuitPicture(6), "card_clubs");

    EXPECT_EQ((CounterCell{Hearts(5), CounterMark::Up, 0, 0}).pictureName(), "Card_5_Up");
    EXPECT_EQ((CounterCell{104, CounterMark::Down, 0, 0}).pictureName(), "Card_13_Down");
}

TEST(CardCounterGeometry, AOneDeckGameIs121HighAndFillsOnlyTheFirstFourRows) {
    CardCounter counter;
    counter.Reset(Rules(52));
    EXPECT_EQ(counter.height(), 121);
    const std::vector<CounterCell> cells = counter.cells();
    ASSERT_EQ(cells.size(), 52U);
    for (const CounterCell& cell : cells) {
        EXPECT_LE(cell.y, CounterRowY(3));
        EXPECT_EQ(cell.pictureName(), "Card_None");
    }
    EXPECT_FALSE(counter.cell(53).has_value());
}

TEST(CardCounterUpdate, EachOnlyOptionIgnoresTheOtherSide) {
    const Position position = MixedPosition();
    const GameRules rules = Rules(52, 0, 1);
    CardCounter counter;
    counter.setOptions({.stockOnly = true});
    counter.Recount(position, rules);
    const std::vector<CounterCell> before = counter.cells();
    // A card played to a foundation changes nothing, nor do the tableau side's other kinds.
    EXPECT_FALSE(counter.Update(position, rules, Clubs(4), PileKind::Foundation, true));
    EXPECT_FALSE(counter.Update(position, rules, Hearts(1), PileKind::Tableau, true));
    EXPECT_FALSE(counter.Update(position, rules, Hearts(1), PileKind::SecondWaste, true));
    EXPECT_EQ(counter.cells(), before);
    EXPECT_TRUE(counter.Update(position, rules, Hearts(5), PileKind::Waste, true));
    EXPECT_EQ(MarkOf(counter, Hearts(5)), CounterMark::Up);

    counter.setOptions({.tableauOnly = true});
    counter.Recount(position, rules);
    EXPECT_FALSE(counter.Update(position, rules, Hearts(5), PileKind::Stock, false));
    EXPECT_EQ(MarkOf(counter, Hearts(5)), CounterMark::None);
    EXPECT_FALSE(counter.Update(position, rules, -1, PileKind::Stock, false));  // no recount either
    EXPECT_TRUE(counter.Update(position, rules, Hearts(1), PileKind::Reserve, true));
    EXPECT_EQ(MarkOf(counter, Hearts(1)), CounterMark::Up);
}

TEST(CardCounterUpdate, MarksClearsAndRecounts) {
    const Position position = MixedPosition();
    const GameRules rules = Rules(52, 0, 1);
    CardCounter counter;
    counter.Reset(rules);
    EXPECT_TRUE(counter.Update(position, rules, Spades(13), PileKind::Tableau, false));
    EXPECT_EQ(MarkOf(counter, Spades(13)), CounterMark::Down);
    EXPECT_TRUE(counter.Update(position, rules, Spades(13), PileKind::Tableau, true, CounterMode::Clear));
    EXPECT_EQ(MarkOf(counter, Spades(13)), CounterMark::None);
    // A card outside the game has no cell to mark.
    EXPECT_FALSE(counter.Update(position, rules, 53, PileKind::Tableau, true));

    EXPECT_TRUE(counter.Update(position, rules, -1, PileKind::Stock, false));
    CardCounter recounted;
    recounted.Recount(position, rules);
    EXPECT_EQ(counter.cells(), recounted.cells());
}

TEST(CardCounterUpdate, TheWasteTopOfAWasteShowingOnlyItsTop) {
    Position position = MixedPosition();
    CardCounter counter;
    counter.Recount(position, Rules(52, 0, 1));
    position.piles.stock[0].remove(Hearts(5), RemoveMode::Delete);
    position.Append(PileId::Waste(), Hearts(5), true);
    EXPECT_FALSE(counter.UpdateWasteTop(position, Rules(52, 1, 1), PileKind::Waste));
    EXPECT_FALSE(counter.UpdateWasteTop(position, Rules(52, 0, 1), PileKind::SecondWaste));
    EXPECT_EQ(MarkOf(counter, Hearts(5)), CounterMark::Down);
    EXPECT_TRUE(counter.UpdateWasteTop(position, Rules(52, 0, 1), PileKind::Waste));
    EXPECT_EQ(MarkOf(counter, Hearts(5)), CounterMark::Up);
}

TEST(CardCounterRefresh, CardsWhereTheOptionsDoNotLookKeepTheirMarks) {
    const GameRules rules = Rules(52, 1, 1);  // every waste card counts as seen
    Position position = MixedPosition();
    CardCounter counter;
    counter.setOptions({.stockOnly = true});
    counter.Recount(position, rules);
    ASSERT_EQ(MarkOf(counter, Diamonds(2)), CounterMark::Up);

    // The waste's top card goes to a foundation, a stock card to the waste.
    position.piles.stock[1].remove(Diamonds(2), RemoveMode::Delete);
    position.Append(PileId::Foundation(2), Diamonds(2), true);
    position.piles.stock[0].remove(Hearts(5), RemoveMode::Delete);
    position.Append(PileId::Waste(), Hearts(5), true);
    counter.Refresh(position, rules);
    EXPECT_EQ(MarkOf(counter, Diamonds(2)), CounterMark::Up);  // not looked at on the foundation
    EXPECT_EQ(MarkOf(counter, Hearts(5)), CounterMark::Up);   // seen on the waste
    EXPECT_EQ(MarkOf(counter, Clubs(4)), CounterMark::None);
    // A full recount forgets what lies out of sight.
    counter.Recount(position, rules);
    EXPECT_EQ(MarkOf(counter, Diamonds(2)), CounterMark::None);

    // Tableau only: the stock side keeps its marks, the tableau side follows
    // the faces, and a card gone out of play is cleared.
    counter.setOptions({.tableauOnly = true});
    counter.Recount(position, rules);
    position.piles.stock[1].remove(Hearts(5), RemoveMode::Delete);
    position.Append(PileId::Stock(), Hearts(5), false);
    position.cardTable.SetFaceUp(Clubs(3), true);
    position.piles.reserves[0].remove(Spades(6), RemoveMode::Delete);
    counter.Refresh(position, rules);
    EXPECT_EQ(MarkOf(counter, Hearts(5)), CounterMark::None);
    EXPECT_EQ(MarkOf(counter, Clubs(3)), CounterMark::Up);
    EXPECT_EQ(MarkOf(counter, Spades(6)), CounterMark::None);

    // Without an only option a refresh is a recount.
    counter.setOptions({});
    counter.Refresh(position, rules);
    CardCounter recounted;
    recounted.Recount(position, rules);
    EXPECT_EQ(counter.cells(), recounted.cells());
}

TEST(CardCounterRefresh, AGameOfAnotherCardCountForgetsTheOldMarks) {
    Position position = MixedPosition();
    CardCounter counter;
    counter.setOptions({.stockOnly = true});
    counter.Recount(position, Rules(52, 1, 1));
    position.piles.stock[1].remove(Diamonds(2), RemoveMode::Delete);
    position.Append(PileId::Foundation(2), Diamonds(2), true);
    counter.Refresh(position, Rules(52, 1, 1));
    ASSERT_EQ(MarkOf(counter, Diamonds(2)), CounterMark::Up);

    // The next game has two decks: the card seen in the last game is unknown again.
    counter.Refresh(position, Rules(104, 1, 1));
    EXPECT_EQ(counter.cardCount(), 104);
    EXPECT_EQ(MarkOf(counter, Diamonds(2)), CounterMark::None);
}

TEST(CardCounterOptions, OnlyOptionsExcludeEachOtherAndEachChangeRecounts) {
    const Position position = MixedPosition();
    const GameRules rules = Rules(52, 0, 1);
    CardCounter counter;
    counter.ToggleTableauOnly(position, rules);
    EXPECT_EQ(counter.options(), (CardCounterOptions{.tableauOnly = true}));
    EXPECT_EQ(MarkOf(counter, Clubs(4)), CounterMark::Up);
    EXPECT_EQ(MarkOf(counter, Hearts(1)), CounterMark::None);

    counter.ToggleStockOnly(position, rules);
    EXPECT_EQ(counter.options(), (CardCounterOptions{.stockOnly = true}));
    EXPECT_EQ(MarkOf(counter, Clubs(4)), CounterMark::None);
    EXPECT_EQ(MarkOf(counter, Hearts(1)), CounterMark::Down);

    counter.ToggleInverted(position, rules);
    EXPECT_EQ(counter.options(), (CardCounterOptions{.stockOnly = true, .inverted = true}));
    EXPECT_EQ(MarkOf(counter, Hearts(1)), CounterMark::Up);

    // Turning an option off again leaves the other off too.
    counter.ToggleStockOnly(position, rules);
    EXPECT_EQ(counter.options(), (CardCounterOptions{.inverted = true}));
    EXPECT_EQ(MarkOf(counter, Clubs(4)), CounterMark::Down);

    // Stored options with both on are read as stock only.
    counter.setOptions({.stockOnly = true, .tableauOnly = true});
    EXPECT_EQ(counter.options(), (CardCounterOptions{.stockOnly = true}));
}

// The counter's text after a recount of the mixed position: eight lines of
// thirteen cells, of which a one-deck game fills the first four.
TEST(CardCounterRecount, MarksEachPileAsTheRulesAndOptionsShowIt) {
    struct Case {
        const char* what;
        GameRules rules;
        CardCounterOptions options;
        std::vector<std::string> suits;  // hearts, diamonds, clubs, spades
    };
    const Case cases[] = {
        // The stock's A and 5 of hearts, the K on the second waste; the
        // waste; the tableau; foundation, reserve and second waste spades.
        {"waste top seen", Rules(52, 0, 1), {}, {"D---D-------U", "DU-----------", "--DU---------", "U----UD------"}},
        {"whole waste seen", Rules(52, 1, 1), {}, {"D---D-------U", "UU-----------", "--DU---------", "U----UD------"}},
        {"waste unseen", Rules(52, 1, 0), {}, {"D---D-------U", "-------------", "--DU---------", "U----UD------"}},
        {"inverted", Rules(52, 0, 1), {.inverted = true},
         {"U---U-------D", "UD-----------", "--UD---------", "D----DU------"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CardCounter counter;
        counter.setOptions(c.options);
        counter.Recount(MixedPosition(), c.rules);
        std::vector<std::string> expected = c.suits;
        expected.resize(8, "-------------");
        EXPECT_EQ(CardCounterText(counter), expected);
    }
    CardCounter inverted;
    inverted.setOptions({.inverted = true});
    inverted.Recount(MixedPosition(), Rules(52, 0, 1));
    EXPECT_EQ(inverted.cell(Clubs(4))->pictureName(), "Card_4_Down");

    CardCounter twoDecks;
    Position position;
    position.Append(PileId::Tableau(1), 104, false);
    twoDecks.Recount(position, Rules(104));
    EXPECT_EQ(CardCounterText(twoDecks)[7], "------------D");
}

}  // namespace
}  // namespace dravicor::test
