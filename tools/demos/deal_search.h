#pragma once

#include <cstdint>

#include "engine/engine.h"
#include "search_move.h"

namespace dravicor {

// Bounds of the search for one deal; both keep a run's time fixed
// whatever the machine, so that the same deal always gives the same result.
struct SearchBudget {
    std::int64_t positions = 5000;  // positions tried (moves made), at most
    int steps = 400;                // length of a path from the deal, at most
};

// What a search did. Moves that the engine listed but that could not be
// made through the pointer, or that landed on another pile, are counted:
// either is a fault of the engine.
struct SearchReport {
    bool won = false;
    std::int64_t positions = 0;
    std::int64_t refusedMoves = 0;
    std::int64_t misroutedMoves = 0;
    // The engine's win test held but the game was not ended.
    std::int64_t unendedWins = 0;
};

// Looks for a won game from the engine's position, playing only the moves
// the engine lists (drags and stock clicks), made as the pointer makes them,
// and taking them back with quiet undo. Depth first, the most promising
// moves first; a position met before is not entered again. Positions count
// as met as soon as a move reaches them, so no position on the way could
// have been reached in one move from an earlier one: the win has no detour
// that a single move would cut. When a win is found the engine is left at
// the won position, its undo history the path from where the search began;
// otherwise everything is taken back.
SearchReport SearchForWin(Engine& engine, const SearchBudget& budget);

}  // namespace dravicor
