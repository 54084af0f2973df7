#include "stats/data_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <functional>

#include "data_files_fixture.h"
#include "support/lock_holder.h"

namespace dravicor {
namespace {

using namespace std::chrono_literals;

ino_t Inode(const fs::path& file) {
    struct stat info {};
    return ::stat(file.c_str(), &info) == 0 ? info.st_ino : 0;
}

// A change that replaces the content by the text, or adds the text to it;
// `called` notes that it ran.
std::function<bool(std::string&)> Change(std::string text, bool append, bool* called = nullptr) {
    return [=](std::string& content) {
        if (called) *called = true;
        content = append ? content + text : text;
        return true;
    };
}
std::function<bool(std::string&)> SetTo(std::string text) { return Change(std::move(text), false); }
std::function<bool(std::string&)> Append(std::string text, bool* called = nullptr) {
    return Change(std::move(text), true, called);
}

class DataFilesTest : public DataFilesFixture {
protected:
    fs::path file = data / "STAT.DAT";
};

TEST_F(DataFilesTest, ChangeCreatesTheFolderAndAMissingFileFromItsInitialContent) {
    EXPECT_FALSE(files.read("STAT.DAT").has_value());
    std::string seen = "<not called>";
    ASSERT_TRUE(files.change(
        "STAT.DAT",
        [&](std::string& content) {
            seen = content;
            content += "B\r\n";
            return true;
        },
        "A\r\n"));
    EXPECT_EQ(seen, "A\r\n");
    EXPECT_EQ(ReadFile(file), "A\r\nB\r\n");
    EXPECT_EQ(files.read("STAT.DAT"), "A\r\nB\r\n");
    EXPECT_EQ(FolderEntries(data), std::vector<std::string>{"STAT.DAT"});
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(DataFilesTest, UnchangedContentIsNotRewrittenAndChangedContentReplacesTheFile) {
    WriteFile(file, "same\r\n");
    const ino_t before = Inode(file);
    EXPECT_TRUE(files.change("STAT.DAT", [](std::string&) { return true; }));
    EXPECT_EQ(Inode(file), before);
    EXPECT_TRUE(files.change("STAT.DAT", Append("more\r\n")));
    EXPECT_EQ(ReadFile(file), "same\r\nmore\r\n");
    EXPECT_NE(Inode(file), before) << "the file was overwritten in place, not replaced";
    EXPECT_EQ(FolderEntries(data), std::vector<std::string>{"STAT.DAT"});
}

TEST_F(DataFilesTest, EveryFailingStepLeavesTheOldBytesAndNoTemporaryFile) {
    const std::string old = std::string("[Version]\r\nVersion=0300\r\n\0\r\n", 27);
    const std::string path = file.string();
    const std::pair<WriteStep, std::string> cases[] = {
        {WriteStep::Create, "Error creating temp file."},
        {WriteStep::Write, "Error writing file: " + path},
        {WriteStep::Flush, "Error writing file: " + path},
        {WriteStep::Rename, "Error renaming file: " + path + ".rpl\rwith: " + path},
    };
    for (const auto& [step, message] : cases) {
        SCOPED_TRACE(message);
        WriteFile(file, old);
        platform.messages.clear();
        const WriteFaults faults{step};
        files.setWriteFaults(&faults);
        EXPECT_FALSE(files.change("STAT.DAT", SetTo("new")));
        EXPECT_EQ(ReadFile(file), old);
        EXPECT_EQ(FolderEntries(data), std::vector<std::string>{"STAT.DAT"});
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].text, message);
        EXPECT_EQ(platform.messages[0].caption, "Dravicor");
        EXPECT_EQ(platform.messages[0].icon, MessageIcon::Information);
        // Failing to create a file leaves no file at all.
        EXPECT_FALSE(files.change("STAT_LOG.DAT", SetTo("line\r\n")));
        EXPECT_EQ(FolderEntries(data), std::vector<std::string>{"STAT.DAT"});
    }
    files.setWriteFaults(nullptr);
    EXPECT_TRUE(files.change("STAT.DAT", SetTo("new")));
    EXPECT_EQ(ReadFile(file), "new");
}

TEST_F(DataFilesTest, AnUnreadableFileIsAnOpenError) {
    // A folder where the file should be cannot be read as a file.
    fs::create_directories(file / "inside");
    bool called = false;
    EXPECT_FALSE(files.change("STAT.DAT", [&](std::string&) { return called = true; }));
    EXPECT_FALSE(called);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "Open error: " + file.string());
    EXPECT_TRUE(fs::is_directory(file / "inside"));
}

TEST_F(DataFilesTest, AnotherCopyHoldingTheLockMakesAChangeWaitThenFail) {
    WriteFile(file, "A\r\n");
    test::LockHolder other(data, "STAT.DAT", [](std::string& content) { content += "OTHER\r\n"; });
    ASSERT_TRUE(other.waitUntilHeld());
    files.setLockPatience(150ms);
    bool called = false;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(files.change("STAT.DAT", Append("MINE\r\n", &called)));
    EXPECT_GE(std::chrono::steady_clock::now() - start, 150ms);
    EXPECT_FALSE(called);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "Open error: " + file.string());
    EXPECT_EQ(ReadFile(file), "A\r\n");
    // Removing is refused the same way.
    EXPECT_FALSE(files.remove("STAT.DAT"));
    EXPECT_TRUE(fs::exists(file));

    other.release();
    EXPECT_EQ(other.finish(), 0);
    EXPECT_EQ(ReadFile(file), "A\r\nOTHER\r\n");
    EXPECT_TRUE(files.change("STAT.DAT", Append("MINE\r\n")));
    EXPECT_EQ(ReadFile(file), "A\r\nOTHER\r\nMINE\r\n");
}

TEST_F(DataFilesTest, AChangeWaitsForAShortLockAndThenGoesAfterIt) {
    WriteFile(file, "A\r\n");
    test::LockHolder other(data, "STAT.DAT", [](std::string& content) { content += "OTHER\r\n"; }, 300ms);
    ASSERT_TRUE(other.waitUntilHeld());
    files.setLockPatience(10s);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(files.change("STAT.DAT", Append("MINE\r\n")));
    EXPECT_GE(std::chrono::steady_clock::now() - start, 200ms);
    EXPECT_EQ(other.finish(), 0);
    EXPECT_EQ(ReadFile(file), "A\r\nOTHER\r\nMINE\r\n");
    EXPECT_TRUE(platform.messages.empty());
}

TEST(DataFilesCleanUp, StaleTemporariesOfTheDataFilesGoOthersStay) {
    test::TempDir dir;
    test::FakePlatform platform;
    for (const char* name : {"STAT.DAT", "STAT.DAT.rplAb12Cd", "STAT_LOG.DAT.rpl000000", "CFG.DAT.rplxyzxyz",
                             "STAT.DAT.rpl1", "notes.txt.rplabcdef"}) {
        test::WriteFile(dir / name, "x");
    }
    DataFiles files(dir.path(), platform);
    files.removeStaleTemporaries();
    EXPECT_EQ(test::FolderEntries(dir.path()),
              (std::vector<std::string>{"STAT.DAT", "STAT.DAT.rpl1", "notes.txt.rplabcdef"}));
}

}  // namespace
}  // namespace dravicor
