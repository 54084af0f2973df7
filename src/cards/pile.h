#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cards/card.h"

namespace dravicor {

// How a card leaves a pile.
enum class RemoveMode {
    Delete = 1,        // the card's place goes with it
    LeaveSlot = 2,     // the card's place stays as an empty slot
    DeleteWithSlot = 3 // as Delete, and an empty slot just below goes too
};

// A read-only run of card numbers, bottom first: what a pile holds, or a
// selection. It compares equal to a vector holding the same numbers and
// turns into one where a copy is wanted.
class CardRun : public std::span<const CardNumber> {
public:
    using std::span<const CardNumber>::span;
    CardRun(std::span<const CardNumber> cards) : std::span<const CardNumber>(cards) {}  // NOLINT: a view of a view

    operator std::vector<CardNumber>() const { return {begin(), end()}; }  // NOLINT: copies on request
    friend bool operator==(CardRun a, CardRun b) { return std::equal(a.begin(), a.end(), b.begin(), b.end()); }
};

// A pile of cards, bottom first. A group of 0 is an empty slot: a place that
// once held a card and keeps its position (for games whose piles have fixed
// places). Written as text a pile is its groups as three-digit numbers
// ("013012011"), "000" for a slot; the empty string is an empty pile.
//
// The groups live inside the pile, so that a position is one block of
// memory: copying it allocates nothing, and a search can change piles in
// place millions of times a second. A pile holds at most kCapacity groups,
// more than play can give (every card of two decks with an empty place
// before each); text that would need more is refused, and appending beyond
// it does nothing.
class Pile {
public:
    static constexpr int kCapacity = 255;

    Pile() = default;

    // Parses pile text; nothing when the text is not whole groups of three
    // digits naming cards 0 to 104, or holds more than kCapacity groups.
    static std::optional<Pile> FromText(std::string_view text);
    std::string ToText() const;

    // Number of groups, slots included (the text's length divided by 3).
    int size() const { return size_; }
    bool empty() const { return size_ == 0; }
    bool full() const { return size_ == kCapacity; }
    CardNumber operator[](int index) const { return groups_[static_cast<size_t>(index)]; }
    // The last group: the top card, or 0 for an empty pile or a slot on top.
    CardNumber top() const { return size_ == 0 ? kNoCard : groups_[size_ - 1u]; }
    // Index of the card's group, or -1.
    int find(int card) const;
    bool contains(int card) const { return card != kNoCard && find(card) >= 0; }

    void append(CardNumber card) {
        if (size_ < kCapacity) groups_[size_++] = card;
    }
    // Takes the card out in the given mode; false when the pile lacks it.
    bool remove(int card, RemoveMode mode);
    void clear() { size_ = 0; }

    // Place-wise changes, for code that undoes its own steps: the group at
    // an index is taken out, put in (the groups from there move up one),
    // or overwritten. Indexes must lie within the pile (insert: up to its
    // size).
    void eraseAt(int index);
    void insertAt(int index, CardNumber card);
    void setAt(int index, CardNumber card) { groups_[static_cast<size_t>(index)] = card; }
    // Takes the top group off; the pile must not be empty.
    CardNumber pop() { return groups_[--size_]; }

    CardRun groups() const { return {groups_.data(), size_}; }

    friend bool operator==(const Pile& a, const Pile& b) { return a.groups() == b.groups(); }

private:
    std::array<CardNumber, kCapacity> groups_{};
    std::uint8_t size_ = 0;
};

}  // namespace dravicor
