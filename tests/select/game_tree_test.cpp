#include "select/game_tree.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "common/profile_file.h"
#include "common/settings_record.h"
#include "common/text.h"
#include "rules/game_rules.h"
#include "select/custom_game_file.h"
#include "select/favourites.h"
#include "support/fake_platform.h"
#include "support/temp_dir.h"

namespace dravicor::test {
namespace {

// Codes of the built catalogue.
constexpr int kKlondike = 0;
constexpr int kFreeCell = 1;
constexpr int kSpider = 3;

std::vector<std::string> Captions(const GameTreeNode& folder) {
    std::vector<std::string> captions;
    for (const auto& child : folder.children()) captions.push_back(child->caption());
    return captions;
}

// The names missing from a folder's captions; empty when it holds them all.
std::vector<std::string> Missing(const std::vector<std::string>& captions, const std::vector<std::string>& names) {
    std::vector<std::string> missing;
    for (const auto& name : names) {
        if (std::find(captions.begin(), captions.end(), name) == captions.end()) missing.push_back(name);
    }
    return missing;
}

// Alphabetical order without regard to letter case.
bool CaseLess(const std::string& a, const std::string& b) { return ToLower(a) < ToLower(b); }

std::vector<int> Keys(const GameTreeNode& folder) {
    std::vector<int> keys;
    for (const auto& child : folder.children()) keys.push_back(child->key());
    return keys;
}

// A tree over a scratch program folder holding the built catalogue.
class GameTreeTest : public ::testing::Test {
protected:
    GameTreeTest() {
        std::filesystem::create_directories(dir / "DATA");
        EXPECT_TRUE(LoadGameList(dir / "GAMES.DAT", list));
        allGames = BuildAllGamesList(list);
    }

    // The listed games of the built catalogue.
    int gameCount() const { return static_cast<int>(list.lines.size()); }

    GameTree makeTree() {
        return GameTree([this](int key) {
            ++reads[key];
            return FolderContents(key, allGames, source);
        });
    }
    GameTreeNode& filled(GameTree& tree, int key) {
        GameTreeNode* folder = tree.findFolder(key);
        EXPECT_NE(folder, nullptr) << key;
        const FolderFill fill = tree.fillFolder(*folder, -1);
        EXPECT_EQ(fill.problem, "");
        return *folder;
    }
    void setFavourites(const std::vector<std::string>& names) {
        ProfileFile config(dir / "DATA/CFG.DAT");
        for (size_t i = 0; i < names.size(); ++i) {
            config.WriteString(kFavouritesSection, FavouriteKey(static_cast<int>(i)), names[i]);
        }
    }
    int addCustom(const std::string& name, int base) {
        const auto outcome = custom.add(name, base, {1, 4, 0}, list);
        EXPECT_EQ(outcome.status, CustomSaveOutcome::Status::Saved) << outcome.message;
        return outcome.code;
    }

