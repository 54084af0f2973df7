#pragma once

// Inside the move core: the one executor that carries out every step, for
// ApplyMove (apply_move.cpp) and the follow-ups (follow_ups.cpp).

#include "play/journal.h"
#include "play/move_core.h"

namespace dravicor {

class Executor {
public:
    Executor(PlayState& state, Journal& journal, PlayListener* listener)
        : state_(state), edit_(state, &journal), journal_(journal), listener_(listener) {}

    // Carries out the move; true when it was executed (the engine's answer
    // of its move executor: a step was made, or the first move's fill ran).
    bool apply(const Move& move, StepCause cause);
    // A press the game refused since the executor was made.
    bool refused() const { return refused_; }

    // The follow-ups (follow_ups.cpp).
    bool turnFaceUp(int card, PileId pile, StepCause cause);
    bool autoFaceUp();
    bool autoFill();
    bool autoplayPass();
    bool tryToFoundation(int card, PileId from, bool byAutoplay, bool reservesToo);

private:
    bool card(const Move& move, StepCause cause);
    bool turnUp(const Move& move, StepCause cause);
    bool stockClick(StepCause cause);
    bool turnStock(const Move& move, StepCause cause);
    bool redeal(const Move& move, StepCause cause);
    bool shuffleRedeal(const Move& move, StepCause cause);
    bool deal(const Move& move, StepCause cause);
    bool discard(const Move& move, StepCause cause);
    bool refillGaps(const Move& move, StepCause cause);
    bool closeGaps(const Move& move, StepCause cause);
    bool press(const Move& move, StepCause cause);
    bool select(const Move& move, StepCause cause);

    // The stock's top card goes face up onto the pile (by PileIndex).
    void dealStockTopTo(int pile);
    // Sorts the foundation by card number; returns how many cards it holds.
    int reorder(int pile);
    // Every whole run lying on top of a tableau pile goes to an empty
    // foundation that takes it, each a part of the move that made it;
    // true when one went.
    bool removeWholeRuns(StepCause cause);
    // The common end of every executed move: the face-down tops it
    // uncovered turned (unless autoplay runs), the move counter, the first
    // move's fill; then the listener hears that the step ended.
    void finish(const Move& move, StepCause cause, bool faceUpDue);

    void begin(const Move& step, StepCause cause) {
        ++steps_;
        if (listener_ != nullptr) listener_->stepBegins(step, cause);
    }
    void made(const Move& step, StepCause cause, const StepReport& report) {
        if (listener_ != nullptr) listener_->stepMade(step, cause, report);
    }

    PlayState& state_;
    StateEditor edit_;
    Journal& journal_;
    PlayListener* listener_;
    int steps_ = 0;
    bool refused_ = false;
};

}  // namespace dravicor
