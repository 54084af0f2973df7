#pragma once

#include <vector>

#include <QDialog>

#include "stats/statistics_choices.h"
#include "stats/statistics_views.h"

class QButtonGroup;
class QListWidget;

namespace dravicor {

class PlayersBarsView;
class Program;

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
    // Nothing when the charts module is missing.
    PlayersBarsView* chart() const { return chtPlayers_; }

private:
    void FormCreate();

    Program& program_;
    std::vector<GameChoice> games_;
    int gameCode_;
    PlayersChart shown_;
    QListWidget* lsbGames_ = nullptr;
    QButtonGroup* rbtValues_ = nullptr;
    PlayersBarsView* chtPlayers_ = nullptr;
};

void ShowPlayersStatistics(Program& program, int gameCode, QWidget* parent);

}  // namespace dravicor
