#include <gtest/gtest.h>

#include <QImage>
#include <QTest>

#include "ui/main_window.h"
#include "ui/table_widget.h"

namespace dravicor::test {
namespace {

void ExpectTableGreen(const QImage& image, int x, int y) {
    SCOPED_TRACE(testing::Message() << "pixel (" << x << ',' << y << ')');
    const QRgb pixel = image.pixel(x, y);
    EXPECT_EQ(qRed(pixel), 0);
    EXPECT_EQ(qGreen(pixel), 96);
    EXPECT_EQ(qBlue(pixel), 0);
    EXPECT_EQ(qAlpha(pixel), 255);
}

TEST(MainWindow, IsTitledWithTheProductName) {
    TfrmMain window;
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Dravicor"));
}

TEST(MainWindow, OpensAt800By600) {
    TfrmMain window;
    EXPECT_EQ(window.size(), QSize(800, 600));
}

TEST(MainWindow, TheShownTableIsGreenEverywhere) {
    TfrmMain window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    const QImage image = window.table().grab().toImage();
    ASSERT_GT(image.width(), 100);
    ASSERT_GT(image.height(), 100);
    const int right = image.width() - 1;
    const int bottom = image.height() - 1;
    ExpectTableGreen(image, image.width() / 2, image.height() / 2);
    ExpectTableGreen(image, 0, 0);
    ExpectTableGreen(image, right, 0);
    ExpectTableGreen(image, 0, bottom);
    ExpectTableGreen(image, right, bottom);
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

TEST(MainWindow, ClosesWhenAsked) {
    auto window = std::make_unique<TfrmMain>();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(window->isVisible());
    window.reset();  // the table goes with its window
}

}  // namespace
}  // namespace dravicor::test
