#pragma once

#include <string_view>

#include "common/settings_record.h"
#include "shell/background_plan.h"

namespace dravicor {

// The high-contrast table, for players who see the cards poorly: a plain
// near-black table whatever background is chosen (demo mode included), and
// a thick focus frame around the focused card or pile. The preference
// Table_HighContrast ("Y"/"N", off unless set) mirrored in the record.
inline constexpr std::string_view kHighContrastPreference = "Table_HighContrast";
inline constexpr ColourRef kHighContrastBackgroundColour = 0x101010;

inline bool HighContrastTable(const SettingsRecord& settings) { return settings.isYes(Field::TableHighContrast); }

}  // namespace dravicor
