#include "search_move.h"

#include "engine/player_input.h"
#include "idle_moves.h"

namespace dravicor {

std::vector<SearchMove> CandidateMoves(const Engine& engine) {
    std::vector<SearchMove> moves;
    for (const PlayerMove& drag : engine.LegalMoves()) {
        if (!IsIdleShuffle(engine.position(), engine.rules(), drag)) moves.push_back({false, drag});
    }
    // The games with a discard pile take a pressed tableau card straight to it.
    const int special = engine.rules()[Rule::SpecialGame];
    if (engine.rules()[Rule::SelectionPlay] == 0 && (special == 2 || special == 12 || special == 15)) {
        for (int t = 0; t < engine.rules()[Rule::TableauCount]; ++t) {
            const CardNumber top = engine.position().piles.tableau[static_cast<size_t>(t)].top();
            if (top != kNoCard && engine.position().cardTable.IsFaceUp(top)) {
                moves.push_back({false, {top, PileId::SecondWaste()}});
            }
        }
    }
    if (engine.StockWouldAct()) moves.push_back({true, {}});
    return moves;
}

bool MakeSearchMove(Engine& engine, const SearchMove& move) {
    return move.stock ? ClickStock(engine) : PlayMove(engine, move.drag);
}

void TakeBackTo(Engine& engine, size_t steps) {
    while (engine.history().undo.size() > steps && engine.Undo(true)) {
    }
}

}  // namespace dravicor
