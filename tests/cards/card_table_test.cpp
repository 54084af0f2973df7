#include "cards/card_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "cards/card.h"
#include "cards/pile.h"

namespace dravicor {
namespace {

Pile PileOf(const std::vector<int>& groups) {
    Pile pile;
    for (const int g : groups) pile.append(static_cast<CardNumber>(g));
    return pile;
}

// The face flags of the given cards, '1' up and '0' down, in order.
std::string Flags(const CardTable& table, const std::vector<int>& cards) {
    std::string flags;
    for (const int c : cards) flags += table.FaceFlag(c);
    return flags;
}

TEST(Card, RankAndSuitCycleThroughBothDecksAndNoRankOutsideThePack) {
    EXPECT_EQ(CardRank(0), 0);
    // No card, and the -1 an empty pile compares as, count as hearts: some
    // building codes' empty-pile rules rely on it.
    EXPECT_EQ(CardSuit(0), 1);
    EXPECT_EQ(CardSuit(-1), 1);
    for (const int card : {105, 106, 117, 156, 157, 200, 255, 1000, -1, -13, -52, -104}) {
        EXPECT_EQ(CardRank(card), -1) << "card " << card;
    }
    // Walk the pack in order: Ace..King within each suit, hearts, diamonds,
    // clubs, spades, then the same again for the second deck.
    int card = 1;
    for (int deck = 0; deck < 2; ++deck) {
        for (int suit = 1; suit <= 4; ++suit) {
            for (int rank = 1; rank <= 13; ++rank, ++card) {
                EXPECT_EQ(CardRank(card), rank) << "card " << card;
                EXPECT_EQ(CardSuit(card), suit) << "card " << card;
                EXPECT_EQ(IsRed(card), suit <= 2) << "card " << card;
                EXPECT_TRUE(IsCard(card));
            }
        }
    }
    EXPECT_EQ(card, 105);
    EXPECT_FALSE(IsCard(0));
    EXPECT_FALSE(IsCard(105));
    EXPECT_FALSE(IsCard(-1));
}

TEST(CardTable, RecordLayoutForEveryCardAndNoRecordOutsideThePack) {
    static const char* const kSuits[] = {"CUORI", "QUADR", "FIORI", "PICCH"};
    static const char* const kRanks[] = {"A", "02", "03", "04", "05", "06", "07", "08", "09", "10", "J", "Q", "K"};
    CardTable table;
    for (int card = 1; card <= kCardCount; ++card) {
        const std::string record = table.CardRecord(card);
        ASSERT_EQ(record.size(), 20u) << "card " << card;

        const int suit = CardSuit(card);
        const int rank = CardRank(card);
        ASSERT_TRUE(suit >= 1 && suit <= 4 && rank >= 1 && rank <= 13) << "card " << card;
        std::string name = std::string(kSuits[suit - 1]) + "_" + kRanks[rank - 1];
        name.resize(15, ' ');
        EXPECT_EQ(record.substr(0, 15), name) << "card " << card;
        EXPECT_EQ(record[15] - '0', suit) << "card " << card;
        EXPECT_EQ(std::stoi(record.substr(16, 3)), card) << "card " << card;
        EXPECT_EQ(record[19], '1') << "a new table has every card face up";

        table.SetFaceUp(card, false);
        EXPECT_EQ(table.CardRecord(card), record.substr(0, 19) + "0");
        table.SetFaceUp(card, true);
        EXPECT_EQ(table.CardRecord(card), record);
    }
    // Every card is face up again, as in a new table.
    EXPECT_EQ(table.CardRecord(0), "");
    EXPECT_EQ(table.CardRecord(105), "");
    EXPECT_EQ(table.CardRecord(-3), "");
    // Setting the flag of a non-card touches nothing.
    table.SetFaceUp(0, false);
    table.SetFaceUp(105, false);
    table.SetFaceUp(-1, false);
    EXPECT_EQ(table, CardTable());
    EXPECT_FALSE(table.IsFaceUp(0));
    EXPECT_FALSE(table.IsFaceDown(0));
    EXPECT_EQ(table.FaceFlag(0), '1');
}

TEST(CardTable, FaceFlagsAreIndependentPerCard) {
    CardTable table;
    table.SetFaceUp(7, false);
    for (int card = 1; card <= kCardCount; ++card) {
        EXPECT_EQ(table.IsFaceDown(card), card == 7) << "card " << card;
        EXPECT_EQ(table.IsFaceUp(card), card != 7) << "card " << card;
    }
    EXPECT_NE(table, CardTable());
}

// Each row starts from a table with the pile's cards the other way up from
// `up`; a positive count turns that many groups from the top, -1 and -2
// alternate from the bottom whatever `up` says, and other counts do nothing.
TEST(CardTable, SetPileFacesCountsFromTheTopOrAlternatesFromTheBottom) {
    const struct {
        std::vector<int> groups;
        int count;
        bool up;
        const char* flags;  // of the pile's cards, bottom first
    } cases[] = {
        {{5, 6, 7, 8, 9}, 2, false, "11100"},
        {{5, 6, 7, 8, 9}, 1, true, "00001"},
        // As many as the pile holds, or more: the whole pile.
        {{5, 6, 7, 8, 9}, 5, false, "00000"},
        {{5, 6, 7, 8, 9}, 6, true, "11111"},
        {{5, 6, 7, 8, 9}, 100, false, "00000"},
        {{21, 22, 23, 24, 25, 26}, -1, true, "101010"},
        {{21, 22, 23, 24, 25, 26}, -1, false, "101010"},
        {{21, 22, 23, 24, 25, 26}, -2, true, "010101"},
        {{21, 22, 23, 24, 25, 26}, -2, false, "010101"},
        {{30, 31, 32}, -1, false, "101"},
        {{30, 31, 32}, -2, true, "010"},
        // Slots are skipped but count as groups.
        {{11, 0, 12, 0, 13}, 2, false, "110"},
        {{11, 0, 12, 0, 13}, 3, false, "100"},
        {{11, 0, 12, 0, 13}, 99, false, "000"},
        {{11, 0, 12, 13}, -1, false, "110"},
        {{11, 0, 12, 13}, -2, true, "001"},
        {{1, 2, 3, 4}, 0, false, "1111"},
        {{1, 2, 3, 4}, 0, true, "0000"},
        {{1, 2, 3, 4}, -3, true, "0000"},
        {{1, 2, 3, 4}, -4, false, "1111"},
        {{1, 2, 3, 4}, -100, false, "1111"},
    };
    for (const auto& c : cases) {
        std::vector<int> cards;
        for (const int g : c.groups)
            if (g != 0) cards.push_back(g);
        SCOPED_TRACE(std::to_string(cards.front()) + ".." + std::to_string(cards.back()) + " count " +
                     std::to_string(c.count) + (c.up ? " up" : " down"));
        CardTable table;
        for (const int card : cards) table.SetFaceUp(card, !c.up);
        table.SetPileFaces(PileOf(c.groups), c.count, c.up);
        EXPECT_EQ(Flags(table, cards), c.flags);
        // Cards outside the pile keep their flags.
        for (int card = 1; card <= kCardCount; ++card) {
            const bool inPile = std::find(cards.begin(), cards.end(), card) != cards.end();
            EXPECT_TRUE(inPile || table.IsFaceUp(card)) << card;
        }
    }
    // An empty pile or one of slots only has nothing to flag.
    CardTable table;
    for (const int count : {-2, -1, 1, 5}) {
        table.SetPileFaces(Pile(), count, false);
        table.SetPileFaces(PileOf({0, 0, 0}), count, false);
    }
    EXPECT_EQ(table, CardTable());
}

}  // namespace
}  // namespace dravicor
