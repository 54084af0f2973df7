// The main window around the table: its caption, the toolbars and their
// preferences, the time and score panels, the status bar, the close
// request and the first activation.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <functional>
#include <QStatusBar>
#include <QTest>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include "dialog_test_support.h"
#include "first_activation.h"
#include "ui/main_window.h"
#include "ui/open_game_dialog.h"
#include "ui/resource_library.h"
#include "ui/table_widget.h"

namespace dravicor::test {
namespace {

QString Title(const TfrmMain& window) { return window.windowTitle(); }

class MainWindowChrome : public ::testing::Test, protected ScratchProgram {
protected:
    MainWindowChrome() { EXPECT_TRUE(program.initialise()); }

    std::unique_ptr<TfrmMain> newWindow() { return std::make_unique<TfrmMain>(program); }

    static QWidget& widget(const TfrmMain& window, const char* name) { return ChildOf<QWidget>(window, name); }
    // Shown as far as the window decides: hidden neither itself nor by a parent.
    static bool shows(const TfrmMain& window, const char* name) { return widget(window, name).isVisibleTo(&window); }

    CardImages images;  // no pictures: the tests here do not look at the cards
};

TEST_F(MainWindowChrome, CaptionNamesGamePlayerAndNumber) {
    auto window = newWindow();
    EXPECT_EQ(Title(*window).toStdString(), "Dravicor [FreeCell]  [Player 1]") << "no deal number yet";

    program.settings().put(Field::ConfirmQuitGame, "N");
    program.settings().put(Field::CurrentGameNumber, "31416");
    window->table().showGame(program.engine(), images);
    ASSERT_TRUE(program.engine().StartGame(true, false, 0, true));
    EXPECT_EQ(Title(*window).toStdString(), "Dravicor [FreeCell]  [Player 1]  [31416]")
        << "the deal's change reaches the caption";

    program.settings().put(Field::CurrentPlayer, "Ada Lovelace");
    window->UpdateCaption();
    EXPECT_EQ(Title(*window).toStdString(), "Dravicor [FreeCell]  [Ada Lovelace]  [31416]");

    ASSERT_TRUE(program.selectGame(3));
    window->action("mnuNew").trigger();
    const std::string number = program.settings().get(Field::CurrentGameNumber);
    ASSERT_FALSE(number.empty());
    EXPECT_EQ(Title(*window).toStdString(), "Dravicor [Spider]  [Ada Lovelace]  [" + number + "]");
}

TEST_F(MainWindowChrome, CaptionWithoutAGameIsTheProductName) {
    program.engine().setGame(kNoGame, GameRules{});
    auto window = newWindow();
    EXPECT_EQ(Title(*window), QStringLiteral("Dravicor"));
    SettingsRecord settings;
    settings.put(Field::CurrentGameName, "Klondike");
    settings.put(Field::CurrentPlayer, "Bob");
    EXPECT_EQ(MainWindowCaption(settings, false), "Dravicor");
    EXPECT_EQ(MainWindowCaption(settings, true), "Dravicor [Klondike]  [Bob]");
    settings.put(Field::CurrentGameNumber, "1234567890123");
    EXPECT_EQ(MainWindowCaption(settings, true), "Dravicor [Klondike]  [Bob]  [1234567890123]");
}

// Small flat buttons come first; the choices are written and kept at the next start.
TEST_F(MainWindowChrome, ToolbarSizeAndFlatButtonsAreKept) {
    auto buttonsRaised = [](const TfrmMain& window) {
        int flat = 0, raised = 0;
        for (const char* name : {"tlbLarge", "tlbSmall"}) {
            for (const auto* button : widget(window, name).findChildren<QToolButton*>()) {
                (button->autoRaise() ? flat : raised) += 1;
            }
        }
        return std::pair{flat, raised};
    };
    {
        auto window = newWindow();
        EXPECT_FALSE(shows(*window, "tlbLarge"));
        EXPECT_TRUE(shows(*window, "tlbSmall"));
        EXPECT_TRUE(window->action("mnuSmallIcons").isChecked());
        EXPECT_FALSE(window->action("mnuLargeIcons").isChecked());
        EXPECT_EQ(buttonsRaised(*window), std::pair(22, 0));

        window->action("mnuLargeIcons").trigger();
        window->action("mnuNoFlatButton").trigger();
        EXPECT_TRUE(shows(*window, "tlbLarge"));
        EXPECT_FALSE(shows(*window, "tlbSmall"));
        EXPECT_TRUE(window->action("mnuLargeIcons").isChecked());
        EXPECT_FALSE(window->action("mnuSmallIcons").isChecked());
        EXPECT_EQ(buttonsRaised(*window), std::pair(0, 22));
        EXPECT_EQ(preference("ToolBar_Large"), "Y");
        EXPECT_EQ(preference("ToolBar_Flat"), "N");
    }
    {
        auto restarted = newWindow();
        EXPECT_TRUE(shows(*restarted, "tlbLarge"));
        EXPECT_FALSE(shows(*restarted, "tlbSmall"));
        EXPECT_EQ(buttonsRaised(*restarted), std::pair(0, 22));
        restarted->action("mnuSmallIcons").trigger();
        restarted->action("mnuFlatButton").trigger();
        EXPECT_EQ(buttonsRaised(*restarted), std::pair(22, 0));
        EXPECT_EQ(preference("ToolBar_Large"), "N");
        EXPECT_EQ(preference("ToolBar_Flat"), "Y");
    }
    auto again = newWindow();
    EXPECT_TRUE(shows(*again, "tlbSmall"));
    EXPECT_FALSE(shows(*again, "tlbLarge"));
    EXPECT_TRUE(again->toolbarFlat());
}

TEST_F(MainWindowChrome, AHiddenToolbarHidesBothToolbarsAndBothPanels) {
    {
        auto window = newWindow();
        EXPECT_TRUE(shows(*window, "pnlTime"));
        window->SetToolbarVisible(false, true);
        for (const char* name : {"tlbLarge", "tlbSmall", "pnlTime", "pnlScore"}) EXPECT_FALSE(shows(*window, name)) << name;
        EXPECT_EQ(preference("ToolBar_Visible"), "N");
        window->SetToolbarLarge(true, false);
        EXPECT_FALSE(shows(*window, "tlbLarge")) << "the size does not show a hidden toolbar";
        EXPECT_EQ(preference("ToolBar_Large"), "<none>") << "not saved";
    }
    auto restarted = newWindow();
    for (const char* name : {"tlbLarge", "tlbSmall", "pnlTime", "pnlScore"}) EXPECT_FALSE(shows(*restarted, name)) << name;
    restarted->SetToolbarVisible(true, false);
    EXPECT_TRUE(shows(*restarted, "tlbSmall"));
    EXPECT_TRUE(shows(*restarted, "pnlTime"));
    EXPECT_TRUE(shows(*restarted, "pnlScore"));
    EXPECT_EQ(preference("ToolBar_Visible"), "N") << "not saved";
    restarted->ApplyToolbarPreferences(true);
    EXPECT_EQ(preference("ToolBar_Visible"), "Y");
    EXPECT_EQ(preference("ToolBar_Large"), "N");
    EXPECT_EQ(preference("ToolBar_Flat"), "Y");
}

TEST_F(MainWindowChrome, HidingTheTimePanelEnablesShowTimeAndIsWritten) {
    auto window = newWindow();
    QAction& showTime = window->action("mnuShowTime");
    QAction& showScore = window->action("mnuShowScore");
    EXPECT_FALSE(showTime.isEnabled());
    EXPECT_FALSE(showScore.isEnabled());

    QWidget& time = widget(*window, "pnlTime");
    ASSERT_EQ(time.actions().size(), 1);
    EXPECT_EQ(time.actions()[0]->text(), QStringLiteral("&Hide"));
    EXPECT_EQ(time.contextMenuPolicy(), Qt::ActionsContextMenu);
    time.actions()[0]->trigger();
    EXPECT_FALSE(shows(*window, "pnlTime"));
    EXPECT_TRUE(shows(*window, "pnlScore"));
    EXPECT_TRUE(showTime.isEnabled());
    EXPECT_FALSE(showScore.isEnabled());
    EXPECT_EQ(preference("Show_Time"), "N");
    EXPECT_EQ(program.settings().get(Field::ShowTime), "N");

    QWidget& score = widget(*window, "pnlScore");
    ASSERT_EQ(score.actions().size(), 1);
    EXPECT_EQ(score.actions()[0]->text(), QStringLiteral("Hide"));
    score.actions()[0]->trigger();
    EXPECT_TRUE(showScore.isEnabled());
    EXPECT_EQ(preference("Show_Score"), "N");
    EXPECT_EQ(program.settings().get(Field::ShowScore), "N");

    showTime.trigger();
    EXPECT_TRUE(shows(*window, "pnlTime"));
    EXPECT_FALSE(showTime.isEnabled());
    EXPECT_EQ(preference("Show_Time"), "Y");
    EXPECT_EQ(program.settings().get(Field::ShowTime), "Y");

    // The next window follows the settings.
    auto next = newWindow();
    EXPECT_TRUE(shows(*next, "pnlTime"));
    EXPECT_FALSE(shows(*next, "pnlScore"));
    EXPECT_TRUE(next->action("mnuShowScore").isEnabled());
}

TEST_F(MainWindowChrome, ToolbarPopUpMenu) {
    auto window = newWindow();
    std::unique_ptr<QMenu> menu(window->createPopupMenu());
    QStringList entries;
    for (const QAction* entry : menu->actions()) entries << (entry->isSeparator() ? QStringLiteral("-") : entry->text());
    EXPECT_EQ(entries.join(QLatin1Char('|')).toStdString(),
              "Large icons|Small icons|-|Flat button|No flat button|-|Show time|Show score");
}

TEST_F(MainWindowChrome, ButtonsHangFromTheirDistanceBelowTheToolbarsTop) {
    auto window = newWindow();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    for (const auto& [large, height, top] : {std::tuple{false, 20, 3}, std::tuple{true, 24, 4}}) {
        window->SetToolbarLarge(large, false);
        QApplication::processEvents();
        const QWidget& bar = widget(*window, large ? "tlbLarge" : "tlbSmall");
        SCOPED_TRACE(bar.objectName().toStdString());
        EXPECT_EQ(bar.height(), height);
        const auto buttons = bar.findChildren<QToolButton*>();
        ASSERT_EQ(buttons.size(), 11);
        for (const QToolButton* button : buttons) {
            EXPECT_TRUE(button->isVisible());
            EXPECT_EQ(button->geometry().top(), top);
            EXPECT_EQ(button->geometry().bottom(), height - 1);
            EXPECT_FALSE(button->icon().isNull());
        }
        EXPECT_EQ(buttons.front()->toolTip(), QStringLiteral("New"));
        EXPECT_LT(buttons.front()->geometry().right(), buttons.back()->geometry().left());
        EXPECT_EQ(widget(*window, "pnlToolbar").height(), height) << "the panels share the row";
        EXPECT_GT(widget(*window, "pnlTime").geometry().left(), bar.geometry().right()) << "right of the buttons";
    }
}

TEST_F(MainWindowChrome, TheStatusBarHoldsPlayerAndLevelAndFollowsItsPreference) {
    auto window = newWindow();
    EXPECT_FALSE(window->statusBar()->isVisibleTo(window.get())) << "StatusBar is \"N\" by default";
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("pnlPlayer"))->text(), QStringLiteral("Player 1"));
    window->setLevelText(QStringLiteral("Pass 2"));
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("pnlLevel"))->text(), QStringLiteral("Pass 2"));

    program.settings().put(Field::StatusBar, "Y");
    auto withBar = newWindow();
    EXPECT_TRUE(withBar->statusBar()->isVisibleTo(withBar.get()));
}

