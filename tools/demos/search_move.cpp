#include "search_move.h"

#include "engine/player_input.h"

namespace dravicor {

std::vector<SearchMove> CandidateMoves(const Engine& engine) {
    std::vector<SearchMove> moves;
    for (const PlayerMove& drag : engine.LegalMoves()) moves.push_back({false, drag, {}});
    // The games with a discard pile take a pressed tableau card straight to
    // it; Clock's card in hand goes to its pile.
    for (const PlayerMove& press : engine.PressMoves()) moves.push_back({false, press, {}});
    for (auto& presses : engine.SelectionMoves()) moves.push_back({false, {}, std::move(presses)});
    if (engine.StockWouldAct()) moves.push_back({true, {}, {}});
    return moves;
}

bool MakeSearchMove(Engine& engine, const SearchMove& move) {
    if (move.stock) return ClickStock(engine);
    if (!move.presses.empty()) return PressCards(engine, move.presses);
    return PlaceCard(engine, move.drag);
}

void TakeBackTo(Engine& engine, size_t steps) {
    while (engine.history().undo.size() > steps && engine.Undo(true)) {
    }
}

}  // namespace dravicor
