#pragma once

#include <array>
#include <string>
#include <string_view>

namespace dravicor {

class ProfileFile;

// The tips of the "Tip of the Day" window, numbered from 1.
inline constexpr int kTipCount = 19;
std::string_view TipText(int number);
// The page number shown with a tip: "01" to "19".
std::string TipPage(int number);

// The next and the previous tip, wrapping around at both ends.
int NextTip(int number);
int PreviousTip(int number);

// What the window shows and remembers: the tip on screen and the state of
// "Show tips at startup".
struct TipState {
    int number = 1;
    bool showAtStartup = false;

    bool operator==(const TipState&) const = default;
};

// The tip after the one shown last (Tips_Num), the first one when that was
// the last or the stored number makes no sense; the startup box as
// Tips_StartUp says.
TipState OpenTips(const ProfileFile& config);
// Remembers the tip shown and the startup choice. May raise
// ProfileWriteError.
void CloseTips(ProfileFile& config, const TipState& state);
// Whether the window opens when the program starts (Tips_StartUp not "N").
bool TipsAtStartup(const ProfileFile& config);

}  // namespace dravicor