TEST_F(MainWindowChrome, WithConfirmQuitNTheWindowClosesWithoutAskingAndKeepsItsSize) {
    {
        auto window = newWindow();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->resize(700, 520);
        EXPECT_TRUE(window->close());
        EXPECT_TRUE(fake.questions.empty());
        EXPECT_EQ(preference("Window_Width"), "700");
        EXPECT_EQ(preference("Window_Height"), "520");
        EXPECT_EQ(preference("AutoPlay"), "Y");
    }
    auto restarted = newWindow();
    EXPECT_EQ(restarted->size(), QSize(700, 520));
}

TEST_F(MainWindowChrome, ConfirmQuitAsksAndCancelKeepsTheWindow) {
    setPreference("ConfirmQuit", "Y");
    auto window = newWindow();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    fake.answers.push_back(Answer::Cancel);
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(fake.questions.size(), 1u);
    EXPECT_EQ(fake.questions[0].text, "Exit Dravicor?");
    EXPECT_EQ(fake.questions[0].buttons, MessageButtons::OkCancel);
    EXPECT_EQ(preference("Window_Width"), "<none>") << "nothing is written for a close that did not happen";

    window->closeWithoutAsking();
    EXPECT_FALSE(window->isVisible()) << "a termination request does not ask";
    EXPECT_EQ(fake.questions.size(), 1u);
}

