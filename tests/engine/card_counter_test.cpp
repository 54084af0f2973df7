#include "engine/card_counter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dravicor {
namespace {

// Cards used below (first deck): hearts 1-13, diamonds 14-26, clubs 27-39,
// spades 40-52, each Ace to King.
constexpr int kAceHearts = 1;
constexpr int kFiveHearts = 5;
constexpr int kKingHearts = 13;
constexpr int kAceDiamonds = 14;
constexpr int kTwoDiamonds = 15;
constexpr int kThreeClubs = 29;
constexpr int kFourClubs = 30;
constexpr int kSixSpades = 45;
constexpr int kSevenSpades = 46;
constexpr int kKingSpades = 52;
constexpr int kAceHeartsSecondDeck = 53;
constexpr int kKingSpadesSecondDeck = 104;

GameRules Rules(int cardCount = 52, int wasteInPlay = 0, int wasteUnderStock = 0) {
    GameRules rules;
    rules.set(Rule::CardCount, cardCount);
    rules.set(Rule::WasteInPlay, wasteInPlay);
    rules.set(Rule::WasteUnderStock, wasteUnderStock);
    return rules;
}

CounterMark MarkOf(const CardCounter& counter, int card) { return counter.cell(card)->mark; }

// Something of every kind of pile:
//   stock 1, 5 (face down); waste 14, 15 (top 15);
//   tableau 1: 29 down, 30 up; foundation 1: 40 up; reserve 1: 45 down;
//   second waste: 46 down, 13 up.
Position MixedPosition() {
    Position position;
    position.Append(PileId::Stock(), kAceHearts, false);
    position.Append(PileId::Stock(), kFiveHearts, false);
    position.Append(PileId::Waste(), kAceDiamonds, true);
    position.Append(PileId::Waste(), kTwoDiamonds, true);
    position.Append(PileId::Tableau(1), kThreeClubs, false);
    position.Append(PileId::Tableau(1), kFourClubs, true);
    position.Append(PileId::Foundation(1), 40, true);
    position.Append(PileId::Reserve(1), kSixSpades, false);
    position.Append(PileId::SecondWaste(), kSevenSpades, false);
    position.Append(PileId::SecondWaste(), kKingHearts, true);
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
    EXPECT_EQ(*counter.cell(kAceHearts), (CounterCell{kAceHearts, CounterMark::None, 16, 3}));
    EXPECT_EQ(counter.cell(kAceDiamonds)->y, 21);
    EXPECT_EQ(counter.cell(kKingSpades)->y, 57);
    EXPECT_EQ(counter.cell(kAceHeartsSecondDeck)->y, 75);
    EXPECT_EQ(*counter.cell(kKingSpadesSecondDeck), (CounterCell{kKingSpadesSecondDeck, CounterMark::None, 184, 129}));
    EXPECT_EQ(counter.cells().size(), 104U);
    EXPECT_EQ(CounterSuitPicture(6), "card_clubs");

    EXPECT_EQ((CounterCell{kFiveHearts, CounterMark::Up, 0, 0}).pictureName(), "Card_5_Up");
    EXPECT_EQ((CounterCell{kKingSpadesSecondDeck, CounterMark::Down, 0, 0}).pictureName(), "Card_13_Down");
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
    EXPECT_FALSE(counter.cell(kAceHeartsSecondDeck).has_value());
}

TEST(CardCounterRecount, TheWasteCountsAsTheRulesShowIt) {
    CardCounter counter;
    // The marks of each kind of pile with the waste showing only its top are
    // spelled out by the text test below; these are the waste's other readings.
    counter.Recount(MixedPosition(), Rules(52, 1, 1));  // every waste card seen
    EXPECT_EQ(MarkOf(counter, kAceDiamonds), CounterMark::Up);
    counter.Recount(MixedPosition(), Rules(52, 1, 0));  // the waste is not counted
    EXPECT_EQ(MarkOf(counter, kTwoDiamonds), CounterMark::None);
}

TEST(CardCounterRecount, InvertedSwapsUpAndDown) {
    CardCounter counter;
    counter.setOptions({.inverted = true});
    counter.Recount(MixedPosition(), Rules(52, 0, 1));
    EXPECT_EQ(MarkOf(counter, kFourClubs), CounterMark::Down);  // face-up tableau card
    EXPECT_EQ(counter.cell(kFourClubs)->pictureName(), "Card_4_Down");
    EXPECT_EQ(MarkOf(counter, kThreeClubs), CounterMark::Up);
    EXPECT_EQ(MarkOf(counter, kAceHearts), CounterMark::Up);    // unseen stock card
    EXPECT_EQ(MarkOf(counter, kKingSpades), CounterMark::None); // no card stays no card
}

TEST(CardCounterUpdate, EachOnlyOptionIgnoresTheOtherSide) {
    const Position position = MixedPosition();
    const GameRules rules = Rules(52, 0, 1);
    CardCounter counter;
    counter.setOptions({.stockOnly = true});
    counter.Recount(position, rules);
    const std::vector<CounterCell> before = counter.cells();
    // A card played to a foundation changes nothing, nor do the tableau side's other kinds.
    EXPECT_FALSE(counter.Update(position, rules, kFourClubs, PileKind::Foundation, true));
    EXPECT_FALSE(counter.Update(position, rules, kAceHearts, PileKind::Tableau, true));
    EXPECT_FALSE(counter.Update(position, rules, kAceHearts, PileKind::SecondWaste, true));
    EXPECT_EQ(counter.cells(), before);
    EXPECT_TRUE(counter.Update(position, rules, kFiveHearts, PileKind::Waste, true));
    EXPECT_EQ(MarkOf(counter, kFiveHearts), CounterMark::Up);

    counter.setOptions({.tableauOnly = true});
    counter.Recount(position, rules);
    EXPECT_FALSE(counter.Update(position, rules, kFiveHearts, PileKind::Stock, false));
    EXPECT_EQ(MarkOf(counter, kFiveHearts), CounterMark::None);
    EXPECT_FALSE(counter.Update(position, rules, -1, PileKind::Stock, false));  // no recount either
    EXPECT_TRUE(counter.Update(position, rules, kAceHearts, PileKind::Reserve, true));
    EXPECT_EQ(MarkOf(counter, kAceHearts), CounterMark::Up);
}

TEST(CardCounterUpdate, MarksClearsAndRecounts) {
    const Position position = MixedPosition();
    const GameRules rules = Rules(52, 0, 1);
    CardCounter counter;
    counter.Reset(rules);
    EXPECT_TRUE(counter.Update(position, rules, kKingSpades, PileKind::Tableau, false));
    EXPECT_EQ(MarkOf(counter, kKingSpades), CounterMark::Down);
    EXPECT_TRUE(counter.Update(position, rules, kKingSpades, PileKind::Tableau, true, CounterMode::Clear));
    EXPECT_EQ(MarkOf(counter, kKingSpades), CounterMark::None);
    // A card outside the game has no cell to mark.
    EXPECT_FALSE(counter.Update(position, rules, kAceHeartsSecondDeck, PileKind::Tableau, true));

    EXPECT_TRUE(counter.Update(position, rules, -1, PileKind::Stock, false));
    CardCounter recounted;
    recounted.Recount(position, rules);
    EXPECT_EQ(counter.cells(), recounted.cells());
}

TEST(CardCounterUpdate, TheWasteTopOfAWasteShowingOnlyItsTop) {
    Position position = MixedPosition();
    CardCounter counter;
    counter.Recount(position, Rules(52, 0, 1));
    position.piles.stock[0].remove(kFiveHearts, RemoveMode::Delete);
    position.Append(PileId::Waste(), kFiveHearts, true);
    EXPECT_FALSE(counter.UpdateWasteTop(position, Rules(52, 1, 1), PileKind::Waste));
    EXPECT_FALSE(counter.UpdateWasteTop(position, Rules(52, 0, 1), PileKind::SecondWaste));
    EXPECT_EQ(MarkOf(counter, kFiveHearts), CounterMark::Down);
    EXPECT_TRUE(counter.UpdateWasteTop(position, Rules(52, 0, 1), PileKind::Waste));
    EXPECT_EQ(MarkOf(counter, kFiveHearts), CounterMark::Up);
}

TEST(CardCounterRefresh, CardsWhereTheOptionsDoNotLookKeepTheirMarks) {
    const GameRules rules = Rules(52, 1, 1);  // every waste card counts as seen
    Position position = MixedPosition();
    CardCounter counter;
    counter.setOptions({.stockOnly = true});
    counter.Recount(position, rules);
    ASSERT_EQ(MarkOf(counter, kTwoDiamonds), CounterMark::Up);

    // The waste's top card goes to a foundation, a stock card to the waste.
    position.piles.stock[1].remove(kTwoDiamonds, RemoveMode::Delete);
    position.Append(PileId::Foundation(2), kTwoDiamonds, true);
    position.piles.stock[0].remove(kFiveHearts, RemoveMode::Delete);
    position.Append(PileId::Waste(), kFiveHearts, true);
    counter.Refresh(position, rules);
    EXPECT_EQ(MarkOf(counter, kTwoDiamonds), CounterMark::Up);  // not looked at on the foundation
    EXPECT_EQ(MarkOf(counter, kFiveHearts), CounterMark::Up);   // seen on the waste
    EXPECT_EQ(MarkOf(counter, kFourClubs), CounterMark::None);
    // A full recount forgets what lies out of sight.
    counter.Recount(position, rules);
    EXPECT_EQ(MarkOf(counter, kTwoDiamonds), CounterMark::None);

    // Tableau only: the stock side keeps its marks, the tableau side follows
    // the faces, and a card gone out of play is cleared.
    counter.setOptions({.tableauOnly = true});
    counter.Recount(position, rules);
    position.piles.stock[1].remove(kFiveHearts, RemoveMode::Delete);
    position.Append(PileId::Stock(), kFiveHearts, false);
    position.cardTable.SetFaceUp(kThreeClubs, true);
    position.piles.reserves[0].remove(kSixSpades, RemoveMode::Delete);
    counter.Refresh(position, rules);
    EXPECT_EQ(MarkOf(counter, kFiveHearts), CounterMark::None);
    EXPECT_EQ(MarkOf(counter, kThreeClubs), CounterMark::Up);
    EXPECT_EQ(MarkOf(counter, kSixSpades), CounterMark::None);

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
    position.piles.stock[1].remove(kTwoDiamonds, RemoveMode::Delete);
    position.Append(PileId::Foundation(2), kTwoDiamonds, true);
    counter.Refresh(position, Rules(52, 1, 1));
    ASSERT_EQ(MarkOf(counter, kTwoDiamonds), CounterMark::Up);

    // The next game has two decks: the card seen in the last game is unknown again.
    counter.Refresh(position, Rules(104, 1, 1));
    EXPECT_EQ(counter.cardCount(), 104);
    EXPECT_EQ(MarkOf(counter, kTwoDiamonds), CounterMark::None);
}

TEST(CardCounterOptions, OnlyOptionsExcludeEachOtherAndEachChangeRecounts) {
    const Position position = MixedPosition();
    const GameRules rules = Rules(52, 0, 1);
    CardCounter counter;
    counter.ToggleTableauOnly(position, rules);
    EXPECT_EQ(counter.options(), (CardCounterOptions{.tableauOnly = true}));
    EXPECT_EQ(MarkOf(counter, kFourClubs), CounterMark::Up);
    EXPECT_EQ(MarkOf(counter, kAceHearts), CounterMark::None);

    counter.ToggleStockOnly(position, rules);
    EXPECT_EQ(counter.options(), (CardCounterOptions{.stockOnly = true}));
    EXPECT_EQ(MarkOf(counter, kFourClubs), CounterMark::None);
    EXPECT_EQ(MarkOf(counter, kAceHearts), CounterMark::Down);

    counter.ToggleInverted(position, rules);
    EXPECT_EQ(counter.options(), (CardCounterOptions{.stockOnly = true, .inverted = true}));
    EXPECT_EQ(MarkOf(counter, kAceHearts), CounterMark::Up);

    // Turning an option off again leaves the other off too.
    counter.ToggleStockOnly(position, rules);
    EXPECT_EQ(counter.options(), (CardCounterOptions{.inverted = true}));
    EXPECT_EQ(MarkOf(counter, kFourClubs), CounterMark::Down);

    // Stored options with both on are read as stock only.
    counter.setOptions({.stockOnly = true, .tableauOnly = true});
    EXPECT_EQ(counter.options(), (CardCounterOptions{.stockOnly = true}));
}

TEST(CardCounterText, EightLinesOfThirteenCells) {
    CardCounter counter;
    counter.Recount(MixedPosition(), Rules(52, 0, 1));
    const std::vector<std::string> expected = {
        "D---D-------U",  // hearts: A and 5 in the stock, K on the second waste
        "DU-----------",  // diamonds: the waste
        "--DU---------",  // clubs: the tableau
        "U----UD------",  // spades: foundation, reserve, second waste
        "-------------", "-------------", "-------------", "-------------",
    };
    EXPECT_EQ(CardCounterText(counter), expected);

    CardCounter twoDecks;
    Position position;
    position.Append(PileId::Tableau(1), kKingSpadesSecondDeck, false);
    twoDecks.Recount(position, Rules(104));
    EXPECT_EQ(CardCounterText(twoDecks)[7], "------------D");
}

}  // namespace
}  // namespace dravicor
