#include "ui/startup_clock.h"

#include <charconv>
#include <ctime>
#include <fstream>
#include <string>

#include <unistd.h>

namespace dravicor {

namespace {

// Fields after the command name up to the start time: state (3) ... starttime (22).
constexpr int kFieldsToStartTime = 22 - 3;

std::optional<std::chrono::nanoseconds> SinceBoot() {
    timespec now{};
    if (clock_gettime(CLOCK_BOOTTIME, &now) != 0) return std::nullopt;
    return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
}

std::optional<std::chrono::nanoseconds> ProcessStartSinceBoot() {
    std::ifstream stat("/proc/self/stat");
    std::string line;
    if (!std::getline(stat, line)) return std::nullopt;
    const auto ticks = ProcessStartTicks(line);
    const long perSecond = sysconf(_SC_CLK_TCK);
    if (!ticks || perSecond <= 0) return std::nullopt;
    return std::chrono::nanoseconds(*ticks * (1'000'000'000LL / perSecond));
}

}  // namespace

std::optional<long long> ProcessStartTicks(std::string_view statLine) {
    // The command name is the only field that may hold blanks; it ends at
    // the last ')'.
    const auto nameEnd = statLine.rfind(')');
    if (nameEnd == std::string_view::npos) return std::nullopt;
    std::string_view rest = statLine.substr(nameEnd + 1);
    for (int field = 0; field <= kFieldsToStartTime; ++field) {
        const auto start = rest.find_first_not_of(' ');
        if (start == std::string_view::npos) return std::nullopt;
        rest.remove_prefix(start);
        const auto end = std::min(rest.find(' '), rest.size());
        if (field == kFieldsToStartTime) {
            long long ticks = 0;
            const auto [next, error] = std::from_chars(rest.data(), rest.data() + end, ticks);
            if (error != std::errc{} || next != rest.data() + end || ticks < 0) return std::nullopt;
            return ticks;
        }
        rest.remove_prefix(end);
    }
    return std::nullopt;
}

StartupClock::StartupClock() : mainEntered_(std::chrono::steady_clock::now()) {
    const auto started = ProcessStartSinceBoot();
    const auto now = SinceBoot();
    // A start in the future or an hour ago is no start of this run: the
    // two clocks disagree, and main's own entry is the better guess.
    if (started && now && *started <= *now && *now - *started < std::chrono::hours(1)) processStart_ = *started;
    atMain_ = elapsed();
}

void StartupClock::mark(std::string_view phase) { marks_.emplace_back(std::string(phase), elapsed()); }

std::string StartupClock::report() const {
    std::string text = "process " + std::to_string(atMain_.count()) + "\n";
    std::chrono::milliseconds last = atMain_;
    for (const auto& [phase, at] : marks_) {
        text += phase + ' ' + std::to_string((at - last).count()) + '\n';
        last = at;
    }
    return text + "total " + std::to_string(last.count()) + '\n';
}

std::chrono::milliseconds StartupClock::elapsed() const {
    if (processStart_) {
        if (const auto now = SinceBoot())
            return std::chrono::duration_cast<std::chrono::milliseconds>(*now - *processStart_);
    }
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - mainEntered_);
}

}  // namespace dravicor
