#pragma once

#include <chrono>

namespace dravicor {

// The game clock's start moved forward past a pause, so that the time spent
// paused never counts: the clock resumes at the elapsed time it showed when
// the pause began.
constexpr std::chrono::system_clock::time_point ClockStartAfterPause(
    std::chrono::system_clock::time_point clockStart, std::chrono::system_clock::time_point pauseStart,
    std::chrono::system_clock::time_point now) {
    return now - (pauseStart - clockStart);
}

}  // namespace dravicor
