// The move core as a solver uses it: generate the moves of a position,
// make each (with the game's follow-ups) and take it back, on positions of
// random play of FreeCell and Klondike deals. Counters: positions (moves
// made and taken back) and generations per second. GenerateOnly cycles
// through many stored positions, so it also pays for fetching them.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "play/dealt_state.h"
#include "play/move_core.h"
#include "rules/catalogue.h"
#include "rules/custom_games.h"

namespace {

using namespace dravicor;

constexpr int kKlondike = 0;
constexpr int kFreeCell = 1;
constexpr int kDeals = 20;
constexpr int kWalk = 60;

// Positions of random play: from each of the first deals, the positions
// of a random walk of player moves (each followed by the game's own follow-ups).
std::vector<PlayState> SamplePositions(int code) {
    const GameRules rules = LoadGameRules(DRAVICOR_BUILT_GAMES_DAT, code, NoCustomGames());
    std::vector<PlayState> states;
    std::mt19937_64 random(static_cast<std::uint64_t>(code) + 11);
    Journal journal;
    MoveList moves;
    for (int deal = 1; deal <= kDeals; ++deal) {
        std::optional<PlayState> state = DealtPlayState(rules, std::to_string(deal));
        if (!state) continue;
        for (int step = 0; step < kWalk && !IsWon(*state); ++step) {
            states.push_back(*state);
            GenerateMoves(*state, moves);
            if (moves.empty()) break;
            ApplyMove(*state, moves[static_cast<int>(random() % static_cast<unsigned>(moves.size()))], journal);
            ApplyFollowUps(*state, journal);
            journal.clear();
        }
    }
    return states;
}

// As a depth-first search works: one state changed in place, every move of
// the position made and taken back, then one of them kept to go deeper;
// after a walk of kWalk moves the walk goes back to the deal and the next
// deal is taken.
void GenerateApplyUndo(benchmark::State& bench, int code) {
    const GameRules rules = LoadGameRules(DRAVICOR_BUILT_GAMES_DAT, code, NoCustomGames());
    std::vector<PlayState> deals;
    for (int deal = 1; deal <= kDeals; ++deal) {
        if (auto state = DealtPlayState(rules, std::to_string(deal))) deals.push_back(*state);
    }
    if (deals.empty()) {
        bench.SkipWithError("no deals");
        return;
    }
    std::mt19937_64 random(7);
    Journal journal;
    MoveList moves;
    long long positions = 0;
    long long generations = 0;
    size_t deal = 0;
    int depth = 0;
    PlayState state = deals[0];
    for (auto _ : bench) {
        GenerateMoves(state, moves);
        ++generations;
        for (const Move& move : moves) {
            const MoveResult made = ApplyMove(state, move, journal);
            ApplyFollowUps(state, journal);
            UndoMove(state, journal, made.undo);
            ++positions;
        }
        if (moves.empty() || ++depth >= kWalk || IsWon(state)) {
            UndoMove(state, journal, UndoMark{});
            deal = (deal + 1) % deals.size();
            state = deals[deal];
            depth = 0;
            continue;
        }
        ApplyMove(state, moves[static_cast<int>(random() % static_cast<unsigned>(moves.size()))], journal);
        ApplyFollowUps(state, journal);
    }
    bench.counters["positions/s"] = benchmark::Counter(static_cast<double>(positions), benchmark::Counter::kIsRate);
    bench.counters["generations/s"] = benchmark::Counter(static_cast<double>(generations), benchmark::Counter::kIsRate);
    bench.counters["moves/position"] = static_cast<double>(positions) / static_cast<double>(std::max(1LL, generations));
}

void GenerateOnly(benchmark::State& bench, int code) {
    const std::vector<PlayState> states = SamplePositions(code);
    MoveList moves;
    size_t next = 0;
    for (auto _ : bench) {
        GenerateMoves(states[next], moves);
        next = (next + 1) % states.size();
        benchmark::DoNotOptimize(moves.size());
    }
    bench.SetItemsProcessed(bench.iterations());
}

void GenerateApplyUndoFreeCell(benchmark::State& bench) { GenerateApplyUndo(bench, kFreeCell); }
void GenerateApplyUndoKlondike(benchmark::State& bench) { GenerateApplyUndo(bench, kKlondike); }
void GenerateOnlyFreeCell(benchmark::State& bench) { GenerateOnly(bench, kFreeCell); }
void GenerateOnlyKlondike(benchmark::State& bench) { GenerateOnly(bench, kKlondike); }
BENCHMARK(GenerateApplyUndoFreeCell);
BENCHMARK(GenerateApplyUndoKlondike);
BENCHMARK(GenerateOnlyFreeCell);
BENCHMARK(GenerateOnlyKlondike);

}  // namespace
