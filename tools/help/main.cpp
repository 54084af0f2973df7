// The help generator: a rules page for every game and the contents page.
//   dravicor-help --catalogue GAMES.DAT --output HELP SOURCE...
#include <iostream>
#include <string>
#include <vector>

#include "game_source.h"
#include "help_games.h"
#include "help_pages.h"

int main(int argc, char** argv) {
    using namespace dravicor;
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() < 5 || args[0] != "--catalogue" || args[2] != "--output") {
        std::cerr << "usage: dravicor-help --catalogue GAMES.DAT --output FOLDER SOURCE...\n";
        return 2;
    }

    std::vector<catalogue::SourceError> errors;
    std::vector<catalogue::GameSource> sources;
    for (size_t i = 4; i < args.size(); ++i) sources.push_back(catalogue::ReadGameSource(args[i], errors));
    std::vector<std::string> problems;
    for (const auto& error : errors) problems.push_back(error.text());
    const auto games = problems.empty() ? help::ReadHelpGames(args[1], sources, problems) : std::vector<help::HelpGame>{};
    if (!problems.empty()) {
        for (const auto& problem : problems) std::cerr << problem << '\n';
        std::cerr << "dravicor-help: " << problems.size() << " problem(s); the help was not written\n";
        return 1;
    }
    std::string problem;
    if (!help::WriteHelpFolder(args[3], help::HelpPages(games), problem)) {
        std::cerr << "dravicor-help: " << problem << '\n';
        return 1;
    }
    return 0;
}
