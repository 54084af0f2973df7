#include <algorithm>

#include "engine/engine.h"
#include "engine/engine_internal.h"

namespace dravicor {

void Engine::SetAutoplay(bool on) {
    autoplay_ = on;
    if (!on || !game_.inProgress) return;
    FollowUps followUps(*this);
    runAutoplay();
}

void Engine::runAutoplay() {
    while (AutoplayPass()) AutoFillTableau();
}

bool Engine::AutoplayPass() {
    game_.gameOverHandled = false;
    const int tableau = pileCountOf(PileKind::Tableau);
    if (!autoplay_ || !autoplayEnabled() || tableau == 0 || !game_.inProgress) return false;
    autoplayRunning_ = true;
    const bool turnUp = settings_.get(Field::AutomaticFaceUp) != "N";
    bool anyMoved = false;
    bool movedInSweep = true;
    while (movedInSweep && !game_.gameOverHandled) {
        movedInSweep = false;
        for (int t = 0; t < tableau && !game_.gameOverHandled; ++t) {
            const Pile& pile = position_.piles.tableau[static_cast<size_t>(t)];
            if (pile.empty() || pile.top() == kNoCard) continue;
            const int card = pile.top();
            if (turnUp && position_.cardTable.IsFaceDown(card)) TurnFaceUp(card);
            movedInSweep = TryMoveToFoundation(card, true, false) || movedInSweep;
        }
        if (game_.gameOverHandled) break;
        if (rules_[Rule::WasteExcluded] != 4 && isOnTable(PileId::Waste())) {
            const int card = position_.piles.stock[1].top();
            if (card != kNoCard) movedInSweep = TryMoveToFoundation(card, true, false) || movedInSweep;
        }
        for (int r = 0; r < pileCountOf(PileKind::Reserve) && !game_.gameOverHandled; ++r) {
            const int card = position_.piles.reserves[static_cast<size_t>(r)].top();
            if (card != kNoCard) movedInSweep = TryMoveToFoundation(card, true, false) || movedInSweep;
        }
        anyMoved = anyMoved || movedInSweep;
    }
    autoplayRunning_ = false;
    if (game_.won && game_.inProgress) EndGame();
    game_.gameOverHandled = false;
    return anyMoved;
}

bool Engine::TurnFaceUp(int card) {
    if (!IsCard(card) || !position_.cardTable.IsFaceDown(card)) return false;
    PushSnapshot(true, true);
    position_.cardTable.SetFaceUp(card, true);
    sounds_.play(Sound::FaceUp, sounds_.wanted(Field::SoundsFaceUp));
    PushSnapshot(false, true);
    changed();
    return true;
}

bool Engine::AutoFaceUp() {
    if (settings_.get(Field::AutomaticFaceUp) == "N") return false;
    bool turned = false;
    for (int t = 0; t < pileCountOf(PileKind::Tableau); ++t) {
        const int top = position_.piles.tableau[static_cast<size_t>(t)].top();
        if (top != kNoCard && position_.cardTable.IsFaceDown(top)) turned = TurnFaceUp(top) || turned;
    }
    return turned;
}

bool Engine::AutoFillTableau() {
    const int rule = rules_[Rule::AutoFillEmptyTableau];
    if (rule == 0 || !game_.inProgress) return false;
    if (rules_[Rule::OpeningPhase] != 0 && game_.moveCounter == 0) return false;
    bool foundEmpty = false;
    for (int t = 0; t < pileCountOf(PileKind::Tableau); ++t) {
        if (!position_.piles.tableau[static_cast<size_t>(t)].empty()) continue;
        foundEmpty = true;
        const Pile& stock = position_.piles.stock[0];
        const Pile& waste = position_.piles.stock[1];
        int card = kNoCard;
        switch (rule) {
            case 1: card = position_.piles.reserves[0].top(); break;
            case 2: card = !waste.empty() ? waste.top() : stock.top(); break;
            case 3: card = !stock.empty() ? stock.top() : waste.top(); break;
            case 4:
                if (game_.moveLog.text().find("001") != std::string::npos) return foundEmpty;
                card = !waste.empty() ? waste.top() : stock.top();
                break;
            default: return foundEmpty;
        }
        if (card == kNoCard) continue;
        if (MoveCard(card, "Fila" + std::to_string(t + 1))) CollapseLastSteps(1);
    }
    return foundEmpty;
}

bool Engine::IsGameWon() const {
    const PileLists& piles = position_.piles;
    const int special = rules_[Rule::SpecialGame];
    const int tableau = pileCountOf(PileKind::Tableau);
    if (special == 9) {
        for (int t = 0; t < tableau; ++t) {
            if (piles.tableau[static_cast<size_t>(t)].empty()) return false;
        }
        return true;
    }
    if (special == 21 || special == 22) return piles.stock[0].empty() && piles.tableau[0].size() <= 4;
    if (!piles.stock[0].empty() || !piles.stock[1].empty()) return false;
    for (const Pile& reserve : piles.reserves) {
        if (!reserve.empty()) return false;
    }
    for (const Pile& pile : piles.tableau) {
        if (pile.empty()) continue;
        const bool onlySlots = std::all_of(pile.groups().begin(), pile.groups().end(), [](CardNumber c) { return c == kNoCard; });
        if (!(special == 4 && onlySlots)) return false;
    }
    return true;
}

}  // namespace dravicor
