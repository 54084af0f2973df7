#pragma once

#include <atomic>
#include <cstdint>
#include <optional>
#include <unordered_set>
#include <vector>

#include "play/move.h"
#include "play/play_state.h"
#include "solver/solver.h"

namespace dravicor {

// Where a hint's move came from.
enum class HintSource : std::uint8_t {
    WinningLine,  // the first move of a line the solver proved wins
    BestLine,     // the first move of the line to the most promising position the search met
    Ordering,     // the move the search would try first here
    NoMove,       // no move is left that leads anywhere new
};

struct Hint {
    std::optional<Move> move;
    HintSource source = HintSource::NoMove;
};

// What a search for a hint found: a winning line, or the line to the most
// promising position met (possibly empty).
struct HintSearch {
    bool won = false;
    std::vector<Move> line;
};

// The time a hint may take: a one-deck game answers within 300 ms, a
// two-deck game within a second; the budgets leave room for the rest.
SolveBudget HintBudget(const GameRules& rules);

// Searches for a hint; safe on any thread (it touches nothing shared).
HintSearch SearchForHint(const PlayState& state, const SolveBudget& budget, const std::atomic<bool>* cancel = nullptr);

// The hints of one deal. It remembers the positions the deal has been
// through, so that no hint leads back to one (no hint undoes the last
// move, none goes round in a loop), and the winning line last found, which
// later hints follow as long as the table keeps to it. The states given
// are search states (autoplay off, as SearchStartOf makes them).
class HintFinder {
public:
    // A new deal: everything remembered is forgotten.
    void reset();
    // The table is now in this position: front ends call it after every change.
    void note(const PlayState& state);
    // The deal so far, at once: the positions met are these and no others
    // (the winning line found before is kept).
    void noteDeal(const std::vector<PlayState>& earlier, const PlayState& now);
    // The next move of the winning line found before, where the table
    // still keeps to it.
    std::optional<Move> followLine(const PlayState& state) const;
    // The hint for the state from what a search found (ignored when the
    // winning line found before still holds).
    Hint choose(const PlayState& state, const HintSearch& search);
    // Both in one: follows the line, or searches within the budget.
    Hint find(const PlayState& state, const SolveBudget& budget);

    bool met(const PlayState& state) const;

private:
    std::uint64_t keyOf(const PlayState& state) const;
    // Where the move leads (with the follow-ups), or nothing when it changes nothing.
    static std::optional<PlayState> after(const PlayState& state, const Move& move);
    bool leadsBack(const PlayState& state, const Move& move) const;
    std::optional<Move> bestByOrder(const PlayState& state) const;
    Hint keep(const PlayState& state, const std::vector<Move>& line, HintSource source);

    std::unordered_set<std::uint64_t> met_;
    std::vector<Move> line_;         // the rest of the winning line after its next move
    std::optional<PlayState> lineAt_;  // the state the line's rest starts from
};

}  // namespace dravicor
