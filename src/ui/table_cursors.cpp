#include "ui/table_cursors.h"

#include <charconv>

#include "ui/resource_library.h"

namespace dravicor {

namespace {
constexpr std::size_t kSetSize = kTableCursorNames.size() / 2;
constexpr int kFirstDraggingCursor = kFirstPointingCursor + kDraggingCursorOffset;
}  // namespace

int ChosenCursorNumber(std::string_view field) {
    while (!field.empty() && field.front() == ' ') field.remove_prefix(1);
    while (!field.empty() && field.back() == ' ') field.remove_suffix(1);
    int number = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), number);
    const bool named = error == std::errc{} && end == field.data() + field.size() &&
                       number >= kFirstPointingCursor && number < kFirstPointingCursor + int(kSetSize);
    return named ? number : kDefaultPointingCursor;
}

TableCursors::TableCursors(const ResourceLibrary* library) {
    if (library == nullptr) return;
    for (std::size_t i = 0; i < kTableCursorNames.size(); ++i) loaded_[i] = library->LoadNamedCursor(kTableCursorNames[i]);
}

std::optional<std::size_t> TableCursors::indexOf(int number) {
    if (number >= kFirstPointingCursor && number < kFirstPointingCursor + int(kSetSize))
        return std::size_t(number - kFirstPointingCursor);
    if (number >= kFirstDraggingCursor && number < kFirstDraggingCursor + int(kSetSize))
        return kSetSize + std::size_t(number - kFirstDraggingCursor);
    return std::nullopt;
}

bool TableCursors::fromLibrary(int number) const {
    const auto index = indexOf(number);
    return index && loaded_[*index].has_value();
}

QCursor TableCursors::cursor(int number) const {
    const auto index = indexOf(number);
    if (index && loaded_[*index]) return *loaded_[*index];
    // Without the library's picture: the shape closest to the set's look.
    if (!index) return QCursor(Qt::ArrowCursor);
    const bool dragging = *index >= kSetSize;
    switch (*index % kSetSize) {
        case 2: return QCursor(dragging ? Qt::ClosedHandCursor : Qt::PointingHandCursor);
        case 3: return QCursor(dragging ? Qt::ClosedHandCursor : Qt::OpenHandCursor);
        case 4: return QCursor(Qt::CrossCursor);
        default: return QCursor(dragging ? Qt::DragMoveCursor : Qt::ArrowCursor);
    }
}

}  // namespace dravicor
