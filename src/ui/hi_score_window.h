#pragma once

#include <string>
#include <vector>

#include <QDialog>

#include "stats/hi_score_view.h"
#include "stats/statistics_choices.h"

class QListWidget;
class QTableWidget;

namespace dravicor {

class Program;

// The hi-score table of one game (for the current scoring system), with
// every game listed on the right to switch to. An empty table is seeded
// when it is shown, as reading it does. Its pop-up menu clears all tables.
class TfrmHiScore final : public QDialog {
    Q_OBJECT

public:
    // `placeIndex` (0-19, or -1) is the row selected; a non-empty `message`
    // is the first title; `gameCode` -1 means the current game.
    TfrmHiScore(Program& program, HiScoreMode mode, int placeIndex, std::string message, int gameCode,
                QWidget* parent = nullptr);

    int gameCode() const { return gameCode_; }
    // Reads the table of the chosen game again.
    void refresh();
    QTableWidget& grid() const { return *grdScores_; }
    QListWidget& games() const { return *lsbGames_; }

    // Asks, clears all tables and shows the empty one; true when cleared.
    bool mnuClearScoresClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    void lsbGamesChange();

    Program& program_;
    HiScoreMode mode_;
    int placeIndex_;
    std::string message_;
    int gameCode_;
    bool sounded_ = false;
    std::vector<GameChoice> choices_;
    QTableWidget* grdScores_ = nullptr;
    QListWidget* lsbGames_ = nullptr;
};

// Opens the window modally.
void ShowHiScores(Program& program, HiScoreMode mode, int placeIndex, const std::string& message, int gameCode,
                  QWidget* parent);
// After a command that ended a deal: shows the table of the deal's game,
// opened at the place the deal took, when it took one the front end has not
// announced yet and the player wants to see it; true when it was shown.
bool ShowNewHiScore(Program& program, QWidget* parent);

}  // namespace dravicor
