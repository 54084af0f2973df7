#pragma once

#include <vector>

#include "cards/position.h"
#include "play/move_core.h"
#include "rules/game_rules.h"

namespace dravicor {

// Mixes the cards gathered for a shuffle-redeal by the game's fixed rule, so
// the same tableau always redeals the same way: from the middle item on,
// every card taken moves the index on by 2 after an odd count taken and by 5
// after an even one, starting again at the first item when it runs past the
// last. a, b, c, d, e becomes c, a, b, d, e.
std::vector<CardNumber> MixGatheredCards(std::vector<CardNumber> gathered);

// One card laid on a tableau pile by the redeal: RedealtCard (play/move_core.h).

// What the redeal did, for the front end's flights and sounds.
struct ShuffleRedealResult {
    std::vector<CardNumber> gathered;  // in the order they left the table
    std::vector<RedealtCard> dealt;    // in the order they were laid down
};

// Gathers every card of the game's tableau piles (each pile from the top
// down, the piles in order), mixes them and deals them back: either round
// the piles one card at a time, or (Rule::ShuffleRedeal 1) filling each pile
// up to the first pile's deal count before going on. Cards lie face up only
// when the first pile deals all its cards face up; when it deals exactly
// one face up, every pile's top card is turned up afterwards. A game of
// Rule::ShuffleRedeal TableauRedeal::InOrder redeals without mixing instead
// (RedealTableauInOrder, play/move_rules.h). Only the tableau piles and the
// face flags of their cards change.
ShuffleRedealResult ShuffleRedeal(Position& position, const GameRules& rules);

// The order the dealt cards fly in: across the piles (first card of every
// pile, then the second ...) when Rule::DealByPile is 0, otherwise pile by
// pile.
std::vector<RedealtCard> RedealFlightOrder(const ShuffleRedealResult& result, const GameRules& rules);

}  // namespace dravicor
