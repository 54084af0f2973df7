#include "rules/legality.h"
#include "rules/rule_codes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <initializer_list>
#include <iterator>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace dravicor {
namespace {

constexpr int kHearts = 0;
constexpr int kDiamonds = 1;
constexpr int kClubs = 2;
constexpr int kSpades = 3;

// Card number of a rank of a suit (0 hearts .. 3 spades) in deck 0 or 1.
constexpr int Card(int suit, int rank, int deck = 0) { return deck * 52 + suit * 13 + rank; }

constexpr int kAceOfHearts = Card(kHearts, 1);

PileRules Rules(int firstCard, int stopRank, int direction, int build, bool wrap = false, bool stopLifted = false) {
    return PileRules{firstCard, stopRank, direction, build, wrap, stopLifted};
}

class LegalityTest : public ::testing::Test {
protected:
    Position position;
    GameRules rules;

    void Fill(PileId pile, std::initializer_list<int> cards) {
        for (const int card : cards) position.Append(pile, static_cast<CardNumber>(card), true);
    }

    bool Place(int a, int b, const PileRules& pile, PileId target = PileId::Tableau(1), bool drop = true,
               int source = kLocationNowhere, bool pointer = false) const {
        const PlaceContext context{position, rules, source, pointer};
        return CanPlaceOn(a, b, pile, target, drop, context);
    }

    bool Group(int firstCard, int b) const { return FoundationGroupAccepts(firstCard, b, position.piles, rules); }

    bool Run(std::initializer_list<int> cards, int tableau) const {
        std::vector<CardNumber> run;
        for (const int card : cards) run.push_back(static_cast<CardNumber>(card));
        return CanMoveRun(run, tableau, position, rules);
    }

    bool Count(int n, bool toEmpty, int bottom = Card(kSpades, 5)) const {
        std::vector<CardNumber> run(static_cast<size_t>(n), static_cast<CardNumber>(Card(kHearts, 2)));
        if (n > 0) run.front() = static_cast<CardNumber>(bottom);
        return MayMoveCount(run, toEmpty, position.piles, rules);
    }

