#include "engine/deal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <vector>

#include "engine_fixture.h"
#include "rules/rule_codes.h"

namespace dravicor::test {
namespace {

// Card numbers: hearts 1-13, diamonds 14-26, clubs 27-39, spades 40-52, each
// Ace to King; the second deck repeats them from 53.

// A deck order that starts with the given cards and goes on with the others
// in ascending order.
DeckOrder DeckStartingWith(const std::vector<int>& first, int cardCount = 52) {
    DeckOrder order;
    std::vector<int> cards(first);
    for (int card = 1; card <= cardCount; ++card) {
        if (std::find(cards.begin(), cards.end(), card) == cards.end()) cards.push_back(card);
    }
    for (size_t i = 0; i < cards.size(); ++i) order.cards[i] = static_cast<CardNumber>(cards[i]);
    order.size = static_cast<int>(cards.size());
    return order;
}

// A game of `cardCount` cards with four foundations built up in suit from
// the Ace and nothing dealt: each test adds what it needs.
GameRules BaseRules(int cardCount = 52, int foundations = 4) {
    GameRules rules;
    rules.set(Rule::CardCount, cardCount);
    rules.set(Rule::FoundationCount, foundations);
    rules.set(Rule::StockFaceDown, 1);
    for (int i = 0; i < kFoundationCount; ++i) {
        rules.set(Rule::FoundationFirstCard + i, 1);
        rules.set(Rule::FoundationDirection + i, 1);
        rules.set(Rule::FoundationBuild + i, 0);
    }
    return rules;
}

struct Dealt {
    Position position;
    GameRules rules;
    int score = 0;

