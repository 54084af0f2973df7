#include "engine/poker.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <ostream>
#include <string>

namespace dravicor {

void PrintTo(const PokerHandValue& value, std::ostream* out) { *out << value.points << " \"" << value.name << '"'; }
void PrintTo(const PokerPanelText& panel, std::ostream* out) {
    *out << '[' << panel.line1.value_or("<kept>") << " | " << panel.line2.value_or("<kept>") << " | " << panel.line3
         << ']';
}

namespace {

enum SuitIndex { H = 1, D = 2, C = 3, S = 4 };
constexpr int A = 1, J = 11, Q = 12, K = 13;

// The card of a rank and suit; deck 2 gives the second deck's copy.
int Card(int rank, int suit, int deck = 1) { return (deck - 1) * 52 + (suit - 1) * 13 + rank; }

struct HandCase {
    std::array<int, 5> cards;
    int points;
    std::string_view name;
};

TEST(EvaluatePokerHand, ValuesEveryKindOfHandInOneOrTwoDecks) {
    const HandCase cases[] = {
        {{Card(10, S), Card(J, S), Card(Q, S), Card(K, S), Card(A, S)}, 100, "Royal Flush"},
        {{Card(5, H), Card(6, H), Card(7, H), Card(8, H), Card(9, H)}, 75, "Straight Flush"},
        {{Card(7, H), Card(7, D), Card(7, C), Card(7, S), Card(2, H)}, 50, "Four of a Kind"},
        {{Card(3, H), Card(3, D), Card(3, C), Card(K, S), Card(K, H)}, 25, "Full House"},
        {{Card(2, C), Card(5, C), Card(9, C), Card(J, C), Card(K, C)}, 20, "Flush"},
        {{Card(4, H), Card(5, D), Card(6, C), Card(7, S), Card(8, H)}, 15, "Straight"},
        {{Card(Q, H), Card(Q, D), Card(Q, C), Card(2, S), Card(9, H)}, 10, "Three of a Kind"},
        {{Card(4, H), Card(4, D), Card(9, C), Card(9, S), Card(K, H)}, 5, "Two Pair"},
        {{Card(A, H), Card(A, D), Card(5, C), Card(9, S), Card(K, H)}, 2, "One Pair"},
        {{Card(A, H), Card(3, D), Card(5, C), Card(9, S), Card(K, H)}, 0, ""},
        // The Ace is low in A-2-3-4-5 and high in 10-J-Q-K-A, never in between.
        {{Card(A, H), Card(2, D), Card(3, C), Card(4, S), Card(5, H)}, 15, "Straight"},
        {{Card(10, H), Card(J, D), Card(Q, C), Card(K, S), Card(A, H)}, 15, "Straight"},
        {{Card(J, H), Card(Q, D), Card(K, C), Card(A, S), Card(2, H)}, 0, ""},
        {{Card(A, D), Card(2, D), Card(3, D), Card(4, D), Card(5, D)}, 75, "Straight Flush"},
        // Wrapping round the King is no straight in one suit either.
        {{Card(J, C), Card(Q, C), Card(K, C), Card(A, C), Card(2, C)}, 20, "Flush"},
        // Two decks: the same card twice in one suit is no pair but a flush;
        // five of one rank hold four of a kind and score so.
        {{Card(5, H), Card(5, H, 2), Card(8, H), Card(J, H), Card(2, H)}, 20, "Flush"},
        {{Card(6, H), Card(6, D), Card(6, C), Card(6, S), Card(6, D, 2)}, 50, "Four of a Kind"},
    };
    for (const HandCase& c : cases) {
        const PokerHandValue value = EvaluatePokerHand(c.cards);
        EXPECT_EQ(value.points, c.points) << c.name;
        EXPECT_EQ(value.name, c.name) << c.points;
    }
}

// --- The grid -----------------------------------------------------------------

void Place(Position& position, int row, int column, int card) {
    position.Append(PileId::Tableau(5 * row + column + 1), static_cast<CardNumber>(card), true);
}

TEST(ScorePokerGrid, NoScoringLineShowsATotalOfZero) {
    Position position;
    Place(position, 0, 0, Card(A, H));
    Place(position, 0, 1, Card(A, D));
    PokerGridScore score = ScorePokerGrid(position, Card(A, D));
    EXPECT_EQ(score.total, 0);
    EXPECT_TRUE(score.newHands.empty());
    EXPECT_EQ(score.finalPanel, (PokerPanelText{std::nullopt, std::nullopt, "Total: 0 points"}));

    // A complete row that scores nothing: no new hand for its last card.
    const int row[] = {Card(2, H), Card(4, D), Card(6, C), Card(8, S), Card(J, H)};
    for (int column = 0; column < 5; ++column) Place(position, 2, column, row[column]);
    score = ScorePokerGrid(position, Card(J, H));
    EXPECT_TRUE(score.newHands.empty());
    EXPECT_EQ(score.finalPanel.line3, "Total: 0 points");
}

TEST(ScorePokerGrid, RowThenColumnWithTheColumnLeftOutOfTheFirstTotal) {
    Position position;
    // Row 0 is a flush (20) before the last card goes in.
    const int row0[] = {Card(2, C), Card(5, C), Card(9, C), Card(J, C), Card(K, C)};
    for (int column = 0; column < 5; ++column) Place(position, 0, column, row0[column]);
    // The King of hearts at row 4, column 4 completes a straight in row 4
    // and a pair of Kings in column 4.
    const int row4[] = {Card(9, D), Card(10, S), Card(J, D), Card(Q, S)};
    for (int column = 0; column < 4; ++column) Place(position, 4, column, row4[column]);
    Place(position, 1, 4, Card(3, D));
    Place(position, 2, 4, Card(5, S));
    Place(position, 3, 4, Card(7, H));
    Place(position, 4, 4, Card(K, H));

    const PokerGridScore score = ScorePokerGrid(position, Card(K, H));
    EXPECT_EQ(score.total, 20 + 15 + 2);
    ASSERT_EQ(score.newHands.size(), 2U);
    EXPECT_EQ(score.newHands[0].piles, (std::array<int, 5>{20, 21, 22, 23, 24}));
    EXPECT_EQ(score.newHands[0].shownTotal, 35);
    EXPECT_EQ(score.newHands[0].panel, (PokerPanelText{"Straight", "15 points", "Total: 35 points"}));
    EXPECT_EQ(score.newHands[1].piles, (std::array<int, 5>{4, 9, 14, 19, 24}));
    EXPECT_EQ(score.newHands[1].panel, (PokerPanelText{"One Pair", "2 points", "Total: 37 points"}));
    EXPECT_EQ(score.finalPanel, score.newHands[1].panel);

    // A recount names no hand and leaves the panel's hand lines alone.
    const PokerGridScore recount = ScorePokerGrid(position, -1);
    EXPECT_TRUE(recount.newHands.empty());
    EXPECT_EQ(recount.finalPanel, (PokerPanelText{std::nullopt, std::nullopt, "Total: 37 points"}));
}

TEST(PokerWin, AFullGridEndsTheGameAndAHundredPointsWinIt) {
    GameRules rules;
    rules.set(Rule::TableauCount, kPokerGridPiles);
    Position position;
    for (int pile = 0; pile < kPokerGridPiles - 1; ++pile) Place(position, pile / 5, pile % 5, pile + 1);
    EXPECT_FALSE(IsPokerGridFull(position, rules));
    Place(position, 4, 4, 30);
    EXPECT_TRUE(IsPokerGridFull(position, rules));
    // A game without piles is never full.
    rules.set(Rule::TableauCount, 0);
    EXPECT_FALSE(IsPokerGridFull(position, rules));

    EXPECT_FALSE(IsPokerScoreWinning(99));
    EXPECT_TRUE(IsPokerScoreWinning(100));
}

}  // namespace
}  // namespace dravicor
