#include "shell/program_folders.h"

#include <cstdlib>
#include <system_error>

#include <pwd.h>
#include <unistd.h>

#include "rules/catalogue.h"
#include "shell/program.h"

// The build says where an installation puts the data, seen from its bin folder.
#ifndef DRAVICOR_INSTALLED_DATA_DIR
#define DRAVICOR_INSTALLED_DATA_DIR "../share/dravicor"
#endif

namespace dravicor {

namespace {

constexpr const char* kProgramFolderName = "dravicor";

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string HomeFolder() {
    if (std::string home = Environment("HOME"); !home.empty()) return home;
    const passwd* entry = ::getpwuid(::getuid());
    return entry && entry->pw_dir ? entry->pw_dir : "";
}

}  // namespace

std::optional<std::filesystem::path> UserDataFolder(const std::string& xdgDataHome, const std::string& home) {
    // A relative XDG_DATA_HOME is to be ignored, as the base-directory rules say.
    if (!xdgDataHome.empty() && std::filesystem::path(xdgDataHome).is_absolute())
        return std::filesystem::path(xdgDataHome) / kProgramFolderName;
    if (!home.empty() && std::filesystem::path(home).is_absolute())
        return std::filesystem::path(home) / ".local" / "share" / kProgramFolderName;
    return std::nullopt;
}

ProgramFolders DecideProgramFolders(const FolderFacts& facts) {
    ProgramFolders folders;
    if (facts.programDirOption) {
        folders.programDir = *facts.programDirOption;
    } else {
        const std::filesystem::path installed = (facts.executableDir / facts.installedDataDir).lexically_normal();
        const bool installation = !facts.holdsCatalogue(facts.executableDir) && facts.holdsCatalogue(installed);
        folders.programDir = installation ? installed : facts.executableDir;
    }
    const bool besideProgram = facts.writable(folders.programDir) &&
                               (facts.programDirOption || facts.holdsDataFolder(folders.programDir));
    folders.userDir = besideProgram ? std::optional(folders.programDir) : UserDataFolder(facts.xdgDataHome, facts.home);
    return folders;
}

FolderFacts MachineFolderFacts(std::optional<std::filesystem::path> programDirOption) {
    FolderFacts facts;
    facts.executableDir = ExecutableDir();
    facts.programDirOption = std::move(programDirOption);
    facts.installedDataDir = DRAVICOR_INSTALLED_DATA_DIR;
    facts.xdgDataHome = Environment("XDG_DATA_HOME");
    facts.home = HomeFolder();
    facts.holdsCatalogue = [](const std::filesystem::path& dir) {
        std::error_code ec;
        return std::filesystem::is_regular_file(dir / kCatalogueFileName, ec);
    };
    facts.holdsDataFolder = [](const std::filesystem::path& dir) {
        std::error_code ec;
        return std::filesystem::is_directory(dir / "DATA", ec);
    };
    // access() also knows read-only mounts, which the permission bits do not show.
    facts.writable = [](const std::filesystem::path& dir) { return ::access(dir.c_str(), W_OK) == 0; };
    return facts;
}

}  // namespace dravicor
