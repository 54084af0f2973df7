#include "cards/pile_at.h"

#include <algorithm>
#include <optional>

namespace dravicor {

namespace {

// The pile's rectangle: from its origin to its top card, one card in size
// for an empty pile.
Rect PileRect(PileId id, const Pile& pile, const PileGeometry& geometry) {
    const Size card = geometry.cardSize();
    Rect rect = Rect::At(geometry.pileOrigin(id), card);
    if (pile.empty()) return rect;
    // A grid's top card need not lie furthest out: every card counts.
    const bool grid = id.kind == PileKind::Tableau && geometry.tableauFan() == TableauFan::Grid;
    const int cards = grid ? pile.size() : 1;
    for (int skip = 0; skip < cards; ++skip) rect = rect.united(Rect::At(geometry.cardPosition(id, skip), card));
    return rect;
}

std::optional<PileHit> Try(PileId id, const PileLists& piles, const PileGeometry& geometry, Point point,
                           bool fanned) {
    if (geometry.pileOrigin(id).x <= PileGeometry::kOffTable) return std::nullopt;
    const Pile& pile = piles.pile(id);
    const Size card = geometry.cardSize();
    const Rect rect = (id.kind == PileKind::Stock || id.kind == PileKind::Waste)
                          ? Rect::At(geometry.pileOrigin(id), card)
                          : PileRect(id, pile, geometry);
    if (!rect.contains(point)) return std::nullopt;

    PileHit hit{PileName(id), id, pile.top(), rect};
    if (fanned) {
        // The top card is drawn last, so look from the top down.
        hit.card = kNoCard;
        for (int skip = 0; skip < pile.size(); ++skip) {
            const CardNumber here = pile[pile.size() - 1 - skip];
            if (here != kNoCard && Rect::At(geometry.cardPosition(id, skip), card).contains(point)) {
                hit.card = here;
                break;
            }
        }
        // Over nothing but empty places the pile lets the point through to
        // the piles beneath it (the lines of a pyramid overlap).
        const bool holdsCards = std::any_of(pile.groups().begin(), pile.groups().end(), [](CardNumber c) { return c != kNoCard; });
        if (hit.card == kNoCard && holdsCards) return std::nullopt;
    }
    return hit;
}

}  // namespace

PileHit PileAt(Point point, const PileLists& piles, const PileGeometry& geometry) {
    for (const PileId id : {PileId::Stock(), PileId::Waste()}) {
        if (auto hit = Try(id, piles, geometry, point, false)) return *hit;
    }

    const bool fanned = geometry.tableauFan() != TableauFan::None;
    const bool backwards = geometry.tableauSearchedBackwards();
    for (int i = 0; i < kTableauCount; ++i) {
        const int n = backwards ? kTableauCount - i : i + 1;
        if (auto hit = Try(PileId::Tableau(n), piles, geometry, point, fanned)) return *hit;
    }
    for (int n = 1; n <= kFoundationCount; ++n) {
        if (auto hit = Try(PileId::Foundation(n), piles, geometry, point, false)) return *hit;
    }
    for (int n = 1; n <= kReserveCount; ++n) {
        if (auto hit = Try(PileId::Reserve(n), piles, geometry, point, geometry.reserveCardsTakeable())) return *hit;
    }
    return {};
}

}  // namespace dravicor
