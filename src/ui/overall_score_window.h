#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QDialog>

#include "stats/overall_score.h"

class QTableWidget;

namespace dravicor {

class Program;

// What "Publish on Internet..." does with the selected player's totals;
// without it the button is disabled.
using PublishOverallScores = std::function<void(const OverallRank& player)>;

// "Overall score": the players ranked by the sum of their best deals of
// every game. A file that fails its checks is deleted on reading (with its
// message) and the grid stays empty.
class TfrmOverallScore final : public QDialog {
    Q_OBJECT

public:
    explicit TfrmOverallScore(Program& program, PublishOverallScores publish = {}, QWidget* parent = nullptr);

    const std::vector<OverallRank>& ranking() const { return ranking_; }
    QTableWidget& grid() const { return *grdScores_; }
    // Reads the ranking again.
    void refresh();
    // Opens the details of the selected row's player; false when no player is selected.
    bool btnDetailsClick();
    // Publishes the selected row's player; false (with the beep) when no
    // player is selected.
    bool btnPublishClick();
    // Asks, clears the hi-scores (and with them the overall scores) and
    // shows the empty ranking; true when cleared.
    bool mnuClearHiScoresClick();

private:
    void FormCreate();

    Program& program_;
    PublishOverallScores publish_;
    std::vector<OverallRank> ranking_;
    QTableWidget* grdScores_ = nullptr;
};

// "Overall score details [player]": the player's best deal of every game
// of the catalogue.
class TfrmOverallDetails final : public QDialog {
    Q_OBJECT

public:
    TfrmOverallDetails(Program& program, const std::string& player, QWidget* parent = nullptr);

    QTableWidget& grid() const { return *grdDetails_; }

private:
    QTableWidget* grdDetails_ = nullptr;
};

// The number of games the totals are kept for (the catalogue's size).
int OverallCatalogueSize(const Program& program);

void ShowOverallScore(Program& program, const PublishOverallScores& publish, QWidget* parent);

}  // namespace dravicor
