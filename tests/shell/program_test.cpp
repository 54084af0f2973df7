#include "shell/program.h"

#include <gtest/gtest.h>

#include "rules/game_rules.h"
#include "support/fake_platform.h"
#include "support/temp_dir.h"

namespace dravicor {
namespace {

using test::FakePlatform;
using test::ReadFile;
using test::ScratchProgramDir;
using test::TempDir;
using test::WriteFile;

TEST(Program, StartUpCreatesDataAndFillsTheRecord) {
    ScratchProgramDir dir;
    FakePlatform fake;
    Platform platform = fake.platform();
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

TEST(Program, MissingCatalogueEndsStartUpWithItsMessage) {
    TempDir dir;
    FakePlatform fake;
    Platform platform = fake.platform();
    Program program(dir.path(), platform);
    EXPECT_FALSE(program.initialise());
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].caption, "Error");
    EXPECT_EQ(fake.messages[0].text, "Cannot find file:\r" + dir.path().string() +
                                         "/GAMES.DAT\rCopy the file into the directory that above is specified\r"
                                         "or reinstall the program.");
}

TEST(Program, RememberedGameThatNoLongerExistsLeavesNoGame) {
    ScratchProgramDir dir;
    WriteFile(dir / "DATA" / "CFG.DAT", "[Preference]\r\nGame=999\r\nGame_name=Gone\r\nUserDefault=Ann\r\n");
    FakePlatform fake;
    Platform platform = fake.platform();
    Program program(dir.path(), platform);
    ASSERT_TRUE(program.initialise());
    EXPECT_EQ(program.game().gameCode, kNoGame);
    EXPECT_EQ(program.settings().get(Field::CurrentGameName), "");
    EXPECT_TRUE(fake.messages.empty());
}

TEST(Program, RelativeProgramDirectoryBecomesAbsoluteWithTrailingSeparator) {
    ScratchProgramDir dir;
    FakePlatform fake;
    Platform platform = fake.platform();
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    Program program(".", platform);
    std::filesystem::current_path(previous);
    EXPECT_EQ(program.settings().get(Field::ProgramDir), dir.path().string() + "/");
}

TEST(Program, TooLongProgramDirectoryIsRefused) {
    FakePlatform fake;
    Platform platform = fake.platform();
    EXPECT_THROW(Program("/" + std::string(250, 'a'), platform), StartupError);
}

TEST(Program, UnwritableDataFolderIsReportedAndStartUpGoesOn) {
    ScratchProgramDir dir;
    WriteFile(dir / "DATA", "a file where the folder should be");
    FakePlatform fake;
    Platform platform = fake.platform();
    Program program(dir.path(), platform);
    program.initialise();
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, "Unable to write to " + dir.path().string() + "/DATA/CFG.DAT");
    EXPECT_EQ(fake.messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(program.settings().get(Field::CurrentPlayer), "Player 1");
}

TEST(Program, HostileConfigurationIsReadWithoutCrashing) {
    ScratchProgramDir dir;
    std::string hostile = std::string("\0\0\0[Preference]\0\n", 18);
    hostile += std::string(100000, '\xff') + "\n";
    hostile += "[Preference]\nGame=\xff\xfe\nBack_Card=" + std::string(5000, '9') + "\n";
    hostile += "[Preference]\nUserDefault=" + std::string(200, 'N') + "\n";
    hostile += "Card_Size=";  // no value, no newline
    WriteFile(dir / "DATA" / "CFG.DAT", hostile);
    FakePlatform fake;
    Platform platform = fake.platform();
    Program program(dir.path(), platform);
    program.initialise();
    EXPECT_EQ(program.settings().get(Field::CurrentGame), "0001");
    EXPECT_EQ(program.settings().get(Field::CardBack), "011");
    EXPECT_EQ(program.settings().get(Field::CurrentPlayer), std::string(30, 'N'));
    EXPECT_EQ(program.settings().get(Field::CardSize), "B");
    // Nothing was written: a player was named.
    EXPECT_EQ(ReadFile(dir / "DATA" / "CFG.DAT"), hostile);
}

}  // namespace
}  // namespace dravicor
