#include "engine/pause_clock.h"

#include <gtest/gtest.h>

#include <chrono>

namespace dravicor {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::system_clock;

TEST(ClockStartAfterPause, TwoMinutesOfPauseDoNotCount) {
    const Clock::time_point start = Clock::time_point{} + 10h;
    const Clock::time_point pauseStart = start + 3min + 20s;
    const Clock::time_point resumed = pauseStart + 2min;

    const Clock::time_point newStart = ClockStartAfterPause(start, pauseStart, resumed);
    EXPECT_EQ(resumed - newStart, 3min + 20s);
    // Play goes on from there: a minute later the game has run 4:20.
    EXPECT_EQ(resumed + 1min - newStart, 4min + 20s);

    // A second pause, of 30 seconds, is left out as well.
    const Clock::time_point laterStart = ClockStartAfterPause(newStart, resumed + 1min, resumed + 1min + 30s);
    EXPECT_EQ(resumed + 1min + 30s - laterStart, 4min + 20s);
}

}  // namespace
}  // namespace dravicor
