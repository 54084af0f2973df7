#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace dravicor {

class SettingsRecord;

// A colour as the preferences store it, the Windows COLORREF 0x00BBGGRR:
// red in the low byte, blue in the third. With the top bit set it names a
// system colour by its index instead (the button face is 0x8000000F).
using ColourRef = std::uint32_t;

inline constexpr ColourRef kDefaultBackgroundColour = 24576;      // dark green
inline constexpr ColourRef kFewColoursBackgroundColour = 32768;   // a green every 256-colour palette has
// Background pictures from this number on are drawn once at the top-left
// corner; lower numbers are tiles.
inline constexpr int kFirstWholeBackgroundPicture = 500;
// The table of demo mode.
inline constexpr const char* kDemoBackgroundPicture = "Y001";

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Rgb&) const = default;
};

inline constexpr bool IsSystemColour(ColourRef colour) { return (colour & 0x80000000u) != 0; }
// The channels of a plain colour; the top byte is ignored.
inline constexpr Rgb RgbOf(ColourRef colour) {
    return {static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
            static_cast<int>((colour >> 16) & 0xFF)};
}

// How the table background is made, decided from the settings alone so
// that the picture can be rebuilt only when this changes.
enum class BackgroundKind {
    Plain,  // colour everywhere
    Faded,  // colour fading to black towards the bottom
    Tiled,  // picture repeated from the top-left corner
    Whole,  // picture once at the top-left corner
};

struct BackgroundPlan {
    BackgroundKind kind = BackgroundKind::Plain;
    // Plain and Faded: the colour. Tiled and Whole: what shows where the
    // picture does not (a missing file, or beyond a whole picture).
    ColourRef colour = kDefaultBackgroundColour;
    std::string picture;  // Tiled and Whole: the file name without ".bmp"
    bool operator==(const BackgroundPlan&) const = default;
};

// fewColours: the display shows 256 colours or fewer, where neither the
// dark green nor a fade can be shown faithfully. The high-contrast table
// (high_contrast.h) is plain dark whatever else the record says.
BackgroundPlan PlanTableBackground(const SettingsRecord& settings, bool demoMode, bool fewColours);

// a * b / d rounded to the nearest integer, halves to the even neighbour.
// d must not be 0.
long long MulDiv(long long a, long long b, long long d);

// The fade is 256 horizontal bands counted from the bottom of the area:
// band 0 black at the bottom, band 255 reaching row 0 in almost the full
// colour. A band covers rows top <= y < bottom and is empty when the area
// is lower than 256 rows and the rounding gives it no row.
inline constexpr int kFadeBandCount = 256;

struct FadeBand {
    int top = 0;
    int bottom = 0;
    Rgb colour;
    bool operator==(const FadeBand&) const = default;
};

FadeBand FadeBandOf(int band, int areaHeight, Rgb colour);
std::array<FadeBand, kFadeBandCount> FadeBands(int areaHeight, Rgb colour);

}  // namespace dravicor
