// The play engine without a front end: how many moves it executes per
// second (each with its undo snapshot), how fast random games play out, and
// what the undo history costs in memory.
#include <benchmark/benchmark.h>

#include <ostream>

#include <malloc.h>

#include <random>
#include <string>
#include <vector>

#include "cli/text_platform.h"
#include "common/platform.h"
#include "common/settings_record.h"
#include "engine/engine.h"
#include "silent_platform.h"
#include "rules/catalogue.h"
#include "rules/custom_games.h"

namespace {

using namespace dravicor;
using bench::SilentPlatform;

constexpr int kKlondike = 0;
constexpr int kFreeCell = 1;
constexpr int kSpider = 3;

// An engine with a first start's settings, sounds switched on (they cost
// their settings look-ups even when the platform stays silent).
class HeadlessGame {
public:
    explicit HeadlessGame(int code) {
        const std::pair<FieldSpec, const char*> defaults[] = {
            {Field::CardSize, "B"},         {Field::ScoringSystem, "01"},  {Field::SoundsEnabled, "Y"},
            {Field::SoundsFoundation, "Y"}, {Field::SoundsAutoplay, "Y"},  {Field::SoundsTableau, "Y"},
            {Field::SoundsStock, "Y"},      {Field::SoundsRedeal, "Y"},    {Field::SoundsUndo, "Y"},
            {Field::SoundsRedo, "Y"},       {Field::SoundsFaceUp, "Y"},    {Field::AutomaticFaceUp, "Y"},
            {Field::UndoEnabled, "0"},      {Field::ConfirmQuitGame, "N"}, {Field::RedealAnimation, "N"},
            {Field::LastWasUndo, "0"},      {Field::LastWasRedo, "0"},
        };
        for (const auto& [field, value] : defaults) settings.put(field, value);
        engine.setGame(code, LoadGameRules(DRAVICOR_BUILT_GAMES_DAT, code, NoCustomGames()));
    }

    bool deal(const std::string& number) {
        settings.put(Field::CurrentGameNumber, number);
        return engine.StartGame(true, false, 0, true);
    }

    // Drags the top card of one pile onto another with the pointer, as a player does.
    bool drag(PileId from, PileId to) {
        const TableGeometry table = engine.geometry();
        const Point press{table.PileCardX(from, 0, false) + 2, table.PileCardY(from, 0, false) + 2};
        const Point drop{table.PileCardX(to, 0, false) + 2, table.PileCardY(to, 0, false) + 2};
        engine.PointerPress(press);
        engine.PointerMove(drop);
        return engine.PointerRelease(drop);
    }

