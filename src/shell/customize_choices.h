#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/settings_record.h"
#include "shell/customize_catalogue.h"

namespace dravicor {

class ProfileFile;

// The card speed bar runs from 1 (slow) to 5 (fast); Speed_Move_Card holds
// the pause per step: 50, 25, 10, 3, 0. A stored speed between two steps
// (an edited file) shows the faster of them.
inline constexpr int kSlowestSpeedPosition = 1;
inline constexpr int kFastestSpeedPosition = 5;
int SpeedBarPosition(long long speedMoveCard);
// Positions outside 1..5 count as the nearest end.
int SpeedMoveCardOf(int barPosition);

// The row of the cursor list (0..4) for a stored cursor code; anything but
// 10..14 (a stored 0 among them) counts as 11, the table's default.
int CursorRowOf(long long storedCode);
int CursorCodeOfRow(int row);

// The background settings a node key stands for.
struct BackgroundSettings {
    std::string picture;     // Background_bmp
    bool useDefault = false;  // Background_Def
    std::int64_t colour = 0;  // Background_Col: always the custom colour
    std::int64_t fixedColour = 0;  // Background_Fixed_Col
    bool operator==(const BackgroundSettings&) const = default;
};
BackgroundSettings BackgroundSettingsOf(long long key, std::int64_t customColour);
// The node the record's background selects on entry; the custom colour when
// the record names nothing more particular.
long long BackgroundKeyOf(const SettingsRecord& settings);

// The appearance part of the record as the dialog found it; putting it back
// undoes every Apply.
class AppearanceOnEntry {
public:
    explicit AppearanceOnEntry(const SettingsRecord& settings);
    void restore(SettingsRecord& settings) const;
    std::string_view cardSize() const;

private:
    static constexpr std::array<FieldSpec, 10> kFields = {
        Field::CardSize,   Field::CardSet,          Field::FadeBackground,
        Field::CardBack,   Field::BackgroundPicture, Field::BackgroundColour,
        Field::BackgroundFixedColour, Field::BackgroundDefault, Field::PileToolTips,
        Field::TableHighContrast};
    std::array<std::string, kFields.size()> values_;
};

// Everything the controls of the customize dialog stand for.
struct CustomizeChoices {
    std::string faceCode;       // set number and size letter, e.g. "001B"
    int back = 0;               // the selected back, 0 when none is
    long long backgroundKey = kCustomColourKey;
    std::int64_t customColour = 0;
    bool fade = false;
    bool randomBackground = false;
    bool highContrast = false;  // plain dark table, thick focus frame
    bool randomCards = false;
    bool randomDecks = false;
    bool shadowed = false;
    bool animated = false;
    bool irregularPiles = false;
    bool automaticFaceUp = false;
    bool dealAnimation = false;
    bool redealAnimation = false;
    int speedPosition = 3;
    bool allSoundsOff = false;
    std::array<bool, kSoundEventCount> sounds{};
    int cursorCode = 11;
    bool operator==(const CustomizeChoices&) const = default;
};

// The choices the record holds, as the dialog shows them on entry.
CustomizeChoices ReadCustomizeChoices(const SettingsRecord& settings);

// True when OK has to warn that small cards come with their own back: the
// chosen face set is small and the cards on entry were not.
bool AsksSmallCardQuestion(std::string_view chosenFaceCode, std::string_view cardSizeOnEntry);
inline constexpr std::string_view kSmallCardQuestion =
    "You have selected the small size cards.\rYou will play using a predesignated deck set.";

// Apply: the pictures' part of the choices into the record only (face set,
// size, fade, back, background, high contrast, irregular piles).
void ApplyAppearance(SettingsRecord& settings, const CustomizeChoices& choices);

// OK: every choice into the record and into [Preference] of the
// configuration file in one rewrite. May raise ProfileWriteError, after the
// record took the choices.
void SaveCustomizeChoices(SettingsRecord& settings, ProfileFile& config, const CustomizeChoices& choices);

}  // namespace dravicor
