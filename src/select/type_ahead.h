#pragma once

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dravicor {

// Typing the first letters of a name moves to it: the letters typed within
// two seconds of each other make one prefix, matched without regard to
// letter case from the current row on, wrapping round. Typing one letter
// again and again steps through the rows that begin with it.
class TypeAhead {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::milliseconds kPause{2000};

    // The row to move to after typing `text` at `now`, or nothing when no
    // row matches (the current row stays). `rows` are the captions shown,
    // in order; `current` is the row the cursor is on.
    std::optional<std::size_t> type(std::string_view text, const std::vector<std::string>& rows,
                                    std::optional<std::size_t> current, Clock::time_point now);

    // Forgets the letters typed so far.
    void reset() { typed_.clear(); }
    const std::string& typed() const { return typed_; }

private:
    std::string typed_;
    Clock::time_point last_{};
};

}  // namespace dravicor
