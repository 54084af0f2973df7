#pragma once

#include <array>
#include <bitset>

#include "play/move.h"
#include "play/play_state.h"

namespace dravicor {

// Whether every foundation builds up in suit from the Ace to the King at
// least (the foundations the safe moves and the FreeCell family ask for).
bool FoundationsBuildUpInSuitFromAce(const PlayState& state);

// The moves a search makes without trying the others beside them, since
// they never turn a winnable position into a lost one:
//   - a face-down tableau top turned over (it only shows the card);
//   - a card sent to its foundation when every card that could ever be
//     laid on it in the tableau is on a foundation already, so that it can
//     serve no further purpose where it lies. This holds only where the
//     foundations build up in suit from the Ace and give nothing back, the
//     tableau's building depends on the two cards alone, the game wins by
//     clearing the table, and taking the card away changes nothing else:
//     no fill follows an emptied pile, no deal waits for the gaps to
//     close, a waste card leaves only where the stock turns one card at a
//     time. Anywhere else the game has no safe foundation moves.
class SafeMoves {
public:
    explicit SafeMoves(const PlayState& state);

    bool foundationMovesSafe() const { return foundations_; }
    // Is the move, one GenerateMoves listed for the state, safe?
    bool isSafe(const PlayState& state, const Move& move) const;

private:
    using CardSet = std::bitset<kCardCount + 1>;

    bool foundations_ = false;
    bool turnUps_ = false;
    bool wasteSource_ = false;
    bool emptyingAllowed_ = false;
    // For every card, the cards that some tableau pile lets lie on it.
    std::array<CardSet, kCardCount + 1> children_{};
};

}  // namespace dravicor
