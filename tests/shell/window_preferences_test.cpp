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

// The defaults are small, flat and shown; only the other value changes a flag.
TEST_F(WindowPreferencesTest, OnlyTheOtherValueChangesAToolbarFlag) {
    const auto expect = [this](bool large, bool flat, bool visible) {
        const ToolbarPreferences toolbar = ReadToolbarPreferences(config);
        EXPECT_EQ(toolbar.large, large);
        EXPECT_EQ(toolbar.flat, flat);
        EXPECT_EQ(toolbar.visible, visible);
    };
    expect(false, true, true);
    set("ToolBar_Large", "Y");
    set("ToolBar_Flat", "N");
    set("ToolBar_Visible", "N");
    expect(true, false, false);
    set("ToolBar_Large", "y");
    set("ToolBar_Flat", "");
    set("ToolBar_Visible", "0");
    expect(false, true, true);
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
