#include "solver/safe_moves.h"

#include "rules/legality.h"
#include "rules/rule_codes.h"

namespace dravicor {

namespace {

// Building codes that decide from the two cards and the pile's rules
// alone, whatever the rest of the table holds or where the card comes from.
bool DependsOnCardsAlone(int build) {
    switch (static_cast<BuildCode>(build)) {
        case BuildCode::FoundationRow:
        case BuildCode::DropOnlyWhenStockEmpty:
        case BuildCode::Always:
        case BuildCode::NotFromTableau:
        case BuildCode::TableauOnlyToEmpty:
        case BuildCode::NotFromTableauOrReserve:
        case BuildCode::UpInSuitWhileWasteEmpty:
        case BuildCode::EitherWayWhileShort:
        case BuildCode::AlternateNotFromFoundationOrReserve:
        case BuildCode::UpThenDown:
        case BuildCode::FollowsPileDirection:
        case BuildCode::NotFromTableauWhileShort: return false;
        default: return true;
    }
}

}  // namespace

bool FoundationsBuildUpInSuitFromAce(const PlayState& state) {
    const GameShape& shape = state.shape();
    if (shape.foundations == 0) return false;
    for (int f = 0; f < shape.foundations; ++f) {
        const PileRules& drop = shape.foundationDrop[static_cast<size_t>(f)];
        if (static_cast<BuildCode>(drop.build) != BuildCode::SameSuit || drop.direction != BuildDirection::Up ||
            drop.firstCard != 1) {
            return false;
        }
    }
    // A foundation begun with an Ace takes nothing on its King, wrap or no
    // wrap; one stopped short of the King keeps cards its suit still needs.
    const int most = state.rules()[Rule::FoundationMaxCards];
    return most == 0 || most >= 13;
}

SafeMoves::SafeMoves(const PlayState& state) {
    const GameRules& rules = state.rules();
    const GameShape& shape = state.shape();
    const bool plain = shape.special == SpecialGame::None && !shape.selectionPlay && rules[Rule::OpeningPhase] == 0;
    turnUps_ = plain;
    if (!plain || !FoundationsBuildUpInSuitFromAce(state) || rules[Rule::FoundationTakeBack] != 0 ||
        rules[Rule::WastePlay] == kWasteTakesNeighbours) {
        return;
    }
    for (int t = 0; t < shape.tableau; ++t) {
        if (!DependsOnCardsAlone(shape.tableauRules[static_cast<size_t>(t)].build)) return;
    }
    foundations_ = true;
    wasteSource_ = rules[Rule::CardsPerStockDeal] <= 1;
    emptyingAllowed_ = rules[Rule::AutoFillEmptyTableau] == FillRule::None && rules[Rule::FillTableauAction] == 0;
    for (int t = 0; t < shape.tableau && emptyingAllowed_; ++t) {
        if (rules[Rule::TableauDealMode + t] == DealMode::OnceNoGaps) emptyingAllowed_ = false;
    }

    const int cards = rules[Rule::CardCount];
    const PlaceContext context{state.position, rules, kLocationNowhere, false};
    const auto same = [](const PileRules& x, const PileRules& y) {
        return x.firstCard == y.firstCard && x.stopRank == y.stopRank && x.direction == y.direction &&
               x.build == y.build && x.wrap == y.wrap && x.stopLifted == y.stopLifted;
    };
    for (int t = 0; t < shape.tableau; ++t) {
        const PileRules& pile = shape.tableauRules[static_cast<size_t>(t)];
        bool seen = false;
        for (int u = 0; u < t && !seen; ++u) seen = same(pile, shape.tableauRules[static_cast<size_t>(u)]);
        if (seen) continue;  // the same answers as a pile before
        const PileId target = PileId::Tableau(t + 1);
        for (int a = 1; a <= cards; ++a) {
            for (int b = 1; b <= cards; ++b) {
                if (a != b && CanPlaceOn(a, b, pile, target, false, context)) children_[static_cast<size_t>(a)].set(static_cast<size_t>(b));
            }
        }
    }
}

bool SafeMoves::isSafe(const PlayState& state, const Move& move) const {
    if (move.kind == MoveKind::TurnUp) return turnUps_;
    if (!foundations_ || move.kind != MoveKind::Card || move.to.kind != PileKind::Foundation) return false;
    const PileLists& piles = state.position.piles;
    switch (move.from.kind) {
        case PileKind::Tableau:
            if (!emptyingAllowed_ && piles.pile(move.from).size() == 1) return false;
            break;
        case PileKind::Reserve: break;
        case PileKind::Waste:
            if (!wasteSource_) return false;
            break;
        default: return false;
    }
    const CardSet& children = children_[move.card];
    if (children.none()) return true;
    CardSet onFoundations;
    for (int f = 0; f < state.shape().foundations; ++f) {
        for (const CardNumber card : piles.foundations[static_cast<size_t>(f)].groups()) onFoundations.set(card);
    }
    return (children & ~onFoundations).none();
}

}  // namespace dravicor
