#include "shell/preferences.h"

#include <gtest/gtest.h>

#include "common/profile_file.h"
#include "common/settings_record.h"
#include "shell/started_program.h"
#include "shell/window_preferences.h"
#include "support/temp_dir.h"

namespace dravicor {
namespace {

using test::FakePlatform;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

class PreferencesTest : public test::ScratchPreferences {};

TEST_F(PreferencesTest, FirstStartGivesEveryDefaultAndPlayerOne) {
    load();
    const std::pair<FieldSpec, const char*> defaults[] = {
        {Field::ConfigName, "DATA/CFG.DAT"}, {Field::CardBack, "011"},          {Field::CardSet, "001"},
        {Field::BackgroundDefault, "N"},     {Field::BackgroundColour, "-2147483633"},
        {Field::BackgroundPicture, "0"},     {Field::BackgroundFixedColour, "32768"},
        {Field::CurrentGame, "0001"},        {Field::CurrentGameName, "FreeCell"}, {Field::LanguageBase, "20000"},
        {Field::SpeedMoveCard, "10"},        {Field::StatusBar, "N"},          {Field::CurrentPlayer, "Player 1"},
        {Field::RunWon, "0000"},             {Field::RunLost, "0000"},         {Field::ScoringSystem, "01"},
        {Field::CardSize, "B"},              {Field::UndoEnabled, "0"},        {Field::TableCursor, "11"},
        {Field::PileToolTips, "N"},          {Field::VertScrollBar, "N"},      {Field::RandomBackground, "N"},
        {Field::RandomCard, "N"},            {Field::RandomDeck, "N"},         {Field::CurrentGameNumber, ""},
    };
    for (const auto& [field, value] : defaults) EXPECT_EQ(settings.get(field), value) << "field at " << field.position;
    for (const FieldSpec f : {Field::ShowTime, Field::ShowScore, Field::CardsAnimate, Field::CardsShadowed,
                              Field::FadeBackground, Field::WinningAnimation, Field::SoundsEnabled,
                              Field::SoundsFoundation, Field::SoundsUndo, Field::ConfirmQuitGame,
                              Field::ConfirmEnterHiScores, Field::AutomaticFaceUp, Field::DealAnimation,
                              Field::RedealAnimation, Field::ShowToolTips}) {
        EXPECT_EQ(settings.get(f), "Y") << "field at " << f.position;
    }
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
    // Shadows follow the animation switch unless set themselves.
    const std::pair<FieldSpec, const char*> stored[] = {
        {Field::CardBack, "007"},       {Field::CardSet, "002"},          {Field::CurrentGame, "0053"},
        {Field::CurrentGameName, "Spider"}, {Field::LanguageBase, "10000"}, {Field::SpeedMoveCard, "3"},
        {Field::BackgroundColour, "65280"}, {Field::BackgroundPicture, "101"}, {Field::CurrentPlayer, "Ann"},
        {Field::CardsAnimate, "N"},     {Field::CardsShadowed, "N"},      {Field::SoundsUndo, "N"},
        {Field::UndoEnabled, "1"},      {Field::TableCursor, "13"},
    };
    for (const auto& [field, value] : stored) EXPECT_EQ(settings.get(field), value) << "field at " << field.position;
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
    const std::pair<FieldSpec, const char*> defaults[] = {{Field::CardBack, "011"},      {Field::CurrentGame, "0001"},
                                                          {Field::SpeedMoveCard, "10"},  {Field::LanguageBase, "20000"},
                                                          {Field::TableCursor, "11"}};
    for (const auto& [field, value] : defaults) EXPECT_EQ(settings.get(field), value) << "field at " << field.position;
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

// The product-name marker of message texts: only the first exact marker
// becomes the product name.
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

TEST_F(PreferenceUpgrade, AnSInEitherPreferenceBecomesYAndNothingElseChanges) {
    upgrade();
    EXPECT_EQ(ReadFile(path()), "<missing>") << "no file is made";
    WriteFile(path(),
              "[Preference]\r\nCards_Animate=S\r\nShow_Time=S\r\nConfirmQuit=S\r\nCards_Shadowed=S\r\n"
              "\r\n[Show_Messages]\r\nConfirmQuit=S\r\n");
    upgrade();
    // Only the two preferences change; the same key of another section and
    // other preferences holding "S" stay.
    EXPECT_EQ(ReadFile(path()),
              "[Preference]\r\nCards_Animate=Y\r\nShow_Time=S\r\nConfirmQuit=Y\r\nCards_Shadowed=S\r\n"
              "\r\n[Show_Messages]\r\nConfirmQuit=S\r\n");
    // Other values and missing keys stay.
    for (const char* text : {"[Preference]\r\nCards_Animate=N\r\nConfirmQuit=s\r\n", "[Preference]\r\nGame=3\r\n"}) {
        WriteFile(path(), text);
        upgrade();
        EXPECT_EQ(ReadFile(path()), text);
    }
    WriteFile(path(), "[Preference]\r\nCards_Animate=Y\r\nConfirmQuit=S\r\n");
    upgrade();
    EXPECT_EQ(ReadFile(path()), "[Preference]\r\nCards_Animate=Y\r\nConfirmQuit=Y\r\n");
}

TEST_F(PreferencesTest, TheUpgradedValueIsWhatStartUpReads) {
    writeConfig("[Preference]\r\nUserDefault=Anna\r\nCards_Animate=S\r\n");
    ProfileFile file = ConfigFile(settings);
    UpgradeOldPreferences(file);
    load();
    EXPECT_EQ(settings.get(Field::CardsAnimate), "Y");
    // The shadow follows the animation switch when it has no value of its own.
    EXPECT_EQ(settings.get(Field::CardsShadowed), "Y");
    EXPECT_EQ(settings.get(Field::CurrentPlayer), "Anna");
}

// The main window's own preferences: the toolbar flags and the size kept
// between runs.
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

TEST_F(WindowPreferencesTest, TheSizeIsWrittenAndReadBackWhenAWindowCanHaveIt) {
    EXPECT_EQ(ReadWindowSize(config), std::nullopt) << "never saved";
    WriteWindowSize(config, {1024, 700});
    EXPECT_EQ(ReadFile(dir / "CFG.DAT"), "[Preference]\r\nWindow_Width=1024\r\nWindow_Height=700\r\n");
    EXPECT_EQ(ReadWindowSize(config), (WindowSize{1024, 700}));
    // A size no window can have is not restored.
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
}  // namespace dravicor
