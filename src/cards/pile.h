#pragma once

#include <optional>
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

// A pile of cards, bottom first. A group of 0 is an empty slot: a place that
// once held a card and keeps its position (for games whose piles have fixed
// places). Written as text a pile is its groups as three-digit numbers
// ("013012011"), "000" for a slot; the empty string is an empty pile.
class Pile {
public:
    Pile() = default;

    // Parses pile text; nothing when the text is not whole groups of three
    // digits naming cards 0 to 104.
    static std::optional<Pile> FromText(std::string_view text);
    std::string ToText() const;

    // Number of groups, slots included (the text's length divided by 3).
    int size() const { return static_cast<int>(groups_.size()); }
    bool empty() const { return groups_.empty(); }
    CardNumber operator[](int index) const { return groups_[static_cast<size_t>(index)]; }
    // The last group: the top card, or 0 for an empty pile or a slot on top.
    CardNumber top() const { return groups_.empty() ? kNoCard : groups_.back(); }
    // Index of the card's group, or -1.
    int find(int card) const;
    bool contains(int card) const { return card != kNoCard && find(card) >= 0; }

    void append(CardNumber card) { groups_.push_back(card); }
    // Takes the card out in the given mode; false when the pile lacks it.
    bool remove(int card, RemoveMode mode);
    void clear() { groups_.clear(); }

    const std::vector<CardNumber>& groups() const { return groups_; }

    friend bool operator==(const Pile&, const Pile&) = default;

private:
    std::vector<CardNumber> groups_;
};

}  // namespace dravicor
