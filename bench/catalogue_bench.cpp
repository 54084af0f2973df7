// Loading a game's rules reads the whole catalogue afresh each time, so its
// cost grows with the catalogue: measured here with 200 games.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "catalogue_writer.h"
#include "common/file_io.h"
#include "game_source.h"
#include "rules/catalogue.h"

namespace {

using namespace dravicor;

// 200 games with every parameter set, so every matrix field holds a value.
std::filesystem::path WriteBigCatalogue() {
    std::vector<catalogue::GameSource> games;
    for (int code = 0; code < 200; ++code) {
        catalogue::GameSource game;
        game.code = code;
        game.name = "Game " + std::to_string(code);
        game.family = 2 + code % 12;
        for (int index = 1; index < GameRules::kSize; ++index) game.values[index] = {(code * 7 + index) % 1000 - 1, 0, ""};
        games.push_back(std::move(game));
    }
    const auto path = std::filesystem::temp_directory_path() / "dravicor-bench-GAMES.DAT";
    WriteFileAtomically(path, catalogue::WriteCatalogue(games));
    return path;
}

void LoadGameRules200Games(benchmark::State& state) {
    const auto path = WriteBigCatalogue();
    const NoCustomGames none;
    int code = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(LoadGameRules(path, code, none));
        code = (code + 37) % 200;
    }
    std::filesystem::remove(path);
}
BENCHMARK(LoadGameRules200Games)->Unit(benchmark::kMicrosecond);

void ReadRuleValues200Games(benchmark::State& state) {
    const auto path = WriteBigCatalogue();
    int code = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReadRuleValues(path, code, {13, 260, 327, 328, 330, 331, 332}));
        code = (code + 37) % 200;
    }
    std::filesystem::remove(path);
}
BENCHMARK(ReadRuleValues200Games)->Unit(benchmark::kMicrosecond);

}  // namespace
