// The customize dialog's controls against the settings record and the
// preferences: the scales and lists each way, Apply and its undoing, and
// what OK writes.
#include "shell/customize_choices.h"

#include <set>

#include <gtest/gtest.h>

#include "common/profile_file.h"
#include "shell/high_contrast.h"
#include "shell/preferences.h"
#include "shell/started_program.h"
#include "support/fake_platform.h"
#include "support/temp_dir.h"

namespace dravicor {
namespace {

using test::FakePlatform;
using test::ReadFile;
using test::TempDir;

TEST(CustomizeScalesTest, SpeedBarAndSpeedMapEachWay) {
    const std::pair<int, int> pairs[] = {{1, 50}, {2, 25}, {3, 10}, {4, 3}, {5, 0}};
    for (const auto& [position, speed] : pairs) {
        EXPECT_EQ(SpeedMoveCardOf(position), speed) << position;
        EXPECT_EQ(SpeedBarPosition(speed), position) << speed;
    }
    // Edited files and stray positions still give a position and a speed.
    EXPECT_EQ(SpeedBarPosition(999), 1);
    EXPECT_EQ(SpeedBarPosition(30), 2);
    EXPECT_EQ(SpeedBarPosition(-4), 5);
    EXPECT_EQ(SpeedMoveCardOf(0), 50);
    EXPECT_EQ(SpeedMoveCardOf(9), 0);
}

TEST(CustomizeScalesTest, CursorCodesTenToFourteenElseEleven) {
    for (int code = 10; code <= 14; ++code) {
        EXPECT_EQ(CursorRowOf(code), code - 10);
        EXPECT_EQ(CursorCodeOfRow(code - 10), code);
    }
    EXPECT_EQ(CursorRowOf(0), 1);
    EXPECT_EQ(CursorRowOf(20), 1);
    EXPECT_EQ(CursorCodeOfRow(7), 14);
}

TEST(CustomizeBackgroundTest, KeysGiveTheFourBackgroundSettings) {
    const std::int64_t custom = 255;
    EXPECT_EQ(BackgroundSettingsOf(0, custom), (BackgroundSettings{"0", true, custom, 0}));
    EXPECT_EQ(BackgroundSettingsOf(1, custom), (BackgroundSettings{"0", false, custom, 0}));
    EXPECT_EQ(BackgroundSettingsOf(2, custom), (BackgroundSettings{"2", false, custom, 0}));
    EXPECT_EQ(BackgroundSettingsOf(1000, custom), (BackgroundSettings{"1000", false, custom, 0}));
    EXPECT_EQ(BackgroundSettingsOf(1001, custom), (BackgroundSettings{"0", false, custom, 1001}));
    EXPECT_EQ(BackgroundSettingsOf(8421376, custom), (BackgroundSettings{"0", false, custom, 8421376}));
}

TEST(CustomizeBackgroundTest, TheRecordSelectsDefaultThenFixedThenPicture) {
    SettingsRecord settings;
    settings.put(Field::BackgroundDefault, "Y");
    settings.put(Field::BackgroundFixedColour, "32896");
    settings.put(Field::BackgroundPicture, "258");
    EXPECT_EQ(BackgroundKeyOf(settings), kCustomColourKey);
    settings.put(Field::BackgroundDefault, "N");
    EXPECT_EQ(BackgroundKeyOf(settings), 32896);
    settings.put(Field::BackgroundFixedColour, "0");
    EXPECT_EQ(BackgroundKeyOf(settings), 258);
    settings.put(Field::BackgroundPicture, "0");
    EXPECT_EQ(BackgroundKeyOf(settings), kCustomColourKey);
}

TEST(CustomizeCatalogueTest, EveryKeyIsUniqueAndNamed) {
    std::set<long long> keys;
    for (const BackgroundEntry& entry : BackgroundChoices()) {
        EXPECT_TRUE(keys.insert(entry.key).second) << entry.key;
        EXPECT_EQ(BackgroundNameOf(entry.key), entry.name);
    }
    // The five low-colour pictures, 68 others, the custom and six fixed colours.
    EXPECT_EQ(keys.size(), 5u + 68u + 7u);
    EXPECT_EQ(BackgroundNameOf(8421376), "Teal");
    EXPECT_EQ(BackgroundNameOf(324), "Meadow");
    std::set<int> backs;
    for (const CardBackEntry& back : CardBackChoices()) backs.insert(back.number);
    EXPECT_EQ(backs, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14,
                                    15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27}));
}

class CustomizeRecordTest : public test::ScratchPreferences {
protected:
    CustomizeRecordTest() { load(); }
    void save(const CustomizeChoices& choices) {
        ProfileFile config = ConfigFile(settings);
        SaveCustomizeChoices(settings, config, choices);
    }
};

