#include "solver/winnable_deal.h"

#include "play/dealt_state.h"

namespace dravicor {

WinnableDealBudget DefaultWinnableDealBudget() {
    WinnableDealBudget budget;
    budget.perNumber.time = std::chrono::seconds(1);
    return budget;
}

WinnableDeal DrawWinnableDeal(const GameRules& rules, const std::function<std::string()>& drawNumber,
                              const WinnableDealBudget& budget, const std::atomic<bool>* cancel,
                              const std::function<void(int tried, const std::string& number)>& progress) {
    WinnableDeal deal;
    SolveOptions options;
    options.budget = budget.perNumber;
    while (deal.tried < budget.mostNumbers) {
        if (cancel && cancel->load(std::memory_order_relaxed)) {
            deal.stopped = true;
            break;
        }
        const std::string number = drawNumber();
        ++deal.tried;
        const std::optional<PlayState> dealt = DealtPlayState(rules, number);
        if (!dealt) continue;
        deal.number = number;
        if (progress) progress(deal.tried, number);
        const SolveResult result = Solver(*dealt, options).run(cancel);
        if (result.verdict == Verdict::Won) {
            deal.proved = true;
            break;
        }
        if (result.end == SearchEnd::Cancelled) {
            deal.stopped = true;
            break;
        }
    }
    return deal;
}

}  // namespace dravicor
