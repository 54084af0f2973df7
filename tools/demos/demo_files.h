#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace dravicor {

// The demo of a game in the program's Demos folder: "G" and the game code in
// four digits, ".GAM" ("G0001.GAM" for game 1).
std::string DemoFileName(int code);
bool IsDemoFileName(std::string_view name);

// Deletes the demo files of the folder that are not named in `keep` (demos
// of games that no longer exist or no longer found a win); other files stay.
// Returns the names deleted, sorted.
std::vector<std::string> RemoveStaleDemos(const std::filesystem::path& folder, const std::vector<std::string>& keep);

}  // namespace dravicor
