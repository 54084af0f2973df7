// Deck order from a game number: once per deal in play, but a solver trying
// many deals calls it in a tight loop. Goals: 1,000,000 one-deck and 500,000
// two-deck orders per second on one core.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "rules/deck_order.h"

namespace {

using namespace dravicor;

// Varied 13-digit numbers, so the probe paths differ from call to call.
const std::vector<std::string>& GameNumbers() {
    static const std::vector<std::string> numbers = [] {
        std::mt19937_64 random(2718);
        std::uniform_int_distribution<int> digit(0, 9);
        std::vector<std::string> list(4096);
        for (auto& number : list) {
            number.resize(13);
            for (char& c : number) c = static_cast<char>('0' + digit(random));
        }
        return list;
    }();
    return numbers;
}

void BuildOrders(benchmark::State& state, int cardCount) {
    const auto& numbers = GameNumbers();
    std::size_t next = 0;
    for (auto _ : state) {
        DeckOrderResult result = BuildDeckOrder(numbers[next], cardCount);
        benchmark::DoNotOptimize(result);
        next = (next + 1) % numbers.size();
    }
    state.SetItemsProcessed(state.iterations());
}

void BuildDeckOrder52(benchmark::State& state) { BuildOrders(state, 52); }
BENCHMARK(BuildDeckOrder52);

void BuildDeckOrder104(benchmark::State& state) { BuildOrders(state, 104); }
BENCHMARK(BuildDeckOrder104);

void DrawNewGameNumber(benchmark::State& state) {
    std::mt19937_64 random(1);
    for (auto _ : state) benchmark::DoNotOptimize(DrawGameNumber(random));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(DrawNewGameNumber);

}  // namespace
