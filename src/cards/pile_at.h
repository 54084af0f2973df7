#pragma once

#include <string>

#include "cards/pile_lists.h"
#include "common/geometry.h"

namespace dravicor {

// How a game's layout draws its tableau piles.
// Grid: the cards of a pile lie in rows of a fixed width (the one-row
// pairing games).
enum class TableauFan { None, Down, Right, Up, Grid };

// Where piles and cards lie on the table; supplied by the table layout.
class PileGeometry {
public:
    // Origins at or left of this value mean "not on the table".
    static constexpr int kOffTable = -10000;

    virtual ~PileGeometry() = default;
    virtual Size cardSize() const = 0;
    // The pile's origin; x <= kOffTable for piles the game does not show.
    virtual Point pileOrigin(PileId pile) const = 0;
    // Top-left corner of the card `skip` places below the top of the pile.
    virtual Point cardPosition(PileId pile, int skip) const = 0;
    virtual TableauFan tableauFan() const = 0;
    // One layout searches the tableau from the last pile to the first.
    virtual bool tableauSearchedBackwards() const = 0;
    // Any card of a reserve may be taken (not only its top), so a press
    // finds the card under the point there as in a fanned tableau pile.
    virtual bool reserveCardsTakeable() const { return false; }
};

struct PileHit {
    std::string pileName;  // empty when no pile lies under the point
    PileId pile{};
    CardNumber card = kNoCard;  // top card, or for a fanned pile the card under the point
    Rect rect{};
};

// The pile under a table point. The stock and the waste are tried first,
// then the tableau piles, the foundations and the reserves; the first pile
// whose rectangle holds the point wins.
PileHit PileAt(Point point, const PileLists& piles, const PileGeometry& geometry);

}  // namespace dravicor
