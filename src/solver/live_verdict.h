#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

#include "play/play_state.h"
#include "solver/solver.h"

namespace dravicor {

// What the verdict panel shows about the position on the table.
enum class LiveVerdictState : std::uint8_t {
    Checking,          // a search runs
    Winnable,          // a line from here wins
    NoLongerWinnable,  // lost from here; an earlier position of the deal wins
    NotWinnable,       // lost from here, and no earlier position was found that wins
    Unknown,           // the searches ran out of time
};

struct LiveVerdictReport {
    LiveVerdictState state = LiveVerdictState::Checking;
    int undoSteps = 0;  // NoLongerWinnable: undo this many steps to get back to a winnable position

    friend bool operator==(const LiveVerdictReport&, const LiveVerdictReport&) = default;
};

// "Winnable", "No longer winnable — undo 3 moves to return to a winnable
// position", "Not winnable", "Checking…", "Not known yet".
std::string LiveVerdictText(const LiveVerdictReport& report);
// What the panel's tool tip says: the verdict is for the deal with every card known.
std::string LiveVerdictNote();
// "winnable", "not-winnable" or "unknown", as the text front end prints it.
std::string_view LiveVerdictWord(const LiveVerdictReport& report);

struct LiveVerdictBudgets {
    SolveBudget now;      // the position on the table
    SolveBudget earlier;  // each earlier position looked at when that one is lost
    int mostStepsBack = 80;
};
// The panel's budgets: a few seconds for the table, one for each position before.
LiveVerdictBudgets DefaultLiveVerdictBudgets();

// The verdict on the position on the table, worked out on a worker thread
// of its own and started again on every change: the search under way is
// cancelled first, so a move never waits for it. When the table is lost it
// goes back through the positions the undo steps return to, nearest first,
// until one wins. Verdicts proved (won or lost) are remembered by position
// for the rest of the deal, so going back and forth costs no new search.
class LiveVerdict {
public:
    // `changed` is called on the worker thread whenever the report changes.
    explicit LiveVerdict(LiveVerdictBudgets budgets, std::function<void()> changed = {});
    ~LiveVerdict();
    LiveVerdict(const LiveVerdict&) = delete;
    LiveVerdict& operator=(const LiveVerdict&) = delete;

    // The table changed: `earlier` the positions undo returns to, the one
    // a single undo gives last; `now` the position on the table.
    void restart(std::vector<PlayState> earlier, const PlayState& now);
    // Cancels the search under way (the report stays as it was).
    void stop();
    // A new deal or another game: what is remembered goes.
    void forget();
    // Waits for the search under way to end (tests, the text front end).
    void wait();

    LiveVerdictReport report() const;

private:
    struct Shared;
    void work(const std::vector<PlayState>& earlier, const PlayState& now, const std::atomic<bool>& cancel);
    Verdict verdictOf(const PlayState& state, const SolveBudget& budget, const std::atomic<bool>& cancel);
    void publish(const LiveVerdictReport& report);

    LiveVerdictBudgets budgets_;
    std::function<void()> changed_;
    mutable std::mutex mutex_;
    LiveVerdictReport report_;
    std::unordered_map<std::uint64_t, Verdict> proved_;  // by position key, under mutex_
    std::shared_ptr<std::atomic<bool>> cancel_;
    std::thread thread_;
};

// The earlier positions of a deal as LiveVerdict::restart takes them,
// from the undo snapshots and their passes, on the rules and counters of `now`.
struct UndoHistory;
std::vector<PlayState> StatesOfUndoSteps(const UndoHistory& history, const PlayState& now);

}  // namespace dravicor
