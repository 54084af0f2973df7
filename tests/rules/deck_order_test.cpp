#include "rules/deck_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace dravicor {
namespace {

std::vector<int> Cards(const DeckOrder& order) {
    return std::vector<int>(order.cards.begin(), order.cards.begin() + order.size);
}

std::vector<int> OrderOf(std::string_view number, int cardCount) {
    const DeckOrderResult result = BuildDeckOrder(number, cardCount);
    EXPECT_EQ(result.error, DeckOrderError::None) << "game number '" << number << "'";
    return Cards(result.order);
}

struct Trace {
    std::vector<DeckPlacement> placements;
    DeckOrderResult result;
};

Trace TraceOf(std::string_view number, int cardCount) {
    Trace trace;
    trace.result = BuildDeckOrder(
        number, cardCount,
        [](const DeckPlacement& placement, void* context) {
            static_cast<std::vector<DeckPlacement>*>(context)->push_back(placement);
        },
        &trace.placements);
    return trace;
}

std::string RandomDigits(std::mt19937_64& random) {
    std::uniform_int_distribution<int> digit(0, 9);
    std::string number(13, '0');
    for (char& c : number) c = static_cast<char>('0' + digit(random));
    return number;
}

const std::vector<int> kOrderOfZero = {2,  43, 4,  20, 27, 45, 29, 6,  31, 36, 22, 47, 50, 12, 26, 25, 33, 15,
                                       8,  17, 49, 11, 13, 19, 35, 40, 1,  42, 3,  44, 28, 5,  30, 46, 21, 10,
                                       32, 24, 7,  23, 38, 52, 39, 14, 48, 16, 9,  18, 34, 51, 37, 41};

const std::vector<int> kOrderOfOne = {40, 4,  43, 39, 15, 6,  16, 45, 18, 35, 34, 7,  49, 11, 25, 24, 26, 27,
                                      46, 30, 48, 10, 12, 32, 21, 2,  41, 3,  42, 5,  14, 44, 17, 13, 33, 9,
                                      19, 23, 52, 22, 37, 38, 51, 28, 8,  29, 47, 31, 20, 50, 36, 1};

// Only the last thirteen characters count, once trailing blanks are gone; what
// lies before them is never read, letters included. A single-card deck holds
// the first card of the first pass.
TEST(DeckOrderNumberText, WorkedExamplesAndTheDigitsThatCount) {
    for (const char* number : {"", "0", "0000000000000", "10000000000000", "990000000000000", "  "}) {
        EXPECT_EQ(OrderOf(number, 52), kOrderOfZero) << "'" << number << "'";
    }
    for (const char* number : {"1", "0000000000001", "50000000000001", "x0000000000001", "1   ", "0001 "}) {
        EXPECT_EQ(OrderOf(number, 52), kOrderOfOne) << "'" << number << "'";
    }
    EXPECT_EQ(OrderOf("0", 1), std::vector<int>{40});
    EXPECT_EQ(OrderOf("", 1), std::vector<int>{40});
    EXPECT_EQ(OrderOf("77" "1234567890123", 104), OrderOf("1234567890123", 104));
    // The blanks go before the last 13 characters are taken.
    EXPECT_EQ(OrderOf("4812345678901  ", 52), OrderOf("4812345678901", 52));
    EXPECT_NE(OrderOf("4812345678901", 52), OrderOf("0481234567890", 52));
}

TEST(DeckOrderErrors, UnsupportedCardCounts) {
    for (const int count : {0, -1, -52, -104, 53, 54, 100, 103, 105, 208, 1000000}) {
        const DeckOrderResult result = BuildDeckOrder("1234", count);
        EXPECT_EQ(result.error, DeckOrderError::UnsupportedCardCount) << count;
        EXPECT_EQ(result.order.size, 0) << count;
        // The count is checked first, so a bad number changes nothing.
        EXPECT_EQ(BuildDeckOrder("12a", count).error, DeckOrderError::UnsupportedCardCount) << count;
    }
    for (const int count : {1, 2, 51, 52, 104}) {
        EXPECT_EQ(BuildDeckOrder("1234", count).error, DeckOrderError::None) << count;
    }
}

TEST(DeckOrderErrors, NonDigitsInTheWorkingDigits) {
    for (const char* number : {"12a", " 1", "1.0", "-1", "+1", "1 2", "1e5", "123456789012x", "x123456789012",
                               "1\t", "\xff"}) {
        for (const int count : {1, 52, 104}) {
            const DeckOrderResult result = BuildDeckOrder(number, count);
            EXPECT_EQ(result.error, DeckOrderError::InvalidGameNumber) << "'" << number << "' " << count;
            EXPECT_EQ(result.order.size, 0) << number;
            EXPECT_EQ(result.order.cards, (std::array<CardNumber, kMaxDeckSize>{})) << number;
        }
    }
}

TEST(DeckOrderErrors, Messages) {
    EXPECT_EQ(DeckOrderErrorMessage(DeckOrderError::UnsupportedCardCount, "1"), "Error 01 - fnGameNumberCardsArray");
    EXPECT_EQ(DeckOrderErrorMessage(DeckOrderError::InvalidGameNumber, "12a4"), "A game number has digits only: 12a4");
    EXPECT_EQ(DeckOrderErrorMessage(DeckOrderError::None, "1"), "");
}

// What every build must satisfy, of a whole pack or a short deck: N distinct
// cards of the pack, every card tried in pass and step order with a rank
// chosen once per pass, the first N finding a slot they keep and the rest
// none, slots beyond N untouched. A taken target is resolved by FindFreeSlot,
// forward exactly when the pass digit is 0. Reports the first fault. `number`
// is a plain digit string of at most 13 digits.
void ExpectSoundBuild(const std::string& number, int cardCount) {
    SCOPED_TRACE("'" + number + "' N=" + std::to_string(cardCount));
    const Trace trace = TraceOf(number, cardCount);
    const DeckOrder& order = trace.result.order;
    const int perRank = cardCount == 104 ? 8 : 4;
    ASSERT_EQ(trace.result.error, DeckOrderError::None);
    ASSERT_EQ(order.size, cardCount);
    std::set<int> distinct;
    for (int i = 0; i < kMaxDeckSize; ++i) {
        const int card = order.cards[static_cast<std::size_t>(i)];
        if (i >= cardCount) {
            ASSERT_EQ(card, kNoCard) << "slot " << i;
            continue;
        }
        ASSERT_GE(card, 1);
        ASSERT_LE(card, 13 * perRank);
        distinct.insert(card);
    }
    ASSERT_EQ(distinct.size(), static_cast<std::size_t>(cardCount));

    ASSERT_EQ(trace.placements.size(), static_cast<std::size_t>(13 * perRank));
    const std::string digits = std::string(13 - number.size(), '0') + number;
    std::vector<CardNumber> slots(static_cast<std::size_t>(cardCount), kNoCard);
    std::set<int> ranks;
    for (std::size_t n = 0; n < trace.placements.size(); ++n) {
        const DeckPlacement& p = trace.placements[n];
        ASSERT_EQ(p.pass, static_cast<int>(n) / perRank + 1);
        ASSERT_EQ(p.step, static_cast<int>(n) % perRank + 1);
        ASSERT_EQ(CardRank(p.card), p.rank);
        // The first half of a pass is the first deck, the second half the second.
        ASSERT_EQ(p.card > 52, p.step > 4);
        if (p.step == 1) {
            ASSERT_TRUE(ranks.insert(p.rank).second) << "rank chosen twice";
        }
        ASSERT_GE(p.target, 0);
        ASSERT_LT(p.target, cardCount);
        const bool forward = digits[static_cast<std::size_t>(p.pass - 1)] == '0';
        const int expected =
            slots[static_cast<std::size_t>(p.target)] == kNoCard ? p.target : FindFreeSlot(slots, p.target, forward);
        ASSERT_EQ(p.index, expected) << "pass " << p.pass << " step " << p.step;
        ASSERT_EQ(p.index >= 0, n < static_cast<std::size_t>(cardCount)) << "placement " << n;
        if (expected < 0) continue;
        slots[static_cast<std::size_t>(expected)] = p.card;
        // A card once written stays where it was put.
        ASSERT_EQ(order.cards[static_cast<std::size_t>(expected)], p.card);
    }
}

// A free entry ("000") from the start up, or down when not forward; failing
// that the first free entry from index 0; -1 when none is free.
int PlainProbe(const std::vector<std::string>& list, int start, bool forward) {
    const int size = static_cast<int>(list.size());
    if (forward) {
        for (int i = start; i < size; ++i) if (list[static_cast<std::size_t>(i)] == "000") return i;
    } else {
        for (int i = start; i >= 0; --i) if (list[static_cast<std::size_t>(i)] == "000") return i;
    }
    for (int i = 0; i < size; ++i) if (list[static_cast<std::size_t>(i)] == "000") return i;
    return -1;
}

// The placement written out plainly over the text form of the deal data:
// entries are three-digit card texts with "000" free, the tables are lines of
// three-digit fields, digits are cut from the number as substrings. Slow and
// independent of the bit tricks of the real build, which must agree with it.
std::vector<int> PlainOrder(const std::string& number, int n) {
    static const char* const kSuitLines[13] = {
        "004 002 003 001 004 002 001 003", "001 003 002 004 004 003 002 001", "002 004 003 001 003 004 001 002",
        "003 004 002 001 002 003 001 004", "004 002 003 001 001 003 004 002", "001 004 002 003 004 001 002 003",
        "002 001 003 004 003 001 002 004", "003 002 001 004 002 004 001 003", "004 003 001 002 001 002 003 004",
        "002 001 004 003 004 002 001 003", "003 001 004 002 001 002 004 003", "003 002 004 001 001 004 003 002",
        "002 003 004 001 004 001 003 002"};
    static const char* const kStepLines[10] = {
        "025 018 013 022 021 020 015 015", "020 019 012 013 018 018 023 017", "030 021 019 019 013 022 020 018",
        "051 016 014 018 021 021 017 019", "018 019 019 023 013 016 015 020", "017 021 014 019 019 016 018 017",
        "048 016 013 014 019 020 020 016", "011 021 021 023 017 018 022 020", "022 016 013 013 019 017 022 013",
        "024 013 020 021 021 014 015 022"};
    const auto field = [](const char* line, int j) { return std::stoi(std::string(line).substr((j - 1) * 4, 3)); };
    const std::string g = (std::string(13, '0') + number).substr(number.size());
    const auto digit = [&](int k) { return g.substr(static_cast<std::size_t>(k - 1), 1); };

    std::vector<std::string> out(static_cast<std::size_t>(n), "000");
    std::vector<int> ranks = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
    const int perRank = n == 104 ? 8 : 4;
    int x = std::stoi(digit(2) + digit(6) + digit(12));
    int u = 1, v = 7, w = 13;
    for (int k = 1; k <= 13; ++k) {
        const int d = std::stoi(digit(k));
        const bool forward = d == 0;
        const std::string window = k <= 10 ? g.substr(0, static_cast<std::size_t>(k - 1)) +
                                                 g.substr(static_cast<std::size_t>(k + 3))
                                           : g.substr(static_cast<std::size_t>(k - 9), 9);
        EXPECT_EQ(window.size(), 9u);
        const int s = std::stoi(window) % 13;
        int i = std::stoi(digit(u) + digit(v) + digit(w)) % 13;
        const int last = static_cast<int>(ranks.size()) - 1;
        if (i > last) i = forward ? last : 0;
        const int rank = ranks[static_cast<std::size_t>(i)];
        ranks.erase(ranks.begin() + i);
        u = u == 13 ? 1 : u + 1;
        v = v == 13 ? 1 : v + 1;
        w = w == 13 ? 1 : w + 1;
        x = x - d;
        for (int j = 1; j <= perRank; ++j) {
            x = x + field(kStepLines[d], j);
            if (x >= n) {
                x = x % n;
            } else if (x < 0) {
                x = 0;
            }
            const int card = (field(kSuitLines[s], j) - 1) * 13 + rank + (j >= 5 ? 52 : 0);
            if (out[static_cast<std::size_t>(x)] != "000") x = PlainProbe(out, x, forward);
            if (x >= 0) out[static_cast<std::size_t>(x)] = CardText(card);
        }
    }
    std::vector<int> cards;
    for (const std::string& entry : out) cards.push_back(std::stoi(entry));
    return cards;
}

TEST(DeckOrderProperties, PlainRenderingReproducesTheWorkedExamples) {
    EXPECT_EQ(PlainOrder("", 52), kOrderOfZero);
    EXPECT_EQ(PlainOrder("1", 52), kOrderOfOne);
}

TEST(DeckOrderProperties, BuildIsSoundAndAgreesWithThePlainRendering) {
    std::mt19937_64 random(8128);
    // Half the numbers rich in zeros: they take the forward probes and the
    // rank fallback to the last remaining rank far more often.
    const auto number = [&](int n) {
        std::string digits = RandomDigits(random);
        if (n % 2 == 1) {
            for (char& c : digits) if (random() % 2 == 0) c = '0';
        }
        return digits;
    };
    for (const int count : {52, 104, 1, 2, 7, 13, 24, 26, 32, 39, 40, 51}) {
        for (int n = 0; n < (count >= 52 ? 6000 : 400); ++n) {
            const std::string digits = number(n);
            ASSERT_EQ(OrderOf(digits, count), PlainOrder(digits, count)) << digits << " N=" << count;
            ExpectSoundBuild(digits, count);
            if (HasFatalFailure()) return;
        }
    }
    // Numbers as drawn, and short numbers as players type them.
    for (int n = 0; n < 2000; ++n) {
        const std::string drawn = DrawGameNumber(random);
        for (const int count : {52, 104}) ExpectSoundBuild(drawn, count);
        ExpectSoundBuild(std::to_string(n), 52);
        if (HasFatalFailure()) return;
    }
}

TEST(FindFreeSlot, NoSlotsAndOnlyTheGivenEntries) {
    const std::vector<CardNumber> none;
    EXPECT_EQ(FindFreeSlot(none, 0, true), -1);
    EXPECT_EQ(FindFreeSlot(none, 0, false), -1);
    const std::vector<CardNumber> longer = {1, 2, 3, 0};
    EXPECT_EQ(FindFreeSlot(std::span(longer).first(3), 1, true), -1);
    EXPECT_EQ(FindFreeSlot(std::span(longer).first(3), 2, false), -1);
}

// FindFreeSlot on random slots, any share of them taken, is the plain probe.
TEST(FindFreeSlot, ResultMatchesTheProbeRulesOnRandomSlots) {
    std::mt19937_64 random(4242);
    for (int round = 0; round < 20000; ++round) {
        const int size = static_cast<int>(random() % 104) + 1;
        const int takenPercent = static_cast<int>(random() % 101);
        std::vector<CardNumber> slots(static_cast<std::size_t>(size));
        std::vector<std::string> entries;
        for (auto& s : slots) {
            s = static_cast<int>(random() % 100) < takenPercent ? 1 : 0;
            entries.push_back(s == 0 ? "000" : "001");
        }
        const int start = static_cast<int>(random() % static_cast<unsigned>(size));
        const bool forward = random() % 2 == 0;
        const int found = FindFreeSlot(slots, start, forward);
        const int expected = PlainProbe(entries, start, forward);
        ASSERT_EQ(found, expected) << "size " << size << " start " << start << " forward " << forward;
    }
}

// One seed draws one sequence; another seed, another.
TEST(DrawGameNumber, ThirteenDigitsWithinTheProductRangeAndFixedBySeed) {
    std::mt19937_64 first(123);
    std::mt19937_64 second(123);
    std::mt19937_64 other(124);
    std::set<std::string> seen;
    int leadingZero = 0;
    int sameAsOther = 0;
    for (int n = 0; n < 20000; ++n) {
        const std::string number = DrawGameNumber(first);
        ASSERT_EQ(number.size(), 13u) << number;
        ASSERT_TRUE(std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; }))
            << number;
        ASSERT_LE(std::stoll(number), 9999998LL * 999998LL) << number;
        ASSERT_EQ(DrawGameNumber(second), number);
        if (DrawGameNumber(other) == number) ++sameAsOther;
        if (number.front() == '0') ++leadingZero;
        seen.insert(number);
    }
    // Products below 10^12 are common, so padding is exercised.
    EXPECT_GT(leadingZero, 1000);
    EXPECT_GE(seen.size(), 19900u);
    EXPECT_LT(sameAsOther, 5);
}

}  // namespace
}  // namespace dravicor
