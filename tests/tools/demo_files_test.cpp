#include "demo_files.h"

#include "demo_deals.h"

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

TEST(DemoDeals, ListNamesADealAndBudgetOrAReason) {
    std::string error;
    const auto deals = ParseDemoDeals("# comment\n\n0 7 1500   # Klondike\n  25 none lost on deals 1-100\n", error);
    EXPECT_EQ(error, "");
    ASSERT_EQ(deals.size(), 2u);
    EXPECT_EQ(deals.at(0).gameNumber, 7);
    EXPECT_EQ(deals.at(0).positions, 1500);
    EXPECT_EQ(deals.at(25).gameNumber, 0);
    EXPECT_EQ(deals.at(25).reason, "lost on deals 1-100");
}

TEST(DemoDeals, AMalformedLineIsNamedAndNothingIsRead) {
    const struct {
        const char* text;
        const char* error;
    } cases[] = {
        {"1 2 3\nx 2 3\n", "line 2: a game code must come first"},
        {"-1 2 3\n", "line 1: a game code must come first"},
        {"4 0 3\n", "line 1: expected CODE NUMBER POSITIONS or CODE none REASON"},
        {"4 2\n", "line 1: expected CODE NUMBER POSITIONS or CODE none REASON"},
        {"4 2 3 9\n", "line 1: expected CODE NUMBER POSITIONS or CODE none REASON"},
        {"4 2 3x\n", "line 1: expected CODE NUMBER POSITIONS or CODE none REASON"},
        {"4 none   \n", "line 1: a game without a demo needs its reason"},
        {"4 2 3\n4 none twice\n", "line 2: game 4 is named twice"},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_TRUE(ParseDemoDeals(c.text, error).empty()) << c.text;
        EXPECT_EQ(error, c.error) << c.text;
    }
}

}  // namespace
}  // namespace dravicor
