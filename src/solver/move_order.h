#pragma once

#include "play/move.h"
#include "play/play_state.h"

namespace dravicor {

// The order a search tries the moves of a position in: a score per move
// from what the move does to the table, weighed by what the game is made
// of (face-down cards to dig out, free cells to keep, a stock that deals to
// the piles or turns to the waste). Higher first. Scoring looks at the
// move and the table before it, without making it.
class MoveOrder {
public:
    explicit MoveOrder(const PlayState& state);

    int score(const PlayState& state, const Move& move) const;
    // Moves that cannot lead anywhere new: a whole tableau pile carried to
    // an empty pile that plays alike.
    bool pointless(const PlayState& state, const Move& move) const;

private:
    bool stockDeals_ = false;      // a stock click deals to the piles
    bool faceDownCards_ = false;   // the deal leaves tableau cards face down
    std::array<int, kTableauCount> tableauGroup_{};
};

}  // namespace dravicor
