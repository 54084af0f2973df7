#pragma once

#include <optional>

namespace dravicor {

class ProfileFile;

// The toolbar as the preferences keep it: ToolBar_Large (default "N"),
// ToolBar_Flat (default "Y"), ToolBar_Visible (default "Y"). Only "Y"
// turns on a flag that is off by default and only "N" turns off one that is
// on by default.
struct ToolbarPreferences {
    bool large = false;
    bool flat = true;
    bool visible = true;
};
ToolbarPreferences ReadToolbarPreferences(const ProfileFile& config);

// The size the main window had when the program last ended, kept as
// Window_Width and Window_Height in [Preference]. Nothing when not saved or
// not a size a window can have (smaller than kMinimumWindowSize or larger
// than kMaximumWindowSide).
struct WindowSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const WindowSize&, const WindowSize&) = default;
};
inline constexpr WindowSize kMinimumWindowSize{320, 240};
inline constexpr int kMaximumWindowSide = 16384;
std::optional<WindowSize> ReadWindowSize(const ProfileFile& config);
// May raise ProfileWriteError.
void WriteWindowSize(ProfileFile& config, WindowSize size);

}  // namespace dravicor
