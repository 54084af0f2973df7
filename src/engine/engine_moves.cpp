// The engine's moves: the executor's names read into the move core's moves,
// drops and double-clicks, the stock click, and what the engine adds to
// every step the core makes (undo snapshot, sounds, score, the observer).
#include <algorithm>

#include "engine/engine.h"
#include "engine/engine_internal.h"
#include "engine/poker.h"
#include "engine/shuffle_redeal.h"
#include "engine/special_indicators.h"
#include "play/move_rules.h"
#include "play/special_families.h"
#include "rules/legality.h"
#include "common/product.h"

namespace dravicor {

int Engine::pileCountOf(PileKind kind) const {
    switch (kind) {
        case PileKind::Foundation: return rules()[Rule::FoundationCount];
        case PileKind::Tableau: return rules()[Rule::TableauCount];
        case PileKind::Reserve: return rules()[Rule::ReserveCount];
        default: return 0;
    }
}

bool Engine::passesLeft() const { return PassesLeft(state_); }

PlayState Engine::playState() const {
    PlayState state = state_;
    state.options.autoFaceUp = settings_.get(Field::AutomaticFaceUp) != "N";
    state.options.autoplay = autoplay_ && autoplayEnabled();
    return state;
}

void Engine::syncOptions() {
    state_.options.autoFaceUp = settings_.get(Field::AutomaticFaceUp) != "N";
    state_.options.autoplay = autoplay_ && autoplayEnabled();
}

void Engine::syncTableauMoves() {
    state_.tableauMoves = static_cast<std::int16_t>(CountMoveLogCodes(game_.moveLog, kTableauMoveCode));
}

void Engine::recomputeScore() {
    if (SpecialGameOf(rules()) == SpecialGame::PokerGrid) {
        scorePokerGrid(-1);
        return;
    }
    if (settings_.get(Field::ScoringSystem) == "01") {
        int played = rules()[Rule::ScoreBonusCards] + state_.position.piles.stock[2].size();
        for (const Pile& f : state_.position.piles.foundations) played += f.size();
        game_.score = 5 * played - rules()[Rule::CardCount];
    }
    settings_.put(Field::CurrentScore, std::to_string(game_.score));
}

// The score after an executed move: the poker games show the hands the
// card just placed has made.
void Engine::scoreMove(int placedCard) {
    if (SpecialGameOf(rules()) == SpecialGame::PokerGrid) {
        scorePokerGrid(placedCard);
    } else {
        recomputeScore();
    }
}

bool Engine::CanPlace(int card, PileId target, bool byAutoplay) const {
    return dravicor::CanPlace(state_, card, target, byAutoplay);
}

void Engine::noteTableauMove() {
    // The count of these moves opens and closes the foundations to tableau cards.
    std::string entry = game_.moveLog.pop();
    entry += kTableauMoveCode;
    game_.moveLog.push(entry);
}

// --- What the engine adds to the core's steps -----------------------------------

void Engine::stepBegins(const Move& step, StepCause cause) {
    PushSnapshot(true, true);
    if (step.kind == MoveKind::Discard) {
        platform_.clock.pause(std::chrono::milliseconds(150));
        sounds_.play(Sound::Pairing, sounds_.wanted(Field::SoundsPairing));
        ++discardsMade_;
    }
    if (step.kind == MoveKind::Redeal && settings_.get(Field::RedealAnimation) != "N") {
        sounds_.loop(Sound::Redeal, sounds_.wanted(Field::SoundsRedeal));
    }
    if (cause == StepCause::Autoplay) game_.cardInMotion = static_cast<std::int16_t>(step.card);
}

void Engine::stepMade(const Move& step, StepCause cause, const StepReport& report) {
    (void)cause;
    switch (step.kind) {
        case MoveKind::Card:
            if (report.tableauMoveCounted) noteTableauMove();
            game_.won = IsGameWon();
            switch (step.to.kind) {
                case PileKind::Foundation:
                    if (step.byAutoplay) {
                        sounds_.play(Sound::Autoplay, sounds_.wanted(Field::SoundsAutoplay));
                    } else {
                        sounds_.play(Sound::Foundation, sounds_.wanted(Field::SoundsFoundation));
                    }
                    if (report.reorderedCards > 1) sounds_.play(Sound::Reorder, true);
                    break;
                case PileKind::Tableau:
                case PileKind::Reserve: sounds_.play(Sound::Tableau, sounds_.wanted(Field::SoundsTableau)); break;
                case PileKind::SecondWaste:
                    if (SpecialGameOf(rules()) == SpecialGame::NeighbourDiscard) {
                        sounds_.play(Sound::Eddy, sounds_.wanted(Field::SoundsFoundation));
                    }
                    break;
                default: break;
            }
            scoreMove(report.cards == 1 ? step.card : -1);
            break;
        case MoveKind::TurnUp: sounds_.play(Sound::FaceUp, sounds_.wanted(Field::SoundsFaceUp)); break;
        case MoveKind::TurnStock:
            for (int i = 0; i < report.cards; ++i) sounds_.play(Sound::Stock, sounds_.wanted(Field::SoundsStock));
            game_.won = IsGameWon();
            scoreMove(-1);
            break;
        case MoveKind::Redeal:
            if (settings_.get(Field::RedealAnimation) != "N") {
                platform_.clock.pause(std::chrono::milliseconds(100));
                sounds_.loop("", false);
            }
            scoreMove(-1);
            break;
        case MoveKind::ShuffleRedeal:
            lastShuffle_.gathered.assign(report.gathered.begin(), report.gathered.end());
            lastShuffle_.dealt.assign(report.dealt.begin(), report.dealt.end());
            // The front end's flights repeat the sound card by card.
            sounds_.play(Sound::Shuffle, sounds_.wanted(Field::SoundsShuffle));
            game_.won = IsGameWon();
            scoreMove(-1);
            break;
        case MoveKind::Deal:
            sounds_.play(Sound::Shuffle, sounds_.wanted(Field::SoundsShuffle));
            game_.won = IsGameWon();
            // The fill is part of the move before it, which scores.
            if (step.deal == DealTarget::FillGaps) {
                changed();
            } else {
                scoreMove(-1);
            }
            break;
        case MoveKind::RefillGaps:
            sounds_.play(Sound::Shuffle, sounds_.wanted(Field::SoundsShuffle));
            game_.won = IsGameWon();
            scoreMove(-1);
            break;
        case MoveKind::CloseGaps:
            sounds_.play(Sound::Tableau, sounds_.wanted(Field::SoundsTableau));
            game_.won = IsGameWon();
            scoreMove(-1);
            break;
        case MoveKind::Discard:
            game_.won = IsGameWon();
            scoreMove(-1);
            break;
        default: break;
    }
}

void Engine::stepEnded(const Move& step, StepCause cause) {
    (void)step;
    PushSnapshot(false, true);
    changed();
    // A fill belongs to the move that left the pile empty.
    if (cause == StepCause::Fill) CollapseLastSteps(1);
    if (cause == StepCause::Autoplay) game_.cardInMotion = 0;
}

bool Engine::autoplayPassEnded() {
    if (game_.won && game_.inProgress) EndGame();
    game_.gameOverHandled = false;
    return game_.inProgress;
}

// --- Moves ------------------------------------------------------------------------

bool Engine::apply(const Move& move) {
    syncOptions();
    journal_.clear();
    const MoveResult result = ApplyMove(state_, move, journal_, this);
    journal_.clear();
    return result.applied;
}

bool Engine::armOrRedeal(const Move& redeal) {
    if (!RedealPossible(state_)) return false;
    if (!redealArmed_) {
        redealArmed_ = true;  // a press arms; the release redeals
        changed();
        return false;
    }
    redealArmed_ = false;
    return apply(redeal);
}

std::optional<Move> Engine::moveForTarget(int card, std::string_view target) const {
    const PileLists& piles = state_.position.piles;
    if (target.starts_with("Mazzo")) {
        if (!piles.stock[0].empty()) {
            return Move::TurnStockTo(target != "Mazzo_Vis" ? PileId::SecondWaste() : PileId::Waste());
        }
        if (target != "Mazzo_Vis") return std::nullopt;
        return Move::Of(rules()[Rule::ShuffleRedeal] > 0 ? MoveKind::ShuffleRedeal : MoveKind::Redeal);
    }
    if (target == "Add_Tableaus") return Move::DealTo(DealTarget::Tableau);
    if (target == "Add_Reserves") return Move::DealTo(DealTarget::Reserves);
    if (target == "Fill_Tableaus") return Move::DealTo(DealTarget::FillGaps);
    if (target == "Add_Tableaus_Last") return Move::DealTo(DealTarget::EveryTableau);
    if (target == "Selezionate_Dest") return Move::Of(MoveKind::Discard);
    if (target == "Selezionate_Fila") return Move::Of(MoveKind::RefillGaps);
    if (target == "Stock_To_Pile_Monte_Carlo") return Move::Of(MoveKind::CloseGaps);

    // A card on the second waste (or nowhere) stays where it is.
    const std::optional<PileId> from = FindCard(piles, card);
    if (!from || from->kind == PileKind::SecondWaste) return std::nullopt;
    if (target == "Stock02") return Move::CardTo(card, *from, PileId::Waste(), 0);
    if (target == "Waste") return Move::CardTo(card, *from, PileId::SecondWaste(), 0);
    const auto pile = ParsePileName(target);
    if (!pile) return std::nullopt;
    if (target.starts_with("Dest_Autoplay")) return Move::CardTo(card, *from, *pile, 0, true);
    if (pile->kind == PileKind::Tableau || pile->kind == PileKind::Foundation || pile->kind == PileKind::Reserve) {
        return Move::CardTo(card, *from, *pile, 0);
    }
    return std::nullopt;
}

bool Engine::MoveCard(int card, std::string_view target) {
    const std::optional<Move> move = moveForTarget(card, target);
    if (!move) return false;
    if (move->kind == MoveKind::Redeal || move->kind == MoveKind::ShuffleRedeal) return armOrRedeal(*move);
    return apply(*move);
}

bool Engine::tryMoveTo(int card, PileId target, bool byAutoplay) {
    if (!CanPlace(card, target, byAutoplay)) return false;
    const std::optional<PileId> from = FindCard(state_.position.piles, card);
    if (!from) return false;
    return apply(Move::CardTo(card, *from, target, 0, byAutoplay && target.kind == PileKind::Foundation));
}

bool Engine::openingPhaseRefuses(int card, PileId target) const {
    if (rules()[Rule::OpeningPhase] != 1 || state_.moveCounter != 0) return false;
    const int location = CardLocation(state_.position.piles, card);
    return !(location >= 1 && location <= kTableauCount) || target.kind != PileKind::Foundation;
}

std::vector<PileId> Engine::dropCandidates(int card, Point dropPoint) const {
    const Rect dragged = Rect::At(dropPoint, cardSize_);

    struct Candidate {
        long long area;
        int kind;
        int index;
        PileId pile;
    };
    std::vector<Candidate> candidates;
    const auto consider = [&](PileId pile) {
        if (!isOnTable(pile)) return;
        if (openingPhaseRefuses(card, pile)) return;
        const std::optional<Point> landing = LandingPoint(card, pile);
        if (!landing) return;
        const Rect top = Rect::At(*landing, cardSize_);
        const long long width = std::min(top.right, dragged.right) - std::max(top.left, dragged.left);
        const long long height = std::min(top.bottom, dragged.bottom) - std::max(top.top, dragged.top);
        if (width > 0 && height > 0) {
            candidates.push_back({width * height, static_cast<int>(pile.kind), pile.number - 1, pile});
        }
    };
    for (int i = 1; i <= pileCountOf(PileKind::Foundation); ++i) consider(PileId::Foundation(i));
    for (int i = 1; i <= pileCountOf(PileKind::Tableau); ++i) consider(PileId::Tableau(i));
    for (int i = 1; i <= pileCountOf(PileKind::Reserve); ++i) consider(PileId::Reserve(i));
    if (rules()[Rule::WasteExcluded] != kWasteExcluded) consider(PileId::Waste());

    // Largest overlap first; on equal areas the higher kind, then the higher index.
    std::sort(candidates.begin(), candidates.end(), [](const Candidate& a, const Candidate& b) {
        return std::tie(a.area, a.kind, a.index) > std::tie(b.area, b.kind, b.index);
    });
    if (candidates.size() > 4) candidates.resize(4);
    std::vector<PileId> piles;
    for (const Candidate& c : candidates) piles.push_back(c.pile);
    return piles;
}

bool Engine::DropCard(int card, Point dropPoint) {
    for (const PileId pile : dropCandidates(card, dropPoint)) {
        if (tryMoveTo(card, pile, false)) return true;
    }
    return false;
}

std::optional<PileId> Engine::DropLandsOn(int card, Point dropPoint) const {
    for (const PileId pile : dropCandidates(card, dropPoint)) {
        if (CanPlace(card, pile, false)) return pile;
    }
    return std::nullopt;
}

bool Engine::TryMoveToFoundation(int card, bool byAutoplay, bool reservesToo) {
    if (!IsCard(card) || state_.position.cardTable.IsFaceDown(card)) return false;
    syncOptions();
    game_.cardInMotion = static_cast<std::int16_t>(card);
    journal_.clear();
    const bool moved = dravicor::TryMoveToFoundation(state_, journal_, card, byAutoplay, reservesToo, this);
    journal_.clear();
    game_.cardInMotion = 0;
    return moved;
}

bool Engine::StockClick() {
    const StockClickPlan plan = PlanStockClick(state_, false);
    if (plan.fillGapsFirst) {
        platform_.messages.showMessage("Before deal, fill any gaps in the tableau", kProductName,
                                       MessageIcon::Information);
        return false;
    }
    bool moved = false;
    for (int i = 0; i < plan.count; ++i) {
        const Move& step = plan.steps[static_cast<size_t>(i)];
        const bool redeals = step.kind == MoveKind::Redeal || step.kind == MoveKind::ShuffleRedeal;
        moved = (redeals ? armOrRedeal(step) : apply(step)) || moved;
    }
    // A stock click can end a game: the last card of a Golf stock, the
    // deal that leaves Aces Up with its Aces alone.
    if (moved && game_.won && game_.inProgress) EndGame();
    return moved;
}

}  // namespace dravicor
