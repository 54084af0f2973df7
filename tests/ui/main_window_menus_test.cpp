// The main window's menus, toolbars and panels: the captions and shortcuts
// of the menu tree, the entries that wait for their windows, and the game
// commands reaching the program's engine.
#include <gtest/gtest.h>

#include <QAction>
#include <QTimer>
#include <QPushButton>
#include <QDialog>
#include <QApplication>
#include <QKeySequence>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolButton>

#include "dialog_test_support.h"
#include "engine/player_input.h"
#include "plain_cards.h"
#include "ui/main_window.h"
#include "ui/table_widget.h"

namespace dravicor::test {
namespace {

struct Entry {
    QString caption;
    QKeySequence shortcut;
};

// The entries of a menu in order, separators left out.
std::vector<Entry> EntriesOf(const TfrmMain& window, const char* menuName) {
    const auto* menu = window.findChild<QMenu*>(QLatin1String(menuName));
    EXPECT_NE(menu, nullptr) << menuName;
    std::vector<Entry> entries;
    if (menu == nullptr) return entries;
    for (const QAction* action : menu->actions()) {
        if (!action->isSeparator()) entries.push_back({action->text(), action->shortcut()});
    }
    return entries;
}

void ExpectEntries(const TfrmMain& window, const char* menuName, const std::vector<Entry>& expected) {
    SCOPED_TRACE(menuName);
    const auto entries = EntriesOf(window, menuName);
    ASSERT_EQ(entries.size(), expected.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].caption.toStdString(), expected[i].caption.toStdString()) << "entry " << i;
        EXPECT_EQ(entries[i].shortcut, expected[i].shortcut) << expected[i].caption.toStdString();
    }
}

QString MenuBarCaptions(const TfrmMain& window) {
    QStringList captions;
    for (const QAction* action : window.menuBar()->actions()) captions << action->text();
    return captions.join(QLatin1Char('|'));
}


TEST(MainWindowMenus, EveryMenuHasItsCaptionsAndShortcutsInOrder) {
    TfrmMain window;
    EXPECT_EQ(MenuBarCaptions(window), QStringLiteral("&File|&Game|&Statistics|&Tools|&?"));
    const std::pair<const char*, std::vector<Entry>> menus[] = {
        {"mnuFile",
         {{"&New game", QKeySequence(Qt::Key_F2)},
          {"&Open a game", QKeySequence(Qt::CTRL | Qt::Key_F12)},
          {"&Restart game", QKeySequence(Qt::CTRL | Qt::Key_F2)},
          {"S&elect a game number...", QKeySequence(Qt::Key_F3)},
          {"&Save...", QKeySequence(QStringLiteral("Shift+Ctrl+F12"))},
          {"&Players...", QKeySequence(Qt::CTRL | Qt::Key_L)},
          {"E&xit", QKeySequence()}}},
        {"mnuGame",
         {{"&Undo", QKeySequence(QStringLiteral("Ctrl+Z"))},
          {"&Redo", QKeySequence(QStringLiteral("Ctrl+Y"))},
          {"&Hint", QKeySequence(QStringLiteral("H"))},
          {"P&ause", QKeySequence(QStringLiteral("Ctrl+P"))},
          {"&Quit game", QKeySequence(QStringLiteral("Ctrl+Q"))},
          {"Au&toplay", QKeySequence(QStringLiteral("F7"))}}},
        {"mnuStatistics",
         {{"&Game statistics...", QKeySequence(Qt::Key_F4)},
          {"&Players statistics...", QKeySequence()},
          {"&All games statistics...", QKeySequence()},
          {"&Log statistics...", QKeySequence()},
          {"&Hi-Scores...", QKeySequence(Qt::Key_F9)}}},
        {"mnuTools",
         {{"C&ustomize...", QKeySequence(QStringLiteral("Ctrl+U"))},
          {"&Options...", QKeySequence(QStringLiteral("Ctrl+O"))},
          {"Customize &rules...", QKeySequence(QStringLiteral("Ctrl+R"))},
          {"&Favorite games...", QKeySequence(QStringLiteral("Ctrl+F"))},
          {"&Card counter...", QKeySequence(QStringLiteral("F8"))}}},
        {"mnuHelp",
         {{"&Rules", QKeySequence(Qt::Key_F1)},
          {"&Contents", QKeySequence()},
          {"&Tip of the Day...", QKeySequence()},
          {"Dravicor on the &Web...", QKeySequence()},
          {"A&bout...", QKeySequence()}}},
        {"mnuWeb", {{"Dravicor &Update...", QKeySequence()}, {"Announcement &Mailing List...", QKeySequence()}}},
    };
    for (const auto& [name, entries] : menus) ExpectEntries(window, name, entries);
    EXPECT_TRUE(window.action("mnuAutoplay").isCheckable());
    EXPECT_TRUE(window.action("mnuPause").isCheckable());
    EXPECT_FALSE(window.action("mnuUndo").isCheckable());
}

