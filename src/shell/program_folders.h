#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace dravicor {

// Where a running copy of the program reads its data and keeps its records.
// Two layouts are known:
// - a program folder of its own (the build's dravicor/, a copy of it): the
//   executables beside GAMES.DAT, KVR.RGF, Images/ ..., and the DATA folder
//   in it too;
// - an installation: executables in PREFIX/bin, the read-only data in
//   PREFIX/share/dravicor, the DATA folder in the user's data folder
//   ($XDG_DATA_HOME/dravicor, by default ~/.local/share/dravicor).
struct ProgramFolders {
    // The folder of GAMES.DAT, KVR.RGF, Images/, SOUNDS/, Demos/, HELP/.
    std::filesystem::path programDir;
    // The folder whose DATA subfolder holds the preferences, the players
    // and the records; nothing when there is no place for them at all.
    std::optional<std::filesystem::path> userDir;
};

// What the decision is made from: the command line, the environment and a
// few questions to the file system.
struct FolderFacts {
    std::filesystem::path executableDir;
    // --program-dir DIR.
    std::optional<std::filesystem::path> programDirOption;
    // Where an installation keeps the read-only data, relative to the
    // folder of its executables ("../share/dravicor").
    std::filesystem::path installedDataDir;
    // $XDG_DATA_HOME and the home folder ($HOME, else the user's entry in
    // the password database); empty when unknown.
    std::string xdgDataHome;
    std::string home;
    // GAMES.DAT is in the folder.
    std::function<bool(const std::filesystem::path&)> holdsCatalogue;
    // The folder has a DATA subfolder.
    std::function<bool(const std::filesystem::path&)> holdsDataFolder;
    // Files can be created in the folder.
    std::function<bool(const std::filesystem::path&)> writable;
};

// The program folder is the one given on the command line, else the
// executable's folder when it holds the catalogue, else the installation's
// data folder when that does (else the executable's folder, whose missing
// catalogue is then reported). DATA stays in the program folder when that
// folder can be written and either holds a DATA folder already or was given
// on the command line; otherwise it goes to the user's data folder, so a
// read-only program folder is never written to.
ProgramFolders DecideProgramFolders(const FolderFacts& facts);

// The facts of this process and machine.
FolderFacts MachineFolderFacts(std::optional<std::filesystem::path> programDirOption);

// The user's data folder of the program: $XDG_DATA_HOME/dravicor when the
// variable holds an absolute path, else HOME/.local/share/dravicor; nothing
// without either.
std::optional<std::filesystem::path> UserDataFolder(const std::string& xdgDataHome, const std::string& home);

}  // namespace dravicor
