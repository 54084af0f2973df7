#include "engine/engine.h"

#include <algorithm>

namespace dravicor {

bool Engine::ResumeGame(int code, const GameRules& rules, const ResumedGame& resumed) {
    if (!resumed.keepCurrentRules) {
        if (rules[Rule::CardCount] == 0) return false;
        setGame(code, rules);
        GameRules played = rules;
        for (size_t i = 0; i < resumed.foundationFirstCards.size(); ++i) {
            if (resumed.foundationFirstCards[i]) {
                played.set(Rule::FoundationFirstCard + static_cast<int>(i), *resumed.foundationFirstCards[i]);
            }
        }
        state_.setRules(played);
    } else if (game_.gameCode == kNoGame || this->rules()[Rule::CardCount] == 0) {
        return false;
    }
    state_.position = resumed.position;
    history_.clear();
    const bool withoutFoundation1 = keepsFoundation1Out();
    for (const Position& step : resumed.undo) {
        history_.undo.push_back(CompactPosition::From(step, withoutFoundation1));
        history_.undoPasses.push_back(0);
    }
    game_.moveLog = MoveLog(resumed.moveLog);
    syncTableauMoves();
    game_.redoLog.clear();
    state_.passNumber = static_cast<std::int16_t>(resumed.passNumber);
    game_.gameNumber = resumed.gameNumber;
    if (resumed.score) {
        game_.score = *resumed.score;
        settings_.put(Field::CurrentScore, std::to_string(game_.score));
    } else {
        recomputeScore();
    }
    game_.clockRunning = resumed.elapsedSeconds.has_value();
    if (resumed.elapsedSeconds) game_.startTime = platform_.clock.now() - std::chrono::seconds(*resumed.elapsedSeconds);

    // Play goes on without dealing; autoplay waits for the player's first action.
    if (!StartGame(false, false, 0, true)) return false;
    // The steps already made count for a first-move rule, as after a redo.
    state_.moveCounter = static_cast<std::int16_t>(std::min<size_t>(2, history_.undo.size()));
    return true;
}

}  // namespace dravicor
