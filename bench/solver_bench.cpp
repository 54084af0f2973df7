// The solver's speed: whole searches of the first deals of a game, one
// core. Counters: positions (moves made, safe moves included) per second
// and deals per second; the verdicts are counted so a change that speeds
// the search by losing wins shows.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "play/dealt_state.h"
#include "rules/catalogue.h"
#include "rules/custom_games.h"
#include "solver/solver.h"

namespace {

using namespace dravicor;

void SolveDeals(benchmark::State& bench, int code, int deals, std::int64_t budget) {
    const GameRules rules = LoadGameRules(DRAVICOR_BUILT_GAMES_DAT, code, NoCustomGames());
    std::vector<PlayState> states;
    for (int deal = 1; deal <= deals; ++deal) {
        if (auto state = DealtPlayState(rules, std::to_string(deal))) states.push_back(*state);
    }
    SolveOptions options;
    options.budget.positions = budget;
    std::int64_t positions = 0;
    std::int64_t won = 0;
    std::int64_t solved = 0;
    for (auto _ : bench) {
        for (const PlayState& state : states) {
            const SolveResult result = Solve(state, options);
            positions += result.positions;
            won += result.verdict == Verdict::Won ? 1 : 0;
            ++solved;
        }
    }
    bench.counters["positions/s"] = benchmark::Counter(static_cast<double>(positions), benchmark::Counter::kIsRate);
    bench.counters["deals/s"] = benchmark::Counter(static_cast<double>(solved), benchmark::Counter::kIsRate);
    bench.counters["won%"] = 100.0 * static_cast<double>(won) / static_cast<double>(std::max<std::int64_t>(1, solved));
}

void FreeCell(benchmark::State& bench) { SolveDeals(bench, 1, 100, 2'000'000); }
void Klondike(benchmark::State& bench) { SolveDeals(bench, 0, 20, 200'000); }
void Spider(benchmark::State& bench) { SolveDeals(bench, 3, 5, 200'000); }

}  // namespace

BENCHMARK(FreeCell)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(Klondike)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(Spider)->Unit(benchmark::kMillisecond)->MinTime(3.0);
