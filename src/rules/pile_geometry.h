#pragma once

#include <array>

#include "cards/pile_at.h"
#include "cards/position.h"
#include "rules/game_rules.h"
#include "rules/layout.h"

namespace dravicor {

// The steps by which cards of a pile are spread, from the card size and the
// game's spread codes (TableauSpread, FoundationSpread, ReserveSpread).
struct SpreadMetrics {
    int faceUpVertical = 0;
    int faceDownVertical = 0;
    int faceUpHorizontal = 0;
    int faceDownHorizontal = 0;
    int sideBySideGap = 6;
    int reserveStep = 3;
    int closeHorizontal = 0;
    int scrollOffset = 0;  // subtracted from every origin's y
};
SpreadMetrics ResetSpreadMetrics(const GameRules& rules, char sizeLetter);

// Small extra x offsets of tableau cards when the irregular-piles option is
// on: seven tables of 13 entries, entry 0 of each 0.
using IrregularOffsets = std::array<std::array<int, 13>, 7>;
// How far an irregular card may lie to either side, in pixels.
inline constexpr int kIrregularReach = 2;

// Where every card of the table lies: pile origins from the layout, spread
// by the metrics and the face flags of the position. Also answers the hit
// test's questions (PileGeometry).
class TableGeometry final : public PileGeometry {
public:
    TableGeometry(const PileOrigins& origins, const SpreadMetrics& metrics, Size card, const GameRules& rules,
                  const Position& position, const IrregularOffsets* irregular = nullptr);

    // The x or y at which a card of the pile is drawn: skip cards at the top
    // are left out; toTop adds the step of the last remaining card (where a
    // further card would lie).
    int PileCardX(PileId pile, int skip, bool toTop) const;
    int PileCardY(PileId pile, int skip, bool toTop) const;

    // PileGeometry
    Size cardSize() const override { return card_; }
    Point pileOrigin(PileId pile) const override;
    Point cardPosition(PileId pile, int skip) const override { return {PileCardX(pile, skip, false), PileCardY(pile, skip, false)}; }
    TableauFan tableauFan() const override;
    // Tableaus laid out over several rows let a long pile of one row reach
    // into the next; the later piles are drawn over it, so the hit test
    // looks at them first.
    bool tableauSearchedBackwards() const override;
    bool reserveCardsTakeable() const override;

    // Cards per row of a grid-spread tableau pile.
    static constexpr int kGridColumns = 10;

private:
    // Column and row of a grid-spread pile's card.
    static Point gridCell(const Pile& cards, int remaining, bool toTop);
    const PileOrigins& origins_;
    const SpreadMetrics& metrics_;
    Size card_;
    const GameRules& rules_;
    const Position& position_;
    const IrregularOffsets* irregular_;
};

// The number of the empty-pile marker picture drawn for an empty pile
// ("W" + size letter + this number as three digits). passesLeft tells
// whether another pass through the stock is possible; redealArmed whether a
// press on the stock has armed a redeal. 0 when the pile shows no marker.
int EmptyPileMarker(PileId pile, const GameRules& rules, bool passesLeft, bool redealArmed);

}  // namespace dravicor
