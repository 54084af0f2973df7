#include "select/game_tree_contents.h"

#include <algorithm>
#include <functional>

#include "common/profile_file.h"
#include "common/settings_record.h"
#include "common/text.h"
#include "rules/game_rules.h"
#include "select/custom_game_file.h"
#include "select/favourites.h"

namespace dravicor {

namespace {

// A folder of the games of one family.
struct FamilyFolder {
    int key;
    std::string_view caption;
    int family;
    int gameIcon;
};

constexpr FamilyFolder kFamilyFolders[] = {
    {-202005, "Baker's dozen type", 12, 25}, {-202010, "Canfield type", 2, 11},
    {-202015, "Fan type", 11, 12},           {-202020, "Forty Thieves type", 3, 13},
    {-202025, "FreeCell type", 4, 14},       {-202030, "Klondike type", 5, 15},
    {-202035, "Pairing games", 6, 16},       {-202040, "Row type", 13, 34},
    {-202045, "Simple games", 7, 17},        {-202050, "Spider type", 8, 18},
    {-202055, "1 deck games", 9, 19},        {-202060, "2 decks games", 10, 20},
};

// A folder of the games whose catalogue value of one parameter is one value.
struct PropertyFolder {
    int key;
    std::string_view caption;
    int parent;
    int parameter;
    int value;
};

constexpr PropertyFolder kPropertyFolders[] = {
    {-203010, "Quick", TreeKey::GameTime, Rule::GameTime, 2},
    {-203020, "Medium", TreeKey::GameTime, Rule::GameTime, 1},
    {-203030, "Long", TreeKey::GameTime, Rule::GameTime, 0},
    {-204010, "Easy", TreeKey::Difficulty, Rule::Difficulty, 0},
    {-204020, "Medium", TreeKey::Difficulty, Rule::Difficulty, 1},
    {-204030, "Hard", TreeKey::Difficulty, Rule::Difficulty, 2},
    {-205010, "Skill", TreeKey::SkillOrChance, Rule::SkillOrChance, 0},
    {-205020, "Balanced", TreeKey::SkillOrChance, Rule::SkillOrChance, 1},
    {-205030, "Chance", TreeKey::SkillOrChance, Rule::SkillOrChance, 2},
    {-206010, "Very low", TreeKey::ChanceOfWinning, Rule::ChanceOfWinning, 4},
    {-206020, "Low", TreeKey::ChanceOfWinning, Rule::ChanceOfWinning, 3},
    {-206030, "Medium", TreeKey::ChanceOfWinning, Rule::ChanceOfWinning, 2},
    {-206040, "High", TreeKey::ChanceOfWinning, Rule::ChanceOfWinning, 1},
    {-206050, "Very high", TreeKey::ChanceOfWinning, Rule::ChanceOfWinning, 0},
};

const FamilyFolder* FamilyFolderOf(int key) {
    const auto* found = std::find_if(std::begin(kFamilyFolders), std::end(kFamilyFolders),
                                     [key](const FamilyFolder& f) { return f.key == key; });
    return found == std::end(kFamilyFolders) ? nullptr : found;
}

const PropertyFolder* PropertyFolderOf(int key) {
    const auto* found = std::find_if(std::begin(kPropertyFolders), std::end(kPropertyFolders),
                                     [key](const PropertyFolder& f) { return f.key == key; });
    return found == std::end(kPropertyFolders) ? nullptr : found;
}

TreeEntry GameEntry(const AllGamesEntry& game) {
    const int icon = FamilyIcon(game.family);
    return {game.code, game.name, icon, icon};
}

std::vector<TreeEntry> GamesWhere(const std::vector<AllGamesEntry>& allGames,
                                  const std::function<bool(const AllGamesEntry&)>& wanted) {
    std::vector<TreeEntry> entries;
    for (const auto& game : allGames) {
        if (wanted(game)) entries.push_back(GameEntry(game));
    }
    return entries;
}

std::vector<TreeEntry> FavouriteEntries(const GameTreeSource& source) {
    std::vector<TreeEntry> entries;
    for (const auto& game : ResolveFavourites(ProfileFile(source.config), source.list, source.custom)) {
        const int icon = game.code >= kFirstCustomCode ? TreeIcon::CustomizedGame : TreeIcon::FavouriteGame;
        entries.push_back({game.code, game.name, icon, icon});
    }
    if (entries.empty()) {
        entries.push_back({TreeKey::FavouritesPlaceholder, "(Double click to customize)", TreeIcon::Placeholder,
                           TreeIcon::Placeholder});
    }
    return entries;
}

std::vector<TreeEntry> SelectedEntries(const GameTreeSource& source) {
    std::vector<TreeEntry> entries;
    for (const int code : SelectedGameCodes(source.catalogue)) {
        std::string name = GameNameOf(source.list, code, source.custom);
        // A code the list does not carry has no name to show.
        if (name.empty()) continue;
        const int icon = FamilyIcon(GameFamilyOf(source.list, code));
        entries.push_back({code, std::move(name), icon, icon});
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const TreeEntry& a, const TreeEntry& b) { return GameNameLess(a.caption, b.caption); });
    return entries;
}

std::vector<TreeEntry> CustomizedEntries(const GameTreeSource& source) {
    std::vector<TreeEntry> entries;
    for (const auto& game : source.custom.list()) {
        entries.push_back({game.code, game.name, TreeIcon::CustomizedGame, TreeIcon::CustomizedGame});
    }
    if (entries.empty()) {
        entries.push_back({TreeKey::CustomizedPlaceholder, "(How to customize a game)", TreeIcon::Placeholder,
                           TreeIcon::Placeholder});
    }
    return entries;
}

}  // namespace

