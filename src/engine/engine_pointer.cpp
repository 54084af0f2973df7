#include "engine/engine.h"
#include "engine/engine_internal.h"
#include "play/gaps_family.h"
#include "play/special_families.h"
#include "rules/legality.h"

namespace dravicor {

std::optional<Engine::Pickup> Engine::pickupAt(const PileHit& hit, PointerButton button) {
    if (hit.pileName.empty() || hit.card == kNoCard) return std::nullopt;
    const Pile& pile = state_.position.piles.pile(hit.pile);
    if (hit.pile.kind == PileKind::Tableau) {
        if (button != PointerButton::Left) return std::nullopt;
        if (hit.card == pile.top() && state_.position.cardTable.IsFaceDown(hit.card) &&
            PressTurnsTableauTop(state_.shape().special)) {
            pressTurnedCard_ = TurnFaceUp(hit.card);
            return std::nullopt;
        }
    }
    if (!CanPickUp(state_, hit.card, hit.pile)) return std::nullopt;
    return Pickup{hit.card, hit.pile, pile.size() - pile.find(hit.card)};
}

void Engine::PointerPress(Point point, PointerButton button) {
    namedPress_.reset();
    press(point, PileAt(point, state_.position.piles, geometry()), button);
}

void Engine::PointerPressOn(Point point, PileId pile, CardNumber card) {
    namedPress_ = PileHit{PileName(pile), pile, card, {}};
    press(point, *namedPress_, PointerButton::Left);
}

void Engine::press(Point point, const PileHit& hit, PointerButton button) {
    if (demoMode_) {
        platform_.messages.beep();
        return;
    }
    // The press that ends a pause does nothing else.
    if (paused_) {
        SetPause(false);
        return;
    }
    if (!game_.inProgress) return;
    pointerMoved_ = false;
    pressTurnedCard_ = false;
    if (ignoreNextPress_) {
        ignoreNextPress_ = false;
        return;
    }
    lastPress_ = point;
    const TableGeometry table = geometry();
    dragSize_ = cardSize_;
    if (hit.pileName.empty()) return;

    // The pairing families select cards instead of picking them up.
    if (rules()[Rule::SelectionPlay] != 0) {
        if (button == PointerButton::Left) {
            FollowUps followUps(*this);
            selectionPress(hit);
        }
        changed();
        return;
    }

    if (hit.pile.kind == PileKind::Stock) {
        FollowUps followUps(*this);
        if (StockClick()) afterPlayerAction();
        return;
    }
    const auto pickup = pickupAt(hit, button);
    if (!pickup) {
        if (!pressTurnedCard_) platform_.messages.beep();
        return;
    }
    game_.cardInMotion = static_cast<std::int16_t>(pickup->card);
    dragSource_ = pickup->source;
    const int skip = pickup->cardsCarried - 1;
    const Point cardAt{table.PileCardX(pickup->source, skip, false), table.PileCardY(pickup->source, skip, false)};
    grabOffset_ = {point.x - cardAt.x, point.y - cardAt.y};
    dragPosition_ = cardAt;
    if (pickup->cardsCarried > 1) {
        const Point topAt{table.PileCardX(pickup->source, 0, false), table.PileCardY(pickup->source, 0, false)};
        dragSize_ = {std::max(cardSize_.width, topAt.x - cardAt.x + cardSize_.width),
                     std::max(cardSize_.height, topAt.y - cardAt.y + cardSize_.height)};
    }
    if (pickup->source.kind == PileKind::Waste) sounds_.play(Sound::CardUp, sounds_.wanted(Field::SoundsCardUp));

    // In the games with a discard pile a taken card goes straight there;
    // Clock's card in hand goes straight to its pile.
    if (const std::optional<PileId> target = PressedCardGoesTo(state_, pickup->card, pickup->source)) {
        const int card = game_.cardInMotion;
        game_.cardInMotion = 0;
        const std::optional<PileId> from = FindCard(state_.position.piles, card);
        const bool moved = from && from->kind != PileKind::SecondWaste &&
                           apply(Move::CardTo(card, *from, *target));
        if (moved && game_.won) EndGame();
    }
    changed();
}

void Engine::PointerMove(Point point) {
    if (game_.cardInMotion != 0) {
        pointerMoved_ = true;
        dragPosition_ = {point.x - grabOffset_.x, point.y - grabOffset_.y};
        changed();
        return;
    }
    if (redealArmed_) {
        const Rect stock = Rect::At(origins_.origin(PileId::Stock()), cardSize_);
        if (!stock.contains(point)) {
            redealArmed_ = false;
            changed();
        }
    }
}

void Engine::afterPlayerAction() {
    if (!game_.inProgress) return;
    syncOptions();
    journal_.clear();
    ApplyFollowUps(state_, journal_, this);
    journal_.clear();
}

bool Engine::PointerRelease(Point point) {
    (void)point;
    return release(std::nullopt);
}

bool Engine::PointerReleaseOn(PileId target) { return release(target); }

bool Engine::release(std::optional<PileId> target) {
    if (!game_.inProgress) return false;
    FollowUps followUps(*this);
    if (redealArmed_) {
        // The release makes the redeal the press armed (the stock is still empty).
        if (state_.position.piles.stock[0].empty()) {
            armOrRedeal(Move::Of(rules()[Rule::ShuffleRedeal] > 0 ? MoveKind::ShuffleRedeal : MoveKind::Redeal));
        }
        redealArmed_ = false;
        // A redeal can complete the game (Spaces deals its gaps anywhere).
        if (game_.won && game_.inProgress) {
            EndGame();
            return false;
        }
    }
    bool dropped = false;
    if (game_.cardInMotion != 0) {
        const int card = game_.cardInMotion;
        if (target) {
            dropped = !openingPhaseRefuses(card, *target) && tryMoveTo(card, *target, false);
        } else {
            dropped = pointerMoved_ && DropCard(card, dragPosition_);
        }
        game_.cardInMotion = 0;
        if (!dropped) sounds_.play(Sound::CardDown, sounds_.wanted(Field::SoundsCardDown));
        if (dropped && game_.won) {
            EndGame();
            return true;
        }
    }
    if (!game_.inProgress) return dropped;
    afterPlayerAction();
    changed();
    return dropped;
}

void Engine::DoubleClick(Point point) {
    (void)point;
    if (!game_.inProgress) return;
    const PileHit hit = namedPress_ ? *namedPress_ : PileAt(lastPress_, state_.position.piles, geometry());
    if (hit.pileName.empty() || hit.pile.kind == PileKind::Stock) {
        ignoreNextPress_ = false;
        return;
    }
    ignoreNextPress_ = true;
    // A card the first press turned over stays where it is.
    if (pressTurnedCard_ || hit.card == kNoCard || state_.position.cardTable.IsFaceDown(hit.card)) return;
    const Pile& pile = state_.position.piles.pile(hit.pile);
    const bool eligible = (hit.pile.kind == PileKind::Waste && hit.card == pile.top()) ||
                          hit.pile.kind == PileKind::Reserve ||
                          (hit.pile.kind == PileKind::Tableau && hit.card == pile.top());
    if (!eligible) return;
    FollowUps followUps(*this);
    if (!TryMoveToFoundation(hit.card, false, true)) return;
    if (game_.won) {
        EndGame();
        return;
    }
    // The automatic follow-ups belong to this step, not to the release after it.
    afterPlayerAction();
}

std::optional<Point> Engine::CardPoint(int card) const {
    const TableGeometry table = geometry();
    std::optional<Point> found;
    state_.position.piles.forEach([&](PileId id, const Pile& pile) {
        const int at = pile.find(card);
        if (found || at < 0 || card == kNoCard || !isOnTable(id)) return;
        const int skip = pile.size() - 1 - at;
        found = Point{table.PileCardX(id, skip, false), table.PileCardY(id, skip, false)};
    });
    return found;
}

std::optional<Point> Engine::LandingPoint(int card, PileId pile) const {
    const TableGeometry table = geometry();
    int skip = 0;
    if (IsGapsGame(state_.shape().special)) {
        const int gap = GapForCard(state_, card, pile);
        if (gap < 0) return std::nullopt;
        skip = state_.position.piles.pile(pile).size() - 1 - gap;
    }
    return Point{table.PileCardX(pile, skip, false), table.PileCardY(pile, skip, false)};
}

std::vector<PlayerMove> Engine::PressMoves() const {
    std::vector<PlayerMove> presses;
    if (!game_.inProgress || rules()[Rule::SelectionPlay] != 0) return presses;
    MoveList moves;
    GenerateMoves(state_, moves);
    for (const Move& m : moves) {
        if (m.kind == MoveKind::Card && PressedCardGoesTo(state_, m.card, m.from) == m.to) presses.push_back({m.card, m.to});
    }
    return presses;
}

std::vector<CardNumber> Engine::DiscardMoves() const {
    std::vector<CardNumber> cards;
    for (const PlayerMove& press : PressMoves()) cards.push_back(press.card);
    return cards;
}

std::vector<PlayerMove> Engine::LegalMoves() const {
    std::vector<PlayerMove> drags;
    if (!game_.inProgress || rules()[Rule::SelectionPlay] != 0) return drags;
    MoveList moves;
    GenerateMoves(state_, moves);
    for (const Move& m : moves) {
        // The moves a press makes at once are no drags.
        if (m.kind == MoveKind::Card && PressedCardGoesTo(state_, m.card, m.from) != m.to) drags.push_back({m.card, m.to});
    }
    return drags;
}

bool Engine::StockWouldAct() const { return game_.inProgress && dravicor::StockWouldAct(state_); }

}  // namespace dravicor
