#include "ui/game_won_window.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "stats/statistics.h"
#include "statistics_fixture.h"

namespace dravicor::test {
namespace {

class GameWonWindow : public StatisticsFixture {
protected:
    GameWonWindow() {
        // Ann lost twice and has just won FreeCell: the window comes after the record.
        writeStatistics("[0001]\r\nAnn=000000 000002 000000 000002 000000 000002 000000000000 000000000000\r\n");
        program.settings().put(Field::CurrentScore, "52");
        EXPECT_TRUE(UpdateStatistics(program.dataFiles(), program.settings(), true));
    }

    static QPushButton* button(const QWidget& window, const char* name) {
        return window.findChild<QPushButton*>(QLatin1String(name));
    }
};

TEST_F(GameWonWindow, ShowsTheRecordedTotalsOfTheCurrentGame) {
    TfrmGameWon window(program);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Game won"));
    EXPECT_EQ(window.findChild<QGroupBox*>(QStringLiteral("grpTotal"))->title(), QStringLiteral("Total [FreeCell]"));
    EXPECT_EQ(figuresOf(window, "grpTotal"), QStringLiteral("1 2 3 (34%) (66%)"));
    EXPECT_EQ(pieOf(window), QStringLiteral("Won=1 Lost=2"));
    EXPECT_EQ(window.findChildren<QGroupBox*>().size(), 1) << "only the totals";
}

TEST_F(GameWonWindow, EachButtonClosesWithItsChoice) {
    const std::pair<const char*, GameWonChoice> buttons[] = {{"btnNewGame", GameWonChoice::NewGame},
                                                             {"btnRestartGame", GameWonChoice::RestartGame},
                                                             {"btnCancel", GameWonChoice::Cancel}};
    for (const auto& [name, expected] : buttons) {
        SCOPED_TRACE(name);
        TfrmGameWon window(program);
        window.show();
        QTest::mouseClick(button(window, name), Qt::LeftButton);
        EXPECT_FALSE(window.isVisible());
        EXPECT_EQ(window.choice(), expected);
        EXPECT_EQ(window.result(), expected == GameWonChoice::Cancel ? QDialog::Rejected : QDialog::Accepted);
    }

    // Escape and the window's close box are Cancel too.
    TfrmGameWon escaped(program);
    escaped.show();
    QTest::keyClick(&escaped, Qt::Key_Escape);
    EXPECT_FALSE(escaped.isVisible());
    EXPECT_EQ(escaped.choice(), GameWonChoice::Cancel);
    TfrmGameWon closed(program);
    closed.show();
    closed.close();
    EXPECT_EQ(closed.choice(), GameWonChoice::Cancel);
}

TEST_F(GameWonWindow, ShowGameWonReturnsTheChoice) {
    QTimer::singleShot(0, [] {
        auto* window = qobject_cast<TfrmGameWon*>(QApplication::activeModalWidget());
        ASSERT_NE(window, nullptr);
        button(*window, "btnRestartGame")->click();
    });
    EXPECT_EQ(ShowGameWon(program, {}, nullptr), GameWonChoice::RestartGame);
}

TEST_F(GameWonWindow, ADialogThatStartedNoDealLeavesTheWindowOpen) {
    TfrmGameWon unlinked(program);
    EXPECT_FALSE(button(unlinked, "btnOpenGame")->isEnabled()) << "no dialog to open";
    EXPECT_FALSE(button(unlinked, "btnSelectGame")->isEnabled());
    EXPECT_TRUE(button(unlinked, "btnStatistics")->isEnabled());
    EXPECT_TRUE(button(unlinked, "btnNewGame")->isDefault());

    int opened = 0;
    bool dealStarted = false;
    GameWonLinks links;
    links.openGame = [&] {
        ++opened;
        return dealStarted;
    };
    links.selectGame = [&] { return true; };
    TfrmGameWon window(program, links);
    window.show();
    ASSERT_TRUE(button(window, "btnOpenGame")->isEnabled());

    button(window, "btnOpenGame")->click();
    EXPECT_EQ(opened, 1);
    EXPECT_TRUE(window.isVisible()) << "cancelled in the open-game dialog";

    dealStarted = true;
    button(window, "btnOpenGame")->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.choice(), GameWonChoice::OpenGame);

    TfrmGameWon selecting(program, links);
    selecting.show();
    button(selecting, "btnSelectGame")->click();
    EXPECT_EQ(selecting.choice(), GameWonChoice::SelectGame);
}

TEST_F(GameWonWindow, StatisticsOpenOnThePlayersGameAndTheTotalsAreReadAgain) {
    StatisticsLinks links;
    int hiScores = 0;
    links.set(StatisticsLink::HiScores, [&](const StatisticsChoice&) { ++hiScores; });
    TfrmGameWon window(program, GameWonLinks{{}, {}, links});
    window.show();

    std::string shownPlayer;
    int shownGame = 0;
    QTimer::singleShot(0, [&] {
        auto* statistics = window.findChild<TfrmStatistics*>();
        ASSERT_NE(statistics, nullptr);
        ASSERT_TRUE(statistics->isModal());
        shownPlayer = statistics->choice().player;
        shownGame = statistics->choice().gameCode;
        // The links given for it are there.
        statistics->findChild<QPushButton*>(QStringLiteral("btnHiScores"))->click();
        // Meanwhile another deal of FreeCell is recorded as lost.
        UpdateStatistics(program.dataFiles(), program.settings(), false);
        statistics->accept();
    });
    button(window, "btnStatistics")->click();

    EXPECT_EQ(shownPlayer, "Ann");
    EXPECT_EQ(shownGame, kFreeCell);
    EXPECT_EQ(hiScores, 1);
    EXPECT_TRUE(window.isVisible()) << "the window stays for the next choice";
    EXPECT_EQ(figuresOf(window, "grpTotal"), QStringLiteral("1 3 4 (26%) (74%)"));
    EXPECT_EQ(pieOf(window), QStringLiteral("Won=1 Lost=3"));
}

}  // namespace
}  // namespace dravicor::test
