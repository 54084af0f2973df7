#include "demo_recorder.h"

#include <random>

#include "demo_files.h"
#include "demo_settings.h"
#include "engine/engine.h"
#include "rules/catalogue.h"
#include "savegame/saved_game.h"
#include "silent_platform.h"
#include "solver/solution_replay.h"
#include "solver/solver.h"

namespace dravicor {

DemoRecord RecordDemo(const std::filesystem::path& catalogue, int code, const std::filesystem::path& folder,
                      const DemoBudget& budget) {
    DemoRecord record;
    record.code = code;
    GameRules rules;
    try {
        rules = LoadGameRules(catalogue, code, NoCustomGames{});
    } catch (const CatalogueError& error) {
        record.error = error.what();
        return record;
    }

    SilentPlatform silent;
    Platform platform = silent.platform();
    SettingsRecord settings;
    PutDemoSettings(settings);
    std::mt19937_64 random(0);  // never drawn from: every deal is dealt by its number
    Engine engine(settings, platform, random);
    engine.setGame(code, rules);
    settings.put(Field::CurrentGame, FormatField(code, Field::CurrentGame.width));
    engine.SetAutoplay(false);

    SolveOptions first;
    first.budget.positions = budget.positions;
    first.budget.memoryBytes = std::size_t{256} << 20;
    SolveOptions shortest = first;
    shortest.budget.positions = budget.shortestPositions;
    shortest.shortest = true;
    for (int number = 1; number <= budget.deals; ++number) {
        settings.put(Field::CurrentGameNumber, std::to_string(number));
        if (!engine.StartGame(true, false, 0, true)) {
            record.error = "game number " + std::to_string(number) + " cannot be dealt";
            return record;
        }
        ++record.dealsTried;
        const PlayState start = SearchStartOf(engine);
        SolveResult result = Solve(start, first);
        record.positions += result.positions;
        if (result.verdict != Verdict::Won) continue;
        SolveResult shorter = Solve(start, shortest);
        record.positions += shorter.positions;
        if (shorter.verdict == Verdict::Won && shorter.solution.size() < result.solution.size()) result = shorter;
        if (ReplayOnEngine(engine, result.solution) != result.solution.size() || !engine.IsGameWon()) {
            record.error = "the solver's line for game number " + std::to_string(number) + " does not win in the engine";
            return record;
        }
        record.gameNumber = number;
        record.steps = engine.history().undo.size();
        const std::string fileName = DemoFileName(code);
        record.error = SaveGameFile(folder / fileName, engine, settings);
        if (record.error.empty()) record.fileName = fileName;
        return record;
    }
    return record;
}

}  // namespace dravicor