TEST(MainWindowMenus, DemoIsAShortcutOutsideTheMenus) {
    TfrmMain window;
    QAction& demo = window.action("mnuDemo");
    EXPECT_EQ(demo.text(), QStringLiteral("&Demo"));
    EXPECT_EQ(demo.shortcut(), QKeySequence(QStringLiteral("Ctrl+D")));
    EXPECT_TRUE(demo.isCheckable());
    EXPECT_TRUE(window.actions().contains(&demo)) << "the window owns the shortcut";
    for (const QMenu* menu : window.findChildren<QMenu*>()) {
        EXPECT_FALSE(menu->actions().contains(&demo)) << menu->objectName().toStdString();
    }
}

TEST(MainWindowMenus, WithoutAProgramNoWindowCanBeOpenedAndNoGameCommandGiven) {
    TfrmMain window;
    for (const char* later :
         {"mnuOpen", "mnuSelect", "mnuSave", "mnuPlayers", "mnuGameStatistics", "mnuPlayersStatistics",
          "mnuAllGamesStatistics", "mnuLogStatistics", "mnuHiScores", "mnuCustomize", "mnuOptions",
          "mnuCustomizeRules", "mnuFavorites", "mnuCardCounter", "mnuRules", "mnuContents", "mnuTips",
          "mnuUpdate", "mnuMailingList", "mnuAbout", "mnuNew", "mnuRestartGame", "mnuUndo", "mnuRedo", "mnuHint",
          "mnuPause", "mnuQuitGame", "mnuAutoplay", "mnuDemo"}) {
        EXPECT_FALSE(window.action(later).isEnabled()) << later;
    }
    EXPECT_TRUE(window.action("mnuExit").isEnabled());
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("lblClock"))->text(), QStringLiteral("0:00:00"));
}

TEST(MainWindowMenus, BothToolbarsCarryTheButtonsOfTheirMenuEntriesInOrder) {
    TfrmMain window;
    for (const char* name : {"tlbLarge", "tlbSmall"}) {
        SCOPED_TRACE(name);
        const auto* toolbar = window.findChild<QWidget*>(QLatin1String(name));
        ASSERT_NE(toolbar, nullptr);
        QStringList hints, entries;
        for (int i = 0; i < toolbar->layout()->count(); ++i) {
            const auto* button = qobject_cast<QToolButton*>(toolbar->layout()->itemAt(i)->widget());
            if (button == nullptr) continue;
            hints << button->toolTip();
            entries << button->defaultAction()->objectName();
        }
        EXPECT_EQ(hints.join(QLatin1Char(',')),
                  QStringLiteral("New,Open,Save,Undo,Redo,Autoplay,Hint,Statistics,Rules,Restart,Exit"));
        EXPECT_EQ(entries.join(QLatin1Char(',')).toStdString(),
                  "mnuNew,mnuOpen,mnuSave,mnuUndo,mnuRedo,mnuAutoplay,mnuHint,mnuGameStatistics,mnuRules,"
                  "mnuRestartGame,mnuExit");
        const auto buttons = toolbar->findChildren<QToolButton*>();
        EXPECT_TRUE(buttons[5]->isCheckable()) << "Autoplay is a toggle, as its entry";
        EXPECT_FALSE(buttons[1]->isEnabled()) << "Open waits for its window, as its entry";
    }
}

// A window over a program in a scratch folder with FreeCell dealt.
class MainWindowCommands : public ::testing::Test, protected ScratchProgram {
protected:
    MainWindowCommands() {
        EXPECT_TRUE(program.initialise());
        program.settings().put(Field::ConfirmQuitGame, "N");
        program.settings().put(Field::CurrentGameNumber, "5");
        window = std::make_unique<TfrmMain>(program);
        window->resize(800, 600);
        window->table().resize(800, 500);
        window->table().showGame(program.engine(), images);
        program.engine().SetAutoplay(false);
        EXPECT_TRUE(program.engine().StartGame(true, false, 0, true));
    }

    QString clockText() const { return window->findChild<QLabel*>(QStringLiteral("lblClock"))->text(); }

    CardImages images = PlainCards();
    std::unique_ptr<TfrmMain> window;
};

