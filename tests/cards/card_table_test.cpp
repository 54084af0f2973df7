#include "cards/card_table.h"

#include <gtest/gtest.h>

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

TEST(Card, RankOfNoCardAndOutsideThePack) {
    EXPECT_EQ(CardRank(0), 0);
    for (const int card : {105, 106, 117, 156, 157, 200, 255, 1000}) EXPECT_EQ(CardRank(card), -1) << "card " << card;
    for (const int card : {-1, -13, -52, -104}) EXPECT_EQ(CardRank(card), -1) << "card " << card;
}

TEST(Card, RankAndSuitCycleThroughBothDecks) {
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

TEST(Card, CardTextIsThreeDigits) {
    const std::pair<int, const char*> cases[] = {{0, "000"}, {7, "007"}, {10, "010"}, {52, "052"}, {104, "104"}};
    for (const auto& [card, text] : cases) EXPECT_EQ(CardText(card), text);
}

TEST(CardTable, RecordWorkedExamples) {
    const CardTable table;
    EXPECT_EQ(table.CardRecord(1), "CUORI_A        10011");
    EXPECT_EQ(table.CardRecord(10), "CUORI_10       10101");
    EXPECT_EQ(table.CardRecord(14), "QUADR_A        20141");
    EXPECT_EQ(table.CardRecord(52), "PICCH_K        40521");
    EXPECT_EQ(table.CardRecord(53), "CUORI_A        10531");
    EXPECT_EQ(table.CardRecord(104), "PICCH_K        41041");
}

TEST(CardTable, RecordLayoutForEveryCard) {
    static const char* const kSuits[] = {"CUORI", "QUADR", "FIORI", "PICCH"};
    static const char* const kRanks[] = {"A", "02", "03", "04", "05", "06", "07", "08", "09", "10", "J", "Q", "K"};
    CardTable table;
    for (int card = 1; card <= kCardCount; ++card) {
        const std::string record = table.CardRecord(card);
        ASSERT_EQ(record.size(), 20u) << "card " << card;

        std::string name = std::string(kSuits[CardSuit(card) - 1]) + "_" + kRanks[CardRank(card) - 1];
        name.resize(15, ' ');
        EXPECT_EQ(record.substr(0, 15), name) << "card " << card;
        EXPECT_EQ(record[15] - '0', CardSuit(card)) << "card " << card;
        EXPECT_EQ(std::stoi(record.substr(16, 3)), card) << "card " << card;
        EXPECT_EQ(record[19], '1') << "a new table has every card face up";

        table.SetFaceUp(card, false);
        EXPECT_EQ(table.CardRecord(card), record.substr(0, 19) + "0");
        table.SetFaceUp(card, true);
        EXPECT_EQ(table.CardRecord(card), record);
    }
}

TEST(CardTable, NoRecordOutsideThePack) {
    CardTable table;
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

TEST(CardTable, SetPileFacesCountsFromTheTop) {
    const std::vector<int> cards = {5, 6, 7, 8, 9};
    const Pile pile = PileOf(cards);

    CardTable table;
    table.SetPileFaces(pile, 2, false);
    EXPECT_EQ(Flags(table, cards), "11100");
    table.SetPileFaces(pile, 1, true);
    EXPECT_EQ(Flags(table, cards), "11101");

    // As many as the pile holds, or more: the whole pile.
    for (const int count : {5, 6, 100}) {
        CardTable t;
        t.SetPileFaces(pile, count, false);
        EXPECT_EQ(Flags(t, cards), "00000") << "count " << count;
        t.SetPileFaces(pile, count, true);
        EXPECT_EQ(Flags(t, cards), "11111") << "count " << count;
    }
    // Cards outside the pile keep their flags.
    CardTable t;
    t.SetPileFaces(pile, 100, false);
    EXPECT_TRUE(t.IsFaceUp(4));
    EXPECT_TRUE(t.IsFaceUp(10));
    EXPECT_TRUE(t.IsFaceUp(57));
}

TEST(CardTable, SetPileFacesAlternatesFromTheBottom) {
    const std::vector<int> cards = {21, 22, 23, 24, 25, 26};
    const Pile pile = PileOf(cards);
    for (const bool up : {true, false}) {
        CardTable table;
        table.SetPileFaces(pile, -1, up);
        EXPECT_EQ(Flags(table, cards), "101010") << "-1 ignores up=" << up;
        table.SetPileFaces(pile, -2, up);
        EXPECT_EQ(Flags(table, cards), "010101") << "-2 ignores up=" << up;
    }
    const std::vector<int> odd = {30, 31, 32};
    CardTable table;
    table.SetPileFaces(PileOf(odd), -1, false);
    EXPECT_EQ(Flags(table, odd), "101");
    table.SetPileFaces(PileOf(odd), -2, false);
    EXPECT_EQ(Flags(table, odd), "010");
}

TEST(CardTable, SetPileFacesWithZeroOrUnknownCountChangesNothing) {
    const std::vector<int> cards = {1, 2, 3, 4};
    const Pile pile = PileOf(cards);
    CardTable table;
    table.SetFaceUp(2, false);
    const CardTable before = table;
    for (const int count : {0, -3, -4, -100}) {
        table.SetPileFaces(pile, count, false);
        EXPECT_EQ(table, before) << "count " << count;
        table.SetPileFaces(pile, count, true);
        EXPECT_EQ(table, before) << "count " << count;
    }
    // An empty pile has nothing to flag.
    for (const int count : {-2, -1, 1, 5}) {
        table.SetPileFaces(Pile(), count, false);
        EXPECT_EQ(table, before) << "count " << count;
    }
}

TEST(CardTable, SetPileFacesSkipsSlotsButCountsThemAsGroups) {
    // Groups bottom to top: 11, slot, 12, slot, 13.
    const Pile pile = PileOf({11, 0, 12, 0, 13});
    const std::vector<int> cards = {11, 12, 13};

    CardTable table;
    table.SetPileFaces(pile, 2, false);  // the slot and card 13
    EXPECT_EQ(Flags(table, cards), "110");
    table.SetPileFaces(pile, 3, false);  // 12, slot, 13
    EXPECT_EQ(Flags(table, cards), "100");
    table.SetPileFaces(pile, 99, false);
    EXPECT_EQ(Flags(table, cards), "000");

    CardTable alternate;
    alternate.SetPileFaces(PileOf({11, 0, 12, 13}), -1, false);  // 1st and 3rd groups up
    EXPECT_EQ(Flags(alternate, cards), "110");
    alternate.SetPileFaces(PileOf({11, 0, 12, 13}), -2, false);
    EXPECT_EQ(Flags(alternate, cards), "001");

    // A pile of slots only leaves the table alone.
    CardTable slots;
    slots.SetPileFaces(PileOf({0, 0, 0}), 3, false);
    slots.SetPileFaces(PileOf({0, 0, 0}), -2, false);
    EXPECT_EQ(slots, CardTable());
}

}  // namespace
}  // namespace dravicor
