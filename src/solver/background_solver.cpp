#include "solver/background_solver.h"

namespace dravicor {

BackgroundSolver::~BackgroundSolver() { cancel(); }

void BackgroundSolver::start(const PlayState& state, const SolveOptions& options) {
    cancel();
    SolveOptions tracked = options;
    tracked.trackBestLine = true;
    job_ = std::make_shared<Job>(state, tracked);
    thread_ = std::thread([job = job_]() {
        job->result = job->solver.run(&job->cancel);
        job->done.store(true, std::memory_order_release);
    });
}

void BackgroundSolver::cancel() {
    if (job_) job_->cancel.store(true, std::memory_order_relaxed);
    if (thread_.joinable()) thread_.join();
}

bool BackgroundSolver::running() const { return job_ && !job_->done.load(std::memory_order_acquire); }

std::optional<SolveResult> BackgroundSolver::result() const {
    if (!job_ || !job_->done.load(std::memory_order_acquire)) return std::nullopt;
    return job_->result;
}

SolveResult BackgroundSolver::wait() {
    if (thread_.joinable()) thread_.join();
    return job_ ? job_->result : SolveResult{};
}

std::vector<Move> BackgroundSolver::bestLine() const { return job_ ? job_->solver.bestLine() : std::vector<Move>{}; }

}  // namespace dravicor