TEST(MainWindowClose, TheWinningAnimationOnlyStops) {
    EXPECT_EQ(DecideClose(true, true, "N"), CloseStep::StopAnimation);
    EXPECT_EQ(DecideClose(true, true, "Y"), CloseStep::StopAnimation) << "no question while it runs";
    EXPECT_EQ(DecideClose(false, true, "Y"), CloseStep::Ask);
    EXPECT_EQ(DecideClose(false, true, "S"), CloseStep::Ask) << "anything but N asks";
    EXPECT_EQ(DecideClose(false, true, "N"), CloseStep::Close);
    EXPECT_EQ(DecideClose(true, false, "Y"), CloseStep::Close) << "a termination request ends the program";
}

TEST_F(MainWindowChrome, FirstActivationUpgradesAndDealsTheLastGame) {
    // A hi-score file of an older version, and a preference of one.
    WriteFile(dir / "DATA/STAT_SCR.DAT", "[0002]\r\n01-01=000001\r\n");
    setPreference("ConfirmQuit", "S");
    auto window = newWindow();
    EXPECT_FALSE(program.game().inProgress) << "nothing is dealt before the window is active";
    ASSERT_TRUE(ActivateForTheFirstTime(*window));

    EXPECT_TRUE(program.game().inProgress);
    EXPECT_EQ(program.game().gameCode, 1);
    const std::string number = program.settings().get(Field::CurrentGameNumber);
    ASSERT_FALSE(number.empty());
    EXPECT_EQ(Title(*window).toStdString(), "Dravicor [FreeCell]  [Player 1]  [" + number + "]");
    EXPECT_TRUE(ReadFile(dir / "DATA/STAT_SCR.DAT").starts_with("[Version]\r\nVersion=0300\r\n"));
    EXPECT_EQ(preference("ConfirmQuit"), "Y");

    // Later activations deal nothing more.
    bool done = false;
    QObject::connect(window.get(), &TfrmMain::firstActivationDone, [&done] { done = true; });
    window->hide();
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::qWait(50);
    EXPECT_FALSE(done);
    EXPECT_EQ(program.settings().get(Field::CurrentGameNumber), number);
    fake.answers.push_back(Answer::Ok);
    window->close();
}

