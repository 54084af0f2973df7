#pragma once

#include <QGroupBox>

#include "stats/statistics_figures.h"

class QLabel;

namespace dravicor {

class ResultsPieView;

// A right-aligned label wide enough for the six digits of a count.
QLabel* NewFigureLabel(QWidget* parent, const char* objectName);

// A group of the statistics windows showing deals won and lost: "Won:",
// "Lost:" and "Total:" with their counts, the shares beside won and lost
// under "Perc.:", and, when asked for, the pie of won against lost.
class ResultsGroup final : public QGroupBox {
    Q_OBJECT

public:
    ResultsGroup(const char* objectName, bool withPie, QWidget* parent = nullptr);

    void showFigures(const QString& title, const ResultFigures& figures, const std::array<ChartValue, 2>& pie);
    // Nothing without a pie (or without the charts module).
    ResultsPieView* pie() const { return pie_; }

private:
    QLabel* lblWon_;
    QLabel* lblLost_;
    QLabel* lblTotal_;
    QLabel* lblWonPercent_;
    QLabel* lblLostPercent_;
    ResultsPieView* pie_ = nullptr;
};

}  // namespace dravicor
