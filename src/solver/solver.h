#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "play/move.h"
#include "play/play_state.h"

namespace dravicor {

// What a search found out about a position. The answer is for the deal
// with every card known ("thoughtful"): the search looks under face-down
// cards and into the stock, which a player cannot.
enum class Verdict : std::uint8_t {
    Won,      // a line of moves wins
    Lost,     // proved: every position reachable was searched
    Unknown,  // the budget ran out first
};

// "won", "lost", "unknown".
std::string_view VerdictName(Verdict verdict);
// The verdict as people read it, saying that it is for the deal with every card known.
std::string VerdictText(Verdict verdict);

// What ended a search.
enum class SearchEnd : std::uint8_t {
    Done,       // won, or the whole space was searched
    Positions,  // the budget of positions
    Memory,     // the table of positions met reached its cap
    Time,       // the wall-time or the processor-time budget
    Depth,      // some line grew longer than the longest line allowed
    Cancelled,  // the cancel flag was raised
};
std::string_view SearchEndName(SearchEnd end);

// Bounds of one search; 0 means no bound.
struct SolveBudget {
    std::int64_t positions = 0;                  // moves made
    std::size_t memoryBytes = std::size_t{64} << 20;
    std::chrono::milliseconds time{0};          // wall time
    // Processor time of the searching thread: on a machine shared with other
    // work the same search gets the same time, however busy the machine.
    std::chrono::milliseconds processorTime{0};
};

// The processor time the calling thread has used so far.
std::chrono::nanoseconds ThreadProcessorTime();

struct SolveOptions {
    SolveBudget budget;
    // After the first win go on looking for shorter lines until the
    // budget ends (the verdict stays won); the shortest found is kept.
    bool shortest = false;
    // Keep the line to the most promising position met, for bestLine().
    bool trackBestLine = false;
    // The longest line a search follows; a longer one counts as a bound.
    int maxDepth = 3000;
};

struct SolveResult {
    Verdict verdict = Verdict::Unknown;
    SearchEnd end = SearchEnd::Done;
    // Won: the moves from the start to the win, each one GenerateMoves
    // listed in the position it was made in, made with the follow-ups
    // (autoplay off) except after the last.
    std::vector<Move> solution;
    std::int64_t positions = 0;   // moves made, the safe ones included
    std::size_t peakMemory = 0;   // bytes: the table, the move stacks, the journal
    double seconds = 0;           // wall time
    double processorSeconds = 0;  // processor time of the searching thread
};

// A depth-first search from a position: each position's moves best first
// (MoveOrder), the safe moves made without trying the others (SafeMoves),
// every position entered once (VisitedTable over the SearchKey, so piles
// that play alike may trade places), the budgets checked as it goes. The
// search plays on its own copy of the state with autoplay off, as the
// game's autoplay is no safe-move rule; a line found replays through the
// engine with autoplay off.
class Solver {
public:
    Solver(const PlayState& start, const SolveOptions& options);
    ~Solver();
    Solver(const Solver&) = delete;
    Solver& operator=(const Solver&) = delete;

    // Runs the search to its end; `cancel`, when given, is looked at every
    // few hundred moves and ends the search with SearchEnd::Cancelled.
    SolveResult run(const std::atomic<bool>* cancel = nullptr);

    // Safe to call from another thread while run() goes on: the solution
    // once one is found, else (with trackBestLine) the line to the most
    // promising position met so far; empty before anything is known.
    std::vector<Move> bestLine() const;

private:
    class Search;
    PlayState start_;
    SolveOptions options_;
    mutable std::mutex lineMutex_;
    std::vector<Move> bestLine_;
    friend class Search;
};

// Solve in one call.
SolveResult Solve(const PlayState& start, const SolveOptions& options);

}  // namespace dravicor
