#pragma once

#include <optional>
#include <vector>

#include "engine/engine.h"

namespace dravicor {

// Where the keyboard focus rests: a card of a pile, or the place of an
// empty pile (card kNoCard).
struct KeyFocus {
    PileId pile{};
    CardNumber card = kNoCard;
    friend bool operator==(const KeyFocus&, const KeyFocus&) = default;
};

// A place the focus can rest on, with the part of it that shows on the
// table (a card half covered by the next one of its fan shows a strip).
struct FocusPlace {
    KeyFocus focus;
    Rect shown;  // table pixels
};

enum class FocusMove { Left, Right, Up, Down, Next, Previous };

// The piles on the table in reading order: rows from the top, each row from
// the left. Empty when no game is on the table.
std::vector<PileId> PilesInReadingOrder(const Engine& engine);

// The places of one pile, bottom first: its top card (face up or down) and
// every face-up card whose fan leaves part of it showing; an empty pile has
// the one place of its origin.
std::vector<FocusPlace> PilePlaces(const Engine& engine, PileId pile);

// The focus as it stands after the table changed: a card that left its
// pile, or can no longer be focused, gives way to the pile's top; a pile the
// table does not show (another game, or none given) to the first pile in
// reading order. Nothing when the table shows no pile.
std::optional<KeyFocus> SettledFocus(const Engine& engine, std::optional<KeyFocus> focus);

// Where a key takes the focus. An arrow first moves along the fan of the
// focused pile (up and down a column, along a row); past its end it goes to
// the nearest pile that way, where the pile's top card takes the focus, or
// in the pairing games, where every card may be pressed, the card nearest
// the one left. Tab and Shift+Tab step through the piles in reading order,
// round the table. Where nothing lies that way the focus stays.
KeyFocus MovedFocus(const Engine& engine, KeyFocus focus, FocusMove move);

// The shortest list of moves that takes the focus from `from` to a place of
// `to` (to the very card when to.card is set). Empty when `from` is there
// already or `to` cannot be reached.
std::vector<FocusMove> FocusRoute(const Engine& engine, KeyFocus from, KeyFocus to);

// A table point on the focused place that the hit test gives back as that
// pile and card, where the place shows one; its top-left corner otherwise.
Point PressPoint(const Engine& engine, const FocusPlace& place);

}  // namespace dravicor
