#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "rules/catalogue.h"

namespace dravicor {

class CustomGameFile;

// The keys of the open-game tree's nodes: a game node carries its game
// code, every other node a negative key.
namespace TreeKey {
inline constexpr int Placeholder = -1;            // a folder not filled yet
inline constexpr int FavouritesPlaceholder = -2;  // "(Double click to customize)"
inline constexpr int CustomizedPlaceholder = -3;  // "(How to customize a game)"
inline constexpr int Favourites = -10;
inline constexpr int FoldersList = -20;
inline constexpr int AllGames = -30;
inline constexpr int Selected = -2010;
inline constexpr int GameType = -2020;
inline constexpr int GameTime = -2030;
inline constexpr int Difficulty = -2040;
inline constexpr int SkillOrChance = -2050;
inline constexpr int ChanceOfWinning = -2060;
inline constexpr int Customized = -2070;
}  // namespace TreeKey

// Where a key belongs: placeholders are -1 to -3, folders -10 and below.
inline bool IsGameKey(int key) { return key >= 0; }
inline bool IsPlaceholderKey(int key) { return key <= -1 && key >= -3; }
inline bool IsFolderKey(int key) { return key <= TreeKey::Favourites; }

// The tree's icons, by index: the resource-library bitmap of each.
inline constexpr std::array<std::string_view, 35> kTreeIconNames = {
    "TREE1",                  "TREE2",                   "N_TREE3",
    "N_TREE4",                "N_TREE5",                 "F_TREE1",
    "F_TREE2",                "S_TREE1",                 "S_TREE2",
    "D_TREE1",                "D_TREE2",                 "TREE5_CANFIELD_TYPE",
    "TREE5_FAN_TYPE",         "TREE5_FORTYTHIEVES_TYPE", "TREE5_FREECELL_TYPE",
    "TREE5_KLONDIKE_TYPE",    "TREE5_PAIRING_TYPE",      "TREE5_SIMPLEGAMES_TYPE",
    "TREE5_SPIDER_TYPE",      "TREE5_1DECK_TYPE",        "TREE5_2DECK_TYPE",
    "C_TREE1",                "C_TREE2",                 "TREE5_CUSTOMIZED_GAMES",
    "TREE5_FAVORITES_GAMES",  "TREE5_BAKERSDOZEN_TYPE",  "T_TREE1",
    "T_TREE2",                "I_TREE1",                 "I_TREE2",
    "K_TREE1",                "K_TREE2",                 "W_TREE1",
    "W_TREE2",                "TREE5_ROW_TYPE",
};

namespace TreeIcon {
inline constexpr int Folder = 0;
inline constexpr int OpenFolder = 1;
inline constexpr int Game = 2;  // a game of no known family
inline constexpr int Placeholder = 4;
inline constexpr int CustomizedGame = 23;
inline constexpr int FavouriteGame = 24;
}  // namespace TreeIcon

// A node as a folder's filling adds it.
struct TreeEntry {
    int key = TreeKey::Placeholder;
    std::string caption;
    int icon = TreeIcon::Game;
    int selectedIcon = TreeIcon::Game;
    friend bool operator==(const TreeEntry&, const TreeEntry&) = default;
};

// One game of the catalogue's list, as every folder but the favourites,
// selected and customized ones takes its games from.
struct AllGamesEntry {
    std::string name;
    int family = -1;
    int code = -1;
    friend bool operator==(const AllGamesEntry&, const AllGamesEntry&) = default;
};

// The entry as one text: the name padded with blanks to 50 characters,
// the family and the code in three digits each.
std::string AllGamesLine(const AllGamesEntry& entry);

// Every listed game, ordered by that text without regard to letter case,
// which is alphabetical order of the names. Lines without a code are left out.
std::vector<AllGamesEntry> BuildAllGamesList(const GameList& list);

// The icon of a game of the family (a game node in the type, property,
// selected and all-games folders).
int FamilyIcon(int family);

// What the filled folders read: the game list and catalogue, the
// customized games and the configuration file with the favourites.
struct GameTreeSource {
    const GameList& list;
    std::filesystem::path catalogue;
    const CustomGameFile& custom;
    std::filesystem::path config;
};

// Whether the folder is filled from the source (it then holds a
// placeholder until it is first filled); the folders holding folders are
// laid out once.
bool IsFilledFolder(int key);

// The nodes a folder holds, in their order. An empty favourites or
// customized folder holds its placeholder. Raises CatalogueError when the
// catalogue's values cannot be read.
std::vector<TreeEntry> FolderContents(int key, const std::vector<AllGamesEntry>& allGames,
                                      const GameTreeSource& source);

// The fixed folders, each with its key, caption, icons and parent key (0
// for the three top-level nodes), in the order the tree shows them.
struct FixedFolder {
    int key;
    std::string_view caption;
    int icon;
    int selectedIcon;
    int parent;
};
const std::vector<FixedFolder>& FixedFolders();

}  // namespace dravicor
