#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

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

    // Ends the phase of start-up that began at the last mark (or, for the
    // first one, when main was entered) under this name.
    void mark(std::string_view phase);
    // One line per phase, "NAME MS", in the order they ended: first
    // "process" (from the start of the process to main: loading the
    // libraries), then the marked phases, last "total".
    std::string report() const;

private:
    std::chrono::steady_clock::time_point mainEntered_;
    // Time since boot at which the process started, when the system said.
    std::optional<std::chrono::nanoseconds> processStart_;
    // Milliseconds since the process started when main was entered.
    std::chrono::milliseconds atMain_{0};
    std::vector<std::pair<std::string, std::chrono::milliseconds>> marks_;
};

// The start time of a process in clock ticks since boot, field 22 of a line
// of /proc/PID/stat; nothing when the line is not such a line. The command
// name in parentheses may itself hold blanks and parentheses.
std::optional<long long> ProcessStartTicks(std::string_view statLine);

}  // namespace dravicor
