#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "game_source.h"
#include "help_pages.h"

namespace dravicor::help {

// The games of the help: names, families and rules texts from the game
// sources, rule values from the compiled catalogue, read by the engine's own
// loader. A source that the catalogue does not match (a catalogue older
// than its sources) is a problem, reported and left out.
std::vector<HelpGame> ReadHelpGames(const std::filesystem::path& catalogue,
                                    const std::vector<catalogue::GameSource>& sources,
                                    std::vector<std::string>& problems);

// Writes the pages into the folder (created when missing) and deletes the
// rules pages of games that no longer exist. False, with the problem, when
// a file cannot be written.
bool WriteHelpFolder(const std::filesystem::path& folder, const std::map<std::string, std::string>& pages,
                     std::string& problem);

}  // namespace dravicor::help
