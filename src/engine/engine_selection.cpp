// Selection play: the pairing games, where the player discards sets of cards
// by pressing them one after the other. Which cards may be selected together
// and when a selection is complete depends on the game's family
// (Rule::SpecialGame) and its target value (Rule::SelectionPlay).
#include <algorithm>
#include <numeric>

#include "engine/engine.h"
#include "engine/engine_internal.h"
#include "rules/legality.h"

namespace dravicor {

namespace {

bool IsFace(int card) { return CardRank(card) >= 11; }

int RankSum(const std::vector<CardNumber>& cards) {
    return std::accumulate(cards.begin(), cards.end(), 0, [](int sum, CardNumber c) { return sum + CardRank(c); });
}

bool AllBelowRank(const std::vector<CardNumber>& cards, int limit) {
    return std::all_of(cards.begin(), cards.end(), [limit](CardNumber c) { return CardRank(c) <= limit; });
}

int CountRank(const std::vector<CardNumber>& cards, int rank) {
    return static_cast<int>(std::count_if(cards.begin(), cards.end(), [rank](CardNumber c) { return CardRank(c) == rank; }));
}

bool SameRank(const std::vector<CardNumber>& cards) {
    return std::all_of(cards.begin(), cards.end(), [&](CardNumber c) { return CardRank(c) == CardRank(cards.front()); });
}

// Number cards only (at most two) or at most one of each high rank from
// `firstHigh` to the King with no number card among them.
bool NumbersOrOneOfEachHigh(const std::vector<CardNumber>& cards, int firstHigh) {
    if (AllBelowRank(cards, firstHigh - 1)) return cards.size() <= 2;
    for (const CardNumber c : cards) {
        if (CardRank(c) < firstHigh || CountRank(cards, CardRank(c)) > 1) return false;
    }
    return true;
}

bool HoldsEachRankFrom(const std::vector<CardNumber>& cards, int firstHigh) {
    if (static_cast<int>(cards.size()) != 14 - firstHigh) return false;
    for (int rank = firstHigh; rank <= 13; ++rank) {
        if (CountRank(cards, rank) != 1) return false;
    }
    return true;
}

// Decade counts the court cards as ten.
int DecadeValue(int card) { return std::min(CardRank(card), 10); }

}  // namespace

void Engine::ClearSelection() {
    if (selection_.empty()) return;
    selection_.clear();
    changed();
}

std::vector<std::vector<CardNumber>> Engine::SelectionMoves() const {
    std::vector<std::vector<CardNumber>> moves;
    if (!game_.inProgress || rules_[Rule::SelectionPlay] == 0) return moves;
    const int special = rules_[Rule::SpecialGame];
    const bool freeCardsOnly = special == 3 || special == 4;

    // The cards a press would select, in table order.
    struct Pressable {
        CardNumber card;
        PileId pile;
    };
    std::vector<Pressable> cards;
    const auto add = [&](PileId pile, CardNumber card) {
        if (card == kNoCard || position_.cardTable.IsFaceDown(card) || !isOnTable(pile)) return;
        if (freeCardsOnly && !mayBeTaken(card, pile)) return;
        cards.push_back({card, pile});
    };
    for (int t = 1; t <= pileCountOf(PileKind::Tableau); ++t) {
        for (const CardNumber card : position_.piles.pile(PileId::Tableau(t)).groups()) add(PileId::Tableau(t), card);
    }
    if (freeCardsOnly) add(PileId::Waste(), position_.piles.stock[1].top());
    if (special == 3 || special == 14 || special == 16) {
        for (int r = 1; r <= pileCountOf(PileKind::Reserve); ++r) add(PileId::Reserve(r), position_.piles.pile(PileId::Reserve(r)).top());
    }

    // Selections grow card by card while the family accepts them; one that
    // completes is a move and grows no further. The one-row games complete
    // only runs of neighbouring cards, so only runs are grown there.
    constexpr size_t kLargestSelection = 4;
    std::vector<CardNumber> selection;
    const auto grow = [&](const auto& self, size_t from) -> void {
        for (size_t i = from; i < cards.size(); ++i) {
            if (isRowGame() && !selection.empty() && i != from) break;
            selection.push_back(cards[i].card);
            const bool accepted = freeCardsOnly ? selection.size() <= 2
                                                : selectionValid(selection, cards[i].card, cards[i].pile);
            if (accepted && selectionComplete(selection)) {
                moves.push_back(selection);
            } else if (accepted && selection.size() < kLargestSelection) {
                self(self, i + 1);
            }
            selection.pop_back();
        }
    };
    grow(grow, 0);

    // Where a press turns a face-down top card over, that press is a move too.
    if (special == 25 || special == 26) {
        for (int t = 1; t <= pileCountOf(PileKind::Tableau); ++t) {
            const CardNumber top = position_.piles.pile(PileId::Tableau(t)).top();
            if (top != kNoCard && position_.cardTable.IsFaceDown(top)) moves.push_back({top});
        }
    }
    return moves;
}

bool Engine::isRowGame() const {
    const int special = rules_[Rule::SpecialGame];
    return special >= 20 && special <= 23;
}

// Families 3 and 4 select only cards that may be taken: the top card of a
// tableau pile or reserve, or in family 4 a card no longer covered by the
// two places of the next tableau pile that overlap it.
bool Engine::mayBeTaken(int card, PileId pile) const {
    if (pile.kind == PileKind::Waste) return card == position_.piles.stock[1].top();
    if (rules_[Rule::SpecialGame] != 4) return IsTopCard(position_.piles, card);
    if (pile.kind != PileKind::Tableau) return IsTopCard(position_.piles, card);
    const Pile& own = position_.piles.pile(pile);
    const int place = own.find(card);
    if (pile.number >= kTableauCount) return true;
    const Pile& next = position_.piles.tableau[static_cast<size_t>(pile.number)];
    const auto emptyAt = [&next](int at) { return at >= next.size() || next[at] == kNoCard; };
    const bool onlySlots = std::all_of(next.groups().begin(), next.groups().end(), [](CardNumber c) { return c == kNoCard; });
    return onlySlots || (emptyAt(place) && emptyAt(place + 1));
}

// The selected cards' places in the row (tableau pile 1) follow one
// another, empty places aside.
bool Engine::selectionContiguous(const std::vector<CardNumber>& selection) const {
    if (selection.empty()) return true;
    const Pile& row = position_.piles.tableau[0];
    size_t found = 0;
    bool started = false;
    for (const CardNumber card : row.groups()) {
        if (card == kNoCard) continue;
        const bool selected = std::find(selection.begin(), selection.end(), card) != selection.end();
        if (selected) {
            started = true;
            ++found;
        } else if (started) {
            break;
        }
    }
    return found == selection.size();
}

// Families 21 and 22: the cards two places before the first and two after
// the last selected card share a rank or, failing that, a suit.
bool Engine::flanksMatch(const std::vector<CardNumber>& selection) const {
    const Pile& row = position_.piles.tableau[0];
    int first = row.size();
    int last = -1;
    for (const CardNumber card : selection) {
        const int at = row.find(card);
        if (at < 0) return false;
        first = std::min(first, at);
        last = std::max(last, at);
    }
    if (first - 2 < 0 || last + 2 >= row.size()) return false;
    const int left = row[first - 2];
    const int right = row[last + 2];
    if (left == kNoCard || right == kNoCard) return false;
    return CardRank(left) == CardRank(right) || CardSuitIndex(left) == CardSuitIndex(right);
}

bool Engine::selectionValid(const std::vector<CardNumber>& selection, int pressed, PileId pressedPile) const {
    const int special = rules_[Rule::SpecialGame];
    const int target = rules_[Rule::SelectionPlay];
    const size_t n = selection.size();
    switch (special) {
        case 1: {
            if (AllBelowRank(selection, 9)) {
                const bool numbers = std::any_of(selection.begin(), selection.end(), [](CardNumber c) { return CardRank(c) <= 9; });
                return !(target == 10 && n >= 3 && numbers);
            }
            return SameRank(selection) && CardRank(selection.front()) >= 10;
        }
        case 8: {
            if (n > 2) return false;
            if (n < 2) return true;
            if (CardRank(selection[0]) != CardRank(selection[1])) return false;
            const int firstPile = CardLocation(position_.piles, selection[0]);
            const int secondPile = pressedPile.kind == PileKind::Tableau ? pressedPile.number
                                                                         : CardLocation(position_.piles, selection[1]);
            if (firstPile < 1 || secondPile < 1 || firstPile == secondPile) return false;
            const int a = firstPile - 1;
            const int b = secondPile - 1;
            return std::abs(a / 5 - b / 5) <= 1 && std::abs(a % 5 - b % 5) <= 1;
        }
        case 14:
        case 16:
            if (n > 2 || (n == 2 && CardRank(selection[0]) != CardRank(selection[1]))) return false;
            return std::find(selection.begin(), selection.end(), pressed) == selection.end() ||
                   IsTopCard(position_.piles, pressed);
        case 17: return NumbersOrOneOfEachHigh(selection, 11);
        case 18: {
            if (n > 4) return false;
            const int faces = static_cast<int>(std::count_if(selection.begin(), selection.end(), IsFace));
            if (faces > 1 || static_cast<int>(n) - faces > 3) return false;
            if (CountRank(selection, 1) > 0 && n > 1) return false;
            for (const CardNumber c : selection) {
                if (CountRank(selection, CardRank(c)) > 1) return false;
            }
            return true;
        }
        case 20: return true;
        case 21:
        case 22:
            if (n > 2 || !selectionContiguous(selection)) return false;
            return special == 21 || std::none_of(selection.begin(), selection.end(),
                                                 [](CardNumber c) { return c == 12 || c == 13; });
        case 23: return selectionContiguous(selection);
        case 24: return NumbersOrOneOfEachHigh(selection, 10);
        case 25: return n <= 2 && (n < 2 || CardRank(selection[0]) == CardRank(selection[1]));
        case 26: return n <= 3 && NumbersOrOneOfEachHigh(selection, 11);
        case 7: return n <= 2;
        default: return true;
    }
}

bool Engine::selectionComplete(const std::vector<CardNumber>& selection) const {
    const int special = rules_[Rule::SpecialGame];
    const int target = rules_[Rule::SelectionPlay];
    const size_t n = selection.size();
    if (n == 0) return false;
    switch (special) {
        case 1:
            if (n == 4 && SameRank(selection) && CardRank(selection.front()) >= 10) return true;
            if (!AllBelowRank(selection, 9)) return false;
            if (target == 15) return RankSum(selection) == 15;
            return target == 10 && n == 2 && RankSum(selection) == 10;
        case 3: return RankSum(selection) == 14;
        case 4: return RankSum(selection) == 13;
        case 8:
        case 14:
        case 16:
        case 25: return n == 2;
        case 17:
        case 26:
            return (n == 2 && AllBelowRank(selection, 10) && RankSum(selection) == 11) || HoldsEachRankFrom(selection, 11);
        case 18: {
            if (n == 1) return CardRank(selection[0]) == 1;
            if (n != 4) return false;
            int sum = 0;
            int faces = 0;
            for (const CardNumber c : selection) {
                if (IsFace(c)) {
                    ++faces;
                } else if (CardRank(c) >= 2) {
                    sum += CardRank(c);
                }
            }
            return faces == 1 && sum == 18 && CountRank(selection, 1) == 0;
        }
        case 20: {
            if (n < 2 || !selectionContiguous(selection)) return false;
            const int sum = std::accumulate(selection.begin(), selection.end(), 0,
                                            [](int s, CardNumber c) { return s + DecadeValue(c); });
            return sum == 10 || sum == 20 || sum == 30;
        }
        case 21:
        case 22: return selectionContiguous(selection) && flanksMatch(selection);
        case 23: return RankSum(selection) % 7 == 0;
        case 24:
            return (AllBelowRank(selection, 9) && RankSum(selection) == 9 && n <= 2) || HoldsEachRankFrom(selection, 10);
        default: return RankSum(selection) == target;
    }
}

void Engine::selectionPress(const PileHit& hit) {
    const int special = rules_[Rule::SpecialGame];
    const bool stockGame = special == 8 || isRowGame();
    if (hit.pile.kind == PileKind::Stock) {
        if (special == 8) {
            MoveCard(0, "Stock_To_Pile_Monte_Carlo");
        } else if (stockGame) {
            MoveCard(7, "Add_Tableaus");
        } else {
            // A game with a stock and waste (Pyramid) turns its cards as usual.
            StockClick();
        }
        return;
    }
    const bool familyOfTops = special == 3 || special == 14 || special == 16;
    // The waste's top card pairs with the tableau in the games of free cards.
    const bool wasteTop = (special == 3 || special == 4) && hit.pile.kind == PileKind::Waste;
    const bool selectable = hit.pile.kind == PileKind::Tableau || wasteTop ||
                            (familyOfTops && hit.pile.kind == PileKind::Reserve);
    const int card = hit.card;
    if (!selectable || card == kNoCard) return;

    // In these families a face-down card is only turned over.
    if ((special == 25 || special == 26) && position_.cardTable.IsFaceDown(card)) {
        if (IsTopCard(position_.piles, card)) TurnFaceUp(card);
        return;
    }

    const auto at = std::find(selection_.begin(), selection_.end(), card);
    const bool wasSelected = at != selection_.end();
    if (special == 3 || special == 4) {
        if (!mayBeTaken(card, hit.pile)) {
            platform_.messages.beep();
            return;
        }
        if (wasSelected) {
            selection_.erase(at);
        } else if (selection_.size() >= 2) {
            platform_.messages.beep();
            return;
        } else {
            selection_.push_back(static_cast<CardNumber>(card));
        }
    } else {
        std::vector<CardNumber> next = selection_;
        if (wasSelected) {
            next.erase(next.begin() + (at - selection_.begin()));
        } else {
            next.push_back(static_cast<CardNumber>(card));
        }
        if (!selectionValid(next, card, hit.pile)) {
            platform_.messages.beep();
            if (wasSelected) selection_.erase(at);
            return;
        }
        selection_ = std::move(next);
    }

    if (!selectionComplete(selection_)) return;
    MoveCard(0, "Selezionate_Dest");
    if (special != 8) MoveCard(0, "Selezionate_Fila");
    if (game_.won) EndGame();
}

// Moves the selected cards, in the order they were pressed, to the second
// waste. Cards of side-by-side rows leave an empty place behind; in the
// one-row games the place goes, with the empty place that precedes it.
bool Engine::discardSelection() {
    if (selection_.empty()) return false;
    PushSnapshot(true, true);
    platform_.clock.pause(std::chrono::milliseconds(150));
    sounds_.play(Sound::Pairing, sounds_.wanted(Field::SoundsPairing));
    const int spread = rules_[Rule::TableauSpread];
    const RemoveMode mode = spread == 4 ? RemoveMode::LeaveSlot : spread == 8 ? RemoveMode::DeleteWithSlot : RemoveMode::Delete;
    for (const CardNumber card : selection_) {
        const int location = CardLocation(position_.piles, card);
        const bool inTableau = location >= 1 && location <= kTableauCount;
        position_.piles.RemoveCardAnywhere(card, inTableau ? mode : RemoveMode::Delete);
        position_.Append(PileId::SecondWaste(), card, true);
    }
    selection_.clear();
    game_.won = IsGameWon();
    finishMove(true, rules_[Rule::SpecialGame] == 26);
    return true;
}

// Every empty tableau pile takes a card from the stock, face up.
bool Engine::refillEmptyTableaus() {
    Pile& stock = position_.piles.stock[0];
    if (stock.empty() || !anyTableauEmpty()) return false;
    PushSnapshot(true, true);
    for (int t = 1; t <= pileCountOf(PileKind::Tableau) && !stock.empty(); ++t) {
        if (position_.piles.pile(PileId::Tableau(t)).empty()) dealStockTopTo(PileId::Tableau(t));
    }
    sounds_.play(Sound::Shuffle, sounds_.wanted(Field::SoundsShuffle));
    game_.won = IsGameWon();
    finishMove(true, false);
    return true;
}

// Closes the gaps of the grid: the cards move up in pile order, and the
// piles left empty at the end are dealt from the stock.
bool Engine::gridWouldClose() const {
    bool gap = false;
    for (int t = 1; t <= pileCountOf(PileKind::Tableau); ++t) {
        const bool empty = position_.piles.pile(PileId::Tableau(t)).empty();
        if (!empty && gap) return true;
        gap = gap || empty;
    }
    return gap && !position_.piles.stock[0].empty();
}

bool Engine::consolidateGrid() {
    if (!gridWouldClose()) return false;
    PushSnapshot(true, true);
    selection_.clear();
    const int piles = pileCountOf(PileKind::Tableau);
    std::vector<CardNumber> cards;
    for (int t = 1; t <= piles; ++t) {
        Pile& pile = position_.piles.pile(PileId::Tableau(t));
        for (const CardNumber c : pile.groups()) cards.push_back(c);
        pile.clear();
    }
    int next = 1;
    for (const CardNumber c : cards) position_.piles.pile(PileId::Tableau(next++)).append(c);
    Pile& stock = position_.piles.stock[0];
    for (; next <= piles && !stock.empty(); ++next) dealStockTopTo(PileId::Tableau(next));
    sounds_.play(Sound::Tableau, sounds_.wanted(Field::SoundsTableau));
    game_.won = IsGameWon();
    finishMove(true, false);
    return true;
}

}  // namespace dravicor
