// What the game does by itself between the player's moves: the automatic
// face-up of tableau tops, the automatic filling of empty tableau piles and
// autoplay. The win test lives with the families (special_families.cpp).
#include "engine/poker.h"
#include "play/executor.h"
#include "play/move_rules.h"
#include "play/special_families.h"

namespace dravicor {

bool Executor::turnFaceUp(int card, PileId pile, StepCause cause) {
    return turnUp(Move::OnCard(MoveKind::TurnUp, card, pile), cause);
}

bool Executor::autoFaceUp() {
    if (!state_.options.autoFaceUp) return false;
    bool turned = false;
    for (int t = 0; t < state_.shape().tableau; ++t) {
        const int top = state_.position.piles.tableau[static_cast<size_t>(t)].top();
        if (top != kNoCard && state_.position.cardTable.IsFaceDown(top)) {
            turned = turnFaceUp(top, PileId::Tableau(t + 1), StepCause::FaceUp) || turned;
        }
    }
    return turned;
}

bool Executor::tryToFoundation(int card, PileId from, bool byAutoplay, bool reservesToo) {
    if (!IsCard(card) || state_.position.cardTable.IsFaceDown(card)) return false;
    const GameShape& shape = state_.shape();
    const PileLists& piles = state_.position.piles;
    // Games whose foundations all start by the player's choice get no
    // help from autoplay until one has started.
    bool skipFoundations = false;
    if (byAutoplay) {
        skipFoundations = shape.foundations > 0;
        for (int i = 0; i < shape.foundations && skipFoundations; ++i) {
            skipFoundations = state_.rules()[Rule::FoundationFirstCard + i] == FirstCard::FoundationBase &&
                              piles.foundations[static_cast<size_t>(i)].empty();
        }
    }
    const int at = piles.pile(from).find(card);
    const StepCause cause = byAutoplay ? StepCause::Autoplay : StepCause::Player;
    const auto tryPile = [&](PileId target) {
        return shape.inPlay[static_cast<size_t>(PileIndex(target))] &&
               CanPlaceFrom(state_, card, from, at, target, byAutoplay) &&
               this->card(Move::CardTo(card, from, target, 1, byAutoplay && target.kind == PileKind::Foundation), cause);
    };
    for (int i = 1; !skipFoundations && i <= shape.foundations; ++i) {
        if (tryPile(PileId::Foundation(i))) return true;
    }
    for (int r = 1; reservesToo && r <= shape.reserves; ++r) {
        if (tryPile(PileId::Reserve(r))) return true;
    }
    return false;
}

bool Executor::autoplayPass() {
    const GameShape& shape = state_.shape();
    if (!state_.options.autoplay || shape.tableau == 0) return false;
    const PileLists& piles = state_.position.piles;
    bool anyMoved = false;
    bool movedInSweep = true;
    while (movedInSweep) {
        movedInSweep = false;
        for (int t = 0; t < shape.tableau; ++t) {
            const int card = piles.tableau[static_cast<size_t>(t)].top();
            if (card == kNoCard) continue;
            const PileId pile = PileId::Tableau(t + 1);
            if (state_.options.autoFaceUp && PressTurnsTableauTop(shape.special) &&
                state_.position.cardTable.IsFaceDown(card)) {
                turnFaceUp(card, pile, StepCause::FaceUp);
            }
            movedInSweep = tryToFoundation(card, pile, true, false) || movedInSweep;
        }
        if (state_.rules()[Rule::WasteExcluded] != kWasteExcluded && shape.inPlay[1]) {
            const int card = piles.stock[1].top();
            if (card != kNoCard) movedInSweep = tryToFoundation(card, PileId::Waste(), true, false) || movedInSweep;
        }
        for (int r = 0; r < shape.reserves; ++r) {
            const int card = piles.reserves[static_cast<size_t>(r)].top();
            if (card != kNoCard) movedInSweep = tryToFoundation(card, PileId::Reserve(r + 1), true, false) || movedInSweep;
        }
        anyMoved = anyMoved || movedInSweep;
    }
    return anyMoved;
}

bool Executor::autoFill() {
    const GameRules& rules = state_.rules();
    const int rule = rules[Rule::AutoFillEmptyTableau];
    if (rule == FillRule::None) return false;
    // Not before the first move in games with a first-move rule.
    if (rules[Rule::OpeningPhase] != 0 && state_.moveCounter == 0) return false;
    const PileLists& piles = state_.position.piles;
    bool foundEmpty = false;
    for (int t = 0; t < state_.shape().tableau; ++t) {
        if (!piles.tableau[static_cast<size_t>(t)].empty()) continue;
        foundEmpty = true;
        const Pile& stock = piles.stock[0];
        const Pile& waste = piles.stock[1];
        const bool fromWaste = !waste.empty();
        PileId from = PileId::Stock();
        switch (rule) {
            case FillRule::FirstReserve: from = PileId::Reserve(1); break;
            case FillRule::WasteThenStockUntilTableauMove:
                if (state_.tableauMoves > 0) return foundEmpty;
                from = fromWaste ? PileId::Waste() : PileId::Stock();
                break;
            case FillRule::WasteThenStock: from = fromWaste ? PileId::Waste() : PileId::Stock(); break;
            case FillRule::StockThenWaste: from = !stock.empty() ? PileId::Stock() : PileId::Waste(); break;
            default: return foundEmpty;
        }
        const int top = piles.pile(from).top();
        if (top == kNoCard) continue;
        card(Move::CardTo(top, from, PileId::Tableau(t + 1)), StepCause::Fill);
    }
    return foundEmpty;
}

bool ApplyFollowUps(PlayState& state, Journal& journal, PlayListener* listener) {
    const UndoMark start = journal.mark();
    Executor executor(state, journal, listener);
    executor.autoFill();
    if (state.options.autoplay) {
        while (true) {
            const bool moved = executor.autoplayPass();
            // A won game ends after the pass; nothing more is done in it.
            const bool playing = listener != nullptr ? listener->autoplayPassEnded() : !WinTestHolds(state);
            if (!moved || !playing) break;
            executor.autoFill();
        }
    }
    return journal.size() > start.size;
}

bool AutoFillTableau(PlayState& state, Journal& journal, PlayListener* listener) {
    return Executor(state, journal, listener).autoFill();
}

bool AutoplayPass(PlayState& state, Journal& journal, PlayListener* listener) {
    return Executor(state, journal, listener).autoplayPass();
}

bool AutoFaceUp(PlayState& state, Journal& journal, PlayListener* listener) {
    return Executor(state, journal, listener).autoFaceUp();
}

bool TryMoveToFoundation(PlayState& state, Journal& journal, int card, bool byAutoplay, bool reservesToo,
                         PlayListener* listener) {
    const std::optional<PileId> from = FindCard(state.position.piles, card);
    if (!from || from->kind == PileKind::SecondWaste) return false;
    return Executor(state, journal, listener).tryToFoundation(card, *from, byAutoplay, reservesToo);
}

bool WinTestHolds(const PlayState& state) { return FamilyWinTest(state); }

bool IsWon(const PlayState& state) {
    if (!FamilyWinTest(state)) return false;
    return state.shape().special != SpecialGame::PokerGrid || IsPokerScoreWinning(PokerGridTotal(state.position));
}

}  // namespace dravicor
