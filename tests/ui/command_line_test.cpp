#include <gtest/gtest.h>

#include "ui/command_line.h"

namespace dravicor::test {
namespace {

TEST(CommandLine, NoArgumentsLeaveTheProgramDirUnset) {
    const auto line = ParseCommandLine({});
    ASSERT_TRUE(line.has_value());
    EXPECT_FALSE(line->programDir.has_value());
}

TEST(CommandLine, ProgramDirTakesTheNextArgument) {
    const auto line = ParseCommandLine({"--program-dir", "/tmp/some dir"});
    ASSERT_TRUE(line.has_value());
    EXPECT_EQ(line->programDir, std::filesystem::path("/tmp/some dir"));
}

TEST(CommandLine, ProgramDirWithoutAFolderIsRefused) {
    EXPECT_FALSE(ParseCommandLine({"--program-dir"}).has_value());
    EXPECT_FALSE(ParseCommandLine({"--program-dir", ""}).has_value());
}

TEST(CommandLine, StartupTimeIsAFlagInAnyPlace) {
    EXPECT_FALSE(ParseCommandLine({})->startupTime);
    const auto alone = ParseCommandLine({"--startup-time"});
    ASSERT_TRUE(alone.has_value());
    EXPECT_TRUE(alone->startupTime);
    EXPECT_FALSE(alone->programDir.has_value());
    const auto before = ParseCommandLine({"--startup-time", "--program-dir", "/tmp/x"});
    const auto after = ParseCommandLine({"--program-dir", "/tmp/x", "--startup-time"});
    ASSERT_TRUE(before.has_value());
    ASSERT_TRUE(after.has_value());
    EXPECT_TRUE(before->startupTime && after->startupTime);
    EXPECT_EQ(before->programDir, std::filesystem::path("/tmp/x"));
    EXPECT_EQ(after->programDir, std::filesystem::path("/tmp/x"));
}

TEST(CommandLine, NumberIsTakenAsTheNumberDialogTakesIt) {
    const auto line = ParseCommandLine({"--number", "42", "--program-dir", "/tmp"});
    ASSERT_TRUE(line.has_value());
    EXPECT_EQ(line->gameNumber, "0000000000042");
    for (const char* refused : {"0", "", "12a", "12345678901234", "-5"})
        EXPECT_FALSE(ParseCommandLine({"--number", refused}).has_value()) << refused;
    EXPECT_FALSE(ParseCommandLine({"--number"}).has_value());
}

TEST(CommandLine, AnOptionGivenTwiceIsRefused) {
    EXPECT_FALSE(ParseCommandLine({"--number", "1", "--number", "2"}).has_value());
    EXPECT_FALSE(ParseCommandLine({"--startup-time", "--startup-time"}).has_value());
    EXPECT_FALSE(ParseCommandLine({"--program-dir", "/a", "--program-dir", "/b"}).has_value());
}

TEST(CommandLine, AnyOtherArgumentIsRefused) {
    EXPECT_FALSE(ParseCommandLine({"settings"}).has_value());
    EXPECT_FALSE(ParseCommandLine({"--program-dir", "/tmp", "--verbose"}).has_value());
    EXPECT_FALSE(ParseCommandLine({"--startup-time=1"}).has_value());
}

}  // namespace
}  // namespace dravicor::test
