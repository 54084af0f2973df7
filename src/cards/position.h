#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "cards/card_table.h"
#include "cards/pile_lists.h"

namespace dravicor {

// Everything on the table: the piles and the face flags of the cards.
struct Position {
    CardTable cardTable;
    PileLists piles;

    // Puts the card on top of the pile; a real card also gets the face flag.
    void Append(PileId pile, CardNumber card, bool faceUp);
    // Puts the card on top of the pile and leaves its face flag alone.
    void Append(PileId pile, CardNumber card) { piles.pile(pile).append(card); }

    friend bool operator==(const Position&, const Position&) = default;
};

// A hash of the whole position (piles and the face flags of their cards),
// for searches that meet the same position many times.
std::size_t PositionHash(const Position& position);

// The position snapshot: 53 lines, one per pile in the order stock list,
// foundations, tableau piles, reserves. A line is the pile's cards bottom to
// top, four characters each: the three-digit number and the face flag;
// "0000" is an empty slot and an empty pile is an empty line.
std::vector<std::string> BuildSnapshot(const Position& position);
// The snapshot line of one pile.
std::string SnapshotLine(const Position& position, PileId pile);

// Restores one pile from its snapshot line: the pile is emptied, then every
// complete group of four characters adds its card and sets the card's face
// flag (a slot only adds the slot). Returns false, changing nothing, when a
// group does not name a card 0-104 with a flag of "0" or "1", or the line
// holds more groups than a pile can (Pile::kCapacity).
bool RestoreSnapshotLine(Position& position, PileId pile, std::string_view line);
// Restores every pile from 53 lines; false, changing nothing, when there are
// not 53 lines or one of them is malformed.
bool RestoreSnapshot(Position& position, const std::vector<std::string>& lines);

}  // namespace dravicor
