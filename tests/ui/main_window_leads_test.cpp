// Commands of the main window that lead out of the table: saving, the
// hi-score table after a deal, the tip of the day at start-up and the
// toolbar's tool tips.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QHelpEvent>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>

#include "common/profile_file.h"
#include "shell/preferences.h"
#include "shell/program.h"
#include "stats/hi_scores.h"
#include "support/fake_platform.h"
#include "support/temp_dir.h"
#include "ui/main_window.h"

namespace dravicor::test {
namespace {

class MainWindowLeads : public ::testing::Test {
protected:
    MainWindowLeads() { EXPECT_TRUE(program.initialise()); }
    ~MainWindowLeads() override {
        fake.answers.push_back(Answer::Ok);
        window.close();
    }

    void setPreference(std::string_view key, std::string_view value) {
        ProfileFile(dir / "DATA/CFG.DAT").WriteString(kPreferenceSection, key, value);
    }
    void deal() {
        ASSERT_TRUE(program.engine().StartGame(true, false, 2, true));
        window.refresh();
    }
    // The next window that opens over the main window: its title, after it
    // has been closed.
    QString closeNextDialog(int withinMs = 3000) {
        QString title;
        QTimer poll;
        poll.setInterval(20);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                title = dialog->windowTitle();
                dialog->reject();
            }
        });
        poll.start();
        (void)QTest::qWaitFor([&] { return !title.isEmpty(); }, withinMs);
        return title;
    }

    ScratchProgramDir dir;
    TempDir saves;
    FakePlatform fake;
    Platform platform = fake.platform();
    Program program{dir.path(), platform};
    TfrmMain window{program};
};

TEST_F(MainWindowLeads, SaveWritesTheGameInProgressWhereThePlayerSays) {
    ASSERT_TRUE(program.selectGame(1));
    deal();
    ASSERT_TRUE(window.action("mnuSave").isEnabled());
    fake.chosenFiles.push_back((saves / "freecell").string());
    window.action("mnuSave").trigger();
    ASSERT_EQ(fake.fileDialogs.size(), 1u);
    EXPECT_EQ(fake.fileDialogs[0].title, "Save game");
    EXPECT_EQ(ReadFile(saves / "freecell.gam"), SavedGameBytes(program.engine(), program.settings()));
}

TEST_F(MainWindowLeads, ADealThatTakesAPlaceShowsItsHiScoreTable) {
    ASSERT_TRUE(program.selectGame(1));
    // A cleared table stays empty, so the next deal ended takes the first place.
    ASSERT_TRUE(ClearHiScores(program.dataFiles(), fake));
    setPreference("ConfirmEnterHiScores", "Y");
    program.settings().put(Field::ConfirmEnterHiScores, "Y");
    window.show();
    deal();

    window.action("mnuNew").trigger();  // ends the deal, which is recorded
    EXPECT_EQ(closeNextDialog(), QStringLiteral("Compliments! You entered the FreeCell Hi-Scores!"));
    // Shown once: the next refresh brings nothing more.
    window.refresh();
    EXPECT_EQ(closeNextDialog(300), QString());

    // The player who does not want to see it is not shown it.
    program.settings().put(Field::ConfirmEnterHiScores, "N");
    window.action("mnuNew").trigger();
    EXPECT_EQ(closeNextDialog(300), QString());
}

TEST_F(MainWindowLeads, TheTipOfTheDayOpensAtStartUpWhenThePlayerWantsIt) {
    setPreference("Tips_StartUp", "Y");
    bool done = false;
    QObject::connect(&window, &TfrmMain::firstActivationDone, [&done] { done = true; });
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(closeNextDialog(), QStringLiteral("Tip of the Day"));
    ASSERT_TRUE(QTest::qWaitFor([&done] { return done; }, 5000));
    EXPECT_TRUE(program.game().inProgress) << "the first deal follows the tip";
}

TEST_F(MainWindowLeads, WithoutTheWishTheFirstActivationShowsNoTip) {
    bool done = false;
    QObject::connect(&window, &TfrmMain::firstActivationDone, [&done] { done = true; });
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    ASSERT_TRUE(QTest::qWaitFor([&done] { return done; }, 5000));
    EXPECT_EQ(closeNextDialog(200), QString());
}

TEST_F(MainWindowLeads, ToolbarToolTipsFollowTheirPreference) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QToolButton* newButton = nullptr;
    for (auto* button : window.findChildren<QToolButton*>()) {
        if (button->defaultAction() == &window.action("mnuNew") && button->isVisible()) newButton = button;
    }
    ASSERT_NE(newButton, nullptr);
    const auto askForTip = [&newButton] {
        QToolTip::hideText();
        QHelpEvent help(QEvent::ToolTip, QPoint(4, 4), newButton->mapToGlobal(QPoint(4, 4)));
        QApplication::sendEvent(newButton, &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    EXPECT_EQ(askForTip(), QStringLiteral("New"));

    program.settings().put(Field::ShowToolTips, "N");
    TfrmMain quiet(program);
    quiet.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&quiet));
    for (auto* button : quiet.findChildren<QToolButton*>()) {
        if (button->defaultAction() == &quiet.action("mnuNew") && button->isVisible()) newButton = button;
    }
    EXPECT_EQ(askForTip(), QString());
    quiet.ShowToolTips(true);
    EXPECT_EQ(askForTip(), QStringLiteral("New"));
    QToolTip::hideText();
    fake.answers.push_back(Answer::Ok);
    quiet.close();
}

}  // namespace
}  // namespace dravicor::test
