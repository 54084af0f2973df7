#include "shell/program.h"

#include <gtest/gtest.h>

#include "rules/game_rules.h"
#include "common/profile_file.h"
#include "shell/preferences.h"
#include "support/fake_platform.h"
#include "support/temp_dir.h"

namespace dravicor {
namespace {

using test::FakePlatform;
using test::ReadFile;
using test::ScratchProgramDir;
using test::TempDir;
using test::WriteFile;

// A platform that records what the program shows.
class ProgramTest : public ::testing::Test {
protected:
    FakePlatform fake;
    Platform platform = fake.platform();
};

TEST_F(ProgramTest, StartUpCreatesDataAndFillsTheRecord) {
    ScratchProgramDir dir;
    Program program(dir.path(), platform);
    program.initialise();
    EXPECT_TRUE(std::filesystem::is_directory(dir / "DATA"));
    EXPECT_EQ(program.settings().get(Field::ProgramDir), dir.path().string() + "/");
    EXPECT_EQ(program.settings().get(Field::CurrentPlayer), "Player 1");
    EXPECT_NE(ReadFile(dir / "DATA" / "CFG.DAT").find("User001=Player 1"), std::string::npos);
    EXPECT_TRUE(fake.messages.empty());

    // The table is new: every card face up, every pile empty, no deal yet.
    for (int card = 1; card <= kCardCount; ++card) EXPECT_TRUE(program.position().cardTable.IsFaceUp(card));
    EXPECT_EQ(program.position(), Position{});
    EXPECT_FALSE(program.game().inProgress);
    // The default game is selected with its rules.
    EXPECT_EQ(program.game().gameCode, 1);
    EXPECT_EQ(program.settings().get(Field::CurrentGameName), "FreeCell");
    EXPECT_EQ(program.rules()[Rule::TableauCount], 8);
    EXPECT_EQ(program.rules()[Rule::ReserveCount], 4);
}

TEST_F(ProgramTest, MissingCatalogueEndsStartUpWithItsMessage) {
    TempDir dir;
    Program program(dir.path(), platform);
    EXPECT_FALSE(program.initialise());
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].caption, "Error");
    EXPECT_EQ(fake.messages[0].text, "Cannot find file:\r" + dir.path().string() +
                                         "/GAMES.DAT\rCopy the file into the directory that above is specified\r"
                                         "or reinstall the program.");
}

TEST_F(ProgramTest, RememberedGameThatNoLongerExistsLeavesNoGame) {
    ScratchProgramDir dir;
    WriteFile(dir / "DATA" / "CFG.DAT", "[Preference]\r\nGame=999\r\nGame_name=Gone\r\nUserDefault=Ann\r\n");
    Program program(dir.path(), platform);
    ASSERT_TRUE(program.initialise());
    EXPECT_EQ(program.game().gameCode, kNoGame);
    EXPECT_EQ(program.settings().get(Field::CurrentGameName), "");
    EXPECT_TRUE(fake.messages.empty());
}

TEST_F(ProgramTest, RelativeProgramDirectoryBecomesAbsoluteWithTrailingSeparator) {
    ScratchProgramDir dir;
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    Program program(".", platform);
    std::filesystem::current_path(previous);
    EXPECT_EQ(program.settings().get(Field::ProgramDir), dir.path().string() + "/");
}

TEST_F(ProgramTest, TooLongProgramDirectoryIsRefused) {
    EXPECT_THROW(Program("/" + std::string(250, 'a'), platform), StartupError);
}

TEST(Program, AnUnwritableDataFolderIsReportedOnceAndNothingIsWritten) {
    // A file where the folder should be, a folder refusing new files, a
    // full disk refusing the bytes, no home folder at all.
    struct Case {
        const char* what;
        bool dataIsAFile;
        WriteStep failAt;
        bool hasUserDir;
    };
    for (const Case& c : {Case{"file", true, WriteStep::None, true}, Case{"create", false, WriteStep::Create, true},
                          Case{"write", false, WriteStep::Write, true}, Case{"no home", false, WriteStep::None, false}}) {
        ScratchProgramDir dir;
        if (c.dataIsAFile) WriteFile(dir / "DATA", "a file where the folder should be");
        FakePlatform fake;
        Platform platform = fake.platform();
        Program program(ProgramFolders{dir.path(), c.hasUserDir ? std::optional(dir.path()) : std::nullopt}, platform);
        const WriteFaults faults{c.failAt};
        program.dataFiles().setWriteFaults(&faults);
        ASSERT_TRUE(program.initialise()) << c.what;
        ASSERT_EQ(fake.messages.size(), 1u) << c.what;
        EXPECT_EQ(fake.messages[0].text, UnwritableDataMessage(dir / "DATA")) << c.what;
        EXPECT_EQ(fake.messages[0].icon, MessageIcon::Error);
        EXPECT_FALSE(program.recordsWritten());
        EXPECT_EQ(program.settings().get(Field::CurrentPlayer), "Player 1");

        // A deal played and lost: nothing is written, nothing more is said.
        ASSERT_TRUE(program.engine().StartGame(true, false, 2, true));
        program.engine().EndGame();
        ConfigFile(program.settings()).WriteString("Preference", "Game", "7");
        EXPECT_EQ(fake.messages.size(), 1u) << c.what;
        const bool dataFolder = std::filesystem::is_directory(dir / "DATA");
        EXPECT_EQ(dataFolder ? test::FolderEntries(dir / "DATA") : std::vector<std::string>{},
                  std::vector<std::string>{})
            << c.what;
    }
}

TEST_F(ProgramTest, AnInstallationKeepsItsRecordsInTheUserFolder) {
    ScratchProgramDir program;
    TempDir user;
    Program running(ProgramFolders{program.path(), user / "dravicor"}, platform);
    ASSERT_TRUE(running.initialise());
    EXPECT_TRUE(fake.messages.empty());
    EXPECT_EQ(running.settings().get(Field::UserDir), (user / "dravicor").string() + "/");
    EXPECT_NE(ReadFile(user / "dravicor" / "DATA" / "CFG.DAT").find("User001=Player 1"), std::string::npos);
    EXPECT_EQ(test::FolderEntries(program.path()), std::vector<std::string>{"GAMES.DAT"});
}

}  // namespace
}  // namespace dravicor
