// The move executor of the core: every kind of move, each carried out as
// the engine's executor always has, with the common end of a move.
#include <algorithm>

#include "play/accordion_family.h"
#include "play/clock_family.h"
#include "play/executor.h"
#include "play/gaps_family.h"
#include "play/move_rules.h"
#include "play/peaks.h"
#include "play/selection_rules.h"
#include "play/special_families.h"

namespace dravicor {

namespace {

constexpr int kStockIndex = 0;
constexpr int kWasteIndex = 1;
constexpr int kSecondWasteIndex = 2;

}  // namespace

bool Executor::apply(const Move& move, StepCause cause) {
    switch (move.kind) {
        case MoveKind::Card: return card(move, cause);
        case MoveKind::TurnUp: return turnUp(move, cause);
        case MoveKind::StockClick: return stockClick(cause);
        case MoveKind::TurnStock: return turnStock(move, cause);
        case MoveKind::Redeal: return redeal(move, cause);
        case MoveKind::ShuffleRedeal: return shuffleRedeal(move, cause);
        case MoveKind::Deal: return deal(move, cause);
        case MoveKind::Discard: return discard(move, cause);
        case MoveKind::RefillGaps: return refillGaps(move, cause);
        case MoveKind::CloseGaps: return closeGaps(move, cause);
        case MoveKind::Press: return press(move, cause);
        case MoveKind::Select: return select(move, cause);
    }
    return false;
}

void Executor::finish(const Move& move, StepCause cause, bool faceUpDue) {
    if (state_.shape().wholeRuns && removeWholeRuns(cause)) faceUpDue = true;
    if (faceUpDue && !state_.options.autoplay) autoFaceUp();
    if (state_.moveCounter < 2) edit_.setMoveCounter(state_.moveCounter + 1);
    // The first move fills the empty tableau piles as part of itself.
    if (state_.rules()[Rule::FillTableauAction] != 0 && state_.moveCounter == 1) {
        deal(Move::DealTo(DealTarget::FillGaps), cause);
    }
    if (listener_ != nullptr) listener_->stepEnded(move, cause);
}

void Executor::dealStockTopTo(int pile) {
    const Pile& stock = edit_.pile(kStockIndex);
    const CardNumber card = stock.top();
    edit_.eraseAt(kStockIndex, stock.size() - 1);
    edit_.append(pile, card, true);
}

int Executor::reorder(int pile) {
    const Pile& foundation = edit_.pile(pile);
    std::array<CardNumber, Pile::kCapacity> sorted{};
    const int size = foundation.size();
    std::copy(foundation.groups().begin(), foundation.groups().end(), sorted.begin());
    std::sort(sorted.begin(), sorted.begin() + size);
    for (int i = 0; i < size; ++i) edit_.setAt(pile, i, sorted[static_cast<size_t>(i)]);
    return size;
}

bool Executor::removeWholeRuns(StepCause cause) {
    const GameShape& shape = state_.shape();
    bool removed = false;
    for (int t = 0; t < shape.tableau; ++t) {
        const int pile = kFirstTableauIndex + t;
        for (int f = 0; f < shape.foundations; ++f) {
            const int foundation = kFirstFoundationIndex + f;
            const int firstCard = state_.rules()[Rule::FoundationFirstCard + f];
            if (!shape.inPlay[static_cast<size_t>(foundation)] || !edit_.pile(foundation).empty() ||
                !EndsInWholeRun(edit_.pile(pile), state_.position.cardTable, firstCard)) {
                continue;
            }
            const Pile& source = edit_.pile(pile);
            const int at = source.size() - kWholeRunCards;
            std::array<CardNumber, kWholeRunCards> run{};
            std::copy(source.groups().begin() + at, source.groups().end(), run.begin());
            for (int i = source.size() - 1; i >= at; --i) edit_.eraseAt(pile, i);
            for (const CardNumber card : run) edit_.append(foundation, card, true);
            StepReport report;
            report.source = PileKind::Tableau;
            report.cards = kWholeRunCards;
            made(Move::CardTo(run[0], PileId::Tableau(t + 1), PileId::Foundation(f + 1), kWholeRunCards), cause, report);
            removed = true;
            // The pile may end in another whole run (a stock card dealt on an Ace).
            f = -1;
        }
    }
    return removed;
}

bool Executor::card(const Move& move, StepCause cause) {
    if (FirstMoveRuleRefuses(state_, move)) return false;
    const int card = move.card;
    // A card on the discard pile stays there; the stock is no target.
    if (!IsCard(card) || !PileLists::IsValid(move.from) || move.from.kind == PileKind::SecondWaste) return false;
    if (!PileLists::IsValid(move.to) || move.to.kind == PileKind::Stock) return false;
    const int from = PileIndex(move.from);
    const int to = PileIndex(move.to);
    const Pile& source = edit_.pile(from);
    int at = source.size() - move.count;
    if (move.count == 0 || at < 0 || source[at] != card) at = source.find(card);
    if (at < 0) return false;
    const SpecialGame special = state_.shape().special;
    // From a tableau pile to a tableau pile the cards above come along,
    // except in the gaps games, where a card goes alone into its gap.
    const bool gapFill = IsGapsGame(special);
    const int gap = gapFill ? GapForCard(state_, card, move.to) : -1;
    if (gapFill && gap < 0) return false;
    const bool run = move.from.kind == PileKind::Tableau && move.to.kind == PileKind::Tableau && !gapFill;
    const int carried = run ? source.size() - at : 1;
    // A card leaving a row of side-by-side places leaves its place empty.
    const bool leavesPlace =
        move.from.kind == PileKind::Tableau && state_.rules()[Rule::TableauSpread] == kSpreadSideBySide;

    begin(move, cause);
    StepReport report;
    report.source = move.from.kind;
    report.cards = carried;
    if (move.to.kind == PileKind::Tableau && CountsTableauMoves(state_.shape().special)) {
        edit_.setTableauMoves(state_.tableauMoves + 1);
        report.tableauMoveCounted = true;
    }
    if (carried == 1) {
        if (leavesPlace) {
            edit_.setAt(from, at, kNoCard);
        } else {
            edit_.eraseAt(from, at);
        }
        if (gapFill) {
            edit_.setAt(to, gap, static_cast<CardNumber>(card));
        } else {
            edit_.append(to, static_cast<CardNumber>(card), true);
        }
    } else {
        std::array<CardNumber, Pile::kCapacity> cards{};
        std::copy(source.groups().begin() + at, source.groups().end(), cards.begin());
        for (int i = source.size() - 1; i >= at; --i) edit_.eraseAt(from, i);
        for (int i = 0; i < carried; ++i) edit_.append(to, cards[static_cast<size_t>(i)], true);
    }
    if (move.to.kind == PileKind::Foundation && state_.rules()[Rule::ReorderAfterFoundation] == 1) {
        report.reorderedCards = reorder(to);
    }
    // The families that turn their own cards do it within the move.
    if (special == SpecialGame::PeaksToDiscard) TurnUncoveredCards(edit_, state_.shape().tableau);
    if (special == SpecialGame::Clock && move.to.kind == PileKind::Tableau) ClockTakeNext(edit_, move.to);
    made(move, cause, report);
    finish(move, cause, move.from.kind == PileKind::Tableau && PressTurnsTableauTop(special));
    return true;
}

bool Executor::turnUp(const Move& move, StepCause cause) {
    const int card = move.card;
    if (!IsCard(card) || !state_.position.cardTable.IsFaceDown(card)) return false;
    begin(move, cause);
    edit_.setFaceUp(card, true);
    StepReport report;
    report.source = move.from.kind;
    report.cards = 1;
    made(move, cause, report);
    // Turning a card over is a step of its own, but no move.
    if (listener_ != nullptr) listener_->stepEnded(move, cause);
    return true;
}

bool Executor::stockClick(StepCause cause) {
    if (!state_.shape().inPlay[static_cast<size_t>(kStockIndex)]) return false;
    const StockClickPlan plan = PlanStockClick(state_);
    if (plan.fillGapsFirst) {
        refused_ = true;
        return false;
    }
    bool executed = false;
    for (int i = 0; i < plan.count; ++i) {
        const Move& step = plan.steps[static_cast<size_t>(i)];
        const bool redeals = step.kind == MoveKind::Redeal || step.kind == MoveKind::ShuffleRedeal;
        if (redeals && !RedealPossible(state_)) continue;
        executed = apply(step, cause) || executed;
    }
    return executed;
}

bool Executor::turnStock(const Move& move, StepCause cause) {
    if (FirstMoveRuleRefuses(state_, move) || edit_.pile(kStockIndex).empty()) return false;
    begin(move, cause);
    const int count = std::max<int>(1, state_.rules()[Rule::CardsPerStockDeal]);
    const int target = move.to.kind == PileKind::SecondWaste ? kSecondWasteIndex : kWasteIndex;
    StepReport report;
    report.source = PileKind::Stock;
    for (; report.cards < count && !edit_.pile(kStockIndex).empty(); ++report.cards) dealStockTopTo(target);
    made(move, cause, report);
    finish(move, cause, false);
    return true;
}

bool Executor::redeal(const Move& move, StepCause cause) {
    if (FirstMoveRuleRefuses(state_, move) || !edit_.pile(kStockIndex).empty() || !PassesLeft(state_)) return false;
    if (edit_.pile(kWasteIndex).size() < 2) return false;
    begin(move, cause);  // the step keeps the pass it was taken in
    edit_.setPass(state_.passNumber + 1);
    const bool faceUp = state_.rules()[Rule::StockFaceDown] == 0;
    StepReport report;
    report.source = PileKind::Waste;
    for (const Pile& waste = edit_.pile(kWasteIndex); !waste.empty(); ++report.cards) {
        const CardNumber card = waste.top();
        edit_.eraseAt(kWasteIndex, waste.size() - 1);
        edit_.append(kStockIndex, card, faceUp);
    }
    made(move, cause, report);
    finish(move, cause, false);
    return true;
}

bool Executor::shuffleRedeal(const Move& move, StepCause cause) {
    if (FirstMoveRuleRefuses(state_, move) || !edit_.pile(kStockIndex).empty() || !PassesLeft(state_)) return false;
    begin(move, cause);  // the step keeps the pass it was taken in
    edit_.setPass(state_.passNumber + 1);
    ShuffleOutcome outcome;
    if (IsGapsGame(state_.shape().special)) {
        RedealGaps(edit_, outcome);
    } else {
        RedealTableau(edit_, outcome);
    }
    StepReport report;
    report.source = PileKind::Tableau;
    report.cards = outcome.dealtCount;
    report.gathered = {outcome.gathered.data(), static_cast<size_t>(outcome.gatheredCount)};
    report.dealt = {outcome.dealt.data(), static_cast<size_t>(outcome.dealtCount)};
    made(move, cause, report);
    finish(move, cause, false);
    return true;
}

bool Executor::deal(const Move& move, StepCause cause) {
    if (FirstMoveRuleRefuses(state_, move) || edit_.pile(kStockIndex).empty()) return false;
    const bool fill = move.deal == DealTarget::FillGaps;
    const bool toReserves = move.deal == DealTarget::Reserves;
    const bool everyPile = move.deal == DealTarget::EveryTableau;
    // The fill belongs to the move before it: no step of its own.
    if (!fill) begin(move, cause);
    const GameShape& shape = state_.shape();
    const int piles = toReserves ? shape.reserves : shape.tableau;
    const int modes = toReserves ? Rule::ReserveDealMode : Rule::TableauDealMode;
    StepReport report;
    report.source = PileKind::Stock;
    for (int i = 0; i < piles && !edit_.pile(kStockIndex).empty(); ++i) {
        const int pile = (toReserves ? kFirstReserveIndex : kFirstTableauIndex) + i;
        const int mode = state_.rules()[modes + i];
        const bool receives = fill ? edit_.pile(pile).empty() : everyPile || (mode >= 1 && mode <= 3);
        if (!receives) continue;
        // The one-row games keep an empty place before every dealt card.
        if (!toReserves && i == 0 && state_.rules()[Rule::TableauSpread] == kSpreadRow) {
            edit_.appendKeepingFace(pile, kNoCard);
        }
        dealStockTopTo(pile);
        ++report.cards;
    }
    made(move, cause, report);
    if (!fill) finish(move, cause, false);
    return true;
}

bool Executor::discard(const Move& move, StepCause cause) {
    if (FirstMoveRuleRefuses(state_, move) || state_.selection.empty()) return false;
    begin(move, cause);
    const int spread = state_.rules()[Rule::TableauSpread];
    // Cards of side-by-side rows leave an empty place behind; in the
    // one-row games the place goes, with the empty place before it.
    const RemoveMode tableauMode = spread == kSpreadSideBySide ? RemoveMode::LeaveSlot
                                   : spread == kSpreadRow      ? RemoveMode::DeleteWithSlot
                                                               : RemoveMode::Delete;
    const Selection selected = state_.selection;
    StepReport report;
    report.source = PileKind::Tableau;
    if (state_.shape().special == SpecialGame::Accordion) {
        // The card on the right covers the other: one card to the discard pile.
        AccordionCover(edit_, selected.cards());
        report.cards = 1;
        edit_.clearSelection();
        made(move, cause, report);
        finish(move, cause, false);
        return true;
    }
    for (const CardNumber card : selected.cards()) {
        const std::optional<PileId> pile = FindCard(state_.position.piles, card);
        if (pile) {
            const RemoveMode mode = pile->kind == PileKind::Tableau ? tableauMode : RemoveMode::Delete;
            edit_.remove(PileIndex(*pile), card, mode);
        }
        edit_.append(kSecondWasteIndex, card, true);
        ++report.cards;
    }
    edit_.clearSelection();
    made(move, cause, report);
    finish(move, cause, DiscardTurnsTops(state_.shape().special));
    return true;
}

bool Executor::refillGaps(const Move& move, StepCause cause) {
    if (FirstMoveRuleRefuses(state_, move) || edit_.pile(kStockIndex).empty() || !AnyTableauEmpty(state_)) return false;
    begin(move, cause);
    StepReport report;
    report.source = PileKind::Stock;
    for (int t = 0; t < state_.shape().tableau && !edit_.pile(kStockIndex).empty(); ++t) {
        if (!edit_.pile(kFirstTableauIndex + t).empty()) continue;
        dealStockTopTo(kFirstTableauIndex + t);
        ++report.cards;
    }
    made(move, cause, report);
    finish(move, cause, false);
    return true;
}

bool Executor::closeGaps(const Move& move, StepCause cause) {
    if (FirstMoveRuleRefuses(state_, move) || !GridWouldClose(state_)) return false;
    begin(move, cause);
    edit_.clearSelection();
    const int piles = state_.shape().tableau;
    std::array<CardNumber, kCardCount + kTableauCount> cards{};
    int count = 0;
    for (int t = 0; t < piles; ++t) {
        const int pile = kFirstTableauIndex + t;
        for (const CardNumber c : edit_.pile(pile).groups()) {
            if (count < static_cast<int>(cards.size())) cards[static_cast<size_t>(count++)] = c;
        }
        edit_.clearPile(pile);
    }
    int next = 0;
    for (int i = 0; i < count && next < kTableauCount; ++i) {
        edit_.appendKeepingFace(kFirstTableauIndex + next++, cards[static_cast<size_t>(i)]);
    }
    StepReport report;
    report.source = PileKind::Tableau;
    report.cards = count;
    for (; next < piles && !edit_.pile(kStockIndex).empty(); ++next) dealStockTopTo(kFirstTableauIndex + next);
    made(move, cause, report);
    finish(move, cause, false);
    return true;
}

bool Executor::press(const Move& move, StepCause cause) {
    // A press on the stock of a selection game.
    if (move.from.kind == PileKind::Stock) return stockClick(cause);
    const SpecialGame special = state_.shape().special;
    const PileId pile = move.from;
    const int card = move.card;
    const bool familyOfTops =
        special == SpecialGame::FreePairsOf14 || special == SpecialGame::TopPairs || special == SpecialGame::TopPairsToo;
    const bool freeCards = special == SpecialGame::FreePairsOf14 || special == SpecialGame::Pyramid;
    // The waste's top card pairs with the tableau in the games of free cards.
    const bool selectable = pile.kind == PileKind::Tableau || (freeCards && pile.kind == PileKind::Waste) ||
                            (familyOfTops && pile.kind == PileKind::Reserve);
    if (!selectable || card == kNoCard || !PileLists::IsValid(pile) || !state_.position.piles.pile(pile).contains(card)) {
        return false;
    }
    // In these families a face-down card is only turned over.
    if (PressTurnsFaceDownTop(special) && state_.position.cardTable.IsFaceDown(card)) {
        return IsTopCard(state_.position.piles, card) && turnUp(Move::OnCard(MoveKind::TurnUp, card, pile), cause);
    }

    const int at = state_.selection.find(card);
    const bool wasSelected = at >= 0;
    if (freeCards) {
        if (!MayBeTaken(state_, card, pile) || (!wasSelected && state_.selection.size() >= 2)) {
            refused_ = true;
            return false;
        }
        if (wasSelected) {
            edit_.deselectAt(at);
        } else {
            edit_.select(static_cast<CardNumber>(card));
        }
    } else {
        Selection next = state_.selection;
        if (wasSelected) {
            next.eraseAt(at);
        } else {
            next.push(static_cast<CardNumber>(card));
        }
        if (!SelectionValid(state_, next.cards(), card, pile)) {
            // Refused: a card pressed to deselect it leaves the selection all the same.
            refused_ = true;
            if (wasSelected) edit_.deselectAt(at);
            return false;
        }
        if (wasSelected) {
            edit_.deselectAt(at);
        } else {
            edit_.select(static_cast<CardNumber>(card));
        }
    }

    if (!SelectionComplete(state_, state_.selection.cards())) return false;
    bool executed = discard(Move::Of(MoveKind::Discard), cause);
    if (special != SpecialGame::NeighbourGrid) executed = refillGaps(Move::Of(MoveKind::RefillGaps), cause) || executed;
    return executed;
}

bool Executor::select(const Move& move, StepCause cause) {
    const UndoMark start = journal_.mark();
    const int stepsBefore = steps_;
    edit_.clearSelection();
    for (int k = 0; k < move.count && k < Move::kMostPresses; ++k) {
        const int card = move.presses[static_cast<size_t>(k)];
        const std::optional<PileId> pile = FindCard(state_.position.piles, card);
        if (!pile || !state_.shape().inPlay[static_cast<size_t>(PileIndex(*pile))]) break;
        press(Move::OnCard(MoveKind::Press, card, *pile), cause);
    }
    if (steps_ > stepsBefore) return true;
    // Presses that discard nothing are no move.
    UndoMove(state_, journal_, start);
    return false;
}

MoveResult ApplyMove(PlayState& state, const Move& move, Journal& journal, PlayListener* listener) {
    MoveResult result;
    result.undo = journal.mark();
    Executor executor(state, journal, listener);
    const bool executed = executor.apply(move, StepCause::Player);
    result.applied = executed || journal.size() > result.undo.size;
    result.refused = executor.refused();
    return result;
}

}  // namespace dravicor