    // Under the move limit, the most cards that may move at once onto a card
    // and, unless -1, onto an empty pile: every count up to it may, one more may not.
    void ExpectMost(int limit, int toCard, int toEmpty = -1) {
        rules.set(Rule::MoveLimit, limit);
        for (const auto& [empty, most] : {std::pair{false, toCard}, std::pair{true, toEmpty}}) {
            if (most < 0) continue;
            int n = 0;
            while (n < kCardCount && Count(n + 1, empty)) ++n;
            EXPECT_EQ(n, most) << "limit " << limit << (empty ? " to an empty pile" : " to a card");
        }
    }
};

// ---------------------------------------------------------------- card arithmetic

TEST_F(LegalityTest, SuitIndexCoversBothDecksAndTheMissingCards) {
    const std::pair<int, int> cases[] = {{1, 0},  {13, 0}, {14, 1},  {27, 2}, {39, 2}, {40, 3}, {52, 3},
                                         {53, 0}, {66, 1}, {104, 3}, {0, 0},  {-1, 0}, {105, -1}};
    for (const auto& [card, suit] : cases) EXPECT_EQ(CardSuitIndex(card), suit) << card;
}

TEST_F(LegalityTest, ColourAndFaceCardsOfEveryCard) {
    for (int card = 1; card <= 104; ++card) {
        const int inDeck = (card - 1) % 52;
        EXPECT_EQ(IsRedCard(card), inDeck < 26) << card;
        EXPECT_EQ(IsFaceCard(card), inDeck % 13 >= 10) << card;
    }
    for (const int notACard : {0, -1, 105}) {
        EXPECT_FALSE(IsRedCard(notACard)) << notACard;
        EXPECT_FALSE(IsFaceCard(notACard)) << notACard;
    }
    EXPECT_TRUE(IsFaceCard(Card(kClubs, 11, 1)));
    EXPECT_FALSE(IsFaceCard(Card(kClubs, 10, 1)));
}

// ---------------------------------------------------------------- where cards lie

TEST_F(LegalityTest, SearchOrderDecidesWhenACardLiesTwice) {
    // Stock, waste, foundations, tableau, reserves: each case puts one card in
    // two piles and expects the earlier kind.
    const struct {
        PileId other, found;
        int location;
    } cases[] = {{PileId::Waste(), PileId::Stock(), kLocationStock},
                 {PileId::Foundation(9), PileId::Waste(), kLocationWaste},
                 {PileId::Tableau(1), PileId::Foundation(2), -2},
                 {PileId::Reserve(1), PileId::Tableau(7), 7},
                 {PileId::Foundation(5), PileId::Foundation(4), -4}};
    int card = 20;
    for (const auto& c : cases) {
        Fill(c.other, {card});
        Fill(c.found, {card});
        EXPECT_EQ(CardLocation(position.piles, card), c.location) << PileName(c.found);
        ++card;
    }
}

TEST_F(LegalityTest, EmptySlotsAreNotCards) {
    position.Append(PileId::Tableau(2), kNoCard);
    position.Append(PileId::Reserve(1), kNoCard);
    EXPECT_EQ(CardLocation(position.piles, 0), kLocationNowhere);
    EXPECT_FALSE(IsTopCard(position.piles, 0));
}

// ---------------------------------------------------------------- rule inputs

auto Fields(const PileRules& r) {
    return std::tuple{r.firstCard, r.stopRank, r.direction, r.build, r.wrap, r.stopLifted};
}

TEST_F(LegalityTest, FoundationInputsComeFromTheFoundationBlocks) {
    rules.set(Rule::StopRank, 1);
    rules.set(Rule::FoundationFirstCard + 3, 7);
    rules.set(Rule::FoundationDirection + 3, 2);
    rules.set(Rule::FoundationBuild + 3, 29);
    EXPECT_EQ(Fields(FoundationDropRules(rules, 3)), Fields(Rules(7, 7, 2, 29, true, true)));
    EXPECT_EQ(Fields(FoundationAutoRules(rules, 3)), Fields(Rules(7, 1, 2, 29, true, true)));
}

TEST_F(LegalityTest, TableauInputsComeFromTheTableauBlocks) {
    rules.set(Rule::StopRank, 5);
    rules.set(Rule::TableauEmptyAccepts + 25, 13);
    rules.set(Rule::TableauDirection + 25, 1);
    rules.set(Rule::TableauBuild + 25, 3);
    for (const auto& [flag, lifted] : {std::pair{2, true}, {1, true}, {0, false}, {-1, false}}) {
        rules.set(Rule::TableauStopLifted + 25, flag);
        EXPECT_EQ(Fields(TableauRules(rules, 25)), Fields(Rules(13, 5, 1, 3, false, lifted))) << flag;
    }
    EXPECT_EQ(TableauRules(rules, 24).firstCard, 0);
}

// ---------------------------------------------------------------- the common rule

// What the building codes, directions, stops and first-card values decide
// for two cards alone, on a table with nothing else on it.
TEST_F(LegalityTest, TwoCardsAloneByTheirPilesRules) {
    struct Case {
        bool expected;
        int a;  // the card laid on; -1 or 0 for an empty pile
        int b;
        PileRules pile;
        PileId target = PileId::Tableau(1);
        bool drop = true;
        int source = kLocationNowhere;
        bool pointer = false;
    };
    const Case cases[] = {
        // The same card is never laid on itself.
        {false, Card(kHearts, 5), Card(kHearts, 5), Rules(-1, 0, 2, 12)},
        {false, 0, 0, Rules(-1, -1, 2, 12)},
        // Directions: 0 down, 1 up, 2 either way.
        {true, Card(kHearts, 5), Card(kSpades, 4), Rules(0, 0, 0, 2)},
        {false, Card(kHearts, 5), Card(kSpades, 6), Rules(0, 0, 0, 2)},
        {true, Card(kHearts, 5), Card(kSpades, 6), Rules(0, 0, 1, 2)},
        {false, Card(kHearts, 5), Card(kSpades, 4), Rules(0, 0, 1, 2)},
        {true, Card(kHearts, 5), Card(kSpades, 6), Rules(0, 0, 2, 2)},
        {true, Card(kHearts, 5), Card(kSpades, 4), Rules(0, 0, 2, 2)},
        {false, Card(kHearts, 5), Card(kSpades, 7), Rules(0, 0, 2, 2)},
        // A direction code outside 0-4 builds neither way.
        {false, Card(kHearts, 5), Card(kSpades, 6), Rules(0, 0, 5, 2)},
        {false, Card(kHearts, 5), Card(kSpades, 4), Rules(0, 0, 5, 2)},
        // A foundation's wrap between King and Ace follows its first card.
        // Up: a King takes an Ace unless the foundation starts with Aces.
        {true, Card(kClubs, 13), Card(kClubs, 1), Rules(7, 7, 1, 0, true, true), PileId::Foundation(1)},
        {false, Card(kClubs, 13), Card(kClubs, 1), Rules(1, 1, 1, 0, true, true), PileId::Foundation(1)},
        // With wrap a King takes nothing else going up.
        {false, Card(kClubs, 13), Card(kClubs, 12), Rules(7, 7, 1, 0, true, true), PileId::Foundation(1)},
        // Down: an Ace takes a King unless the foundation starts with Kings.
        {true, Card(kClubs, 1), Card(kClubs, 13), Rules(5, 5, 0, 0, true, true), PileId::Foundation(1)},
        {false, Card(kClubs, 1), Card(kClubs, 13), Rules(13, 13, 0, 0, true, true), PileId::Foundation(1)},
        // Either way: a King refused as the up step may still take a Queen down.
        {true, Card(kClubs, 13), Card(kClubs, 12), Rules(1, 1, 2, 0, true, true), PileId::Foundation(1)},
        {false, Card(kClubs, 13), Card(kClubs, 1), Rules(1, 1, 2, 0, true, true), PileId::Foundation(1)},
        // Without wrap nothing goes up on a King.
        {false, Card(kClubs, 13), Card(kClubs, 1), Rules(7, 0, 1, 0)},
        // The stop rank only stops building down.
        {false, Card(kSpades, 7), Card(kHearts, 6), Rules(0, 7, 0, 2)},
        {true, Card(kSpades, 7), Card(kHearts, 6), Rules(0, 7, 0, 2, false, true)},
        {true, Card(kSpades, 7), Card(kHearts, 8), Rules(0, 7, 1, 2)},
        {true, Card(kSpades, 7), Card(kHearts, 8), Rules(0, 7, 2, 2)},
        {false, Card(kSpades, 7), Card(kHearts, 6), Rules(0, 7, 2, 2)},
        // Other ranks are unaffected.
        {true, Card(kSpades, 8), Card(kHearts, 7), Rules(0, 7, 0, 2)},
        // Foundations wrap instead and never stop.
        {true, Card(kSpades, 7), Card(kSpades, 6), Rules(7, 7, 0, 0, true, false), PileId::Foundation(1)},
        // First card 86: the pointer's condition decides.
        {true, -1, Card(kSpades, 4), Rules(86, 0, 0, 2), PileId::Tableau(1), true, 3, true},
        {false, -1, Card(kSpades, 4), Rules(86, 0, 0, 2), PileId::Tableau(1), true, 3, false},
        // First card 87: cards from the stock group only.
        {true, -1, Card(kDiamonds, 10), Rules(87, 0, 0, 2), PileId::Tableau(2), true, kLocationStock},
        {true, -1, Card(kDiamonds, 10), Rules(87, 0, 0, 2), PileId::Tableau(2), true, kLocationWaste},
        {true, -1, Card(kDiamonds, 10), Rules(87, 0, 0, 2), PileId::Tableau(2), true, kLocationNowhere},
        {false, -1, Card(kDiamonds, 10), Rules(87, 0, 0, 2), PileId::Tableau(2), true, 1},
        {false, -1, Card(kDiamonds, 10), Rules(87, 0, 0, 2), PileId::Tableau(2), true, -3},
        {false, -1, Card(kDiamonds, 10), Rules(87, 0, 0, 2), PileId::Tableau(2), true, -21},
        // Building code 4 never, 12 always.
        {false, Card(kHearts, 5), Card(kHearts, 4), Rules(-1, 0, 0, 4)},
        {false, -1, Card(kHearts, 4), Rules(-1, -1, 0, 4)},
        {true, Card(kHearts, 5), Card(kSpades, 11), Rules(0, 5, 0, 12)},
        {true, -1, Card(kSpades, 11), Rules(0, 0, 0, 12)},
        {true, 0, Card(kSpades, 11), Rules(82, 0, 0, 12)},
        // Code 6: only onto empty piles.
        {false, Card(kHearts, 5), Card(kHearts, 4), Rules(-1, 0, 2, 6)},
        {true, -1, Card(kHearts, 4), Rules(-1, 0, 2, 6)},
        {false, -1, Card(kHearts, 4), Rules(0, 0, 2, 6)},
        // Code 11 refuses a Queen on a King or a Jack.
        {false, Card(kClubs, 13), Card(kClubs, 12), Rules(0, 0, 0, 11)},
        {false, Card(kClubs, 11), Card(kClubs, 12), Rules(0, 0, 1, 11)},
        {true, Card(kClubs, 11), Card(kClubs, 12), Rules(0, 0, 1, 0)},
        {true, Card(kClubs, 12), Card(kClubs, 11, 1), Rules(0, 0, 0, 11)},
        {false, Card(kClubs, 12), Card(kSpades, 11), Rules(0, 0, 0, 11)},
        {true, -1, Card(kClubs, 12), Rules(12, 0, 0, 11)},
        // Code 20 builds up round the corner from an Ace.
        {true, Card(kHearts, 5), Card(kSpades, 6), Rules(0, 0, 0, 20, true, true), PileId::Foundation(1)},
        {false, Card(kHearts, 5), Card(kSpades, 4), Rules(0, 0, 0, 20, true, true), PileId::Foundation(1)},
        {true, Card(kHearts, 13), Card(kSpades, 1), Rules(0, 0, 0, 20, true, true), PileId::Foundation(1)},
        {false, Card(kHearts, 13), Card(kSpades, 12), Rules(0, 0, 0, 20, true, true), PileId::Foundation(1)},
        {true, -1, Card(kDiamonds, 1), Rules(0, 0, 0, 20, true, true), PileId::Foundation(1)},
        {false, -1, Card(kDiamonds, 2), Rules(0, 0, 0, 20, true, true), PileId::Foundation(1)},
        // Code 24: same suit, without King and Queen meeting.
        {true, Card(kSpades, 12), Card(kSpades, 11), Rules(0, 0, 0, 24)},
        {false, Card(kSpades, 12), Card(kHearts, 11), Rules(0, 0, 0, 24)},
        {false, Card(kSpades, 13), Card(kSpades, 12), Rules(0, 0, 0, 24)},
        {false, Card(kSpades, 12), Card(kSpades, 13), Rules(0, 0, 1, 24)},
        {true, Card(kSpades, 11), Card(kSpades, 12), Rules(0, 0, 1, 24)},
        // An empty pile compares as a heart.
        {true, -1, Card(kHearts, 7, 1), Rules(-1, 0, 0, 24)},
        {true, 0, Card(kHearts, 7), Rules(7, 0, 0, 24)},
        {false, -1, Card(kSpades, 7), Rules(-1, 0, 0, 24)},
        {false, -1, Card(kHearts, 7), Rules(0, 0, 0, 24)},
        // Code 25: steps of two in suit.
        {true, Card(kDiamonds, 5), Card(kDiamonds, 7), Rules(0, 0, 1, 25)},
        {false, Card(kDiamonds, 5), Card(kDiamonds, 3), Rules(0, 0, 1, 25)},
        {false, Card(kDiamonds, 5), Card(kHearts, 7), Rules(0, 0, 1, 25)},
        {true, Card(kDiamonds, 5), Card(kDiamonds, 3), Rules(0, 0, 0, 25)},
        {true, Card(kDiamonds, 5), Card(kDiamonds, 3), Rules(0, 0, 2, 25)},
        {false, Card(kDiamonds, 5), Card(kDiamonds, 7), Rules(0, 0, 2, 25)},
        {false, Card(kDiamonds, 5), Card(kDiamonds, 6), Rules(0, 0, 0, 25)},
        {true, -1, Card(kDiamonds, 6), Rules(0, 0, 0, 25)},
        // Code 27 keeps foundation and reserve cards out.
        {true, Card(kHearts, 5), Card(kClubs, 4), Rules(-1, 0, 0, 27), PileId::Tableau(1), true, 2},
        {false, Card(kHearts, 5), Card(kDiamonds, 4), Rules(-1, 0, 0, 27), PileId::Tableau(1), true, 2},
        {false, Card(kHearts, 5), Card(kClubs, 4), Rules(-1, 0, 0, 27), PileId::Tableau(1), true, -5},
        {false, Card(kHearts, 5), Card(kClubs, 4), Rules(-1, 0, 0, 27), PileId::Tableau(1), true, -24},
        {true, -1, Card(kDiamonds, 4), Rules(-1, 0, 0, 27), PileId::Tableau(1), true, kLocationWaste},
        {false, -1, Card(kDiamonds, 4), Rules(-1, 0, 0, 27), PileId::Tableau(1), true, -1},
        // Code 28: one step in suit, without wrap.
        {true, Card(kClubs, 6), Card(kClubs, 7), Rules(0, 0, 0, 28)},
        {true, Card(kClubs, 6), Card(kClubs, 5), Rules(0, 0, 0, 28)},
        {false, Card(kClubs, 6), Card(kSpades, 5), Rules(0, 0, 0, 28)},
        {true, Card(kClubs, 1), Card(kClubs, 2), Rules(0, 0, 0, 28)},
        {false, Card(kClubs, 1), Card(kClubs, 13), Rules(0, 0, 0, 28)},
        {true, Card(kClubs, 13), Card(kClubs, 12), Rules(0, 0, 0, 28)},
        {false, Card(kClubs, 13), Card(kClubs, 1), Rules(0, 0, 0, 28)},
        {true, -1, Card(kClubs, 8), Rules(0, 0, 0, 28)},
        // Codes 31 (down) and 32 (up): one way in suit.
        {true, Card(kClubs, 6), Card(kClubs, 5), Rules(0, 0, 1, 31)},
        {false, Card(kClubs, 6), Card(kClubs, 7), Rules(0, 0, 1, 31)},
        {false, Card(kClubs, 6), Card(kSpades, 5), Rules(0, 0, 1, 31)},
        {false, Card(kClubs, 1), Card(kClubs, 13), Rules(0, 0, 1, 31)},
        {false, -1, Card(kClubs, 5), Rules(-1, -1, 1, 31)},
        {true, Card(kClubs, 6), Card(kClubs, 7), Rules(0, 0, 0, 32)},
        {false, Card(kClubs, 6), Card(kClubs, 5), Rules(0, 0, 0, 32)},
        {false, Card(kClubs, 6), Card(kSpades, 7), Rules(0, 0, 0, 32)},
        {false, Card(kClubs, 13), Card(kClubs, 1), Rules(0, 0, 0, 32, true)},
        // Empty: passed as 0 only the Ace of hearts (either deck), passed as -1 nothing.
        {true, 0, kAceOfHearts, Rules(-1, 0, 0, 32)},
        {true, 0, Card(kHearts, 1, 1), Rules(-1, 0, 0, 32)},
        {false, 0, Card(kSpades, 1), Rules(-1, 0, 0, 32)},
        {false, -1, kAceOfHearts, Rules(-1, -1, 0, 32)},
        // Code 34: alternate colours down.
        {true, Card(kHearts, 8), Card(kSpades, 7), Rules(0, 0, 1, 34)},
        {false, Card(kHearts, 8), Card(kDiamonds, 7), Rules(0, 0, 1, 34)},
        {false, Card(kHearts, 8), Card(kSpades, 9), Rules(0, 0, 1, 34)},
        // The stop rank does not apply to this code's own rule.
        {true, Card(kHearts, 8), Card(kSpades, 7), Rules(0, 8, 0, 34)},
        {true, -1, Card(kSpades, 13), Rules(13, 0, 0, 34)},
        {false, -1, Card(kSpades, 12), Rules(13, 0, 0, 34)},

    };
    for (const Case& c : cases) {
        EXPECT_EQ(Place(c.a, c.b, c.pile, c.target, c.drop, c.source, c.pointer), c.expected)
            << "code " << c.pile.build << ", direction " << c.pile.direction << ": " << c.b << " on " << c.a;
    }
}

TEST_F(LegalityTest, WrapBothWaysAndTheChosenDirection) {
    const int king = Card(kClubs, 13);
    const int ace = Card(kHearts, 1);
    // Direction 4: King and Ace next to each other both ways, whatever the start.
    for (const int first : {1, 13, -1}) {
        EXPECT_TRUE(Place(king, ace, Rules(first, 0, BuildDirection::EitherWrapping, 2))) << first;
        EXPECT_TRUE(Place(ace, king, Rules(first, 0, BuildDirection::EitherWrapping, 2))) << first;
    }
    EXPECT_FALSE(Place(king, Card(kHearts, 2), Rules(1, 0, BuildDirection::EitherWrapping, 2)));
    // Direction 3: either way until a foundation holds two cards, then its way.
    rules.set(Rule::FoundationCount, 2);
    rules.set(Rule::FoundationDirection, BuildDirection::ChosenByFirstCard);
    rules.set(Rule::FoundationDirection + 1, BuildDirection::ChosenByFirstCard);
    const PileRules chosen = Rules(-1, 0, BuildDirection::ChosenByFirstCard, 2);
    const int five = Card(kSpades, 5);
    EXPECT_TRUE(Place(five, Card(kHearts, 6), chosen, PileId::Foundation(2)));
    EXPECT_TRUE(Place(five, Card(kHearts, 4), chosen, PileId::Foundation(2)));
    Fill(PileId::Foundation(1), {Card(kClubs, 9), Card(kClubs, 8)});
    EXPECT_FALSE(Place(five, Card(kHearts, 6), chosen, PileId::Foundation(2)));
    EXPECT_TRUE(Place(five, Card(kHearts, 4), chosen, PileId::Foundation(2)));
}

TEST_F(LegalityTest, SuitFiltersOfTheCodes) {
    // Whether a code lays a four of hearts (second deck), of diamonds, of clubs
    // on the five of hearts: 0 same suit, 1 same colour, 3 alternate colours,
    // 21 never the same suit; the codes without a filter, listed or not, all.
    const std::pair<int, std::array<bool, 3>> codes[] = {
        {0, {true, false, false}}, {1, {true, true, false}}, {3, {false, false, true}}, {21, {false, true, true}},
        {2, {true, true, true}},   {8, {true, true, true}},  {9, {true, true, true}},   {10, {true, true, true}},
        {13, {true, true, true}},  {22, {true, true, true}}, {36, {true, true, true}},  {99, {true, true, true}},
        {-3, {true, true, true}}};
    const int fours[] = {Card(kHearts, 4, 1), Card(kDiamonds, 4), Card(kClubs, 4)};
    for (const auto& [code, takes] : codes) {
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(Place(Card(kHearts, 5), fours[i], Rules(0, 0, 0, code)), takes[i]) << code << " " << i;
        }
        EXPECT_FALSE(Place(Card(kHearts, 5), Card(kClubs, 3), Rules(0, 0, 0, code))) << code;
    }
}

