// The game-number dialog: its list and field, the messages of its checks,
// and a chosen number dealt and put first among the recent numbers.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "common/profile_file.h"
#include "select/game_numbers.h"
#include "shell/preferences.h"
#include "ui/game_number_dialog.h"
#include "dialog_test_support.h"

namespace dravicor::test {
namespace {

std::string Padded(int value) {
    const std::string digits = std::to_string(value);
    return std::string(13 - digits.size(), '0') + digits;
}

class GameNumberDialogTest : public ::testing::Test {
protected:
    GameNumberDialogTest() {
        // Twenty recent numbers, the fifth of them empty.
        std::vector<std::pair<std::string, std::string>> keys;
        for (int i = 1; i <= 20; ++i) keys.emplace_back(RecentGameNumberKey(i), i == 5 ? "" : Padded(100 + i));
        ProfileFile(scratch.dir / "DATA/CFG.DAT").WriteStrings(kGameNumbersSection, keys);
        EXPECT_TRUE(scratch.start());
        EXPECT_TRUE(program().selectGame(0));
        program().settings().put(Field::CurrentGameNumber, Padded(4711));
        EXPECT_TRUE(program().engine().StartGame(true, false, 0, true));
    }
    Program& program() { return scratch.program; }
    QComboBox& numbers() { return *dialog.findChild<QComboBox*>(QStringLiteral("cboNumber")); }
    void pressOk() { QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("btnOK")), Qt::LeftButton); }
    std::vector<std::string> recent() const { return ReadRecentGameNumbers(ConfigFile(scratch.program.settings())); }

    ScratchProgram scratch;
    TfrmSeleziona dialog{scratch.program};
};

TEST_F(GameNumberDialogTest, OffersTheRecentNumbersAndShowsTheCurrentOne) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Select a game number"));
    WhenShown(dialog, [this] {
        // The deal of 4711 came first and the last number went.
        ASSERT_EQ(numbers().count(), 19);
        EXPECT_EQ(numbers().itemText(0).toStdString(), Padded(4711));
        EXPECT_EQ(numbers().itemText(1).toStdString(), Padded(101));
        EXPECT_EQ(numbers().itemText(5).toStdString(), Padded(106)) << "the empty value is left out";
        EXPECT_EQ(numbers().currentText().toStdString(), Padded(4711));
        EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("lblRange"))->text(),
                  QStringLiteral("(from 1 to 9999999999999)"));
        dialog.reject();
    });
    EXPECT_EQ(dialog.run(), std::nullopt);
    EXPECT_EQ(program().game().gameNumber, Padded(4711));
}

TEST_F(GameNumberDialogTest, RefusedTextsKeepTheDialogOpen) {
    WhenShown(dialog, [this] {
        numbers().setEditText(QStringLiteral("12a"));
        pressOk();
        ASSERT_EQ(scratch.fake.messages.size(), 1u);
        EXPECT_EQ(scratch.fake.messages[0].text, "Only numbers required.");
        numbers().setEditText(QStringLiteral("000"));
        pressOk();
        numbers().setEditText(QString());
        pressOk();
        EXPECT_EQ(scratch.fake.messages.size(), 1u) << "zero and nothing pass without a word";
        EXPECT_TRUE(dialog.isVisible());
        // The field takes thirteen digits at most.
        numbers().lineEdit()->clear();
        QTest::keyClicks(numbers().lineEdit(), QStringLiteral("12345678901234"));
        EXPECT_EQ(numbers().currentText(), QStringLiteral("1234567890123"));
        dialog.reject();
    });
    EXPECT_EQ(dialog.run(), std::nullopt);
}

TEST_F(GameNumberDialogTest, AChosenNumberIsDealtAndComesFirst) {
    const auto before = recent();
    ASSERT_EQ(before.size(), 19u);
    WhenShown(dialog, [this] {
        numbers().setEditText(QStringLiteral("7"));
        pressOk();
    });
    EXPECT_EQ(dialog.run(), ChosenDealOutcome::Dealt);
    ASSERT_EQ(scratch.fake.questions.size(), 1u) << "the deal in progress is left";
    EXPECT_EQ(dialog.chosenNumber(), "0000000000007");
    EXPECT_EQ(program().game().gameNumber, "0000000000007");
    EXPECT_TRUE(program().game().inProgress);

    // The new number comes first; how the others move down is the recent numbers' business.
    EXPECT_EQ(recent().front(), "0000000000007");
    EXPECT_EQ(recent()[1], Padded(4711));
}

TEST_F(GameNumberDialogTest, KeepingTheGameInProgressDealsNothing) {
    scratch.fake.answers.push_back(Answer::Cancel);
    WhenShown(dialog, [this] {
        numbers().setEditText(QStringLiteral("42"));
        QTest::keyClick(numbers().lineEdit(), Qt::Key_Return);
    });
    EXPECT_EQ(dialog.run(), ChosenDealOutcome::Kept);
    EXPECT_EQ(program().game().gameNumber, Padded(4711));
    EXPECT_EQ(recent().front(), Padded(4711));
}

}  // namespace
}  // namespace dravicor::test
