// Snapshot building and restoring: every executed move and every undo step
// goes through them, so they bound the engine's move rate.
#include <benchmark/benchmark.h>

#include "cards/position.h"

namespace {

using namespace dravicor;

// A two-deck position spread over the piles the way a game in progress is.
Position TwoDeckPosition() {
    Position position;
    for (int card = 1; card <= kCardCount; ++card) {
        const int pile = card % 30;
        if (pile < 10) {
            position.Append(PileId::Tableau(pile + 1), static_cast<CardNumber>(card), card % 3 == 0);
        } else if (pile < 18) {
            position.Append(PileId::Foundation(pile - 9), static_cast<CardNumber>(card), true);
        } else {
            position.Append(PileId::Stock(), static_cast<CardNumber>(card), false);
        }
    }
    return position;
}

void BuildSnapshotTwoDecks(benchmark::State& state) {
    const Position position = TwoDeckPosition();
    for (auto _ : state) benchmark::DoNotOptimize(BuildSnapshot(position));
}
BENCHMARK(BuildSnapshotTwoDecks);

void RestoreSnapshotTwoDecks(benchmark::State& state) {
    const auto lines = BuildSnapshot(TwoDeckPosition());
    Position target;
    for (auto _ : state) benchmark::DoNotOptimize(RestoreSnapshot(target, lines));
}
BENCHMARK(RestoreSnapshotTwoDecks);

void CopyPosition(benchmark::State& state) {
    const Position position = TwoDeckPosition();
    for (auto _ : state) {
        Position copy = position;
        benchmark::DoNotOptimize(copy);
    }
}
BENCHMARK(CopyPosition);

}  // namespace
