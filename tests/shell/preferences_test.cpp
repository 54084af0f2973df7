#include "shell/preferences.h"

#include <gtest/gtest.h>

#include "common/profile_file.h"
#include "common/settings_record.h"
#include "support/fake_platform.h"
#include "support/temp_dir.h"

namespace dravicor {
namespace {

using test::FakePlatform;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

class PreferencesTest : public ::testing::Test {
protected:
    PreferencesTest() {
        settings.put(Field::ProgramDir, dir.path().string() + "/");
        settings.put(Field::ConfigName, kConfigName);
        std::filesystem::create_directories(dir / "DATA");
    }

    void writeConfig(const std::string& text) { WriteFile(dir / "DATA" / "CFG.DAT", text); }
    std::string config() const { return ReadFile(dir / "DATA" / "CFG.DAT"); }
    void load() {
        Platform p = platform.platform();
        LoadPreferences(settings, p);
    }

    TempDir dir;
    FakePlatform platform;
    SettingsRecord settings;
};

TEST_F(PreferencesTest, FirstStartGivesEveryDefaultAndPlayerOne) {
    load();
    EXPECT_EQ(settings.get(Field::ConfigName), "DATA/CFG.DAT");
    EXPECT_EQ(settings.get(Field::CardBack), "011");
    EXPECT_EQ(settings.get(Field::CardSet), "001");
    EXPECT_EQ(settings.get(Field::BackgroundDefault), "N");
    EXPECT_EQ(settings.get(Field::BackgroundColour), "-2147483633");
    EXPECT_EQ(settings.get(Field::BackgroundPicture), "0");
    EXPECT_EQ(settings.get(Field::BackgroundFixedColour), "32768");
    EXPECT_EQ(settings.get(Field::CurrentGame), "0001");
    EXPECT_EQ(settings.get(Field::CurrentGameName), "FreeCell");
    EXPECT_EQ(settings.get(Field::LanguageBase), "20000");
    EXPECT_EQ(settings.get(Field::SpeedMoveCard), "10");
    EXPECT_EQ(settings.get(Field::StatusBar), "N");
    EXPECT_EQ(settings.get(Field::CurrentPlayer), "Player 1");
    EXPECT_EQ(settings.get(Field::RunWon), "0000");
    EXPECT_EQ(settings.get(Field::RunLost), "0000");
    EXPECT_EQ(settings.get(Field::ScoringSystem), "01");
    EXPECT_EQ(settings.get(Field::CardSize), "B");
    EXPECT_EQ(settings.get(Field::UndoEnabled), "0");
    EXPECT_EQ(settings.get(Field::TableCursor), "11");
    EXPECT_EQ(settings.get(Field::PileToolTips), "N");
    EXPECT_EQ(settings.get(Field::VertScrollBar), "N");
    EXPECT_EQ(settings.get(Field::RandomBackground), "N");
    EXPECT_EQ(settings.get(Field::RandomCard), "N");
    EXPECT_EQ(settings.get(Field::RandomDeck), "N");
    for (const FieldSpec f : {Field::ShowTime, Field::ShowScore, Field::CardsAnimate, Field::CardsShadowed,
                              Field::FadeBackground, Field::WinningAnimation, Field::SoundsEnabled,
                              Field::SoundsFoundation, Field::SoundsUndo, Field::ConfirmQuitGame,
                              Field::ConfirmEnterHiScores, Field::AutomaticFaceUp, Field::DealAnimation,
                              Field::RedealAnimation, Field::ShowToolTips}) {
        EXPECT_EQ(settings.get(f), "Y") << "field at " << f.position;
    }
    EXPECT_EQ(settings.get(Field::CurrentGameNumber), "");
    EXPECT_EQ(config(),
              "[Preference]\r\nUserDefault=Player 1\r\n\r\n[Users]\r\nUser001=Player 1\r\n");
    EXPECT_TRUE(platform.optOutBoxes.empty());
}

TEST_F(PreferencesTest, StoredValuesAreFormattedIntoTheirFields) {
    writeConfig(
        "[preference]\n"
        "Back_Card=7\nCard=2\nGame=53\nGame_Name=Spider\nLanguage=10000\nSpeed_Move_Card=3\n"
        "Background_Col=0x00FF00\nBackground_bmp=101\nUserDefault=  Ann\nCards_Animate=N\n"
        "Sounds_Undo=N\nUndo_Enabled=1\nCursor=13\n");
    load();
    EXPECT_EQ(settings.get(Field::CardBack), "007");
    EXPECT_EQ(settings.get(Field::CardSet), "002");
    EXPECT_EQ(settings.get(Field::CurrentGame), "0053");
    EXPECT_EQ(settings.get(Field::CurrentGameName), "Spider");
    EXPECT_EQ(settings.get(Field::LanguageBase), "10000");
    EXPECT_EQ(settings.get(Field::SpeedMoveCard), "3");
    EXPECT_EQ(settings.get(Field::BackgroundColour), "65280");
    EXPECT_EQ(settings.get(Field::BackgroundPicture), "101");
    EXPECT_EQ(settings.get(Field::CurrentPlayer), "Ann");
    // Shadows follow the animation switch unless set themselves.
    EXPECT_EQ(settings.get(Field::CardsAnimate), "N");
    EXPECT_EQ(settings.get(Field::CardsShadowed), "N");
    EXPECT_EQ(settings.get(Field::SoundsUndo), "N");
    EXPECT_EQ(settings.get(Field::UndoEnabled), "1");
    EXPECT_EQ(settings.get(Field::TableCursor), "13");
    // A player was named, so nothing is written.
    EXPECT_EQ(config().find("User001"), std::string::npos);
}

TEST_F(PreferencesTest, MediumCardsForceTheirBackAndZeroValuesAreMended) {
    writeConfig("[Preference]\r\nCard_Size=M\r\nBack_Card=9\r\nBackground_Col=0\r\nUserDefault=Bob\r\n");
    load();
    EXPECT_EQ(settings.get(Field::CardSize), "M");
    EXPECT_EQ(settings.get(Field::CardBack), "006");
    EXPECT_EQ(settings.get(Field::BackgroundColour), "-2147483633");

    writeConfig("[Preference]\r\nBack_Card=0\r\nUserDefault=Bob\r\n");
    load();
    EXPECT_EQ(settings.get(Field::CardBack), "001");
}

TEST_F(PreferencesTest, UnreadableValuesFallBackToDefaults) {
    writeConfig(
        "[Preference]\r\nBack_Card=eleven\r\nGame=123456\r\nSpeed_Move_Card=1000\r\nLanguage=1234567\r\n"
        "Cursor=x\r\nUserDefault=Bob\r\n");
    load();
    EXPECT_EQ(settings.get(Field::CardBack), "011");
    EXPECT_EQ(settings.get(Field::CurrentGame), "0001");
    EXPECT_EQ(settings.get(Field::SpeedMoveCard), "10");
    EXPECT_EQ(settings.get(Field::LanguageBase), "20000");
    EXPECT_EQ(settings.get(Field::TableCursor), "11");
}

TEST_F(PreferencesTest, LowColourDisplayWarnsUntilTheBoxIsTicked) {
    platform.screenInfo.colourDepth = 8;
    load();
    ASSERT_EQ(platform.optOutBoxes.size(), 1u);
    EXPECT_TRUE(platform.optOutBoxes[0].starts_with("At this time your display driver supports 256 colors or less."));
    EXPECT_EQ(settings.get(Field::CardSet), "003");

    platform.optOutTicks = {true};
    load();
    EXPECT_EQ(platform.optOutBoxes.size(), 2u);
    EXPECT_EQ(ProfileFile(dir / "DATA" / "CFG.DAT").ReadString("Show_Messages", "Screen_Under_256_Colors", ""), "N");

    load();
    EXPECT_EQ(platform.optOutBoxes.size(), 2u) << "shown again after the box was ticked";
}

TEST_F(PreferencesTest, UnwritableConfigurationStillLeavesPlayerOneInTheRecord) {
    std::filesystem::remove_all(dir / "DATA");
    WriteFile(dir / "DATA", "a file where the folder should be");
    EXPECT_THROW(load(), ProfileWriteError);
    EXPECT_EQ(settings.get(Field::CurrentPlayer), "Player 1");
    EXPECT_EQ(settings.get(Field::CardBack), "011");
}

}  // namespace
}  // namespace dravicor
