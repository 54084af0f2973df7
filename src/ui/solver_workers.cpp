#include "ui/solver_workers.h"

#include <random>

#include <QMetaObject>
#include <QPointer>

#include "engine/engine.h"
#include "rules/deck_order.h"
#include "solver/engine_hints.h"
#include "solver/solution_replay.h"

namespace dravicor {

HintWorker::HintWorker(Answer answer, QObject* parent) : QObject(parent), answer_(std::move(answer)) {}

HintWorker::~HintWorker() { cancel(); }

void HintWorker::cancel() {
    cancel_->store(true);
    if (thread_.joinable()) thread_.join();
}

void HintWorker::forgetDeal() {
    cancel();
    finder_.reset();
}

void HintWorker::start(const Engine& engine, std::uint64_t ticket) {
    cancel();
    cancel_ = std::make_shared<std::atomic<bool>>(false);
    done_ = std::make_shared<std::atomic<bool>>(false);
    std::vector<PlayState> earlier = EarlierSearchStates(engine);
    PlayState now = SearchStartOf(engine);
    const SolveBudget budget = HintBudget(engine.rules());
    thread_ = std::thread([this, earlier = std::move(earlier), now = std::move(now), budget, ticket,
                           cancel = cancel_, done = done_] {
        finder_.noteDeal(earlier, now);
        Hint hint;
        if (finder_.followLine(now)) {
            hint = finder_.choose(now, {});
        } else {
            const HintSearch search = SearchForHint(now, budget, cancel.get());
            if (!cancel->load()) hint = finder_.choose(now, search);
        }
        done->store(true);
        if (cancel->load()) return;
        // Cancelling joins this thread before the object can go, so `this`
        // is alive here; the queued call is dropped if it goes later.
        QMetaObject::invokeMethod(
            this,
            [this, hint, ticket, cancel, self = std::this_thread::get_id()] {
                // A later search may own the thread by now: that one is not waited for.
                if (cancel->load()) return;
                if (thread_.get_id() == self) thread_.join();
                answer_(hint, ticket);
            },
            Qt::QueuedConnection);
    });
}

WinnableDealWorker::WinnableDealWorker(Links links, QObject* parent) : QObject(parent), links_(std::move(links)) {}

WinnableDealWorker::~WinnableDealWorker() {
    cancel_->store(true);
    if (thread_.joinable()) thread_.join();
}

void WinnableDealWorker::stop() { cancel_->store(true); }

void WinnableDealWorker::start(const GameRules& rules, const WinnableDealBudget& budget) {
    cancel_->store(true);
    if (thread_.joinable()) thread_.join();
    cancel_ = std::make_shared<std::atomic<bool>>(false);
    thread_ = std::thread([this, rules, budget, cancel = cancel_] {
        std::mt19937_64 random{std::random_device{}()};
        const auto progress = [this](int tried, const std::string& number) {
            QMetaObject::invokeMethod(
                this, [this, tried, number] { if (links_.progress) links_.progress(tried, number); },
                Qt::QueuedConnection);
        };
        const WinnableDeal deal =
            DrawWinnableDeal(rules, [&random] { return DrawGameNumber(random); }, budget, cancel.get(), progress);
        QMetaObject::invokeMethod(
            this,
            [this, deal, self = std::this_thread::get_id()] {
                if (thread_.get_id() == self) thread_.join();
                if (links_.finished) links_.finished(deal);
            },
            Qt::QueuedConnection);
    });
}

}  // namespace dravicor