class MainWindowWithLibrary : public MainWindowChrome {
protected:
    std::unique_ptr<ResourceLibrary> library = ResourceLibrary::Open(DRAVICOR_BUILT_PROGRAM_DIR);
};

TEST_F(MainWindowWithLibrary, TheTableGetsTheChosenCursorAndItsDraggingTwin) {
    ASSERT_NE(library, nullptr);
    const auto hand = library->LoadNamedCursor("CUR_HAND1A");
    ASSERT_TRUE(hand.has_value());
    program.settings().put(Field::TableCursor, "12");
    TfrmMain window(program, *library);
    EXPECT_EQ(window.table().cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(window.table().cursor().hotSpot(), hand->hotSpot());
    EXPECT_EQ(window.table().cursor().pixmap().toImage(), hand->pixmap().toImage());

    program.settings().put(Field::TableCursor, "0");
    window.ApplyTableCursor();
    const auto arrow = library->LoadNamedCursor("CUR_ARROW2A");
    ASSERT_TRUE(arrow.has_value());
    EXPECT_EQ(window.table().cursor().pixmap().toImage(), arrow->pixmap().toImage()) << "0 counts as 11";
}

TEST_F(MainWindowWithLibrary, UndoRedoAndAutoplayShowTheLibrarysPictures) {
    ASSERT_NE(library, nullptr);
    TfrmMain window(program, *library);
    const QImage undo = window.action("mnuUndo").icon().pixmap(24, 24).toImage();
    QPixmap fromLibrary = library->LoadNamedBitmap("TB_UNDO");
    ASSERT_FALSE(fromLibrary.isNull());
    // The library's picture with its grey face taken out.
    const QImage expected = fromLibrary.toImage();
    ASSERT_EQ(undo.size(), expected.size());
    int glyph = 0;
    for (int y = 0; y < undo.height(); ++y) {
        for (int x = 0; x < undo.width(); ++x) {
            const QRgb want = expected.pixel(x, y);
            if (qRed(want) == 192 && qGreen(want) == 192 && qBlue(want) == 192) {
                EXPECT_EQ(qAlpha(undo.pixel(x, y)), 0) << x << ',' << y;
            } else {
                EXPECT_EQ(undo.pixel(x, y) | 0xff000000u, want | 0xff000000u) << x << ',' << y;
                ++glyph;
            }
        }
    }
    EXPECT_GT(glyph, 20);
    const QImage disabled = window.action("mnuUndo").icon().pixmap(QSize(24, 24), QIcon::Disabled).toImage();
    EXPECT_NE(disabled, undo) << "the disabled button has its own picture";
}

// With the pictures of the dialogs at hand, the first activation opens the
// open-game dialog and its OK deals the game chosen there.
TEST_F(MainWindowChrome, FirstActivationOpensTheOpenGameDialog) {
    const auto library = ResourceLibrary::Open(DRAVICOR_BUILT_PROGRAM_DIR);
    ASSERT_NE(library, nullptr);
    TfrmMain window(program, *library);
    ASSERT_NE(window.openGameDialog(), nullptr);
    bool shown = false;
    QTimer::singleShot(100, [&] {
        QTimer::singleShot(100, [&] {
            shown = window.openGameDialog()->isVisible();
            window.openGameDialog()->findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
        });
    });
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    ASSERT_TRUE(QTest::qWaitFor([&] { return shown; }, 5000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return program.game().inProgress; }, 5000));
    EXPECT_EQ(program.game().gameCode, 1) << "the last game played, chosen again";
    EXPECT_FALSE(window.openGameDialog()->isVisible());
    fake.answers.push_back(Answer::Ok);
    window.close();
}

