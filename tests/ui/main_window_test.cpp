#include <gtest/gtest.h>

#include <QImage>
#include <QTest>

#include "ui/main_window.h"
#include "ui/table_widget.h"

namespace dravicor::test {
namespace {

void ExpectTableGreen(const QImage& image, int x, int y) {
    SCOPED_TRACE(testing::Message() << "pixel (" << x << ',' << y << ')');
    EXPECT_EQ(image.pixel(x, y), qRgba(0, 96, 0, 255));
}

// Its caption and closing are the chrome tests' business.
TEST(MainWindow, OpensAt800By600WithTheTableGreenEverywhere) {
    TfrmMain window;
    EXPECT_EQ(window.size(), QSize(800, 600));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QImage image = window.table().grab().toImage();
    ASSERT_GT(image.width(), 100);
    ASSERT_GT(image.height(), 100);
    for (const auto& [x, y] : {std::pair{image.width() / 2, image.height() / 2}, std::pair{0, 0},
                               std::pair{image.width() - 1, 0}, std::pair{0, image.height() - 1},
                               std::pair{image.width() - 1, image.height() - 1}}) {
        ExpectTableGreen(image, x, y);
    }
}

TEST(MainWindow, TableIsPaintedAtAnySize) {
    TableWidget table;
    table.resize(37, 23);
    const QImage image = table.grab().toImage();
    ASSERT_EQ(image.size(), QSize(37, 23));
    ExpectTableGreen(image, 0, 0);
    ExpectTableGreen(image, 18, 11);
    ExpectTableGreen(image, 36, 22);
}

}  // namespace
}  // namespace dravicor::test
