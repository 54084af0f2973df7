#include "common/profile_file.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace dravicor {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

class ProfileFileTest : public ::testing::Test {
protected:
    TempDir dir;
    std::filesystem::path path = dir / "CFG.DAT";
    ProfileFile file{path};
};

TEST_F(ProfileFileTest, MissingFileGivesDefaultsAndIsNotCreated) {
    EXPECT_EQ(file.ReadString("Preference", "Game_name", "FreeCell"), "FreeCell");
    EXPECT_EQ(file.ReadInteger("Preference", "Game", 1), 1);
    EXPECT_TRUE(file.ReadKeys("Users").empty());
    file.EraseSection("Preference");
    file.DeleteKey("Preference", "Game");
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(ProfileFileTest, SequenceOfWritesGivesExactBytes) {
    file.WriteString("Preference", "UserDefault", "Player 1");
    file.WriteString("Users", "User001", "Player 1");
    file.WriteInteger("Preference", "Game", 53);
    file.WriteString("Preference", "Game_name", "Klondike");
    file.WriteString("Users", "User002", "Ann");
    // Replacing keeps the key's place and takes the spelling of the new write.
    file.WriteString("preference", "game", "7");
    file.WriteInteger("Preference", "Background_Col", -2147483633);
    EXPECT_EQ(ReadFile(path),
              "[Preference]\r\n"
              "UserDefault=Player 1\r\n"
              "game=7\r\n"
              "Game_name=Klondike\r\n"
              "Background_Col=-2147483633\r\n"
              "\r\n"
              "[Users]\r\n"
              "User001=Player 1\r\n"
              "User002=Ann\r\n");

    file.DeleteKey("Users", "user001");
    file.EraseSection("PREFERENCE");
    EXPECT_EQ(ReadFile(path), "[Users]\r\nUser002=Ann\r\n");
    file.WriteString("Show_Messages", "Screen_Under_256_Colors", "N");
    EXPECT_EQ(ReadFile(path), "[Users]\r\nUser002=Ann\r\n\r\n[Show_Messages]\r\nScreen_Under_256_Colors=N\r\n");
}

TEST_F(ProfileFileTest, NamesMatchWithoutRegardToCase) {
    file.WriteString("Preference", "Background_Def", "Y");
    EXPECT_EQ(file.ReadString("PREFERENCE", "background_def", "N"), "Y");
    EXPECT_EQ(file.ReadString("Preference", "Background_def", "N"), "Y");
    EXPECT_EQ(file.ReadKeys("preference"), std::vector<std::string>{"Background_Def"});
}

TEST_F(ProfileFileTest, ReadIntegerFormats) {
    WriteFile(path,
              "[P]\nhex=0x1F\nHEX=0XFF\nbits=0x8000000F\nbad=12abc\nneg=-42\nplus=+7\n"
              "spaced=  19  \nbare=0x\nbig=99999999999\nempty=\nhexbad=0x1G\n");
    EXPECT_EQ(file.ReadInteger("P", "hex", -1), 31);
    EXPECT_EQ(file.ReadInteger("P", "bits", -1), -2147483633);
    EXPECT_EQ(file.ReadInteger("P", "bad", -1), -1);
    EXPECT_EQ(file.ReadInteger("P", "neg", 0), -42);
    EXPECT_EQ(file.ReadInteger("P", "plus", 0), 7);
    EXPECT_EQ(file.ReadInteger("P", "spaced", 0), 19);
    EXPECT_EQ(file.ReadInteger("P", "bare", -1), -1);
    EXPECT_EQ(file.ReadInteger("P", "big", -1), -1);
    EXPECT_EQ(file.ReadInteger("P", "empty", -1), -1);
    EXPECT_EQ(file.ReadInteger("P", "hexbad", -1), -1);
    EXPECT_EQ(file.ReadInteger("P", "missing", 5), 5);
}

TEST_F(ProfileFileTest, ValuesAreTrimmedAndCutAt1023Characters) {
    WriteFile(path, "[P]\n  key  =  some value  \nlong=" + std::string(5000, 'v') + "\n");
    EXPECT_EQ(file.ReadString("P", "key", ""), "some value");
    EXPECT_EQ(file.ReadString("P", "long", ""), std::string(1023, 'v'));
    EXPECT_EQ(file.ReadString("P", "nothing", std::string(2000, 'd')), std::string(1023, 'd'));
}

TEST_F(ProfileFileTest, LineBreaksInValuesCannotInjectKeys) {
    file.WriteString("Users", "User001", "Eve\r\n[Preference]\r\nUndo_Enabled=2");
    EXPECT_EQ(file.ReadString("Preference", "Undo_Enabled", "0"), "0");
    EXPECT_EQ(file.ReadString("Users", "User001", ""), "Eve  [Preference]  Undo_Enabled=2");
}

TEST_F(ProfileFileTest, DamagedFilesReadWithoutTrouble) {
    std::string garbage = "\xff\xfe garbage line\n";
    garbage += std::string("nul\0byte=1\n", 11);
    garbage += "key before any section=1\n";
    garbage += "[Preference]\n";
    garbage += "Game=12\n";
    garbage += std::string(100000, 'x') + "\n";
    garbage += "[Preference]\n";           // duplicate section
    garbage += "Game=99\n";                // duplicate key: the first one counts
    garbage += "Card_Size=M\n";            // found in the second copy of the section
    garbage += "[Unclosed\n";
    garbage += "\xc3\xa9=\xe9\xff\n";
    garbage += "Cursor=14";                // no final newline
    WriteFile(path, garbage);
    EXPECT_EQ(file.ReadInteger("Preference", "Game", 1), 12);
    EXPECT_EQ(file.ReadString("Preference", "Card_Size", "B"), "M");
    EXPECT_EQ(file.ReadString("Unclosed", "Cursor", ""), "14");
    EXPECT_EQ(file.ReadString("Unclosed", "\xc3\xa9", ""), "\xe9\xff");
    EXPECT_EQ(file.ReadString("", "key before any section", "none"), "none");

    // Writing keeps every other line, with CR LF ends and a final newline.
    file.WriteString("Unclosed", "Cursor", "12");
    const std::string after = ReadFile(path);
    EXPECT_NE(after.find(std::string(100000, 'x') + "\r\n"), std::string::npos);
    EXPECT_NE(after.find(std::string("nul\0byte=1\r\n", 12)), std::string::npos);
    EXPECT_EQ(after.substr(after.size() - 11), "Cursor=12\r\n");
    EXPECT_EQ(file.ReadInteger("Preference", "Game", 1), 12);

    // Deleting a key removes it from every copy of the section.
    file.DeleteKey("Preference", "Game");
    EXPECT_EQ(file.ReadInteger("Preference", "Game", 1), 1);
}

TEST_F(ProfileFileTest, FileWithoutSectionsGetsOneAppended) {
    WriteFile(path, "just some text");
    file.WriteString("Preference", "Game", "3");
    EXPECT_EQ(ReadFile(path), "just some text\r\n\r\n[Preference]\r\nGame=3\r\n");
}

TEST_F(ProfileFileTest, UnwritableFileRaisesTheMessageAndKeepsTheOldContent) {
    // DATA is a plain file, so nothing can be created below it (this holds
    // for root too, unlike a read-only folder).
    WriteFile(dir / "DATA", "not a folder");
    ProfileFile blocked(dir / "DATA" / "CFG.DAT");
    try {
        blocked.WriteString("Preference", "Game", "1");
        FAIL() << "no error raised";
    } catch (const ProfileWriteError& error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + (dir / "DATA" / "CFG.DAT").string());
    }
    EXPECT_NO_THROW(blocked.EraseSection("Preference")) << "erasing in a missing file is no error";
    EXPECT_NO_THROW(blocked.DeleteKey("Preference", "Game"));
}

TEST_F(ProfileFileTest, UnchangedContentIsNotRewritten) {
    file.WriteString("P", "k", "v");
    const auto before = std::filesystem::last_write_time(path);
    std::filesystem::last_write_time(path, before - std::chrono::hours(1));
    file.WriteString("P", "k", "v");
    EXPECT_EQ(std::filesystem::last_write_time(path), before - std::chrono::hours(1));
}

}  // namespace
}  // namespace dravicor