TEST_F(LegalityTest, AcesStopUnderTheSpecialBaseValues) {
    const int ace = Card(kDiamonds, 1);
    const int king = Card(kClubs, 13);
    EXPECT_TRUE(Place(ace, king, Rules(0, 0, 0, 2)));  // the tableau wraps down from an Ace
    for (const int stop : {1, 81, 82, 83}) {
        EXPECT_FALSE(Place(ace, king, Rules(0, stop, 0, 2))) << stop;
        EXPECT_TRUE(Place(ace, king, Rules(0, stop, 0, 2, false, true))) << stop;
    }
    EXPECT_TRUE(Place(ace, king, Rules(0, 84, 0, 2)));
    EXPECT_TRUE(Place(ace, king, Rules(0, 92, 0, 2)));
    // The special values stop nothing but Aces.
    EXPECT_TRUE(Place(Card(kDiamonds, 2), Card(kClubs, 1), Rules(0, 81, 0, 2)));
}

// ---------------------------------------------------------------- empty piles

TEST_F(LegalityTest, RankValuesTakeThatRankOnly) {
    for (int e = 1; e <= 13; ++e) {
        for (int rank = 1; rank <= 13; ++rank) {
            const int b = Card(rank % 4, rank, rank % 2);
            EXPECT_EQ(Place(-1, b, Rules(e, 0, 0, 2)), rank == e) << e << " " << rank;
            EXPECT_EQ(Place(0, b, Rules(e, 0, 1, 0)), rank == e) << e << " " << rank;
        }
    }
}

