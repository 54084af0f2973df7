#pragma once

#include <cstdint>
#include <vector>

#include "cards/position.h"
#include "rules/game_rules.h"

namespace dravicor {

// A 64-bit finaliser (splitmix64): the keys combine pile terms in order and
// rely on every step scattering the bits.
inline std::uint64_t MixKeyBits(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}

// The key under which a search remembers a position it has been to.
// Positions that play alike share a key: piles of one kind whose rules are
// the same are interchangeable (a card in the first free cell or in the
// third) unless the family makes its piles places (special_families.h),
// and in two-deck games the two copies of a card are too. Where
// the passes through the stock are limited, the pass is part of the key,
// since it decides whether the waste can be turned over again; where they
// are not, it is left out, or every pass would make the same cards new.
// Piles the stock deals onto (a card to each in turn: the Spider family,
// Gypsy, Blockade...) are places as long as the stock may deal again: the
// next deal covers each with its own card, so which pile holds what
// decides how the game goes on. Once it is done they may trade again.
class PositionKeys {
public:
    explicit PositionKeys(const GameRules& rules);

    std::uint64_t keyOf(const Position& position, int passNumber) const;

    // Piles that may trade places once the stock is done, listed together;
    // every pile of the position is in exactly one group.
    const std::vector<std::vector<PileId>>& groups() const { return groups_; }
    // The piles (a bit by PileIndex) the stock deals onto.
    std::uint64_t dealtTo() const { return dealtTo_; }
    // Are the piles dealt onto places now: may the stock deal again?
    bool dealing(const Position& position, int passNumber) const;
    bool isPlaceNow(PileId pile, const Position& position, int passNumber) const;
    bool twoDecks() const { return twoDecks_; }
    bool passesCount() const { return passesCount_; }

private:
    std::vector<std::vector<PileId>> groups_;
    std::uint64_t dealtTo_ = 0;
    int passLimit_ = 0;
    bool twoDecks_ = false;
    bool passesCount_ = false;
};

}  // namespace dravicor
