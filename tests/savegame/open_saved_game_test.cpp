#include "savegame/open_saved_game.h"

#include <gtest/gtest.h>

#include "common/profile_file.h"
#include "shell/preferences.h"
#include "shell/program.h"
#include "support/fake_platform.h"
#include "support/temp_dir.h"

namespace dravicor::test {
namespace {

constexpr int kKlondike = 0;
constexpr int kSpider = 3;

// A program with a Spider deal saved in a folder of its own, then a
// Klondike deal in progress.
class OpenSavedGameTest : public ::testing::Test {
protected:
    OpenSavedGameTest() {
        EXPECT_TRUE(program.initialise());
        std::filesystem::create_directories(saves.path());
        EXPECT_TRUE(program.selectGame(kSpider));
        EXPECT_TRUE(program.engine().StartGame(true, false, 2, true));
        spiderNumber = program.game().gameNumber;
        EXPECT_EQ(SaveGameFile(saved, program.engine(), program.settings()), "");
        EXPECT_TRUE(program.selectGame(kKlondike));
        EXPECT_TRUE(program.engine().StartGame(true, false, 2, true));
    }
    std::optional<std::filesystem::path> open() {
        return OpenSavedGameFile(program.engine(), program.settings(), platform, program.savedGameCatalogue());
    }
    std::string dirSave() const {
        return ConfigFile(program.settings()).ReadString(kPreferenceSection, "Dir_Save", "<none>");
    }

    ScratchProgramDir dir;
    TempDir saves;
    std::filesystem::path saved = saves / "spider.gam";
    FakePlatform fake;
    Platform platform = fake.platform();
    Program program{dir.path(), platform};
    std::string spiderNumber;
};

TEST_F(OpenSavedGameTest, TheChosenFileReplacesTheGameAndItsFolderIsRemembered) {
    fake.chosenFiles.push_back(saved.string());
    EXPECT_EQ(open(), saved);
    ASSERT_EQ(fake.fileDialogs.size(), 1u);
    EXPECT_EQ(fake.fileDialogs[0].title, "Open game");
    EXPECT_EQ(fake.fileDialogs[0].directory, dir.path().string() + "/") << "the program folder at first";
    EXPECT_EQ(fake.fileDialogs[0].filter, "Game|*.GAM");
    ASSERT_EQ(fake.questions.size(), 1u);
    EXPECT_EQ(fake.questions[0].text, "Quit this game?");
    EXPECT_EQ(program.game().gameCode, kSpider);
    EXPECT_EQ(program.game().gameNumber, spiderNumber);
    EXPECT_TRUE(program.game().inProgress);
    EXPECT_EQ(dirSave(), saves.path().string());

    // The next dialog starts there.
    open();
    ASSERT_EQ(fake.fileDialogs.size(), 2u);
    EXPECT_EQ(fake.fileDialogs[1].directory, saves.path().string());
}

TEST_F(OpenSavedGameTest, CancellingTheDialogOrTheQuestionChangesNothing) {
    EXPECT_EQ(open(), std::nullopt);
    EXPECT_TRUE(fake.questions.empty());

    fake.chosenFiles.push_back(saved.string());
    fake.answers.push_back(Answer::Cancel);
    EXPECT_EQ(open(), std::nullopt);
    EXPECT_EQ(program.game().gameCode, kKlondike);
    EXPECT_TRUE(program.game().inProgress);
    EXPECT_EQ(dirSave(), "<none>");
}

TEST_F(OpenSavedGameTest, AFileThatCannotBeLoadedIsNamed) {
    WriteFile(saves / "broken.gam", "[S-0302]\r\nnothing more\r\n");
    fake.chosenFiles.push_back((saves / "broken.gam").string());
    EXPECT_EQ(open(), std::nullopt);
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_NE(fake.messages[0].text.find("broken.gam"), std::string::npos) << fake.messages[0].text;
    EXPECT_EQ(program.game().gameCode, kKlondike);
    EXPECT_TRUE(program.game().inProgress) << "the game in progress stays";
}

TEST_F(OpenSavedGameTest, NothingHappensWhileAWonGameIsCelebrated) {
    program.engine().setCelebrating(true);
    fake.chosenFiles.push_back(saved.string());
    EXPECT_EQ(open(), std::nullopt);
    EXPECT_TRUE(fake.fileDialogs.empty());
}

}  // namespace
}  // namespace dravicor::test
