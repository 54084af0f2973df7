#pragma once

#include <string_view>
#include <vector>

#include <QDialog>

#include "stats/statistics_choices.h"
#include "stats/statistics_views.h"

class QComboBox;

namespace dravicor {

class Program;

// "Clear statistics": one player or all, one game or all; OK asks before
// clearing and closes the dialog when the statistics were cleared.
class TfrmClearStatistics final : public QDialog {
    Q_OBJECT

public:
    TfrmClearStatistics(Program& program, std::string_view player, int gameCode, QWidget* parent = nullptr);

    ClearStatisticsChoice choice() const;
    // Asks and clears; true (and the dialog accepted) when cleared.
    bool btnOKClick();

private:
    Program& program_;
    std::vector<GameChoice> games_;
    QComboBox* cboPlayer_ = nullptr;
    QComboBox* cboGame_ = nullptr;
};

// True when the statistics were cleared.
bool ShowClearStatistics(Program& program, std::string_view player, int gameCode, QWidget* parent);

}  // namespace dravicor
