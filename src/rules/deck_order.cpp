#include "rules/deck_order.h"

#include <bit>
#include <cstdint>

namespace dravicor {

namespace {

// Every quantity of the placement is a 32-bit signed integer; deals are
// reproduced from their numbers, so the arithmetic must not drift.
using Int = std::int32_t;

constexpr Int kRanks = 13;
constexpr Int kMaxCardsPerRank = 8;

// Suit pattern per line: the suits (1 hearts .. 4 spades) of the cards of one
// rank, first deck then second deck. The line is chosen by the window digits.
constexpr Int kSuitPattern[kRanks][kMaxCardsPerRank] = {
    {4, 2, 3, 1, 4, 2, 1, 3}, {1, 3, 2, 4, 4, 3, 2, 1}, {2, 4, 3, 1, 3, 4, 1, 2}, {3, 4, 2, 1, 2, 3, 1, 4},
    {4, 2, 3, 1, 1, 3, 4, 2}, {1, 4, 2, 3, 4, 1, 2, 3}, {2, 1, 3, 4, 3, 1, 2, 4}, {3, 2, 1, 4, 2, 4, 1, 3},
    {4, 3, 1, 2, 1, 2, 3, 4}, {2, 1, 4, 3, 4, 2, 1, 3}, {3, 1, 4, 2, 1, 2, 4, 3}, {3, 2, 4, 1, 1, 4, 3, 2},
    {2, 3, 4, 1, 4, 1, 3, 2},
};

// Position steps per pass digit, one per card of the rank being placed.
constexpr Int kSteps[10][kMaxCardsPerRank] = {
    {25, 18, 13, 22, 21, 20, 15, 15}, {20, 19, 12, 13, 18, 18, 23, 17}, {30, 21, 19, 19, 13, 22, 20, 18},
    {51, 16, 14, 18, 21, 21, 17, 19}, {18, 19, 19, 23, 13, 16, 15, 20}, {17, 21, 14, 19, 19, 16, 18, 17},
    {48, 16, 13, 14, 19, 20, 20, 16}, {11, 21, 21, 23, 17, 18, 22, 20}, {22, 16, 13, 13, 19, 17, 22, 13},
    {24, 13, 20, 21, 21, 14, 15, 22},
};

// The 13 working digits, G[1] at index 0. False when one is not a digit.
bool WorkingDigits(std::string_view number, Int (&g)[kGameNumberDigits]) {
    while (!number.empty() && number.back() == ' ') number.remove_suffix(1);
    if (number.size() > static_cast<std::size_t>(kGameNumberDigits)) {
        number.remove_prefix(number.size() - kGameNumberDigits);
    }
    const Int pad = kGameNumberDigits - static_cast<Int>(number.size());
    for (Int i = 0; i < pad; ++i) g[i] = 0;
    for (Int i = pad; i < kGameNumberDigits; ++i) {
        const char c = number[static_cast<std::size_t>(i - pad)];
        if (c < '0' || c > '9') return false;
        g[i] = c - '0';
    }
    return true;
}

// Digits G[first..last] (1-based, inclusive) appended to value.
Int AppendDigits(Int value, const Int (&g)[kGameNumberDigits], Int first, Int last) {
    for (Int i = first; i <= last; ++i) value = value * 10 + g[i - 1];
    return value;
}

// The suit line of pass k: nine digits of G taken as a number, mod 13.
Int SuitLine(const Int (&g)[kGameNumberDigits], Int k) {
    Int window = 0;
    if (k <= 10) {
        // G without its four digits k..k+3.
        window = AppendDigits(window, g, 1, k - 1);
        window = AppendDigits(window, g, k + 4, kGameNumberDigits);
    } else {
        // k = 11, 12, 13: G[3..11], G[4..12], G[5..13].
        window = AppendDigits(window, g, k - 8, k);
    }
    return window % kRanks;
}

Int NextPointer(Int p) { return p == kGameNumberDigits ? 1 : p + 1; }

// The free slots of the order being built, one bit each, so that a probe is a
// few bit scans instead of a walk over the slots. Same answers as
// FindFreeSlot on the slots themselves. One word covers a single deck and is
// then kept in a register.
template <Int kWords>
class FreeSlots {
public:
    explicit FreeSlots(Int size) {
        for (Int i = 0; i < kWords; ++i) {
            const Int bits = size - 64 * i;
            words_[i] = bits >= 64 ? ~std::uint64_t{0} : bits <= 0 ? 0 : (std::uint64_t{1} << bits) - 1;
        }
    }

    void Take(Int index) { words_[index >> 6] &= ~(std::uint64_t{1} << (index & 63)); }

    // FindFreeSlot for a start within the slots.
    Int Probe(Int start, bool forward) const {
        const Int found = forward ? FirstAtOrAfter(start) : LastAtOrBefore(start);
        return found >= 0 ? found : FirstAtOrAfter(0);
    }

private:
    Int FirstAtOrAfter(Int start) const {
        Int word = start >> 6;
        std::uint64_t bits = words_[word] & (~std::uint64_t{0} << (start & 63));
        while (bits == 0) {
            if (++word == kWords) return -1;
            bits = words_[word];
        }
        return word * 64 + std::countr_zero(bits);
    }

