// The Options dialog: what it opens with, Cancel writing nothing, OK writing
// every preference, and the clearing buttons.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

#include "common/profile_file.h"
#include "engine/keyboard_play.h"
#include "shell/preferences.h"
#include "ui/options_dialog.h"
#include "dialog_test_support.h"

namespace dravicor::test {
namespace {

constexpr const char* kCheckBoxes[] = {"chkConfirmQuit",  "chkConfirmQuitGame", "chkConfirmEnterHiScores",
                                       "chkWinningAnimation", "chkVertScrollBar", "chkToolbarLarge",
                                       "chkToolbarFlat",  "chkShowTime",        "chkShowScore",
                                       "chkShowToolTips", "chkShowVerdict",     "chkWinnableDeals"};

class OptionsDialogTest : public ::testing::Test {
protected:
    OptionsDialogTest() {
        WriteFile(configPath(), "[Preference]\r\nConfirmQuit=Y\r\nShow_Time=N\r\nUndo_Enabled=1\r\n"
                                "ToolBar_Visible=N\r\nStatusBar=Y\r\n");
        EXPECT_TRUE(scratch.start());
        dialog = std::make_unique<TfrmOptions>(scratch.program);
    }
    std::filesystem::path configPath() const { return scratch.dir / "DATA/CFG.DAT"; }
    QCheckBox& check(const char* name) { return *dialog->findChild<QCheckBox*>(QString::fromLatin1(name)); }
    QRadioButton& radio(const char* name) { return *dialog->findChild<QRadioButton*>(QString::fromLatin1(name)); }
    QPushButton& button(const char* name) { return *dialog->findChild<QPushButton*>(QString::fromLatin1(name)); }

    ScratchProgram scratch;
    std::unique_ptr<TfrmOptions> dialog;
};

TEST_F(OptionsDialogTest, CancelAfterChangingEverythingWritesNothing) {
    const std::string before = ReadFile(configPath());
    const std::string record = scratch.program.settings().get(Field::UndoEnabled) +
                               scratch.program.settings().get(Field::ShowTime);
    WhenShown(*dialog, [this] {
        for (const char* name : kCheckBoxes) check(name).click();
        radio("rbtDisable").click();
        button("btnCancel").click();
    });
    EXPECT_EQ(dialog->run(), std::nullopt);
    EXPECT_EQ(ReadFile(configPath()), before);
    EXPECT_EQ(scratch.program.settings().get(Field::UndoEnabled) + scratch.program.settings().get(Field::ShowTime),
              record);
}

TEST_F(OptionsDialogTest, OkWritesEveryPreferenceOfTheDialogAndNoOther) {
    // Every box clicked once: what is written is the opposite of what the dialog opened with.
    WhenShown(*dialog, [this] {
        EXPECT_TRUE(radio("rbtOneStep").isChecked());
        for (const char* name : kCheckBoxes) check(name).click();
        radio("rbtDisable").click();
        QTest::mouseClick(&button("btnOK"), Qt::LeftButton);
    });
    const auto values = dialog->run();
    ASSERT_TRUE(values.has_value());
    EXPECT_EQ(values->undo, UndoMode::Disabled);
    EXPECT_FALSE(values->confirmQuit);
    EXPECT_TRUE(values->showTime);

    const std::vector<std::pair<const char*, const char*>> expected = {
        {"ConfirmQuit", "N"},      {"ConfirmQuitGame", "N"},   {"ConfirmEnterHiScores", "N"},
        {"Winning_Animation", "N"}, {"VertScrollBar", "Y"},     {"ToolBar_Large", "Y"},
        {"ToolBar_Flat", "N"},     {"Show_Time", "Y"},         {"Show_Score", "N"},
        {"Show_ToolTips", "N"},    {"Undo_Enabled", "2"},      {"Language", "20000"},
        {"Show_Verdict", "N"},     {"Winnable_Deals", "1"}};
    ASSERT_EQ(scratch.program.game().gameCode, 1) << "the winnable deals are the current game's, FreeCell's";
    for (const auto& [key, value] : expected) EXPECT_EQ(scratch.preference(key), value) << key;
    EXPECT_EQ(ProfileFile(configPath()).ReadKeys(kPreferenceSection).size(), expected.size() + 3)
        << "besides the dialog's fourteen only UserDefault, ToolBar_Visible and StatusBar";
    EXPECT_EQ(scratch.preference("ToolBar_Visible"), "N");
    EXPECT_EQ(scratch.preference("StatusBar"), "Y");
    EXPECT_EQ(scratch.program.settings().get(Field::UndoEnabled), "2");
    EXPECT_EQ(scratch.program.settings().get(Field::ShowTime), "Y");
    EXPECT_EQ(scratch.program.settings().get(Field::ShowToolTips), "N");
}

TEST_F(OptionsDialogTest, ClearingButtons) {
    scratch.fake.answers = {Answer::No, Answer::Yes};
    int clearStatistics = 0;
    WhenShown(*dialog, [&] {
        EXPECT_FALSE(button("btnClearStatistics").isEnabled()) << "nothing to open yet";
        dialog->setClearStatistics([&] { ++clearStatistics; });
        button("btnClearStatistics").click();
        button("btnClearHiScores").click();  // No
        EXPECT_TRUE(scratch.fake.messages.empty());
        button("btnClearHiScores").click();  // Yes
        ASSERT_EQ(scratch.fake.messages.size(), 1u);
        EXPECT_EQ(scratch.fake.messages[0].text, "Hi-Scores cleared.");
        dialog->reject();
    });
    dialog->run();
    EXPECT_EQ(clearStatistics, 1);
    EXPECT_EQ(scratch.fake.questions.size(), 2u);
}

TEST_F(OptionsDialogTest, TheKeysPageListsTheKeysOfTheTable) {
    const auto* grid = dialog->findChild<QTableWidget*>(QStringLiteral("grdKeys"));
    ASSERT_NE(grid, nullptr);
    const auto lines = KeyHelp();
    ASSERT_EQ(grid->rowCount(), static_cast<int>(lines.size()));
    for (int row = 0; row < grid->rowCount(); ++row) {
        EXPECT_EQ(grid->item(row, 0)->text().toStdString(), lines[static_cast<size_t>(row)].keys);
        EXPECT_EQ(grid->item(row, 1)->text().toStdString(), lines[static_cast<size_t>(row)].action);
    }
}

}  // namespace
}  // namespace dravicor::test
