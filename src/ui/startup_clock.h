#pragma once

#include <chrono>
#include <optional>
#include <string_view>

namespace dravicor {

// Measures how long the program took to come up, from the moment the
// process was started (so the loading of the libraries counts too).
class StartupClock {
public:
    // To be made first thing in main: the fallback when the system does not
    // say when the process started.
    StartupClock();

    // Milliseconds since the process started.
    std::chrono::milliseconds elapsed() const;

private:
    std::chrono::steady_clock::time_point mainEntered_;
    // Time since boot at which the process started, when the system said.
    std::optional<std::chrono::nanoseconds> processStart_;
};

// The start time of a process in clock ticks since boot, field 22 of a line
// of /proc/PID/stat; nothing when the line is not such a line. The command
// name in parentheses may itself hold blanks and parentheses.
std::optional<long long> ProcessStartTicks(std::string_view statLine);

}  // namespace dravicor