TEST_F(LegalityTest, AnyCardNothingAndUnknownValues) {
    // 91 is compared as a rank: no card has it.
    for (int b = 1; b <= 104; b += 7) {
        for (const int e : {-1, 0, 82, 83, 91, -4}) {
            EXPECT_EQ(Place(-1, b, Rules(e, 0, 0, 3)), e == -1) << e << " " << b;
        }
    }
}

TEST_F(LegalityTest, StopRankMinusOneOpensOrdinaryEmptyPiles) {
    const int nine = Card(kClubs, 9);
    for (const int e : {0, 5, 13, -1, 91, 14, -7}) EXPECT_TRUE(Place(-1, nine, Rules(e, -1, 0, 2))) << e;
    // ... but not those with a value of 81 to 87 or 92.
    rules.set(Rule::FoundationCount, 1);
    Fill(PileId::Foundation(1), {Card(kHearts, 3)});
    for (const int e : {81, 82, 83, 84, 85, 86, 87, 92}) {
        EXPECT_FALSE(Place(-1, nine, Rules(e, -1, 0, 2), PileId::Tableau(1), true, 4)) << e;
    }
}

TEST_F(LegalityTest, GroupValuesNeedTheirRankAndBalance) {
    rules.set(Rule::FoundationCount, 2);
    for (const int e : {81, 84, 85}) {
        rules.set(Rule::FoundationFirstCard, e);
        rules.set(Rule::FoundationFirstCard + 1, e);
        const int wanted = e == 84 ? 13 : 1;
        EXPECT_TRUE(Place(-1, Card(kClubs, wanted), Rules(e, 0, 1, 0, true, true), PileId::Foundation(1))) << e;
        EXPECT_FALSE(Place(-1, Card(kClubs, 14 - wanted), Rules(e, 0, 1, 0, true, true), PileId::Foundation(1)))
            << e;
    }
    // With one foundation of the group started black, the other must start red.
    Fill(PileId::Foundation(1), {Card(kSpades, 1)});
    rules.set(Rule::FoundationFirstCard, 81);
    rules.set(Rule::FoundationFirstCard + 1, 81);
    EXPECT_FALSE(Place(-1, Card(kClubs, 1), Rules(81, 0, 1, 0, true, true), PileId::Foundation(2)));
    EXPECT_TRUE(Place(-1, Card(kHearts, 1, 1), Rules(81, 0, 1, 0, true, true), PileId::Foundation(2)));
}

TEST_F(LegalityTest, Value92FollowsTheFoundationsBase) {
    rules.set(Rule::FoundationCount, 4);
    const PileRules pile = Rules(92, 0, 0, 3);
    // No foundation started: any card.
    EXPECT_TRUE(Place(-1, Card(kHearts, 2), pile));
    EXPECT_TRUE(Place(-1, Card(kSpades, 13), pile));

    Fill(PileId::Foundation(1), {Card(kHearts, 8), Card(kHearts, 9)});
    position.Append(PileId::Foundation(3), kNoCard);  // a slot below is not the bottom card
    Fill(PileId::Foundation(3), {Card(kClubs, 8, 1)});
    EXPECT_TRUE(Place(-1, Card(kSpades, 8), pile));
    EXPECT_FALSE(Place(-1, Card(kSpades, 9), pile));

    // Foundations beyond the game's count do not take part.
    Fill(PileId::Foundation(5), {Card(kClubs, 4)});
    EXPECT_TRUE(Place(-1, Card(kSpades, 8), pile));
    Fill(PileId::Foundation(4), {Card(kClubs, 4, 1)});
    EXPECT_FALSE(Place(-1, Card(kSpades, 8), pile));
    EXPECT_FALSE(Place(-1, Card(kSpades, 4), pile));
}

// ---------------------------------------------------------------- building codes

TEST_F(LegalityTest, Code5FoundationRow) {
    rules.set(Rule::FoundationFirstCard, 1);
    rules.set(Rule::FoundationFirstCard + 1, 1);
    const PileRules row = Rules(1, 1, 1, 5, true, true);
    // Foundation 1: an Ace of any suit while empty, then its bottom card's suit, any rank.
    EXPECT_TRUE(Place(-1, Card(kClubs, 1), row, PileId::Foundation(1)));
    EXPECT_FALSE(Place(-1, Card(kClubs, 2), row, PileId::Foundation(1)));
    Fill(PileId::Foundation(1), {Card(kHearts, 1), Card(kHearts, 2)});
    EXPECT_TRUE(Place(Card(kHearts, 2), Card(kHearts, 9), row, PileId::Foundation(1)));
    EXPECT_FALSE(Place(Card(kHearts, 2), Card(kDiamonds, 3), row, PileId::Foundation(1)));

    // Foundation 2 takes a rank only once foundation 1 holds it.
    EXPECT_TRUE(Place(-1, Card(kSpades, 1), row, PileId::Foundation(2)));
    Fill(PileId::Foundation(2), {Card(kSpades, 1)});
    EXPECT_TRUE(Place(Card(kSpades, 1), Card(kSpades, 2), row, PileId::Foundation(2)));
    EXPECT_FALSE(Place(Card(kSpades, 1), Card(kSpades, 3), row, PileId::Foundation(2)));
    EXPECT_FALSE(Place(Card(kSpades, 1), Card(kClubs, 2), row, PileId::Foundation(2)));

    // The empty-pile rank comes from the foundation's own first-card parameter,
    // and the foundation before must still hold that rank.
    rules.set(Rule::FoundationFirstCard + 2, 2);
    rules.set(Rule::FoundationFirstCard + 3, 2);
    EXPECT_FALSE(Place(0, Card(kDiamonds, 2), row, PileId::Foundation(3)));
    Fill(PileId::Foundation(2), {Card(kSpades, 2)});
    EXPECT_TRUE(Place(0, Card(kDiamonds, 2), row, PileId::Foundation(3)));
    EXPECT_FALSE(Place(0, Card(kDiamonds, 1), row, PileId::Foundation(3)));
    EXPECT_FALSE(Place(0, Card(kDiamonds, 2), row, PileId::Foundation(4)));  // foundation 3 holds no 2
}

