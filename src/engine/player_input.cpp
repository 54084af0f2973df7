#include "engine/player_input.h"

#include <algorithm>

namespace dravicor {

namespace {

// Presses land this far inside a card: clear of the cards fanned above it,
// and the same offset at the drop keeps the dragged card square on the
// target's top card.
constexpr Point kGrip{2, 2};

Point Gripped(Point corner) { return {corner.x + kGrip.x, corner.y + kGrip.y}; }

}  // namespace

bool PlayMove(Engine& engine, const PlayerMove& move) {
    if (!IsCard(move.card) || !engine.game().inProgress) return false;
    if (move.target.kind == PileKind::Stock || !PileLists::IsValid(move.target)) return false;
    if (engine.position().cardTable.IsFaceDown(move.card)) return false;
    const auto from = engine.CardPoint(move.card);
    if (!from || !engine.origins().isOnTable(move.target)) return false;

    const size_t stepsBefore = engine.history().undo.size();
    const Point pressed = Gripped(*from);
    engine.PointerPress(pressed);
    if (!engine.isDragging()) {
        engine.PointerRelease(pressed);
        return engine.history().undo.size() > stepsBefore;
    }
    // A card of another pile fanned over this one took the press: let go.
    if (engine.game().cardInMotion != move.card) {
        engine.PointerRelease(pressed);
        return false;
    }
    const auto landing = engine.LandingPoint(move.card, move.target);
    if (!landing) {
        engine.PointerRelease(pressed);
        return false;
    }
    const Point dropped = Gripped(*landing);
    engine.PointerMove(dropped);
    return engine.PointerRelease(dropped);
}

bool IsLegalDrag(const Engine& engine, CardNumber card, PileId target) {
    for (const PlayerMove& legal : engine.LegalMoves()) {
        if (legal.card == card && legal.target == target) return true;
    }
    return false;
}

bool PlaceCard(Engine& engine, const PlayerMove& move) {
    // The discard pile takes a pressed card, and so does Clock's pile of
    // the card in hand: the press is the move.
    const std::vector<PlayerMove> pressed = engine.PressMoves();
    if (std::find(pressed.begin(), pressed.end(), move) != pressed.end()) return PlayMove(engine, move);
    if (move.target == PileId::SecondWaste()) return PlayMove(engine, move);
    const std::optional<Point> dropped = engine.LandingPoint(move.card, move.target);
    if (dropped && engine.CardPoint(move.card) && engine.origins().isOnTable(move.target) &&
        engine.DropLandsOn(move.card, *dropped) == move.target && PlayMove(engine, move)) {
        return true;
    }
    return IsLegalDrag(engine, move.card, move.target) && engine.MoveCard(move.card, PileName(move.target));
}

bool PressCards(Engine& engine, const std::vector<CardNumber>& cards) {
    if (!engine.game().inProgress) return false;
    const size_t stepsBefore = engine.history().undo.size();
    engine.ClearSelection();
    for (const CardNumber card : cards) {
        const auto at = engine.CardPoint(card);
        if (!at) break;
        const Point pressed = Gripped(*at);
        engine.PointerPress(pressed);
        engine.PointerRelease(pressed);
    }
    if (engine.history().undo.size() > stepsBefore) return true;
    engine.ClearSelection();
    return false;
}

bool ClickStock(Engine& engine) {
    if (!engine.game().inProgress || !engine.origins().isOnTable(PileId::Stock())) return false;
    const size_t stepsBefore = engine.history().undo.size();
    const Point at = Gripped(engine.origins().origin(PileId::Stock()));
    engine.PointerPress(at);
    engine.PointerRelease(at);
    return engine.history().undo.size() > stepsBefore;
}

}  // namespace dravicor
