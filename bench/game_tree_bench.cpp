// Reading the open-game tree's folders from the built catalogue: a folder
// of one property value reads every game's value, and opening every folder
// is the most a player can ask of one dialog.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "select/custom_game_file.h"
#include "select/game_description.h"
#include "select/game_tree.h"
#include "support/fake_platform.h"
#include "support/temp_dir.h"

namespace {

using namespace dravicor;

struct Scratch {
    Scratch() {
        std::filesystem::create_directories(dir / "DATA");
        LoadGameList(dir / "GAMES.DAT", list);
        allGames = BuildAllGamesList(list);
    }
    GameTree tree() {
        return GameTree([this](int key) { return FolderContents(key, allGames, source); });
    }
    dravicor::test::ScratchProgramDir dir;
    dravicor::test::FakePlatform fake;
    DataFiles files{dir / "DATA", fake};
    CustomGameFile custom{files};
    GameList list;
    std::vector<AllGamesEntry> allGames;
    GameTreeSource source{list, dir / "GAMES.DAT", custom, dir / "DATA/CFG.DAT"};
};

void FillOnePropertyFolder(benchmark::State& state) {
    Scratch scratch;
    for (auto _ : state) {
        GameTree tree = scratch.tree();
        benchmark::DoNotOptimize(tree.fillFolder(*tree.findFolder(-203010), -1).selected);
    }
}
BENCHMARK(FillOnePropertyFolder)->Unit(benchmark::kMillisecond);

void FillEveryFolder(benchmark::State& state) {
    Scratch scratch;
    for (auto _ : state) {
        GameTree tree = scratch.tree();
        for (const FixedFolder& folder : FixedFolders()) tree.fillFolder(*tree.findFolder(folder.key), -1);
    }
}
BENCHMARK(FillEveryFolder)->Unit(benchmark::kMillisecond);

void DescribeOneGame(benchmark::State& state) {
    Scratch scratch;
    for (auto _ : state) {
        benchmark::DoNotOptimize(DescribeGame(scratch.dir / "GAMES.DAT", 3, "Spider", scratch.custom).decks);
    }
}
BENCHMARK(DescribeOneGame)->Unit(benchmark::kMicrosecond);

}  // namespace
