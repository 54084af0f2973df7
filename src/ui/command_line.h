#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace dravicor {

struct CommandLine {
    // The folder of GAMES.DAT, Images/, DATA/ ...; the executable's folder
    // when not given.
    std::optional<std::filesystem::path> programDir;
    // Print the milliseconds from the start of the process to the first
    // painting of the first deal, phase by phase (StartupClock::report),
    // then end (without recording that deal).
    bool startupTime = false;
    // The deal of the game played last time that the first activation
    // makes, instead of a number drawn at random (a deal to share or to
    // try again), padded to 13 digits.
    std::optional<std::string> gameNumber;
};

// Printed on wrong usage; the manual page is made from it.
inline constexpr const char* kDesktopUsage =
    "usage: dravicor [--program-dir DIR] [--number GAME_NUMBER] [--startup-time]\n"
    "options:\n"
    "  --program-dir DIR    read the games, pictures and sounds from DIR, and keep the\n"
    "                       preferences and records in DIR/DATA when DIR can be written\n"
    "  --number GAME_NUMBER  deal this game number of the game played last, at once\n"
    "  --startup-time       print the milliseconds the start took, phase by phase, up to\n"
    "                       the first painted deal, then end without recording it\n";

// Reads the arguments after the program name (Qt's own options already
// removed); nullopt for anything but "--program-dir DIR", "--number
// DIGITS" and "--startup-time", each at most once.
std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args);

}  // namespace dravicor
