#pragma once

#include <optional>
#include <string>

#include <QPixmap>

#include "common/geometry.h"
#include "engine/poker.h"

class QPainter;

namespace dravicor {

// The small panels some games draw on the table, in table pixels.

// The poker games' score panel, centred on a card-sized slot: the hand last
// shown, its points and the total, each line cleared to white before it is
// written so that a shorter text leaves no trace of a longer one.
void DrawPokerPanel(QPainter& painter, const QPixmap& panel, Rect slot, const PokerPanelText& text);
// Where the panel stands for a slot.
Rect PokerPanelRect(const QPixmap& panel, Rect slot);

// A box of black text on white, centred (the rank a foundation needs next,
// the count of tableau moves).
void DrawTextBox(QPainter& painter, Rect box, const std::string& text);

inline constexpr Size kNextRankBoxSize{21, 14};
inline constexpr int kNextRankBoxAbove = 18;  // above the foundation row
inline constexpr Size kTableauMoveBoxSize{40, 14};
inline constexpr int kTableauMoveBoxBelow = 10;  // below its slot

}  // namespace dravicor
