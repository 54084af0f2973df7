// The main window's own preferences: the toolbar flags and the size kept
// between runs.
#include "shell/window_preferences.h"

#include <gtest/gtest.h>

#include "common/profile_file.h"
#include "shell/preferences.h"
#include "support/temp_dir.h"

namespace dravicor::test {
namespace {

class WindowPreferencesTest : public ::testing::Test {
protected:
    void set(std::string_view key, std::string_view value) { config.WriteString(kPreferenceSection, key, value); }

    TempDir dir;
    ProfileFile config{dir / "CFG.DAT"};
};

TEST_F(WindowPreferencesTest, ToolbarDefaultsAreSmallFlatAndShown) {
    const ToolbarPreferences toolbar = ReadToolbarPreferences(config);
    EXPECT_FALSE(toolbar.large);
    EXPECT_TRUE(toolbar.flat);
    EXPECT_TRUE(toolbar.visible);
}

TEST_F(WindowPreferencesTest, OnlyTheOtherValueChangesAToolbarFlag) {
    set("ToolBar_Large", "Y");
    set("ToolBar_Flat", "N");
    set("ToolBar_Visible", "N");
    ToolbarPreferences toolbar = ReadToolbarPreferences(config);
    EXPECT_TRUE(toolbar.large);
    EXPECT_FALSE(toolbar.flat);
    EXPECT_FALSE(toolbar.visible);

    set("ToolBar_Large", "y");
    set("ToolBar_Flat", "");
    set("ToolBar_Visible", "0");
    toolbar = ReadToolbarPreferences(config);
    EXPECT_FALSE(toolbar.large);
    EXPECT_TRUE(toolbar.flat);
    EXPECT_TRUE(toolbar.visible);
}

TEST_F(WindowPreferencesTest, TheSizeIsWrittenAndReadBack) {
    EXPECT_EQ(ReadWindowSize(config), std::nullopt) << "never saved";
    WriteWindowSize(config, {1024, 700});
    EXPECT_EQ(ReadFile(dir / "CFG.DAT"), "[Preference]\r\nWindow_Width=1024\r\nWindow_Height=700\r\n");
    EXPECT_EQ(ReadWindowSize(config), (WindowSize{1024, 700}));
}

TEST_F(WindowPreferencesTest, ASizeNoWindowCanHaveIsNotRestored) {
    const std::pair<const char*, const char*> unusable[] = {
        {"319", "600"}, {"800", "239"}, {"16385", "600"}, {"800", "-600"}, {"wide", "600"}, {"800", ""}};
    for (const auto& [width, height] : unusable) {
        set("Window_Width", width);
        set("Window_Height", height);
        EXPECT_EQ(ReadWindowSize(config), std::nullopt) << width << " x " << height;
    }
    set("Window_Width", "320");
    set("Window_Height", "240");
    EXPECT_EQ(ReadWindowSize(config), (WindowSize{320, 240})) << "the smallest";
}

}  // namespace
}  // namespace dravicor::test