    const Pile& pile(PileId id) const { return position.piles.pile(id); }
    std::vector<int> cards(PileId id) const { return CardsOf(position, id); }
    std::vector<bool> faces(PileId id) const { return FacesOf(position, id); }
    int rule(int index) const { return rules[index]; }
};

Dealt Deal(const GameRules& rules, const DeckOrder& deck, bool scoring01 = true) {
    Dealt dealt;
    dealt.rules = rules;
    dealt.score = DealGame(dealt.position, dealt.rules, deck, scoring01);
    return dealt;
}

using Cards = std::vector<int>;
using Faces = std::vector<bool>;

// How often each card 1-104 lies on the table (index 0: empty slots).
std::array<int, kCardCount + 1> CardTally(const Position& position) {
    std::array<int, kCardCount + 1> tally{};
    position.piles.forEach([&](PileId, const Pile& pile) {
        for (const CardNumber card : pile.groups()) ++tally[card];
    });
    return tally;
}

int CardsOnTable(const Position& position) {
    const auto tally = CardTally(position);
    int count = 0;
    for (int card = 1; card <= kCardCount; ++card) count += tally[static_cast<size_t>(card)];
    return count;
}

// ---------------------------------------------------------------------------
// The steps one deal at a time: stock, waste, tableau, second waste and
// reserves, the cards turned onto foundation 1 (steps 8 to 10) with the
// empty-pile rank, Kings to the bottom (step 14), the Queen and King of
// hearts moved (steps 15 and 16), and the starting score.

constexpr bool U = true;   // face up
constexpr bool D = false;  // face down

// The cards from `from` to `to`, ascending.
Cards Ascending(int from, int to) {
    Cards cards;
    for (int card = from; card <= to; ++card) cards.push_back(card);
    return cards;
}

Cards Join(std::initializer_list<Cards> parts) {
    Cards cards;
    for (const Cards& part : parts) cards.insert(cards.end(), part.begin(), part.end());
    return cards;
}

struct PileWant {
    PileId pile;
    Cards cards;
    Faces faces;  // bottom first; none: not looked at
};

struct DealCase {
    const char* what;
    std::vector<std::pair<int, int>> set;  // rule, value, over BaseRules()
    Cards deck;                            // the deck's first cards; ascending after them
    std::vector<PileWant> piles;
    int score;
    std::vector<std::pair<int, int>> after;  // rule, value as the deal leaves it
    int base = 1;                            // every foundation's first card before the deal
    int allBases = 0;                        // every foundation's first card after it; 0: not looked at
    int onTable = 0;                         // cards on the table; 0: not looked at
    bool scoring01 = true;
};

TEST(DealSteps, EachStepLaysItsCardsAndSetsItsRules) {
    using R = std::pair<int, int>;
    const auto tableau = [](int t, int count, int faceUp) {
        return std::vector<R>{{Rule::TableauDealCount + t, count}, {Rule::TableauDealFaceUp + t, faceUp}};
    };
    const auto with = [](std::vector<R> rules, std::initializer_list<std::vector<R>> more) {
        for (const auto& part : more) rules.insert(rules.end(), part.begin(), part.end());
        return rules;
    };
    const int kBase = Rule::FoundationFirstCard;
    const int kEmpty = Rule::TableauEmptyAccepts;
    const DealCase cases[] = {
        // Foundation and second waste cards and the bonus add five each; the
        // stock and the waste are dealt, not scored.
        {"the score of 01",
         {{Rule::FoundationDealCard, 20}, {Rule::StockGroupDealCard, 45}, {Rule::ThirdStockDealCount, 2},
          {Rule::DealSecondFoundationCard, 1}, {Rule::ScoreBonusCards, 3}, {Rule::StockDealCount, 10},
          {Rule::WasteDealCount, 3}},
         {}, {}, -52 + 5 * 5 + 15, {}},
        {"other scoring systems start at zero, the deal the same",
         {{Rule::FoundationDealCard, 20}, {Rule::ScoreBonusCards, 3}, {Rule::StockDealCount, 51}}, {},
         {{PileId::Foundation(1), {1}, {U}}}, 0, {}, 1, 0, 52, false},
        {"bonus cards", {{Rule::ScoreBonusCards, 4}}, {}, {}, -52 + 20, {}},
        {"negative bonus cards", {{Rule::ScoreBonusCards, -2}}, {}, {}, -52 - 10, {}},
        {"a second waste card already on a foundation stays there",
         {{Rule::FoundationDealCard, 110}, {Rule::StockGroupDealCard, 10}}, {},
         {{PileId::Foundation(1), {10}, {U}}, {PileId::SecondWaste(), {}, {}}}, -52 + 5, {}},
        {"each pile takes the next cards in step order",
         with({{Rule::StockDealCount, 3}, {Rule::WasteDealCount, 2}, {Rule::ThirdStockDealCount, 2},
               {Rule::ReserveDealCount + 1, 3}},
              {tableau(0, 2, 1), tableau(2, 1, 1)}),
         {},
         {{PileId::Stock(), {1, 2, 3}, {D, D, D}},
          {PileId::Waste(), {4, 5}, {U, U}},
          {PileId::Tableau(1), {6, 7}, {D, U}},
          {PileId::Tableau(2), {}, {}},
          {PileId::Tableau(3), {8}, {U}},
          {PileId::SecondWaste(), {9, 10}, {U, U}},
          {PileId::Reserve(1), {}, {}},
          {PileId::Reserve(2), {11, 12, 13}, {U, U, U}}},
         -52 + 10, {}, 1, 0, 13},
        {"free slots (0) of the deck order are skipped", {{Rule::StockDealCount, 3}, {Rule::WasteDealCount, 3}},
         {7, 0, 3, 0, 0, 9, 1}, {{PileId::Stock(), {7, 3, 9}, {D, D, D}}, {PileId::Waste(), {1, 2, 4}, {U, U, U}}},
         -52, {}},
        {"stock face-down flag 0 deals a face-up stock", {{Rule::StockDealCount, 4}, {Rule::StockFaceDown, 0}}, {},
         {{PileId::Stock(), {1, 2, 3, 4}, {U, U, U, U}}}, -52, {}},
        {"stock face-down flag 2", {{Rule::StockDealCount, 4}, {Rule::StockFaceDown, 2}}, {},
         {{PileId::Stock(), {1, 2, 3, 4}, {D, D, D, D}}}, -52, {}},
        // More face-up cards than the pile; -1 and -2 alternate from the
        // bottom card face up or face down.
        {"tableau face-up counts",
         with({}, {tableau(0, 5, 3), tableau(1, 4, 9), tableau(2, 5, -1), tableau(3, 5, -2), tableau(4, 5, 0)}), {},
         {{PileId::Tableau(1), {1, 2, 3, 4, 5}, {D, D, U, U, U}},
          {PileId::Tableau(2), {6, 7, 8, 9}, {U, U, U, U}},
          {PileId::Tableau(3), {10, 11, 12, 13, 14}, {U, D, U, D, U}},
          {PileId::Tableau(4), {15, 16, 17, 18, 19}, {D, U, D, U, D}},
          {PileId::Tableau(5), {20, 21, 22, 23, 24}, {D, D, D, D, D}}},
         -52, {}},
        {"an empty deck ends every step quietly",
         with({{Rule::StockDealCount, 50}, {Rule::TableauDealCount + 1, 5}, {Rule::ThirdStockDealCount, 2},
               {Rule::ReserveDealCount, 2}, {Rule::DealFirstFoundationCard, 1}, {Rule::DealSecondFoundationCard, 1}},
              {tableau(0, 5, 1)}),
         {},
         {{PileId::Stock(), Ascending(1, 50), {}},
          {PileId::Tableau(1), {51, 52}, {D, U}},
          {PileId::Tableau(2), {}, {}},
          {PileId::SecondWaste(), {}, {}},
          {PileId::Reserve(1), {}, {}},
          {PileId::Foundation(1), {}, {}}},
         -52, {}, 1, 1},
        // The 52nd card is the one turned: here the 8 of spades (card 47),
        // swapped with the King of spades; every base is its rank, and an
        // empty pile of code 91 takes the rank below it.
        {"Canfield style",
         with({{Rule::DealFirstFoundationCard, 1}, {Rule::StockDealCount, 34}, {Rule::ReserveDealCount, 13},
               {Rule::TableauCount, 4}, {kEmpty, 91}, {kEmpty + 1, 91}, {kEmpty + 2, 91}, {kEmpty + 3, -1}},
              {tableau(0, 1, 1), tableau(1, 1, 1), tableau(2, 1, 1), tableau(3, 1, 1)}),
         Join({Ascending(1, 46), {52}, Ascending(48, 51), {47}}),
         {{PileId::Foundation(1), {47}, {U}},
          {PileId::Stock(), Ascending(1, 34), {}},
          {PileId::Tableau(1), {35}, {U}},
          {PileId::Reserve(1), Join({Ascending(39, 46), {52}, Ascending(48, 51)}), {}}},
         -52 + 5, {{kEmpty, 7}, {kEmpty + 1, 7}, {kEmpty + 2, 7}, {kEmpty + 3, -1}}, 0, 8, 52},
        {"an Ace base gives Kings on empty piles",
         {{Rule::DealFirstFoundationCard, 1}, {kEmpty + 5, 91}, {kEmpty + 25, 91}}, {Spades(1)},
         {{PileId::Foundation(1), {Spades(1)}, {U}}}, -52 + 5, {{kEmpty + 5, 13}, {kEmpty + 25, 13}}},
        // The empty-pile rank follows the catalogue base; a base that is no
        // rank (any card, nothing, a special value) has no rank below it, and
        // such piles take Kings.
        {"base 7", {{kBase, 7}, {kEmpty, 91}, {kEmpty + 1, 5}}, {}, {}, -52, {{kEmpty, 6}, {kEmpty + 1, 5}}},
        {"base 2", {{kBase, 2}, {kEmpty, 91}, {kEmpty + 1, 5}}, {}, {}, -52, {{kEmpty, 1}, {kEmpty + 1, 5}}},
        {"base 1", {{kBase, 1}, {kEmpty, 91}, {kEmpty + 1, 5}}, {}, {}, -52, {{kEmpty, 13}, {kEmpty + 1, 5}}},
        {"base 13", {{kBase, 13}, {kEmpty, 91}, {kEmpty + 1, 5}}, {}, {}, -52, {{kEmpty, 12}, {kEmpty + 1, 5}}},
        {"base -1", {{kBase, -1}, {kEmpty, 91}, {kEmpty + 1, 5}}, {}, {}, -52, {{kEmpty, 13}, {kEmpty + 1, 5}}},
        {"base 0", {{kBase, 0}, {kEmpty, 91}, {kEmpty + 1, 5}}, {}, {}, -52, {{kEmpty, 13}, {kEmpty + 1, 5}}},
        {"base 81", {{kBase, 81}, {kEmpty, 91}, {kEmpty + 1, 5}}, {}, {}, -52, {{kEmpty, 13}, {kEmpty + 1, 5}}},
        {"a base set by the first foundation's deal code", {{Rule::FoundationDealCard, 20}, {kEmpty + 2, 91}},
         {Diamonds(9)}, {{PileId::Foundation(1), {Diamonds(9)}, {U}}}, -52 + 5, {{kEmpty + 2, 8}}},
        {"the second foundation card goes on top of the first",
         {{Rule::DealFirstFoundationCard, 1}, {Rule::DealSecondFoundationCard, 1}, {Rule::StockDealCount, 2}},
         {30, 31, 4, 44}, {{PileId::Foundation(1), {4, 44}, {U, U}}, {PileId::Stock(), {30, 31}, {D, D}}}, -52 + 10,
         {}, 0, 4},
        {"without the first the second goes alone and sets no base",
         {{Rule::DealSecondFoundationCard, 1}, {Rule::StockDealCount, 2}}, {30, 31, 4},
         {{PileId::Foundation(1), {4}, {U}}}, -52 + 5, {{kBase, 0}}, 0},
        // Pile 1: 5, K spades, 9, K hearts. Pile 2: K diamonds at the bottom,
        // 2, K of clubs. Pile 3 lies beyond the game's tableau count. Face
        // flags travel with the cards: the King of hearts was the top card.
        {"Kings sink in the order found",
         with({{Rule::DealExtraStep, 1}, {Rule::TableauCount, 2}},
              {tableau(0, 4, 1), tableau(1, 3, 1), tableau(2, 3, 1)}),
         {Clubs(5), Spades(13), Diamonds(9), Hearts(13), Diamonds(13), 2, 39, 4, 12, 25},
         {{PileId::Tableau(1), {Hearts(13), Spades(13), Clubs(5), Diamonds(9)}, {U, D, D, D}},
          {PileId::Tableau(2), {39, Diamonds(13), 2}, {}},
          {PileId::Tableau(3), {4, 12, 25}, {}}},
         -52, {}},
        {"without the step the Kings stay", with({{Rule::TableauCount, 2}}, {tableau(0, 4, 1)}),
         {Clubs(5), Spades(13), Diamonds(9), Hearts(13)},
         {{PileId::Tableau(1), {Clubs(5), Spades(13), Diamonds(9), Hearts(13)}, {}}}, -52, {}},
        {"the Queen and King of hearts are moved",
         with({{Rule::SpecialGame, 22}, {Rule::StockDealCount, 10}}, {tableau(0, 5, 1)}), {},
         {{PileId::Stock(), {13, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, Faces(11, D)},
          {PileId::Tableau(1), {11, 14, 15, 12}, {D, D, U, U}}},
         -52, {}, 1, 0, 15},
        {"the Queen and King of hearts still in the deck are taken from there",
         {{Rule::SpecialGame, 22}, {Rule::StockDealCount, 2}}, {},
         {{PileId::Stock(), {13, 1, 2}, {}}, {PileId::Tableau(1), {12}, {}}}, -52, {}},
    };
    for (const DealCase& c : cases) {
        SCOPED_TRACE(c.what);
        GameRules rules = BaseRules();
        for (int i = 0; i < kFoundationCount; ++i) rules.set(kBase + i, c.base);
        for (const auto& [rule, value] : c.set) rules.set(rule, value);
        const Dealt dealt = Deal(rules, DeckStartingWith(c.deck), c.scoring01);
        for (const PileWant& want : c.piles) {
            EXPECT_EQ(dealt.cards(want.pile), want.cards) << PileName(want.pile);
            if (!want.faces.empty()) {
                EXPECT_EQ(dealt.faces(want.pile), want.faces) << PileName(want.pile);
            }
        }
        for (const auto& [rule, value] : c.after) EXPECT_EQ(dealt.rule(rule), value) << "rule " << rule;
        for (int i = 0; c.allBases != 0 && i < kFoundationCount; ++i) {
            EXPECT_EQ(dealt.rule(kBase + i), c.allBases) << "foundation " << i + 1;
        }
        if (c.onTable != 0) {
            EXPECT_EQ(CardsOnTable(dealt.position), c.onTable);
        }
        EXPECT_EQ(dealt.score, c.score);
        EXPECT_EQ(CardTally(dealt.position)[0], 0);
    }
}

// ---------------------------------------------------------------------------
// Foundation starting cards

// Each foundation's deal code places a card on it before anything else is
// dealt; the stock then takes the rest of the deck in order. Codes: 20 the
// next card of the deck, 51-63 the first card of rank code - 50, 91 the
// first card's rank on every foundation, 92 the first foundation's base
// without a card, 93 and 94 the Aces, 95 the Kings then the Aces, 96 and 0
// nothing, 100 up the card code - 100 (wrapping within the card count),
// any other the code's rank in the foundation's suit.
TEST(FoundationDealCode, PlacesTheCardTheCodeNamesAndSetsItsBase) {
    struct Case {
        const char* what;
        int cardCount;
        std::vector<int> codes;                  // per foundation, as many as the game has
        std::vector<std::pair<int, int>> bases;  // catalogue bases other than 1: foundation index, rank
        int stockCount;
        Cards deck;                              // the deck's first cards; ascending after them
        std::vector<Cards> placed;               // per foundation
        std::vector<int> firstCards;             // the bases after the deal
    };
    const Case cases[] = {
        {"91: the first card's rank in every suit", 52, {91, 91, 91, 91}, {}, 52, {Clubs(5)},
         {{44}, {5}, {18}, {31}}, {5, 5, 5, 5}},
        {"91 wraps within two decks", 104, {91}, {}, 0, {50}, {{63}}, {11}},
        {"91 wraps within one deck", 52, {91}, {}, 0, {50}, {{11}}, {11}},
        // 52 + 4 x 13 is a multiple of 52: the last foundation gets card 52 itself.
        {"91 never gives card 0", 52, {91, 91, 91, 91}, {}, 0, {52}, {{13}, {26}, {39}, {52}}, {13, 13, 13, 13}},
        {"91 on eight foundations wraps to the first deck", 104, {91, 91, 91, 91, 91, 91, 91, 91}, {}, 0, {Clubs(5)},
         {{44}, {57}, {70}, {83}, {96}, {5}, {18}, {31}}, {5, 5, 5, 5, 5, 5, 5, 5}},
        {"20 takes the next card each time", 52, {20, 0, 20, 0}, {}, 2, {Diamonds(9), 7, 40},
         {{Diamonds(9)}, {}, {7}, {}}, {9, 1, 7, 1}},
        {"51-63 take the first card of their rank", 52, {51, 63, 57, 57, 0, 0}, {}, 3,
         {Diamonds(9), 46, 33, Clubs(1), 20, 39}, {{Clubs(1)}, {39}, {46}, {33}, {}, {}}, {1, 13, 7, 7, 1, 1}},
        {"a fifth Ace in one deck is not found", 52, {51, 51, 51, 51, 51}, {{4, 7}}, 0, {Spades(1), 2, Clubs(1)},
         {{Spades(1)}, {Clubs(1)}, {Hearts(1)}, {Diamonds(1)}, {}}, {1, 1, 1, 1, 7}},
        {"92 copies the first foundation's base", 52, {20, 92, 92, 92}, {}, 0, {Diamonds(9)},
         {{Diamonds(9)}, {}, {}, {}}, {9, 9, 9, 9}},
        {"93 places the Aces by value", 104, {93, 93, 93, 93, 93, 93, 93, 93}, {}, 0, {},
         {{1}, {14}, {27}, {40}, {53}, {66}, {79}, {92}}, {1, 1, 1, 1, 1, 1, 1, 1}},
        {"94 places the Aces by value", 104, {94, 94, 94, 94, 94, 94, 94, 94}, {}, 0, {},
         {{1}, {14}, {27}, {40}, {53}, {66}, {79}, {92}}, {1, 1, 1, 1, 1, 1, 1, 1}},
        // The ninth foundation's Ace (card 53) wraps to the Ace of hearts, already placed.
        {"95 places Kings then Aces", 52, {95, 95, 95, 95, 95, 95, 95, 95, 95}, {{8, 4}}, 52, {},
         {{13}, {26}, {39}, {52}, {1}, {14}, {27}, {40}, {}}, {13, 13, 13, 13, 1, 1, 1, 1, 4}},
        {"96 and 0 place nothing", 52, {96, 0, 0, 0}, {}, 52, {}, {{}, {}, {}, {}}, {1, 1, 1, 1}},
        // 160 is card 60, beyond one deck: 8; 100 is card 0: 52; a card placed once is not placed again.
        {"from 100 the code names the card", 52, {110, 160, 110, 100}, {{2, 6}}, 52, {}, {{10}, {8}, {}, {52}},
         {10, 8, 6, 13}},
        {"from 100 in two decks", 104, {160}, {}, 0, {}, {{60}}, {8}},
        // Foundations 5-8 ask for 7 + 52..91, which wrap onto the sevens placed already.
        {"other codes give that rank of each suit", 52, {7, 7, 7, 7, 7, 7, 7, 7}, {{4, 2}, {5, 2}, {6, 2}, {7, 2}},
         52, {}, {{7}, {20}, {33}, {46}, {}, {}, {}, {}}, {7, 7, 7, 7, 2, 2, 2, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const int foundations = static_cast<int>(c.codes.size());
        GameRules rules = BaseRules(c.cardCount, foundations);
        for (int i = 0; i < foundations; ++i) rules.set(Rule::FoundationDealCard + i, c.codes[static_cast<size_t>(i)]);
        for (const auto& [index, rank] : c.bases) rules.set(Rule::FoundationFirstCard + index, rank);
        rules.set(Rule::StockDealCount, c.stockCount);
        const DeckOrder deck = DeckStartingWith(c.deck, c.cardCount);
        const Dealt dealt = Deal(rules, deck);

        Cards placed;
        for (int i = 0; i < foundations; ++i) {
            const PileId id = PileId::Foundation(i + 1);
            EXPECT_EQ(dealt.cards(id), c.placed[static_cast<size_t>(i)]) << "foundation " << i + 1;
            EXPECT_EQ(dealt.faces(id), Faces(c.placed[static_cast<size_t>(i)].size(), true)) << "foundation " << i + 1;
            EXPECT_EQ(dealt.rule(Rule::FoundationFirstCard + i), c.firstCards[static_cast<size_t>(i)])
                << "foundation " << i + 1;
            const Cards& on = c.placed[static_cast<size_t>(i)];
            placed.insert(placed.end(), on.begin(), on.end());
        }
        for (int i = foundations; i < kFoundationCount; ++i) EXPECT_EQ(dealt.rule(Rule::FoundationFirstCard + i), 1);
        // The stock gets the next cards in deck order: the placed ones are gone.
        Cards rest;
        for (int k = 0; k < deck.size && static_cast<int>(rest.size()) < c.stockCount; ++k) {
            const int card = deck.cards[static_cast<size_t>(k)];
            if (std::find(placed.begin(), placed.end(), card) == placed.end()) rest.push_back(card);
        }
        EXPECT_EQ(dealt.cards(PileId::Stock()), rest);
        EXPECT_EQ(CardTally(dealt.position)[0], 0);
        EXPECT_EQ(dealt.score, -c.cardCount + 5 * static_cast<int>(placed.size()));
    }
}

// ---------------------------------------------------------------------------
// The second waste's starting card

TEST(SecondWasteStartingCard, TakesTheCardByValueOrFrom100ByNumber) {
    struct Case {
        int value;
        int cardCount;
        int expected;  // 0: nothing placed
    };
    const Case cases[] = {
        {5, 52, 5},     {105, 52, 5},  {100, 52, 0},  {100, 104, 0},  // 100 is card 0, not card 100
        {152, 52, 52},  {153, 52, 0},  // card 53 is not in a one-deck game
        {153, 104, 53}, {60, 52, 0},   {60, 104, 60}, {-1, 52, 0},
    };
    for (const Case& c : cases) {
        GameRules rules = BaseRules(c.cardCount);
        rules.set(Rule::StockGroupDealCard, c.value);
        rules.set(Rule::StockDealCount, c.cardCount);
        const Dealt dealt = Deal(rules, DeckStartingWith({}, c.cardCount));
        if (c.expected == 0) {
            EXPECT_TRUE(dealt.pile(PileId::SecondWaste()).empty()) << c.value;
            EXPECT_EQ(dealt.score, -c.cardCount) << c.value;
        } else {
            EXPECT_EQ(dealt.cards(PileId::SecondWaste()), Cards{c.expected}) << c.value;
            EXPECT_TRUE(dealt.position.cardTable.IsFaceUp(c.expected)) << c.value;
            EXPECT_EQ(dealt.pile(PileId::Stock()).find(c.expected), -1) << c.value;
            EXPECT_EQ(dealt.score, -c.cardCount + 5) << c.value;
        }
        EXPECT_EQ(CardsOnTable(dealt.position), c.cardCount) << c.value;
    }
}

// ---------------------------------------------------------------------------
// Step 11: Aces of reserve 1

// In special game 11 the Aces of reserve 1 go to the foundations and the
// waste's cards refill the reserve; only the first Ace found in the waste
// goes too (to foundation 1), later ones stay there.
TEST(ReserveAces, AcesLeaveReserveOneAndTheWasteRefillsIt) {
    struct Case {
        const char* what;
        int special;
        int base;  // every foundation's first card
        int wasteCount;
        int reserveCount;
        Cards deck;  // the waste's cards, then the reserve's
        std::vector<Cards> foundations;
        Cards reserve;
        Cards waste;
    };
    const Case cases[] = {
        {"the reserve's Aces go, the waste refills it", 11, 0, 6, 6,
         {2, Spades(1), 3, 4, Clubs(1), 6, 1, 8, 14, 9, 10, 11},
         {{Spades(1)}, {Hearts(1)}, {Diamonds(1)}, {}}, {8, 9, 10, 11, 2, 3}, {4, Clubs(1), 6}},
        {"only the first waste Ace goes", 11, 1, 5, 2, {2, 3, Clubs(1), 4, Spades(1), 8, 9},
         {{Clubs(1)}, {}, {}, {}}, {8, 9}, {2, 3, 4, Spades(1)}},
        // An Ace met after the first stays in the waste, while later cards
        // still replace the reserve's Aces.
        {"a later waste Ace stays", 11, 1, 4, 3, {Spades(1), Clubs(1), 5, 6, Hearts(1), 8, Diamonds(1)},
         {{Spades(1)}, {Hearts(1)}, {Diamonds(1)}, {}}, {8, 5, 6}, {Clubs(1)}},
        {"another special game leaves the Aces alone", 12, 1, 5, 2, {2, 3, Clubs(1), 4, Spades(1), Hearts(1), 9},
         {{}, {}, {}, {}}, {Hearts(1), 9}, {2, 3, Clubs(1), 4, Spades(1)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        GameRules rules = BaseRules(52, 4);
        for (int i = 0; i < kFoundationCount; ++i) rules.set(Rule::FoundationFirstCard + i, c.base);
        rules.set(Rule::SpecialGame, c.special);
        rules.set(Rule::WasteDealCount, c.wasteCount);
        rules.set(Rule::ReserveDealCount, c.reserveCount);
        const Dealt dealt = Deal(rules, DeckStartingWith(c.deck));
        int placed = 0;
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(dealt.cards(PileId::Foundation(i + 1)), c.foundations[static_cast<size_t>(i)]) << i + 1;
            placed += static_cast<int>(c.foundations[static_cast<size_t>(i)].size());
        }
        EXPECT_EQ(dealt.cards(PileId::Reserve(1)), c.reserve);
        EXPECT_EQ(dealt.faces(PileId::Reserve(1)), Faces(c.reserve.size(), true));
        EXPECT_EQ(dealt.cards(PileId::Waste()), c.waste);
        EXPECT_EQ(dealt.score, -52 + 5 * placed);
        EXPECT_EQ(CardsOnTable(dealt.position), c.wasteCount + c.reserveCount);
    }
}

// ---------------------------------------------------------------------------
// The other extra steps: low cards at the bottom, Kings starting piles, Kings
// under their suit

TEST(DealExtraSteps, RearrangeTheTableauAsTheStepSays) {
    struct Case {
        const char* what;
        int step;
        std::vector<int> counts;  // per pile
        std::vector<int> deck;    // the deck's first cards; ascending after them
        std::vector<Cards> piles;
    };
    const Case cases[] = {
        // The Aces and 2s come out in deck order before any pile is filled,
        // so the 2 of spades, first after pile 1's share, still opens pile 3.
        {"low cards", DealStep::LowCardsAtBottom, {3, 3, 3},
         {Clubs(5), Clubs(1), Diamonds(9), Hearts(13), Spades(2), Hearts(2), 7},
         // Low cards beyond the piles are dealt as they come: the Ace of hearts.
         {{Clubs(1), Clubs(5), Diamonds(9)}, {Spades(2), Hearts(13), 7}, {Hearts(2), Hearts(1), 3}}},
        // A King first fills pile 1; every later King opens the next pile,
        // the last pile keeps the rest; the counts only give the total.
        {"kings start piles", DealStep::KingsStartPiles, {4, 3, 3},
         {Hearts(13), Clubs(5), Spades(13), Diamonds(9), 3, Diamonds(13), 4, Clubs(13), 6, 7},
         {{Hearts(13), Clubs(5)}, {Spades(13), Diamonds(9), 3}, {Diamonds(13), 4, Clubs(13), 6, 7}}},
        {"no king, one pile", DealStep::KingsStartPiles, {2, 2},
         {Clubs(5), 6, 7, 8},
         {{Clubs(5), 6, 7, 8}, {}}},
        // Each King goes under the deepest lower card of its suit it covers;
        // a King already at the bottom stays.
        {"kings under their suit", DealStep::KingsUnderOwnSuit, {3, 3, 3},
         {5, Hearts(13), 28, Diamonds(9), 42, Diamonds(13), Spades(13), Clubs(5), Clubs(13)},
         {{Hearts(13), 5, 28}, {Diamonds(13), Diamonds(9), 42}, {Spades(13), Clubs(13), Clubs(5)}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        GameRules rules = BaseRules();
        rules.set(Rule::DealExtraStep, c.step);
        rules.set(Rule::TableauCount, static_cast<int>(c.counts.size()));
        for (size_t t = 0; t < c.counts.size(); ++t) {
            rules.set(Rule::TableauDealCount + static_cast<int>(t), c.counts[t]);
            rules.set(Rule::TableauDealFaceUp + static_cast<int>(t), 1);
        }
        const Dealt dealt = Deal(rules, DeckStartingWith(c.deck));
        for (size_t t = 0; t < c.piles.size(); ++t) {
            const PileId id = PileId::Tableau(static_cast<int>(t) + 1);
            EXPECT_EQ(dealt.cards(id), c.piles[t]) << "pile " << t + 1;
            // The faces are set on the piles as laid out: only the top card
            // is face up, except where a King moved after that.
            if (c.step == DealStep::KingsUnderOwnSuit) continue;
            Faces faces(c.piles[t].size(), false);
            if (!faces.empty()) faces.back() = true;
            EXPECT_EQ(dealt.faces(id), faces) << "pile " << t + 1;
        }
    }
}

// ---------------------------------------------------------------------------
// Steps 12 and 13: the tableau sweeps (these use the placement check)

// Codes 93 to 96 on the first foundation sweep the dealt tableau: 93 offers
// every card to every foundation, 94 a pile's cards only to its own
// foundation, 95 splits the piles between the King and the Ace foundations,
// 96 moves the Aces and refills their places from the stock. Row by row
// and pile by pile find different cards; the place of a taken card is
// looked at again. Cards swept go face up.
TEST(TableauSweep, PlacesWhatTheFirstFoundationsCodeAllows) {
    struct Case {
        const char* what;
        std::vector<int> codes;       // per foundation
        std::vector<int> directions;  // per foundation; none: up
        int byPile;
        int stockCount;
        std::vector<int> counts;  // per tableau pile, the top card face up
        Cards deck;               // the deck's first cards; ascending after them
        std::vector<Cards> foundations;
        std::vector<Cards> tableau;
        std::vector<Faces> tableauFaces;  // of the first piles; the others not looked at
        Cards stock;
    };
    const Case cases[] = {
        // Pile 1: 5, 3 of hearts; pile 2: 2, 6 of hearts. Pile by pile, the 3
        // is passed before the 2 comes up.
        {"93 row by row", {93, 93, 93, 93}, {}, 0, 0, {2, 2}, {5, 3, 2, 6}, {{1, 2, 3}, {14}, {27}, {40}},
         {{5}, {6}}, {}, {}},
        {"93 pile by pile", {93, 93, 93, 93}, {}, 1, 0, {2, 2}, {5, 3, 2, 6}, {{1, 2}, {14}, {27}, {40}},
         {{5, 3}, {6}}, {}, {}},
        // 2 and 3 of hearts at the bottom, under the 2 of clubs and a 9; all
        // but the top face down.
        {"93 looks again, row by row", {93, 93, 93, 93}, {}, 0, 0, {5}, {2, 3, 28, 9, 29},
         {{1, 2, 3}, {14}, {27, 28, 29}, {40}}, {{9}}, {}, {}},
        {"93 looks again, pile by pile", {93, 93, 93, 93}, {}, 1, 0, {5}, {2, 3, 28, 9, 29},
         {{1, 2, 3}, {14}, {27, 28, 29}, {40}}, {{9}}, {}, {}},
        // The 2s of hearts, diamonds and clubs on piles 1-3; the 3 of hearts
        // on pile 4, whose foundation is spades.
        {"94 offers a pile only to its own foundation", {94, 94, 94, 94}, {}, 0, 0, {1, 1, 1, 1}, {2, 15, 28, 3},
         {{1, 2}, {14, 15}, {27, 28}, {40}}, {{}, {}, {}, {3}}, {}, {}},
        {"93 offers it to every foundation", {93, 93, 93, 93}, {}, 0, 0, {1, 1, 1, 1}, {2, 15, 28, 3},
         {{1, 2, 3}, {14, 15}, {27, 28}, {40}}, {{}, {}, {}, {}}, {}, {}},
        // Pile 1: 2 of hearts (the Ace foundations are not offered it); pile
        // 2: Q of diamonds; pile 5: Q of hearts (any foundation); pile 7: 2 of
        // diamonds under the Q of spades; pile 8: Q of clubs (the King
        // foundations are offered neither Queen).
        {"95 splits the piles between Kings and Aces", {95, 95, 95, 95, 95, 95, 95, 95}, {0, 0, 0, 0, 1, 1, 1, 1}, 0,
         0, {1, 1, 0, 0, 1, 0, 2, 1, 0, 0}, {2, 25, 12, 15, 51, 38},
         {{13, 12}, {26, 25}, {39}, {52}, {1}, {14, 15}, {27}, {40}}, {{2}, {}, {}, {}, {}, {}, {51}, {38}, {}, {}},
         {}, {}},
        {"only the first foundation's code starts a sweep", {0, 93, 0, 0}, {}, 0, 0, {2}, {15, 16},
         {{}, {14}, {}, {}}, {{15, 16}}, {}, {}},
        // Stock 10, J of hearts. Pile 1: A hearts, A diamonds, 5; pile 2: 9, A
        // clubs, A spades. Row 1: the Ace of hearts goes, the Ace of diamonds
        // slides into its place and goes too; the pile gets the J, then the 10.
        // Row 2: both Aces go with the stock empty; nothing replaces them.
        {"96 moves the Aces and refills from the stock", {96, 0, 0, 0}, {}, 0, 2, {3, 3},
         {10, 11, 1, 14, 5, 9, 27, 40}, {{1}, {14}, {27}, {40}}, {{5, 11, 10}, {9}}, {{true, true, true}}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const int foundations = static_cast<int>(c.codes.size());
        GameRules rules = BaseRules(52, foundations);
        for (int i = 0; i < foundations; ++i) {
            rules.set(Rule::FoundationDealCard + i, c.codes[static_cast<size_t>(i)]);
            if (!c.directions.empty()) rules.set(Rule::FoundationDirection + i, c.directions[static_cast<size_t>(i)]);
        }
        rules.set(Rule::DealByPile, c.byPile);
        rules.set(Rule::StockDealCount, c.stockCount);
        rules.set(Rule::TableauCount, static_cast<int>(c.counts.size()));
        for (size_t t = 0; t < c.counts.size(); ++t) {
            rules.set(Rule::TableauDealCount + static_cast<int>(t), c.counts[t]);
            rules.set(Rule::TableauDealFaceUp + static_cast<int>(t), c.counts[t] > 0 ? 1 : 0);
        }
        const Dealt dealt = Deal(rules, DeckStartingWith(c.deck));
        int swept = 0;
        for (int i = 0; i < foundations; ++i) {
            const Cards& expected = c.foundations[static_cast<size_t>(i)];
            EXPECT_EQ(dealt.cards(PileId::Foundation(i + 1)), expected) << "foundation " << i + 1;
            EXPECT_EQ(dealt.faces(PileId::Foundation(i + 1)), Faces(expected.size(), true)) << "foundation " << i + 1;
            swept += static_cast<int>(expected.size());
        }
        for (size_t t = 0; t < c.tableau.size(); ++t) {
            const PileId id = PileId::Tableau(static_cast<int>(t) + 1);
            EXPECT_EQ(dealt.cards(id), c.tableau[t]) << "pile " << t + 1;
            if (t < c.tableauFaces.size()) {
                EXPECT_EQ(dealt.faces(id), c.tableauFaces[t]) << "pile " << t + 1;
            }
        }
        EXPECT_EQ(dealt.cards(PileId::Stock()), c.stock);
        EXPECT_EQ(dealt.score, -52 + 5 * swept);
        EXPECT_EQ(CardTally(dealt.position)[0], 0);
    }
}

// ---------------------------------------------------------------------------
// Properties

// Any mixture of deal codes puts no card on the table twice and nothing
// outside the game's cards; every placed foundation card set its base.
TEST(DealProperties, NoCardIsDealtTwiceWhateverTheCodes) {
    std::mt19937 random(20240611);
    const std::vector<int> codes{0, 1, 7, 13, 20, 51, 55, 63, 91, 92, 93, 94, 95, 96, 100, 113, 152, 153, 204, -1};
    auto pick = [&](int below) { return static_cast<int>(random() % static_cast<unsigned>(below)); };
    for (int round = 0; round < 2000; ++round) {
        const int cardCount = pick(2) == 0 ? 52 : 104;
        const int foundations = 1 + pick(kFoundationCount);
        GameRules rules = BaseRules(cardCount, foundations);
        for (int i = 0; i < foundations; ++i) {
            rules.set(Rule::FoundationDealCard + i, codes[static_cast<size_t>(pick(static_cast<int>(codes.size())))]);
        }
        rules.set(Rule::StockGroupDealCard, pick(3) == 0 ? pick(260) : 0);
        rules.set(Rule::TableauCount, 1 + pick(10));
        for (int t = 0; t < rules[Rule::TableauCount]; ++t) rules.set(Rule::TableauDealCount + t, pick(8));
        rules.set(Rule::StockDealCount, pick(cardCount));
        rules.set(Rule::DealByPile, pick(2));
        rules.set(Rule::DealExtraStep, pick(4));
        rules.set(Rule::SpecialGame, pick(4) == 0 ? 22 : 0);
        const DeckOrderResult order = BuildDeckOrder(std::to_string(round * 7919 + 13), cardCount);
        ASSERT_EQ(order.error, DeckOrderError::None);
        const GameRules before = rules;
        const Dealt dealt = Deal(rules, order.order);

        const auto tally = CardTally(dealt.position);
        EXPECT_EQ(tally[0], 0) << round;
        for (int card = 1; card <= kCardCount; ++card) {
            EXPECT_LE(tally[static_cast<size_t>(card)], card <= cardCount ? 1 : 0)
                << "round " << round << " card " << card;
        }
        // Moving the Queen and King of hearts may lift a card off a
        // foundation after its base and score were set.
        if (before[Rule::SpecialGame] == 22) continue;
        int scored = 0;
        for (int i = 0; i < kFoundationCount; ++i) {
            const Pile& foundation = dealt.pile(PileId::Foundation(i + 1));
            scored += foundation.size();
            if (foundation.empty()) {
                // Only code 92 rewrites the base of a foundation left empty.
                if (before[Rule::FoundationDealCard + i] != 92) {
                    EXPECT_EQ(dealt.rule(Rule::FoundationFirstCard + i), before[Rule::FoundationFirstCard + i]);
                }
            } else if (before[Rule::FoundationDealCard + i] != 0 && before[Rule::FoundationDealCard + i] != 96) {
                EXPECT_EQ(dealt.rule(Rule::FoundationFirstCard + i), CardRank(foundation[0])) << round;
            }
        }
        scored += dealt.pile(PileId::SecondWaste()).size();
        EXPECT_EQ(dealt.score, -cardCount + 5 * scored) << round;
    }
}

TEST(DealProperties, EveryShippedGameDealsEachCardOnceInTheRightPiles) {
    const std::vector<CatalogueColumn> games = CatalogueColumns();
    ASSERT_GE(games.size(), 7u);
    std::mt19937_64 random(4711);
    for (const CatalogueColumn& game : games) {
        const int cardCount = game.rules[Rule::CardCount];
        ASSERT_TRUE(cardCount == 52 || cardCount == 104) << game.name;
        // Steps that move cards after dealing change the plain counts.
        const int firstCode = game.rules[Rule::FoundationDealCard];
        // The peaks and the gaps games lay their cards out over places, some empty.
        const int special = game.rules[Rule::SpecialGame];
        const bool places = special >= 30 && special <= 35;
        const bool plainCounts = special != 11 && special != 22 && !places && (firstCode < 93 || firstCode > 96);

        for (int deal = 0; deal < 500; ++deal) {
            const std::string number = DrawGameNumber(random);
            const DeckOrderResult order = BuildDeckOrder(number, cardCount);
            ASSERT_EQ(order.error, DeckOrderError::None) << number;
            const Dealt dealt = Deal(game.rules, order.order);
            const Position& p = dealt.position;
            const std::string where = game.name + " #" + number;

            const auto tally = CardTally(p);
            if (!places) {
                ASSERT_EQ(tally[0], 0) << where;
            }
            for (int card = 1; card <= kCardCount; ++card) {
                ASSERT_EQ(tally[static_cast<size_t>(card)], card <= cardCount ? 1 : 0) << where << " card " << card;
            }

            int scored = dealt.pile(PileId::SecondWaste()).size();
            for (int i = 0; i < kFoundationCount; ++i) scored += dealt.pile(PileId::Foundation(i + 1)).size();
            ASSERT_EQ(dealt.score, -cardCount + 5 * scored + 5 * game.rules[Rule::ScoreBonusCards]) << where;

            if (plainCounts) {
                ASSERT_EQ(dealt.pile(PileId::Stock()).size(), game.rules[Rule::StockDealCount]) << where;
                ASSERT_EQ(dealt.pile(PileId::Waste()).size(), game.rules[Rule::WasteDealCount]) << where;
                for (int t = 0; t < kTableauCount; ++t) {
                    ASSERT_EQ(dealt.pile(PileId::Tableau(t + 1)).size(),
                              std::max(0, static_cast<int>(game.rules[Rule::TableauDealCount + t])))
                        << where << " pile " << t + 1;
                }
                for (int r = 0; r < kReserveCount; ++r) {
                    ASSERT_EQ(dealt.pile(PileId::Reserve(r + 1)).size(),
                              std::max(0, static_cast<int>(game.rules[Rule::ReserveDealCount + r])))
                        << where;
                }
            }

            if (game.name == "Challenge FreeCell" || game.name == "Super Challenge FreeCell") {
                for (int t = 1; t <= 8; ++t) {
                    ASSERT_LE(CardRank(dealt.pile(PileId::Tableau(t))[0]), 2) << where << " pile " << t;
                }
            } else if (game.rules[Rule::DealExtraStep] == DealStep::KingsUnderOwnSuit) {
                for (int t = 1; t <= game.rules[Rule::TableauCount]; ++t) {
                    const Pile& pile = dealt.pile(PileId::Tableau(t));
                    for (int k = 1; k < pile.size(); ++k) {
                        for (int j = 0; j < k && CardRank(pile[k]) == 13; ++j) {
                            ASSERT_FALSE(CardSuit(pile[j]) == CardSuit(pile[k]) && CardRank(pile[j]) != 13)
                                << where << " pile " << t << ": a King over a lower card of its suit";
                        }
                    }
                }
            }
        }
    }
}

}  // namespace
}  // namespace dravicor::test
