#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "ui/qt_platform.h"

namespace dravicor::test {
namespace {

using namespace std::chrono_literals;

// Runs the event loop until the condition holds or two seconds pass.
bool WaitUntil(const std::function<bool()>& condition) {
    QElapsedTimer elapsed;
    elapsed.start();
    while (!condition()) {
        if (elapsed.elapsed() > 2000) return false;
        QTest::qWait(5);
    }
    return true;
}

TEST(QtPlatformTimers, AOneShotTimerFiresOnceUnlessStoppedOrItsPlatformEnds) {
    int fired = 0, stopped = 0, orphaned = 0;
    {
        QtPlatform ending;
        ending.start(10ms, true, [&] { ++orphaned; });
    }
    QtPlatform platform;
    platform.start(20ms, false, [&] { ++fired; });
    platform.stop(platform.start(30ms, false, [&] { ++stopped; }));
    EXPECT_EQ(fired, 0);  // not before the event loop runs
    ASSERT_TRUE(WaitUntil([&] { return fired > 0; }));
    QTest::qWait(100);
    EXPECT_EQ(fired, 1);
    EXPECT_EQ(stopped, 0);
    EXPECT_EQ(orphaned, 0);
}

TEST(QtPlatformTimers, PeriodicTimersRepeatUntilStoppedEachByItsOwnId) {
    QtPlatform platform;
    int first = 0, second = 0, selfStopping = 0;
    const Timers::Id a = platform.start(10ms, true, [&] { ++first; });
    const Timers::Id b = platform.start(10ms, true, [&] { ++second; });
    Timers::Id c = 0;
    c = platform.start(5ms, true, [&] {
        if (++selfStopping == 2) platform.stop(c);
    });
    EXPECT_NE(a, b);
    EXPECT_NE(b, c);
    ASSERT_TRUE(WaitUntil([&] { return first >= 3 && second >= 3; }));
    platform.stop(a);
    const int whenStopped = first;
    QTest::qWait(100);
    EXPECT_EQ(first, whenStopped);
    EXPECT_GT(second, whenStopped) << "only the timer of that id stopped";
    EXPECT_EQ(selfStopping, 2) << "a periodic timer can stop itself";
    platform.stop(b);
}

TEST(QtPlatformTimers, OneShotCallbackCanStartTheNextTimer) {
    QtPlatform platform;
    std::vector<int> order;
    platform.start(5ms, false, [&] {
        order.push_back(1);
        platform.start(5ms, false, [&] { order.push_back(2); });
    });
    ASSERT_TRUE(WaitUntil([&] { return order.size() >= 2; }));
    QTest::qWait(50);
    EXPECT_EQ(order, (std::vector{1, 2}));
}

TEST(QtPlatformClock, PauseWaitsAtLeastItsDurationAndKeepsEventsFlowing) {
    QtPlatform platform;
    bool eventHandled = false;
    QTimer::singleShot(10, [&] { eventHandled = true; });
    const auto started = std::chrono::steady_clock::now();
    platform.pause(50ms);
    const auto waited = std::chrono::steady_clock::now() - started;
    EXPECT_GE(waited, 50ms);
    EXPECT_LT(waited, 1s);
    EXPECT_TRUE(eventHandled);
}

// A click during the pause is dropped; one after it arrives.
TEST(QtPlatformClock, ClicksDuringAPauseAreDropped) {
    class Counter final : public QWidget {
    public:
        int presses = 0;

    protected:
        void mousePressEvent(QMouseEvent*) override { ++presses; }
    } widget;
    widget.resize(50, 50);
    widget.show();
    QtPlatform platform;
    QTimer::singleShot(10, [&] { QTest::mouseClick(&widget, Qt::LeftButton); });
    platform.pause(50ms);
    EXPECT_EQ(widget.presses, 0);
    QTest::mouseClick(&widget, Qt::LeftButton);
    EXPECT_EQ(widget.presses, 1);
}

}  // namespace
}  // namespace dravicor::test
