#pragma once

#include <vector>

#include "engine/engine.h"

namespace dravicor {

// One move of a recorded demo as the pointer makes it: a drag, a click on
// the stock, or the presses that discard a selection in a pairing game.
struct SearchMove {
    bool stock = false;
    PlayerMove drag{};
    std::vector<CardNumber> presses;
};

// The moves a player can make now: the engine's legal drags, the discard
// pile's presses, the selections, then the stock when a click would change anything.
std::vector<SearchMove> CandidateMoves(const Engine& engine);

// Makes the move through the pointer; true when it was made.
bool MakeSearchMove(Engine& engine, const SearchMove& move);

// Takes back quietly down to the given number of undo steps.
void TakeBackTo(Engine& engine, size_t steps);

}  // namespace dravicor
