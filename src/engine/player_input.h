#pragma once

#include "engine/engine.h"

namespace dravicor {

// A player's moves made through the pointer, exactly as the front ends
// forward them: press on the card, move onto the pile, release. Whatever
// the engine does on the way (autoplay, fills, face-up turns, the win)
// happens as it would for a player.

// Drags the card (with the cards above it in a tableau pile) onto the
// target pile's top card. True when the card was dropped on a pile. A
// face-down card is refused without a press, since pressing it would turn
// it over rather than pick it up, and so is a press that picks up a card
// of another pile fanned over this one. In the games that take a pressed card
// straight to their discard pile, true when the press moved it.
bool PlayMove(Engine& engine, const PlayerMove& move);

// True when the engine lists dragging the card onto the pile as legal.
bool IsLegalDrag(const Engine& engine, CardNumber card, PileId target);

// Puts the card on the target pile as a player means it: by the pointer,
// and where the pointer cannot reach the card (fanned below the table's
// edge) or its drop lands on another pile (a long fan reaching over the
// target's place), by the executor, the rules asked first. True when the
// card ended on the target.
bool PlaceCard(Engine& engine, const PlayerMove& move);

// Presses the cards one after the other, as a pairing game selects them,
// from an empty selection.
// True when the presses made an undo step (the selection was discarded);
// otherwise the half-made selection is cleared again.
bool PressCards(Engine& engine, const std::vector<CardNumber>& cards);

// Presses and releases on the stock, so that a click turns cards, deals
// them out or redeals the waste (armed by the press, made by the release).
// True when the click made an undo step.
bool ClickStock(Engine& engine);

}  // namespace dravicor
