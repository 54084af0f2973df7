#include "solver/live_verdict.h"

#include <algorithm>

#include "engine/undo_history.h"
#include "solver/position_key.h"

namespace dravicor {

std::string LiveVerdictText(const LiveVerdictReport& report) {
    switch (report.state) {
        case LiveVerdictState::Checking: return "Checking\u2026";
        case LiveVerdictState::Winnable: return "Winnable";
        case LiveVerdictState::NoLongerWinnable:
            return "No longer winnable \u2014 undo " + std::to_string(report.undoSteps) +
                   (report.undoSteps == 1 ? " move" : " moves") + " to return to a winnable position";
        case LiveVerdictState::NotWinnable: return "Not winnable";
        case LiveVerdictState::Unknown: return "Not known yet";
    }
    return {};
}

std::string LiveVerdictNote() {
    return "Thoughtful verdict: for the deal with every card known, face-down cards and the stock included";
}

std::string_view LiveVerdictWord(const LiveVerdictReport& report) {
    switch (report.state) {
        case LiveVerdictState::Winnable: return "winnable";
        case LiveVerdictState::NoLongerWinnable:
        case LiveVerdictState::NotWinnable: return "not-winnable";
        default: return "unknown";
    }
}

LiveVerdictBudgets DefaultLiveVerdictBudgets() {
    LiveVerdictBudgets budgets;
    budgets.now.time = std::chrono::seconds(3);
    budgets.earlier.time = std::chrono::seconds(1);
    return budgets;
}

LiveVerdict::LiveVerdict(LiveVerdictBudgets budgets, std::function<void()> changed)
    : budgets_(budgets), changed_(std::move(changed)) {}

LiveVerdict::~LiveVerdict() { stop(); }

void LiveVerdict::stop() {
    if (cancel_) cancel_->store(true, std::memory_order_relaxed);
    if (thread_.joinable()) thread_.join();
}

void LiveVerdict::wait() {
    if (thread_.joinable()) thread_.join();
}

void LiveVerdict::forget() {
    stop();
    const std::lock_guard lock(mutex_);
    proved_.clear();
}

LiveVerdictReport LiveVerdict::report() const {
    const std::lock_guard lock(mutex_);
    return report_;
}

void LiveVerdict::publish(const LiveVerdictReport& report) {
    {
        const std::lock_guard lock(mutex_);
        if (report_ == report) return;
        report_ = report;
    }
    if (changed_) changed_();
}

void LiveVerdict::restart(std::vector<PlayState> earlier, const PlayState& now) {
    stop();
    for (PlayState& state : earlier) state.options.autoplay = false;
    PlayState table = now;
    table.options.autoplay = false;
    publish({LiveVerdictState::Checking, 0});
    cancel_ = std::make_shared<std::atomic<bool>>(false);
    thread_ = std::thread([this, cancel = cancel_, earlier = std::move(earlier), table]() {
        work(earlier, table, *cancel);
    });
}

Verdict LiveVerdict::verdictOf(const PlayState& state, const SolveBudget& budget, const std::atomic<bool>& cancel) {
    const std::uint64_t key = PositionKeys(state.rules()).keyOf(state.position, state.passNumber);
    {
        const std::lock_guard lock(mutex_);
        if (const auto known = proved_.find(key); known != proved_.end()) return known->second;
    }
    SolveOptions options;
    options.budget = budget;
    const SolveResult result = Solver(state, options).run(&cancel);
    if (result.verdict != Verdict::Unknown) {
        const std::lock_guard lock(mutex_);
        proved_[key] = result.verdict;
    }
    return result.verdict;
}

void LiveVerdict::work(const std::vector<PlayState>& earlier, const PlayState& now, const std::atomic<bool>& cancel) {
    const Verdict verdict = verdictOf(now, budgets_.now, cancel);
    if (cancel.load(std::memory_order_relaxed)) return;
    if (verdict == Verdict::Won) return publish({LiveVerdictState::Winnable, 0});
    if (verdict == Verdict::Unknown) return publish({LiveVerdictState::Unknown, 0});
    const int steps = static_cast<int>(earlier.size());
    const int farthest = std::min(steps, budgets_.mostStepsBack);
    for (int back = 1; back <= farthest; ++back) {
        const Verdict before = verdictOf(earlier[static_cast<size_t>(steps - back)], budgets_.earlier, cancel);
        if (cancel.load(std::memory_order_relaxed)) return;
        if (before == Verdict::Won) return publish({LiveVerdictState::NoLongerWinnable, back});
    }
    publish({LiveVerdictState::NotWinnable, 0});
}

std::vector<PlayState> StatesOfUndoSteps(const UndoHistory& history, const PlayState& now) {
    std::vector<PlayState> states;
    states.reserve(history.undo.size());
    for (size_t i = 0; i < history.undo.size(); ++i) {
        PlayState state = now;
        state.selection.clear();
        history.undo[i].restoreInto(state.position);
        const std::int16_t pass = i < history.undoPasses.size() ? history.undoPasses[i] : 0;
        if (pass > 0) state.passNumber = pass;
        state.moveCounter = static_cast<std::int16_t>(std::min<size_t>(i, static_cast<size_t>(now.moveCounter)));
        states.push_back(state);
    }
    return states;
}

}  // namespace dravicor
