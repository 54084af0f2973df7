#include "select/game_description.h"

#include <gtest/gtest.h>

#include "select/custom_game_file.h"
#include "support/fake_platform.h"
#include "support/temp_dir.h"

namespace dravicor::test {
namespace {

constexpr int kKlondike = 0;
constexpr int kFreeCell = 1;
constexpr int kSpider = 3;
constexpr int kPyramid = 7;
constexpr int kLaBelleLucie = 18;

// Decks round to the nearest whole deck, halves (26, 78, 130 cards) to the
// even one; the redeals are one less than the deals.
TEST(GameDescriptionTexts, DecksRedealsGaugesAndTheOdds) {
    const std::pair<int, const char*> decks[] = {{52, "1"}, {104, "2"}, {26, "0"}, {78, "2"},
                                                 {130, "2"}, {27, "1"},  {0, "0"}};
    for (const auto& [cards, text] : decks) EXPECT_EQ(DecksText(cards), text) << cards;
    const std::pair<int, const char*> redeals[] = {{-1, "Unlimited"}, {0, "0"}, {1, "0"}, {3, "2"}};
    for (const auto& [deals, text] : redeals) EXPECT_EQ(RedealsText(deals), text) << deals;
    EXPECT_EQ(GameTimeText(0), "Long");
    EXPECT_EQ(GameTimeText(2), "Quick");
    EXPECT_EQ(DifficultyText(1), "Medium");
    EXPECT_EQ(ChanceOfWinningText(4), "Very low");
    EXPECT_EQ(GameTimeText(3), "") << "a value the gauges do not know";
    EXPECT_EQ(ChanceOfWinningText(-1), "");
    EXPECT_EQ(ChanceWithOdds(1, 1, 3), "High (about 1 in 3)");
    EXPECT_EQ(ChanceWithOdds(2, 5, 0), "Medium") << "no odds without the second number";
    EXPECT_EQ(GamePreviewName(12), "GAME0012");
}

class GameDescriptionTest : public ::testing::Test {
protected:
    GameDescriptionTest() { EXPECT_TRUE(LoadGameList(dir / "GAMES.DAT", list)); }
    GameDescription describe(int code, const std::string& caption) {
        return DescribeGame(dir / "GAMES.DAT", code, caption, custom);
    }

    ScratchProgramDir dir;
    FakePlatform fake;
    DataFiles files{dir / "DATA", fake};
    CustomGameFile custom{files};
    GameList list;
};

TEST_F(GameDescriptionTest, ABuiltInGameFromItsCatalogueValues) {
    // Klondike's chance is "Medium": no odds in the catalogue.
    const GameDescription k = describe(kKlondike, "Klondike");
    EXPECT_EQ((std::vector<std::string>{k.problem, k.name, k.time.text, k.time.picture, k.difficulty.text,
                                        k.difficulty.picture, k.chance.text, k.chance.picture, k.decks, k.redeals,
                                        k.preview}),
              (std::vector<std::string>{"", "Klondike", "Medium", "PROG_TIME_MEDIUM", "Medium", "PROG_DIFF_MEDIUM",
                                        "Medium", "PROG_CHAN_MEDIUM", "1", "Unlimited", "GAME0000"}));

    const GameDescription freeCell = describe(kFreeCell, "FreeCell");
    EXPECT_EQ(freeCell.chance.text, "Very high (about 99 in 100)");
    EXPECT_EQ(freeCell.chance.picture, "PROG_CHAN_VERYHIGH");
    EXPECT_EQ(freeCell.redeals, "0");
}

TEST_F(GameDescriptionTest, TwoDecksAndTwoRedeals) {
    const GameDescription spider = describe(kSpider, "Spider");
    EXPECT_EQ(spider.decks, "2");
    EXPECT_EQ(spider.time.picture, "PROG_TIME_LONG");
    EXPECT_EQ(spider.difficulty.picture, "PROG_DIFF_HARD");
    EXPECT_EQ(spider.chance.picture, "PROG_CHAN_LOW");
    EXPECT_EQ(describe(kLaBelleLucie, "La Belle Lucie").redeals, "2") << "deals value 3";
    EXPECT_EQ(describe(kPyramid, "Pyramid").redeals, "2");
    EXPECT_EQ(describe(kPyramid, "Pyramid").time.picture, "PROG_TIME_QUICK");
}

TEST_F(GameDescriptionTest, ACustomizedGameShowsItsBaseGameAndItsOwnRedeals) {
    std::filesystem::create_directories(dir / "DATA");
    const auto added = custom.add("Slow Spider", kSpider, {1, 4, 0}, list);
    ASSERT_EQ(added.status, CustomSaveOutcome::Status::Saved);
    const GameDescription game = describe(added.code, "Slow Spider");
    EXPECT_EQ(game.name, "Slow Spider");
    for (const auto* gauge : {&game.time, &game.difficulty, &game.chance}) {
        EXPECT_EQ(gauge->text, "Customized game");
        EXPECT_EQ(gauge->picture, "PROG_DISABLED");
    }
    EXPECT_EQ(game.decks, "2");
    EXPECT_EQ(game.redeals, "3") << "the record's deals value 4";
    EXPECT_EQ(game.preview, "GAME0003");

    const GameDescription gone = describe(added.code + 1, "Gone");
    EXPECT_EQ(gone.problem, "There is no customized game " + std::to_string(added.code + 1) + ".");
}

TEST_F(GameDescriptionTest, AnUnreadableCatalogueIsNamed) {
    std::filesystem::remove(dir / "GAMES.DAT");
    const GameDescription game = describe(kKlondike, "Klondike");
    EXPECT_EQ(game.name, "Klondike");
    EXPECT_NE(game.problem.find("Cannot read the game catalogue"), std::string::npos);
    EXPECT_EQ(game.decks, "");
}

}  // namespace
}  // namespace dravicor::test
