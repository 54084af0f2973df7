#include "play/selection_rules.h"

#include <algorithm>

#include "play/accordion_family.h"
#include "play/peaks.h"
#include "play/special_families.h"

namespace dravicor {

namespace {

bool IsCourt(int card) { return CardRank(card) >= 11; }

int RankSum(CardRun cards) {
    int sum = 0;
    for (const CardNumber c : cards) sum += CardRank(c);
    return sum;
}

bool AllAtMostRank(CardRun cards, int limit) {
    return std::all_of(cards.begin(), cards.end(), [limit](CardNumber c) { return CardRank(c) <= limit; });
}

int CountRank(CardRun cards, int rank) {
    return static_cast<int>(std::count_if(cards.begin(), cards.end(), [rank](CardNumber c) { return CardRank(c) == rank; }));
}

bool SameRank(CardRun cards) {
    return std::all_of(cards.begin(), cards.end(), [&](CardNumber c) { return CardRank(c) == CardRank(cards.front()); });
}

// Number cards only (at most two) or at most one of each high rank from
// `firstHigh` to the King with no number card among them.
bool NumbersOrOneOfEachHigh(CardRun cards, int firstHigh) {
    if (AllAtMostRank(cards, firstHigh - 1)) return cards.size() <= 2;
    for (const CardNumber c : cards) {
        if (CardRank(c) < firstHigh || CountRank(cards, CardRank(c)) > 1) return false;
    }
    return true;
}

bool HoldsEachRankFrom(CardRun cards, int firstHigh) {
    if (static_cast<int>(cards.size()) != 14 - firstHigh) return false;
    for (int rank = firstHigh; rank <= 13; ++rank) {
        if (CountRank(cards, rank) != 1) return false;
    }
    return true;
}

// RowDecades counts the court cards as ten.
int DecadeValue(int card) { return std::min(CardRank(card), 10); }

int TableauNumberOf(const PileLists& piles, int card) {
    const int location = CardLocation(piles, card);
    return location >= 1 && location <= kTableauCount ? location : 0;
}

}  // namespace

bool MayBeTaken(const PlayState& state, int card, PileId pile) {
    const PileLists& piles = state.position.piles;
    if (pile.kind == PileKind::Waste) return card == piles.stock[1].top();
    if (state.shape().special != SpecialGame::Pyramid || pile.kind != PileKind::Tableau) return IsTopCard(piles, card);
    return UncoveredInLines(piles, pile, piles.pile(pile).find(card));
}

bool SelectionContiguous(const PileLists& piles, CardRun selection) {
    if (selection.empty()) return true;
    size_t found = 0;
    bool started = false;
    for (const CardNumber card : piles.tableau[0].groups()) {
        if (card == kNoCard) continue;
        if (std::find(selection.begin(), selection.end(), card) != selection.end()) {
            started = true;
            ++found;
        } else if (started) {
            break;
        }
    }
    return found == selection.size();
}

bool FlanksMatch(const PileLists& piles, CardRun selection) {
    const Pile& row = piles.tableau[0];
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

bool SelectionValid(const PlayState& state, CardRun selection, int pressed, PileId pressedPile) {
    const PileLists& piles = state.position.piles;
    const int target = state.rules()[Rule::SelectionPlay];
    const size_t n = selection.size();
    switch (state.shape().special) {
        case SpecialGame::NumbersOrFourCourts: {
            if (AllAtMostRank(selection, 9)) {
                const bool numbers =
                    std::any_of(selection.begin(), selection.end(), [](CardNumber c) { return CardRank(c) <= 9; });
                return !(target == 10 && n >= 3 && numbers);
            }
            return SameRank(selection) && CardRank(selection.front()) >= 10;
        }
        case SpecialGame::NeighbourGrid: {
            if (n > 2) return false;
            if (n < 2) return true;
            if (CardRank(selection[0]) != CardRank(selection[1])) return false;
            const int firstPile = TableauNumberOf(piles, selection[0]);
            const int secondPile =
                pressedPile.kind == PileKind::Tableau ? pressedPile.number : TableauNumberOf(piles, selection[1]);
            if (firstPile < 1 || secondPile < 1 || firstPile == secondPile) return false;
            const int a = firstPile - 1;
            const int b = secondPile - 1;
            return std::abs(a / 5 - b / 5) <= 1 && std::abs(a % 5 - b % 5) <= 1;
        }
        case SpecialGame::TopPairs:
        case SpecialGame::TopPairsToo:
            if (n > 2 || (n == 2 && CardRank(selection[0]) != CardRank(selection[1]))) return false;
            return std::find(selection.begin(), selection.end(), pressed) == selection.end() ||
                   IsTopCard(piles, pressed);
        case SpecialGame::ElevensOrCourts: return NumbersOrOneOfEachHigh(selection, 11);
        case SpecialGame::Eighteens: {
            if (n > 4) return false;
            const int courts = static_cast<int>(std::count_if(selection.begin(), selection.end(), IsCourt));
            if (courts > 1 || static_cast<int>(n) - courts > 3) return false;
            if (CountRank(selection, 1) > 0 && n > 1) return false;
            for (const CardNumber c : selection) {
                if (CountRank(selection, CardRank(c)) > 1) return false;
            }
            return true;
        }
        case SpecialGame::RowDecades: return true;
        case SpecialGame::RowFlanks:
        case SpecialGame::RoyalMarriage:
            if (n > 2 || !SelectionContiguous(piles, selection)) return false;
            return state.shape().special == SpecialGame::RowFlanks ||
                   std::none_of(selection.begin(), selection.end(), [](CardNumber c) { return c == 12 || c == 13; });
        case SpecialGame::CountedTableauMoves: return SelectionContiguous(piles, selection);
        case SpecialGame::NinesOrCourts: return NumbersOrOneOfEachHigh(selection, 10);
        case SpecialGame::HiddenPairs: return n <= 2 && (n < 2 || CardRank(selection[0]) == CardRank(selection[1]));
        case SpecialGame::HiddenElevens: return n <= 3 && NumbersOrOneOfEachHigh(selection, 11);
        case SpecialGame::PairsToTarget: return n <= 2;
        case SpecialGame::Accordion: return AccordionSelectionValid(piles, selection);
        default: return true;
    }
}

bool SelectionComplete(const PlayState& state, CardRun selection) {
    const int target = state.rules()[Rule::SelectionPlay];
    const size_t n = selection.size();
    if (n == 0) return false;
    switch (state.shape().special) {
        case SpecialGame::NumbersOrFourCourts:
            if (n == 4 && SameRank(selection) && CardRank(selection.front()) >= 10) return true;
            if (!AllAtMostRank(selection, 9)) return false;
            if (target == 15) return RankSum(selection) == 15;
            return target == 10 && n == 2 && RankSum(selection) == 10;
        case SpecialGame::FreePairsOf14: return RankSum(selection) == 14;
        case SpecialGame::Pyramid: return RankSum(selection) == 13;
        case SpecialGame::NeighbourGrid:
        case SpecialGame::TopPairs:
        case SpecialGame::TopPairsToo:
        case SpecialGame::HiddenPairs: return n == 2;
        case SpecialGame::ElevensOrCourts:
        case SpecialGame::HiddenElevens:
            return (n == 2 && AllAtMostRank(selection, 10) && RankSum(selection) == 11) ||
                   HoldsEachRankFrom(selection, 11);
        case SpecialGame::Eighteens: {
            if (n == 1) return CardRank(selection[0]) == 1;
            if (n != 4) return false;
            int sum = 0;
            int courts = 0;
            for (const CardNumber c : selection) {
                if (IsCourt(c)) {
                    ++courts;
                } else if (CardRank(c) >= 2) {
                    sum += CardRank(c);
                }
            }
            return courts == 1 && sum == 18 && CountRank(selection, 1) == 0;
        }
        case SpecialGame::RowDecades: {
            if (n < 2 || !SelectionContiguous(state.position.piles, selection)) return false;
            int sum = 0;
            for (const CardNumber c : selection) sum += DecadeValue(c);
            return sum == 10 || sum == 20 || sum == 30;
        }
        case SpecialGame::RowFlanks:
        case SpecialGame::RoyalMarriage:
            return SelectionContiguous(state.position.piles, selection) && FlanksMatch(state.position.piles, selection);
        case SpecialGame::CountedTableauMoves: return RankSum(selection) % 7 == 0;
        case SpecialGame::NinesOrCourts:
            return (AllAtMostRank(selection, 9) && RankSum(selection) == 9 && n <= 2) || HoldsEachRankFrom(selection, 10);
        case SpecialGame::Accordion: return n == 2 && AccordionSelectionValid(state.position.piles, selection);
        default: return RankSum(selection) == target;
    }
}

void AddSelectionMoves(const PlayState& state, MoveList& moves) {
    const GameShape& shape = state.shape();
    if (!shape.selectionPlay) return;
    const PileLists& piles = state.position.piles;
    const CardTable& faces = state.position.cardTable;
    const SpecialGame special = shape.special;
    const bool freeCardsOnly = special == SpecialGame::FreePairsOf14 || special == SpecialGame::Pyramid;
    // Accordion pairs cards apart in its row; the other row games take runs.
    const bool rowGame = IsRowGame(special) && special != SpecialGame::Accordion;

    // The cards a press would select, in table order.
    struct Pressable {
        CardNumber card;
        PileId pile;
    };
    std::array<Pressable, kCardCount + kReserveCount + 1> cards{};
    int count = 0;
    const auto add = [&](PileId pile, CardNumber card) {
        if (card == kNoCard || faces.IsFaceDown(card) || !shape.inPlay[static_cast<size_t>(PileIndex(pile))]) return;
        if (freeCardsOnly && !MayBeTaken(state, card, pile)) return;
        if (count < static_cast<int>(cards.size())) cards[static_cast<size_t>(count++)] = {card, pile};
    };
    for (int t = 1; t <= shape.tableau; ++t) {
        for (const CardNumber card : piles.pile(PileId::Tableau(t)).groups()) add(PileId::Tableau(t), card);
    }
    if (freeCardsOnly) add(PileId::Waste(), piles.stock[1].top());
    if (special == SpecialGame::FreePairsOf14 || special == SpecialGame::TopPairs || special == SpecialGame::TopPairsToo) {
        for (int r = 1; r <= shape.reserves; ++r) add(PileId::Reserve(r), piles.pile(PileId::Reserve(r)).top());
    }

    // Selections grow card by card while the family accepts them; one that
    // completes is a move and grows no further. The row games complete
    // only runs of neighbouring cards, so only runs are grown there.
    Move move = Move::Of(MoveKind::Select);
    int size = 0;
    const auto grow = [&](const auto& self, int from) -> void {
        for (int i = from; i < count; ++i) {
            if (rowGame && size > 0 && i != from) break;
            move.presses[static_cast<size_t>(size++)] = cards[static_cast<size_t>(i)].card;
            const CardRun selection(move.presses.data(), static_cast<size_t>(size));
            const bool accepted =
                freeCardsOnly ? size <= 2
                              : SelectionValid(state, selection, cards[static_cast<size_t>(i)].card, cards[static_cast<size_t>(i)].pile);
            if (accepted && SelectionComplete(state, selection)) {
                Move found = move;
                found.count = static_cast<std::uint8_t>(size);
                for (int k = size; k < Move::kMostPresses; ++k) found.presses[static_cast<size_t>(k)] = kNoCard;
                moves.push(found);
            } else if (accepted && size < Move::kMostPresses) {
                self(self, i + 1);
            }
            --size;
        }
    };
    grow(grow, 0);

    // Where a press turns a face-down top card over, that press is a move too.
    if (PressTurnsFaceDownTop(special)) {
        for (int t = 1; t <= shape.tableau; ++t) {
            const CardNumber top = piles.pile(PileId::Tableau(t)).top();
            if (top != kNoCard && faces.IsFaceDown(top)) moves.push(Move::OnCard(MoveKind::TurnUp, top, PileId::Tableau(t)));
        }
    }
}

}  // namespace dravicor
