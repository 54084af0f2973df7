#include "engine/shuffle_redeal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <numeric>
#include <vector>

#include "engine_fixture.h"

namespace dravicor::test {
namespace {

std::vector<CardNumber> Cards(std::initializer_list<int> numbers) {
    std::vector<CardNumber> cards;
    for (const int n : numbers) cards.push_back(static_cast<CardNumber>(n));
    return cards;
}

TEST(MixGatheredCards, WorkedExamplesOfTheFixedRule) {
    // a, b, c, d, e: the index starts at 2 (half of 5, to even).
    EXPECT_EQ(MixGatheredCards(Cards({1, 2, 3, 4, 5})), Cards({3, 1, 2, 4, 5}));
    // Seven cards start at 4 (3.5 to even).
    EXPECT_EQ(MixGatheredCards(Cards({1, 2, 3, 4, 5, 6, 7})), Cards({5, 1, 2, 6, 3, 4, 7}));
    EXPECT_TRUE(MixGatheredCards({}).empty());
}

TEST(MixGatheredCards, KeepsEveryCardOnce) {
    for (int count = 0; count <= 104; ++count) {
        std::vector<CardNumber> cards(static_cast<size_t>(count));
        std::iota(cards.begin(), cards.end(), CardNumber{1});
        std::vector<CardNumber> mixed = MixGatheredCards(cards);
        std::sort(mixed.begin(), mixed.end());
        ASSERT_EQ(mixed, cards) << count;
    }
}

// Three tableau piles: 1 2 3 | 4 | 5 6 (bottom first). Gathered top down
// they are 3 2 1 4 6 5, and mixed 4 3 2 5 1 6.
Position ThreePiles() {
    Position position;
    for (const int card : {1, 2, 3}) position.Append(PileId::Tableau(1), static_cast<CardNumber>(card), true);
    position.Append(PileId::Tableau(2), 4, false);
    for (const int card : {5, 6}) position.Append(PileId::Tableau(3), static_cast<CardNumber>(card), true);
    return position;
}

GameRules RedealRules(int shuffleRedeal, int dealCount, int faceUp, int piles = 3) {
    GameRules rules;
    rules.set(Rule::TableauCount, piles);
    rules.set(Rule::ShuffleRedeal, shuffleRedeal);
    for (int t = 0; t < piles; ++t) {
        rules.set(Rule::TableauDealCount + t, dealCount);
        rules.set(Rule::TableauDealFaceUp + t, faceUp);
    }
    return rules;
}

std::vector<int> PileCards(const Position& position, int pile) { return CardsOf(position, PileId::Tableau(pile + 1)); }
std::vector<bool> PileFaces(const Position& position, int pile) { return FacesOf(position, PileId::Tableau(pile + 1)); }

// With more cards than the piles' deal counts take, the rest go round the
// piles one at a time.
TEST(ShuffleRedeal, ValueOneDealsTheRestRoundThePiles) {
    Position more = ThreePiles();
    more.Append(PileId::Tableau(3), 7, true);
    // Gathered 3 2 1 4 7 6 5, mixed 7 3 2 6 1 4 5.
    ShuffleRedeal(more, RedealRules(1, 2, 2));
    EXPECT_EQ(PileCards(more, 0), (std::vector<int>{7, 3, 5}));
    EXPECT_EQ(PileCards(more, 1), (std::vector<int>{2, 6}));
    EXPECT_EQ(PileCards(more, 2), (std::vector<int>{1, 4}));
}

TEST(ShuffleRedeal, ChangesOnlyTheTableauOfTheGame) {
    Position position = ThreePiles();
    position.Append(PileId::Tableau(4), 30, false);  // beyond the game's three piles
    position.Append(PileId::Stock(), 40, false);
    position.Append(PileId::Waste(), 41, true);
    position.Append(PileId::Foundation(1), 42, true);
    position.Append(PileId::Reserve(1), 43, false);
    position.Append(PileId::Tableau(2), kNoCard);    // an empty slot goes with the gathering
    const Position before = position;

    const ShuffleRedealResult result = ShuffleRedeal(position, RedealRules(2, 1, 1));
    EXPECT_EQ(result.gathered, Cards({3, 2, 1, 4, 6, 5}));
    EXPECT_EQ(position.piles.stock, before.piles.stock);
    EXPECT_EQ(position.piles.foundations, before.piles.foundations);
    EXPECT_EQ(position.piles.reserves, before.piles.reserves);
    EXPECT_EQ(position.piles.tableau[3], before.piles.tableau[3]);
    for (const int card : {30, 40, 41, 42, 43})
        EXPECT_EQ(position.cardTable.IsFaceUp(card), before.cardTable.IsFaceUp(card)) << card;
    std::vector<int> dealt;
    for (int pile = 0; pile < 3; ++pile) {
        const auto cards = PileCards(position, pile);
        dealt.insert(dealt.end(), cards.begin(), cards.end());
    }
    std::sort(dealt.begin(), dealt.end());
    EXPECT_EQ(dealt, (std::vector<int>{1, 2, 3, 4, 5, 6}));
}

// The same three piles redealt: in order (3) the packet is the piles one
// after another, each bottom first, cut again into piles of the deal count;
// mixed (4 3 2 5 1 6), value 2 deals it round the piles, value 1 fills each
// pile to its deal count first. The faces follow the first pile's deal: all
// face up, or face down with the tops turned when one card was dealt face
// up, all face down when more (but not all) were.
TEST(ShuffleRedeal, EachValueDealsThePacketItsWay) {
    using Piles = std::vector<std::vector<int>>;
    using Faces = std::vector<std::vector<bool>>;
    const struct {
        int value, dealCount, faceUp;
        Piles piles;
        Faces faces;
    } cases[] = {
        {3, 2, 2, {{1, 2}, {3, 4}, {5, 6}}, {{true, true}, {true, true}, {true, true}}},
        {3, 4, 4, {{1, 2, 3, 4}, {5, 6}, {}}, {{true, true, true, true}, {true, true}, {}}},
        {3, 3, 1, {{1, 2, 3}, {4, 5, 6}, {}}, {{false, false, true}, {false, false, true}, {}}},
        // More cards than the deal counts take: the rest stay on the last pile.
        {3, 1, 1, {{1}, {2}, {3, 4, 5, 6}}, {{true}, {true}, {false, false, false, true}}},
        {3, 2, -1, {{1, 2}, {3, 4}, {5, 6}}, {{true, true}, {true, true}, {true, true}}},
        {1, 2, 2, {{4, 3}, {2, 5}, {1, 6}}, {{true, true}, {true, true}, {true, true}}},
        {1, 4, 1, {{4, 3, 2, 5}, {1, 6}, {}}, {{false, false, false, true}, {false, true}, {}}},
        {2, 4, 1, {{4, 5}, {3, 1}, {2, 6}}, {{false, true}, {false, true}, {false, true}}},
        {2, 3, 3, {{4, 5}, {3, 1}, {2, 6}}, {{true, true}, {true, true}, {true, true}}},
        {2, 4, 2, {{4, 5}, {3, 1}, {2, 6}}, {{false, false}, {false, false}, {false, false}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "ShuffleRedeal " << c.value << ", deal " << c.dealCount << " up " << c.faceUp);
        Position position = ThreePiles();
        const ShuffleRedealResult result = ShuffleRedeal(position, RedealRules(c.value, c.dealCount, c.faceUp));
        for (int pile = 0; pile < 3; ++pile) {
            EXPECT_EQ(PileCards(position, pile), c.piles[static_cast<size_t>(pile)]) << pile;
            EXPECT_EQ(PileFaces(position, pile), c.faces[static_cast<size_t>(pile)]) << pile;
        }
        // In order the piles are picked up from the last to the first, each
        // top down; mixed, from the first to the last.
        EXPECT_EQ(result.gathered, c.value == 3 ? Cards({6, 5, 4, 3, 2, 1}) : Cards({3, 2, 1, 4, 6, 5}));
        // The record of the deal carries every card's place and final face.
        ASSERT_EQ(result.dealt.size(), 6U);
        for (const RedealtCard& dealt : result.dealt) {
            const auto& pile = c.piles[static_cast<size_t>(dealt.pile)];
            ASSERT_LT(dealt.place, static_cast<int>(pile.size()));
            EXPECT_EQ(dealt.card, pile[static_cast<size_t>(dealt.place)]);
            EXPECT_EQ(dealt.faceUp, position.cardTable.IsFaceUp(dealt.card));
        }
    }
    // Round the piles, the record lists the cards as they were laid down.
    Position round = ThreePiles();
    const ShuffleRedealResult result = ShuffleRedeal(round, RedealRules(2, 4, 1));
    EXPECT_EQ(result.dealt[1], (RedealtCard{3, 1, 0, false}));
    EXPECT_EQ(result.dealt[4], (RedealtCard{1, 1, 1, true}));
}

TEST(RedealFlightOrder, AcrossThePilesOrPileByPile) {
    Position position = ThreePiles();
    GameRules rules = RedealRules(1, 4, 1);
    const ShuffleRedealResult result = ShuffleRedeal(position, rules);  // 4 3 2 5 | 1 6

    rules.set(Rule::DealByPile, 0);
    std::vector<int> across;
    for (const RedealtCard& card : RedealFlightOrder(result, rules)) across.push_back(card.card);
    EXPECT_EQ(across, (std::vector<int>{4, 1, 3, 6, 2, 5}));

    rules.set(Rule::DealByPile, 1);
    std::vector<int> byPile;
    for (const RedealtCard& card : RedealFlightOrder(result, rules)) byPile.push_back(card.card);
    EXPECT_EQ(byPile, (std::vector<int>{4, 3, 2, 5, 1, 6}));
}

}  // namespace
}  // namespace dravicor::test