TEST_F(LegalityTest, Code7DropsOnlyOnEmptyPilesOnceTheStockIsOut) {
    const PileRules pile = Rules(-1, 0, 0, 7);
    const int five = Card(kHearts, 5);
    const int four = Card(kSpades, 4);
    EXPECT_FALSE(Place(five, four, pile, PileId::Tableau(1), true));
    EXPECT_TRUE(Place(five, four, pile, PileId::Tableau(1), false));
    EXPECT_FALSE(Place(five, Card(kSpades, 6), pile, PileId::Tableau(1), false));

    Fill(PileId::Stock(), {Card(kClubs, 1)});
    EXPECT_FALSE(Place(-1, four, pile, PileId::Tableau(1), true));
    EXPECT_TRUE(Place(0, four, pile, PileId::Tableau(1), false));
    position.piles.stock[0].clear();
    position.Append(PileId::Stock(), kNoCard);  // a slot is not a card
    EXPECT_TRUE(Place(-1, four, pile, PileId::Tableau(1), true));
    EXPECT_FALSE(Place(-1, four, Rules(3, 0, 0, 7), PileId::Tableau(1), true));
}

TEST_F(LegalityTest, Codes14To16CountOnInAnySuitWithWrap) {
    for (const int code : {14, 15, 16}) {
        const int k = code - 12;
        const PileRules pile = Rules(0, 0, 0, code);
        EXPECT_TRUE(Place(Card(kHearts, 5), Card(kSpades, 5 + k), pile)) << code;
        EXPECT_FALSE(Place(Card(kHearts, 5), Card(kSpades, 5 + k - 1), pile)) << code;
        EXPECT_FALSE(Place(Card(kHearts, 5), Card(kSpades, 4), pile)) << code;
        EXPECT_TRUE(Place(Card(kHearts, 13), Card(kDiamonds, k), pile)) << code;  // past the King
        EXPECT_TRUE(Place(Card(kHearts, 13 - k), Card(kDiamonds, 13), pile)) << code;
        EXPECT_TRUE(Place(0, Card(kClubs, k), pile)) << code;
        EXPECT_FALSE(Place(0, Card(kClubs, k - 1), pile)) << code;
        EXPECT_TRUE(Place(-1, Card(kClubs, k - 1), pile)) << code;
        EXPECT_FALSE(Place(-1, Card(kClubs, k), pile)) << code;
    }
}

TEST_F(LegalityTest, Codes17To19LookWhereTheCardComesFrom) {
    const int a = Card(kHearts, 5);
    const int b = Card(kClubs, 9);
    // 17: anything not from a tableau pile, on a card or an empty pile alike.
    EXPECT_TRUE(Place(a, b, Rules(0, 0, 0, 17), PileId::Tableau(1), true, kLocationWaste));
    EXPECT_TRUE(Place(-1, b, Rules(0, 0, 0, 17), PileId::Tableau(1), true, -22));
    EXPECT_FALSE(Place(a, b, Rules(0, 0, 0, 17), PileId::Tableau(1), true, 4));
    EXPECT_FALSE(Place(-1, b, Rules(-1, 0, 0, 17), PileId::Tableau(1), true, 26));

    // 18: a card from a tableau pile only onto an empty tableau pile.
    const PileRules p18 = Rules(0, 0, 0, 18);
    Fill(PileId::Tableau(1), {a});
    EXPECT_TRUE(Place(a, b, p18, PileId::Tableau(1), true, kLocationStock));
    EXPECT_FALSE(Place(a, b, p18, PileId::Tableau(1), true, 3));
    EXPECT_TRUE(Place(-1, b, p18, PileId::Tableau(2), true, 3));
    EXPECT_FALSE(Place(-1, b, p18, PileId::Foundation(2), true, 3));
    EXPECT_FALSE(Place(-1, b, p18, PileId::Reserve(2), true, 3));

    // 19: neither from a tableau pile nor from a reserve.
    const PileRules p19 = Rules(0, 0, 0, 19);
    EXPECT_TRUE(Place(a, b, p19, PileId::Tableau(1), true, kLocationWaste));
    EXPECT_TRUE(Place(a, b, p19, PileId::Tableau(1), true, -16));
    EXPECT_FALSE(Place(a, b, p19, PileId::Tableau(1), true, 1));
    EXPECT_FALSE(Place(a, b, p19, PileId::Tableau(1), true, -21));
    EXPECT_FALSE(Place(-1, b, p19, PileId::Tableau(1), true, -28));
}

TEST_F(LegalityTest, Code23NeedsAnEmptyWaste) {
    const PileRules pile = Rules(-1, 0, 0, 23);
    EXPECT_TRUE(Place(Card(kClubs, 5), Card(kClubs, 6), pile));
    EXPECT_FALSE(Place(Card(kClubs, 5), Card(kSpades, 6), pile));
    EXPECT_FALSE(Place(Card(kClubs, 5), Card(kClubs, 4), pile));
    EXPECT_FALSE(Place(-1, Card(kClubs, 6), pile));
    Fill(PileId::Waste(), {Card(kHearts, 9)});
    EXPECT_FALSE(Place(Card(kClubs, 5), Card(kClubs, 6), pile));
}

TEST_F(LegalityTest, Code26OneStepWhileThePileIsShort) {
    const PileRules pile = Rules(-1, 0, 0, 26);
    Fill(PileId::Tableau(3), {Card(kHearts, 2), Card(kHearts, 5)});
    EXPECT_TRUE(Place(Card(kHearts, 5), Card(kSpades, 6), pile, PileId::Tableau(3)));
    EXPECT_TRUE(Place(Card(kHearts, 5), Card(kSpades, 4), pile, PileId::Tableau(3)));
    EXPECT_FALSE(Place(Card(kHearts, 5), Card(kSpades, 7), pile, PileId::Tableau(3)));
    position.Append(PileId::Tableau(3), kNoCard);  // slots do not count
    EXPECT_TRUE(Place(Card(kHearts, 5), Card(kSpades, 6), pile, PileId::Tableau(3)));
    Fill(PileId::Tableau(3), {Card(kClubs, 9)});
    EXPECT_FALSE(Place(Card(kHearts, 5), Card(kSpades, 6), pile, PileId::Tableau(3)));
    EXPECT_FALSE(Place(-1, Card(kSpades, 6), pile, PileId::Tableau(4)));
}

TEST_F(LegalityTest, Code29UpToTheKingThenDown) {
    const PileRules pile = Rules(1, 1, 1, 29, true, true);
    const PileId target = PileId::Foundation(2);
    for (int rank = 1; rank <= 5; ++rank) Fill(target, {Card(kSpades, rank)});
    EXPECT_TRUE(Place(Card(kSpades, 5), Card(kSpades, 6), pile, target));
    EXPECT_FALSE(Place(Card(kSpades, 5), Card(kSpades, 4, 1), pile, target));
    EXPECT_FALSE(Place(Card(kSpades, 5), Card(kClubs, 6), pile, target));

    for (int rank = 6; rank <= 13; ++rank) Fill(target, {Card(kSpades, rank)});
    EXPECT_TRUE(Place(Card(kSpades, 13), Card(kSpades, 13, 1), pile, target));
    EXPECT_FALSE(Place(Card(kSpades, 13), Card(kSpades, 12, 1), pile, target));
    EXPECT_FALSE(Place(Card(kSpades, 13), Card(kClubs, 13), pile, target));

    Fill(target, {Card(kSpades, 13, 1)});
    EXPECT_TRUE(Place(Card(kSpades, 13, 1), Card(kSpades, 12, 1), pile, target));
    EXPECT_FALSE(Place(Card(kSpades, 13, 1), Card(kSpades, 1, 1), pile, target));

    // An empty pile asks the group balance of its first-card value.
    rules.set(Rule::FoundationCount, 2);
    rules.set(Rule::FoundationFirstCard, 1);
    rules.set(Rule::FoundationFirstCard + 1, 1);
    EXPECT_TRUE(Place(-1, Card(kHearts, 1), pile, PileId::Foundation(1)));
    EXPECT_FALSE(Place(-1, Card(kClubs, 1), pile, PileId::Foundation(1)));
}

