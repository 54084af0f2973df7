#pragma once

#include <atomic>
#include <functional>
#include <string>

#include "rules/game_rules.h"
#include "solver/solver.h"

namespace dravicor {

// How long a search for a winnable deal may go on.
struct WinnableDealBudget {
    SolveBudget perNumber;  // the solver's budget for each number drawn
    int mostNumbers = 200;  // numbers drawn at most
};
// A second of search per number, at most 200 numbers.
WinnableDealBudget DefaultWinnableDealBudget();

struct WinnableDeal {
    std::string number;  // the last number tried (the winnable one when `proved`)
    bool proved = false; // the solver proved a win of this number
    bool stopped = false;  // the cancel flag ended the search
    int tried = 0;         // numbers tried
};

// Draws game numbers until the solver proves a win of one within the
// budget, the numbers run out or `cancel` is raised. The numbers are the
// ordinary game numbers of the game: anybody who types the number gets
// the same deal. `progress`, when given, is told each number before it is
// tried (on the calling thread).
WinnableDeal DrawWinnableDeal(const GameRules& rules, const std::function<std::string()>& drawNumber,
                              const WinnableDealBudget& budget, const std::atomic<bool>* cancel = nullptr,
                              const std::function<void(int tried, const std::string& number)>& progress = {});

}  // namespace dravicor
