#include "shell/program.h"

#include <gtest/gtest.h>

#include "support/fake_platform.h"
#include "support/temp_dir.h"

namespace dravicor {
namespace {

using test::FakePlatform;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

TEST(Program, StartUpCreatesDataAndFillsTheRecord) {
    TempDir dir;
    FakePlatform fake;
    Platform platform = fake.platform();
    Program program(dir.path(), platform);
    program.initialise();
    EXPECT_TRUE(std::filesystem::is_directory(dir / "DATA"));
    EXPECT_EQ(program.settings().get(Field::ProgramDir), dir.path().string() + "/");
    EXPECT_EQ(program.settings().get(Field::CurrentPlayer), "Player 1");
    EXPECT_NE(ReadFile(dir / "DATA" / "CFG.DAT").find("User001=Player 1"), std::string::npos);
    EXPECT_TRUE(fake.messages.empty());

    // The table is new: every card face up, every pile empty, no game.
    for (int card = 1; card <= kCardCount; ++card) EXPECT_TRUE(program.position().cardTable.IsFaceUp(card));
    EXPECT_EQ(program.position(), Position{});
    EXPECT_EQ(program.game().gameCode, kNoGame);
    EXPECT_FALSE(program.game().inProgress);
}

TEST(Program, RelativeProgramDirectoryBecomesAbsoluteWithTrailingSeparator) {
    TempDir dir;
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
    TempDir dir;
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
    TempDir dir;
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
