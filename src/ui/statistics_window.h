#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include <QDialog>

#include "stats/statistics_choices.h"
#include "stats/statistics_figures.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace dravicor {

class Program;
class ResultsGroup;
class StreakBarsView;

// The windows the statistics window leads to. Each is opened by whoever
// owns it, through a handler; a link without a handler is shown disabled.
enum class StatisticsLink { OverallScore, AllGames, PlayersStatistics, GameLog, HiScores, Help, ClearStatistics };
inline constexpr size_t kStatisticsLinkCount = 7;

// The player and game the statistics window shows when a link is followed.
// For GameLog an unchosen player or game is "[All players]" or "[All games]".
struct StatisticsChoice {
    std::string player;
    int gameCode = -1;
    std::string gameName;
};
using StatisticsLinkHandler = std::function<void(const StatisticsChoice&)>;

class StatisticsLinks {
public:
    void set(StatisticsLink link, StatisticsLinkHandler handler) {
        handlers_[static_cast<size_t>(link)] = std::move(handler);
    }
    // Empty when the link has no handler.
    const StatisticsLinkHandler& handler(StatisticsLink link) const { return handlers_[static_cast<size_t>(link)]; }

private:
    std::array<StatisticsLinkHandler, kStatisticsLinkCount> handlers_;
};

// "Statistics [game]": one player's record of one game, chosen with the
// "&Player:" and "&Game:" boxes. The groups "Total " (with the pie of won
// against lost), "Current session " (the run counters, for the current
// player and game only) and "Series " (the longest streaks as bars and the
// streak running now). The window reads the data files afresh whenever the
// choice changes and after every link it followed; it never writes them.
class TfrmStatistics final : public QDialog {
    Q_OBJECT

public:
    TfrmStatistics(Program& program, std::string_view player, int gameCode, StatisticsLinks links = {},
                   QWidget* parent = nullptr);

    const StatisticsChoice& choice() const { return choice_; }
    // Reads the record of the chosen player and game again.
    void refresh();

private:
    void FormCreate();
    QWidget* buildChoiceRow();
    QGroupBox* buildSeriesGroup();
    QLayout* buildButtons();
    QPushButton* addLinkButton(QLayout* column, const char* objectName, const char* caption, StatisticsLink link);
    void fillChoices(std::string_view player);
    void cboPlayerChange();
    void cboGameChange();
    void follow(StatisticsLink link);

    Program& program_;
    StatisticsLinks links_;
    StatisticsTexts texts_;
    StatisticsChoice choice_;
    std::vector<GameChoice> games_;

    QComboBox* cboPlayer_ = nullptr;
    QComboBox* cboGame_ = nullptr;
    ResultsGroup* grpTotal_ = nullptr;
    ResultsGroup* grpSession_ = nullptr;
    QGroupBox* grpSeries_ = nullptr;
    QLabel* lblBestWon_ = nullptr;
    QLabel* lblWorstLost_ = nullptr;
    QLabel* lblCurrent_ = nullptr;
    QLabel* lblHintsUsed_ = nullptr;
    StreakBarsView* chtSeries_ = nullptr;
};

// Shows the window modally.
void ShowStatistics(Program& program, std::string_view player, int gameCode, const StatisticsLinks& links,
                    QWidget* parent);

}  // namespace dravicor
