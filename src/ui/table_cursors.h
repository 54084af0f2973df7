#pragma once

#include <array>
#include <optional>
#include <string_view>

#include <QCursor>

namespace dravicor {

class ResourceLibrary;

// The names of the table's pointer cursors in the resource library, in the
// order of their numbers: 10 to 14 point, 20 to 24 are the same five while
// cards are dragged.
inline constexpr std::array<std::string_view, 10> kTableCursorNames = {
    "CUR_ARROW1A", "CUR_ARROW2A", "CUR_HAND1A", "CUR_HAND2A", "CUR_CROSS1A",
    "CUR_ARROW1B", "CUR_ARROW2B", "CUR_HAND1B", "CUR_HAND2B", "CUR_CROSS1B"};

inline constexpr int kFirstPointingCursor = 10;
inline constexpr int kDefaultPointingCursor = 11;
// A dragging cursor's number is its pointing cursor's plus this.
inline constexpr int kDraggingCursorOffset = 10;

// The pointing cursor the settings field chose (10 to 14). A stored 0 and
// anything else that names no cursor count as the default, 11.
int ChosenCursorNumber(std::string_view field);

// The ten cursors, loaded once from the resource library. A cursor the
// library lacks is Qt's nearest own shape.
class TableCursors {
public:
    explicit TableCursors(const ResourceLibrary* library);

    // The cursor of a number 10-14 or 20-24; the default arrow for any other.
    QCursor cursor(int number) const;
    // Whether the library had the cursor of that number.
    bool fromLibrary(int number) const;

private:
    static std::optional<std::size_t> indexOf(int number);
    std::array<std::optional<QCursor>, kTableCursorNames.size()> loaded_;
};

}  // namespace dravicor
