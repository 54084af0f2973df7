// Saved games (.GAM). The input is the file. Over a program playing a
// Klondike deal with a few steps:
//   - a file the parser refuses is refused by the loader, and a refused
//     file leaves the program exactly as it was (position, steps, game,
//     rules, settings record, data files);
//   - a loaded file plays on: the engine lists moves, clicks the stock,
//     undoes and redoes every step without fault;
//   - what it saves back parses, holds what the file held, and loads into a
//     fresh program to the same bytes again.
#include "fuzz_support.h"
#include "program_state.h"
#include "engine/player_input.h"
#include "savegame/saved_game.h"
#include "support/fake_platform.h"

namespace dravicor::fuzz {
namespace {

// The cells of a pile line as the engine rebuilds them: an empty place
// carries no face flag.
std::string Canonical(std::string line) {
    for (size_t at = 0; at + 4 <= line.size(); at += 4) {
        if (line.compare(at, 3, "000") == 0) line[at + 3] = '0';
    }
    return line;
}

std::vector<std::string> Canonical(std::vector<std::string> lines) {
    for (auto& line : lines) line = Canonical(std::move(line));
    return lines;
}

// A program over a fresh folder with a Klondike deal and three steps made.
struct PlayingProgram {
    test::FakePlatform fake;
    Platform platform = fake.platform();
    Program program;

    explicit PlayingProgram(const std::filesystem::path& dir) : program(dir, platform) {
        DRAVICOR_FUZZ_CHECK(program.initialise(), "start-up");
        DRAVICOR_FUZZ_CHECK(program.selectGame(0), "Klondike is in the catalogue");
        program.settings().put(Field::CurrentGameNumber, "1234");
        DRAVICOR_FUZZ_CHECK(program.engine().StartGame(true, false, 0, true), "the deal");
        for (int i = 0; i < 3; ++i) ClickStock(program.engine());
    }
};

// Plays on a loaded game: whatever the file held, the engine copes.
void PlayOn(Engine& engine) {
    (void)engine.LegalMoves();
    (void)engine.StockWouldAct();
    const size_t steps = engine.history().undo.size();
    for (size_t i = 0; i < steps; ++i) DRAVICOR_FUZZ_CHECK(engine.Undo(true), "every loaded step undoes");
    for (size_t i = 0; i < steps; ++i) DRAVICOR_FUZZ_CHECK(engine.Redo(true), "every undone step redoes");
}

}  // namespace
}  // namespace dravicor::fuzz

DRAVICOR_FUZZ_TARGET(saved_game) {
    using namespace dravicor;
    using namespace dravicor::fuzz;
    std::string parseError;
    const std::optional<SavedGame> parsed = ParseSavedGame(bytes, parseError);
    DRAVICOR_FUZZ_CHECK(parsed.has_value() == parseError.empty(), "a refusal says why, an acceptance says nothing");

    const std::filesystem::path& dir = FreshProgramDir();
    const std::filesystem::path file = dir / "game.gam";
    WriteBytes(file, bytes);
    PlayingProgram playing(dir);
    Program& program = playing.program;
    const ProgramState before = ProgramState::Of(program);
    const std::string error = LoadSavedGame(file, program.engine(), program.settings(), program.savedGameCatalogue());
    if (!parsed) DRAVICOR_FUZZ_CHECK(!error.empty(), "a file the parser refuses is loaded");
    if (!error.empty()) {
        const std::string changed = before.difference(ProgramState::Of(program));
        DRAVICOR_FUZZ_CHECK(changed.empty(), "a refused file changed " + changed + ": " + error);
        return;
    }

    const std::string saved = SavedGameBytes(program.engine(), program.settings());
    std::string again;
    const std::optional<SavedGame> reparsed = ParseSavedGame(saved, again);
    DRAVICOR_FUZZ_CHECK(reparsed.has_value(), "what a loaded game saves parses: " + again);
    DRAVICOR_FUZZ_CHECK(reparsed->gameCode == parsed->gameCode && reparsed->score == parsed->score &&
                            reparsed->passNumber == parsed->passNumber && reparsed->moveLog == parsed->moveLog &&
                            reparsed->gameNumber == parsed->gameNumber && reparsed->playerName == parsed->playerName,
                        "the header values save back as they were read");
    DRAVICOR_FUZZ_CHECK(reparsed->elapsedSeconds == parsed->elapsedSeconds.value_or(0), "the clock saves back");
    DRAVICOR_FUZZ_CHECK(reparsed->pileLines == Canonical(parsed->pileLines), "the position saves back");
    DRAVICOR_FUZZ_CHECK(reparsed->undoSteps.size() == parsed->undoSteps.size(), "every undo step saves back");
    for (size_t i = 0; i < 16; ++i) {
        if (parsed->foundationFirstCards[i]) {
            DRAVICOR_FUZZ_CHECK(reparsed->foundationFirstCards[i] == parsed->foundationFirstCards[i],
                                "a foundation's first card saves back");
        }
    }

    // The saved bytes load into a fresh program and save to the same bytes.
    {
        const std::filesystem::path second = dir / "second";
        std::filesystem::create_directories(second);
        std::filesystem::copy_file(dir / "GAMES.DAT", second / "GAMES.DAT");
        WriteBytes(second / "game.gam", saved);
        PlayingProgram other(second);
        const std::string reloaded = LoadSavedGame(second / "game.gam", other.program.engine(),
                                                   other.program.settings(), other.program.savedGameCatalogue());
        DRAVICOR_FUZZ_CHECK(reloaded.empty(), "what a loaded game saves loads again: " + reloaded);
        DRAVICOR_FUZZ_CHECK(SavedGameBytes(other.program.engine(), other.program.settings()) == saved,
                            "a saved game loaded again saves the same bytes");
    }
    PlayOn(program.engine());
}
