#include "select/type_ahead.h"

#include <algorithm>

#include "common/text.h"

namespace dravicor {

namespace {

bool StartsWith(std::string_view caption, std::string_view prefix) {
    return caption.size() >= prefix.size() && EqualsNoCase(caption.substr(0, prefix.size()), prefix);
}

// The first row from `from` on, wrapping round, whose caption starts with the prefix.
std::optional<std::size_t> FindFrom(const std::vector<std::string>& rows, std::size_t from, std::string_view prefix) {
    for (std::size_t step = 0; step < rows.size(); ++step) {
        const std::size_t row = (from + step) % rows.size();
        if (StartsWith(rows[row], prefix)) return row;
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::size_t> TypeAhead::type(std::string_view text, const std::vector<std::string>& rows,
                                           std::optional<std::size_t> current, Clock::time_point now) {
    if (text.empty() || rows.empty()) return std::nullopt;
    if (now - last_ > kPause) typed_.clear();
    last_ = now;
    typed_ += text;

    const bool oneLetterRepeated =
        typed_.size() > 1 && std::all_of(typed_.begin(), typed_.end(), [&](char c) {
            return EqualsNoCase(std::string_view(&c, 1), std::string_view(typed_.data(), 1));
        });
    const std::size_t here = current && *current < rows.size() ? *current : 0;
    if (oneLetterRepeated) {
        // Step to the next row with that letter; the longer prefix would match nothing.
        return FindFrom(rows, current ? here + 1 : 0, std::string_view(typed_.data(), 1));
    }
    if (typed_.size() == 1) {
        // A fresh letter starts after the current row, so it never stays put.
        return FindFrom(rows, current ? here + 1 : 0, typed_);
    }
    return FindFrom(rows, here, typed_);
}

}  // namespace dravicor
