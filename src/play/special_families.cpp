#include "play/special_families.h"

#include <algorithm>

#include "engine/special_indicators.h"

namespace dravicor {

bool NeighbourOfDiscardTop(const PileLists& piles, int card) {
    const int top = CardRank(piles.stock[2].top());
    const int rank = CardRank(card);
    return rank == top % 13 + 1 || top == rank % 13 + 1;
}

bool TableauMoveCountAllowsFoundation(const PlayState& state, PileId from) {
    if (!CountsTableauMoves(state.shape().special) || from.kind != PileKind::Tableau) return true;
    return state.tableauMoves % kTableauMovesPerRound == 0 || state.position.piles.stock[1].empty();
}

bool KeepsFoundation1OutOfUndo(const GameRules& rules) {
    const SpecialGame g = SpecialGameOf(rules);
    return rules[Rule::SelectionPlay] != 0 || g == SpecialGame::FreePairsOf14 || g == SpecialGame::Pyramid;
}

bool FamilyWinTest(const PlayState& state) {
    const PileLists& piles = state.position.piles;
    const SpecialGame special = state.shape().special;
    if (special == SpecialGame::PokerGrid) {
        for (int t = 0; t < state.shape().tableau; ++t) {
            if (piles.tableau[static_cast<size_t>(t)].empty()) return false;
        }
        return true;
    }
    if (special == SpecialGame::RowFlanks || special == SpecialGame::RoyalMarriage) {
        return piles.stock[0].empty() && piles.tableau[0].size() <= 4;
    }
    if (!piles.stock[0].empty() || !piles.stock[1].empty()) return false;
    for (const Pile& reserve : piles.reserves) {
        if (!reserve.empty()) return false;
    }
    for (const Pile& pile : piles.tableau) {
        if (pile.empty()) continue;
        const auto groups = pile.groups();
        const bool onlySlots = std::all_of(groups.begin(), groups.end(), [](CardNumber c) { return c == kNoCard; });
        if (!(special == SpecialGame::Pyramid && onlySlots)) return false;
    }
    return true;
}

}  // namespace dravicor