TEST_F(CustomizeRecordTest, DefaultsShowAsTheDialogExpects) {
    const CustomizeChoices choices = ReadCustomizeChoices(settings);
    EXPECT_EQ(choices.faceCode, "001B");
    EXPECT_EQ(choices.back, 11);
    EXPECT_EQ(choices.speedPosition, 3);
    EXPECT_EQ(choices.cursorCode, 11);
    EXPECT_EQ(choices.customColour, kButtonFaceColour);
    EXPECT_FALSE(choices.allSoundsOff);
    for (bool on : choices.sounds) EXPECT_TRUE(on);
    settings.put(Field::TableCursor, "0");
    EXPECT_EQ(ReadCustomizeChoices(settings).cursorCode, 11) << "a stored cursor of zero chooses eleven";
}

TEST_F(CustomizeRecordTest, ApplyThenRestoreLeavesRecordAndFileAsTheyWere) {
    const std::string fileBefore = ReadFile(dir / "DATA" / "CFG.DAT");
    const SettingsRecord before = settings;
    const AppearanceOnEntry onEntry(settings);
    CustomizeChoices choices = ReadCustomizeChoices(settings);
    choices.backgroundKey = 311;
    choices.faceCode = "003M";
    choices.irregularPiles = true;
    choices.highContrast = true;
    ApplyAppearance(settings, choices);
    EXPECT_EQ(settings.get(Field::BackgroundPicture), "311");
    EXPECT_TRUE(HighContrastTable(settings));
    EXPECT_EQ(settings.get(Field::CardBack), "006") << "small cards take their own back";
    EXPECT_EQ(settings.get(Field::CardSize), "M");
    onEntry.restore(settings);
    for (const FieldEntry& entry : AllSettingsFields())
        EXPECT_EQ(settings.get(entry.field), before.get(entry.field)) << entry.field.position;
    EXPECT_EQ(ReadFile(dir / "DATA" / "CFG.DAT"), fileBefore);
}

TEST_F(CustomizeRecordTest, TealFastAndNoUndoSoundAreWritten) {
    CustomizeChoices choices = ReadCustomizeChoices(settings);
    choices.backgroundKey = 8421376;
    choices.speedPosition = kFastestSpeedPosition;
    choices.sounds[17] = false;  // Undo, the list's last
    choices.back = 24;
    save(choices);
    const std::pair<const char*, const char*> written[] = {
        {"Background_Fixed_Col", "8421376"}, {"Background_bmp", "0"}, {"Background_Def", "N"}, {"Speed_Move_Card", "0"},
        {"Sounds_Undo", "N"},                {"Sounds_Splash", "Y"},  {"Sounds_Redo", "Y"},    {"Back_Card", "24"}};
    for (const auto& [key, value] : written) EXPECT_EQ(preference(key), value) << key;
    EXPECT_EQ(settings.get(Field::CardBack), "024");
    EXPECT_EQ(settings.get(Field::SpeedMoveCard), "0");
}

TEST_F(CustomizeRecordTest, SavedChoicesComeBackAtTheNextStart) {
    CustomizeChoices choices = ReadCustomizeChoices(settings);
    choices.faceCode = "007B";
    choices.back = 19;
    choices.backgroundKey = 1;
    choices.customColour = 0x123456;
    choices.fade = false;
    choices.randomBackground = choices.randomCards = choices.randomDecks = true;
    choices.highContrast = true;
    choices.shadowed = false;
    choices.animated = false;
    choices.irregularPiles = true;
    choices.automaticFaceUp = false;
    choices.dealAnimation = false;
    choices.redealAnimation = false;
    choices.speedPosition = 1;
    choices.allSoundsOff = true;
    for (size_t i = 0; i < choices.sounds.size(); i += 3) choices.sounds[i] = false;
    choices.cursorCode = 13;
    save(choices);
    EXPECT_EQ(preference("Card"), "007");
    EXPECT_EQ(preference("Table_HighContrast"), "Y");

    SettingsRecord reloaded;
    reloaded.put(Field::ProgramDir, settings.get(Field::ProgramDir));
    reloaded.put(Field::ConfigName, kConfigName);
    Platform p = platform.platform();
    LoadPreferences(reloaded, p);
    EXPECT_EQ(ReadCustomizeChoices(reloaded), choices);
    EXPECT_EQ(ReadCustomizeChoices(settings), choices);
}

TEST(CustomizeQuestionTest, OnlyAChangeToSmallCardsAsks) {
    EXPECT_TRUE(AsksSmallCardQuestion("003M", "B"));
    EXPECT_FALSE(AsksSmallCardQuestion("003M", "M"));
    EXPECT_FALSE(AsksSmallCardQuestion("003B", "B"));
}

}  // namespace
}  // namespace dravicor
