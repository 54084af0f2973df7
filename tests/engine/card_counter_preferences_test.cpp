#include "engine/card_counter_preferences.h"

#include <gtest/gtest.h>

#include "common/profile_file.h"
#include "support/temp_dir.h"

namespace dravicor {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

class CardCounterPreferencesTest : public ::testing::Test {
protected:
    TempDir dir;
    std::filesystem::path path = dir / "CFG.DAT";
    ProfileFile config{path};
};

TEST_F(CardCounterPreferencesTest, MissingKeysGiveTheDefaultsAndNoPlace) {
    CardCounterPreferences preferences = LoadCardCounterPreferences(config);
    EXPECT_EQ(preferences, (CardCounterPreferences{{}, false, -1, -1}));
    EXPECT_FALSE(preferences.storedPlace().has_value());
    // A stored 0 or -1 in either direction leaves the place to the system.
    for (const auto& [left, top] : {std::pair{0, 50}, std::pair{50, 0}, std::pair{50, -1}}) {
        preferences.left = left;
        preferences.top = top;
        EXPECT_FALSE(preferences.storedPlace().has_value()) << left << "," << top;
    }
    preferences.left = preferences.top = 1;
    EXPECT_EQ(preferences.storedPlace(), (Point{1, 1}));
}

TEST_F(CardCounterPreferencesTest, ReadsEveryKeyAndStockOnlyWins) {
    WriteFile(path,
              "[Preference]\r\nCardCounter_Stock=N\r\nCardCounter_Tableau=Y\r\nCardCounter_Inverse=Y\r\n"
              "CardCounter_Visible=Y\r\nCardCounter_Left=120\r\nCardCounter_Top=45\r\n");
    EXPECT_EQ(LoadCardCounterPreferences(config),
              (CardCounterPreferences{{.tableauOnly = true, .inverted = true}, true, 120, 45}));

    // Only "Y" switches on; with both "only" keys on, stock only is taken.
    WriteFile(path,
              "[Preference]\r\nCardCounter_Stock=Y\r\nCardCounter_Tableau=Y\r\nCardCounter_Inverse=y\r\n"
              "CardCounter_Visible=1\r\n");
    EXPECT_EQ(LoadCardCounterPreferences(config), (CardCounterPreferences{{.stockOnly = true}, false, -1, -1}));
}

TEST_F(CardCounterPreferencesTest, SavesAllSixAndReadsThemBack) {
    WriteFile(path, "[Preference]\r\nGame=0001\r\nCardCounter_Top=7\r\n");
    CardCounterPreferences preferences;
    preferences.options = {.stockOnly = true, .inverted = true};
    preferences.visible = true;
    preferences.left = 300;
    preferences.top = -1;
    SaveCardCounterPreferences(config, preferences);
    EXPECT_EQ(ReadFile(path),
              "[Preference]\r\nGame=0001\r\nCardCounter_Top=-1\r\nCardCounter_Stock=Y\r\n"
              "CardCounter_Tableau=N\r\nCardCounter_Inverse=Y\r\nCardCounter_Visible=Y\r\n"
              "CardCounter_Left=300\r\n");
    EXPECT_EQ(LoadCardCounterPreferences(config), preferences);
}

}  // namespace
}  // namespace dravicor
