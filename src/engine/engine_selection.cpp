// Selection play in the engine: the pairing games' presses, with the
// families' rules in the move core (play/selection_rules.h).
#include "engine/engine.h"
#include "engine/engine_internal.h"
#include "play/special_families.h"

namespace dravicor {

void Engine::ClearSelection() {
    if (state_.selection.empty()) return;
    state_.selection.clear();
    changed();
}

std::vector<std::vector<CardNumber>> Engine::SelectionMoves() const {
    std::vector<std::vector<CardNumber>> sets;
    if (!game_.inProgress || rules()[Rule::SelectionPlay] == 0) return sets;
    MoveList moves;
    GenerateMoves(state_, moves);
    for (const Move& m : moves) {
        if (m.kind == MoveKind::Select) sets.emplace_back(m.presses.begin(), m.presses.begin() + m.count);
        // Where a press turns a face-down top card over, that card alone.
        if (m.kind == MoveKind::TurnUp) sets.push_back({m.card});
    }
    return sets;
}

void Engine::selectionPress(const PileHit& hit) {
    if (hit.pile.kind == PileKind::Stock) {
        // The grid closes its gaps and the one-row games deal onto the row;
        // a game with a stock and a waste turns its cards as usual.
        const SpecialGame special = SpecialGameOf(rules());
        if (special == SpecialGame::NeighbourGrid) {
            apply(Move::Of(MoveKind::CloseGaps));
        } else if (IsRowGame(special)) {
            apply(Move::DealTo(DealTarget::Tableau));
        } else {
            StockClick();
        }
        return;
    }
    syncOptions();
    journal_.clear();
    const int discardsBefore = discardsMade_;
    const MoveResult result = ApplyMove(state_, Move::OnCard(MoveKind::Press, hit.card, hit.pile), journal_, this);
    journal_.clear();
    if (result.refused) platform_.messages.beep();
    if (discardsMade_ > discardsBefore && game_.won) EndGame();
}

}  // namespace dravicor
