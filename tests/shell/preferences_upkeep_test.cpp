// The product-name marker of message texts and the upgrade of preference
// values written by older versions.
#include <gtest/gtest.h>

#include "common/profile_file.h"
#include "common/settings_record.h"
#include "shell/preferences.h"
#include "support/fake_platform.h"
#include "support/temp_dir.h"

namespace dravicor {
namespace {

using test::FakePlatform;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

// Only the first exact marker becomes the product name.
TEST(ProgramName, TheFirstMarkerBecomesTheProductName) {
    const std::pair<const char*, const char*> cases[] = {
        {"About [Program]", "About Dravicor"},
        {"[Program] needs a restart.", "Dravicor needs a restart."},
        {"x[Program]y", "xDravicory"},
        {"[Program] and [Program]", "Dravicor and [Program]"},
        {"[Program][Program]", "Dravicor[Program]"},
        {"", ""},
        {"Quit this game?", "Quit this game?"},
        {"[program] [Program", "[program] [Program"},
        {"Program]", "Program]"},
    };
    for (const auto& [text, shown] : cases) EXPECT_EQ(ApplyProgramName(text), shown) << text;
}

class PreferenceUpgrade : public ::testing::Test {
protected:
    std::filesystem::path path() const { return dir / "CFG.DAT"; }
    void upgrade() {
        ProfileFile file(path());
        UpgradeOldPreferences(file);
    }

    TempDir dir;
};

TEST_F(PreferenceUpgrade, AnSInEitherPreferenceBecomesY) {
    WriteFile(path(),
              "[Preference]\r\nCards_Animate=S\r\nShow_Time=S\r\nConfirmQuit=S\r\nCards_Shadowed=S\r\n"
              "\r\n[Show_Messages]\r\nConfirmQuit=S\r\n");
    upgrade();
    // Only the two preferences change; the same key of another section and
    // other preferences holding "S" stay.
    EXPECT_EQ(ReadFile(path()),
              "[Preference]\r\nCards_Animate=Y\r\nShow_Time=S\r\nConfirmQuit=Y\r\nCards_Shadowed=S\r\n"
              "\r\n[Show_Messages]\r\nConfirmQuit=S\r\n");
}

TEST_F(PreferenceUpgrade, OtherValuesAndMissingKeysStay) {
    upgrade();
    EXPECT_EQ(ReadFile(path()), "<missing>");
    for (const char* text : {"[Preference]\r\nCards_Animate=N\r\nConfirmQuit=s\r\n", "[Preference]\r\nGame=3\r\n"}) {
        WriteFile(path(), text);
        upgrade();
        EXPECT_EQ(ReadFile(path()), text);
    }
    WriteFile(path(), "[Preference]\r\nCards_Animate=Y\r\nConfirmQuit=S\r\n");
    upgrade();
    EXPECT_EQ(ReadFile(path()), "[Preference]\r\nCards_Animate=Y\r\nConfirmQuit=Y\r\n");
}

TEST_F(PreferenceUpgrade, TheUpgradedValueIsWhatStartUpReads) {
    std::filesystem::create_directories(dir / "DATA");
    WriteFile(dir / "DATA" / "CFG.DAT", "[Preference]\r\nUserDefault=Anna\r\nCards_Animate=S\r\n");
    SettingsRecord settings;
    settings.put(Field::ProgramDir, dir.path().string() + "/");
    settings.put(Field::ConfigName, kConfigName);
    ProfileFile config = ConfigFile(settings);
    UpgradeOldPreferences(config);
    FakePlatform fake;
    Platform platform = fake.platform();
    LoadPreferences(settings, platform);
    EXPECT_EQ(settings.get(Field::CardsAnimate), "Y");
    // The shadow follows the animation switch when it has no value of its own.
    EXPECT_EQ(settings.get(Field::CardsShadowed), "Y");
    EXPECT_EQ(settings.get(Field::CurrentPlayer), "Anna");
}

}  // namespace
}  // namespace dravicor
