#include "shell/program.h"

#include <system_error>

#include "common/profile_file.h"
#include "shell/preferences.h"

namespace dravicor {

namespace {
constexpr std::string_view kProductName = "Dravicor";
}

Program::Program(const std::filesystem::path& programDir, Platform& platform) : platform_(platform) {
    std::error_code ec;
    std::filesystem::path dir = std::filesystem::absolute(programDir, ec);
    if (ec) dir = programDir;
    std::string text = dir.lexically_normal().string();
    if (text.empty() || text.back() != '/') text += '/';
    // Every file path is built from the record's copy, so a longer path
    // would silently point elsewhere.
    if (static_cast<int>(text.size()) > Field::ProgramDir.width) {
        throw StartupError("The program folder's path is longer than " +
                           std::to_string(Field::ProgramDir.width) + " characters: " + text);
    }
    settings_.put(Field::ProgramDir, text);
    settings_.put(Field::ConfigName, kConfigName);
}

std::filesystem::path Program::programDir() const { return settings_.get(Field::ProgramDir); }

void Program::initialise() {
    std::error_code ec;
    std::filesystem::create_directories(dataDir(), ec);  // a failure shows up at the first write

    try {
        LoadPreferences(settings_, platform_);
    } catch (const ProfileWriteError& error) {
        platform_.messages.showMessage(error.what(), kProductName, MessageIcon::Error);
    }

    position_ = Position{};
    game_ = GameState{};
}

std::filesystem::path ExecutableDir() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return std::filesystem::current_path();
    return exe.parent_path();
}

}  // namespace dravicor
