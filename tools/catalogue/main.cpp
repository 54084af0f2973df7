// The catalogue compiler: reads the game sources and writes GAMES.DAT.
//   dravicor-catalogue --output GAMES.DAT SOURCE...
//   dravicor-catalogue --parameters      (the parameter names, for reference)
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "catalogue_writer.h"
#include "common/file_io.h"
#include "game_source.h"
#include "rules/rule_parameters.h"

namespace {

void PrintParameters() {
    for (const auto& p : dravicor::AllParameters()) {
        std::cout << p.index;
        if (p.blockSize > 1) std::cout << '-' << p.index + p.blockSize - 1;
        std::cout << '\t' << p.name << (p.blockSize > 1 ? "[i]" : "") << '\t' << p.min << ".." << p.max << '\t'
                  << p.meaning << '\n';
    }
}

}  // namespace

int main(int argc, char** argv) {
    using namespace dravicor::catalogue;
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && args[0] == "--parameters") {
        PrintParameters();
        return 0;
    }
    if (args.size() < 3 || args[0] != "--output") {
        std::cerr << "usage: dravicor-catalogue --output GAMES.DAT SOURCE...\n"
                     "       dravicor-catalogue --parameters\n";
        return 2;
    }

    std::vector<SourceError> errors;
    std::vector<GameSource> games;
    for (size_t i = 2; i < args.size(); ++i) games.push_back(ReadGameSource(args[i], errors));
    CheckCatalogue(games, errors);
    if (!errors.empty()) {
        for (const auto& e : errors) std::cerr << e.text() << '\n';
        std::cerr << "dravicor-catalogue: " << errors.size() << " problem(s); GAMES.DAT not written\n";
        return 1;
    }
    if (!dravicor::WriteFileAtomically(args[1], WriteCatalogue(std::move(games)))) {
        std::cerr << "dravicor-catalogue: cannot write " << args[1] << '\n';
        return 1;
    }
    return 0;
}
