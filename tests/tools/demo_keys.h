#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "engine/keyboard_play.h"
#include "savegame/saved_game.h"

namespace dravicor {

// A recorded demo won again with the keys alone.
struct DemoByKeys {
    int gameCode = kNoGame;
    std::string gameNumber;
    std::vector<KeyCommand> keys;  // every key pressed, from the deal
    bool won = false;
    // Autoplay acted on the shown deal, so the desktop program would not
    // follow the keys; they were found on the deal as the demo recorded it.
    bool shownDealDiffers = false;
    std::string error;  // why the keys fell behind the demo
};

// Deals the demo's game and number as the desktop program does (shown, so
// autoplay may act after the deal; see shownDealDiffers) and makes each
// recorded step with keys:
// the step is found by trying the moves the demo recorder tries until one
// leads to the demo's next position, then the focus is routed to the card
// and it is played by Activate, as a player at the keyboard would.
DemoByKeys WinDemoByKeys(const std::filesystem::path& catalogue, const SavedGame& demo);

// The key's name for xdotool ("Left", "shift+Tab", "ctrl+Return").
std::string XdotoolKeyName(KeyCommand key);

}  // namespace dravicor
