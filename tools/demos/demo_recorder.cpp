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

    // Deals the number; searches it for a win, then for a shorter line;
    // plays the line through the engine and saves the game. True when the
    // recording ends here, with a file or an error.
    const auto tryDeal = [&](int number, std::int64_t positions, std::int64_t shortestPositions) {
        settings.put(Field::CurrentGameNumber, std::to_string(number));
        if (!engine.StartGame(true, false, 0, true)) {
            record.error = "game number " + std::to_string(number) + " cannot be dealt";
            return true;
        }
        ++record.dealsTried;
        SolveOptions first;
        first.budget.positions = positions;
        first.budget.memoryBytes = std::size_t{256} << 20;
        SolveOptions shortest = first;
        shortest.budget.positions = shortestPositions;
        shortest.shortest = true;
        const PlayState start = SearchStartOf(engine);
        SolveResult result = Solve(start, first);
        record.positions += result.positions;
        if (result.verdict != Verdict::Won) return false;
        record.wonPositions = result.positions;
        SolveResult shorter = Solve(start, shortest);
        record.positions += shorter.positions;
        if (shorter.verdict == Verdict::Won && shorter.solution.size() < result.solution.size()) result = shorter;
        if (ReplayOnEngine(engine, result.solution) != result.solution.size() || !engine.IsGameWon()) {
            record.error = "the solver's line for game number " + std::to_string(number) + " does not win in the engine";
            return true;
        }
        record.gameNumber = number;
        record.steps = engine.history().undo.size();
        const std::string fileName = DemoFileName(code);
        record.error = SaveGameFile(folder / fileName, engine, settings);
        if (record.error.empty()) record.fileName = fileName;
        return true;
    };
    if (budget.listedDeal > 0 && tryDeal(budget.listedDeal, budget.listedPositions, budget.listedPositions)) {
        record.listedDealWon = record.error.empty();
        return record;
    }
    for (int number = 1; number <= budget.deals; ++number) {
        if (number != budget.listedDeal && tryDeal(number, budget.positions, budget.shortestPositions)) return record;
    }
    return record;
}

}  // namespace dravicor
