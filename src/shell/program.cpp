#include "shell/program.h"

#include <system_error>

#include "common/profile_file.h"
#include "shell/preferences.h"
#include "common/product.h"

namespace dravicor {

namespace {

// A folder as the settings record holds it: absolute, with a trailing
// separator.
std::string FolderText(const std::filesystem::path& folder, FieldSpec field, std::string_view what) {
    std::error_code ec;
    std::filesystem::path dir = std::filesystem::absolute(folder, ec);
    if (ec) dir = folder;
    std::string text = dir.lexically_normal().string();
    if (text.empty() || text.back() != '/') text += '/';
    // Every file path is built from the record's copy, so a longer path
    // would silently point elsewhere.
    if (static_cast<int>(text.size()) > field.width) {
        throw StartupError("The " + std::string(what) + "'s path is longer than " + std::to_string(field.width) +
                           " characters: " + text);
    }
    return text;
}

}  // namespace

std::string UnwritableDataMessage(const std::filesystem::path& dataDir) {
    return "Unable to write to " + dataDir.string() +
           "\rThe games can be played, but preferences and records are not saved in this session.";
}

Program::Program(const ProgramFolders& folders, Platform& platform)
    : platform_(platform),
      programDirText_(FolderText(folders.programDir, Field::ProgramDir, "program folder")),
      userDirText_(folders.userDir ? FolderText(*folders.userDir, Field::UserDir, "data folder") : programDirText_),
      hasUserDir_(folders.userDir.has_value()),
      dataFiles_(std::filesystem::path(userDirText_) / "DATA", platform.messages),
      customGames_(dataFiles_),
      engine_(settings_, platform, random_),
      records_(dataFiles_, platform.messages, settings_, std::filesystem::path(programDirText_) / kCatalogueFileName, gameList_,
               customGames_),
      demo_(engine_, settings_, platform, programDirText_, savedGameCatalogue()) {
    settings_.put(Field::ProgramDir, programDirText_);
    settings_.put(Field::UserDir, userDirText_);
    settings_.put(Field::ConfigName, kConfigName);
    engine_.setRecords(&records_);
}

std::filesystem::path Program::programDir() const { return settings_.get(Field::ProgramDir); }
std::filesystem::path Program::userDir() const { return settings_.get(Field::UserDir); }

bool Program::initialise() {
    random_.seed(static_cast<std::uint64_t>(platform_.clock.now().time_since_epoch().count()));

    // Without a folder for them, the records would fail one by one, each
    // with its own message: the player is told once, and nothing is written.
    if (!hasUserDir_ || !dataFiles_.probeWritable()) {
        dataFiles_.dropWrites();
        settings_.put(Field::DataReadOnly, "Y");
        platform_.messages.showMessage(UnwritableDataMessage(dataDir()), kProductName, MessageIcon::Error);
    }

    try {
        LoadPreferences(settings_, platform_);
    } catch (const ProfileWriteError& error) {
        platform_.messages.showMessage(error.what(), kProductName, MessageIcon::Error);
    }

    dataFiles_.removeStaleTemporaries();

    if (!CheckRequiredFile(cataloguePath(), platform_.messages)) return false;
    LoadGameList(cataloguePath(), gameList_);

    // The last game played, if it still exists.
    const int code = static_cast<int>(settings_.getNumber(Field::CurrentGame));
    if (GameNameOf(gameList_, code, customGames_).empty()) {
        settings_.put(Field::CurrentGameName, "");
    } else {
        selectGame(code);
    }
    return true;
}

bool Program::selectGame(int code) {
    engine_.setGame(kNoGame, GameRules{});
    const std::string name = GameNameOf(gameList_, code, customGames_);
    if (name.empty()) {
        platform_.messages.showMessage("There is no game with the code " + std::to_string(code) + ".", kProductName,
                                       MessageIcon::Error);
        return false;
    }
    try {
        engine_.setGame(code, LoadGameRules(cataloguePath(), code, customGames_));
    } catch (const CatalogueError& error) {
        platform_.messages.showMessage(error.what(), kProductName, MessageIcon::Error);
        return false;
    }
    settings_.put(Field::CurrentGame, FormatField(code, Field::CurrentGame.width));
    settings_.put(Field::CurrentGameName, name);
    return true;
}

std::filesystem::path ExecutableDir() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return std::filesystem::current_path();
    return exe.parent_path();
}

SavedGameCatalogue Program::savedGameCatalogue() const {
    SavedGameCatalogue catalogue;
    catalogue.rules = [this](int code) -> std::optional<GameRules> {
        if (GameNameOf(gameList_, code, customGames_).empty()) return std::nullopt;
        try {
            return LoadGameRules(cataloguePath(), code, customGames_);
        } catch (const CatalogueError&) {
            return std::nullopt;
        }
    };
    catalogue.name = [this](int code) { return GameNameOf(gameList_, code, customGames_); };
    return catalogue;
}

}  // namespace dravicor
