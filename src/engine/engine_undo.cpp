#include "engine/engine.h"
#include "engine/engine_internal.h"
#include "play/special_families.h"

#include <algorithm>

namespace dravicor {

bool Engine::keepsFoundation1Out() const { return KeepsFoundation1OutOfUndo(rules()); }

void Engine::PushSnapshot(bool toUndo, bool clearRedo) {
    if (!toUndo && clearRedo) {
        history_.clearRedo();
        game_.redoLog.clear();
        return;
    }
    const CompactPosition snapshot = CompactPosition::From(state_.position, keepsFoundation1Out());
    if (toUndo) {
        history_.undo.push_back(snapshot);
        history_.undoPasses.push_back(state_.passNumber);
        game_.moveLog.push("");
        settings_.put(Field::LastWasUndo, "0");
    } else {
        history_.redo.push_back(snapshot);
        history_.redoPasses.push_back(state_.passNumber);
        game_.redoLog.push("");
        settings_.put(Field::LastWasRedo, "0");
    }
}

void Engine::CollapseLastSteps(int count) {
    for (int i = 0; i < count; ++i) {
        if (history_.undo.size() > 1) {
            history_.undo.pop_back();
            history_.undoPasses.pop_back();
        }
        if (game_.moveLog.entryCount() >= 2) {
            const std::string newer = game_.moveLog.pop();
            game_.moveLog.pop();
            game_.moveLog.push(newer);
        }
    }
    syncTableauMoves();
}

// Undo (undo = true) or redo: the mirror images of one another.
bool Engine::restoreStep(bool undo, bool quiet) {
    auto& from = undo ? history_.undo : history_.redo;
    auto& fromPasses = undo ? history_.undoPasses : history_.redoPasses;
    if (!quiet) {
        if (!game_.inProgress || from.empty()) {
            platform_.messages.beep();
            return false;
        }
        const std::string mode = settings_.get(Field::UndoEnabled);
        const FieldSpec justUsed = undo ? Field::LastWasUndo : Field::LastWasRedo;
        if (mode == "2" || (mode == "1" && settings_.get(justUsed) == "1")) {
            platform_.messages.beep();
            return false;
        }
        if (mode == "1") settings_.put(justUsed, "1");
    } else if (from.empty()) {
        return false;
    }

    BusyScope busy(platform_.cursor);
    if (!quiet) {
        if (undo) {
            sounds_.play(Sound::Undo, sounds_.wanted(Field::SoundsUndo));
        } else {
            sounds_.play(Sound::Redo, sounds_.wanted(Field::SoundsRedo));
        }
    }
    PushSnapshot(!undo, false);
    state_.selection.clear();

    const bool stockWasEmpty = state_.position.piles.stock[0].empty();
    from.back().restoreInto(state_.position);
    from.pop_back();
    const std::int16_t pass = fromPasses.back();
    fromPasses.pop_back();
    const bool stockIsEmpty = state_.position.piles.stock[0].empty();
    if (pass > 0) {
        state_.passNumber = pass;
    } else {
        // Steps of a saved game: a step back across a redeal gives the pass
        // back, and a step forward takes it again.
        if (undo && !stockWasEmpty && stockIsEmpty) --state_.passNumber;
        if (!undo && stockWasEmpty && !stockIsEmpty) ++state_.passNumber;
    }

    // The step's log entry travels with it.
    MoveLog& source = undo ? game_.moveLog : game_.redoLog;
    MoveLog& target = undo ? game_.redoLog : game_.moveLog;
    if (!source.empty() && !target.empty()) {
        target.pop();
        target.push(source.pop());
    }
    syncTableauMoves();

    redealArmed_ = false;
    recomputeScore();
    if (history_.undo.empty()) state_.moveCounter = 0;
    // A redone move counts as made again, so that a first-move rule does
    // not come back after undo to the deal and redo.
    if (!undo && state_.moveCounter == 0) state_.moveCounter = static_cast<std::int16_t>(std::min<size_t>(2, history_.undo.size()));
    (undo ? game_.undoUsed : game_.redoUsed) = true;
    changed();
    return true;
}

bool Engine::Undo(bool quiet) { return restoreStep(true, quiet); }
bool Engine::Redo(bool quiet) { return restoreStep(false, quiet); }

}  // namespace dravicor
