#include <QBarSeries>
#include <QBarSet>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QValueAxis>

#include "stats/game_log.h"
#include "stats/hi_scores.h"
#include "stats/overall_score.h"
#include "dialog_test_support.h"
#include "statistics_fixture.h"
#include "ui/all_games_window.h"
#include "ui/clear_statistics_dialog.h"
#include "ui/game_log_window.h"
#include "ui/hi_score_window.h"
#include "ui/overall_score_window.h"
#include "ui/players_statistics_window.h"
#include "ui/qt_text.h"
#include "ui/records_grid.h"
#include "ui/records_links.h"

namespace dravicor::test {
namespace {

std::string Cut(std::string text, size_t width) {
    text.resize(width, ' ');
    return text;
}
std::string LogLine(const std::string& time, const std::string& name, const std::string& player, bool won,
                    const std::string& score) {
    return "20240131 " + time + " 000075 0001 " + Cut(name, 50) + " " + Cut(player, 30) + " " +
           (won ? "Won  " : "Lost ") + "01 " + Cut(score, 6) + " " + Cut("4711", 15) + " 0350\r\n";
}

// A grid's row as "a|b|c".
QString RowOf(const QTableWidget& grid, int row) {
    QStringList cells;
    for (int column = 0; column < grid.columnCount(); ++column) cells << GridCell(grid, row, column);
    return cells.join(u'|');
}

using RecordsWindows = StatisticsFixture;

// Which rows a filter keeps, newest first, is the log rows' business.
TEST_F(RecordsWindows, LogShowsTheNewestDealFirstAndFollowsItsFilters) {
    WriteFile(dir / "DATA" / "STAT_LOG.DAT",
              LogLine("08:00:00", "FreeCell", "Ann", true, "120") + LogLine("09:30:00", "FreeCell", "Bob", false, "-52") +
                  LogLine("10:00:00", nameOf(otherGame), "Ann", false, "7"));
    TfrmLogStatistics window(program, "Ann", "FreeCell");
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Log statistics"));
    QTableWidget& grid = window.grid();
    ASSERT_EQ(grid.rowCount(), 1);
    EXPECT_EQ(RowOf(grid, 0).section(u'|', 1),
              QStringLiteral("08:00|0:01:15|FreeCell|Won|120|Ann|4711|0"));
    EXPECT_EQ(GridCell(grid, 0, 0), ShortDateText("20240131"));

    auto* players = window.findChild<QComboBox*>(QStringLiteral("cboPlayer"));
    auto* games = window.findChild<QComboBox*>(QStringLiteral("cboGame"));
    EXPECT_EQ(players->itemText(0), QStringLiteral("[All players]"));
    EXPECT_EQ(games->itemText(0), QStringLiteral("[All games]"));
    players->setCurrentIndex(0);
    games->setCurrentIndex(0);
    ASSERT_EQ(grid.rowCount(), 3);
    EXPECT_EQ(GridCell(grid, 0, 5), QStringLiteral("7"));
    EXPECT_EQ(GridCell(grid, 2, 5), QStringLiteral("120"));
}

TEST_F(RecordsWindows, HiScoresSeedAnEmptyTableAndClearIt) {
    program.settings().put(Field::SoundsHiScores, "Y");
    TfrmHiScore window(program, HiScoreMode::Browse, -1, {}, kFreeCell);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Hi-Scores [FreeCell]"));
    QTableWidget& grid = window.grid();
    ASSERT_EQ(grid.rowCount(), 20);
    // FreeCell's table is scaled to its 52 cards, five seconds a point.
    EXPECT_EQ(GridCell(grid, 0, 0), QStringLiteral("01"));
    EXPECT_EQ(GridCell(grid, 0, 2), QStringLiteral("52"));
    EXPECT_EQ(GridCell(grid, 0, 3), QStringLiteral("0:04:20"));
    EXPECT_EQ(GridCell(grid, 0, 4), QStringLiteral("Won "));
    EXPECT_TRUE(GridCell(grid, 0, 1).startsWith(QStringLiteral("* ")));
    EXPECT_EQ(GridCell(grid, 19, 2), QStringLiteral("2"));
    EXPECT_EQ(window.games().currentItem()->text(), QStringLiteral("FreeCell"));

    window.show();
    ASSERT_EQ(fake.sounds.size(), 1u);
    EXPECT_EQ(fake.sounds[0].file, "Hi-Scor.wav");

    ASSERT_TRUE(window.mnuClearScoresClick());
    EXPECT_EQ(fake.questions.at(0).text, "Are you sure you want to clear Hi-Scores\rfor all players and all games?");
    EXPECT_EQ(RowOf(grid, 0), QStringLiteral("01||||||"));
    EXPECT_EQ(RowOf(grid, 19), QStringLiteral("20||||||"));
    window.close();
}

TEST_F(RecordsWindows, HiScoresOfANewEntryShowTheComplimentUntilAnotherGameIsChosen) {
    HiScoreDeal deal;
    deal.gameCode = kFreeCell;
    deal.player = "Ann";
    deal.end = {"20240131", "23:59:58", 200};
    deal.score = 44;
    deal.gameNumber = "4711";
    deal.won = true;
    const int place = UpdateHiScores(program.dataFiles(), fake, deal, 52, OverallCatalogueSize(program));
    ASSERT_EQ(place, 2);  // between 45 and 40

    TfrmHiScore window(program, HiScoreMode::NewEntry, place, HiScoreCompliment("FreeCell"), -1);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Compliments! You entered the FreeCell Hi-Scores!"));
    EXPECT_EQ(RowOf(window.grid(), 2).section(u'|', 0, 4), QStringLiteral("03|Ann|44|0:03:20|Won "));
    EXPECT_EQ(window.grid().currentRow(), 2);
    window.games().setCurrentRow(window.games().currentRow() == 0 ? 1 : 0);
    EXPECT_NE(window.gameCode(), kFreeCell);
    EXPECT_EQ(window.windowTitle(), ToQString(HiScoreTitle(nameOf(window.gameCode()))));
}

TEST_F(RecordsWindows, HiScoresWithNoGameCurrentShowAnEmptyTableAndWriteNothing) {
    program.settings().put(Field::CurrentGame, "-001");
    TfrmHiScore window(program, HiScoreMode::Browse, -1, {}, -1);
    EXPECT_EQ(RowOf(window.grid(), 0), QStringLiteral("01||||||"));
    EXPECT_FALSE(std::filesystem::exists(dir / "DATA" / "STAT_SCR.DAT"));
}

TEST_F(RecordsWindows, OverallScoreRanksPlayersAndShowsTheirDetails) {
    DataFiles& files = program.dataFiles();
    const int size = OverallCatalogueSize(program);
    ASSERT_TRUE(UpdateOverallScore(files, fake, kFreeCell, "Ann", 300, 120, size));
    ASSERT_TRUE(UpdateOverallScore(files, fake, kFreeCell, "Bob", 250, 120, size));
    ASSERT_TRUE(UpdateOverallScore(files, fake, otherGame, "Cid", 90, 100, size));

    TfrmOverallScore window(program);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Overall score"));
    QTableWidget& grid = window.grid();
    ASSERT_EQ(grid.rowCount(), 10);
    // Equal scores: the shorter time first.
    EXPECT_EQ(RowOf(grid, 0), QStringLiteral("1|Bob|120|250"));
    EXPECT_EQ(RowOf(grid, 1), QStringLiteral("2|Ann|120|300"));
    EXPECT_EQ(RowOf(grid, 2), QStringLiteral("3|Cid|100|90"));
    EXPECT_EQ(RowOf(grid, 3), QStringLiteral("|||"));
    EXPECT_FALSE(window.findChild<QPushButton*>(QStringLiteral("btnPublish"))->isEnabled());

    TfrmOverallDetails details(program, "Ann");
    EXPECT_EQ(details.windowTitle(), QStringLiteral("Overall score details [Ann]"));
    QTableWidget& rows = details.grid();
    int freeCellRow = -1;
    for (int row = 0; row < rows.rowCount(); ++row) {
        if (GridCell(rows, row, 0) == QStringLiteral("FreeCell")) freeCellRow = row;
        else EXPECT_EQ(GridCell(rows, row, 1), QString()) << row;
    }
    ASSERT_GE(freeCellRow, 0);
    EXPECT_EQ(RowOf(rows, freeCellRow), QStringLiteral("FreeCell|120|300|"));

    ASSERT_TRUE(window.mnuClearHiScoresClick());
    EXPECT_TRUE(window.ranking().empty());
    EXPECT_EQ(RowOf(grid, 0), QStringLiteral("|||"));
}

TEST_F(RecordsWindows, AllGamesShowsEveryGameOfThePlayer) {
    writeStatistics("[0001]\r\nAnn=000001 000002 000004 000005 000000 000003 000000000090 000000000000\r\n");
    TfrmAllGamesStatistics window(program, "Ann");
    QTableWidget& grid = window.grid();
    EXPECT_EQ(grid.rowCount(), static_cast<int>(ListedGameCodes(program.gameList()).size()));
    int freeCellRow = -1;
    int otherRow = -1;
    for (int row = 0; row < grid.rowCount(); ++row) {
        if (GridCell(grid, row, 0) == QStringLiteral("FreeCell")) freeCellRow = row;
        if (GridCell(grid, row, 0) == ToQString(nameOf(otherGame))) otherRow = row;
    }
    ASSERT_GE(freeCellRow, 0);
    ASSERT_GE(otherRow, 0);
    EXPECT_EQ(RowOf(grid, freeCellRow), QStringLiteral("FreeCell|1|2|34 %"));
    EXPECT_EQ(RowOf(grid, otherRow).section(u'|', 1), QStringLiteral("0|0|0"));
    // What each kind of values holds is the rows' business; the window shows the kind chosen.
    window.choose(AllGamesValues::Series);
    EXPECT_EQ(RowOf(grid, freeCellRow), QStringLiteral("FreeCell|4|5|3 lost"));

    // Bob never played.
    window.findChild<QComboBox*>(QStringLiteral("cboPlayer"))->setCurrentText(QStringLiteral("Bob"));
    window.choose(AllGamesValues::Total);
    EXPECT_EQ(RowOf(grid, freeCellRow), QStringLiteral("FreeCell|0|0|0"));
}

TEST_F(RecordsWindows, PlayersChartShowsOnlyTheFiveBest) {
    WriteFile(dir / "DATA" / "CFG.DAT",
              "[Users]\r\nUser001=Ann\r\nUser002=Bob\r\nUser003=Cid\r\nUser004=Dee\r\nUser005=Eve\r\nUser006=Fay\r\n"
              "User007=Gus\r\n[Preference]\r\nUserDefault=Ann\r\nGame=1\r\n");
    auto line = [](const char* player, const char* won, const char* lost, const char* score) {
        return std::string(player) + "=000" + won + " 000" + lost + " 000000 000000 000000 000000 " + score +
               " 000000000000\r\n";
    };
    writeStatistics("[0001]\r\n" + line("Ann", "001", "002", "000000000030") + line("Bob", "003", "001", "000000000400") +
                    line("Dee", "001", "001", "-00000000100") + line("Eve", "009", "001", "000000000050") +
                    line("Fay", "001", "001", "000000000200") + line("Gus", "001", "003", "000000000040"));
    TfrmPlayersStatistics window(program, kFreeCell);
    auto* chart = dynamic_cast<PlayersBarChart*>(window.chart());
    ASSERT_NE(chart, nullptr);
    auto barsOf = [chart] {
        QStringList bars;
        for (const QBarSet* set : chart->series().barSets()) {
            bars << set->label() + '=' + QString::number(set->at(0));
        }
        return bars.join(u' ');
    };
    // Cid never played: 0, and out of the five.
    EXPECT_EQ(barsOf(), QStringLiteral("Eve=90 Bob=76 Fay=50 Dee=50 Ann=34"));
    const QList<QBarSet*> sets = chart->series().barSets();
    EXPECT_EQ(sets[0]->color(), QColor(Qt::blue));
    EXPECT_EQ(sets[4]->color(), QColor(Qt::white));
    EXPECT_EQ(chart->valueAxis().min(), 0);

    window.choose(PlayerValueKind::AverageScore);
    EXPECT_EQ(barsOf(), QStringLiteral("Fay=100 Bob=100 Gus=10 Ann=10 Eve=5"));
    EXPECT_EQ(chart->valueAxis().min(), -75);  // Dee's -50, times 1.5
}

TEST_F(RecordsWindows, ClearStatisticsAsksClearsAndSaysSo) {
    writeStatistics("[0001]\r\nAnn=000001 000002 000004 000005 000000 000003 000000000090 000000000000\r\n"
                    "Bob=000001 000000 000001 000000 000001 000000 000000000030 000000000000\r\n");
    program.settings().put(Field::RunWon, "0001");
    TfrmClearStatistics dialog(program, "Ann", kFreeCell);
    EXPECT_EQ(dialog.choice().player, "Ann");
    EXPECT_EQ(dialog.choice().gameName, "FreeCell");
    EXPECT_EQ(dialog.findChild<QComboBox*>(QStringLiteral("cboPlayer"))->itemText(0), QStringLiteral("[All players]"));

    fake.answers.push_back(Answer::No);
    EXPECT_FALSE(dialog.btnOKClick());
    EXPECT_EQ(ReadStatistics(program.dataFiles(), program.settings(), kFreeCell, "Ann").record.won, 1);

    // The question, the message and the session are the clearing's business.
    ASSERT_TRUE(dialog.btnOKClick());
    EXPECT_EQ(ReadStatistics(program.dataFiles(), program.settings(), kFreeCell, "Ann").record, StatRecord{});
    EXPECT_EQ(ReadStatistics(program.dataFiles(), program.settings(), kFreeCell, "Bob").record.won, 1);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(RecordsWindows, TheStatisticsWindowFollowsEveryRecordsLink) {
    const StatisticsLinks links = RecordsWindowLinks(program, nullptr);
    for (const StatisticsLink link : {StatisticsLink::OverallScore, StatisticsLink::AllGames,
                                      StatisticsLink::PlayersStatistics, StatisticsLink::GameLog,
                                      StatisticsLink::HiScores, StatisticsLink::ClearStatistics}) {
        EXPECT_TRUE(static_cast<bool>(links.handler(link))) << static_cast<int>(link);
    }
    EXPECT_FALSE(static_cast<bool>(links.handler(StatisticsLink::Help)));
    // The log opens with the statistics window's player and game.
    TfrmStatistics statistics(program, "Ann", kFreeCell, links);
    CloseWhenShown(QStringLiteral("TfrmLogStatistics"), [](QWidget& window) {
        EXPECT_EQ(window.findChild<QComboBox*>(QStringLiteral("cboPlayer"))->currentText(), QStringLiteral("Ann"));
        EXPECT_EQ(window.findChild<QComboBox*>(QStringLiteral("cboGame"))->currentText(), QStringLiteral("FreeCell"));
    });
    statistics.findChild<QPushButton*>(QStringLiteral("btnLogStatistics"))->click();
}

}  // namespace
}  // namespace dravicor::test
