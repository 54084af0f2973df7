#include "ui/statistics_charts.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QLegend>
#include <QPieSeries>
#include <QPieSlice>
#include <QValueAxis>

#include "ui/qt_text.h"

namespace dravicor {

namespace {

// A chart that sits in a dialog like any other control: no frame, no
// background of its own, no animation to wait for.
QChart* PlainChart() {
    auto* chart = new QChart;
    chart->setBackgroundVisible(false);
    chart->setMargins(QMargins(0, 0, 0, 0));
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setVisible(false);
    return chart;
}

void MakePlain(QChartView& view) {
    view.setRenderHint(QPainter::Antialiasing);
    view.setFrameShape(QFrame::NoFrame);
    view.setStyleSheet(QStringLiteral("background: transparent"));
}

}  // namespace

ResultsPieChart::ResultsPieChart(QWidget* parent) : QChartView(PlainChart(), parent), series_(new QPieSeries) {
    MakePlain(*this);
    for (size_t i = 0; i < 2; ++i) {
        auto* slice = new QPieSlice;
        slice->setColor(ChartColour(i));
        series_->append(slice);
    }
    series_->setPieSize(0.9);
    chart()->addSeries(series_);
    setMinimumSize(120, 120);
}

void ResultsPieChart::setSlices(const std::array<ChartValue, 2>& slices) {
    const QList<QPieSlice*> shown = series_->slices();
    for (size_t i = 0; i < slices.size(); ++i) {
        QPieSlice* slice = shown[static_cast<qsizetype>(i)];
        slice->setLabel(ToQString(slices[i].label));
        slice->setValue(static_cast<qreal>(slices[i].value));
    }
    // The border parts two slices; a pie of one colour (or none) would still
    // draw it as a line from the centre.
    const bool parted = slices[0].value > 0 && slices[1].value > 0;
    for (QPieSlice* slice : shown) slice->setBorderColor(parted ? QColor(Qt::white) : QColor(Qt::transparent));
}

StreakBarChart::StreakBarChart(QWidget* parent)
    : QChartView(PlainChart(), parent), series_(new QBarSeries), axis_(new QValueAxis) {
    MakePlain(*this);
    for (size_t i = 0; i < 2; ++i) {
        auto* bar = new QBarSet(QString());
        bar->setColor(ChartColour(i));
        bar->setBorderColor(ChartColour(i));
        bar->append(0);
        series_->append(bar);
    }
    series_->setBarWidth(0.6);
    series_->setLabelsVisible(true);
    series_->setLabelsPosition(QAbstractBarSeries::LabelsInsideEnd);
    chart()->addSeries(series_);

    // One category, not shown: the two bars stand side by side.
    auto* categories = new QBarCategoryAxis;
    categories->append(QStringLiteral("streaks"));
    chart()->addAxis(categories, Qt::AlignBottom);
    series_->attachAxis(categories);
    categories->setVisible(false);

    axis_->setLabelFormat(QStringLiteral("%d"));
    chart()->addAxis(axis_, Qt::AlignLeft);
    series_->attachAxis(axis_);
    setMinimumSize(180, 140);
}

void StreakBarChart::setBars(const std::array<ChartValue, 2>& bars, const ChartAxis& axis) {
    const QList<QBarSet*> sets = series_->barSets();
    for (size_t i = 0; i < bars.size(); ++i) {
        QBarSet* set = sets[static_cast<qsizetype>(i)];
        set->setLabel(ToQString(bars[i].label));
        set->replace(0, static_cast<qreal>(bars[i].value));
    }
    axis_->setRange(0, static_cast<qreal>(axis.top));
    axis_->setTickCount(axis.tickCount);
}

PlayersBarChart::PlayersBarChart(QWidget* parent)
    : QChartView(new QChart, parent), series_(new QBarSeries), axis_(new QValueAxis) {
    setRenderHint(QPainter::Antialiasing);
    chart()->setAnimationOptions(QChart::NoAnimation);
    chart()->addSeries(series_);
    auto* categories = new QBarCategoryAxis;
    categories->append(QString());
    chart()->addAxis(categories, Qt::AlignBottom);
    series_->attachAxis(categories);
    axis_->setLabelFormat(QStringLiteral("%d"));
    chart()->addAxis(axis_, Qt::AlignLeft);
    series_->attachAxis(axis_);
    chart()->legend()->setAlignment(Qt::AlignRight);
}

void PlayersBarChart::showPlayers(const PlayersChart& shown, int tickCount) {
    series_->clear();
    for (size_t rank = 0; rank < shown.bars.size(); ++rank) {
        auto* set = new QBarSet(ToQString(shown.bars[rank].player));
        set->append(static_cast<qreal>(shown.bars[rank].value));
        set->setColor(PlayerBarColour(rank));
        set->setBorderColor(Qt::black);
        series_->append(set);
    }
    axis_->setRange(static_cast<qreal>(shown.axisLow), static_cast<qreal>(shown.axisHigh));
    axis_->setTickCount(tickCount);
}

}  // namespace dravicor
