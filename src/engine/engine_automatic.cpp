// Autoplay, the automatic face-up and fills, and the win test: the move
// core's follow-ups, run while the game is in progress.
#include "engine/engine.h"
#include "engine/engine_internal.h"

namespace dravicor {

void Engine::SetAutoplay(bool on) {
    autoplay_ = on;
    if (!on || !game_.inProgress) return;
    FollowUps followUps(*this);
    runAutoplay();
}

void Engine::runAutoplay() {
    while (AutoplayPass()) AutoFillTableau();
}

bool Engine::AutoplayPass() {
    game_.gameOverHandled = false;
    if (!autoplay_ || !autoplayEnabled() || pileCountOf(PileKind::Tableau) <= 0 || !game_.inProgress) return false;
    syncOptions();
    journal_.clear();
    const bool moved = dravicor::AutoplayPass(state_, journal_, this);
    journal_.clear();
    autoplayPassEnded();
    return moved;
}

bool Engine::TurnFaceUp(int card) {
    const std::optional<PileId> pile = FindCard(state_.position.piles, card);
    return apply(Move::OnCard(MoveKind::TurnUp, card, pile.value_or(PileId::Stock())));
}

bool Engine::AutoFaceUp() {
    syncOptions();
    journal_.clear();
    const bool turned = dravicor::AutoFaceUp(state_, journal_, this);
    journal_.clear();
    return turned;
}

bool Engine::AutoFillTableau() {
    if (rules()[Rule::AutoFillEmptyTableau] == 0 || !game_.inProgress) return false;
    syncOptions();
    journal_.clear();
    const bool foundEmpty = dravicor::AutoFillTableau(state_, journal_, this);
    journal_.clear();
    return foundEmpty;
}

bool Engine::IsGameWon() const { return WinTestHolds(state_); }

}  // namespace dravicor
