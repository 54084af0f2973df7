#include "cards/pile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace dravicor {
namespace {

Pile Parse(std::string_view text) {
    const auto pile = Pile::FromText(text);
    EXPECT_TRUE(pile.has_value()) << "'" << text << "'";
    return pile.value_or(Pile());
}

std::vector<int> Groups(const Pile& pile) { return {pile.groups().begin(), pile.groups().end()}; }

TEST(Pile, TextIsGroupsBottomFirstSlotsIncluded) {
    const Pile pile = Parse("013012011");
    ASSERT_EQ(pile.size(), 3);
    EXPECT_EQ(pile[0], 13);
    EXPECT_EQ(pile[1], 12);
    EXPECT_EQ(pile[2], 11);
    EXPECT_EQ(pile.top(), 11);
    EXPECT_EQ(pile.ToText(), "013012011");
    EXPECT_EQ(pile.find(12), 1);
    EXPECT_EQ(pile.find(14), -1);
    EXPECT_TRUE(pile.contains(13));
    EXPECT_FALSE(pile.contains(1));

    Pile built;
    built.append(13);
    built.append(12);
    built.append(11);
    EXPECT_EQ(built, pile);
    const Pile empty = Parse("");
    EXPECT_TRUE(empty.empty());
    EXPECT_EQ(empty.size(), 0);
    EXPECT_EQ(empty.top(), kNoCard);
    EXPECT_EQ(empty.ToText(), "");

    const Pile slots = Parse("104000001000");
    EXPECT_EQ(slots.size(), 4);
    EXPECT_EQ(Groups(slots), (std::vector<int>{104, 0, 1, 0}));
    EXPECT_EQ(slots.top(), kNoCard) << "a slot on top is no card";
    EXPECT_FALSE(slots.contains(0)) << "a slot is not a card";
    EXPECT_EQ(slots.ToText(), "104000001000");
}

TEST(Pile, FromTextRejectsMalformedText) {
    for (const std::string_view text :
         {"0", "01", "0130", "01301", "105", "999", "001105", "01a", "a01", "-01", "+01", " 01", "01 ", "1.0",
          "001\n", "0x1"}) {
        EXPECT_FALSE(Pile::FromText(text).has_value()) << "'" << text << "'";
    }
    EXPECT_FALSE(Pile::FromText(std::string_view("00\0", 3)).has_value());
    EXPECT_FALSE(Pile::FromText(std::string("001\0" "02", 6)).has_value());
    EXPECT_TRUE(Pile::FromText("104").has_value());
    EXPECT_TRUE(Pile::FromText("000").has_value());
}

TEST(Pile, RemovingNoCardOrAnAbsentCardChangesNothing) {
    const Pile original = Parse("001000002053");
    for (const RemoveMode mode : {RemoveMode::Delete, RemoveMode::LeaveSlot, RemoveMode::DeleteWithSlot}) {
        for (const int card : {0, 3, 54, 104, 105, 256 + 1, -1}) {
            Pile pile = original;
            EXPECT_FALSE(pile.remove(card, mode)) << "card " << card << " mode " << static_cast<int>(mode);
            EXPECT_EQ(pile, original);
        }
        Pile empty;
        EXPECT_FALSE(empty.remove(1, mode));
        EXPECT_FALSE(empty.remove(0, mode));
        EXPECT_TRUE(empty.empty());
    }
    // The two decks' copies are different cards.
    Pile pile = Parse("001");
    EXPECT_FALSE(pile.remove(53, RemoveMode::Delete));
    EXPECT_EQ(pile.ToText(), "001");
}

// Random piles of cards and slots survive the text form unchanged.
TEST(Pile, TextRoundTripOverRandomPiles) {
    std::mt19937 rng(20240611);
    for (int round = 0; round < 2000; ++round) {
        Pile pile;
        const int size = std::uniform_int_distribution<int>(0, 40)(rng);
        for (int i = 0; i < size; ++i) {
            const bool slot = std::uniform_int_distribution<int>(0, 4)(rng) == 0;
            pile.append(slot ? kNoCard : static_cast<CardNumber>(std::uniform_int_distribution<int>(1, 104)(rng)));
        }
        const std::string text = pile.ToText();
        ASSERT_EQ(text.size(), static_cast<size_t>(size) * 3);
        const auto parsed = Pile::FromText(text);
        ASSERT_TRUE(parsed.has_value()) << text;
        EXPECT_EQ(*parsed, pile);
        EXPECT_EQ(parsed->ToText(), text);
    }
}

// Removal invariants on random piles of distinct cards with random slots.
TEST(Pile, RemoveInvariantsOverRandomPiles) {
    std::mt19937 rng(77);
    std::vector<int> deck(104);
    for (int i = 0; i < 104; ++i) deck[static_cast<size_t>(i)] = i + 1;
    for (int round = 0; round < 1000; ++round) {
        std::shuffle(deck.begin(), deck.end(), rng);
        Pile pile;
        const int cards = std::uniform_int_distribution<int>(1, 30)(rng);
        for (int i = 0; i < cards; ++i) {
            while (std::uniform_int_distribution<int>(0, 3)(rng) == 0) pile.append(kNoCard);
            pile.append(static_cast<CardNumber>(deck[static_cast<size_t>(i)]));
        }
        const int card = deck[static_cast<size_t>(std::uniform_int_distribution<int>(0, cards - 1)(rng))];
        const auto mode = static_cast<RemoveMode>(std::uniform_int_distribution<int>(1, 3)(rng));
        const std::vector<int> before = Groups(pile);
        const int index = pile.find(card);
        ASSERT_GE(index, 0);

        ASSERT_TRUE(pile.remove(card, mode));
        EXPECT_FALSE(pile.contains(card));
        const std::vector<int> after = Groups(pile);

        std::vector<int> expected = before;
        const auto at = expected.begin() + index;
        if (mode == RemoveMode::LeaveSlot) {
            *at = 0;
        } else if (mode == RemoveMode::DeleteWithSlot && index > 0 && *(at - 1) == 0) {
            expected.erase(at - 1, at + 1);
        } else {
            expected.erase(at);
        }
        EXPECT_EQ(after, expected) << "mode " << static_cast<int>(mode) << " card " << card;

        // A second removal of the same card finds nothing.
        EXPECT_FALSE(pile.remove(card, mode));
        EXPECT_EQ(Groups(pile), after);
    }
}

// A pile holds its groups itself, up to a fixed number: text that needs
// more is refused, appends beyond it do nothing, and the place-wise edits
// that undo uses put back exactly what they took.
TEST(Pile, CapacityAndPlaceWiseEdits) {
    std::string text;
    for (int i = 0; i < Pile::kCapacity; ++i) text += CardText(i % 105);
    Pile full = Parse(text);
    EXPECT_TRUE(full.full());
    EXPECT_FALSE(Pile::FromText(text + "001").has_value());
    full.append(7);
    EXPECT_EQ(full.size(), Pile::kCapacity);
    EXPECT_EQ(full.ToText(), text);

    Pile pile = Parse("013012011");
    const Pile before = pile;
    pile.eraseAt(1);
    EXPECT_EQ(pile.ToText(), "013011");
    pile.insertAt(1, 12);
    pile.setAt(0, 0);
    EXPECT_EQ(pile.ToText(), "000012011");
    pile.setAt(0, 13);
    EXPECT_EQ(pile, before);
    EXPECT_EQ(pile.pop(), 11);
    EXPECT_EQ(pile.ToText(), "013012");
}

}  // namespace
}  // namespace dravicor
