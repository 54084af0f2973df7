#pragma once

#include <string_view>
#include <vector>

#include <QDialog>

#include "stats/statistics_choices.h"
#include "stats/statistics_views.h"

class QButtonGroup;
class QComboBox;
class QTableWidget;

namespace dravicor {

class Program;

// "All games statistics": one player's totals, session counters or series
// for every game, one row each.
class TfrmAllGamesStatistics final : public QDialog {
    Q_OBJECT

public:
    TfrmAllGamesStatistics(Program& program, std::string_view player, QWidget* parent = nullptr);

    void choose(AllGamesValues values);
    // Reads the statistics again for the chosen player and values.
    void refresh();
    QTableWidget& grid() const { return *grdGames_; }

private:
    void FormCreate();

    Program& program_;
    std::vector<GameChoice> games_;
    QComboBox* cboPlayer_ = nullptr;
    QButtonGroup* rbtValues_ = nullptr;
    QTableWidget* grdGames_ = nullptr;
};

void ShowAllGamesStatistics(Program& program, std::string_view player, QWidget* parent);

}  // namespace dravicor
