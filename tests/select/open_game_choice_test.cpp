#include "select/open_game_choice.h"

#include <gtest/gtest.h>

#include "common/profile_file.h"
#include "select/favourites.h"
#include "select/game_tree.h"
#include "shell/options.h"
#include "shell/preferences.h"
#include "shell/program.h"
#include "shell/started_program.h"

namespace dravicor::test {
namespace {

constexpr int kKlondike = 0;
constexpr int kFreeCell = 1;
constexpr int kSpider = 3;

class OpenGameChoiceTest : public StartedProgram {
protected:
    OpenGameChoice choice(int code, const std::string& name, int folder = TreeKey::AllGames) const {
        return {code, name, folder, true, program.settings().get(Field::CurrentPlayer)};
    }
    std::string preference(std::string_view key) const {
        return ConfigFile(program.settings()).ReadString(kPreferenceSection, key, "<none>");
    }
    void deal(int code, const std::string& name) {
        ASSERT_EQ(OpenChosenGame(program, choice(code, name)), OpenGameOutcome::Dealt);
        fake.questions.clear();
    }
};

TEST_F(OpenGameChoiceTest, AFolderIsNoChoice) {
    EXPECT_FALSE(CheckGameChosen(choice(TreeKey::GameType, "Game Type"), fake));
    EXPECT_FALSE(CheckGameChosen(choice(TreeKey::FavouritesPlaceholder, "(Double click to customize)"), fake));
    ASSERT_EQ(fake.messages.size(), 2u);
    EXPECT_EQ(fake.messages[0].text, "Open a game");
    EXPECT_TRUE(CheckGameChosen(choice(kKlondike, "Klondike"), fake));
    EXPECT_EQ(fake.messages.size(), 2u);
}

TEST_F(OpenGameChoiceTest, AnotherGameIsDealtWithItsRulesAndPreferences) {
    OpenGameChoice spider = choice(kSpider, "Spider", -202050);
    spider.preview = false;
    EXPECT_EQ(OpenChosenGame(program, spider), OpenGameOutcome::Dealt);
    EXPECT_TRUE(fake.questions.empty()) << "no game was in progress";
    EXPECT_EQ(program.game().gameCode, kSpider);
    EXPECT_TRUE(program.game().inProgress);
    EXPECT_EQ(program.rules()[Rule::CardCount], 104);
    EXPECT_EQ(program.settings().get(Field::CurrentGame), "0003");
    EXPECT_EQ(program.settings().get(Field::CurrentGameName), "Spider");
    EXPECT_EQ(preference("Game"), "3");
    EXPECT_EQ(preference("Game_Name"), "Spider");
    EXPECT_EQ(preference("Game_TreeNum"), "-202050");
    EXPECT_EQ(preference("Open_Preview_Game"), "N");
    EXPECT_GT(fake.busyCalls, 0);
}

TEST_F(OpenGameChoiceTest, TheCurrentGameAgainGoesOnWithoutADeal) {
    deal(kKlondike, "Klondike");
    const std::string number = program.game().gameNumber;
    const Position position = program.position();
    EXPECT_EQ(OpenChosenGame(program, choice(kKlondike, "Klondike", -202030)), OpenGameOutcome::GameKept);
    EXPECT_TRUE(fake.questions.empty());
    EXPECT_EQ(program.game().gameNumber, number);
    EXPECT_EQ(program.position(), position);
    EXPECT_EQ(recordedDeals(), 0u);
    EXPECT_EQ(preference("Game_TreeNum"), "-202030") << "the folder is remembered all the same";
}

TEST_F(OpenGameChoiceTest, TheCurrentGameOnceEndedIsDealtAgainWithoutAQuestion) {
    deal(kKlondike, "Klondike");
    program.engine().EndGame();
    ASSERT_EQ(recordedDeals(), 1u);
    program.settings().put(Field::RunWon, "0003");
    EXPECT_EQ(OpenChosenGame(program, choice(kKlondike, "Klondike")), OpenGameOutcome::Dealt);
    EXPECT_TRUE(fake.questions.empty());
    EXPECT_TRUE(program.game().inProgress);
    EXPECT_EQ(recordedDeals(), 1u) << "the ended deal is not recorded twice";
    EXPECT_EQ(program.settings().get(Field::RunWon), "0003") << "same game, same player: the run goes on";
}

TEST_F(OpenGameChoiceTest, AGameWantingWinnableDealsIsMadeCurrentButLeftToTheSolverToDeal) {
    deal(kKlondike, "Klondike");
    WantWinnableDeals(program.settings(), kFreeCell, true);
    fake.answers.push_back(Answer::Ok);
    EXPECT_EQ(OpenChosenGame(program, choice(kFreeCell, "FreeCell")), OpenGameOutcome::WinnableWanted);
    EXPECT_EQ(recordedDeals(), 1u) << "the Klondike deal ends as with any other choice";
    EXPECT_EQ(program.game().gameCode, kFreeCell);
    EXPECT_EQ(program.settings().get(Field::CurrentGameName), "FreeCell");
    EXPECT_FALSE(program.game().inProgress);
    EXPECT_EQ(program.engine().position(), Position{}) << "an empty table";
}

TEST_F(OpenGameChoiceTest, LeavingAGameInProgressIsAskedAndRecorded) {
    deal(kKlondike, "Klondike");
    program.settings().put(Field::RunLost, "0002");

    fake.answers.push_back(Answer::Cancel);
    EXPECT_EQ(OpenChosenGame(program, choice(kFreeCell, "FreeCell")), OpenGameOutcome::Refused);
    ASSERT_EQ(fake.questions.size(), 1u);
    EXPECT_EQ(fake.questions[0].text, "Quit this game?");
    EXPECT_EQ(program.game().gameCode, kKlondike);
    EXPECT_TRUE(program.game().inProgress);
    EXPECT_EQ(recordedDeals(), 0u);

    fake.answers.push_back(Answer::Ok);
    EXPECT_EQ(OpenChosenGame(program, choice(kFreeCell, "FreeCell")), OpenGameOutcome::Dealt);
    EXPECT_EQ(recordedDeals(), 1u) << "the Klondike deal is recorded as it ends";
    EXPECT_EQ(program.game().gameCode, kFreeCell);
    EXPECT_EQ(program.rules()[Rule::ReserveCount], 4);
    EXPECT_EQ(program.settings().get(Field::RunLost), "0000");
}

TEST_F(OpenGameChoiceTest, AnotherPlayerBecomesCurrent) {
    deal(kKlondike, "Klondike");
    OpenGameChoice next = choice(kKlondike, "Klondike");
    next.player = "Ann";
    EXPECT_EQ(OpenChosenGame(program, next), OpenGameOutcome::Dealt);
    EXPECT_EQ(fake.questions.size(), 1u) << "the deal in progress is left";
    EXPECT_EQ(program.settings().get(Field::CurrentPlayer), "Ann");
    EXPECT_EQ(preference("UserDefault"), "Ann");
    EXPECT_EQ(recordedDeals(), 1u);
    const std::string log = ReadFile(dir / "DATA/STAT_LOG.DAT");
    EXPECT_NE(log.find("Player 1"), std::string::npos) << "recorded for the player who played it";
}

TEST_F(OpenGameChoiceTest, AGameThatCannotBeLoadedIsNotDealt) {
    EXPECT_EQ(OpenChosenGame(program, choice(8123, "Nothing")), OpenGameOutcome::NotDealt);
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(program.game().gameCode, kNoGame);
}

class DeleteCustomGameTest : public OpenGameChoiceTest {
protected:
    DeleteCustomGameTest() {
        const auto added = program.customGameFile().add("Easy Spider", kSpider, {1, 1, 0}, program.gameList());
        EXPECT_EQ(added.status, CustomSaveOutcome::Status::Saved);
        code = added.code;
        ProfileFile config = ConfigFile(program.settings());
        EXPECT_TRUE(SaveFavourites(config, {"Easy Spider", "Golf"}, fake));
    }
    int code = -1;
};

TEST_F(DeleteCustomGameTest, NoKeepsTheGame) {
    fake.answers.push_back(Answer::No);
    EXPECT_FALSE(DeleteCustomGame(program, code, DeleteCaller::OpenGameDialog));
    ASSERT_EQ(fake.questions.size(), 1u);
    EXPECT_EQ(fake.questions[0].text,
              "Are you sure you want to delete this customized game\rEasy Spider?\r"
              "Note: also statistics of this game will be deleted.");
    EXPECT_EQ(fake.questions[0].buttons, MessageButtons::YesNo);
    EXPECT_TRUE(program.customGameFile().find(code).has_value());
}

TEST_F(DeleteCustomGameTest, TheCurrentGameEndsAndNoGameIsLeft) {
    deal(code, "Easy Spider");
    fake.answers.push_back(Answer::Yes);
    EXPECT_TRUE(DeleteCustomGame(program, code, DeleteCaller::OpenGameDialog));
    ASSERT_EQ(fake.questions.size(), 1u);
    EXPECT_EQ(fake.questions[0].text,
              "Now you are playing Easy Spider.\rAre you sure you want to delete this game?\r"
              "Note: also statistics of this game will be deleted.");
    EXPECT_EQ(program.game().gameCode, kNoGame);
    EXPECT_FALSE(program.game().inProgress);
    EXPECT_EQ(program.settings().get(Field::CurrentGameName), "");
    EXPECT_EQ(program.position(), Position{}) << "the table is cleared";
    EXPECT_FALSE(program.customGameFile().find(code).has_value());
    EXPECT_EQ(ReadFavourites(ConfigFile(program.settings())), (std::vector<std::string>{"Golf"}));
}

TEST_F(DeleteCustomGameTest, OnlyCustomizedGamesAreDeleted) {
    EXPECT_FALSE(DeleteCustomGame(program, kSpider, DeleteCaller::OpenGameDialog));
    EXPECT_FALSE(DeleteCustomGame(program, code + 1, DeleteCaller::OpenGameDialog));
    EXPECT_TRUE(fake.questions.empty());
}

}  // namespace
}  // namespace dravicor::test
