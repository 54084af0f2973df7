#include "savegame/open_saved_game.h"

#include <gtest/gtest.h>

#include "common/profile_file.h"
#include "shell/preferences.h"
#include "shell/program.h"
#include "shell/started_program.h"

namespace dravicor::test {
namespace {

constexpr int kKlondike = 0;
constexpr int kSpider = 3;

// A program with a Spider deal saved in a folder of its own, then a
// Klondike deal in progress.
class OpenSavedGameTest : public StartedProgram {
protected:
    OpenSavedGameTest() {
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

    TempDir saves;
    std::filesystem::path saved = saves / "spider.gam";
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

// Saving the Klondike deal in progress from the menu.
class SaveGameTest : public OpenSavedGameTest {
protected:
    std::optional<std::filesystem::path> save() {
        return SaveGameToChosenFile(program.engine(), program.settings(), platform);
    }
    std::string expectedBytes() const { return SavedGameBytes(program.engine(), program.settings()); }
};

TEST_F(SaveGameTest, TheChosenFileGetsTheGameAndItsFolderIsRemembered) {
    fake.chosenFiles.push_back((saves / "klondike").string());
    EXPECT_EQ(save(), saves / "klondike.gam") << "the default extension is added";
    ASSERT_EQ(fake.fileDialogs.size(), 1u);
    EXPECT_EQ(fake.fileDialogs[0].title, "Save game");
    EXPECT_EQ(fake.fileDialogs[0].directory, dir.path().string() + "/");
    EXPECT_EQ(fake.fileDialogs[0].filter, "Game|*.gam");
    EXPECT_TRUE(fake.questions.empty());
    EXPECT_EQ(ReadFile(saves / "klondike.gam"), expectedBytes());
    EXPECT_EQ(dirSave(), saves.path().string());

    // What was written plays on from the same place.
    fake.chosenFiles.push_back((saves / "klondike.gam").string());
    EXPECT_EQ(open(), saves / "klondike.gam");
    EXPECT_EQ(program.game().gameCode, kKlondike);
}

TEST_F(SaveGameTest, AnExistingFileIsReplacedOnlyAfterYes) {
    const std::string spider = ReadFile(saved);
    fake.chosenFiles.push_back(saved.string());
    fake.answers.push_back(Answer::Cancel);
    EXPECT_EQ(save(), std::nullopt);
    ASSERT_EQ(fake.questions.size(), 1u);
    EXPECT_EQ(fake.questions[0].text, saved.string() + "\rThis file already exists.\nReplace existing file?");
    EXPECT_EQ(fake.questions[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(ReadFile(saved), spider);
    EXPECT_EQ(dirSave(), "<none>");

    // No: the dialog again, where another name is chosen.
    fake.chosenFiles.push_back(saved.string());
    fake.answers.push_back(Answer::No);
    fake.chosenFiles.push_back((saves / "other.gam").string());
    EXPECT_EQ(save(), saves / "other.gam");
    EXPECT_EQ(fake.fileDialogs.size(), 3u);
    EXPECT_EQ(ReadFile(saved), spider);

    fake.chosenFiles.push_back(saved.string());
    fake.answers.push_back(Answer::Yes);
    EXPECT_EQ(save(), saved);
    EXPECT_EQ(ReadFile(saved), expectedBytes());
}

TEST_F(SaveGameTest, CancellingTheDialogWritesNothingAndAnUnwritableFileIsNamed) {
    EXPECT_EQ(save(), std::nullopt);
    EXPECT_TRUE(fake.messages.empty());

    const std::filesystem::path nowhere = saves / "no such folder" / "game.gam";
    fake.chosenFiles.push_back(nowhere.string());
    EXPECT_EQ(save(), std::nullopt);
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].icon, MessageIcon::Error);
    EXPECT_NE(fake.messages[0].text.find("game.gam"), std::string::npos) << fake.messages[0].text;
    EXPECT_EQ(dirSave(), "<none>");
}

}  // namespace
}  // namespace dravicor::test
