#pragma once

#include <optional>

#include "rules/game_rules.h"

namespace dravicor {

// The facts a player looks up first about a game, read from the rule values
// the engine plays by and decided the way the engine decides them, so that
// the help never promises what the table refuses.

// What a click on the stock does.
enum class StockDeal {
    None,             // no stock on the table, or one that is dealt no cards
    ShuffleOnly,      // no cards: a click on its place gathers the tableau and deals it again
    ToWaste,          // perClick cards onto the waste
    ToDiscard,        // perClick cards onto the discard pile (the second waste)
    ToTableau,        // one card to each of `piles` tableau piles
    ToTableauNoGaps,  // the same, refused while a tableau pile is empty
    ToReserves,       // one card to each of `piles` reserves
    ToReservesTwice,  // two cards to the reserves, the last eight to the tableau
    ClosesGaps,       // closes the gaps of the grid and deals into the places left at its end
    FillsTableau,     // not by clicks: its cards fill the empty tableau piles after a discard
    NotDealt,         // a click does nothing
};

struct StockFacts {
    StockDeal deal = StockDeal::None;
    int cards = 0;           // in the stock after the deal; at most that many when cardsVary
    bool cardsVary = false;  // the deal takes a number of cards out of the stock that depends on the deck
    int perClick = 0;        // ToWaste, ToDiscard
    int piles = 0;           // ToTableau, ToTableauNoGaps, ToReserves
    bool redeals = false;    // the game turns the waste over, or shuffles the tableau, within Redeals
    bool shuffles = false;   // a redeal gathers the tableau and deals it again
};

// What an empty tableau pile may receive.
enum class EmptyTableau {
    NoTableau,
    AnyCard,
    NoCard,
    OneRank,                 // `rank` only
    RankBelowBase,           // one rank below the foundations' base, which the deal decides
    BaseRank,                // the foundations' base rank
    FromStockOrWaste,        // any card, from the stock or the waste only
    NotFromTableau,          // any card that does not come from the tableau
    NotFromTableauOrReserve, // any card that comes neither from the tableau nor from a reserve
    OwnRule,                 // a condition of the game's own (its rules text explains it)
    DiffersByPile,
    FilledAfterDiscard,      // selection games: the stock fills them after each discard
    ClosedUp,                // the grid game: a click on the stock closes the gaps
    StayEmpty,               // selection games without a stock, or whose discards leave their places
};

// Where the engine fills an empty tableau pile from at once (parameter 18).
enum class AutoFill { None, Reserve, WasteThenStock, StockThenWaste, WasteThenStockUntilMarked };

struct EmptyTableauFacts {
    EmptyTableau rule = EmptyTableau::NoTableau;
    int rank = 0;  // OneRank
    AutoFill autoFill = AutoFill::None;
};

struct KeyNumbers {
    int cardCount = 0;
    int decks = 0;
    int tableauPiles = 0;
    int foundations = 0;
    int reserves = 0;
    bool freeCells = false;  // every reserve is an empty cell for one card
    StockFacts stock;
    std::optional<int> redeals;  // nothing when unlimited; 0 when the game has no redeal
    EmptyTableauFacts emptyTableau;
};

KeyNumbers ReadKeyNumbers(const GameRules& rules);
StockFacts ReadStockFacts(const GameRules& rules);
EmptyTableauFacts ReadEmptyTableauFacts(const GameRules& rules);
bool ReservesAreFreeCells(const GameRules& rules);

// The redeals a value of the Redeals parameter allows (it counts passes
// through the stock): nothing for -1 (unlimited), n - 1 for n passes, 0 for
// 0, 1 or any other value.
std::optional<int> RedealsAllowed(int redealsValue);

// What an empty tableau pile with this accepts value (parameter 96 + t)
// takes by itself: AnyCard, NoCard, OneRank (with the rank), RankBelowBase,
// BaseRank, FromStockOrWaste or OwnRule.
EmptyTableauFacts ClassifyEmptyAccepts(int accepts);

}  // namespace dravicor
