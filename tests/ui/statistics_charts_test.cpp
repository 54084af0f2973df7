#include "ui/statistics_charts.h"

#include <gtest/gtest.h>

#include <QPieSeries>
#include <QPieSlice>
#include <QPluginLoader>

namespace dravicor::test {
namespace {

TEST(StatisticsCharts, OnlyAPieOfTwoPartsDrawsTheBorderBetweenThem) {
    ResultsPieChart pie;
    const QList<QPieSlice*> slices = pie.series().slices();
    ASSERT_EQ(slices.size(), 2);
    auto borders = [&] { return QString::number(slices[0]->borderColor().alpha()) + '/' +
                                QString::number(slices[1]->borderColor().alpha()); };

    pie.setSlices({ChartValue{"Won", 1}, ChartValue{"Lost", 2}});
    EXPECT_EQ(borders(), QStringLiteral("255/255"));
    EXPECT_EQ(slices[0]->borderColor(), QColor(Qt::white));
    // One colour fills the pie: a border would show as a line from the centre.
    pie.setSlices({ChartValue{"Won", 5}, ChartValue{"Lost", 0}});
    EXPECT_EQ(borders(), QStringLiteral("0/0"));
    pie.setSlices({ChartValue{"Won", 0}, ChartValue{"Lost", 0}});
    EXPECT_EQ(borders(), QStringLiteral("0/0"));
    EXPECT_EQ(slices[0]->color(), ChartColour(0));
    EXPECT_EQ(slices[1]->color(), ChartColour(1));
    EXPECT_NE(ChartColour(0), ChartColour(1));
}

TEST(StatisticsCharts, TheBuiltModuleHandsOutTheCharts) {
    // The module the desktop program loads at its first chart (the tests
    // have the same code linked in).
    QPluginLoader loader(QStringLiteral(DRAVICOR_BUILT_PROGRAM_DIR "dravicor-charts.so"));
    auto* maker = qobject_cast<ChartMaker*>(loader.instance());
    ASSERT_NE(maker, nullptr) << loader.errorString().toStdString();
    QWidget parent;
    ResultsPieView* pie = maker->newResultsPie(&parent);
    ASSERT_NE(pie, nullptr);
    EXPECT_EQ(pie->widget()->parent(), &parent);
    EXPECT_NE(LoadChartMaker(), nullptr);
}

}  // namespace
}  // namespace dravicor::test
