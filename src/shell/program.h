#pragma once

#include <filesystem>
#include <random>
#include <stdexcept>

#include "cards/game_state.h"
#include "cards/position.h"
#include "engine/engine.h"
#include "common/platform.h"
#include "common/settings_record.h"
#include "rules/catalogue.h"
#include "rules/custom_games.h"
#include "rules/game_rules.h"
#include "select/custom_game_file.h"
#include "shell/program_folders.h"
#include "savegame/demo_player.h"
#include "savegame/saved_game.h"
#include "shell/record_keeper.h"
#include "stats/data_file.h"

namespace dravicor {

// A start-up failure that ends the program after its message is shown.
class StartupError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The running program's core: the process-wide objects (the settings
// record, the card table and pile lists, the game state) and the start-up
// that fills them. Front ends create one and pass it on; nothing else holds
// program state.
class Program {
public:
    // The program folder holds GAMES.DAT, Images/ ..., the user folder the
    // DATA folder (the program folder when there is none); raises
    // StartupError when a path cannot be held by the settings record.
    Program(const ProgramFolders& folders, Platform& platform);
    // A program folder holding its own DATA folder.
    Program(const std::filesystem::path& programDir, Platform& platform)
        : Program(ProgramFolders{programDir, programDir}, platform) {}

    // Start-up: creates DATA/, reads the preferences into the settings
    // record, builds the card table and the empty pile lists, loads the game
    // list and the rules of the last game played. A DATA folder that cannot
    // be created or written is reported once (UnwritableDataMessage), and
    // the run goes on without writing preferences or records. Returns false
    // when the program must end (the game catalogue is missing; its message
    // has been shown).
    bool initialise();

    // Makes the game current and loads its rules; false (no game current,
    // the reason shown as a message) when the game does not exist or its
    // rules cannot be read.
    bool selectGame(int code);

    SettingsRecord& settings() { return settings_; }
    const SettingsRecord& settings() const { return settings_; }
    Engine& engine() { return engine_; }
    const Engine& engine() const { return engine_; }
    const Position& position() const { return engine_.position(); }
    const GameState& game() const { return engine_.game(); }
    const GameRules& rules() const { return engine_.rules(); }
    Platform& platform() { return platform_; }
    const GameList& gameList() const { return gameList_; }
    DataFiles& dataFiles() { return dataFiles_; }
    const RecordKeeper& records() const { return records_; }
    RecordKeeper& records() { return records_; }
    DemoPlayer& demo() { return demo_; }
    const CustomGames& customGames() const { return customGames_; }
    CustomGameFile& customGameFile() { return customGames_; }
    // Seeded from the clock once at start-up.
    std::mt19937_64& random() { return random_; }

    std::filesystem::path programDir() const;
    // The folder of the DATA folder.
    std::filesystem::path userDir() const;
    std::filesystem::path dataDir() const { return userDir() / "DATA"; }
    // False when the DATA folder could not be written at start-up.
    bool recordsWritten() const { return !dataFiles_.writesDropped(); }
    std::filesystem::path cataloguePath() const { return programDir() / kCatalogueFileName; }
    // The rules and names of games, as loading a saved game needs them.
    SavedGameCatalogue savedGameCatalogue() const;

private:
    Platform& platform_;
    std::string programDirText_;
    std::string userDirText_;
    bool hasUserDir_;
    SettingsRecord settings_;
    std::mt19937_64 random_;
    GameList gameList_;
    DataFiles dataFiles_;
    CustomGameFile customGames_;
    Engine engine_;
    RecordKeeper records_;
    DemoPlayer demo_;
};

// What the player is told when the DATA folder cannot be written.
std::string UnwritableDataMessage(const std::filesystem::path& dataDir);

// The folder of the running executable.
std::filesystem::path ExecutableDir();

}  // namespace dravicor
