// Selection play of the pairing games: which presses select, which are
// refused with a beep, and which complete a selection and discard it.
#include <gtest/gtest.h>

#include <cstdlib>

#include "engine_fixture.h"

namespace dravicor::test {
namespace {

// Klondike's table with the pairing rules of a family laid over it, and a
// position built card by card: every tableau pile holds the listed cards
// face up (Down() ones face down), the rest of the pack waits in the stock.
class SelectionTest : public EngineFixture {
protected:
    void play(int family, int target, const std::vector<std::vector<int>>& tableau, int spread = 1,
              bool withStock = true) {
        rules = catalogueRules(kKlondike);
        rules.set(Rule::SpecialGame, family);
        rules.set(Rule::SelectionPlay, target);
        rules.set(Rule::TableauSpread, spread);
        rules.set(Rule::AutoplayAvailable, 0);
        rules.set(Rule::TableauCount, static_cast<int>(tableau.size()));
        rules.set(Rule::TableauDealMode, 1);  // the stock deals onto the first pile
        engine.setGame(kKlondike, rules);
        Position position;
        std::vector<bool> used(53, false);
        for (size_t t = 0; t < tableau.size(); ++t) {
            for (const int card : tableau[t]) {
                const auto number = static_cast<CardNumber>(std::abs(card));
                position.Append(PileId::Tableau(static_cast<int>(t) + 1), number, card > 0);
                used[number] = true;
            }
        }
        for (int card = 52; withStock && card >= 1; --card) {
            if (!used[static_cast<size_t>(card)]) position.Append(PileId::Stock(), static_cast<CardNumber>(card), false);
        }
        playFrom(position);
    }

    std::vector<int> selected() const { return {engine.selection().begin(), engine.selection().end()}; }
    std::vector<int> discarded() const { return CardsOf(engine.position(), PileId::SecondWaste()); }

