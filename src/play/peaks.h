#pragma once

// Overlapping lines of cards: the pyramid of Pyramid and the peaks of the
// Golf games laid out as TriPeaks (SpecialGame::PeaksToDiscard).
//
// Tableau pile k is line k of the table, its cards side by side (table
// model 6 lays each line half a card lower than the one above and half a
// card further left). Each place of a line is overlapped by two places of
// the next line: the one below it and the one after that. A card is free
// when both of those are empty. Several peaks stand side by side when the
// first line holds more than one card: P peaks of L lines have lines of
// P, 2P, ... (L - 1)P cards and a shared base line of (L - 1)P + 1; line r
// then has (L - 1)P + 1 - (L - r) places, and the places between two peaks
// stay empty, so that the overlaps above hold unchanged. One peak is the
// plain pyramid.

#include "cards/position.h"
#include "play/journal.h"
#include "rules/game_rules.h"
#include "rules/rule_codes.h"

namespace dravicor {

constexpr bool HasOverlappingLines(SpecialGame g) {
    return g == SpecialGame::Pyramid || g == SpecialGame::PeaksToDiscard;
}

// Is the place of the line (a tableau pile) free of the cards of the next line?
bool UncoveredInLines(const PileLists& piles, PileId line, int place);

// The deal's last touch to a table of peaks: each line's cards spread over
// their places, empty places between the peaks. A table whose lines do not
// hold the counts above for the peaks of its first line is left as dealt.
void SpreadPeaks(Position& position, const GameRules& rules);

// Turns face up every face-down card of the lines that no card covers any
// longer; returns how many were turned. The change belongs to the step
// that uncovered them.
int TurnUncoveredCards(StateEditor& edit, int lines);

}  // namespace dravicor
