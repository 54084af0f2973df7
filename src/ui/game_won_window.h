#pragma once

#include <functional>

#include <QDialog>

#include "stats/statistics_figures.h"
#include "ui/statistics_window.h"

class QBoxLayout;
class QPushButton;

namespace dravicor {

class Program;
class ResultsGroup;

// What the player chose after a won deal. NewGame and RestartGame are for
// the caller to carry out (a new deal of the current game; the same deal
// again); OpenGame and SelectGame mean that a new deal was already started
// from the dialog of that name; Cancel leaves the table as it is.
enum class GameWonChoice { NewGame, RestartGame, OpenGame, SelectGame, Cancel };

struct GameWonLinks {
    // Open the open-game dialog and the game-number dialog; true when a new
    // deal was started there, which closes this window. Without them their
    // buttons are disabled.
    std::function<bool()> openGame;
    std::function<bool()> selectGame;
    // For the statistics window opened from this one.
    StatisticsLinks statistics;
};

// "Game won": the current player's totals of the current game, as recorded
// after the deal, with the pie of won against lost, and the ways on.
class TfrmGameWon final : public QDialog {
    Q_OBJECT

public:
    explicit TfrmGameWon(Program& program, GameWonLinks links = {}, QWidget* parent = nullptr);

    GameWonChoice choice() const { return choice_; }
    // Reads the totals again.
    void refresh();

private:
    void FormCreate();
    QPushButton* addButton(QBoxLayout* column, const char* objectName, const char* caption);
    void choose(GameWonChoice choice);
    void btnOpenClick(const std::function<bool()>& open, GameWonChoice choice);
    void btnStatisticsClick();

    Program& program_;
    GameWonLinks links_;
    StatisticsTexts texts_;
    GameWonChoice choice_ = GameWonChoice::Cancel;
    ResultsGroup* grpTotal_ = nullptr;
};

// Shows the window modally and returns what was chosen.
GameWonChoice ShowGameWon(Program& program, const GameWonLinks& links, QWidget* parent);

}  // namespace dravicor
