#include "idle_moves.h"

#include <array>
#include <span>

#include "rules/legality.h"

namespace dravicor {

bool IsIdleShuffle(const Position& position, const GameRules& rules, const PlayerMove& move) {
    if (move.target.kind != PileKind::Tableau) return false;
    const int location = CardLocation(position.piles, move.card);
    if (location < 1 || location > kTableauCount) return false;
    const int tableau = location - 1;
    const Pile& pile = position.piles.tableau[static_cast<size_t>(tableau)];
    const int at = pile.find(move.card);
    if (at <= 0) return false;  // the pile empties: an empty pile is gained
    const CardNumber below = pile[at - 1];
    if (!IsCard(below) || position.cardTable.IsFaceDown(below) || CardSuit(below) != CardSuit(move.card)) return false;
    const PlaceContext context{position, rules, location, false};
    if (!CanPlaceOn(below, move.card, TableauRules(rules, tableau), PileId::Tableau(location), false, context)) {
        return false;
    }
    const std::array<CardNumber, 2> pair{below, move.card};
    const std::span<const CardNumber> run(pair);
    return CanMoveRun(run, tableau, position, rules) && MayMoveCount(run, false, position.piles, rules);
}

}  // namespace dravicor
