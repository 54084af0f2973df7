#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "rules/custom_games.h"
#include "rules/game_rules.h"

namespace dravicor {

class Messages;

// GAMES.DAT, the game catalogue: "[Sect1]" the game list, "[Sect2]" the rule
// matrix (one line per parameter, one column per game), "[SectS]" the
// selected games. Data lines are stored scrambled; lines end in CR LF.
inline constexpr std::string_view kCatalogueFileName = "GAMES.DAT";
inline constexpr std::string_view kGameListHeader = "[Sect1]";
inline constexpr std::string_view kRuleMatrixHeader = "[Sect2]";
inline constexpr std::string_view kSelectedGamesHeader = "[SectS]";

// Columns of the stored lines (0-based offsets).
inline constexpr size_t kMatrixScrambledFrom = 5;  // matrix columns 1-5 are in clear
inline constexpr size_t kMatrixValueColumn = 16;   // game 0's value
inline constexpr size_t kMatrixColumnWidth = 11;   // value (10) and separator (1)
inline constexpr size_t kMatrixValueWidth = 10;

// A catalogue that cannot be read as one: the message names what is wrong.
class CatalogueError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Stored byte b reads back as b + 48 below 80 and b - 48 otherwise; a plain
// character p from 32 to 207 is stored as p + 48.
std::string RestoreText(std::string_view stored);
std::string ScrambleText(std::string_view plain);
bool IsStorableText(std::string_view plain);

// Splits file content into lines at LF, dropping a CR before it.
std::vector<std::string> SplitCatalogueLines(std::string_view content);
// The bodies of every section whose header line starts with the header, in
// file order. A body runs to the next line starting with "[".
std::vector<std::string> CatalogueSection(const std::vector<std::string>& lines, std::string_view header);
// The catalogue's lines; raises CatalogueError when the file cannot be read.
std::vector<std::string> LoadCatalogueLines(const std::filesystem::path& path);

// The restored game-list lines of the listed games, in file order.
struct GameList {
    std::vector<std::string> lines;
};

// Fills the list from the catalogue; false when the file cannot be read.
bool LoadGameList(const std::filesystem::path& path, GameList& list);

// Lookups on the game list: the line at position `code` is tried first, then
// every line. Customized games (codes 8000 and above) come from `custom`.
std::string GameNameOf(const GameList& list, int code, const CustomGames& custom);
int GameCodeOf(const GameList& list, std::string_view name, const CustomGames& custom);  // -1 when unknown
int GameFamilyOf(const GameList& list, int code);                                       // -1 when unknown
// The codes of the listed games in list order (a damaged line names none).
std::vector<int> ListedGameCodes(const GameList& list);

// The values of up to nine parameters of any game, read afresh from the
// catalogue by matrix line position (parameter p on body line p - 1).
// Spare entries are 0. Raises CatalogueError on a damaged catalogue.
std::vector<std::int16_t> ReadRuleValues(const std::filesystem::path& path, int code, std::initializer_list<int> indices);
// The value of one parameter for each of the games, in the order of the
// codes, from one reading of the catalogue (as ReadRuleValues reads it).
// Raises CatalogueError on a damaged catalogue.
std::vector<std::int16_t> ReadRuleValueOfGames(const std::filesystem::path& path, int index,
                                               const std::vector<int>& codes);

// True when the selected-games section names the code.
bool IsSelectedGame(const std::filesystem::path& path, int code);
// Every code the selected-games section names, in file order, each once;
// lines that are no number are passed over. Empty when the file cannot be read.
std::vector<int> SelectedGameCodes(const std::filesystem::path& path);

// Fills the rules of the game (a customized game reads its base game's column
// and applies its overrides). Raises CatalogueError on a damaged catalogue.
GameRules LoadGameRules(const std::filesystem::path& path, int code, const CustomGames& custom);
// The three overrides of a customized game's settings text: characters 1-3
// the cards per stock click, then 4-6 the redeals (the first that is not a
// number ends these two), character 7 the empty-tableau rule of every
// tableau pile ("1" King, "2" any card, "3" none, anything else unchanged).
void ApplyCustomSettings(GameRules& rules, std::string_view settings);

// The required-file check of start-up: false, after the message box
// "Cannot find file: ...", when the file does not exist.
bool CheckRequiredFile(const std::filesystem::path& path, Messages& messages);

}  // namespace dravicor
