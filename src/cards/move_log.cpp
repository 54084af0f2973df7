#include "cards/move_log.h"

#include <algorithm>

namespace dravicor {

namespace {
// The log without the terminator of its last entry.
std::string_view Body(const std::string& text) {
    std::string_view body = text;
    if (!body.empty() && body.back() == ',') body.remove_suffix(1);
    return body;
}
}  // namespace

int MoveLog::entryCount() const { return static_cast<int>(std::count(text_.begin(), text_.end(), ',')); }

void MoveLog::push(std::string_view entry) {
    text_ += entry;
    text_ += ',';
}

std::string_view MoveLog::last() const {
    const std::string_view body = Body(text_);
    const size_t comma = body.rfind(',');
    return comma == std::string_view::npos ? body : body.substr(comma + 1);
}

std::string MoveLog::pop() {
    if (text_.empty()) return {};
    const size_t comma = Body(text_).rfind(',');
    std::string entry(last());
    text_.resize(comma == std::string_view::npos ? 0 : comma + 1);
    return entry;
}

}  // namespace dravicor