TEST_F(LegalityTest, Code30KeepsTheDirectionOfThePile) {
    const PileRules pile = Rules(0, 0, 0, 30);
    const PileId target = PileId::Tableau(2);
    Fill(target, {Card(kHearts, 6)});
    EXPECT_TRUE(Place(Card(kHearts, 6), Card(kHearts, 7), pile, target));
    EXPECT_TRUE(Place(Card(kHearts, 6), Card(kHearts, 5), pile, target));
    EXPECT_FALSE(Place(Card(kHearts, 6), Card(kClubs, 5), pile, target));

    Fill(target, {Card(kHearts, 7)});  // rising
    EXPECT_TRUE(Place(Card(kHearts, 7), Card(kHearts, 8), pile, target));
    EXPECT_FALSE(Place(Card(kHearts, 7), Card(kHearts, 6, 1), pile, target));
    position.piles.tableau[1].clear();
    Fill(target, {Card(kHearts, 8), Card(kHearts, 7)});  // falling
    EXPECT_TRUE(Place(Card(kHearts, 7), Card(kHearts, 6), pile, target));
    EXPECT_FALSE(Place(Card(kHearts, 7), Card(kHearts, 8, 1), pile, target));
    position.piles.tableau[1].clear();
    Fill(target, {Card(kHearts, 7), Card(kHearts, 7, 1)});  // twins count as rising
    EXPECT_TRUE(Place(Card(kHearts, 7, 1), Card(kHearts, 8), pile, target));
    EXPECT_FALSE(Place(Card(kHearts, 7, 1), Card(kHearts, 6), pile, target));

    // No wrap between Ace and King.
    EXPECT_FALSE(Place(Card(kHearts, 1), Card(kHearts, 13), pile, PileId::Tableau(5)));
    EXPECT_FALSE(Place(Card(kHearts, 13), Card(kHearts, 1), pile, PileId::Tableau(5)));
    // Empty: an Ace when passed as 0, nothing when passed as -1.
    EXPECT_TRUE(Place(0, Card(kClubs, 1), pile, PileId::Tableau(5)));
    EXPECT_FALSE(Place(0, Card(kClubs, 2), pile, PileId::Tableau(5)));
    EXPECT_FALSE(Place(-1, Card(kClubs, 1), Rules(-1, -1, 0, 30), PileId::Tableau(5)));
}

TEST_F(LegalityTest, Code33TakesOutsideCardsOnShortPiles) {
    const PileRules pile = Rules(0, 0, 0, 33);
    Fill(PileId::Tableau(4), {Card(kClubs, 2)});
    EXPECT_TRUE(Place(Card(kClubs, 2), Card(kHearts, 9), pile, PileId::Tableau(4), true, kLocationWaste));
    EXPECT_FALSE(Place(Card(kClubs, 2), Card(kHearts, 9), pile, PileId::Tableau(4), true, 6));
    EXPECT_TRUE(Place(-1, Card(kHearts, 9), pile, PileId::Tableau(5), true, -21));
    Fill(PileId::Tableau(4), {Card(kClubs, 3)});
    EXPECT_FALSE(Place(Card(kClubs, 3), Card(kHearts, 9), pile, PileId::Tableau(4), true, kLocationWaste));
}

// ---------------------------------------------------------------- group balance

TEST_F(LegalityTest, RanksOfTheGroupValues) {
    rules.set(Rule::FoundationCount, 2);
    // 81 and 85 take Aces, 84 Kings (either deck).
    for (const auto& [value, rank] : {std::pair{81, 1}, {85, 1}, {84, 13}}) {
        for (int b = 1; b <= kCardCount; ++b) EXPECT_EQ(Group(value, b), CardRank(b) == rank) << value << " " << b;
    }
    // Cards outside the pack have no suit to balance.
    EXPECT_FALSE(Group(1, 105));
    EXPECT_FALSE(Group(-1, 0));
}

TEST_F(LegalityTest, ColoursBalanceOverTheGroupOnly) {
    rules.set(Rule::FoundationCount, 6);
    for (int i = 0; i < 4; ++i) rules.set(Rule::FoundationFirstCard + i, 81);
    rules.set(Rule::FoundationFirstCard + 4, 1);
    rules.set(Rule::FoundationFirstCard + 5, 1);
    // Not in the group: these do not count.
    Fill(PileId::Foundation(5), {Card(kHearts, 1)});
    Fill(PileId::Foundation(6), {Card(kDiamonds, 1)});
    Fill(PileId::Foundation(1), {Card(kClubs, 1)});
    EXPECT_TRUE(Group(81, Card(kDiamonds, 1)));
    EXPECT_TRUE(Group(81, Card(kClubs, 1, 1)));  // no suit limit for 81
    Fill(PileId::Foundation(3), {Card(kSpades, 1)});
    EXPECT_FALSE(Group(81, Card(kClubs, 1, 1)));
    EXPECT_TRUE(Group(81, Card(kHearts, 1)));
}

TEST_F(LegalityTest, OddGroupsRoundHalfDown) {
    rules.set(Rule::FoundationCount, 3);
    for (int i = 0; i < 3; ++i) rules.set(Rule::FoundationFirstCard + i, 85);
    Fill(PileId::Foundation(2), {Card(kHearts, 1)});
    EXPECT_FALSE(Group(85, Card(kDiamonds, 1)));
    EXPECT_TRUE(Group(85, Card(kSpades, 1)));
}

TEST_F(LegalityTest, KingsAndAcesOf84And85NeedDistinctSuits) {
    rules.set(Rule::FoundationCount, 8);
    for (int i = 0; i < 8; ++i) rules.set(Rule::FoundationFirstCard + i, 84);
    Fill(PileId::Foundation(4), {Card(kSpades, 13)});
    Fill(PileId::Foundation(7), {Card(kHearts, 13)});
    EXPECT_FALSE(Group(84, Card(kSpades, 13, 1)));
    EXPECT_FALSE(Group(84, Card(kHearts, 13, 1)));
    EXPECT_TRUE(Group(84, Card(kClubs, 13, 1)));
    EXPECT_TRUE(Group(84, Card(kDiamonds, 13)));
}

TEST_F(LegalityTest, TheGroupEndsAtTheGamesFoundationCount) {
    for (int i = 0; i < 4; ++i) rules.set(Rule::FoundationFirstCard + i, 81);
    Fill(PileId::Foundation(1), {Card(kHearts, 1)});
    rules.set(Rule::FoundationCount, 2);
    EXPECT_FALSE(Group(81, Card(kDiamonds, 1)));
    rules.set(Rule::FoundationCount, 4);
    EXPECT_TRUE(Group(81, Card(kDiamonds, 1)));
}

// ---------------------------------------------------------------- runs and move sizes

