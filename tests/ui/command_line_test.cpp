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

TEST(CommandLine, AnyOtherArgumentIsRefused) {
    EXPECT_FALSE(ParseCommandLine({"settings"}).has_value());
    EXPECT_FALSE(ParseCommandLine({"--program-dir", "/tmp", "--verbose"}).has_value());
}

}  // namespace
}  // namespace dravicor::test
