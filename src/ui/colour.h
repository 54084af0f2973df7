#pragma once

#include <cstdint>

#include <QColor>

namespace dravicor {

// Colours are stored in the preferences as Win32 COLORREF numbers,
// 0x00BBGGRR: red in the low byte, blue in the third.
using ColourRef = std::uint32_t;

// The table's colour when the preferences name none.
inline constexpr ColourRef kDefaultTableColour = 24576;  // 0x006000, a dark green

// Like GetRValue/GetGValue/GetBValue, the top byte is ignored: values with
// the top bit set name system colours, which need the palette, not this.
inline QColor ColourFromRef(ColourRef ref) {
    return QColor(static_cast<int>(ref & 0xFF), static_cast<int>((ref >> 8) & 0xFF),
                  static_cast<int>((ref >> 16) & 0xFF));
}

}  // namespace dravicor
