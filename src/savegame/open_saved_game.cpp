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
    return ConfigFile(settings).ReadString(kPreferenceSection, kSaveFolderKey, UserDirOf(settings));
}

namespace {
void RememberSaveFolder(SettingsRecord& settings, Platform& platform, const std::filesystem::path& file) {
    try {
        ProfileFile config = ConfigFile(settings);
        config.WriteString(kPreferenceSection, kSaveFolderKey, file.parent_path().string());
    } catch (const ProfileWriteError& error) {
        platform.messages.showMessage(error.what(), kProductName, MessageIcon::Error);
    }
}
}  // namespace

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
    RememberSaveFolder(settings, platform, file);
    return file;
}

std::filesystem::path SavedGamePath(std::string_view chosen) {
    std::filesystem::path file{std::string(chosen)};
    if (!file.has_extension()) file += ".gam";
    return file;
}

std::optional<std::filesystem::path> SaveGameToChosenFile(const Engine& engine, SettingsRecord& settings,
                                                          Platform& platform) {
    const std::string title = LoadText(settings, TextId::SaveGameTitle);
    const std::string folder = SavedGameFolder(settings).string();
    for (;;) {
        const std::optional<std::string> chosen = platform.files.chooseFileToSave(title, folder, kSaveGameFilter);
        if (!chosen || chosen->empty()) return std::nullopt;
        const std::filesystem::path file = SavedGamePath(*chosen);
        std::error_code ignored;
        if (std::filesystem::exists(file, ignored)) {
            const std::string question = file.string() + "\r" + LoadText(settings, TextId::ReplaceExistingFile);
            const Answer answer =
                platform.messages.ask(question, kProductName, MessageButtons::YesNoCancel, MessageIcon::Warning);
            if (answer == Answer::Cancel) return std::nullopt;
            if (answer == Answer::No) continue;
        }
        if (const std::string error = SaveGameFile(file, engine, settings); !error.empty()) {
            platform.messages.showMessage(error, kProductName, MessageIcon::Error);
            return std::nullopt;
        }
        RememberSaveFolder(settings, platform, file);
        return file;
    }
}

}  // namespace dravicor
