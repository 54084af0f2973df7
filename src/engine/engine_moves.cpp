#include <algorithm>

#include "engine/engine.h"
#include "engine/engine_internal.h"
#include "engine/poker.h"
#include "engine/shuffle_redeal.h"
#include "engine/special_indicators.h"
#include "rules/legality.h"
#include "common/product.h"

namespace dravicor {

namespace {


int ToIndex(PileKind kind) {
    switch (kind) {
        case PileKind::Foundation: return Rule::FoundationCount;
        case PileKind::Tableau: return Rule::TableauCount;
        case PileKind::Reserve: return Rule::ReserveCount;
        default: return -1;
    }
}

// The card and everything above it in its pile, bottom first.
std::vector<CardNumber> RunFrom(const Pile& pile, int card) {
    const int at = pile.find(card);
    if (at < 0) return {};
    return {pile.groups().begin() + at, pile.groups().end()};
}

}  // namespace

int Engine::pileCountOf(PileKind kind) const {
    const int index = ToIndex(kind);
    return index < 0 ? 0 : rules_[index];
}

bool Engine::anyTableauEmpty() const {
    for (int t = 0; t < pileCountOf(PileKind::Tableau); ++t) {
        if (position_.piles.tableau[static_cast<size_t>(t)].empty()) return true;
    }
    return false;
}

bool Engine::passesLeft() const {
    const int limit = rules_[Rule::Redeals];
    return limit == -1 || game_.passNumber < limit;
}

void Engine::recomputeScore() {
    if (rules_[Rule::SpecialGame] == 9) {
        scorePokerGrid(-1);
        return;
    }
    if (settings_.get(Field::ScoringSystem) == "01") {
        int played = rules_[Rule::ScoreBonusCards] + position_.piles.stock[2].size();
        for (const Pile& f : position_.piles.foundations) played += f.size();
        game_.score = 5 * played - rules_[Rule::CardCount];
    }
    settings_.put(Field::CurrentScore, std::to_string(game_.score));
}

bool Engine::firstMoveRuleRefuses(int card, std::string_view target) const {
    if (rules_[Rule::OpeningPhase] != 1 || game_.moveCounter != 0) return false;
    const int location = CardLocation(position_.piles, card);
    return !(location >= 1 && location <= kTableauCount && target.starts_with("Dest"));
}

bool Engine::CanPlace(int card, PileId target, bool byAutoplay) const {
    if (!IsCard(card)) return false;
    const int location = CardLocation(position_.piles, card);
    // Where the card lies, and how many cards come along from a tableau pile.
    int carried = 1;
    std::span<const CardNumber> run;
    std::optional<PileId> source;
    if (location >= 1 && location <= kTableauCount) {
        source = PileId::Tableau(location);
        const Pile& pile = position_.piles.tableau[static_cast<size_t>(location - 1)];
        const int at = pile.find(card);
        carried = pile.size() - at;
        run = std::span<const CardNumber>(pile.groups().data() + at, static_cast<size_t>(carried));
    } else if (location <= -21 && location >= -28) {
        source = PileId::Reserve(-20 - location);
    } else if (location <= -1 && location >= -16) {
        source = PileId::Foundation(-location);
    } else if (location == kLocationWaste) {
        source = PileId::Waste();
    }
    if (source && *source == target) return false;
    if (!PileLists::IsValid(target) || !isOnTable(target)) return false;

    const Pile& pile = position_.piles.pile(target);
    const int top = pile.top();
    const PlaceContext context{position_, rules_, location, false};
    const int index = target.number - 1;
    switch (target.kind) {
        case PileKind::Foundation: {
            if (index >= pileCountOf(PileKind::Foundation) || carried != 1) return false;
            const int build = rules_[Rule::FoundationBuild + index];
            if (build != 20 && build != 29 && pile.size() >= rules_[Rule::FoundationMaxCards]) return false;
            if (build == 20 && pile.size() >= 52) return false;
            if (!TableauMoveCountAllowsFoundation(position_, rules_, game_.moveLog, card)) return false;
            const PileRules pileRules =
                byAutoplay ? FoundationAutoRules(rules_, index) : FoundationDropRules(rules_, index);
            const int a = pile.empty() ? (byAutoplay ? 0 : -1) : top;
            return CanPlaceOn(a, card, pileRules, target, !byAutoplay, context);
        }
        case PileKind::Tableau: {
            if (index >= pileCountOf(PileKind::Tableau)) return false;
            if (!pile.empty() && position_.cardTable.IsFaceDown(top)) return false;
            if (rules_[Rule::TableauBuild + index] == 34 && carried > 1 && !pile.empty()) return false;
            // The size of a run is checked against its destination: fewer cards
            // may go to an empty pile in the free-cell games.
            if (carried > 1 && !MayMoveCount(run, pile.empty(), position_.piles, rules_)) return false;
            return CanPlaceOn(pile.empty() ? -1 : top, card, TableauRules(rules_, index), target, true, context);
        }
        case PileKind::Reserve: {
            if (index >= pileCountOf(PileKind::Reserve) || carried != 1) return false;
            const int size = position_.piles.reserves[0].size();
            switch (rules_[Rule::ReserveCode + index]) {
                case 4: return false;
                case 8: return CardRank(card) == 13 && size < 3;
                case 13: return size < 5;
                case 9: return pile.empty() && IsFaceCard(card);
                default: return pile.empty();
            }
        }
        case PileKind::Waste: {
            if (carried != 1 || rules_[Rule::WasteExcluded] == 4 || rules_[Rule::WastePlay] != 2 || pile.empty())
                return false;
            const int a = CardRank(top);
            const int b = CardRank(card);
            return (b == a + 1 || b == a - 1) && IsRedCard(top) == IsRedCard(card);
        }
        default: return false;
    }
}

bool Engine::moveToPile(int card, PileId target, bool byAutoplay) {
    PushSnapshot(true, true);
    if (target.kind == PileKind::Tableau) noteTableauMove();
    const auto sourceKind = position_.piles.RemoveCardAnywhere(card, RemoveMode::Delete);
    position_.Append(target, static_cast<CardNumber>(card), true);
    const bool faceUpDue = sourceKind == PileKind::Tableau;
    game_.won = IsGameWon();
    switch (target.kind) {
        case PileKind::Foundation:
            if (byAutoplay) {
                sounds_.play(Sound::Autoplay, sounds_.wanted(Field::SoundsAutoplay));
            } else {
                sounds_.play(Sound::Foundation, sounds_.wanted(Field::SoundsFoundation));
            }
            if (rules_[Rule::ReorderAfterFoundation] == 1) reorderFoundation(target);
            break;
        case PileKind::Tableau:
        case PileKind::Reserve: sounds_.play(Sound::Tableau, sounds_.wanted(Field::SoundsTableau)); break;
        case PileKind::SecondWaste:
            if (rules_[Rule::SpecialGame] == 12) sounds_.play(Sound::Eddy, sounds_.wanted(Field::SoundsFoundation));
            break;
        default: break;
    }
    finishMove(true, faceUpDue, card);
    return true;
}

void Engine::noteTableauMove() {
    if (rules_[Rule::SpecialGame] != 23) return;
    // The count of these moves opens and closes the foundations to tableau cards.
    std::string entry = game_.moveLog.pop();
    entry += kTableauMoveCode;
    game_.moveLog.push(entry);
}

void Engine::reorderFoundation(PileId foundation) {
    Pile& pile = position_.piles.pile(foundation);
    std::vector<CardNumber> cards = pile.groups();
    std::sort(cards.begin(), cards.end());
    pile.clear();
    for (const CardNumber c : cards) pile.append(c);
    if (pile.size() > 1) sounds_.play(Sound::Reorder, true);
}

bool Engine::moveRunToTableau(int card, PileId target) {
    const int location = CardLocation(position_.piles, card);
    if (location < 1 || location > kTableauCount) return moveToPile(card, target, false);
    Pile& source = position_.piles.tableau[static_cast<size_t>(location - 1)];
    const std::vector<CardNumber> run = RunFrom(source, card);
    if (run.size() <= 1) return moveToPile(card, target, false);
    PushSnapshot(true, true);
    noteTableauMove();
    for (size_t i = 0; i < run.size(); ++i) source.remove(run[run.size() - 1 - i], RemoveMode::Delete);
    for (const CardNumber c : run) position_.Append(target, c, true);
    game_.won = IsGameWon();
    sounds_.play(Sound::Tableau, sounds_.wanted(Field::SoundsTableau));
    finishMove(true, true);
    return true;
}

void Engine::dealStockTopTo(PileId pile) {
    Pile& stock = position_.piles.stock[0];
    const CardNumber card = stock.top();
    stock.remove(card, RemoveMode::Delete);
    position_.Append(pile, card, true);
}

bool Engine::turnStockCards(bool toSecondWaste) {
    Pile& stock = position_.piles.stock[0];
    if (stock.empty()) return false;
    PushSnapshot(true, true);
    const int count = std::max<int>(1, rules_[Rule::CardsPerStockDeal]);
    const PileId target = toSecondWaste ? PileId::SecondWaste() : PileId::Waste();
    for (int i = 0; i < count && !stock.empty(); ++i) {
        dealStockTopTo(target);
        sounds_.play(Sound::Stock, sounds_.wanted(Field::SoundsStock));
        game_.won = IsGameWon();
    }
    finishMove(true, false);
    return true;
}

bool Engine::redeal() {
    PushSnapshot(true, true);  // the step keeps the pass it was taken in
    ++game_.passNumber;
    Pile& stock = position_.piles.stock[0];
    Pile& waste = position_.piles.stock[1];
    stock.clear();
    const bool faceDown = rules_[Rule::StockFaceDown] != 0;
    const bool animate = settings_.get(Field::RedealAnimation) != "N";
    if (animate) sounds_.loop(Sound::Redeal, sounds_.wanted(Field::SoundsRedeal));
    while (!waste.empty()) {
        const CardNumber card = waste.top();
        waste.remove(card, RemoveMode::Delete);
        position_.Append(PileId::Stock(), card, !faceDown);
    }
    if (animate) {
        platform_.clock.pause(std::chrono::milliseconds(100));
        sounds_.loop("", false);
    }
    finishMove(true, false);
    return true;
}

// The games without a waste gather their tableau, mix it by a fixed rule
// and deal it out again.
bool Engine::shuffleRedeal() {
    PushSnapshot(true, true);  // the step keeps the pass it was taken in
    ++game_.passNumber;
    lastShuffle_ = ShuffleRedeal(position_, rules_);
    // The front end's flights repeat the sound card by card.
    sounds_.play(Sound::Shuffle, sounds_.wanted(Field::SoundsShuffle));
    game_.won = IsGameWon();
    finishMove(true, false);
    return true;
}

bool Engine::dealToPiles(std::string_view action) {
    Pile& stock = position_.piles.stock[0];
    const bool fill = action == "Fill_Tableaus";
    const bool toReserves = action == "Add_Reserves";
    const bool everyPile = action == "Add_Tableaus_Last";
    if (stock.empty()) return false;
    if (!fill) PushSnapshot(true, true);
    const int piles = pileCountOf(toReserves ? PileKind::Reserve : PileKind::Tableau);
    for (int i = 0; i < piles && !stock.empty(); ++i) {
        const PileId pile = toReserves ? PileId::Reserve(i + 1) : PileId::Tableau(i + 1);
        const int mode = rules_[(toReserves ? Rule::ReserveDealMode : Rule::TableauDealMode) + i];
        const bool receives = fill ? position_.piles.pile(pile).empty() : everyPile || (mode >= 1 && mode <= 3);
        if (!receives) continue;
        // The one-row games keep an empty place before every dealt card.
        if (!toReserves && i == 0 && rules_[Rule::TableauSpread] == 8) position_.piles.pile(pile).append(kNoCard);
        dealStockTopTo(pile);
    }
    sounds_.play(Sound::Shuffle, sounds_.wanted(Field::SoundsShuffle));
    game_.won = IsGameWon();
    finishMove(!fill, false);
    return true;
}

bool Engine::MoveCard(int card, std::string_view target) {
    if (firstMoveRuleRefuses(card, target)) return false;

    if (target.starts_with("Mazzo")) {
        if (!position_.piles.stock[0].empty()) return turnStockCards(target != "Mazzo_Vis");
        const bool shuffles = rules_[Rule::ShuffleRedeal] > 0;
        if (target != "Mazzo_Vis" || !passesLeft()) return false;
        if (!shuffles && position_.piles.stock[1].size() < 2) return false;
        if (!redealArmed_) {
            redealArmed_ = true;  // a press arms; the release redeals
            changed();
            return false;
        }
        redealArmed_ = false;
        return shuffles ? shuffleRedeal() : redeal();
    }
    if (target == "Add_Tableaus" || target == "Add_Reserves" || target == "Fill_Tableaus" ||
        target == "Add_Tableaus_Last") {
        return dealToPiles(target);
    }
    if (target == "Selezionate_Dest") return discardSelection();
    if (target == "Selezionate_Fila") return refillEmptyTableaus();
    if (target == "Stock_To_Pile_Monte_Carlo") return consolidateGrid();
    if (!IsCard(card) || CardLocation(position_.piles, card) == kLocationNowhere) {
        // The second waste is not searched by CardLocation; cards there stay.
        return false;
    }
    if (target == "Stock02") return moveToPile(card, PileId::Waste(), false);
    if (target == "Waste") return moveToPile(card, PileId::SecondWaste(), false);
    if (target.starts_with("Dest_Autoplay")) {
        const auto pile = ParsePileName(target);
        return pile && moveToPile(card, *pile, true);
    }
    const auto pile = ParsePileName(target);
    if (!pile) return false;
    if (pile->kind == PileKind::Tableau) return moveRunToTableau(card, *pile);
    if (pile->kind == PileKind::Foundation || pile->kind == PileKind::Reserve) return moveToPile(card, *pile, false);
    return false;
}

void Engine::finishMove(bool executed, bool faceUpDue, int placedCard) {
    if (executed) {
        if (rules_[Rule::SpecialGame] == 9) {
            scorePokerGrid(placedCard);
        } else {
            recomputeScore();
        }
    }
    if (faceUpDue && !(autoplay_ && autoplayEnabled())) AutoFaceUp();
    if (executed) PushSnapshot(false, true);
    if (executed && game_.moveCounter < 2) ++game_.moveCounter;
    if (executed && rules_[Rule::FillTableauAction] != 0 && game_.moveCounter == 1) {
        MoveCard(7, "Fill_Tableaus");
    }
    changed();
}

bool Engine::tryMoveTo(int card, PileId target, bool byAutoplay) {
    if (!CanPlace(card, target, byAutoplay)) return false;
    switch (target.kind) {
        case PileKind::Foundation:
            return MoveCard(card, (byAutoplay ? "Dest_Autoplay" : "Dest") + std::to_string(target.number));
        case PileKind::Tableau: return MoveCard(card, PileName(target));
        case PileKind::Reserve: return MoveCard(card, PileName(target));
        case PileKind::Waste: return MoveCard(card, "Stock02");
        default: return false;
    }
}

bool Engine::DropCard(int card, Point dropPoint) {
    const Rect dragged = Rect::At(dropPoint, cardSize_);
    const TableGeometry table = geometry();
    const bool openingOnly = rules_[Rule::OpeningPhase] == 1 && game_.moveCounter == 0;
    const int location = CardLocation(position_.piles, card);
    if (openingOnly && !(location >= 1 && location <= kTableauCount)) return false;

    struct Candidate {
        long long area;
        int kind;
        int index;
        PileId pile;
    };
    std::vector<Candidate> candidates;
    const auto consider = [&](PileId pile) {
        if (!isOnTable(pile)) return;
        if (openingOnly && pile.kind != PileKind::Foundation) return;
        const Rect top = Rect::At({table.PileCardX(pile, 0, false), table.PileCardY(pile, 0, false)}, cardSize_);
        const long long width = std::min(top.right, dragged.right) - std::max(top.left, dragged.left);
        const long long height = std::min(top.bottom, dragged.bottom) - std::max(top.top, dragged.top);
        if (width > 0 && height > 0) {
            candidates.push_back({width * height, static_cast<int>(pile.kind), pile.number - 1, pile});
        }
    };
    for (int i = 1; i <= pileCountOf(PileKind::Foundation); ++i) consider(PileId::Foundation(i));
    for (int i = 1; i <= pileCountOf(PileKind::Tableau); ++i) consider(PileId::Tableau(i));
    for (int i = 1; i <= pileCountOf(PileKind::Reserve); ++i) consider(PileId::Reserve(i));
    if (rules_[Rule::WasteExcluded] != 4) consider(PileId::Waste());

    // Largest overlap first; on equal areas the higher kind, then the higher index.
    std::sort(candidates.begin(), candidates.end(), [](const Candidate& a, const Candidate& b) {
        return std::tie(a.area, a.kind, a.index) > std::tie(b.area, b.kind, b.index);
    });
    if (candidates.size() > 4) candidates.resize(4);
    for (const Candidate& c : candidates) {
        if (tryMoveTo(card, c.pile, false)) return true;
    }
    return false;
}

bool Engine::TryMoveToFoundation(int card, bool byAutoplay, bool reservesToo) {
    if (!IsCard(card) || position_.cardTable.IsFaceDown(card)) return false;
    const int foundations = pileCountOf(PileKind::Foundation);
    bool skipFoundations = false;
    if (byAutoplay) {
        // Games whose foundations all start by the player's choice.
        skipFoundations = foundations > 0;
        for (int i = 0; i < foundations && skipFoundations; ++i) {
            skipFoundations = rules_[Rule::FoundationFirstCard + i] == 92 &&
                              position_.piles.foundations[static_cast<size_t>(i)].empty();
        }
    }
    game_.cardInMotion = static_cast<std::int16_t>(card);
    bool moved = false;
    for (int i = 1; !skipFoundations && !moved && i <= foundations; ++i) {
        moved = isOnTable(PileId::Foundation(i)) && tryMoveTo(card, PileId::Foundation(i), byAutoplay);
    }
    for (int i = 1; reservesToo && !moved && i <= pileCountOf(PileKind::Reserve); ++i) {
        moved = isOnTable(PileId::Reserve(i)) && tryMoveTo(card, PileId::Reserve(i), byAutoplay);
    }
    game_.cardInMotion = 0;
    return moved;
}

bool Engine::StockClick() {
    const Pile& stock = position_.piles.stock[0];
    const int lastTableau = std::max(0, pileCountOf(PileKind::Tableau) - 1);
    const int lastReserve = std::max(0, pileCountOf(PileKind::Reserve) - 1);
    const int firstMode = rules_[Rule::TableauDealMode];
    const int lastMode = rules_[Rule::TableauDealMode + lastTableau];
    bool moved = false;
    if (rules_[Rule::WasteUnderStock] == 1 || rules_[Rule::ShuffleRedeal] >= 1) {
        moved = MoveCard(stock.top(), "Mazzo_Vis");
    } else if (firstMode == 1 || lastMode == 1) {
        moved = MoveCard(7, "Add_Tableaus");
    } else if (firstMode != 2 && lastMode != 2) {
        const int reserveMode = rules_[Rule::ReserveDealMode];
        if (reserveMode == 1 || rules_[Rule::ReserveDealMode + lastReserve] == 1) {
            moved = MoveCard(7, "Add_Reserves");
        } else if (reserveMode == 3) {
            if (stock.size() == 8) {
                moved = MoveCard(7, "Add_Tableaus_Last");
            } else {
                moved = MoveCard(7, "Add_Reserves");
                moved = MoveCard(7, "Add_Reserves") || moved;
            }
        } else if (rules_[Rule::StockToSecondWaste] != 0) {
            moved = MoveCard(stock.top(), "Mazzo_Waste");
        }
    } else if (anyTableauEmpty()) {
        platform_.messages.showMessage("Before deal, fill any gaps in the tableau", kProductName,
                                       MessageIcon::Information);
    } else if (!stock.empty()) {
        moved = MoveCard(7, "Add_Tableaus");
    }
    const int special = rules_[Rule::SpecialGame];
    if (moved && (special == 2 || special == 12 || special == 15) && game_.won) EndGame();
    return moved;
}

}  // namespace dravicor
