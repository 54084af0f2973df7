#pragma once

#include <QChartView>

#include "ui/chart_maker.h"

class QBarSeries;
class QPieSeries;
class QValueAxis;

namespace dravicor {

// The charts of the statistics windows, the one part of the program drawn
// with Qt Charts: built as the module dravicor-charts (and as a static
// plugin for the tests). They draw what the core worked out (StatisticsSheet,
// PlayersChart) and nothing else; the won side is green and the lost side
// red in the pie and the streak bars. Those two have no legends of their
// own: too small to hold one, they leave it to a colour swatch beside the
// figures' captions.

// A pie of the deals won against the deals lost.
class ResultsPieChart final : public QChartView, public ResultsPieView {
    Q_OBJECT

public:
    explicit ResultsPieChart(QWidget* parent = nullptr);

    QWidget* widget() override { return this; }
    void setSlices(const std::array<ChartValue, 2>& slices) override;
    QPieSeries& series() const { return *series_; }

private:
    QPieSeries* series_;  // owned by the chart
};

// Two bars: the longest win streak and the longest loss streak.
class StreakBarChart final : public QChartView, public StreakBarsView {
    Q_OBJECT

public:
    explicit StreakBarChart(QWidget* parent = nullptr);

    QWidget* widget() override { return this; }
    void setBars(const std::array<ChartValue, 2>& bars, const ChartAxis& axis) override;
    QBarSeries& series() const { return *series_; }
    QValueAxis& valueAxis() const { return *axis_; }

private:
    QBarSeries* series_;  // owned by the chart
    QValueAxis* axis_;    // owned by the chart
};

// The five best players of a game as bars, each its own colour
// (PlayerBarColour) and named in the legend.
class PlayersBarChart final : public QChartView, public PlayersBarsView {
    Q_OBJECT

public:
    explicit PlayersBarChart(QWidget* parent = nullptr);

    QWidget* widget() override { return this; }
    void showPlayers(const PlayersChart& shown, int tickCount) override;
    QBarSeries& series() const { return *series_; }
    QValueAxis& valueAxis() const { return *axis_; }

private:
    QBarSeries* series_;  // owned by the chart
    QValueAxis* axis_;    // owned by the chart
};

// What the module hands out.
class DravicorChartMaker final : public QObject, public ChartMaker {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID DRAVICOR_CHART_MAKER_IID)
    Q_INTERFACES(dravicor::ChartMaker)

public:
    ResultsPieView* newResultsPie(QWidget* parent) override { return new ResultsPieChart(parent); }
    StreakBarsView* newStreakBars(QWidget* parent) override { return new StreakBarChart(parent); }
    PlayersBarsView* newPlayersBars(QWidget* parent) override { return new PlayersBarChart(parent); }
};

}  // namespace dravicor
