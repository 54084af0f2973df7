#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "solver/hint.h"

namespace dravicor {

// The positions the undo steps of the engine's game return to, earliest
// first, as search states (autoplay off).
std::vector<PlayState> EarlierSearchStates(const Engine& engine);

// The hint for the engine's game now: the finder learns the deal so far,
// then follows its winning line or searches within the budget.
Hint HintForEngine(const Engine& engine, HintFinder& finder, const SolveBudget& budget);

// A hint's move as the play session's commands ("move CARD PILE",
// "press CARD", "stock"), one a line, with no line end after the last.
std::string HintCommands(const Move& move);

// How a hint shows on the table: the cards it lifts, bottom first, and the
// pile outlined as where they go (or where to press). A move of cards lifts
// the card and those above it; a press, a turn or a choice of cards lifts
// those cards; anything the stock does lifts its top card.
struct HintMarks {
    std::vector<CardNumber> lifted;
    std::optional<PileId> target;

    friend bool operator==(const HintMarks&, const HintMarks&) = default;
};
HintMarks MarksOfHint(const Position& position, const Move& move);

}  // namespace dravicor
