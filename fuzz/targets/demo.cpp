// Demo files (Demos/G0000.GAM for Klondike, the current game). The input is
// the file. Demo mode goes on whatever the file holds; then
//   - a refused file is reported once and leaves the data files and the
//     settings record as turning demo mode on leaves them;
//   - a loaded file is rewound to its first step: maximum() counts its undo
//     steps and the last position, the last step shows the file's position,
//     the first step its earliest undo step, and stepping forth and back in
//     any order lands on the same positions;
//   - turning demo mode off keeps the first position.
#include "engine/player_input.h"
#include "fuzz_support.h"
#include "program_state.h"
#include "savegame/demo_player.h"
#include "support/fake_platform.h"

namespace dravicor::fuzz {
namespace {

std::vector<std::string> Canonical(std::vector<std::string> lines) {
    for (auto& line : lines) {
        for (size_t at = 0; at + 4 <= line.size(); at += 4) {
            if (line.compare(at, 3, "000") == 0) line[at + 3] = '0';
        }
    }
    return lines;
}

}  // namespace
}  // namespace dravicor::fuzz

DRAVICOR_FUZZ_TARGET(demo) {
    using namespace dravicor;
    using namespace dravicor::fuzz;
    const std::filesystem::path& dir = FreshProgramDir();
    WriteBytes(DemoFilePath(dir, 0), bytes);
    test::FakePlatform fake;
    Platform platform = fake.platform();
    Program program(dir, platform);
    DRAVICOR_FUZZ_CHECK(program.initialise(), "start-up");
    DRAVICOR_FUZZ_CHECK(program.selectGame(0), "Klondike is in the catalogue");
    Engine& engine = program.engine();
    DemoPlayer& demo = program.demo();

    std::string parseError;
    const std::optional<SavedGame> parsed = ParseSavedGame(bytes, parseError);
    const size_t messagesBefore = fake.messages.size();
    DRAVICOR_FUZZ_CHECK(demo.ToggleDemo() && demo.active(), "demo mode goes on");
    const bool refused = fake.messages.size() > messagesBefore;
    if (!parsed) DRAVICOR_FUZZ_CHECK(refused, "a file the parser refuses is shown as a demo");
    DRAVICOR_FUZZ_CHECK(fake.messages.size() <= messagesBefore + 1, "a refused demo is reported once");
    DRAVICOR_FUZZ_CHECK(demo.step() == 1 && demo.counterText() == "1/" + std::to_string(demo.maximum()),
                        "a demo starts at its first step");
    if (!refused) {
        const size_t steps = parsed->undoSteps.size();
        DRAVICOR_FUZZ_CHECK(demo.maximum() == static_cast<int>(steps) + 1, "the steps of a demo are its undo steps");
        const std::vector<std::string> first = BuildSnapshot(engine.position());
        if (steps > 0) {
            DRAVICOR_FUZZ_CHECK(first == Canonical(parsed->undoSteps.front()), "the first step is the earliest one");
        }
        demo.last();
        DRAVICOR_FUZZ_CHECK(BuildSnapshot(engine.position()) == Canonical(parsed->pileLines),
                            "the last step is the file's position");
        // Forth and back in threes and ones, as the bar's buttons go.
        std::vector<std::vector<std::string>> positions(static_cast<size_t>(demo.maximum()) + 1);
        demo.first();
        for (int step = 1; step <= demo.maximum(); ++step) {
            demo.scrollTo(step);
            positions[static_cast<size_t>(step)] = BuildSnapshot(engine.position());
        }
        demo.first();
        for (int i = 0; i < 4; ++i) {
            demo.next();
            DRAVICOR_FUZZ_CHECK(BuildSnapshot(engine.position()) == positions[static_cast<size_t>(demo.step())],
                                "next lands where scrolling landed");
        }
        demo.prior();
        DRAVICOR_FUZZ_CHECK(BuildSnapshot(engine.position()) == positions[static_cast<size_t>(demo.step())],
                            "prior lands where scrolling landed");
        demo.beginDrag();
        demo.endDrag(demo.maximum());
        DRAVICOR_FUZZ_CHECK(demo.step() == demo.maximum() &&
                                BuildSnapshot(engine.position()) == Canonical(parsed->pileLines),
                            "a drag to the end shows the last position");
        demo.first();
        DRAVICOR_FUZZ_CHECK(BuildSnapshot(engine.position()) == first, "first goes back to the first step");
        // A card cannot be played in demo mode.
        if (const auto moves = engine.LegalMoves(); !moves.empty()) {
            DRAVICOR_FUZZ_CHECK(!PlayMove(engine, moves.front()), "a card is played in demo mode");
        }
    }
    const std::vector<std::string> shown = BuildSnapshot(engine.position());
    DRAVICOR_FUZZ_CHECK(demo.ToggleDemo() && !demo.active(), "demo mode goes off");
    DRAVICOR_FUZZ_CHECK(BuildSnapshot(engine.position()) == shown, "turning demo mode off keeps the first position");
}
