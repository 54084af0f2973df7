#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace dravicor {

class CustomGames;

// What the open-game dialog shows of the selected game: texts and the names
// of the resource-library pictures. A customized game is described by its
// base game's catalogue values, except that its three gauges read
// "Customized game" and its redeals come from its own record.
struct GameDescription {
    struct Gauge {
        std::string text;
        std::string picture;  // empty for a value the gauges do not know
    };
    std::string name;
    Gauge time;
    Gauge difficulty;
    Gauge chance;
    std::string decks;
    std::string redeals;
    std::string preview;  // "GAME" and the (base) game's code in four digits
    // Why the catalogue's values could not be read; the rest is then empty
    // but for the name.
    std::string problem;
};

// The texts of the values, as the dialog and its tests use them.
std::string GameTimeText(int value);         // 0 "Long", 1 "Medium", 2 "Quick"
std::string DifficultyText(int value);       // 0 "Easy", 1 "Medium", 2 "Hard"
std::string ChanceOfWinningText(int value);  // 0 "Very high" ... 4 "Very low"
// The chance text followed by " (about N in M)" when M is not 0.
std::string ChanceWithOdds(int chance, int winsPer, int winsOutOf);
// The cards in play divided by 52, rounded to the nearest whole number.
std::string DecksText(int cardCount);
// A deals value: "Unlimited" for -1, "0" for 0, otherwise one less.
std::string RedealsText(int deals);
// "GAME0012" for code 12.
std::string GamePreviewName(int code);

// Describes the game of a tree node: `caption` is the name the node shows.
GameDescription DescribeGame(const std::filesystem::path& catalogue, int code, std::string_view caption,
                             const CustomGames& custom);

}  // namespace dravicor
