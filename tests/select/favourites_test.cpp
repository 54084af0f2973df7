#include "select/favourites.h"

#include <gtest/gtest.h>

#include <map>

#include "common/profile_file.h"
#include "rules/catalogue.h"
#include "support/fake_platform.h"
#include "support/temp_dir.h"

namespace dravicor::test {
namespace {

// Two customized games, looked up by code and by name.
class TwoCustomGames final : public CustomGames {
public:
    std::optional<CustomGame> find(int code) const override {
        for (const auto& [name, c] : games) {
            if (c == code) return CustomGame{code, 0, name, "001000N"};
        }
        return std::nullopt;
    }
    std::optional<int> codeOf(std::string_view name) const override {
        const auto it = games.find(std::string(name));
        return it == games.end() ? std::nullopt : std::optional<int>(it->second);
    }
    std::map<std::string, int> games{{"my patience", 8000}, {"Zebra rows", 8001}};
};

class FavouritesTest : public ::testing::Test {
protected:
    FavouritesTest() {
        std::filesystem::create_directories(dir / "DATA");  // as start-up makes it
        EXPECT_TRUE(LoadGameList(BuiltCatalogue(), list));
        for (int code = 0; code < 4; ++code) {
            builtIn.push_back(GameNameOf(list, code, custom));
            EXPECT_FALSE(builtIn.back().empty()) << code;
        }
    }

    std::filesystem::path configPath() const { return dir / "DATA/CFG.DAT"; }
    ProfileFile config() const { return ProfileFile(configPath()); }
    // Every game the dialog lists in our tests: four built-in, two customized.
    std::vector<std::string> allGames() const {
        auto names = builtIn;
        names.push_back("my patience");
        names.push_back("Zebra rows");
        return names;
    }
    // The favourites that name a game, as "name code".
    std::vector<std::string> resolved() const {
        std::vector<std::string> games;
        for (const auto& game : ResolveFavourites(config(), list, custom)) {
            games.push_back(game.name + " " + std::to_string(game.code));
        }
        return games;
    }
    std::vector<std::string> sorted(std::vector<std::string> names) const {
        std::sort(names.begin(), names.end(), [](const auto& a, const auto& b) { return GameNameLess(a, b); });
        return names;
    }

