#include "shell/options.h"

#include <gtest/gtest.h>

#include "common/profile_file.h"
#include "common/settings_record.h"
#include "shell/preferences.h"
#include "shell/started_program.h"
#include "support/fake_platform.h"
#include "support/temp_dir.h"

namespace dravicor {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

class OptionsTest : public test::ScratchPreferences {
protected:
    void load(const std::string& text) {
        writeConfig(text);
        ScratchPreferences::load();
    }
    std::filesystem::path configPath() const { return dir / "DATA" / "CFG.DAT"; }
};

TEST_F(OptionsTest, FirstStartReadsTheDefaults) {
    load("");
    EXPECT_EQ(ReadOptions(settings), OptionValues{});
}

TEST_F(OptionsTest, ReadsConfirmationsAndToolbarFromTheFileAndTheRestFromTheRecord) {
    load("[Preference]\r\nConfirmQuit=Y\r\nToolBar_Large=Y\r\nToolBar_Flat=N\r\nShow_ToolTips=N\r\n"
         "Show_Time=N\r\nShow_Score=N\r\nVertScrollBar=Y\r\nWinning_Animation=N\r\nUndo_Enabled=1\r\n");
    // The file says no more confirmations since start-up; the record still
    // holds what start-up read, and the dialog believes the file for these.
    ProfileFile(configPath()).WriteString(kPreferenceSection, "ConfirmQuitGame", "N");
    ProfileFile(configPath()).WriteString(kPreferenceSection, "ConfirmEnterHiScores", "N");
    // And the record for the others.
    settings.put(Field::ShowScore, "Y");

    EXPECT_EQ(ReadOptions(settings),
              (OptionValues{.confirmQuit = true, .confirmQuitGame = false, .confirmEnterHiScores = false,
                            .winningAnimation = false, .vertScrollBar = true, .toolbarLarge = true, .toolbarFlat = false,
                            .showTime = false, .showScore = true, .showToolTips = false, .undo = UndoMode::OneStep}));
}

TEST_F(OptionsTest, UndoModeOfTheRecord) {
    load("");
    for (const auto& [text, mode] : {std::pair{"0", UndoMode::Unlimited}, std::pair{"1", UndoMode::OneStep},
                                     std::pair{"2", UndoMode::Disabled}, std::pair{"7", UndoMode::Unlimited},
                                     std::pair{"", UndoMode::Unlimited}}) {
        settings.put(Field::UndoEnabled, text);
        EXPECT_EQ(ReadOptions(settings).undo, mode) << "'" << text << "'";
    }
}

TEST_F(OptionsTest, WritesExactlyTheThirteenPreferencesAndTheirRecordFields) {
    WriteFile(configPath(),
              "[Preference]\r\nStatusBar=N\r\nToolBar_Visible=Y\r\nShow_Time=Y\r\n[Users]\r\nUser001=Ann\r\n");
    const OptionValues values{.confirmQuit = true, .confirmQuitGame = false, .confirmEnterHiScores = false,
                              .winningAnimation = false, .vertScrollBar = true, .toolbarLarge = true,
                              .toolbarFlat = false, .showTime = false, .showScore = false, .showToolTips = false,
                              .showVerdict = false, .undo = UndoMode::Disabled};
    WriteOptions(settings, values);

    EXPECT_EQ(ReadFile(configPath()),
              "[Preference]\r\nStatusBar=N\r\nToolBar_Visible=Y\r\nShow_Time=N\r\nShow_Score=N\r\n"
              "Language=20000\r\nConfirmQuit=Y\r\nConfirmQuitGame=N\r\nConfirmEnterHiScores=N\r\n"
              "VertScrollBar=Y\r\nUndo_Enabled=2\r\nWinning_Animation=N\r\nToolBar_Large=Y\r\n"
              "ToolBar_Flat=N\r\nShow_ToolTips=N\r\nShow_Verdict=N\r\n[Users]\r\nUser001=Ann\r\n");
    const std::pair<FieldSpec, const char*> fields[] = {
        {Field::ShowTime, "N"},        {Field::ShowScore, "N"},         {Field::LanguageBase, "20000"},
        {Field::ConfirmQuitGame, "N"}, {Field::ConfirmEnterHiScores, "N"}, {Field::VertScrollBar, "Y"},
        {Field::UndoEnabled, "2"},     {Field::WinningAnimation, "N"},  {Field::ShowToolTips, "N"}};
    for (const auto& [field, value] : fields) EXPECT_EQ(settings.get(field), value) << "field at " << field.position;
    // What was written is what the dialog reads next time.
    EXPECT_EQ(ReadOptions(settings), values);
}

TEST_F(OptionsTest, AFileThatCannotBeWrittenLeavesTheRecordAlone) {
    load("");
    const std::string before = settings.get(Field::UndoEnabled);
    std::filesystem::remove(configPath());
    std::filesystem::create_directory(configPath());
    OptionValues values;
    values.undo = UndoMode::Disabled;
    EXPECT_THROW(WriteOptions(settings, values), ProfileWriteError);
    EXPECT_EQ(settings.get(Field::UndoEnabled), before);
}

}  // namespace
}  // namespace dravicor
