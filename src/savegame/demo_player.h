#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "common/platform.h"
#include "common/settings_record.h"
#include "engine/engine.h"
#include "savegame/saved_game.h"

namespace dravicor {

// The demo of a game: "Demos/G" + the code in four digits + ".GAM" under the
// program folder.
std::filesystem::path DemoFilePath(const std::filesystem::path& programDir, int gameCode);

// Steps through the recorded game of the current game type. Demo mode loads
// the game's demo file, rewinds it to its first position and then moves
// through the recorded positions with quiet undo and redo, as the demo bar
// asks. Steps are numbered 1 (the first position) to maximum() (the last).
//
// The bar's buttons and scroll bar map onto first/prior/next/last, scrollTo
// and the drag calls; the front end draws the bar, shows counterText() and
// keeps its scroll bar at step().
class DemoPlayer {
public:
    DemoPlayer(Engine& engine, SettingsRecord& settings, Platform& platform, std::filesystem::path programDir,
               SavedGameCatalogue catalogue);

    bool active() const { return engine_.demoMode(); }

    // Turns demo mode on or off. Turning it on first asks to leave the game
    // in progress (false and nothing changed when the player keeps it); that
    // game is ended and recorded as a new game would end it. A demo file
    // that cannot be loaded is reported; demo mode stays on and the table
    // keeps what it showed. Either way the table is rewound to the first
    // position of the game shown. True when the mode was toggled.
    bool ToggleDemo();

    // Moves the table from step `from` to step `to` with quiet redo or undo
    // steps, and makes `to` the current step.
    void GotoDemoStep(int from, int to);

    void first();
    void prior();  // three steps back, not below the first
    void next();   // three steps on, not past the last
    void last();
    // A click or page step of the scroll bar moved it to `position`.
    void scrollTo(int position);
    // The thumb is dragged: nothing moves until the drag ends, then the
    // table goes from where the drag started to where it ended.
    void beginDrag();
    void endDrag(int position);

    int step() const { return step_; }
    int maximum() const { return maximum_; }
    // "step/maximum", as the bar's counter shows it.
    std::string counterText() const;

private:
    void rewind();
    int clamp(int position) const;

    Engine& engine_;
    SettingsRecord& settings_;
    Platform& platform_;
    std::filesystem::path programDir_;
    SavedGameCatalogue catalogue_;
    int step_ = 1;
    int maximum_ = 1;
    std::optional<int> dragStart_;
};

}  // namespace dravicor
