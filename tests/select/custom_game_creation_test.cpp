// A customized game added from the current game, and the offer to start it
// in place of the game in progress.
#include "select/custom_game_creation.h"

#include <gtest/gtest.h>

#include "common/profile_file.h"
#include "select/open_game_choice.h"
#include "shell/preferences.h"
#include "shell/program.h"
#include "shell/started_program.h"

namespace dravicor::test {
namespace {

constexpr int kKlondike = 0;

// A started program dealing Klondike.
class CustomGameCreationTest : public StartedProgram {
protected:
    CustomGameCreationTest() {
        const OpenGameChoice klondike{kKlondike, "Klondike", -1, true, program.settings().get(Field::CurrentPlayer)};
        EXPECT_EQ(OpenChosenGame(program, klondike), OpenGameOutcome::Dealt);
        fake.questions.clear();
    }
    int addThreeCardKlondike() {
        const auto code = AddCustomGame(program, "Klondike Three Up", {3, 3, 2});
        EXPECT_TRUE(code.has_value());
        return code.value_or(-1);
    }
};

TEST_F(CustomGameCreationTest, NoKeepsTheGameInProgress) {
    const std::string number = program.game().gameNumber;
    const int code = addThreeCardKlondike();
    fake.answers.push_back(Answer::No);
    EXPECT_EQ(OfferNewCustomGame(program, code), NewCustomGameStart::Added);
    ASSERT_EQ(fake.questions.size(), 1u);
    EXPECT_EQ(fake.questions[0].text,
              "Do you want to start the new game\rKlondike Three Up\rand quit the current game now?");
    EXPECT_EQ(fake.questions[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(program.game().gameCode, kKlondike);
    EXPECT_TRUE(program.game().inProgress);
    EXPECT_EQ(program.game().gameNumber, number);
    EXPECT_EQ(recordedDeals(), 0u);
    EXPECT_EQ(program.settings().get(Field::CurrentGame), "0000");
}

TEST_F(CustomGameCreationTest, YesEndsTheGameAndDealsTheNewOneWithItsRules) {
    const int code = addThreeCardKlondike();
    program.settings().put(Field::RunWon, "0002");
    program.settings().put(Field::RunLost, "0001");
    fake.answers.push_back(Answer::Yes);
    EXPECT_EQ(OfferNewCustomGame(program, code), NewCustomGameStart::Dealt);
    EXPECT_EQ(recordedDeals(), 1u) << "the Klondike deal is recorded as it ends";
    EXPECT_EQ(program.settings().get(Field::RunWon), "0000");
    EXPECT_EQ(program.settings().get(Field::RunLost), "0000");
    EXPECT_EQ(program.settings().get(Field::CurrentGame), "8000");
    EXPECT_EQ(program.settings().get(Field::CurrentGameName), "Klondike Three Up");
    EXPECT_EQ(program.game().gameCode, code);
    EXPECT_TRUE(program.game().inProgress);
    EXPECT_EQ(program.rules()[Rule::CardsPerStockDeal], 3);
    EXPECT_EQ(program.rules()[Rule::Redeals], 3);
    EXPECT_EQ(program.rules()[Rule::TableauEmptyAccepts], -1);
    const ProfileFile config = ConfigFile(program.settings());
    EXPECT_EQ(config.ReadString(kPreferenceSection, "Game", ""), "8000") << "the game of the next start-up";
    EXPECT_EQ(config.ReadString(kPreferenceSection, "Game_Name", ""), "Klondike Three Up");
}

TEST_F(CustomGameCreationTest, WithoutAGameInProgressTheGameIsOnlyAdded) {
    program.engine().EndGame();
    const int code = addThreeCardKlondike();
    EXPECT_EQ(OfferNewCustomGame(program, code), NewCustomGameStart::Added);
    EXPECT_TRUE(fake.questions.empty());
    EXPECT_EQ(program.game().gameCode, kKlondike);
}

TEST_F(CustomGameCreationTest, ARefusedNameIsShownAndNothingIsAdded) {
    addThreeCardKlondike();
    const std::string before = ReadFile(dir / "DATA/GAM_CUST.DAT");
    EXPECT_EQ(AddCustomGame(program, "KLONDIKE THREE UP", {1, 1, 0}), std::nullopt);
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, "This name already exists.");
    EXPECT_EQ(ReadFile(dir / "DATA/GAM_CUST.DAT"), before);
}

}  // namespace
}  // namespace dravicor::test
