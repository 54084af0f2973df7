#include "play/accordion_family.h"

#include <cstdlib>

namespace dravicor {

namespace {

constexpr int kRowIndex = kFirstTableauIndex;
constexpr int kDiscardIndex = 2;

}  // namespace

bool AccordionSelectionValid(const PileLists& piles, CardRun selection) {
    const Pile& row = piles.tableau[0];
    if (selection.empty() || selection.size() > 2) return selection.empty();
    const int first = row.find(selection[0]);
    if (first < 0) return false;
    if (selection.size() == 1) return true;
    const int second = row.find(selection[1]);
    if (second < 0) return false;
    const int distance = std::abs(first - second);
    const int a = selection[0];
    const int b = selection[1];
    return (distance == 1 || distance == 3) && (CardRank(a) == CardRank(b) || CardSuitIndex(a) == CardSuitIndex(b));
}

CardNumber AccordionCover(StateEditor& edit, CardRun selection) {
    const Pile& row = edit.pile(kRowIndex);
    const int first = row.find(selection[0]);
    const int second = row.find(selection[1]);
    const int left = std::min(first, second);
    const int right = std::max(first, second);
    const CardNumber covered = row[left];
    const CardNumber moving = row[right];
    edit.eraseAt(kRowIndex, right);
    edit.setAt(kRowIndex, left, moving);
    edit.append(kDiscardIndex, covered, true);
    return covered;
}

bool AccordionWon(const PlayState& state) {
    const PileLists& piles = state.position.piles;
    return piles.stock[0].empty() && piles.stock[1].empty() && piles.tableau[0].size() == 1;
}

}  // namespace dravicor