    ScratchProgramDir dir;
    FakePlatform fake;
    DataFiles files{dir / "DATA", fake};
    CustomGameFile custom{files};
    GameList list;
    std::vector<AllGamesEntry> allGames;
    GameTreeSource source{list, dir / "GAMES.DAT", custom, dir / "DATA/CFG.DAT"};
    std::map<int, int> reads;
};

TEST_F(GameTreeTest, FixedNodesWithTheirKeysCaptionsAndIcons) {
    GameTree tree = makeTree();
    // Key, caption, icon, selected icon and parent key of every folder, in the
    // order the tree shows them with every folder open.
    const std::vector<std::string> expected = {
        "-10 Favorite games 7 8 0", "-20 Folders list 9 10 0", "-2010 Selected games 5 6 -20",
        "-2070 Customized games 21 22 -20", "-2020 Game Type 9 10 -20", "-202005 Baker's dozen type 0 1 -2020",
        "-202010 Canfield type 0 1 -2020", "-202015 Fan type 0 1 -2020", "-202020 Forty Thieves type 0 1 -2020",
        "-202025 FreeCell type 0 1 -2020", "-202030 Klondike type 0 1 -2020", "-202035 Pairing games 0 1 -2020",
        "-202040 Row type 0 1 -2020", "-202045 Simple games 0 1 -2020", "-202050 Spider type 0 1 -2020",
        "-202055 1 deck games 0 1 -2020", "-202060 2 decks games 0 1 -2020", "-2030 by Game Time 26 27 -20",
        "-203010 Quick 0 1 -2030", "-203020 Medium 0 1 -2030", "-203030 Long 0 1 -2030",
        "-2040 by Difficulty Level 28 29 -20", "-204010 Easy 0 1 -2040", "-204020 Medium 0 1 -2040",
        "-204030 Hard 0 1 -2040", "-2050 by Skill or Chance 30 31 -20", "-205010 Skill 0 1 -2050",
        "-205020 Balanced 0 1 -2050", "-205030 Chance 0 1 -2050", "-2060 by Chance of Winning 32 33 -20",
        "-206010 Very low 0 1 -2060", "-206020 Low 0 1 -2060", "-206030 Medium 0 1 -2060",
        "-206040 High 0 1 -2060", "-206050 Very high 0 1 -2060", "-30 All games (alphabetically) 0 1 0",
    };
    std::vector<std::string> shown;
    std::function<void(const GameTreeNode&)> walk = [&](const GameTreeNode& node) {
        shown.push_back(std::to_string(node.key()) + " " + node.caption() + " " + std::to_string(node.icon()) + " " +
                        std::to_string(node.selectedIcon()) + " " + std::to_string(node.parentKey()));
        EXPECT_TRUE(node.isFolder());
        EXPECT_EQ(tree.findFolder(node.key()), &node);
        for (const auto& child : node.children()) {
            if (!child->isPlaceholder()) walk(*child);
        }
    };
    for (const auto& root : tree.roots()) walk(*root);
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(tree.roots().size(), 3u);
}

TEST_F(GameTreeTest, FoldersOfGamesHoldAPlaceholderUntilFirstFilled) {
    GameTree tree = makeTree();
    int placeholders = 0;
    for (const FixedFolder& fixed : FixedFolders()) {
        const GameTreeNode* folder = tree.findFolder(fixed.key);
        ASSERT_NE(folder, nullptr);
        if (!IsFilledFolder(fixed.key)) continue;
        ++placeholders;
        ASSERT_EQ(folder->children().size(), 1u) << fixed.caption;
        EXPECT_EQ(folder->children()[0]->key(), TreeKey::Placeholder);
        EXPECT_TRUE(folder->awaitsFilling());
    }
    // Favourites, selected, customized, 12 families, 14 property values, all games.
    EXPECT_EQ(placeholders, 30);
    EXPECT_TRUE(reads.empty()) << "nothing is read before a folder is opened";

    GameTreeNode& klondikes = filled(tree, -202030);
    EXPECT_FALSE(klondikes.awaitsFilling());
    EXPECT_EQ(reads, (std::map<int, int>{{-202030, 1}}));
    // Filled once: opening it again reads nothing.
    tree.fillFolder(klondikes, -1);
    EXPECT_EQ(reads[-202030], 1);
}

TEST_F(GameTreeTest, AllGamesListIsAlphabeticalWithFixedWidthLines) {
    ASSERT_EQ(allGames.size(), static_cast<size_t>(gameCount()));
    const auto bakers = std::find_if(allGames.begin(), allGames.end(), [](const auto& g) { return g.code == 6; });
    ASSERT_NE(bakers, allGames.end());
    EXPECT_EQ(AllGamesLine(*bakers), std::string("Baker's Dozen") + std::string(37, ' ') + "012006");
    const auto klondike = std::find_if(allGames.begin(), allGames.end(), [](const auto& g) { return g.code == 0; });
    ASSERT_NE(klondike, allGames.end());
    EXPECT_EQ(AllGamesLine(*klondike), "Klondike" + std::string(42, ' ') + "005000");
    for (size_t i = 1; i < allGames.size(); ++i) {
        EXPECT_FALSE(CaseLess(allGames[i].name, allGames[i - 1].name))
            << allGames[i - 1].name << " / " << allGames[i].name;
    }
    GameTree tree = makeTree();
    const GameTreeNode& all = filled(tree, TreeKey::AllGames);
    ASSERT_EQ(all.children().size(), allGames.size());
    for (size_t i = 0; i < allGames.size(); ++i) {
        const GameTreeNode& node = *all.children()[i];
        EXPECT_EQ(node.key(), allGames[i].code);
        EXPECT_EQ(node.caption(), allGames[i].name);
        EXPECT_EQ(node.icon(), FamilyIcon(allGames[i].family));
        EXPECT_EQ(node.parentKey(), TreeKey::AllGames);
    }
}

TEST_F(GameTreeTest, FamilyFoldersHoldTheirFamilysGamesWithItsIcon) {
    GameTree tree = makeTree();
    EXPECT_EQ(Missing(Captions(filled(tree, -202030)), {"Klondike", "Klondike by Threes"}), std::vector<std::string>{});
    EXPECT_EQ(Missing(Captions(filled(tree, -202010)), {"Canfield"}), std::vector<std::string>{});
    EXPECT_EQ(Missing(Captions(filled(tree, -202015)), {"La Belle Lucie"}), std::vector<std::string>{});
    EXPECT_EQ(Missing(Captions(filled(tree, -202040)), {"Montana", "Accordion"}), std::vector<std::string>{});
    for (const auto& game : filled(tree, -202040).children()) EXPECT_EQ(game->icon(), 34);
    for (const auto& game : filled(tree, -202030).children()) EXPECT_EQ(game->icon(), 15);
    for (const auto& game : filled(tree, -202015).children()) EXPECT_EQ(game->icon(), 12);

    // Every game lies in the folder of its family.
    std::map<int, int> familyOfFolder;
    int listed = 0;
    for (const FixedFolder& fixed : FixedFolders()) {
        if (fixed.parent != TreeKey::GameType) continue;
        for (const auto& game : filled(tree, fixed.key).children()) {
            ++listed;
            const int family = GameFamilyOf(list, game->key());
            EXPECT_EQ(game->icon(), FamilyIcon(family));
            auto [at, added] = familyOfFolder.emplace(fixed.key, family);
            EXPECT_EQ(at->second, family) << fixed.caption;
        }
    }
    EXPECT_EQ(listed, gameCount());
}

TEST_F(GameTreeTest, PropertyFoldersMatchEachGamesRuleValue) {
    GameTree tree = makeTree();
    EXPECT_EQ(Missing(Captions(filled(tree, -203030)), {"Forty Thieves", "Spider"}), std::vector<std::string>{});
    EXPECT_EQ(Missing(Captions(filled(tree, -206050)), {"FreeCell"}), std::vector<std::string>{});

    // Each group shares the games out: every game once, in the folder of its
    // value as the rule loader reads it.
    const std::map<int, int> parameterOfGroup = {{TreeKey::GameTime, Rule::GameTime},
                                                 {TreeKey::Difficulty, Rule::Difficulty},
                                                 {TreeKey::SkillOrChance, Rule::SkillOrChance},
                                                 {TreeKey::ChanceOfWinning, Rule::ChanceOfWinning}};
    std::map<int, GameRules> rules;
    for (const auto& game : allGames) rules[game.code] = LoadGameRules(dir / "GAMES.DAT", game.code, NoCustomGames{});
    for (const auto& [group, parameter] : parameterOfGroup) {
        SCOPED_TRACE(group);
        std::multiset<int> seen;
        std::map<int, int> valueOfFolder;
        for (const auto& sub : tree.findFolder(group)->children()) {
            GameTreeNode& folder = filled(tree, sub->key());
            for (const auto& game : folder.children()) {
                seen.insert(game->key());
                const int value = rules[game->key()][parameter];
                auto [at, added] = valueOfFolder.emplace(folder.key(), value);
                EXPECT_EQ(at->second, value) << folder.caption() << ": " << game->caption();
            }
            // The games keep the alphabetical order.
            const auto captions = Captions(folder);
            EXPECT_TRUE(std::is_sorted(captions.begin(), captions.end(), CaseLess));
        }
        EXPECT_EQ(seen.size(), static_cast<size_t>(gameCount()));
        EXPECT_EQ(std::set<int>(seen.begin(), seen.end()).size(), static_cast<size_t>(gameCount()));
    }
}

TEST_F(GameTreeTest, SelectedGamesAreSortedByName) {
    GameTree tree = makeTree();
    const GameTreeNode& selected = filled(tree, TreeKey::Selected);
    // Every game the catalogue marks selected, in the order of the names.
    std::vector<std::string> expected;
    for (const auto& game : allGames) {
        if (IsSelectedGame(dir / "GAMES.DAT", game.code)) expected.push_back(game.name);
    }
    std::sort(expected.begin(), expected.end(), CaseLess);
    EXPECT_EQ(Captions(selected), expected);
    EXPECT_EQ(Missing(expected, {"Calculation", "FreeCell", "Golf", "Klondike", "La Belle Lucie", "Monte Carlo",
                                 "Poker Squares", "Pyramid", "Spider"}),
              std::vector<std::string>{});
    const auto freeCell = std::find_if(selected.children().begin(), selected.children().end(),
                                       [](const auto& node) { return node->key() == kFreeCell; });
    ASSERT_NE(freeCell, selected.children().end());
    EXPECT_EQ((*freeCell)->icon(), 14);
}

TEST_F(GameTreeTest, EmptyFavouritesAndCustomizedFoldersShowTheirPlaceholders) {
    GameTree tree = makeTree();
    const GameTreeNode& favourites = filled(tree, TreeKey::Favourites);
    ASSERT_EQ(favourites.children().size(), 1u);
    const GameTreeNode& hint = *favourites.children()[0];
    EXPECT_EQ(hint.key(), TreeKey::FavouritesPlaceholder);
    EXPECT_EQ(hint.caption(), "(Double click to customize)");
    EXPECT_EQ(hint.icon(), 4);
    EXPECT_TRUE(hint.isPlaceholder());
    EXPECT_FALSE(favourites.awaitsFilling());

    const GameTreeNode& customized = filled(tree, TreeKey::Customized);
    ASSERT_EQ(customized.children().size(), 1u);
    EXPECT_EQ(customized.children()[0]->key(), TreeKey::CustomizedPlaceholder);
    EXPECT_EQ(customized.children()[0]->caption(), "(How to customize a game)");
    EXPECT_EQ(customized.children()[0]->icon(), 4);
}

TEST_F(GameTreeTest, FavouritesKeepTheFileOrderAndSkipUnknownNames) {
    const int custom1 = addCustom("Zig Spider", kSpider);
    setFavourites({"Spider", "No such game", "Zig Spider", "Golf"});
    GameTree tree = makeTree();
    const GameTreeNode& favourites = filled(tree, TreeKey::Favourites);
    EXPECT_EQ(Keys(favourites), (std::vector<int>{kSpider, custom1, 12}));
    EXPECT_EQ(favourites.children()[0]->icon(), 24);
    EXPECT_EQ(favourites.children()[1]->icon(), 23);

    // The favourites dialog saved another list: the refreshed folder shows it.
    ProfileFile config(dir / "DATA/CFG.DAT");
    ASSERT_TRUE(SaveFavourites(config, {}, fake));
    const auto refreshed = tree.refreshFolder(TreeKey::Favourites);
    ASSERT_TRUE(refreshed.has_value());
    EXPECT_EQ(Keys(favourites), (std::vector<int>{TreeKey::FavouritesPlaceholder}));
    EXPECT_FALSE(tree.refreshFolder(-4242).has_value()) << "no such folder";
}

TEST_F(GameTreeTest, CustomizedGamesAreSortedByNameAndRefreshed) {
    const int zebra = addCustom("zebra Klondike", kKlondike);
    const int easy = addCustom("Easy Spider", kSpider);
    GameTree tree = makeTree();
    const GameTreeNode& customized = filled(tree, TreeKey::Customized);
    EXPECT_EQ(Keys(customized), (std::vector<int>{easy, zebra}));
    for (const auto& game : customized.children()) EXPECT_EQ(game->icon(), 23);

    SettingsRecord settings;
    ASSERT_TRUE(custom.remove(easy, settings));
    ASSERT_TRUE(tree.refreshFolder(TreeKey::Customized));
    EXPECT_EQ(Keys(customized), (std::vector<int>{zebra}));
}

TEST_F(GameTreeTest, FirstShowingOpensTheRememberedFolderAtTheCurrentGame) {
    GameTree tree = makeTree();
    const FolderFill fill = tree.firstShowing(-202030, kKlondike);
    ASSERT_NE(fill.selected, nullptr);
    EXPECT_EQ(fill.selected->key(), kKlondike);
    EXPECT_EQ(fill.selected->caption(), "Klondike");
    EXPECT_EQ(fill.selected->parentKey(), -202030);
    EXPECT_EQ(fill.selected->parent()->caption(), "Klondike type");
    EXPECT_EQ(reads, (std::map<int, int>{{-202030, 1}})) << "only the remembered folder is read";

    // The default folder is the list of all games.
    GameTree other = makeTree();
    const FolderFill all = other.firstShowing(TreeKey::AllGames, kFreeCell);
    ASSERT_NE(all.selected, nullptr);
    EXPECT_EQ(all.selected->parentKey(), TreeKey::AllGames);

    // A folder without the game, or a key of no folder, selects nothing.
    EXPECT_EQ(makeTree().firstShowing(-202030, kFreeCell).selected, nullptr);
    EXPECT_EQ(makeTree().firstShowing(-123, kKlondike).selected, nullptr);
    EXPECT_EQ(makeTree().firstShowing(kKlondike, kKlondike).selected, nullptr) << "a game key is no folder";
}

TEST_F(GameTreeTest, AnUnreadableCatalogueKeepsThePlaceholderAndSaysWhy) {
    GameTree tree = makeTree();
    std::filesystem::remove(dir / "GAMES.DAT");
    GameTreeNode* quick = tree.findFolder(-203010);
    ASSERT_NE(quick, nullptr);
    const FolderFill fill = tree.fillFolder(*quick, kKlondike);
    EXPECT_NE(fill.problem.find("Cannot read the game catalogue"), std::string::npos) << fill.problem;
    EXPECT_EQ(fill.selected, nullptr);
    EXPECT_TRUE(quick->awaitsFilling()) << "the next opening tries again";
}

}  // namespace
}  // namespace dravicor::test
