#pragma once

#include <functional>
#include <string>
#include <string_view>

#include <QDialog>

class QComboBox;
class QTableWidget;

namespace dravicor {

class Program;

// "Log statistics": the finished deals, newest first, of one player or all
// ("[All players]") and one game or all ("[All games]"). Read-only.
class TfrmLogStatistics final : public QDialog {
    Q_OBJECT

public:
    // `help`, when given, is what "&?" opens; without it the button is disabled.
    TfrmLogStatistics(Program& program, std::string_view player, std::string_view gameName,
                      std::function<void()> help = {}, QWidget* parent = nullptr);

    // Reads the log again for the chosen filters.
    void refresh();
    QTableWidget& grid() const { return *grdLog_; }

private:
    void FormCreate();
    void fillChoices(std::string_view player, std::string_view gameName);

    Program& program_;
    std::function<void()> help_;
    QComboBox* cboPlayer_ = nullptr;
    QComboBox* cboGame_ = nullptr;
    QTableWidget* grdLog_ = nullptr;
};

void ShowGameLog(Program& program, std::string_view player, std::string_view gameName, QWidget* parent);

}  // namespace dravicor
