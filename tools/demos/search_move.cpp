#include "search_move.h"

#include "engine/player_input.h"
#include "idle_moves.h"

namespace dravicor {

std::vector<SearchMove> CandidateMoves(const Engine& engine) {
    std::vector<SearchMove> moves;
    for (const PlayerMove& drag : engine.LegalMoves()) {
        if (!IsIdleShuffle(engine.position(), engine.rules(), drag)) moves.push_back({false, drag});
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