TEST_F(MainWindowCommands, UndoRedoAndRestartStepThroughTheMove) {
    const Position dealt = program.position();
    ASSERT_TRUE(PlayMove(program.engine(), program.engine().LegalMoves().front()));
    const Position moved = program.position();
    ASSERT_NE(moved, dealt);

    window->action("mnuUndo").trigger();
    EXPECT_EQ(program.position(), dealt);
    window->action("mnuRedo").trigger();
    EXPECT_EQ(program.position(), moved);

    fake.answers.push_back(Answer::Cancel);
    window->action("mnuRestartGame").trigger();
    ASSERT_EQ(fake.questions.size(), 1u);
    EXPECT_EQ(fake.questions[0].text, "Restart this game?\rGame number: 5");
    EXPECT_EQ(fake.questions[0].buttons, MessageButtons::OkCancel);
    EXPECT_EQ(program.position(), moved);
    fake.answers.push_back(Answer::Ok);
    window->action("mnuRestartGame").trigger();
    EXPECT_EQ(program.position(), dealt);
}

TEST_F(MainWindowCommands, AutoplaySwitchesTheEngineAndFollowsIt) {
    QAction& autoplay = window->action("mnuAutoplay");
    EXPECT_TRUE(autoplay.isEnabled());
    EXPECT_FALSE(autoplay.isChecked());
    autoplay.trigger();
    EXPECT_TRUE(program.engine().autoplayOn());
    EXPECT_TRUE(autoplay.isChecked());
    autoplay.trigger();
    EXPECT_FALSE(program.engine().autoplayOn());
    EXPECT_FALSE(autoplay.isChecked());
}

TEST_F(MainWindowCommands, QuitGameEndsTheDealAndNewGameDealsANewNumber) {
    EXPECT_TRUE(window->action("mnuQuitGame").isEnabled());
    EXPECT_TRUE(window->action("mnuPause").isEnabled());
    window->action("mnuQuitGame").trigger();
    EXPECT_FALSE(program.game().inProgress);
    EXPECT_FALSE(window->action("mnuQuitGame").isEnabled());
    EXPECT_FALSE(window->action("mnuPause").isEnabled());

    window->action("mnuNew").trigger();
    EXPECT_TRUE(program.game().inProgress);
    EXPECT_NE(program.game().gameNumber, "5");
    EXPECT_TRUE(window->action("mnuQuitGame").isEnabled());
    EXPECT_TRUE(fake.questions.empty());
}

TEST_F(MainWindowCommands, TheClockShowsTheElapsedTimeEverySecond) {
    EXPECT_EQ(clockText(), QStringLiteral("0:00:00"));
    fake.clockNow += std::chrono::seconds(3725);
    QTest::qWait(1300);
    EXPECT_EQ(clockText(), QStringLiteral("1:02:05"));
}

// A won game shows its place in the hi-scores, then the "Game won" window;
// "New game..." deals afresh.
TEST_F(MainWindowCommands, AWonGameOffersWhatNextAndNewGameDeals) {
    program.settings().put(Field::WinningAnimation, "N");
    Position nearlyWon;
    nearlyWon.Append(PileId::Tableau(1), 13, true);  // the King of hearts
    for (int suit = 0; suit < 4; ++suit) {
        for (int rank = 1; rank <= (suit == 0 ? 12 : 13); ++rank)
            nearlyWon.Append(PileId::Foundation(suit + 1), static_cast<CardNumber>(suit * 13 + rank), true);
    }
    program.engine().setPosition(nearlyWon);
    ASSERT_TRUE(program.engine().StartGame(false, false, 0, true));
    const std::string numberBefore = program.game().gameNumber;

    bool offered = false;
    QStringList shown;
    // The windows are modal: a timer finds each in turn.
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (modal == nullptr || (!shown.isEmpty() && shown.back() == modal->windowTitle())) return;
        shown << modal->windowTitle();
        if (modal->objectName() == "TfrmGameWon") {
            offered = true;
            modal->findChild<QPushButton*>(QStringLiteral("btnNewGame"))->click();
        } else {
            modal->reject();
        }
    });
    poll.start();
    window->show();
    ASSERT_TRUE(PlayMove(program.engine(), PlayerMove{13, PileId::Foundation(1)}));
    EXPECT_FALSE(program.game().inProgress) << "won and recorded";
    ASSERT_TRUE(QTest::qWaitFor([&] { return offered; }, 3000));
    ASSERT_EQ(shown.size(), 2);
    EXPECT_EQ(shown[0], QStringLiteral("Compliments! You entered the FreeCell Hi-Scores!"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return program.game().inProgress; }, 3000));
    EXPECT_NE(program.game().gameNumber, numberBefore) << "a new deal";
}

TEST_F(MainWindowCommands, RulesAndStatisticsAreOpenWithAGame) {
    for (const char* entry : {"mnuRules", "mnuContents", "mnuGameStatistics"})
        EXPECT_TRUE(window->action(entry).isEnabled()) << entry;
    // This scratch folder has no help pages: the player is told so.
    window->action("mnuRules").trigger();
    ASSERT_EQ(fake.messages.size(), 1U);
    EXPECT_NE(fake.messages[0].text.find("help"), std::string::npos);
}

}  // namespace
}  // namespace dravicor::test
