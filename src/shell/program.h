#pragma once

#include <filesystem>
#include <stdexcept>

#include "cards/game_state.h"
#include "cards/position.h"
#include "common/platform.h"
#include "common/settings_record.h"

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
    // programDir is the folder of GAMES.DAT, Images/, DATA/ ...; raises
    // StartupError when it cannot be held by the settings record.
    Program(const std::filesystem::path& programDir, Platform& platform);

    // Start-up: creates DATA/, reads the preferences into the settings
    // record, builds the card table and the empty pile lists. A failure to
    // write the configuration file is reported as a message; start-up goes on.
    void initialise();

    SettingsRecord& settings() { return settings_; }
    const SettingsRecord& settings() const { return settings_; }
    Position& position() { return position_; }
    const Position& position() const { return position_; }
    GameState& game() { return game_; }
    const GameState& game() const { return game_; }
    Platform& platform() { return platform_; }

    std::filesystem::path programDir() const;
    std::filesystem::path dataDir() const { return programDir() / "DATA"; }

private:
    Platform& platform_;
    SettingsRecord settings_;
    Position position_;
    GameState game_;
};

// The folder of the running executable.
std::filesystem::path ExecutableDir();

}  // namespace dravicor
