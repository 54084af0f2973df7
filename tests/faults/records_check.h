#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace dravicor::test {

// What is wrong with the records of a DATA folder, one line per fault:
// every line of the statistics, log and hi-score files as the program
// writes them, the overall scores passing their checks, the configuration
// naming a player (unless a kill cut the first start short before it was
// written at all). Temporary files of a rewrite count as faults unless
// allowed (a process killed during a rewrite leaves one until the next
// start).
std::string RecordsProblems(const std::filesystem::path& dataDir, bool allowTemporaries = false);

// The game number of every line of the game log, in file order.
std::vector<std::string> LoggedNumbers(const std::filesystem::path& dataDir);
// Won and lost deals of a player's record of a game.
long long CountedDeals(const std::filesystem::path& dataDir, int gameCode, const std::string& player);
// The number of games the built catalogue lists (the overall scores' N).
int ListedGameCount();

}  // namespace dravicor::test
