#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "play/move.h"

namespace dravicor {

// Where a search of the engine's game starts: its play state, the
// player's automatic face-up as set, autoplay off.
PlayState SearchStartOf(const Engine& engine);

// The moves as the text front end's play session takes them:
// "move CARD PILE" for a card (with the cards above it), "press CARD" for
// a face-down top turned or each card of a selection, "stock" for a click
// on the stock. A search's line replays from its start after "autoplay off".
std::vector<std::string> SolutionCommands(const std::vector<Move>& moves);

// Plays the moves through the engine as the pointer makes them (drags,
// presses, stock clicks; a card the pointer cannot reach goes by the
// executor once the engine lists the move), autoplay switched off first.
// Each move is also made on the move core, as the search made it; returns
// how many were made before the first that changed nothing or left the
// engine's position other than the core's (all of them: the size).

std::size_t ReplayOnEngine(Engine& engine, const std::vector<Move>& moves);

}  // namespace dravicor
