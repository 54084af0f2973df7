#include "engine/engine.h"
#include "engine/engine_internal.h"
#include "rules/legality.h"

namespace dravicor {

// A card of a pile may be taken by a press when the pile's pick-up rules
// allow it: the top card, or in a tableau pile a face-up card whose run may
// move as one; a foundation's top card only where the game allows it.
bool Engine::canPickUp(int card, const Pile& pile, PileId source) const {
    const int at = pile.find(card);
    if (at < 0 || card == kNoCard) return false;
    const bool isTop = at == pile.size() - 1;
    switch (source.kind) {
        case PileKind::Tableau: {
            if (position_.cardTable.IsFaceDown(card)) return false;
            if (rules_[Rule::SpecialGame] == 12) {
                // Only a neighbour of the second waste's top card (King and Ace are neighbours).
                const int top = CardRank(position_.piles.stock[2].top());
                const int rank = CardRank(card);
                if (!(rank == top % 13 + 1 || top == rank % 13 + 1)) return false;
            }
            const int carried = pile.size() - at;
            const std::span<const CardNumber> run(pile.groups().data() + at, static_cast<size_t>(carried));
            if (isTop) return MayMoveCount(run, false, position_.piles, rules_);
            return CanMoveRun(run, source.number - 1, position_, rules_) &&
                   MayMoveCount(run, false, position_.piles, rules_);
        }
        case PileKind::Waste: return isTop;
        case PileKind::Reserve: return isTop || rules_[Rule::ReserveDrawMode] == -11;
        case PileKind::Foundation: {
            const int takeBack = rules_[Rule::FoundationTakeBack];
            return isTop && (takeBack == 1 || (takeBack == 2 && pile.size() >= 2));
        }
        default: return false;
    }
}

std::optional<Engine::Pickup> Engine::pickupAt(const PileHit& hit, PointerButton button) {
    if (hit.pileName.empty() || hit.card == kNoCard) return std::nullopt;
    const Pile& pile = position_.piles.pile(hit.pile);
    if (hit.pile.kind == PileKind::Tableau) {
        if (button != PointerButton::Left) return std::nullopt;
        if (hit.card == pile.top() && position_.cardTable.IsFaceDown(hit.card)) {
            pressTurnedCard_ = TurnFaceUp(hit.card);
            return std::nullopt;
        }
    }
    if (!canPickUp(hit.card, pile, hit.pile)) return std::nullopt;
    return Pickup{hit.card, hit.pile, pile.size() - pile.find(hit.card)};
}

void Engine::PointerPress(Point point, PointerButton button) {
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
    const PileHit hit = PileAt(point, position_.piles, table);
    dragSize_ = cardSize_;
    if (hit.pileName.empty()) return;

    // The pairing families select cards instead of picking them up.
    if (rules_[Rule::SelectionPlay] != 0) {
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

    // In the games with a discard pile a taken card goes straight there.
    const int special = rules_[Rule::SpecialGame];
    if (special == 2 || special == 12 || special == 15) {
        const int card = game_.cardInMotion;
        game_.cardInMotion = 0;
        if (MoveCard(card, "Waste") && game_.won) EndGame();
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
    AutoFillTableau();
    if (autoplay_ && autoplayEnabled()) runAutoplay();
}

bool Engine::PointerRelease(Point point) {
    (void)point;
    if (!game_.inProgress) return false;
    FollowUps followUps(*this);
    if (redealArmed_) {
        MoveCard(position_.piles.stock[0].top(), "Mazzo_Vis");
        redealArmed_ = false;
    }
    bool dropped = false;
    if (game_.cardInMotion != 0) {
        const int card = game_.cardInMotion;
        dropped = pointerMoved_ && DropCard(card, dragPosition_);
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
    const PileHit hit = PileAt(lastPress_, position_.piles, geometry());
    if (hit.pileName.empty() || hit.pile.kind == PileKind::Stock) {
        ignoreNextPress_ = false;
        return;
    }
    ignoreNextPress_ = true;
    // A card the first press turned over stays where it is.
    if (pressTurnedCard_ || hit.card == kNoCard || position_.cardTable.IsFaceDown(hit.card)) return;
    const Pile& pile = position_.piles.pile(hit.pile);
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
    position_.piles.forEach([&](PileId id, const Pile& pile) {
        const int at = pile.find(card);
        if (found || at < 0 || card == kNoCard || !isOnTable(id)) return;
        const int skip = pile.size() - 1 - at;
        found = Point{table.PileCardX(id, skip, false), table.PileCardY(id, skip, false)};
    });
    return found;
}

std::vector<CardNumber> Engine::DiscardMoves() const {
    std::vector<CardNumber> cards;
    const int special = rules_[Rule::SpecialGame];
    if (!game_.inProgress || rules_[Rule::SelectionPlay] != 0 || (special != 2 && special != 12 && special != 15)) {
        return cards;
    }
    for (int t = 1; t <= pileCountOf(PileKind::Tableau); ++t) {
        const PileId pile = PileId::Tableau(t);
        const Pile& cardsThere = position_.piles.pile(pile);
        const CardNumber top = cardsThere.top();
        if (top != kNoCard && isOnTable(pile) && canPickUp(top, cardsThere, pile)) cards.push_back(top);
    }
    return cards;
}

std::vector<PlayerMove> Engine::LegalMoves() const {
    std::vector<PlayerMove> moves;
    if (!game_.inProgress || rules_[Rule::SelectionPlay] != 0) return moves;
    std::vector<PileId> sources;
    sources.push_back(PileId::Waste());
    for (int i = 1; i <= pileCountOf(PileKind::Tableau); ++i) sources.push_back(PileId::Tableau(i));
    for (int i = 1; i <= pileCountOf(PileKind::Reserve); ++i) sources.push_back(PileId::Reserve(i));
    for (int i = 1; i <= pileCountOf(PileKind::Foundation); ++i) sources.push_back(PileId::Foundation(i));
    std::vector<PileId> targets;
    for (int i = 1; i <= pileCountOf(PileKind::Foundation); ++i) targets.push_back(PileId::Foundation(i));
    for (int i = 1; i <= pileCountOf(PileKind::Tableau); ++i) targets.push_back(PileId::Tableau(i));
    for (int i = 1; i <= pileCountOf(PileKind::Reserve); ++i) targets.push_back(PileId::Reserve(i));
    if (rules_[Rule::WasteExcluded] != 4) targets.push_back(PileId::Waste());

    const bool openingOnly = rules_[Rule::OpeningPhase] == 1 && game_.moveCounter == 0;
    for (const PileId source : sources) {
        if (!isOnTable(source)) continue;
        if (openingOnly && source.kind != PileKind::Tableau) continue;
        const Pile& pile = position_.piles.pile(source);
        for (const CardNumber card : pile.groups()) {
            if (!canPickUp(card, pile, source)) continue;
            for (const PileId target : targets) {
                if (openingOnly && target.kind != PileKind::Foundation) continue;
                if (CanPlace(card, target)) moves.push_back({card, target});
            }
        }
    }
    return moves;
}

bool Engine::StockWouldAct() const {
    if (!game_.inProgress || !isOnTable(PileId::Stock())) return false;
    const Pile& stock = position_.piles.stock[0];
    // The grid closes its gaps; the one-row games deal onto their row.
    if (rules_[Rule::SelectionPlay] != 0 && rules_[Rule::SpecialGame] == 8) return gridWouldClose();
    if (rules_[Rule::SelectionPlay] != 0 && isRowGame()) return !stock.empty();
    const bool turnsToWaste = rules_[Rule::WasteUnderStock] == 1 || rules_[Rule::ShuffleRedeal] >= 1;
    if (turnsToWaste) {
        if (!stock.empty()) return true;
        if (rules_[Rule::ShuffleRedeal] > 0) return passesLeft();
        return position_.piles.stock[1].size() >= 2 && passesLeft();
    }
    if (stock.empty()) return false;
    const int lastTableau = std::max(0, pileCountOf(PileKind::Tableau) - 1);
    const int firstMode = rules_[Rule::TableauDealMode];
    const int lastMode = rules_[Rule::TableauDealMode + lastTableau];
    if (firstMode == 2 || lastMode == 2) return !anyTableauEmpty();
    if (firstMode == 1 || lastMode == 1) return true;
    const int lastReserve = std::max(0, pileCountOf(PileKind::Reserve) - 1);
    return rules_[Rule::ReserveDealMode] == 1 || rules_[Rule::ReserveDealMode + lastReserve] == 1 ||
           rules_[Rule::ReserveDealMode] == 3 || rules_[Rule::StockToSecondWaste] != 0;
}

}  // namespace dravicor
