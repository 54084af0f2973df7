#pragma once

// The deck order of a deal, computed from its game number alone: the same
// number gives the same order on every machine, with no random generator
// involved. Each of the 13 digits picks one rank, whose four (one deck) or
// eight (two decks) cards are dropped into slots driven by the digits and two
// fixed tables; a taken slot is resolved by probing for the nearest free one.

#include <array>
#include <random>
#include <span>
#include <string>
#include <string_view>

#include "cards/card.h"

namespace dravicor {

inline constexpr int kMaxDeckSize = 104;

// Digits a game number is reduced to before the order is built.
inline constexpr int kGameNumberDigits = 13;

struct DeckOrder {
    std::array<CardNumber, kMaxDeckSize> cards{};  // index 0 first; 0 marks a slot left free
    int size = 0;                                   // N
};

enum class DeckOrderError { None, UnsupportedCardCount, InvalidGameNumber };

// On an error the order is empty (size 0) and no deal should be made from it.
struct DeckOrderResult {
    DeckOrder order;
    DeckOrderError error = DeckOrderError::None;
};

// The deck order of a game number (text of digits; trailing blanks ignored;
// padded with '0' on the left to 13 digits, or its last 13 characters when
// longer) for N cards. N is 1 to 52 (one deck; with fewer than 52 only the
// first N cards placed remain) or 104 (two decks).
DeckOrderResult BuildDeckOrder(std::string_view gameNumber, int cardCount);

// One card of the placement as it happens, for tracing a build.
struct DeckPlacement {
    int pass = 0;        // 1 to 13, one rank per pass
    int step = 0;        // 1 to 4 (one deck) or 8 (two decks)
    int rank = 0;        // the rank chosen for the pass
    CardNumber card = kNoCard;
    int target = 0;      // the slot aimed at, before any probe
    int index = -1;      // the slot written, -1 when none was free
};
using DeckPlacementObserver = void (*)(const DeckPlacement& placement, void* context);

// BuildDeckOrder, reporting every card to `observer` (may be null) as it is
// placed or dropped. Slots are written once and never moved afterwards.
DeckOrderResult BuildDeckOrder(std::string_view gameNumber, int cardCount, DeckPlacementObserver observer,
                               void* context);

// The collision probe, over the first `size` entries of the slots (0 = free).
// Forward: the first free slot at or after start. Backward: the first free
// slot at or before start. Either way, when that finds none, the first free
// slot from index 0 upwards; -1 when every slot is taken.
int FindFreeSlot(std::span<const CardNumber> slots, int start, bool forward);

// A new game number: 13 digits, from two pseudo-random integers a in
// [0, 9999999) and b in [0, 999999): the decimal product, left-padded with
// zeros, last 13 characters.
std::string DrawGameNumber(std::mt19937_64& random);

// The message shown for an error (empty for None).
std::string DeckOrderErrorMessage(DeckOrderError error, std::string_view gameNumber);

}  // namespace dravicor