    TempDir dir;
    FakePlatform fake;
    GameList list;
    TwoCustomGames custom;
    std::vector<std::string> builtIn;
};

TEST(FavouriteKey, CountsFromGame000AndNamesIgnoreLetterCaseFirst) {
    EXPECT_EQ(FavouriteKey(0) + FavouriteKey(42) + FavouriteKey(999) + FavouriteKey(1000),
              "Game000Game042Game999Game1000");
    const std::tuple<const char*, const char*, bool> less[] = {{"alpha", "Beta", true}, {"Alpha", "beta", true},
                                                               {"beta", "Alpha", false}, {"ABC", "abc", true},
                                                               {"abc", "ABC", false},    {"abc", "abc", false}};
    for (const auto& [a, b, expected] : less) EXPECT_EQ(GameNameLess(a, b), expected) << a << " " << b;
}

TEST_F(FavouritesTest, ListEndsAtTheFirstMissingKey) {
    EXPECT_TRUE(ReadFavourites(config()).empty()) << "no file";
    WriteFile(configPath(), "[Favourite Games]\r\nGame001=Not first\r\n");
    EXPECT_TRUE(ReadFavourites(config()).empty());
    WriteFile(configPath(),
              "[Favourite Games]\r\nGame001=Second\r\nGame000=First\r\nGame002=\r\nGame003=Fourth\r\n"
              "Game005=After the gap\r\n");
    EXPECT_EQ(ReadFavourites(config()), (std::vector<std::string>{"First", "Second", "", "Fourth"}));
}

TEST_F(FavouritesTest, SavingReplacesOrErasesTheWholeSection) {
    const std::string preference = "[Preference]\r\nUserDefault=Player 1\r\n";
    const std::string numbers = "[Game_Numbers]\r\nGame001=0000000000001\r\n";
    WriteFile(configPath(), preference + "\r\n[Favourite Games]\r\nGame000=A\r\nGame001=B\r\nGame002=C\r\n"
                                          "junk line\r\n\r\n" + numbers);
    ProfileFile file = config();
    ASSERT_TRUE(SaveFavourites(file, {"Z"}, fake));
    // The old section goes with its blank line; the new one is added at the end.
    EXPECT_EQ(ReadFile(configPath()), preference + "\r\n" + numbers + "\r\n[Favourite Games]\r\nGame000=Z\r\n");
    EXPECT_EQ(ReadFavourites(config()), (std::vector<std::string>{"Z"}));

    // An empty list erases the section.
    WriteFile(configPath(), preference + "\r\n[Favourite Games]\r\nGame000=A\r\n");
    file = config();
    ASSERT_TRUE(SaveFavourites(file, {}, fake));
    EXPECT_EQ(ReadFile(configPath()), preference + "\r\n");
    EXPECT_TRUE(config().ReadKeys(kFavouritesSection).empty());
    EXPECT_TRUE(ReadFavourites(config()).empty());
}

TEST_F(FavouritesTest, AFileThatCannotBeWrittenIsReported) {
    std::filesystem::remove(dir / "DATA");
    WriteFile(dir / "DATA", "not a folder");
    ProfileFile file = config();
    EXPECT_FALSE(SaveFavourites(file, {"A"}, fake));
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, "Unable to write to " + configPath().string());
    EXPECT_EQ(fake.messages[0].icon, MessageIcon::Error);
}

TEST_F(FavouritesTest, OnlyNamesOfGamesResolve) {
    ProfileFile file = config();
    ASSERT_TRUE(SaveFavourites(file, {"Zebra rows", "No such game", builtIn[1], "", "Zebra rows", builtIn[0]},
                               fake));
    // Saved as given, in order; only reading skips what names no game.
    EXPECT_EQ(ReadFile(configPath()), "[Favourite Games]\r\nGame000=Zebra rows\r\nGame001=No such game\r\nGame002=" +
                                          builtIn[1] + "\r\nGame003=\r\nGame004=Zebra rows\r\nGame005=" + builtIn[0] +
                                          "\r\n");
    EXPECT_TRUE(fake.messages.empty());
    EXPECT_EQ(resolved(), (std::vector<std::string>{"Zebra rows 8001", builtIn[1] + " 1", builtIn[0] + " 0"}));

    EXPECT_TRUE(IsFavourite(config(), "Zebra rows"));
    EXPECT_TRUE(IsFavourite(config(), builtIn[0]));
    EXPECT_FALSE(IsFavourite(config(), "zebra rows"));
    EXPECT_FALSE(IsFavourite(config(), builtIn[2]));
}

TEST_F(FavouritesTest, DialogListsSplitTheGames) {
    ProfileFile file = config();
    ASSERT_TRUE(SaveFavourites(file, {builtIn[3], "Deleted custom game", "my patience"}, fake));
    const FavouritesChoice choice(allGames(), config(), list, custom);
    EXPECT_EQ(choice.favourites(), sorted({builtIn[3], "my patience"}));
    EXPECT_EQ(choice.games(), sorted({builtIn[0], builtIn[1], builtIn[2], "Zebra rows"}));
}

TEST_F(FavouritesTest, MovingNamesBetweenTheLists) {
    FavouritesChoice choice(allGames(), config(), list, custom);
    EXPECT_TRUE(choice.favourites().empty());
    EXPECT_EQ(choice.games(), sorted(allGames()));

    choice.add({"Zebra rows", builtIn[1], "Not listed"});
    EXPECT_EQ(choice.favourites(), sorted({"Zebra rows", builtIn[1]}));
    EXPECT_EQ(choice.games(), sorted({builtIn[0], builtIn[2], builtIn[3], "my patience"}));

    // Adding a favourite again does nothing.
    choice.add({"Zebra rows"});
    EXPECT_EQ(choice.favourites().size(), 2u);

    choice.remove({builtIn[1]});
    EXPECT_EQ(choice.favourites(), (std::vector<std::string>{"Zebra rows"}));
    EXPECT_EQ(choice.games().size(), 5u);

    choice.add({"my patience", builtIn[0]});
    choice.removeAll();
    EXPECT_TRUE(choice.favourites().empty());
    EXPECT_EQ(choice.games(), sorted(allGames()));
}

TEST_F(FavouritesTest, OkWritesTheFavouritesAlphabetically) {
    FavouritesChoice choice(allGames(), config(), list, custom);
    choice.add({"Zebra rows", "my patience", builtIn[2]});
    ProfileFile file = config();
    ASSERT_TRUE(SaveFavourites(file, choice.favourites(), fake));
    std::string expected = "[Favourite Games]\r\n";
    const auto names = sorted({"Zebra rows", "my patience", builtIn[2]});
    for (size_t i = 0; i < names.size(); ++i) expected += FavouriteKey(static_cast<int>(i)) + "=" + names[i] + "\r\n";
    EXPECT_EQ(ReadFile(configPath()), expected);

    // Reopened, the dialog shows the same split.
    const FavouritesChoice again(allGames(), config(), list, custom);
    EXPECT_EQ(again.favourites(), choice.favourites());
    EXPECT_EQ(again.games(), choice.games());
}

// The section and its keys in any letter case with blanks around them, junk
// lines, a repeated key (the first counts), and many keys before the gap.
TEST_F(FavouritesTest, MalformedSectionsAreReadWithoutHarm) {
    std::string text = "[FAVOURITE GAMES]\r\ngarbage\r\n=\r\n\x01=\xFF\r\n game000 = " + builtIn[0] +
                       " \r\nGame000=" + builtIn[1] + "\r\nGAME001=my patience\r\nGame002\r\n";
    for (int i = 2; i < 600; ++i) text += FavouriteKey(i) + "=" + builtIn[1] + "\r\n";
    WriteFile(configPath(), text + FavouriteKey(601) + "=Zebra rows\r\n");
    const auto names = ReadFavourites(config());
    ASSERT_EQ(names.size(), 600u);
    EXPECT_EQ(names[0], builtIn[0]);
    EXPECT_EQ(names[1], "my patience");
    EXPECT_EQ(names[599], builtIn[1]);
    EXPECT_EQ(resolved(), (std::vector<std::string>{builtIn[0] + " 0", "my patience 8000", builtIn[1] + " 1"}));
}

}  // namespace
}  // namespace dravicor::test
