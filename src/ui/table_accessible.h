#pragma once

#include "cards/pile_lists.h"

namespace dravicor {

class TableWidget;

// What screen readers find on the card table: the table is a list whose
// items are its piles in reading order, each named as a player would say it
// ("Tableau 3: 7 of Hearts on 8 of Spades, 3 cards face down"); the pile of
// the keyboard focus holds the focus, and the table's description is the
// last thing said about the game (a move, a refusal, a deal, a win).

// Lets Qt build that view for every table widget; harmless when repeated.
void InstallTableAccessibility();

// The keyboard focus has come to the pile.
void TellReadersFocus(TableWidget& table, PileId pile);
// The table said something new (TableWidget::announcement()).
void TellReadersAnnouncement(TableWidget& table);
// The cards moved: piles whose names changed say so.
void TellReadersTableChanged(TableWidget& table);

}  // namespace dravicor
