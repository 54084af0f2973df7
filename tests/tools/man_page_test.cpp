#include "man_page.h"

#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli.h"

namespace dravicor {
namespace {

TEST(ManPage, RoffTextEscapesWhatRoffWouldRead) {
    const std::pair<const char*, const char*> cases[] = {
        {"plain words", "plain words"},
        {"--program-dir", "\\-\\-program\\-dir"},
        {"a\\b", "a\\eb"},
        {".hidden", "\\&.hidden"},
        {"'quoted'", "\\&'quoted'"},
        {"", ""},
    };
    for (const auto& [text, roff] : cases) EXPECT_EQ(RoffText(text), roff) << text;
}

TEST(ManPage, TheUsageTextBecomesSynopsisAndSections) {
    ManPageText text;
    text.name = "tool";
    text.source = "Tool 1.0";
    text.summary = "does things";
    text.description = "First paragraph,\ntwo lines.\n\nSecond.\n";
    text.usage =
        "usage: tool [-x] COMMAND\n"
        "       tool --help\n"
        "commands:\n"
        "  run N        run N times\n"
        "               and stop\n"
        "  stop | halt\n";
    text.files = {{"~/.tool", "the settings"}};
    EXPECT_EQ(ManPage(text),
              ".TH TOOL 6 \"\" \"Tool 1.0\" \"Games\"\n"
              ".SH NAME\ntool \\- does things\n"
              ".SH SYNOPSIS\n.B tool\n[\\-x] COMMAND\n.br\n.B tool\n\\-\\-help\n"
              ".SH DESCRIPTION\nFirst paragraph,\ntwo lines.\n.PP\nSecond.\n"
              ".SH COMMANDS\n.TP\n\\fBrun N\\fR\nrun N times\nand stop\n.TP\n\\fBstop | halt\\fR\n"
              ".SH FILES\n.TP\n.I ~/.tool\nthe settings\n");
}

TEST(ManPage, TheTextFrontEndsPageNamesEveryCommandOfItsUsage) {
    ManPageText text;
    text.name = "dravicor-cli";
    text.usage = std::string(CliUsage());
    const std::string page = ManPage(text);
    std::istringstream usage(text.usage);
    int entries = 0;
    for (std::string line; std::getline(usage, line);) {
        if (line.size() < 3 || line.compare(0, 2, "  ") != 0 || line[2] == ' ') continue;
        const std::string term = line.substr(2, line.find("  ", 2) - 2);
        EXPECT_NE(page.find("\\fB" + RoffText(term) + "\\fR"), std::string::npos) << term;
        ++entries;
    }
    EXPECT_GE(entries, 15);
    EXPECT_NE(page.find(".SH OPTIONS\n"), std::string::npos);
    EXPECT_NE(page.find(".SH COMMANDS\n"), std::string::npos);
}

}  // namespace
}  // namespace dravicor
