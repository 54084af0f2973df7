#include "demo_files.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace dravicor {
namespace {

using test::FolderEntries;
using test::TempDir;
using test::WriteFile;

TEST(DemoFiles, NamedByTheGameCodeInFourDigits) {
    EXPECT_EQ(DemoFileName(1), "G0001.GAM");
    EXPECT_EQ(DemoFileName(42), "G0042.GAM");
    EXPECT_TRUE(IsDemoFileName("G0000.GAM"));
    for (const char* other : {"G001.GAM", "G00001.GAM", "g0001.GAM", "G0001.gam", "G00a1.GAM", "G0001.GAM.tmp", "X0001.GAM"}) {
        EXPECT_FALSE(IsDemoFileName(other)) << other;
    }
}

TEST(DemoFiles, OnlyDemosNotWrittenNowAreRemoved) {
    TempDir dir;
    for (const char* name : {"G0000.GAM", "G0003.GAM", "G0012.GAM", "notes.txt", ".recorded"}) WriteFile(dir / name, "x");
    EXPECT_EQ(RemoveStaleDemos(dir.path(), {"G0000.GAM", "G0012.GAM"}), (std::vector<std::string>{"G0003.GAM"}));
    EXPECT_EQ(FolderEntries(dir.path()), (std::vector<std::string>{".recorded", "G0000.GAM", "G0012.GAM", "notes.txt"}));
    EXPECT_TRUE(RemoveStaleDemos(dir / "missing", {}).empty());
}

}  // namespace
}  // namespace dravicor