TEST_F(LegalityTest, RunRule1ChecksEveryLinkWithThePilesCode) {
    rules.set(Rule::RunRule, 1);
    rules.set(Rule::TableauBuild + 1, 3);
    rules.set(Rule::TableauDirection + 1, 0);
    rules.set(Rule::TableauBuild, 4);  // pile 1 is not the one asked about
    EXPECT_TRUE(Run({Card(kHearts, 13), Card(kSpades, 12), Card(kDiamonds, 11)}, 1));
    EXPECT_FALSE(Run({Card(kHearts, 13), Card(kSpades, 12), Card(kClubs, 11)}, 1));
    EXPECT_FALSE(Run({Card(kHearts, 13), Card(kSpades, 11)}, 1));
    EXPECT_FALSE(Run({Card(kHearts, 13), Card(kSpades, 12)}, 0));
    EXPECT_TRUE(Run({Card(kHearts, 13)}, 0));
    EXPECT_TRUE(Run({}, 0));

    // The stop rank and the pile's stop flag apply to the links too.
    rules.set(Rule::StopRank, 7);
    EXPECT_FALSE(Run({Card(kHearts, 7), Card(kSpades, 6)}, 1));
    rules.set(Rule::TableauStopLifted + 1, 1);
    EXPECT_TRUE(Run({Card(kHearts, 7), Card(kSpades, 6)}, 1));
}

TEST_F(LegalityTest, RunRule10AsksForOneSuit) {
    rules.set(Rule::RunRule, 10);
    rules.set(Rule::TableauBuild + 2, 3);
    rules.set(Rule::TableauDirection + 2, 0);
    EXPECT_FALSE(Run({Card(kHearts, 9), Card(kSpades, 8)}, 2));
    EXPECT_FALSE(Run({Card(kSpades, 9), Card(kClubs, 8)}, 2));  // one colour is not one suit
    EXPECT_TRUE(Run({Card(kSpades, 9), Card(kSpades, 8), Card(kSpades, 7, 1)}, 2));
    EXPECT_FALSE(Run({Card(kSpades, 9), Card(kSpades, 7)}, 2));
    rules.set(Rule::TableauDirection + 2, 1);
    EXPECT_TRUE(Run({Card(kSpades, 7), Card(kSpades, 8)}, 2));
}

TEST_F(LegalityTest, OtherRunRulesLetEveryRunMove) {
    rules.set(Rule::TableauBuild, 4);
    for (const int value : {0, 2, 12, -1}) {
        rules.set(Rule::RunRule, value);
        EXPECT_TRUE(Run({Card(kHearts, 2), Card(kSpades, 9), Card(kHearts, 2, 1)}, 0)) << value;
    }
}

TEST_F(LegalityTest, FixedAndUnlimitedLimits) {
    ExpectMost(-1, 104);
    ExpectMost(3, 3, 3);
    ExpectMost(1, 1);
}

TEST_F(LegalityTest, OneCardOrAKingLedRun) {
    rules.set(Rule::MoveLimit, -12);
    EXPECT_TRUE(Count(1, false, Card(kHearts, 4)));
    EXPECT_FALSE(Count(2, false, Card(kHearts, 12)));
    EXPECT_TRUE(Count(5, true, Card(kClubs, 13, 1)));
    EXPECT_FALSE(Count(0, false));
}

TEST_F(LegalityTest, DoublingFreeCellLimit) {
    // Two empty cells of four, one empty pile that takes any card: 3 x 2 to
    // a card, 3 to the empty pile itself.
    rules.set(Rule::TableauCount, 3);
    rules.set(Rule::ReserveCount, 4);
    for (int t = 0; t < 3; ++t) rules.set(Rule::TableauEmptyAccepts + t, FirstCard::AnyCard);
    Fill(PileId::Tableau(1), {1});
    Fill(PileId::Tableau(2), {2});
    Fill(PileId::Reserve(1), {4});
    Fill(PileId::Reserve(2), {5});
    ExpectMost(MoveLimit::FreeCellsDoubling, 6, 3);
    // An empty pile that takes only Kings holds nothing on the way.
    rules.set(Rule::TableauEmptyAccepts + 2, 13);
    ExpectMost(MoveLimit::FreeCellsDoubling, 3);
}

TEST_F(LegalityTest, OneColourAndWholePileRuns) {
    rules.set(Rule::TableauBuild, 2);
    rules.set(Rule::RunRule, RunRule::LinksInColour);
    EXPECT_TRUE(Run({Card(kSpades, 9), Card(kClubs, 8)}, 0));
    EXPECT_FALSE(Run({Card(kSpades, 9), Card(kHearts, 8)}, 0));
    rules.set(Rule::RunRule, RunRule::WholePile);
    Fill(PileId::Tableau(1), {Card(kHearts, 9), Card(kSpades, 8), Card(kHearts, 7)});
    EXPECT_TRUE(Run({Card(kHearts, 9), Card(kSpades, 8), Card(kHearts, 7)}, 0));
    EXPECT_FALSE(Run({Card(kSpades, 8), Card(kHearts, 7)}, 0));
    EXPECT_TRUE(Run({Card(kHearts, 7)}, 0));
}

TEST_F(LegalityTest, FreeCellLimits) {
    rules.set(Rule::TableauCount, 4);
    rules.set(Rule::ReserveCount, 4);
    Fill(PileId::Tableau(1), {1});
    Fill(PileId::Tableau(2), {2});
    Fill(PileId::Tableau(3), {3});
    Fill(PileId::Reserve(1), {4});
    Fill(PileId::Reserve(2), {5});
    Fill(PileId::Tableau(6), {7});  // beyond the game's piles
    position.Append(PileId::Reserve(3), kNoCard);  // a slot only: empty

    ExpectMost(-5, 4, 3);
    ExpectMost(-6, 3, 3);
    ExpectMost(-2, 1);

    Fill(PileId::Tableau(4), {6});  // no empty tableau pile left
    ExpectMost(-5, 3);
    ExpectMost(-6, 3);
    ExpectMost(-3, 1);

    position.piles.tableau[0].clear();
    position.piles.tableau[1].clear();
    ExpectMost(-3, 2);
}

// ---------------------------------------------------------------- every code

TEST_F(LegalityTest, NothingOnTheStopRankWhateverTheCode) {
    const int seven = Card(kHearts, 7);
    for (const int code : {0, 1, 2, 3, 7, 8, 9, 10, 11, 13, 21, 22, 24}) {
        for (int b = 1; b <= 104; ++b) {
            EXPECT_FALSE(Place(seven, b, Rules(0, 7, 0, code), PileId::Tableau(1), false)) << code << " " << b;
        }
        // Lifting the stop lets the code's own suit relation decide again.
        const int six = code == 3 ? Card(kSpades, 6) : code == 21 ? Card(kDiamonds, 6) : Card(kHearts, 6, 1);
        EXPECT_TRUE(Place(seven, six, Rules(0, 7, 0, code, false, true), PileId::Tableau(1), false)) << code;
    }
}

// ---------------------------------------------------------------- properties

// A random table: every card dealt into random piles with random faces and slots.
Position RandomPosition(std::mt19937& rng) {
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    std::vector<PileId> ids = {PileId::Stock(), PileId::Waste(), PileId::SecondWaste()};
    for (int n = 1; n <= kFoundationCount; ++n) ids.push_back(PileId::Foundation(n));
    for (int n = 1; n <= kTableauCount; ++n) ids.push_back(PileId::Tableau(n));
    for (int n = 1; n <= kReserveCount; ++n) ids.push_back(PileId::Reserve(n));
    std::shuffle(ids.begin(), ids.end(), rng);
    ids.resize(static_cast<size_t>(pick(1, static_cast<int>(ids.size()))));
    Position position;
    for (int card = 1; card <= kCardCount; ++card) {
        if (pick(0, 5) == 0) continue;  // lies nowhere
        const PileId id = ids[static_cast<size_t>(pick(0, static_cast<int>(ids.size()) - 1))];
        if (pick(0, 9) == 0) position.Append(id, kNoCard);
        position.Append(id, static_cast<CardNumber>(card), pick(0, 1) == 1);
    }
    return position;
}

