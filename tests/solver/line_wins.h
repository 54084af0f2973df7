#pragma once

#include <algorithm>
#include <vector>

#include "play/journal.h"
#include "play/move_core.h"

namespace dravicor {

// Whether a line of moves, each one the move core lists where it is made,
// with the follow-ups after each, ends won.
inline bool LineWins(PlayState state, const std::vector<Move>& line) {
    Journal journal;
    for (const Move& move : line) {
        MoveList moves;
        GenerateMoves(state, moves);
        if (std::find(moves.begin(), moves.end(), move) == moves.end()) return false;
        ApplyMove(state, move, journal);
        if (!WinTestHolds(state)) ApplyFollowUps(state, journal);
    }
    return IsWon(state);
}

}  // namespace dravicor
