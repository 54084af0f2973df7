#include "ui/statistics_window.h"

#include <QAction>
#include <QBarSeries>
#include <QBarSet>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QValueAxis>

#include "stats/statistics.h"
#include "statistics_fixture.h"
#include "ui/results_group.h"
#include "ui/statistics_charts.h"

namespace dravicor::test {
namespace {

// Ann's FreeCell: 3 won, 6 lost, streaks 2 and 4, one win running.
// Ann took 17 hints in them.
constexpr const char* kAnnFreeCell = "Ann=000003 000006 000002 000004 000001 000000 000000000120 000000000017\r\n";
// Bob's FreeCell: 1 won, 1 lost, streaks 1 and 1, one loss running.
constexpr const char* kBobFreeCell = "Bob=000001 000001 000001 000001 000000 000001 -00000000040 000000000000\r\n";

QString BarsOf(const TfrmStatistics& window) {
    const auto* bars = window.findChild<StreakBarChart*>(QStringLiteral("chtSeries"));
    if (bars == nullptr) return QStringLiteral("<no bars>");
    QStringList shown;
    for (const QBarSet* set : bars->series().barSets()) shown << set->label() + '=' + QString::number(set->at(0));
    shown << QStringLiteral("axis 0-%1 in %2 ticks")
                 .arg(bars->valueAxis().max())
                 .arg(bars->valueAxis().tickCount());
    return shown.join(u' ');
}

class StatisticsWindow : public StatisticsFixture {
protected:
    StatisticsWindow() {
        writeStatistics(std::string("[0001]\r\n") + kAnnFreeCell + kBobFreeCell);
        program.settings().put(Field::RunWon, "0001");
        program.settings().put(Field::RunLost, "0002");
    }

