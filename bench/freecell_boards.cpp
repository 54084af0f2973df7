// Writes FreeCell deals of our numbering in the board format of the
// external solver the comparison runs beside ours: one line per column,
// its cards from the bottom up as rank and suit ("KH", "TD", "AS"), the
// free cells and foundations empty. Usage: freecell_boards FROM TO FOLDER
// writes FOLDER/NUMBER.board for each deal.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "play/dealt_state.h"
#include "rules/catalogue.h"
#include "rules/custom_games.h"

int main(int argc, char** argv) {
    using namespace dravicor;
    if (argc != 4) {
        std::cerr << "usage: freecell_boards FROM TO FOLDER\n";
        return 2;
    }
    const int from = std::stoi(argv[1]);
    const int to = std::stoi(argv[2]);
    const std::filesystem::path folder = argv[3];
    const GameRules rules = LoadGameRules(DRAVICOR_BUILT_GAMES_DAT, 1, NoCustomGames());
    static constexpr char kRanks[] = "A23456789TJQK";
    static constexpr char kSuits[] = "HDCS";
    for (int number = from; number <= to; ++number) {
        const auto state = DealtPlayState(rules, std::to_string(number));
        if (!state) {
            std::cerr << "freecell_boards: deal " << number << " cannot be dealt\n";
            return 1;
        }
        std::ofstream out(folder / (std::to_string(number) + ".board"));
        for (int t = 0; t < state->shape().tableau; ++t) {
            std::string line;
            for (const CardNumber card : state->position.piles.tableau[static_cast<size_t>(t)].groups()) {
                if (!line.empty()) line += ' ';
                line += kRanks[CardRank(card) - 1];
                line += kSuits[CardSuit(card) - 1];
            }
            out << line << '\n';
        }
    }
    return 0;
}