// With a game dealt, every entry of the menu tree can be chosen (Pause and
// Quit game once the deal is under way).
TEST_F(MainWindowChrome, EveryEntryOfTheMenuTreeIsLiveWithAGame) {
    const auto library = ResourceLibrary::Open(DRAVICOR_BUILT_PROGRAM_DIR);
    ASSERT_NE(library, nullptr);
    TfrmMain window(program, *library);
    program.settings().put(Field::CurrentGameNumber, "5");
    ASSERT_TRUE(program.engine().StartGame(true, false, 0, true));
    window.refresh();
    const bool underWay = program.game().inProgress;
    int entries = 0;
    std::function<void(const QMenu&)> walk = [&](const QMenu& menu) {
        for (QAction* entry : menu.actions()) {
            if (entry->isSeparator()) continue;
            ++entries;
            if (entry->menu() != nullptr) walk(*entry->menu());
            if (!underWay && (entry->objectName() == "mnuPause" || entry->objectName() == "mnuQuitGame")) continue;
            EXPECT_TRUE(entry->isEnabled()) << entry->objectName().toStdString();
        }
    };
    for (QAction* top : window.menuBar()->actions()) {
        ASSERT_NE(top->menu(), nullptr);
        EXPECT_TRUE(top->isEnabled());
        walk(*top->menu());
    }
    EXPECT_EQ(entries, 7 + 6 + 5 + 5 + 7) << "the entries of the five menus, the web sub-menu among them";
    fake.answers.push_back(Answer::Ok);
    window.close();
}

}  // namespace
}  // namespace dravicor::test
