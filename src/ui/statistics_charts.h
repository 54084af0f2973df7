#pragma once

#include <array>

#include <QChartView>

#include "stats/statistics_figures.h"

class QBarSeries;
class QLabel;
class QPieSeries;
class QValueAxis;

namespace dravicor {

// The charts of the statistics windows. They draw what the core worked out
// (StatisticsSheet) and nothing else; the won side is green and the lost
// side red in both. They have no legends of their own: too small to hold
// one, they leave it to a colour swatch beside the figures' captions.

// The colour of slice or bar 0 (won) and 1 (lost).
QColor ChartColour(size_t index);
// A small square of a chart's colour, for the side of a caption.
QLabel* NewChartSwatch(size_t index, QWidget* parent);

// A pie of the deals won against the deals lost.
class ResultsPieChart final : public QChartView {
    Q_OBJECT

public:
    explicit ResultsPieChart(QWidget* parent = nullptr);

    // Slice 0 is won, slice 1 lost.
    void setSlices(const std::array<ChartValue, 2>& slices);
    QPieSeries& series() const { return *series_; }

private:
    QPieSeries* series_;  // owned by the chart
};

// Two bars: the longest win streak and the longest loss streak.
class StreakBarChart final : public QChartView {
    Q_OBJECT

public:
    explicit StreakBarChart(QWidget* parent = nullptr);

    // Bar 0 is the win streak, bar 1 the loss streak.
    void setBars(const std::array<ChartValue, 2>& bars, const ChartAxis& axis);
    QBarSeries& series() const { return *series_; }
    QValueAxis& valueAxis() const { return *axis_; }

private:
    QBarSeries* series_;  // owned by the chart
    QValueAxis* axis_;    // owned by the chart
};

}  // namespace dravicor