    GameRules rules;
};

// Piles 1-10 of the Monte Carlo grid (rows of five): 1 and 7 touch
// diagonally, 1 and 3 do not.
std::vector<std::vector<int>> MonteCarloGrid() {
    return {{Hearts(5)}, {Hearts(2)}, {Clubs(5)}, {Hearts(3)}, {Hearts(4)},
            {Hearts(6)}, {Spades(5)}, {Hearts(7)}, {Hearts(8)}, {Hearts(9)}};
}

TEST_F(SelectionTest, EmptiedPilesAreDealtAgainFromTheStockFaceUp) {
    play(1, 10, {{Hearts(3)}, {Spades(7)}, {Clubs(4)}, {Diamonds(2)}, {Hearts(5)}, {Clubs(10)}});
    click(Hearts(3));
    click(Spades(7));
    ASSERT_EQ(discarded(), (std::vector<int>{Hearts(3), Spades(7)}));
    EXPECT_EQ(engine.position().piles.tableau[0].size(), 1);
    EXPECT_TRUE(engine.position().cardTable.IsFaceUp(engine.position().piles.tableau[0].top()));
    EXPECT_EQ(engine.position().piles.stock[0].size(), 52 - 6 - 2);
}

TEST_F(SelectionTest, ListedSelectionsAreExactlyTheOnesThatDiscard) {
    play(1, 10, {{Hearts(3)}, {Spades(7)}, {Clubs(4)}, {Diamonds(2)}, {Hearts(5)}, {Clubs(10)}});
    using Sets = std::vector<std::vector<CardNumber>>;
    EXPECT_EQ(engine.SelectionMoves(), (Sets{{Hearts(3), Spades(7)}}));

    play(1, 15, {{Hearts(12)}, {Diamonds(12)}, {Clubs(12)}, {Spades(12)}, {Hearts(7)}, {Spades(8)}});
    EXPECT_EQ(engine.SelectionMoves(),
              (Sets{{Hearts(12), Diamonds(12), Clubs(12), Spades(12)}, {Hearts(7), Spades(8)}}));

    // Only free cards count in a pyramid; a King goes alone.
    play(4, 13, {{Hearts(6)}, {Clubs(13), Diamonds(7)}}, 4);
    EXPECT_EQ(engine.SelectionMoves(), (Sets{{Clubs(13)}}));

    // Every listed selection, pressed, is discarded in one step.
    play(17, 11, {{Hearts(4)}, {Clubs(7)}, {Spades(11)}, {Spades(12)}, {Diamonds(13)}, {Diamonds(4)}});
    const Sets listed = engine.SelectionMoves();
    ASSERT_EQ(listed.size(), 3U);
    for (const auto& set : listed) {
        const size_t steps = engine.history().undo.size();
        for (const CardNumber card : set) click(card);
        EXPECT_EQ(engine.history().undo.size(), steps + 1);
        ASSERT_TRUE(engine.Undo());
    }
}

// A press that the family's rules refuse: it beeps and changes nothing.
constexpr int Refused(int card) { return -card; }
// A card laid face down.
constexpr int Down(int card) { return -card; }

// Presses in turn on a table of cards laid face up (Down() ones face down);
// every press must beep exactly when it is marked refused, and the discards,
// the selection and the piles named must end as listed. A second press on a
// selected card deselects it.
TEST_F(SelectionTest, EachFamilySelectsAndDiscardsByItsRules) {
    struct Case {
        const char* what;
        int family;
        int target;
        std::vector<std::vector<int>> tableau;
        int spread;
        std::vector<int> presses;
        std::vector<int> discarded;
        std::vector<int> selected;
        std::vector<std::pair<int, std::vector<int>>> after = {};  // tableau pile index, cards
    };
    const Case cases[] = {
        {"fifteens: a pair, then a ten after a five", 1, 15, {{Hearts(7)}, {Spades(8)}, {Hearts(5)}, {Clubs(10)}}, 1,
         {Hearts(7), Spades(8), Hearts(5), Refused(Clubs(10))}, {Hearts(7), Spades(8)}, {Hearts(5)}},
        {"fifteens: four of a kind of court cards", 1, 15, {{Hearts(12)}, {Diamonds(12)}, {Clubs(12)}, {Spades(12)}}, 1,
         {Hearts(12), Diamonds(12), Clubs(12), Spades(12)}, {Hearts(12), Diamonds(12), Clubs(12), Spades(12)}, {}},
        {"elevens: a pair, no Jack after a four, court triples", 17, 11,
         {{Hearts(4)}, {Clubs(7)}, {Spades(11)}, {Spades(12)}, {Diamonds(13)}, {Diamonds(4)}}, 1,
         {Hearts(4), Clubs(7), Diamonds(4), Refused(Spades(11)), Diamonds(4), Spades(11), Spades(12), Diamonds(13)},
         {Hearts(4), Clubs(7), Spades(11), Spades(12), Diamonds(13)}, {}},
        {"eighteens: an Ace alone, no second five, a court card and three", 18, 18,
         {{Hearts(1)}, {Clubs(5)}, {Spades(6)}, {Diamonds(7)}, {Spades(13)}, {Hearts(5)}}, 1,
         {Hearts(1), Clubs(5), Refused(Hearts(5)), Spades(6), Diamonds(7), Spades(13)},
         {Hearts(1), Clubs(5), Spades(6), Diamonds(7), Spades(13)}, {}},
        {"nines: a nine alone, four and five, the top four", 24, 9,
         {{Hearts(9)}, {Clubs(4)}, {Spades(5)}, {Hearts(10)}, {Clubs(11)}, {Diamonds(12)}, {Spades(13)}}, 1,
         {Hearts(9), Clubs(4), Spades(5), Hearts(10), Clubs(11), Diamonds(12), Spades(13)},
         {Hearts(9), Clubs(4), Spades(5), Hearts(10), Clubs(11), Diamonds(12), Spades(13)}, {}},
        {"fourteen out: top cards only, two at most", 3, 14, {{Hearts(2), Hearts(6)}, {Clubs(8)}, {Spades(9)}}, 1,
         {Refused(Hearts(2)), Hearts(6), Spades(9), Refused(Clubs(8)), Spades(9), Clubs(8)}, {Hearts(6), Clubs(8)}, {}},
        {"thirteens: two cards at most", 7, 13, {{Hearts(6)}, {Clubs(7)}, {Spades(2)}, {Diamonds(3)}}, 1,
         {Spades(2), Diamonds(3), Refused(Hearts(6)), Spades(2), Diamonds(3), Hearts(6), Clubs(7)},
         {Hearts(6), Clubs(7)}, {}},
        {"sevens: a seven alone, King and Ace make fourteen", 23, 7,
         {{Hearts(7), Clubs(13), Spades(1), Diamonds(2), Hearts(3)}}, 8,
         {Hearts(7), Clubs(13), Spades(1), Diamonds(2)}, {Hearts(7), Clubs(13), Spades(1)}, {Diamonds(2)}},
        {"sevens: a card between them", 23, 7, {{Hearts(2), Clubs(4), Spades(6)}}, 8,
         {Hearts(2), Refused(Spades(6))}, {}, {Hearts(2)}},
        {"go-between: two twos either side, then no flanks", 21, 1,
         {{Hearts(2), 0, Clubs(8), 0, Diamonds(2), 0, Spades(1), 0, Spades(4)}}, 8,
         {Clubs(8), Diamonds(2), Refused(Spades(4)), Spades(1)}, {Clubs(8)}, {Diamonds(2), Spades(1)}},
        {"pairs of top cards, family 14", 14, 1, {{Hearts(9), Hearts(5)}, {Clubs(5)}, {Spades(9)}}, 1,
         {Refused(Hearts(9)), Hearts(5), Refused(Spades(9)), Clubs(5)}, {Hearts(5), Clubs(5)}, {}},
        {"pairs of top cards, family 16", 16, 1, {{Hearts(9), Hearts(5)}, {Clubs(5)}, {Spades(9)}}, 1,
         {Refused(Hearts(9)), Hearts(5), Refused(Spades(9)), Clubs(5)}, {Hearts(5), Clubs(5)}, {}},
        {"tens: a pair, no third number card, no ten with number cards", 1, 10,
         {{Hearts(3)}, {Spades(7)}, {Clubs(4)}, {Diamonds(2)}, {Hearts(5)}, {Clubs(10)}}, 1,
         {Hearts(3), Spades(7), Clubs(4), Diamonds(2), Refused(Hearts(5)), Refused(Clubs(10)), Diamonds(2)},
         {Hearts(3), Spades(7)}, {Clubs(4)}},
        // Rows of a pyramid laid side by side: row 2 covers row 1's card
        // while one of its places holds a card; a King goes alone and leaves
        // its place empty.
        {"pyramid: free once the next row is empty places", 4, 13, {{Hearts(6)}, {Clubs(13), Diamonds(13)}}, 4,
         {Refused(Hearts(6)), Clubs(13), Refused(Hearts(6)), Diamonds(13), Hearts(6)}, {Clubs(13), Diamonds(13)},
         {Hearts(6)}, {{1, {0, 0}}}},
        {"monte carlo: touching pairs, no refill in the grid", 8, 1, MonteCarloGrid(), 1,
         {Hearts(5), Refused(Clubs(5)), Spades(5)}, {Hearts(5), Spades(5)}, {}, {{0, {}}}},
        {"monte carlo: two rows apart", 8, 1, {{Hearts(5)}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {Clubs(5)}}, 1,
         {Hearts(5), Refused(Clubs(5))}, {}, {Hearts(5)}},
        {"decade: a single ten stays selected", 20, 1, {{Hearts(13), Hearts(12), Clubs(10), Spades(4)}}, 8,
         {Clubs(10)}, {}, {Clubs(10)}},
        {"decade: neighbours worth twenty", 20, 1, {{Hearts(13), Hearts(12), Clubs(10), Spades(4)}}, 8,
         {Clubs(10), Clubs(10), Hearts(13), Hearts(12)}, {Hearts(13), Hearts(12)}, {}},
        // Places alternate: an empty place before every card after the first.
        {"royal marriage: flanks share rank or suit", 22, 1, {{12, 0, Clubs(4), 0, Spades(9), 0, Clubs(7), 0, 13}}, 8,
         {Refused(12), Spades(9)}, {Spades(9)}, {}, {{0, {12, 0, Clubs(4), 0, Clubs(7), 0, 13}}}},
        {"family 26: a face-down top turns over first; Jack, Queen and King", 26, 11,
         {{Hearts(11), Down(Hearts(4))}, {Clubs(12)}, {Spades(13)}, {Diamonds(7)}}, 1,
         {Hearts(4), Hearts(4), Diamonds(7), Hearts(11), Clubs(12), Spades(13)},
         {Hearts(4), Diamonds(7), Hearts(11), Clubs(12), Spades(13)}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        play(c.family, c.target, c.tableau, c.spread);
        for (size_t i = 0; i < c.presses.size(); ++i) {
            const int beeps = fake.beeps;
            click(std::abs(c.presses[i]));
            EXPECT_EQ(fake.beeps, beeps + (c.presses[i] < 0 ? 1 : 0)) << "press " << i + 1;
        }
        EXPECT_EQ(discarded(), c.discarded);
        EXPECT_EQ(selected(), c.selected);
        for (const auto& [pile, cards] : c.after) {
            EXPECT_EQ(CardsOf(engine.position(), PileId::Tableau(pile + 1)), cards) << "pile " << pile + 1;
        }
    }
}

// Rows of empty places count as empty piles for the win.
TEST_F(SelectionTest, APyramidOfEmptyPlacesIsWon) {
    play(4, 13, {{Hearts(13)}, {0, 0}}, 4, false);
    EXPECT_FALSE(engine.IsGameWon());
    click(Hearts(13));
    EXPECT_TRUE(engine.IsGameWon());
    EXPECT_FALSE(engine.game().inProgress) << "the won game was ended";
}

// The stock closes the grid's gaps in pile order and deals into the places
// left at the end, in one step.
TEST_F(SelectionTest, MonteCarloStockConsolidatesTheGrid) {
    play(8, 1, MonteCarloGrid());
    click(Hearts(5));
    click(Spades(5));
    const int stockBefore = engine.position().piles.stock[0].size();
    clickStock();
    std::vector<CardNumber> firstEight;
    for (int t = 0; t < 8; ++t) firstEight.push_back(engine.position().piles.tableau[static_cast<size_t>(t)].top());
    EXPECT_EQ(firstEight, (std::vector<CardNumber>{Hearts(2), Clubs(5), Hearts(3), Hearts(4), Hearts(6), Hearts(7),
                                                   Hearts(8), Hearts(9)}));
    EXPECT_FALSE(engine.position().piles.tableau[8].empty()) << "the last piles are dealt from the stock";
    EXPECT_EQ(engine.position().piles.stock[0].size(), stockBefore - 2);
    EXPECT_TRUE(engine.Undo());
    EXPECT_TRUE(engine.position().piles.tableau[0].empty());
}

TEST_F(SelectionTest, TheDecadeStockDealsACardAndItsEmptyPlace) {
    play(20, 1, {{Hearts(13), Hearts(12), Clubs(10), Spades(4)}}, 8);
    click(Hearts(13));
    click(Hearts(12));
    const int rowBefore = engine.position().piles.tableau[0].size();
    clickStock();
    EXPECT_EQ(engine.position().piles.tableau[0].size(), rowBefore + 2);
}

TEST_F(SelectionTest, UndoPutsADiscardBackAndTheRightButtonSelectsNothing) {
    play(25, 1, {{Hearts(5)}, {Clubs(5)}, {Spades(2)}});
    const auto before = snapshot();
    const auto at = engine.CardPoint(Hearts(5));
    engine.PointerPress({at->x + 2, at->y + 2}, PointerButton::Right);
    EXPECT_TRUE(selected().empty());
    click(Hearts(5));
    click(Clubs(5));
    ASSERT_EQ(discarded().size(), 2U);
    EXPECT_EQ(engine.history().undo.size(), 1U) << "discard and refill are one step";
    ASSERT_TRUE(engine.Undo());
    EXPECT_EQ(snapshot(), before);
    EXPECT_TRUE(selected().empty());
}

}  // namespace
}  // namespace dravicor::test
