#include "stats/section_file.h"

#include <gtest/gtest.h>

namespace dravicor {
namespace {

using Lines = std::vector<std::string>;

SectionDocument Doc(std::string_view bytes) { return SectionDocument::Parse(bytes); }

TEST(SectionDocument, ParseAndSerializeKeepCrLfTextAndEndEveryLineWithCrLf) {
    const std::string bytes = "[Version]\r\nVersion=0300\r\n\r\n[0001]\r\nAnn=1\r\n\r\n\r\n[0002]\r\nBob=2\r\n";
    const auto document = Doc(bytes);
    EXPECT_EQ(document.lines(), (Lines{"[Version]", "Version=0300", "", "[0001]", "Ann=1", "", "", "[0002]", "Bob=2"}));
    EXPECT_EQ(document.Serialize(), bytes);
    // Bare LF line ends and a last line without its end come back as CR LF lines.
    EXPECT_EQ(Doc("[a]\nk=v\r\nx=y").Serialize(), "[a]\r\nk=v\r\nx=y\r\n");
    EXPECT_TRUE(Doc("").empty());
    EXPECT_EQ(Doc("").Serialize(), "");
}

// A value of the same length replaces its line where it stands; another
// length rebuilds the section's body, its empty lines dropped and one empty
// line closing it; a new key goes after the last line, a new section at the end.
TEST(SectionDocument, WriteValueKeepsRebuildsOrAppends) {
    const std::string version = "[Version]\r\nVersion=0300\r\n";
    const std::string rebuilt = version + "\r\n[0001]\r\nAnn=1\r\nBob=2\r\n\r\n";
    const struct {
        std::string before;
        const char* section;
        const char* key;
        const char* value;
        std::string after;
    } cases[] = {
        {version, "0001", "Player 1", "abc", version + "\r\n[0001]\r\nPlayer 1=abc\r\n"},
        {version + "\r\n[0001]\r\nPlayer 1=abc\r\n", "0002", "Player 1", "xyz",
         version + "\r\n[0001]\r\nPlayer 1=abc\r\n\r\n[0002]\r\nPlayer 1=xyz\r\n"},
        // The empty line inside the body stays, nothing is added.
        {"[s]\r\n\r\nAnn=111\r\nBob=222\r\n\r\n[t]\r\nAnn=333\r\n", "s", "Ann", "999",
         "[s]\r\n\r\nAnn=999\r\nBob=222\r\n\r\n[t]\r\nAnn=333\r\n"},
        {"[s]\r\n\r\nAnn=111\r\nBob=222\r\n\r\n[t]\r\nAnn=333\r\n", "t", "Ann", "444",
         "[s]\r\n\r\nAnn=111\r\nBob=222\r\n\r\n[t]\r\nAnn=444\r\n"},
        {"[s]\r\n\r\nAnn=111\r\n\r\nBob=222\r\n\r\n\r\n[t]\r\nAnn=333\r\n", "s", "Ann", "1",
         "[s]\r\nAnn=1\r\nBob=222\r\n\r\n[t]\r\nAnn=333\r\n"},
        {version + "\r\n[0001]\r\nAnn=1\r\n", "0001", "Bob", "2", rebuilt},
        // Rebuilding again does not pile up empty lines.
        {rebuilt, "0001", "Cy", "3", version + "\r\n[0001]\r\nAnn=1\r\nBob=2\r\nCy=3\r\n\r\n"},
        {rebuilt, "0001", "Ann", "111", version + "\r\n[0001]\r\nAnn=111\r\nBob=2\r\n\r\n"},
        // A section appended after a rebuilt one comes after its empty line.
        {rebuilt, "0002", "Ann", "4", rebuilt + "\r\n[0002]\r\nAnn=4\r\n"},
    };
    for (const auto& c : cases) {
        auto document = Doc(c.before);
        document.WriteValue(c.section, c.key, c.value);
        EXPECT_EQ(document.Serialize(), c.after) << c.before << "with " << c.section << "/" << c.key;
    }
    EXPECT_EQ(SectionDocument::WithVersion().Serialize(), version) << "a fresh document holds the version section";
}

TEST(SectionDocument, WriteValuesAppendsAMissingSectionWithAllItsLines) {
    auto document = SectionDocument::WithVersion();
    document.WriteValues("0053", {"a", "b", "c"}, {"1", "2", "3"});
    EXPECT_EQ(document.Serialize(), "[Version]\r\nVersion=0300\r\n\r\n[0053]\r\na=1\r\nb=2\r\nc=3\r\n");
    // Lines of equal length are overwritten where they stand.
    document.WriteValues("0053", {"c", "a"}, {"9", "8"});
    EXPECT_EQ(document.Serialize(), "[Version]\r\nVersion=0300\r\n\r\n[0053]\r\na=8\r\nb=2\r\nc=9\r\n");
    // Extra keys without a value are ignored.
    document.WriteValues("0054", {"x", "y"}, {"1"});
    EXPECT_EQ(document.ListSectionLines("0054"), (Lines{"x=1"}));
}

TEST(SectionDocument, ReadValueMatchesWholeKeysExactly) {
    const auto document = Doc("[0001]\r\nAnne=2   \r\nAnn=1\r\nann=3\r\nA=B=C\r\n[0002]\r\nAnn=4\r\n");
    EXPECT_EQ(document.ReadValue("0001", "Ann"), "1");
    EXPECT_EQ(document.ReadValue("0001", "Anne"), "2");  // trailing blanks removed
    EXPECT_EQ(document.ReadValue("0001", "ann"), "3");
    EXPECT_EQ(document.ReadValue("0001", "A"), "B=C");  // the value runs from the first "="
    EXPECT_EQ(document.ReadValue("0002", "Ann"), "4");
    EXPECT_FALSE(document.ReadValue("0001", "An").has_value());
    EXPECT_FALSE(document.ReadValue("0003", "Ann").has_value());
    EXPECT_EQ(document.ReadValue("0003", "Ann", "dflt"), "dflt");
    EXPECT_EQ(document.ReadValues("0001", {"Ann", "Zed", "Anne"}, {"x", "y", "z"}), (Lines{"1", "y", "2"}));
}

TEST(SectionDocument, FindSectionMatchesTheWholeName) {
    const auto document = Doc("[Version]\r\nVersion=0300\r\n[00012]\r\n[0001\r\n[0001]\r\nk=v\r\n");
    EXPECT_EQ(document.FindSection("0001"), 4u);
    EXPECT_EQ(document.FindSection("00012"), 2u);
    EXPECT_EQ(document.FindSection("Version"), 0u);
    EXPECT_FALSE(document.FindSection("version").has_value());
    EXPECT_FALSE(document.FindSection("000").has_value());
}

TEST(SectionDocument, ListsSectionsAndTheirNonEmptyLines) {
    const auto document = Doc("[Version]\r\nVersion=0300\r\n\r\n[0002]\r\nb=2\r\n\r\na=1\r\n\r\n[0001]\r\n");
    EXPECT_EQ(document.ListSections(), (Lines{"Version", "0002", "0001"}));
    EXPECT_EQ(document.ListSectionLines("0002"), (Lines{"b=2", "a=1"}));
    EXPECT_TRUE(document.ListSectionLines("0001").empty());
    EXPECT_TRUE(document.ListSectionLines("0003").empty());
}

TEST(SectionDocument, EraseSectionRemovesTheHeaderAndTheBody) {
    auto document = Doc("[a]\r\nx=1\r\n\r\n[b]\r\ny=2\r\n\r\n[c]\r\nz=3\r\n");
    document.EraseSection("b");
    EXPECT_EQ(document.Serialize(), "[a]\r\nx=1\r\n\r\n[c]\r\nz=3\r\n");
    document.EraseSection("nope");
    EXPECT_EQ(document.Serialize(), "[a]\r\nx=1\r\n\r\n[c]\r\nz=3\r\n");
}

TEST(SectionDocument, ReplaceInLinesChangesOnlyTheMatchingColumn) {
    auto document = Doc("xxAnn yy\r\nxxAnnezz\r\nAnn xxxx\r\nxxAn\r\n\r\nxxAnn \r\n");
    EXPECT_EQ(document.ReplaceInLines(3, "Ann ", "Bob "), 2);
    EXPECT_EQ(document.Serialize(), "xxBob yy\r\nxxAnnezz\r\nAnn xxxx\r\nxxAn\r\n\r\nxxBob \r\n");
    // Texts of different lengths and column 0 change nothing.
    EXPECT_EQ(document.ReplaceInLines(3, "Bob ", "Robert"), 0);
    EXPECT_EQ(document.ReplaceInLines(0, "xx", "yy"), 0);
    EXPECT_EQ(document.Serialize(), "xxBob yy\r\nxxAnnezz\r\nAnn xxxx\r\nxxAn\r\n\r\nxxBob \r\n");
}

TEST(SectionDocument, PadRightFillsOrCuts) {
    EXPECT_EQ(PadRight("Ann", 5), "Ann  ");
    EXPECT_EQ(PadRight("Annabelle", 5), "Annab");
    EXPECT_EQ(PadRight("", 3), "   ");
    EXPECT_EQ(PadRight("abc", 0), "");
}

TEST(SectionDocument, DamagedTextIsHandledWithoutCrashing) {
    // A header cut short by NUL bytes, a 100,000-character value, a key of
    // NUL bytes, an empty section name, a repeated section, lone brackets.
    std::string bytes = "[Vers";
    bytes += std::string("\0\0\r\n[0001]\r\n", 12);
    bytes += "Ann=" + std::string(100000, '7') + "\r\n";
    bytes += std::string("\0=\0\r\n", 5);
    bytes += "[]\r\n=empty key\r\n[0001]\r\n[\r\n]\r\n\r\r\n";
    auto document = Doc(bytes);
    EXPECT_EQ(document.Serialize(), bytes);  // every line already ended in CR LF
    EXPECT_EQ(document.ReadValue("0001", "Ann")->size(), 100000u);
    EXPECT_EQ(document.ReadValue("", ""), "empty key");
    document.WriteValue("0001", "Ann", "1");
    document.WriteValue("0002", std::string("\0", 1), "2");
    EXPECT_EQ(document.ReadValue("0001", "Ann"), "1");
    EXPECT_EQ(document.ListSectionLines("0001"), (Lines{"Ann=1", std::string("\0=\0", 3)}));
    EXPECT_EQ(document.ReadValue("0002", std::string("\0", 1)), "2");
    EXPECT_EQ(document.ReplaceInLines(100, "x", "y"), 0);
    const auto again = Doc(document.Serialize());
    EXPECT_EQ(again.lines(), document.lines());
}

}  // namespace
}  // namespace dravicor
