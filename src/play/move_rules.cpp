// The rules of one move that every game shares, asked of a PlayState: what
// a press may pick up, where a card may go, what the stock does, and the
// first-move rule.
#include <algorithm>

#include "play/move_core.h"
#include "play/move_rules.h"
#include "play/special_families.h"

namespace dravicor {

int LocationOf(PileId pile) {
    switch (pile.kind) {
        case PileKind::Stock: return kLocationStock;
        case PileKind::Waste: return kLocationWaste;
        case PileKind::SecondWaste: return kLocationNowhere;
        case PileKind::Foundation: return -pile.number;
        case PileKind::Tableau: return pile.number;
        case PileKind::Reserve: return -20 - pile.number;
    }
    return kLocationNowhere;
}

bool PassesLeft(const PlayState& state) {
    const int limit = state.rules()[Rule::Redeals];
    return limit == kUnlimitedPasses || state.passNumber < limit;
}

bool FirstMoveRuleRefuses(const PlayState& state, const Move& move) {
    if (state.rules()[Rule::OpeningPhase] != 1 || state.moveCounter != 0) return false;
    // Only cards lying on tableau piles may move, only to the foundations;
    // turning a card over is no move.
    if (move.kind == MoveKind::TurnUp || move.kind == MoveKind::Press) return false;
    if (move.kind != MoveKind::Card) return true;
    const int location = CardLocation(state.position.piles, move.card);
    return !(location >= 1 && location <= kTableauCount && move.to.kind == PileKind::Foundation);
}

bool RedealPossible(const PlayState& state) {
    const PileLists& piles = state.position.piles;
    if (!piles.stock[0].empty() || !PassesLeft(state)) return false;
    if (state.rules()[Rule::ShuffleRedeal] <= 0 && piles.stock[1].size() < 2) return false;
    return !FirstMoveRuleRefuses(state, Move::Of(MoveKind::Redeal));
}

bool AnyTableauEmpty(const PlayState& state) {
    for (int t = 0; t < state.shape().tableau; ++t) {
        if (state.position.piles.tableau[static_cast<size_t>(t)].empty()) return true;
    }
    return false;
}

bool GridWouldClose(const PlayState& state) {
    bool gap = false;
    for (int t = 0; t < state.shape().tableau; ++t) {
        const bool empty = state.position.piles.tableau[static_cast<size_t>(t)].empty();
        if (!empty && gap) return true;
        gap = gap || empty;
    }
    return gap && !state.position.piles.stock[0].empty();
}

bool CanPickUp(const PlayState& state, int card, PileId source) {
    if (!PileLists::IsValid(source)) return false;
    const Pile& pile = state.position.piles.pile(source);
    const int at = pile.find(card);
    if (at < 0 || card == kNoCard) return false;
    const GameRules& rules = state.rules();
    const bool isTop = at == pile.size() - 1;
    switch (source.kind) {
        case PileKind::Tableau: {
            if (const std::optional<bool> family = FamilyPickUp(state, source, at)) return *family;
            if (state.position.cardTable.IsFaceDown(card)) return false;
            if (state.shape().special == SpecialGame::NeighbourDiscard && !NeighbourOfDiscardTop(state, card)) {
                return false;
            }
            const auto groups = pile.groups();
            const std::span<const CardNumber> run(groups.data() + at, static_cast<size_t>(pile.size() - at));
            if (isTop) return MayMoveCount(run, false, state.position.piles, rules);
            return CanMoveRun(run, source.number - 1, state.position, rules) &&
                   MayMoveCount(run, false, state.position.piles, rules);
        }
        case PileKind::Waste: return isTop;
        case PileKind::Reserve: return isTop || rules[Rule::ReserveDrawMode] == kReserveAnyCard;
        case PileKind::Foundation: {
            const int takeBack = rules[Rule::FoundationTakeBack];
            return isTop && (takeBack == TakeBack::Always || (takeBack == TakeBack::FromTwoCards && pile.size() >= 2));
        }
        default: return false;
    }
}

bool CanPlaceWithLimit(const PlayState& state, int card, PileId from, int at, PileId target, bool byAutoplay,
                       const MoveSizeLimit* limit) {
    if (!IsCard(card)) return false;
    const PileLists& piles = state.position.piles;
    const GameRules& rules = state.rules();
    const GameShape& shape = state.shape();
    if (FamilyPlaces(shape.special)) {
        if (const std::optional<bool> family = FamilyPlace(state, card, from, target)) {
            return *family && PileLists::IsValid(target) && shape.inPlay[static_cast<size_t>(PileIndex(target))];
        }
    }
    // How many cards come along from a tableau pile.
    int carried = 1;
    std::span<const CardNumber> run;
    if (from.kind == PileKind::Tableau) {
        const Pile& source = piles.pile(from);
        carried = source.size() - at;
        run = std::span<const CardNumber>(source.groups().data() + at, static_cast<size_t>(carried));
    }
    // A card cannot go back onto the pile it lies on (the stock and the
    // discard pile are no sources of a drop).
    const bool hasSource = from.kind != PileKind::Stock && from.kind != PileKind::SecondWaste;
    if (hasSource && from == target) return false;
    if (!PileLists::IsValid(target) || !shape.inPlay[static_cast<size_t>(PileIndex(target))]) return false;

    const Pile& pile = PileAtIndex(piles, PileIndex(target));
    const int top = pile.top();
    const PlaceContext context{state.position, rules, LocationOf(from), false};
    const int index = target.number - 1;
    switch (target.kind) {
        case PileKind::Foundation: {
            if (index >= shape.foundations || carried != 1) return false;
            const auto build = static_cast<BuildCode>(rules[Rule::FoundationBuild + index]);
            const bool unbounded = build == BuildCode::UpAnySuitWrapping || build == BuildCode::UpThenDown;
            if (!unbounded && pile.size() >= rules[Rule::FoundationMaxCards]) return false;
            if (build == BuildCode::UpAnySuitWrapping && pile.size() >= 52) return false;
            if (!TableauMoveCountAllowsFoundation(state, from)) return false;
            const PileRules& pileRules = byAutoplay ? shape.foundationAuto[static_cast<size_t>(index)]
                                                    : shape.foundationDrop[static_cast<size_t>(index)];
            const int a = pile.empty() ? (byAutoplay ? 0 : -1) : top;
            return CanPlaceOn(a, card, pileRules, target, !byAutoplay, context);
        }
        case PileKind::Tableau: {
            if (index >= shape.tableau) return false;
            if (!pile.empty() && state.position.cardTable.IsFaceDown(top)) return false;
            // A reserve that gathers tableau cards gives them back only to empty piles.
            if (!pile.empty() && from.kind == PileKind::Reserve &&
                rules[Rule::ReserveCode + from.number - 1] == ReserveCode::TableauCardsToEmptyPiles) {
                return false;
            }
            if (static_cast<BuildCode>(rules[Rule::TableauBuild + index]) == BuildCode::AlternateDown && carried > 1 &&
                !pile.empty()) {
                return false;
            }
            // The size of a run is checked against its destination: fewer cards
            // may go to an empty pile in the free-cell games.
            if (carried > 1) {
                const bool allowed = limit != nullptr ? limit->allows(run, pile.empty())
                                                      : MayMoveCount(run, pile.empty(), piles, rules);
                if (!allowed) return false;
            }
            return CanPlaceOn(pile.empty() ? -1 : top, card, shape.tableauRules[static_cast<size_t>(index)], target,
                              true, context);
        }
        case PileKind::Reserve: {
            if (index >= shape.reserves || carried != 1) return false;
            const int firstSize = piles.reserves[0].size();
            switch (rules[Rule::ReserveCode + index]) {
                case ReserveCode::Never: return false;
                case ReserveCode::KingsWhileFirstShort: return CardRank(card) == 13 && firstSize < 3;
                case ReserveCode::AnyWhileFirstShort: return firstSize < 5;
                case ReserveCode::FaceCardWhenEmpty: return pile.empty() && IsFaceCard(card);
                case ReserveCode::TableauCardsToEmptyPiles: return from.kind == PileKind::Tableau;
                default: return pile.empty();
            }
        }
        case PileKind::Waste: {
            if (carried != 1 || rules[Rule::WasteExcluded] == kWasteExcluded ||
                rules[Rule::WastePlay] != kWasteTakesNeighbours || pile.empty()) {
                return false;
            }
            const int a = CardRank(top);
            const int b = CardRank(card);
            return (b == a + 1 || b == a - 1) && IsRedCard(top) == IsRedCard(card);
        }
        default: return false;
    }
}

bool CanPlaceFrom(const PlayState& state, int card, PileId from, int at, PileId target, bool byAutoplay) {
    return CanPlaceWithLimit(state, card, from, at, target, byAutoplay, nullptr);
}

bool CanPlace(const PlayState& state, int card, PileId target, bool byAutoplay) {
    if (!IsCard(card)) return false;
    const PileLists& piles = state.position.piles;
    // Where the card lies, as the card search finds it; a card on the
    // discard pile (or nowhere) counts as coming from no pile.
    const int location = CardLocation(piles, card);
    PileId from = PileId::SecondWaste();
    if (location >= 1 && location <= kTableauCount) {
        from = PileId::Tableau(location);
    } else if (location <= -21 && location >= -20 - kReserveCount) {
        from = PileId::Reserve(-20 - location);
    } else if (location <= -1 && location >= -kFoundationCount) {
        from = PileId::Foundation(-location);
    } else if (location == kLocationWaste) {
        from = PileId::Waste();
    } else if (location == kLocationStock) {
        from = PileId::Stock();
    }
    const int at = from.kind == PileKind::SecondWaste ? 0 : piles.pile(from).find(card);
    return CanPlaceFrom(state, card, from, at, target, byAutoplay);
}

bool StockWouldAct(const PlayState& state) {
    const GameShape& shape = state.shape();
    const GameRules& rules = state.rules();
    const PileLists& piles = state.position.piles;
    if (!shape.inPlay[static_cast<size_t>(PileIndex(PileId::Stock()))]) return false;
    const Pile& stock = piles.stock[0];
    // The grid closes its gaps; the one-row games deal onto their row.
    if (shape.selectionPlay && shape.special == SpecialGame::NeighbourGrid) return GridWouldClose(state);
    if (shape.selectionPlay && IsRowGame(shape.special)) return !stock.empty();
    const bool turnsToWaste = rules[Rule::WasteUnderStock] == 1 || rules[Rule::ShuffleRedeal] >= 1;
    if (turnsToWaste) {
        if (!stock.empty()) return true;
        if (rules[Rule::ShuffleRedeal] > 0) return PassesLeft(state);
        return piles.stock[1].size() >= 2 && PassesLeft(state);
    }
    if (stock.empty()) return false;
    const int lastTableau = std::max(0, shape.tableau - 1);
    const int firstMode = rules[Rule::TableauDealMode];
    const int lastMode = rules[Rule::TableauDealMode + lastTableau];
    if (firstMode == DealMode::OnceNoGaps || lastMode == DealMode::OnceNoGaps) return !AnyTableauEmpty(state);
    if (firstMode == DealMode::EveryClick || lastMode == DealMode::EveryClick) return true;
    const int lastReserve = std::max(0, shape.reserves - 1);
    return rules[Rule::ReserveDealMode] == DealMode::EveryClick ||
           rules[Rule::ReserveDealMode + lastReserve] == DealMode::EveryClick ||
           rules[Rule::ReserveDealMode] == DealMode::InPairs || rules[Rule::StockToSecondWaste] != 0;
}

StockClickPlan PlanStockClick(const PlayState& state, bool selectionFamilies) {
    StockClickPlan plan;
    const auto add = [&plan](const Move& step) { plan.steps[static_cast<size_t>(plan.count++)] = step; };
    const GameShape& shape = state.shape();
    const GameRules& rules = state.rules();
    const Pile& stock = state.position.piles.stock[0];
    if (selectionFamilies && shape.selectionPlay && shape.special == SpecialGame::NeighbourGrid) {
        add(Move::Of(MoveKind::CloseGaps));
        return plan;
    }
    if (selectionFamilies && shape.selectionPlay && IsRowGame(shape.special)) {
        add(Move::DealTo(DealTarget::Tableau));
        return plan;
    }
    const int lastTableau = std::max(0, shape.tableau - 1);
    const int lastReserve = std::max(0, shape.reserves - 1);
    const int firstMode = rules[Rule::TableauDealMode];
    const int lastMode = rules[Rule::TableauDealMode + lastTableau];
    if (rules[Rule::WasteUnderStock] == 1 || rules[Rule::ShuffleRedeal] >= 1) {
        if (!stock.empty()) {
            add(Move::TurnStockTo(PileId::Waste()));
        } else {
            add(Move::Of(rules[Rule::ShuffleRedeal] > 0 ? MoveKind::ShuffleRedeal : MoveKind::Redeal));
        }
    } else if (firstMode == DealMode::EveryClick || lastMode == DealMode::EveryClick) {
        add(Move::DealTo(DealTarget::Tableau));
    } else if (firstMode != DealMode::OnceNoGaps && lastMode != DealMode::OnceNoGaps) {
        const int reserveMode = rules[Rule::ReserveDealMode];
        if (reserveMode == DealMode::EveryClick || rules[Rule::ReserveDealMode + lastReserve] == DealMode::EveryClick) {
            add(Move::DealTo(DealTarget::Reserves));
        } else if (reserveMode == DealMode::InPairs) {
            if (stock.size() == 8) {
                add(Move::DealTo(DealTarget::EveryTableau));
            } else {
                add(Move::DealTo(DealTarget::Reserves));
                add(Move::DealTo(DealTarget::Reserves));
            }
        } else if (rules[Rule::StockToSecondWaste] != 0) {
            add(Move::TurnStockTo(PileId::SecondWaste()));
        }
    } else if (AnyTableauEmpty(state)) {
        plan.fillGapsFirst = true;
    } else if (!stock.empty()) {
        add(Move::DealTo(DealTarget::Tableau));
    }
    return plan;
}

}  // namespace dravicor
