// How long a hint takes to answer: a fresh finder asked about the dealt
// position of several deals, the answer within the hint budget of the game
// (one-deck games should answer within 300 ms, two-deck games within a
// second). Counters: the slowest and the mean answer, and the share of
// answers that came from a proved winning line.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "play/dealt_state.h"
#include "rules/catalogue.h"
#include "rules/custom_games.h"
#include "solver/hint.h"

namespace {

using namespace dravicor;

void AnswerHints(benchmark::State& bench, int code, int deals) {
    const GameRules rules = LoadGameRules(DRAVICOR_BUILT_GAMES_DAT, code, NoCustomGames());
    std::vector<PlayState> states;
    for (int deal = 1; deal <= deals; ++deal) {
        if (auto state = DealtPlayState(rules, std::to_string(deal))) states.push_back(*state);
    }
    const SolveBudget budget = HintBudget(rules);
    double slowest = 0;
    double total = 0;
    std::int64_t answers = 0;
    std::int64_t proved = 0;
    std::int64_t none = 0;
    for (auto _ : bench) {
        for (const PlayState& state : states) {
            HintFinder finder;
            finder.note(state);
            const auto start = std::chrono::steady_clock::now();
            const Hint hint = finder.find(state, budget);
            const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
            slowest = std::max(slowest, ms);
            total += ms;
            ++answers;
            proved += hint.source == HintSource::WinningLine ? 1 : 0;
            none += hint.move ? 0 : 1;
        }
    }
    bench.counters["slowest_ms"] = slowest;
    bench.counters["mean_ms"] = total / static_cast<double>(std::max<std::int64_t>(1, answers));
    bench.counters["proved%"] = 100.0 * static_cast<double>(proved) / static_cast<double>(std::max<std::int64_t>(1, answers));
    bench.counters["no_move"] = static_cast<double>(none);
}

void FreeCell(benchmark::State& bench) { AnswerHints(bench, 1, 10); }
void Klondike(benchmark::State& bench) { AnswerHints(bench, 0, 10); }
void Spider(benchmark::State& bench) { AnswerHints(bench, 3, 6); }
void FortyThieves(benchmark::State& bench) { AnswerHints(bench, 5, 6); }

}  // namespace

BENCHMARK(FreeCell)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(Klondike)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(Spider)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(FortyThieves)->Unit(benchmark::kMillisecond)->Iterations(1);
