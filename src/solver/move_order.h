#pragma once

#include <array>
#include <bitset>
#include <cstdint>

#include "play/move.h"
#include "play/play_state.h"
#include "solver/position_key.h"
#include "solver/search_key.h"

namespace dravicor {

// The order a search tries the moves of a position in: first by the value
// of the position each move leads to (`value`: cards gone to the
// foundations, face-down cards left, empty piles and free cells, cards
// lying on cards they follow, and where the foundations build up in suit,
// how deep the cards they need next lie), then by a score of the move
// itself (`score`: what it does to the table before it, weighed by what
// the game is made of: face-down cards to dig out, a stock that deals to
// the piles or turns to the waste). Higher first.
class MoveOrder {
public:
    explicit MoveOrder(const PlayState& state);

    // `key` is the state's SearchKey: a tableau pile whose term has not
    // changed since it was last valued is not valued again.
    int value(const PlayState& state, const SearchKey& key);
    int score(const PlayState& state, const Move& move) const;
    // Moves that cannot lead anywhere new: a whole tableau pile carried to
    // an empty pile that plays alike (not while the stock may still deal
    // onto them: then each pile is a place).
    bool pointless(const PlayState& state, const Move& move) const;

private:
    bool stockDeals_ = false;      // a stock click deals to the piles
    bool suitedFoundations_ = false;  // up in suit from the Ace
    bool passesLimited_ = false;
    std::array<bool, kTableauCount> emptyTakes_{};
    int pileValue(const PlayState& state, int t, const std::array<int, 5>& needed) const;
    // In the wastepile games (any tableau card takes any card: Calculation,
    // Sir Tommy, Strategy), a card lying on one the foundations want earlier
    // buries it: wantedAt_[card] is how
    // many cards the foundations must take before they take this one
    // (kNeverWanted beyond them), worked out anew when a foundation's top
    // changes (wantedTops_).
    bool wantedOrder_ = false;
    static constexpr std::int8_t kNeverWanted = 99;
    std::uint64_t wantedTops_ = 0;
    std::array<std::int8_t, kCardCount + 1> wantedAt_{};
    // wantedChain_[card]: the foundation chain that wants it, named by the
    // card the chain grows from; kManyChains when several may take it.
    static constexpr std::int16_t kNoChain = -1;
    static constexpr std::int16_t kManyChains = -2;
    std::array<std::int16_t, kCardCount + 1> wantedChain_{};
    std::uint64_t updateWanted(const PlayState& state);

    // The last values of each tableau pile, by its term and the ranks needed.
    struct Cached {
        std::uint64_t term = 0;
        int value = 0;
    };
    static constexpr int kCachedPerPile = 8;
    std::array<std::array<Cached, kCachedPerPile>, kTableauCount> cache_{};
    // follows_[a][b]: card b may lie on card a in the first tableau pile.
    std::array<std::bitset<kCardCount + 1>, kCardCount + 1> follows_{};
    bool faceDownCards_ = false;   // the deal leaves tableau cards face down
    std::array<int, kTableauCount> tableauGroup_{};
    PositionKeys keys_;
};

}  // namespace dravicor
