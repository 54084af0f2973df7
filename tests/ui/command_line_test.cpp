#include <gtest/gtest.h>

#include "ui/command_line.h"

namespace dravicor::test {
namespace {

TEST(CommandLine, AcceptedLinesGiveTheirOptions) {
    const struct {
        std::vector<std::string> args;
        std::optional<std::filesystem::path> programDir;
        bool startupTime;
        std::optional<std::string> gameNumber;
    } cases[] = {
        {{}, std::nullopt, false, std::nullopt},
        {{"--program-dir", "/tmp/some dir"}, "/tmp/some dir", false, std::nullopt},
        {{"--startup-time"}, std::nullopt, true, std::nullopt},
        {{"--startup-time", "--program-dir", "/tmp/x"}, "/tmp/x", true, std::nullopt},
        {{"--program-dir", "/tmp/x", "--startup-time"}, "/tmp/x", true, std::nullopt},
        // The number is taken as the number dialog takes it.
        {{"--number", "42", "--program-dir", "/tmp"}, "/tmp", false, "0000000000042"},
    };
    for (const auto& c : cases) {
        const std::string shown = ::testing::PrintToString(c.args);
        const auto line = ParseCommandLine(c.args);
        ASSERT_TRUE(line.has_value()) << shown;
        EXPECT_EQ(line->programDir, c.programDir) << shown;
        EXPECT_EQ(line->startupTime, c.startupTime) << shown;
        EXPECT_EQ(line->gameNumber, c.gameNumber) << shown;
    }
}

TEST(CommandLine, RefusedLines) {
    const std::vector<std::vector<std::string>> refused = {
        {"--program-dir"},
        {"--program-dir", ""},
        {"--number"},
        {"--number", "0"},
        {"--number", ""},
        {"--number", "12a"},
        {"--number", "12345678901234"},
        {"--number", "-5"},
        {"--number", "1", "--number", "2"},
        {"--startup-time", "--startup-time"},
        {"--program-dir", "/a", "--program-dir", "/b"},
        {"settings"},
        {"--program-dir", "/tmp", "--verbose"},
        {"--startup-time=1"},
    };
    for (const auto& args : refused) EXPECT_FALSE(ParseCommandLine(args).has_value()) << ::testing::PrintToString(args);
}

}  // namespace
}  // namespace dravicor::test