    Int LastAtOrBefore(Int start) const {
        Int word = start >> 6;
        const Int shift = 63 - (start & 63);
        std::uint64_t bits = (words_[word] << shift) >> shift;
        while (bits == 0) {
            if (--word < 0) return -1;
            bits = words_[word];
        }
        return word * 64 + 63 - std::countl_zero(bits);
    }

    std::uint64_t words_[kWords];
};

bool IsSupportedCount(int cardCount) {
    return (cardCount >= 1 && cardCount <= kCardsPerDeck) || cardCount == kCardCount;
}

// The placement proper, for n supported cards and valid digits G.
template <Int kWords>
void PlaceCards(const Int (&g)[kGameNumberDigits], Int n, DeckOrder& order, DeckPlacementObserver observer,
                void* context) {
    const Int perRank = n == kCardCount ? 8 : 4;
    FreeSlots<kWords> free(n);

    Int ranks[kRanks];
    for (Int r = 0; r < kRanks; ++r) ranks[r] = r + 1;
    Int rankCount = kRanks;

    Int x = g[1] * 100 + g[5] * 10 + g[11];
    Int u = 1;
    Int v = 7;
    Int w = 13;

    for (Int k = 1; k <= kRanks; ++k) {
        const Int d = g[k - 1];
        const bool forward = d == 0;
        const Int s = SuitLine(g, k);

        Int i = (g[u - 1] * 100 + g[v - 1] * 10 + g[w - 1]) % kRanks;
        const Int last = rankCount - 1;
        if (i > last) i = forward ? last : 0;
        const Int rank = ranks[i];
        for (Int r = i; r < last; ++r) ranks[r] = ranks[r + 1];
        rankCount = last;

        u = NextPointer(u);
        v = NextPointer(v);
        w = NextPointer(w);

        x = x - d;
        for (Int j = 1; j <= perRank; ++j) {
            x = x + kSteps[d][j - 1];
            if (x >= n) {
                // x mod n. x is nearly always below 2n, where one subtraction
                // does; a division on every card would dominate the build.
                x = x - n < n ? x - n : x % n;
            } else if (x < 0) {
                // Not reached with these steps (each at least 11, d at most 9,
                // x at least -1); kept so the rule holds for any table.
                x = 0;
            }
            const Int card = (kSuitPattern[s][j - 1] - 1) * kRanks + rank + (j >= 5 ? kCardsPerDeck : 0);
            const Int target = x;
            // A free target is its own probe result; probing always avoids a
            // branch that goes either way at random.
            x = free.Probe(x, forward);
            // x stays -1 after a full deck: the next step starts from there.
            if (x >= 0) {
                order.cards[static_cast<std::size_t>(x)] = static_cast<CardNumber>(card);
                free.Take(x);
            }
            if (observer != nullptr) observer({k, j, rank, static_cast<CardNumber>(card), target, x}, context);
        }
    }
}

}  // namespace

int FindFreeSlot(std::span<const CardNumber> slots, int start, bool forward) {
    const int size = static_cast<int>(slots.size());
    if (forward) {
        for (int i = start < 0 ? 0 : start; i < size; ++i) {
            if (slots[static_cast<std::size_t>(i)] == kNoCard) return i;
        }
    } else if (start >= 0) {
        for (int i = start < size ? start : size - 1; i >= 0; --i) {
            if (slots[static_cast<std::size_t>(i)] == kNoCard) return i;
        }
    }
    for (int i = 0; i < size; ++i) {
        if (slots[static_cast<std::size_t>(i)] == kNoCard) return i;
    }
    return -1;
}

DeckOrderResult BuildDeckOrder(std::string_view gameNumber, int cardCount) {
    return BuildDeckOrder(gameNumber, cardCount, nullptr, nullptr);
}

DeckOrderResult BuildDeckOrder(std::string_view gameNumber, int cardCount, DeckPlacementObserver observer,
                               void* context) {
    DeckOrderResult result;
    if (!IsSupportedCount(cardCount)) {
        result.error = DeckOrderError::UnsupportedCardCount;
        return result;
    }
    Int g[kGameNumberDigits];
    if (!WorkingDigits(gameNumber, g)) {
        result.error = DeckOrderError::InvalidGameNumber;
        return result;
    }
    result.order.size = cardCount;
    if (cardCount <= 64) {
        PlaceCards<1>(g, cardCount, result.order, observer, context);
    } else {
        PlaceCards<2>(g, cardCount, result.order, observer, context);
    }
    return result;
}

std::string DrawGameNumber(std::mt19937_64& random) {
    std::uniform_int_distribution<std::int64_t> drawA(0, 9999999 - 1);
    std::uniform_int_distribution<std::int64_t> drawB(0, 999999 - 1);
    const std::int64_t a = drawA(random);
    const std::int64_t b = drawB(random);
    const std::string digits = std::string(kGameNumberDigits, '0') + std::to_string(a * b);
    return digits.substr(digits.size() - kGameNumberDigits);
}

std::string DeckOrderErrorMessage(DeckOrderError error, std::string_view gameNumber) {
    switch (error) {
        case DeckOrderError::None:
            return {};
        case DeckOrderError::UnsupportedCardCount:
            return "Error 01 - fnGameNumberCardsArray";
        case DeckOrderError::InvalidGameNumber:
            return "A game number has digits only: " + std::string(gameNumber);
    }
    return {};
}

}  // namespace dravicor
