#include "solver/engine_hints.h"

#include "solver/live_verdict.h"
#include "solver/solution_replay.h"

namespace dravicor {

std::vector<PlayState> EarlierSearchStates(const Engine& engine) {
    return StatesOfUndoSteps(engine.history(), SearchStartOf(engine));
}

Hint HintForEngine(const Engine& engine, HintFinder& finder, const SolveBudget& budget) {
    const PlayState now = SearchStartOf(engine);
    finder.noteDeal(EarlierSearchStates(engine), now);
    return finder.find(now, budget);
}

std::string HintCommands(const Move& move) {
    std::string text;
    for (const std::string& line : SolutionCommands({move})) text += (text.empty() ? "" : "\n") + line;
    return text;
}

}  // namespace dravicor
