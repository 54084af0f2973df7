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

const QColor kWonColour(46, 139, 87);
const QColor kLostColour(192, 57, 43);

// A chart that sits in a dialog like any other control: no frame, no
// background of its own, no animation to wait for.
QChart* PlainChart() {
    auto* chart = new QChart;
    chart->setBackgroundVisible(false);
    chart->setMargins(QMargins(0, 0, 0, 0));
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setAlignment(Qt::AlignBottom);
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
    for (const QColor& colour : {kWonColour, kLostColour}) {
        auto* slice = new QPieSlice;
        slice->setColor(colour);
        slice->setBorderColor(Qt::white);
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
}

StreakBarChart::StreakBarChart(QWidget* parent)
    : QChartView(PlainChart(), parent), series_(new QBarSeries), axis_(new QValueAxis) {
    MakePlain(*this);
    for (const QColor& colour : {kWonColour, kLostColour}) {
        auto* bar = new QBarSet(QString());
        bar->setColor(colour);
        bar->setBorderColor(colour);
        bar->append(0);
        series_->append(bar);
    }
    series_->setLabelsVisible(true);
    series_->setLabelsPosition(QAbstractBarSeries::LabelsInsideEnd);
    chart()->addSeries(series_);

    // One unnamed category: the two bars stand side by side and the legend names them.
    auto* categories = new QBarCategoryAxis;
    categories->append(QString());
    categories->setGridLineVisible(false);
    chart()->addAxis(categories, Qt::AlignBottom);
    series_->attachAxis(categories);

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

}  // namespace dravicor
