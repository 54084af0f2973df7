#include "program_state.h"

#include "cards/position.h"
#include "fuzz_support.h"

namespace dravicor::fuzz {

namespace {

std::vector<std::vector<std::string>> StepLines(const std::vector<CompactPosition>& steps) {
    std::vector<std::vector<std::string>> lines;
    lines.reserve(steps.size());
    for (const CompactPosition& step : steps) lines.push_back(step.snapshotLines());
    return lines;
}

}  // namespace

std::string RecordText(const SettingsRecord& settings) {
    std::string text;
    for (const FieldEntry& entry : AllSettingsFields()) text += settings.get(entry.field) + '|';
    return text;
}

ProgramState ProgramState::Of(Program& program) {
    const Engine& engine = program.engine();
    const GameState& game = engine.game();
    ProgramState state;
    state.position = BuildSnapshot(engine.position());
    state.undo = StepLines(engine.history().undo);
    state.redo = StepLines(engine.history().redo);
    state.game = std::to_string(game.gameCode) + "|" + game.gameNumber + "|" + std::to_string(game.inProgress) +
                 std::to_string(game.won) + std::to_string(game.clockRunning) + "|" + std::to_string(game.score) +
                 "|" + std::to_string(game.passNumber) + "|" +
                 std::to_string(game.startTime.time_since_epoch().count()) + "|" + game.moveLog.text() + "|" +
                 game.redoLog.text();
    for (int i = 0; i < GameRules::kSize; ++i) state.rules.push_back(engine.rules()[i]);
    state.record = RecordText(program.settings());
    state.dataFiles = FolderState(program.dataDir());
    return state;
}

std::string ProgramState::difference(const ProgramState& other) const {
    if (position != other.position) return "the position";
    if (undo != other.undo) return "the undo steps";
    if (redo != other.redo) return "the redo steps";
    if (game != other.game) return "the game state (" + game + " / " + other.game + ")";
    if (rules != other.rules) return "the rules";
    if (record != other.record) return "the settings record";
    if (dataFiles != other.dataFiles) return "the data files";
    return {};
}

}  // namespace dravicor::fuzz
