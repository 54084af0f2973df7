#pragma once

#include <atomic>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include "solver/solver.h"

namespace dravicor {

// A search on a worker thread of its own, over its own copy of the state,
// for front ends that must not wait: start it, ask for the best line so
// far at any time, restart it on every change of the position, cancel it.
// Cancelling raises the search's flag, which it looks at every few hundred
// moves (well under a millisecond), and waits for the thread to end.
class BackgroundSolver {
public:
    BackgroundSolver() = default;
    ~BackgroundSolver();
    BackgroundSolver(const BackgroundSolver&) = delete;
    BackgroundSolver& operator=(const BackgroundSolver&) = delete;

    // Cancels the search under way, if any, and starts one from the state.
    void start(const PlayState& state, const SolveOptions& options);
    // Stops the search under way and waits for its thread; its result
    // (cancelled, unless it had ended) stays readable.
    void cancel();

    bool running() const;
    // The result once the search has ended.
    std::optional<SolveResult> result() const;
    // Waits for the end of the search.
    SolveResult wait();
    // The solution once found, else the line to the most promising
    // position so far (the search tracks it).
    std::vector<Move> bestLine() const;

private:
    struct Job {
        Job(const PlayState& state, const SolveOptions& options) : solver(state, options) {}
        Solver solver;
        std::atomic<bool> cancel{false};
        std::atomic<bool> done{false};
        SolveResult result;
    };
    std::shared_ptr<Job> job_;
    std::thread thread_;
};

}  // namespace dravicor