std::string AllGamesLine(const AllGamesEntry& entry) {
    std::string line = entry.name;
    if (line.size() < 50) line.resize(50, ' ');
    return line + FormatField(entry.family, 3) + FormatField(entry.code, 3);
}

std::vector<AllGamesEntry> BuildAllGamesList(const GameList& list) {
    const NoCustomGames none;
    std::vector<AllGamesEntry> entries;
    for (const int code : ListedGameCodes(list)) {
        entries.push_back({GameNameOf(list, code, none), GameFamilyOf(list, code), code});
    }
    std::stable_sort(entries.begin(), entries.end(), [](const AllGamesEntry& a, const AllGamesEntry& b) {
        return ToLower(AllGamesLine(a)) < ToLower(AllGamesLine(b));
    });
    return entries;
}

int FamilyIcon(int family) {
    for (const auto& folder : kFamilyFolders) {
        if (folder.family == family) return folder.gameIcon;
    }
    return TreeIcon::Game;
}

bool IsFilledFolder(int key) {
    return key == TreeKey::Favourites || key == TreeKey::Selected || key == TreeKey::Customized ||
           key == TreeKey::AllGames || FamilyFolderOf(key) != nullptr || PropertyFolderOf(key) != nullptr;
}

std::vector<TreeEntry> FolderContents(int key, const std::vector<AllGamesEntry>& allGames,
                                      const GameTreeSource& source) {
    switch (key) {
        case TreeKey::Favourites: return FavouriteEntries(source);
        case TreeKey::Selected: return SelectedEntries(source);
        case TreeKey::Customized: return CustomizedEntries(source);
        case TreeKey::AllGames: return GamesWhere(allGames, [](const AllGamesEntry&) { return true; });
        default: break;
    }
    if (const FamilyFolder* folder = FamilyFolderOf(key)) {
        return GamesWhere(allGames, [folder](const AllGamesEntry& game) { return game.family == folder->family; });
    }
    if (const PropertyFolder* folder = PropertyFolderOf(key)) {
        // One reading of the catalogue for all the games: reading it per game
        // grows with the square of the number of games.
        std::vector<int> codes;
        for (const auto& game : allGames) codes.push_back(game.code);
        const auto values = ReadRuleValueOfGames(source.catalogue, folder->parameter, codes);
        std::vector<TreeEntry> entries;
        for (std::size_t i = 0; i < allGames.size(); ++i) {
            if (values[i] == folder->value) entries.push_back(GameEntry(allGames[i]));
        }
        return entries;
    }
    return {};
}

const std::vector<FixedFolder>& FixedFolders() {
    static const std::vector<FixedFolder> folders = [] {
        std::vector<FixedFolder> list = {
            {TreeKey::Favourites, "Favorite games", 7, 8, 0},
            {TreeKey::FoldersList, "Folders list", 9, 10, 0},
            {TreeKey::Selected, "Selected games", 5, 6, TreeKey::FoldersList},
            {TreeKey::Customized, "Customized games", 21, 22, TreeKey::FoldersList},
            {TreeKey::GameType, "Game Type", 9, 10, TreeKey::FoldersList},
        };
        for (const auto& family : kFamilyFolders) {
            list.push_back({family.key, family.caption, TreeIcon::Folder, TreeIcon::OpenFolder, TreeKey::GameType});
        }
        const FixedFolder properties[] = {
            {TreeKey::GameTime, "by Game Time", 26, 27, TreeKey::FoldersList},
            {TreeKey::Difficulty, "by Difficulty Level", 28, 29, TreeKey::FoldersList},
            {TreeKey::SkillOrChance, "by Skill or Chance", 30, 31, TreeKey::FoldersList},
            {TreeKey::ChanceOfWinning, "by Chance of Winning", 32, 33, TreeKey::FoldersList},
        };
        for (const auto& property : properties) {
            list.push_back(property);
            for (const auto& sub : kPropertyFolders) {
                if (sub.parent == property.key) {
                    list.push_back({sub.key, sub.caption, TreeIcon::Folder, TreeIcon::OpenFolder, property.key});
                }
            }
        }
        list.push_back({TreeKey::AllGames, "All games (alphabetically)", 0, 1, 0});
        return list;
    }();
    return folders;
}

}  // namespace dravicor