    QComboBox& combo(TfrmStatistics& window, const char* name) {
        return *window.findChild<QComboBox*>(QLatin1String(name));
    }
    QPushButton* button(TfrmStatistics& window, const char* name) {
        return window.findChild<QPushButton*>(QLatin1String(name));
    }
};

TEST_F(StatisticsWindow, ShowsEveryFigureOfThePlayersGame) {
    TfrmStatistics window(program, "Ann", kFreeCell);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Statistics [FreeCell]"));
    EXPECT_EQ(figuresOf(window, "grpTotal"), QStringLiteral("3 6 9 (34%) (66%)"));
    EXPECT_EQ(pieOf(window), QStringLiteral("Won=3 Lost=6"));

    // The session is the run counters of the current player and game.
    EXPECT_EQ(figuresOf(window, "grpSession"), QStringLiteral("1 2 3 (34%) (66%)"));

    EXPECT_EQ(textOf(window, "grpSeries", "lblBestWon"), QStringLiteral("2"));
    EXPECT_EQ(textOf(window, "grpSeries", "lblWorstLost"), QStringLiteral("4"));
    EXPECT_EQ(textOf(window, "grpSeries", "lblCurrent"), QStringLiteral("Current: 1 won"));
    EXPECT_EQ(textOf(window, "grpSeries", "lblHintsUsed"), QStringLiteral("17"));
    EXPECT_EQ(BarsOf(window), QStringLiteral("Won=2 Lost=4 axis 0-4 in 5 ticks"));
}

TEST_F(StatisticsWindow, ChoosingAnotherPlayerOrGameShowsTheirRecord) {
    TfrmStatistics window(program, "Ann", kFreeCell);
    QComboBox& players = combo(window, "cboPlayer");
    QComboBox& games = combo(window, "cboGame");
    EXPECT_EQ(players.count(), 2);
    EXPECT_EQ(players.currentText(), QStringLiteral("Ann"));
    EXPECT_EQ(games.currentText(), QStringLiteral("FreeCell"));
    // Every listed game is there, sorted by name.
    EXPECT_EQ(games.count(), static_cast<int>(ListedGameCodes(program.gameList()).size()));
    for (int i = 1; i < games.count(); ++i) {
        EXPECT_LE(games.itemText(i - 1).toLower(), games.itemText(i).toLower()) << i;
    }

    players.setCurrentText(QStringLiteral("Bob"));
    EXPECT_EQ(window.choice().player, "Bob");
    EXPECT_EQ(figuresOf(window, "grpTotal"), QStringLiteral("1 1 2 (50%) (50%)"));
    EXPECT_EQ(figuresOf(window, "grpSession"), QStringLiteral("0 0 0 (0%) (0%)")) << "Bob is not playing";
    EXPECT_EQ(textOf(window, "grpSeries", "lblCurrent"), QStringLiteral("Current: 1 lost"));
    EXPECT_EQ(pieOf(window), QStringLiteral("Won=1 Lost=1"));

    players.setCurrentText(QStringLiteral("Ann"));
    games.setCurrentIndex(games.findData(otherGame));
    const QString other = QString::fromStdString(nameOf(otherGame));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Statistics [%1]").arg(other));
    EXPECT_EQ(window.choice().gameCode, otherGame);
    EXPECT_EQ(window.choice().gameName, nameOf(otherGame));
    EXPECT_EQ(figuresOf(window, "grpTotal"), QStringLiteral("0 0 0 (0%) (0%)"));
    EXPECT_EQ(figuresOf(window, "grpSession"), QStringLiteral("0 0 0 (0%) (0%)")) << "not the current game";
}

// The figures of a game never played are the sheet's business; here the charts of nothing.
TEST_F(StatisticsWindow, AGameNeverPlayedDrawsEmptyCharts) {
    std::filesystem::remove(dir / "DATA" / "STAT.DAT");
    ResetRunCounters(program.settings());
    TfrmStatistics window(program, "Ann", kFreeCell);
    EXPECT_EQ(figuresOf(window, "grpTotal"), QStringLiteral("0 0 0 (0%) (0%)"));
    EXPECT_EQ(pieOf(window), QStringLiteral("Won=0 Lost=0"));
    EXPECT_EQ(BarsOf(window), QStringLiteral("Won=0 Lost=0 axis 0-1 in 2 ticks"));
    // Drawing a pie of nothing and bars of nothing is no fault.
    window.resize(640, 420);
    EXPECT_FALSE(window.grab().isNull());
    EXPECT_FALSE(std::filesystem::exists(dir / "DATA" / "STAT.DAT")) << "the window only reads";
}

TEST_F(StatisticsWindow, APlayerMissingFromTheListOrNoGameIsStillShown) {
    TfrmStatistics window(program, "Carol   ", kFreeCell);
    QComboBox& players = combo(window, "cboPlayer");
    EXPECT_EQ(players.count(), 3);
    EXPECT_EQ(players.currentText(), QStringLiteral("Carol"));
    EXPECT_EQ(window.choice().player, "Carol");
    EXPECT_EQ(figuresOf(window, "grpTotal"), QStringLiteral("0 0 0 (0%) (0%)"));

    TfrmStatistics noGame(program, "Ann", kNoGame);
    EXPECT_EQ(combo(noGame, "cboGame").currentIndex(), -1);
    EXPECT_EQ(noGame.windowTitle(), QStringLiteral("Statistics []"));
    EXPECT_EQ(figuresOf(noGame, "grpTotal"), QStringLiteral("0 0 0 (0%) (0%)"));
}

TEST_F(StatisticsWindow, LinksWithoutTheirWindowsAreDisabledAndOkCloses) {
    TfrmStatistics window(program, "Ann", kFreeCell);
    for (const char* link : {"btnOverallScore", "btnAllGames", "btnPlayersStatistics", "btnLogStatistics",
                             "btnHiScores", "btnHelp"}) {
        ASSERT_NE(button(window, link), nullptr) << link;
        EXPECT_FALSE(button(window, link)->isEnabled()) << link;
    }
    EXPECT_TRUE(button(window, "btnOverallScore")->isHidden());
    EXPECT_FALSE(window.findChild<QAction*>(QStringLiteral("mnuClearStatistics"))->isEnabled());

    window.show();
    QTest::mouseClick(button(window, "btnOK"), Qt::LeftButton);
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(StatisticsWindow, LinksGetTheChoiceAndTheFiguresAreReadAgain) {
    std::vector<std::string> followed;
    auto record = [&followed](const char* name) {
        return [&followed, name](const StatisticsChoice& c) {
            followed.push_back(std::string(name) + ' ' + c.player + ' ' + std::to_string(c.gameCode) + ' ' +
                               c.gameName);
        };
    };
    StatisticsLinks links;
    links.set(StatisticsLink::HiScores, record("hi-scores"));
    links.set(StatisticsLink::GameLog, record("log"));
    links.set(StatisticsLink::AllGames, record("all games"));
    links.set(StatisticsLink::ClearStatistics, [this](const StatisticsChoice& c) {
        ClearStatistics(program.dataFiles(), c.gameCode, c.player, false, false);
    });
    TfrmStatistics window(program, "Bob", kFreeCell, links);
    EXPECT_TRUE(button(window, "btnHiScores")->isEnabled());
    EXPECT_FALSE(button(window, "btnPlayersStatistics")->isEnabled());

    QTest::mouseClick(button(window, "btnHiScores"), Qt::LeftButton);
    QTest::mouseClick(button(window, "btnAllGames"), Qt::LeftButton);
    QTest::mouseClick(button(window, "btnLogStatistics"), Qt::LeftButton);
    // The log window is asked for all games when none is chosen.
    TfrmStatistics noGame(program, "Bob", kNoGame, links);
    QTest::mouseClick(button(noGame, "btnLogStatistics"), Qt::LeftButton);
    EXPECT_EQ(followed, (std::vector<std::string>{"hi-scores Bob 1 FreeCell", "all games Bob 1 FreeCell",
                                                  "log Bob 1 FreeCell", "log Bob -1 [All games]"}));

    QAction* clear = window.findChild<QAction*>(QStringLiteral("mnuClearStatistics"));
    ASSERT_TRUE(clear->isEnabled());
    EXPECT_EQ(figuresOf(window, "grpTotal"), QStringLiteral("1 1 2 (50%) (50%)"));
    clear->trigger();
    EXPECT_EQ(figuresOf(window, "grpTotal"), QStringLiteral("0 0 0 (0%) (0%)"));
    EXPECT_EQ(textOf(window, "grpSeries", "lblCurrent"), QStringLiteral("Current: "));
}

}  // namespace
}  // namespace dravicor::test
