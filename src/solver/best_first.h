#pragma once

#include <atomic>
#include <bitset>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "play/move.h"
#include "play/play_state.h"
#include "solver/solver.h"

namespace dravicor {

// Whether a game's deals are searched best first after a short depth-first
// pass: the games that gather whole suits in the tableau and move runs of
// linked cards as one (the Spider family), where a depth-first search loses itself among the ways to
// shuffle runs between piles and never reaches the next deal from the stock.
bool SearchesBestFirst(const PlayState& state);

// How promising a position of such a game is: cards gone to the
// foundations, cards dealt from the stock, runs in one suit, empty piles,
// less the face-down cards and the places where a pile's cards do not
// follow each other. Higher is better.
class SuitRunValue {
public:
    explicit SuitRunValue(const PlayState& state);
    int operator()(const PlayState& state) const;
    // Card b may lie on card a in the tableau.
    bool follows(CardNumber a, CardNumber b) const { return IsCard(a) && IsCard(b) && follows_[a].test(b); }
    // A move between tableau piles that only trades one link for one no
    // better (a run taken off a card of its suit to anywhere but a card of
    // its suit, or off a card of another suit to a card of another suit or
    // an empty pile) while the card it leaves on top can take nothing of its
    // suit: nothing is gained, and such shuffles are most of the moves.
    bool gainsNothing(const PlayState& state, const Move& move) const;

private:
    // follows_[a][b]: card b may lie on card a in the first tableau pile.
    std::vector<std::bitset<kCardCount + 1>> follows_;
    int stockAtStart_ = 0;
};

// The FreeCell family: every card dealt face up to the tableau, no stock,
// free cells as reserves that take one card each, the tableau built down
// one rank at a time (in alternate colours or in suit), the foundations up
// in suit from the Ace, giving nothing back. Searched best first by
// CellsValue, with no depth-first pass before it.
bool IsFreeCellFamily(const PlayState& state);

// The Forty Thieves family: every tableau card dealt face up, one pass
// through the stock, the tableau built down one rank at a time, the
// foundations up in suit from the Ace, giving nothing back. Searched best
// first by CellsValue, each pass followed by a depth-first one.
bool IsFortyThievesFamily(const PlayState& state);

// How promising a position of the FreeCell or Forty Thieves family is:
// cards gone to the foundations, free cells and empty piles, less the cards
// lying above the next cards the foundations want (in the tableau and in
// the waste), the cards lying on cards they do not follow and the cards
// buried in the waste. Higher is better.
class CellsValue {
public:
    explicit CellsValue(const PlayState& state);
    int operator()(const PlayState& state) const;

private:
    std::vector<std::bitset<kCardCount + 1>> follows_;
    bool emptyTakesAny_ = false;
    int homeCard_ = 0;
};

// Where one best-first pass stands in the whole solve.
struct BestFirstPass {
    std::int64_t spent = 0;  // positions the searches before used of the budget
    std::int64_t limit = 0;  // positions this pass may use (0: only the budget bounds it)
    int shake = 0;           // 0: the plain order; else a shake of the values of its own
};

// Best-first search: the open positions wait in a queue by their value
// (each as its parent, packed, and the move from there) and the most
// promising is opened next, so the search climbs toward fuller foundations
// wherever they lie instead of finishing one branch first. The safe moves
// (SafeMoves) follow every move at once. Each position is entered once
// (the visited table over the SearchKey), and the moves that gain nothing
// (SuitRunValue::gainsNothing) are left out. The queue holds as many positions as a share of the memory
// cap allows; when it is full its least promising quarter is dropped,
// and from then on the search is no proof: it ends lost only when nothing
// was dropped or left out and every position was opened.
class BestFirstSearch {
public:
    // `begun`, `processorBegun`: when the whole solve began. `betterLine` is told of
    // the line to each more promising position (with trackBestLine) and of
    // the winning line. The tables the rules give are worked out here, once
    // for all the passes of a solve.
    BestFirstSearch(const PlayState& start, const SolveOptions& options, std::chrono::steady_clock::time_point begun,
                    std::chrono::nanoseconds processorBegun,
                    std::function<void(const std::vector<Move>&)> betterLine);
    ~BestFirstSearch();
    BestFirstSearch(const BestFirstSearch&) = delete;
    BestFirstSearch& operator=(const BestFirstSearch&) = delete;

    // One pass from the start, forgetting the passes before. Positions
    // counts only this pass's moves. Unknown with SearchEnd::Done: every
    // position was opened, but moves were left out.
    SolveResult run(const std::atomic<bool>* cancel, const BestFirstPass& pass = {});
    // The last pass ran out of its own limit (and nothing else ended it).
    bool cutByPass() const;

private:
    class Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace dravicor