    SilentPlatform silent;
    Platform platform = silent.platform();
    SettingsRecord settings;
    std::mt19937_64 random{7};
    Engine engine{settings, platform, random};
};

// The executor itself: the top card of a FreeCell tableau pile goes to a
// free cell and back, each move with its undo snapshot. The deal is made
// again (untimed) every few thousand moves so the history stays small.
void MoveCardWithSnapshot(benchmark::State& state) {
    HeadlessGame game(kFreeCell);
    if (!game.deal("1")) {
        state.SkipWithError("no deal");
        return;
    }
    const int card = game.engine.position().piles.tableau[0].top();
    long long moves = 0;
    for (auto _ : state) {
        const bool there = game.engine.MoveCard(card, "Appogg1");
        const bool back = game.engine.MoveCard(card, "Fila1");
        if (!there || !back) {
            state.SkipWithError("move not executed");
            return;
        }
        moves += 2;
        if (game.engine.history().undo.size() >= 4096) {
            state.PauseTiming();
            game.deal("1");
            state.ResumeTiming();
        }
    }
    state.SetItemsProcessed(moves);
    state.counters["moves_per_second"] = benchmark::Counter(static_cast<double>(moves), benchmark::Counter::kIsRate);
}
BENCHMARK(MoveCardWithSnapshot);

// The whole player path of a move: press, drag, drop with the legality
// check, the follow-ups and the snapshot. A card travels round the four free
// cells of FreeCell, always onto an empty one.
void PlayerDragBetweenFreeCells(benchmark::State& state) {
    HeadlessGame game(kFreeCell);
    const auto setUp = [&] {
        game.deal("1");
        game.engine.MoveCard(game.engine.position().piles.tableau[0].top(), "Appogg1");
    };
    setUp();
    int at = 1;
    long long moves = 0;
    for (auto _ : state) {
        const int next = at % 4 + 1;
        if (!game.drag(PileId::Reserve(at), PileId::Reserve(next))) {
            state.SkipWithError("drag refused");
            return;
        }
        at = next;
        ++moves;
        if (game.engine.history().undo.size() >= 4096) {
            state.PauseTiming();
            setUp();
            at = 1;
            state.ResumeTiming();
        }
    }
    state.SetItemsProcessed(moves);
    state.counters["moves_per_second"] = benchmark::Counter(static_cast<double>(moves), benchmark::Counter::kIsRate);
}
BENCHMARK(PlayerDragBetweenFreeCells);

// A stock turn of Klondike, its undo, redo and undo again: four steps, each
// a snapshot taken and one restored.
void StockTurnUndoRedo(benchmark::State& state) {
    HeadlessGame game(kKlondike);
    game.deal("1");
    long long steps = 0;
    for (auto _ : state) {
        const bool ok = game.engine.StockClick() && game.engine.Undo() && game.engine.Redo() && game.engine.Undo();
        if (!ok) {
            state.SkipWithError("a step was refused");
            return;
        }
        steps += 4;
    }
    state.SetItemsProcessed(steps);
}
BENCHMARK(StockTurnUndoRedo);

// Listing every move a player could make, as the command line's "moves" and
// any hint would, on a fresh FreeCell deal.
void LegalMovesFreeCell(benchmark::State& state) {
    HeadlessGame game(kFreeCell);
    game.deal("1");
    size_t listed = 0;
    for (auto _ : state) {
        const auto moves = game.engine.LegalMoves();
        listed += moves.size();
        benchmark::DoNotOptimize(moves.data());
    }
    benchmark::DoNotOptimize(listed);
}
BENCHMARK(LegalMovesFreeCell);

// A random game of Klondike from the deal until no move is left: each turn a
// random listed move or a stock click, the stock gone through at most three
// times. So that play only goes forward, moves off the foundations are left
// out, and a tableau card moves only with every face-up card above it (a move
// that turns a card or empties a pile), a King's whole pile never to an empty
// pile. Every game then ends; a cap of 2,000 turns guards the measurement.
void RandomPlayoutKlondike(benchmark::State& state) {
    constexpr int kMaxPasses = 3;
    constexpr int kMaxTurns = 2000;
    HeadlessGame game(kKlondike);
    std::mt19937_64 rng(2024);
    long long playouts = 0;
    long long totalTurns = 0;
    long long capped = 0;
    long long won = 0;
    unsigned number = 1;
    std::vector<PlayerMove> choices;
    for (auto _ : state) {
        if (!game.deal(std::to_string(number++))) {
            state.SkipWithError("no deal");
            return;
        }
        Engine& engine = game.engine;
        const Position& position = engine.position();
        int turns = 0;
        for (; turns < kMaxTurns && !engine.IsGameWon(); ++turns) {
            choices.clear();
            for (const PlayerMove& m : engine.LegalMoves()) {
                std::optional<PileId> from;
                position.piles.forEach([&](PileId id, const Pile& pile) {
                    if (!from && pile.contains(m.card)) from = id;
                });
                if (!from || from->kind == PileKind::Foundation) continue;
                if (from->kind == PileKind::Tableau) {
                    const Pile& pile = position.piles.pile(*from);
                    const int at = pile.find(m.card);
                    if (at > 0 && position.cardTable.IsFaceUp(pile[at - 1])) continue;
                    if (at == 0 && position.piles.pile(m.target).empty()) continue;
                }
                choices.push_back(m);
            }
            const bool lastPassDone = position.piles.stock[0].empty() && engine.game().passNumber >= kMaxPasses;
            const bool stock = engine.StockWouldAct() && !lastPassDone;
            const size_t options = choices.size() + (stock ? 1 : 0);
            if (options == 0) break;
            const size_t pick = rng() % options;
            if (pick == choices.size()) {
                // An empty stock's first click arms the redeal, the second makes it.
                if (!engine.StockClick() && engine.redealArmed()) engine.StockClick();
                continue;
            }
            const PlayerMove m = choices[pick];
            engine.MoveCard(m.card, m.target.kind == PileKind::Waste ? std::string("Stock02") : PileName(m.target));
        }
        ++playouts;
        totalTurns += turns;
        capped += turns >= kMaxTurns;
        won += engine.IsGameWon();
    }
    state.counters["playouts_per_second"] =
        benchmark::Counter(static_cast<double>(playouts), benchmark::Counter::kIsRate);
    state.counters["turns_per_playout"] = playouts ? static_cast<double>(totalTurns) / playouts : 0.0;
    state.counters["capped"] = static_cast<double>(capped);
    state.counters["won"] = static_cast<double>(won);
}
BENCHMARK(RandomPlayoutKlondike)->Unit(benchmark::kMicrosecond);

// The undo history after 1,000 executed moves: the snapshots' bytes and the
// vector that holds them, and what the heap grew by over the moves (the move
// log's entries included).
void UndoHistoryAfter1000Moves(benchmark::State& state) {
    const int code = static_cast<int>(state.range(0));
    HeadlessGame game(code);
    size_t payload = 0;
    size_t held = 0;
    long long heapGrowth = 0;
    for (auto _ : state) {
        state.PauseTiming();
        game.deal("1");
        const int card = game.engine.position().piles.tableau[0].top();
        const long long heapBefore = static_cast<long long>(mallinfo2().uordblks);
        state.ResumeTiming();
        // A move that uncovers a face-down card adds its turn as a step of its own.
        for (int i = 0; game.engine.history().undo.size() < 1000; ++i) {
            game.engine.MoveCard(card, i % 2 == 0 ? "Fila2" : "Fila1");
        }
        state.PauseTiming();
        heapGrowth = static_cast<long long>(mallinfo2().uordblks) - heapBefore;
        const auto& undo = game.engine.history().undo;
        payload = 0;
        for (const CompactPosition& snapshot : undo) payload += snapshot.byteSize();
        held = payload + undo.capacity() * sizeof(CompactPosition);
        state.ResumeTiming();
    }
    state.counters["snapshot_bytes"] = static_cast<double>(payload);
    state.counters["history_bytes"] = static_cast<double>(held);
    state.counters["bytes_per_move"] = static_cast<double>(held) / 1000.0;
    state.counters["heap_growth_bytes"] = static_cast<double>(heapGrowth);
}
BENCHMARK(UndoHistoryAfter1000Moves)->Arg(kKlondike)->Arg(kSpider)->Unit(benchmark::kMicrosecond);

}  // namespace
