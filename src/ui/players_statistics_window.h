#pragma once

#include <vector>

#include <QChartView>
#include <QDialog>

#include "stats/statistics_choices.h"
#include "stats/statistics_views.h"

class QBarSeries;
class QButtonGroup;
class QListWidget;
class QValueAxis;

namespace dravicor {

class Program;

// The five best players of a game as bars, each its own colour and named in
// the legend: blue, yellow, red, green and white from the highest down.
class PlayersBarChart final : public QChartView {
    Q_OBJECT

public:
    explicit PlayersBarChart(QWidget* parent = nullptr);

    void showPlayers(const PlayersChart& shown);
    QBarSeries& series() const { return *series_; }
    QValueAxis& valueAxis() const { return *axis_; }

private:
    QBarSeries* series_;  // owned by the chart
    QValueAxis* axis_;    // owned by the chart
};
QColor PlayerBarColour(size_t rank);

// "Players statistics": every game on the left, and the five best players
// of the chosen one by share won or by average score.
class TfrmPlayersStatistics final : public QDialog {
    Q_OBJECT

public:
    TfrmPlayersStatistics(Program& program, int gameCode, QWidget* parent = nullptr);

    void choose(PlayerValueKind kind);
    void chooseGame(int gameCode);
    // Reads the statistics of every player again.
    void refresh();
    const PlayersChart& shown() const { return shown_; }
    PlayersBarChart& chart() const { return *chtPlayers_; }

private:
    void FormCreate();

    Program& program_;
    std::vector<GameChoice> games_;
    int gameCode_;
    PlayersChart shown_;
    QListWidget* lsbGames_ = nullptr;
    QButtonGroup* rbtValues_ = nullptr;
    PlayersBarChart* chtPlayers_ = nullptr;
};

void ShowPlayersStatistics(Program& program, int gameCode, QWidget* parent);

}  // namespace dravicor
