#include "play/special_families.h"

#include <algorithm>

#include "engine/special_indicators.h"
#include "play/aces_up_family.h"
#include "play/accordion_family.h"
#include "play/clock_family.h"
#include "play/gaps_family.h"
#include "play/peaks.h"

namespace dravicor {

bool NeighbourOfDiscardTop(const PlayState& state, int card) {
    const int top = CardRank(state.position.piles.stock[2].top());
    const int rank = CardRank(card);
    if (state.rules()[Rule::DiscardStopsAtKing] == DiscardRanks::StopAtKing && top != 0) {
        return top != 13 && (rank == top + 1 || rank == top - 1);
    }
    return rank == top % 13 + 1 || top == rank % 13 + 1;
}

std::optional<bool> FamilyPickUp(const PlayState& state, PileId pile, int place) {
    if (pile.kind != PileKind::Tableau) return std::nullopt;
    const SpecialGame special = state.shape().special;
    const CardNumber card = state.position.piles.pile(pile)[place];
    if (special == SpecialGame::PeaksToDiscard) {
        return state.position.cardTable.IsFaceUp(card) && UncoveredInLines(state.position.piles, pile, place) &&
               NeighbourOfDiscardTop(state, card);
    }
    if (IsGapsGame(special)) return card != kNoCard;
    if (special == SpecialGame::Clock) return false;
    return std::nullopt;
}

std::optional<bool> FamilyPlace(const PlayState& state, int card, PileId from, PileId target) {
    const SpecialGame special = state.shape().special;
    if (IsGapsGame(special)) return from.kind == PileKind::Tableau && GapForCard(state, card, target) >= 0;
    if (special == SpecialGame::Clock) return ClockPlaces(state, card, from, target);
    if (special == SpecialGame::AcesUp && target.kind == PileKind::Foundation) return AcesUpDiscards(state, card, from);
    return std::nullopt;
}

std::optional<PileId> PressedCardGoesTo(const PlayState& state, int card, PileId from) {
    const SpecialGame special = state.shape().special;
    if (TakesPressedCardToDiscard(special)) return PileId::SecondWaste();
    if (special == SpecialGame::Clock && ClockPlaces(state, card, from, ClockPileOf(card))) return ClockPileOf(card);
    return std::nullopt;
}

bool AddFamilyMoves(const PlayState& state, MoveList& moves) {
    const SpecialGame special = state.shape().special;
    if (IsGapsGame(special)) {
        AddGapsMoves(state, moves);
        return true;
    }
    if (special == SpecialGame::Clock) {
        const CardNumber hand = state.position.piles.stock[1].top();
        if (hand != kNoCard && ClockPlaces(state, hand, PileId::Waste(), ClockPileOf(hand))) {
            moves.push(Move::CardTo(hand, PileId::Waste(), ClockPileOf(hand)));
        }
        return true;
    }
    return false;
}

int ArrangeFamilyDeal(Position& position, const GameRules& rules) {
    const SpecialGame special = SpecialGameOf(rules);
    if (HasOverlappingLines(special)) SpreadPeaks(position, rules);
    return IsGapsGame(special) ? ArrangeGapsDeal(position, rules) : 0;
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
    const auto holdsNoCard = [](const Pile& pile) {
        return std::all_of(pile.groups().begin(), pile.groups().end(), [](CardNumber c) { return c == kNoCard; });
    };
    if (special == SpecialGame::PokerGrid) {
        for (int t = 0; t < state.shape().tableau; ++t) {
            if (piles.tableau[static_cast<size_t>(t)].empty()) return false;
        }
        return true;
    }
    if (special == SpecialGame::RowFlanks || special == SpecialGame::RoyalMarriage) {
        return piles.stock[0].empty() && piles.tableau[0].size() <= 4;
    }
    if (IsGolfGame(special)) return std::all_of(piles.tableau.begin(), piles.tableau.end(), holdsNoCard);
    if (IsGapsGame(special)) return GapsWon(state);
    if (special == SpecialGame::Accordion) return AccordionWon(state);
    if (special == SpecialGame::Clock) return ClockWon(state);
    if (special == SpecialGame::AcesUp) return AcesUpWon(state);
    if (!piles.stock[0].empty() || !piles.stock[1].empty()) return false;
    for (const Pile& reserve : piles.reserves) {
        if (!reserve.empty()) return false;
    }
    for (const Pile& pile : piles.tableau) {
        if (pile.empty()) continue;
        if (!(special == SpecialGame::Pyramid && holdsNoCard(pile))) return false;
    }
    return true;
}

}  // namespace dravicor
