#pragma once

#include "engine/engine.h"

namespace dravicor {

// Merges the automatic follow-ups of one action (face-up turns, fills,
// autoplay moves) into a single undo step: every step pushed while the scope
// lives is folded into the first one.
class Engine::FollowUps {
public:
    explicit FollowUps(Engine& engine) : engine_(engine), depth_(engine.history_.undo.size()) {}
    ~FollowUps() {
        while (engine_.history_.undo.size() > depth_ + 1) engine_.CollapseLastSteps(1);
    }
    FollowUps(const FollowUps&) = delete;
    FollowUps& operator=(const FollowUps&) = delete;

private:
    Engine& engine_;
    size_t depth_;
};

// A card picked up by a press: the card, where it lies, and whether the
// cards above it come along.
struct Engine::Pickup {
    CardNumber card = kNoCard;
    PileId source{};
    int cardsCarried = 1;
};

}  // namespace dravicor
