#pragma once

#include <filesystem>
#include <optional>

#include "common/platform.h"
#include "savegame/saved_game.h"

namespace dravicor {

class Engine;
class SettingsRecord;

// The filters of the open and save dialogs for saved games.
inline constexpr std::string_view kSavedGameFilter = "Game|*.GAM";
inline constexpr std::string_view kSaveGameFilter = "Game|*.gam";

// The folder the saved-game dialogs start in: the preference Dir_Save, or
// the program folder.
std::filesystem::path SavedGameFolder(const SettingsRecord& settings);

// The player picks a saved game and plays on from it: nothing happens while
// a won game is celebrated; the open dialog starts in SavedGameFolder; the
// player confirms leaving the game in progress; the file is loaded (a file
// that cannot be loaded is named in a message and changes nothing) and
// Dir_Save becomes its folder. The file loaded, or nothing when none was.
std::optional<std::filesystem::path> OpenSavedGameFile(Engine& engine, SettingsRecord& settings, Platform& platform,
                                                       const SavedGameCatalogue& catalogue);

// The file a save dialog's answer names: ".gam" is added to a name without
// an extension.
std::filesystem::path SavedGamePath(std::string_view chosen);

// The player saves the game in progress: the save dialog starts in
// SavedGameFolder; an existing file is replaced only after Yes (No shows the
// dialog again, Cancel stops); a file that cannot be written is named in a
// message. Dir_Save becomes the folder of the file written. The file
// written, or nothing when none was.
std::optional<std::filesystem::path> SaveGameToChosenFile(const Engine& engine, SettingsRecord& settings,
                                                          Platform& platform);

}  // namespace dravicor