int RandomFirstCard(std::mt19937& rng) {
    static const int kValues[] = {-1, 0, 1, 2, 5, 7, 8, 12, 13, 81, 82, 83, 84, 85, 86, 87, 91, 92};
    return kValues[std::uniform_int_distribution<size_t>(0, std::size(kValues) - 1)(rng)];
}

GameRules RandomRules(std::mt19937& rng) {
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    GameRules rules;
    rules.set(Rule::FoundationCount, pick(0, 16));
    rules.set(Rule::TableauCount, pick(0, 26));
    rules.set(Rule::ReserveCount, pick(0, 8));
    rules.set(Rule::RunRule, pick(0, 2) == 0 ? 10 : pick(0, 2));
    rules.set(Rule::MoveLimit, pick(-13, 5));
    for (int i = 0; i < 16; ++i) rules.set(Rule::FoundationFirstCard + i, RandomFirstCard(rng));
    for (int t = 0; t < 26; ++t) {
        rules.set(Rule::TableauEmptyAccepts + t, RandomFirstCard(rng));
        rules.set(Rule::TableauDirection + t, pick(0, 3));
        rules.set(Rule::TableauBuild + t, pick(0, 35));
        rules.set(Rule::TableauStopLifted + t, pick(-1, 1));
    }
    return rules;
}

PileId RandomTarget(std::mt19937& rng) {
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    switch (pick(0, 2)) {
        case 0: return PileId::Foundation(pick(1, kFoundationCount));
        case 1: return PileId::Tableau(pick(1, kTableauCount));
        default: return PileId::Reserve(pick(1, kReserveCount));
    }
}

TEST(LegalityProperties, ChecksNeverChangeThePositionOrTheRules) {
    std::mt19937 rng(20240611);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    int accepted = 0;
    int refused = 0;
    for (int round = 0; round < 300; ++round) {
        const Position position = RandomPosition(rng);
        const GameRules rules = RandomRules(rng);
        const std::vector<std::string> before = BuildSnapshot(position);
        const Position copy = position;
        for (int trial = 0; trial < 200; ++trial) {
            const PileId target = RandomTarget(rng);
            const Pile& pile = position.piles.pile(target);
            const int a = pile.empty() || pick(0, 4) == 0 ? pick(-1, 0) : pile.top();
            const int b = pick(1, kCardCount);
            const PileRules values = Rules(RandomFirstCard(rng), RandomFirstCard(rng), pick(0, 3), pick(0, 35),
                                           pick(0, 1) == 1, pick(0, 1) == 1);
            const PlaceContext context{position, rules, CardLocation(position.piles, b), pick(0, 1) == 1};
            (CanPlaceOn(a, b, values, target, pick(0, 1) == 1, context) ? accepted : refused)++;
            FoundationGroupAccepts(RandomFirstCard(rng), b, position.piles, rules);
            const Pile& source = position.piles.tableau[static_cast<size_t>(pick(0, kTableauCount - 1))];
            std::span<const CardNumber> run(source.groups());
            run = run.subspan(static_cast<size_t>(pick(0, static_cast<int>(run.size()))));
            CanMoveRun(run, pick(0, kTableauCount - 1), position, rules);
            MayMoveCount(run, pick(0, 1) == 1, position.piles, rules);
            IsTopCard(position.piles, b);
        }
        ASSERT_EQ(BuildSnapshot(position), before) << "round " << round;
        ASSERT_TRUE(position == copy) << "round " << round;
    }
    // The inputs must exercise both answers for the property to mean anything.
    EXPECT_GT(accepted, 1000);
    EXPECT_GT(refused, 1000);
}

TEST(LegalityProperties, BothWaysIsTheUnionOfUpAndDown) {
    std::mt19937 rng(77);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    const Position position;
    const GameRules rules;
    const PlaceContext context{position, rules, kLocationNowhere, false};
    for (int trial = 0; trial < 20000; ++trial) {
        const int a = pick(1, kCardCount);
        const int b = pick(1, kCardCount);
        const int code = pick(0, 3);
        const int e = pick(1, 13);
        const int s = pick(0, 13);
        const bool wrap = pick(0, 1) == 1;
        const bool lifted = pick(0, 1) == 1;
        const PileId target = PileId::Tableau(1);
        const bool up = CanPlaceOn(a, b, Rules(e, s, 1, code, wrap, lifted), target, false, context);
        const bool down = CanPlaceOn(a, b, Rules(e, s, 0, code, wrap, lifted), target, false, context);
        const bool either = CanPlaceOn(a, b, Rules(e, s, 2, code, wrap, lifted), target, false, context);
        ASSERT_EQ(either, up || down) << a << " " << b << " code " << code;
        ASSERT_FALSE(up && down) << a << " " << b;  // one step cannot go both ways
    }
}

TEST(LegalityProperties, TheTwoDecksAreInterchangeable) {
    // Codes that look only at the two cards give the same answer when both
    // cards are swapped for their twins of the other deck.
    std::mt19937 rng(4242);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    auto twin = [](int card) { return card > 52 ? card - 52 : card + 52; };
    const Position position;
    const GameRules rules;
    const PlaceContext context{position, rules, kLocationNowhere, false};
    const int codes[] = {0, 1, 2, 3, 6, 11, 12, 14, 15, 16, 20, 21, 24, 25, 28, 31, 32, 34};
    for (int trial = 0; trial < 20000; ++trial) {
        const int a = pick(1, kCardCount);
        const int b = pick(1, kCardCount);
        const PileRules values = Rules(pick(-1, 13), pick(-1, 13), pick(0, 2),
                                       codes[pick(0, static_cast<int>(std::size(codes)) - 1)], pick(0, 1) == 1,
                                       pick(0, 1) == 1);
        const PileId target = PileId::Tableau(1);
        ASSERT_EQ(CanPlaceOn(a, b, values, target, true, context),
                  CanPlaceOn(twin(a), twin(b), values, target, true, context))
            << a << " " << b << " code " << values.build;
    }
}

TEST(LegalityProperties, CardLocationFindsWhereACardWasDealt) {
    std::mt19937 rng(99);
    for (int round = 0; round < 50; ++round) {
        const Position position = RandomPosition(rng);
        for (int card = 1; card <= kCardCount; ++card) {
            const int location = CardLocation(position.piles, card);
            const bool inTableau = location >= 1 && location <= kTableauCount;
            const bool inFoundation = location <= -1 && location >= -kFoundationCount;
            const bool inReserve = location <= -21 && location >= -20 - kReserveCount;
            const Pile* pile = nullptr;
            if (location == kLocationStock) pile = &position.piles.stock[0];
            if (location == kLocationWaste) pile = &position.piles.stock[1];
            if (inTableau) pile = &position.piles.pile(PileId::Tableau(location));
            if (inFoundation) pile = &position.piles.pile(PileId::Foundation(-location));
            if (inReserve) pile = &position.piles.pile(PileId::Reserve(-location - 20));
            if (location == kLocationNowhere) {
                int holders = 0;
                position.piles.forEach([&](PileId id, const Pile& p) {
                    if (id.kind != PileKind::SecondWaste && p.contains(card)) ++holders;
                });
                EXPECT_EQ(holders, 0) << "card " << card;
            } else {
                ASSERT_NE(pile, nullptr) << "card " << card << " location " << location;
                EXPECT_TRUE(pile->contains(card)) << "card " << card << " location " << location;
            }
            const bool onTop = (inTableau || inReserve) && pile->top() == card;
            EXPECT_EQ(IsTopCard(position.piles, card), onTop) << "card " << card;
        }
    }
}

}  // namespace
}  // namespace dravicor
