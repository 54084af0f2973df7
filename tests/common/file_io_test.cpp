#include "common/file_io.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace dravicor {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

TEST(FileIo, AtomicWriteReplacesContentAndLeavesNoTemporaryFiles) {
    TempDir dir;
    const auto path = dir / "STAT.DAT";
    WriteFile(path, "old content");
    ASSERT_TRUE(WriteFileAtomically(path, std::string("new\0content", 11)));
    EXPECT_EQ(ReadFile(path), std::string("new\0content", 11));
    EXPECT_EQ(test::FolderEntries(dir.path()).size(), 1u);
}

TEST(FileIo, FailedWriteKeepsTheOldFile) {
    TempDir dir;
    // A folder in the way of the rename: the target cannot be replaced.
    const auto blocked = dir / "CFG.DAT";
    std::filesystem::create_directories(blocked / "inside");
    EXPECT_FALSE(WriteFileAtomically(blocked, "x"));
    EXPECT_TRUE(std::filesystem::is_directory(blocked / "inside"));
    // A missing folder: nothing can be written.
    EXPECT_FALSE(WriteFileAtomically(dir / "nowhere" / "CFG.DAT", "x"));
    EXPECT_EQ(test::FolderEntries(dir.path()).size(), 1u) << "a temporary file was left behind";
}

TEST(FileIo, ReadWholeFile) {
    TempDir dir;
    EXPECT_FALSE(ReadWholeFile(dir / "missing").has_value());
    const std::string big(300000, 'z');
    WriteFile(dir / "big", big);
    EXPECT_EQ(ReadWholeFile(dir / "big"), big);
    EXPECT_FALSE(ReadWholeFile(dir.path()).has_value());
}

}  // namespace
}  // namespace dravicor
