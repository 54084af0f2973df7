#pragma once

#include <array>
#include <optional>

#include "cards/pile_lists.h"
#include "common/geometry.h"
#include "rules/game_rules.h"

namespace dravicor {

struct SpreadMetrics;

// Card sizes by the card-size letter: "B" 71 x 96, "M" 59 x 80, "P" 25 x 32.
std::optional<Size> CardSizeFor(char sizeLetter);

// The part of the window the table may use.
struct TableArea {
    int top = 5;       // 5 with no bar above the table, else the lowest bar's bottom
    int width = 800;   // usable width (window width less side panels)
    int height = 600;  // window height
    // An offset the main window keeps for games with a stock group (0 here).
    int stockOffset = 0;
};

// Where a pile is not on the table.
inline constexpr int kOffTableX = -10000;

// Top-left corners of every pile's bottom card.
class PileOrigins {
public:
    PileOrigins();  // every pile off the table
    Point origin(PileId pile) const;
    void set(PileId pile, Point origin);
    bool isOnTable(PileId pile) const { return origin(pile).x > kOffTableX; }

    friend bool operator==(const PileOrigins&, const PileOrigins&) = default;

private:
    std::array<Point, kStockListSize> stock_;
    std::array<Point, kFoundationCount> foundations_;
    std::array<Point, kTableauCount> tableau_;
    std::array<Point, kReserveCount> reserves_;
};

// The rows of the table: rows[1] to rows[4] (rows[0] unused), and the left margin.
struct TableRows {
    std::array<int, 5> y{};
    int margin = 10;
    int left = 10;  // x0
};
TableRows ComputeRows(const GameRules& rules, Size card, const TableArea& area);

// Places every pile of the game; piles the game does not use lie off the table.
PileOrigins ComputeLayout(const GameRules& rules, Size card, const TableArea& area);
// The same, and the metrics' vertical scroll offset goes back to 0: fresh
// origins are never scrolled. Tables of side-by-side places (models 6 and
// 7) also set the metrics' gap between places, narrower (cards overlapping
// a little) where the widest line would not fit the table otherwise.
PileOrigins ComputeLayout(const GameRules& rules, Size card, const TableArea& area, SpreadMetrics& metrics);

}  // namespace dravicor
