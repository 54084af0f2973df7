#pragma once

#include <array>
#include <cstddef>

#include <QColor>
#include <QtPlugin>

#include "stats/statistics_figures.h"
#include "stats/statistics_views.h"

class QLabel;
class QWidget;

namespace dravicor {

// The charts of the statistics windows are drawn with Qt Charts, which the
// program does not load before the first chart is made: they live in a
// module of their own (dravicor-charts, see statistics_charts.h), and the
// windows see them through these interfaces. Each chart is a child widget
// of the parent it was made for and goes with it.

class ResultsPieView {
public:
    virtual ~ResultsPieView() = default;
    virtual QWidget* widget() = 0;
    // Slice 0 is won, slice 1 lost.
    virtual void setSlices(const std::array<ChartValue, 2>& slices) = 0;
};

class StreakBarsView {
public:
    virtual ~StreakBarsView() = default;
    virtual QWidget* widget() = 0;
    // Bar 0 is the win streak, bar 1 the loss streak.
    virtual void setBars(const std::array<ChartValue, 2>& bars, const ChartAxis& axis) = 0;
};

class PlayersBarsView {
public:
    virtual ~PlayersBarsView() = default;
    virtual QWidget* widget() = 0;
    // The value axis gets tickCount ticks (PlayersChartTicks).
    virtual void showPlayers(const PlayersChart& shown, int tickCount) = 0;
};

class ChartMaker {
public:
    virtual ~ChartMaker() = default;
    virtual ResultsPieView* newResultsPie(QWidget* parent) = 0;
    virtual StreakBarsView* newStreakBars(QWidget* parent) = 0;
    virtual PlayersBarsView* newPlayersBars(QWidget* parent) = 0;
};

// The charts module: linked in as a static plugin (the tests), else the
// file dravicor-charts.so beside the program (the build) or in the
// installation's lib/dravicor/modules; nothing when none is found, and the windows
// show their figures without charts.
ChartMaker* LoadChartMaker();

// The colour of slice or bar 0 (won) and 1 (lost) of both charts.
inline QColor ChartColour(size_t index) {
    constexpr QRgb kColours[] = {qRgb(46, 139, 87), qRgb(192, 57, 43)};
    Q_ASSERT(index < std::size(kColours));
    return QColor(kColours[index]);
}
// A small square of a chart's colour, for the side of a caption.
QLabel* NewChartSwatch(size_t index, QWidget* parent);

// The bars of the players chart, blue, yellow, red, green and white from the
// highest down.
inline QColor PlayerBarColour(size_t rank) {
    constexpr QRgb kColours[kPlayersChartBars] = {qRgb(0, 0, 255), qRgb(255, 255, 0), qRgb(255, 0, 0),
                                                  qRgb(0, 128, 0), qRgb(255, 255, 255)};
    return QColor(kColours[rank % kPlayersChartBars]);
}

}  // namespace dravicor

#define DRAVICOR_CHART_MAKER_IID "example.dravicor.ChartMaker/1"
Q_DECLARE_INTERFACE(dravicor::ChartMaker, DRAVICOR_CHART_MAKER_IID)
