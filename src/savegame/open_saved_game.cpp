#include "savegame/open_saved_game.h"

#include "common/profile_file.h"
#include "common/settings_record.h"
#include "common/text_resources.h"
#include "engine/engine.h"
#include "shell/preferences.h"

namespace dravicor {

namespace {
constexpr std::string_view kSaveFolderKey = "Dir_Save";
}

std::filesystem::path SavedGameFolder(const SettingsRecord& settings) {
    return ConfigFile(settings).ReadString(kPreferenceSection, kSaveFolderKey, settings.get(Field::ProgramDir));
}

std::optional<std::filesystem::path> OpenSavedGameFile(Engine& engine, SettingsRecord& settings, Platform& platform,
                                                       const SavedGameCatalogue& catalogue) {
    if (engine.celebrating()) return std::nullopt;
    const std::optional<std::string> chosen = platform.files.chooseFileToOpen(
        LoadText(settings, TextId::OpenGameTitle), SavedGameFolder(settings).string(), kSavedGameFilter);
    if (!chosen || chosen->empty()) return std::nullopt;
    if (!engine.ConfirmLeaveGame()) return std::nullopt;

    const std::filesystem::path file(*chosen);
    const std::string error = LoadSavedGame(file, engine, settings, catalogue, SavedGameUse::Saved);
    if (!error.empty()) {
        platform.messages.showMessage(error, kProductName, MessageIcon::Error);
        return std::nullopt;
    }
    try {
        ProfileFile config = ConfigFile(settings);
        config.WriteString(kPreferenceSection, kSaveFolderKey, file.parent_path().string());
    } catch (const ProfileWriteError& error) {
        platform.messages.showMessage(error.what(), kProductName, MessageIcon::Error);
    }
    return file;
}

}  // namespace dravicor
