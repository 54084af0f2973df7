#include "shell/tips.h"

#include <gtest/gtest.h>

#include <set>

#include "common/profile_file.h"
#include "shell/preferences.h"
#include "support/temp_dir.h"

namespace dravicor {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

TEST(Tips, NineteenDifferentTipsWithTheirPages) {
    std::set<std::string_view> seen;
    for (int number = 1; number <= kTipCount; ++number) {
        EXPECT_FALSE(TipText(number).empty()) << number;
        seen.insert(TipText(number));
    }
    EXPECT_EQ(seen.size(), 19u);
    EXPECT_EQ(TipText(1),
              "You can open one of the last games you played by choosing Open a saved game button in the Open a "
              "game dialog.");
    EXPECT_EQ(TipText(19), "You can click right mouse button on the visible part of a card, in order to see it in full.");
    EXPECT_EQ(TipText(0), "");
    EXPECT_EQ(TipText(20), "");
    EXPECT_EQ(TipPage(1), "01");
    EXPECT_EQ(TipPage(9), "09");
    EXPECT_EQ(TipPage(19), "19");
}

TEST(Tips, PagingWrapsAtBothEnds) {
    EXPECT_EQ(NextTip(1), 2);
    EXPECT_EQ(NextTip(18), 19);
    EXPECT_EQ(NextTip(19), 1);
    EXPECT_EQ(PreviousTip(2), 1);
    EXPECT_EQ(PreviousTip(1), 19);
    int number = 5;
    for (int i = 0; i < kTipCount; ++i) number = NextTip(number);
    EXPECT_EQ(number, 5);
}

class TipFileTest : public ::testing::Test {
protected:
    TipState open(const std::string& preferences) {
        WriteFile(path(), "[Preference]\r\n" + preferences);
        return OpenTips(ProfileFile(path()));
    }
    std::filesystem::path path() const { return dir / "CFG.DAT"; }
    TempDir dir;
};

TEST_F(TipFileTest, OpensAfterTheTipShownLast) {
    EXPECT_EQ(OpenTips(ProfileFile(path())), (TipState{1, false})) << "no file";
    EXPECT_EQ(open(""), (TipState{1, false}));
    EXPECT_EQ(open("Tips_Num=5\r\n"), (TipState{6, false}));
    EXPECT_EQ(open("Tips_Num=18\r\nTips_StartUp=Y\r\n"), (TipState{19, true}));
    EXPECT_EQ(open("Tips_Num=19\r\n"), (TipState{1, false})) << "past the last";
    EXPECT_EQ(open("Tips_Num=250\r\n"), (TipState{1, false}));
    EXPECT_EQ(open("Tips_Num=-4\r\n"), (TipState{1, false}));
    EXPECT_EQ(open("Tips_Num=seven\r\n"), (TipState{1, false}));
}

TEST_F(TipFileTest, ClosingRemembersTheTipAndTheStartupChoice) {
    EXPECT_FALSE(TipsAtStartup(ProfileFile(path()))) << "off by default";
    open("Tips_StartUp=x\r\n");
    EXPECT_TRUE(TipsAtStartup(ProfileFile(path()))) << "only N switches the tips off";
    WriteFile(path(), "[Preference]\r\nGame=12\r\n");
    ProfileFile config(path());
    CloseTips(config, {7, true});
    EXPECT_EQ(ReadFile(path()), "[Preference]\r\nGame=12\r\nTips_Num=7\r\nTips_StartUp=Y\r\n");
    EXPECT_EQ(OpenTips(config), (TipState{8, true}));
    EXPECT_TRUE(TipsAtStartup(config));
    CloseTips(config, {19, false});
    EXPECT_EQ(ReadFile(path()), "[Preference]\r\nGame=12\r\nTips_Num=19\r\nTips_StartUp=N\r\n");
    EXPECT_EQ(OpenTips(config), (TipState{1, false}));
    EXPECT_FALSE(TipsAtStartup(config));
}

}  // namespace
}  // namespace dravicor
