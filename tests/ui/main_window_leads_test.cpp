// Commands of the main window that lead out of the table: saving, the
// hi-score table after a deal, the tip of the day at start-up and the
// toolbar's tool tips; the card counter beside the table.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QHelpEvent>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>

#include "dialog_test_support.h"
#include "stats/hi_scores.h"
#include "first_activation.h"
#include "ui/card_counter_window.h"
#include "ui/main_window.h"
#include "ui/resource_library.h"

namespace dravicor::test {
namespace {

class MainWindowLeads : public ::testing::Test, protected ScratchProgram {
protected:
    MainWindowLeads() { EXPECT_TRUE(program.initialise()); }
    ~MainWindowLeads() override {
        fake.answers.push_back(Answer::Ok);
        window.close();
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

    TempDir saves;
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
    ASSERT_TRUE(ActivateForTheFirstTime(window));
    EXPECT_EQ(closeNextDialog(200), QString());
}

TEST_F(MainWindowLeads, ToolbarToolTipsFollowTheirPreference) {
    // The tool tip the shown New button of the window gives.
    const auto askForTip = [](TfrmMain& shown) {
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&shown));
        QToolButton* newButton = nullptr;
        for (auto* button : shown.findChildren<QToolButton*>()) {
            if (button->defaultAction() == &shown.action("mnuNew") && button->isVisible()) newButton = button;
        }
        if (newButton == nullptr) return QStringLiteral("<no New button>");
        QToolTip::hideText();
        QHelpEvent help(QEvent::ToolTip, QPoint(4, 4), newButton->mapToGlobal(QPoint(4, 4)));
        QApplication::sendEvent(newButton, &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    window.show();
    EXPECT_EQ(askForTip(window), QStringLiteral("New"));

    program.settings().put(Field::ShowToolTips, "N");
    TfrmMain quiet(program);
    quiet.show();
    EXPECT_EQ(askForTip(quiet), QString());
    quiet.ShowToolTips(true);
    EXPECT_EQ(askForTip(quiet), QStringLiteral("New"));
    QToolTip::hideText();
    fake.answers.push_back(Answer::Ok);
    quiet.close();
}


// The running program's window, with the library's pictures.
class MainWindowWithCounter : public ::testing::Test, protected ScratchProgram {
protected:
    MainWindowWithCounter() { EXPECT_TRUE(program.initialise()); }
    ~MainWindowWithCounter() override {
        fake.answers.push_back(Answer::Ok);
        if (window) window->close();
    }
    void open() {
        window = std::make_unique<TfrmMain>(program, *library);
        counter = window->cardCounter();
    }
    // The card's mark as the counter window shows it.
    CounterMark markOf(int card) const { return counter->counter().cell(card)->mark; }

    std::unique_ptr<ResourceLibrary> library = ResourceLibrary::Open(DRAVICOR_BUILT_PROGRAM_DIR);
    std::unique_ptr<TfrmMain> window;
    TfrmCardCounter* counter = nullptr;
};

TEST_F(MainWindowWithCounter, TheMenuEntrySwitchesTheCounterWhichFollowsTheTable) {
    ASSERT_NE(library, nullptr);
    ASSERT_TRUE(program.selectGame(0));  // Klondike: most of the deal lies face down
    open();
    ASSERT_NE(counter, nullptr);
    ASSERT_TRUE(program.engine().StartGame(true, false, 2, true));
    window->refresh();
    QAction& entry = window->action("mnuCardCounter");
    ASSERT_TRUE(entry.isEnabled());
    EXPECT_FALSE(counter->isVisible());

    entry.trigger();
    EXPECT_TRUE(counter->isVisible());
    EXPECT_TRUE(entry.isChecked());
    const int hidden = program.position().piles.tableau[6].groups().front();  // face down under the last pile
    EXPECT_EQ(markOf(hidden), CounterMark::Down);

    // What the table shows after a command reaches the counter.
    const int stockTop = program.position().piles.stock[0].groups().back();
    EXPECT_EQ(markOf(stockTop), CounterMark::Down);
    ASSERT_TRUE(program.engine().StockClick());
    window->refresh();
    EXPECT_EQ(markOf(stockTop), CounterMark::Up) << "turned onto the waste";

    // Closing the window clears the check mark; the entry shows it again.
    counter->close();
    EXPECT_FALSE(entry.isChecked());
    entry.trigger();
    EXPECT_TRUE(counter->isVisible());
    entry.trigger();
    EXPECT_FALSE(counter->isVisible());
    EXPECT_FALSE(entry.isChecked());
}

TEST_F(MainWindowWithCounter, ACounterLeftOpenComesBackAtTheFirstActivation) {
    ASSERT_NE(library, nullptr);
    setPreference("CardCounter_Visible", "Y");
    open();
    window->dealLastGameAtStart();
    ASSERT_TRUE(ActivateForTheFirstTime(*window));
    EXPECT_TRUE(counter->isVisible());
    EXPECT_TRUE(window->action("mnuCardCounter").isChecked());
    EXPECT_EQ(counter->canvas().height(), CardCounterHeight(program.rules()[Rule::CardCount]));

    // Leaving the program (whose end closes every window left) leaves the
    // counter to come back next time.
    window->close();
    QApplication::closeAllWindows();
    EXPECT_EQ(preference("CardCounter_Visible"), "Y");
}

}  // namespace
}  // namespace dravicor::test
