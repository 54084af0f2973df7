#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include <QObject>

#include "solver/hint.h"
#include "solver/winnable_deal.h"

namespace dravicor {

class Engine;

// Finds hints on a worker thread so that the window never waits for the
// solver. The finder lives here for the whole deal; only the worker touches
// it while a search runs, and the window only after the worker has ended.
// Answers come back on the thread the object lives on, tagged with the
// ticket they were asked with, so that an answer about a position that has
// changed meanwhile can be told apart and dropped.
class HintWorker final : public QObject {
    Q_OBJECT

public:
    using Answer = std::function<void(const Hint& hint, std::uint64_t ticket)>;

    explicit HintWorker(Answer answer, QObject* parent = nullptr);
    ~HintWorker() override;

    // Looks for a hint for the engine's game as it is now; a search still
    // under way is cancelled first. The engine is read here, not on the worker.
    void start(const Engine& engine, std::uint64_t ticket);
    // Cancels the search under way; no answer comes for it.
    void cancel();
    // A new deal: what the finder remembers goes.
    void forgetDeal();
    bool running() const { return thread_.joinable() && !done_->load(); }

private:
    Answer answer_;
    HintFinder finder_;
    std::shared_ptr<std::atomic<bool>> cancel_ = std::make_shared<std::atomic<bool>>(false);
    std::shared_ptr<std::atomic<bool>> done_ = std::make_shared<std::atomic<bool>>(true);
    std::thread thread_;
};

// Draws game numbers on a worker thread until the solver proves one
// winnable (see DrawWinnableDeal). Progress and the end are reported on
// the thread the object lives on.
class WinnableDealWorker final : public QObject {
    Q_OBJECT

public:
    struct Links {
        std::function<void(int tried, const std::string& number)> progress;
        std::function<void(const WinnableDeal& deal)> finished;
    };

    explicit WinnableDealWorker(Links links, QObject* parent = nullptr);
    ~WinnableDealWorker() override;

    void start(const GameRules& rules, const WinnableDealBudget& budget);
    // Asks the search to end; it still reports how it finished.
    void stop();
    bool running() const { return thread_.joinable(); }

private:
    Links links_;
    std::shared_ptr<std::atomic<bool>> cancel_ = std::make_shared<std::atomic<bool>>(false);
    std::thread thread_;
};

}  // namespace dravicor
