#include <gtest/gtest.h>

#include <QApplication>
#include <QtPlugin>

// The statistics windows make their charts through the charts module,
// linked into the tests.
Q_IMPORT_PLUGIN(DravicorChartMaker)

// Widgets need one QApplication for the whole test program. Without a
// platform chosen, the tests draw offscreen, so they run without a display.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
