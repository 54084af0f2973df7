#include "solver/hint.h"

#include "play/journal.h"
#include "play/move_core.h"
#include "solver/move_order.h"
#include "solver/position_key.h"
#include "solver/search_key.h"

namespace dravicor {

SolveBudget HintBudget(const GameRules& rules) {
    SolveBudget budget;
    const bool twoDecks = PositionKeys(rules).twoDecks();
    budget.time = std::chrono::milliseconds(twoDecks ? 850 : 250);
    budget.memoryBytes = std::size_t{48} << 20;
    return budget;
}

HintSearch SearchForHint(const PlayState& state, const SolveBudget& budget, const std::atomic<bool>* cancel) {
    SolveOptions options;
    options.budget = budget;
    options.trackBestLine = true;
    Solver solver(state, options);
    const SolveResult result = solver.run(cancel);
    if (result.verdict == Verdict::Won) return {true, result.solution};
    return {false, solver.bestLine()};
}

void HintFinder::reset() {
    met_.clear();
    line_.clear();
    lineAt_.reset();
}

std::uint64_t HintFinder::keyOf(const PlayState& state) const {
    return PositionKeys(state.rules()).keyOf(state.position, state.passNumber);
}

void HintFinder::note(const PlayState& state) { met_.insert(keyOf(state)); }

void HintFinder::noteDeal(const std::vector<PlayState>& earlier, const PlayState& now) {
    met_.clear();
    for (const PlayState& state : earlier) note(state);
    note(now);
}

bool HintFinder::met(const PlayState& state) const { return met_.contains(keyOf(state)); }

std::optional<PlayState> HintFinder::after(const PlayState& state, const Move& move) {
    PlayState next = state;
    Journal journal;
    if (!ApplyMove(next, move, journal).applied) return std::nullopt;
    if (!WinTestHolds(next)) ApplyFollowUps(next, journal);
    return next;
}

bool HintFinder::leadsBack(const PlayState& state, const Move& move) const {
    const std::optional<PlayState> next = after(state, move);
    // A press that only changes the selection leads nowhere already met.
    if (!next) return true;
    if (next->position == state.position && next->passNumber == state.passNumber) return !(next->selection == state.selection);
    return met(*next);
}

std::optional<Move> HintFinder::followLine(const PlayState& state) const {
    if (line_.empty() || !lineAt_) return std::nullopt;
    if (!(lineAt_->position == state.position) || lineAt_->passNumber != state.passNumber) return std::nullopt;
    return line_.front();
}

std::optional<Move> HintFinder::bestByOrder(const PlayState& state) const {
    MoveOrder order(state);
    MoveList moves;
    GenerateMoves(state, moves);
    std::optional<Move> best;
    std::pair<int, int> bestRank{0, 0};
    for (const Move& move : moves) {
        if (order.pointless(state, move) || leadsBack(state, move)) continue;
        const std::optional<PlayState> next = after(state, move);
        if (!next) continue;
        if (IsWon(*next)) return move;
        const SearchKey key(*next);
        const std::pair<int, int> rank{order.value(*next, key), order.score(state, move)};
        if (!best || rank > bestRank) {
            best = move;
            bestRank = rank;
        }
    }
    return best;
}

Hint HintFinder::keep(const PlayState& state, const std::vector<Move>& line, HintSource source) {
    line_.assign(line.begin() + 1, line.end());
    lineAt_ = after(state, line.front());
    return {line.front(), source};
}

Hint HintFinder::choose(const PlayState& state, const HintSearch& search) {
    if (const std::optional<Move> next = followLine(state)) return keep(state, {line_.begin(), line_.end()}, HintSource::WinningLine);
    line_.clear();
    lineAt_.reset();
    if (!search.line.empty() && !leadsBack(state, search.line.front())) {
        if (search.won) return keep(state, search.line, HintSource::WinningLine);
        return {search.line.front(), HintSource::BestLine};
    }
    if (const std::optional<Move> move = bestByOrder(state)) return {move, HintSource::Ordering};
    return {};
}

Hint HintFinder::find(const PlayState& state, const SolveBudget& budget) {
    if (followLine(state)) return choose(state, {});
    return choose(state, SearchForHint(state, budget));
}

}  // namespace dravicor
