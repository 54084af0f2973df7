#pragma once

#include <string>
#include <string_view>

namespace dravicor {

// The log of undo steps: one entry per step, each terminated by ",". An
// entry is empty or holds the three-digit codes a special game attached to
// the step ("", "012", "012034"). The redo log has the same form.
class MoveLog {
public:
    MoveLog() = default;
    explicit MoveLog(std::string text) : text_(std::move(text)) {}

    const std::string& text() const { return text_; }
    bool empty() const { return text_.empty(); }
    int entryCount() const;

    // Adds an entry for a new step.
    void push(std::string_view entry);
    // Removes the last entry and returns it (empty when there is none).
    std::string pop();
    // The last entry, or the empty string.
    std::string_view last() const;
    void clear() { text_.clear(); }

    friend bool operator==(const MoveLog&, const MoveLog&) = default;

private:
    std::string text_;
};

}  // namespace dravicor
