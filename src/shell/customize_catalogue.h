#pragma once

#include <array>
#include <span>
#include <string_view>

#include "common/settings_record.h"
#include "shell/background_plan.h"

namespace dravicor {

// What the customize dialog offers, in the order it lists it.

// The face-set samples: set number (3 digits) and size letter. Sets 006 and
// 007 have large corner indices, 007 in four colours (diamonds blue, clubs
// green); both come in the medium size too.
inline constexpr std::array<std::string_view, 10> kFaceSetCodes = {"001B", "002B", "003B", "004B", "005B",
                                                                   "003M", "006B", "007B", "006M", "007M"};
// Small cards always come with this back.
inline constexpr std::string_view kSmallCardBack = "006";

struct CardBackEntry {
    std::string_view folder;
    std::string_view name;
    int number;
};
// Grouped by folder, folders and names in alphabetical order.
std::span<const CardBackEntry> CardBackChoices();

// Background keys: 0 a folder (the default background), 1 the custom
// colour, 2 to 1000 a picture number, above 1000 a fixed colour's value.
inline constexpr int kCustomColourKey = 1;
inline constexpr int kLastPictureKey = 1000;

struct BackgroundEntry {
    std::string_view group;   // "Colors", "Over 256 colors", "Under 256 colors"
    std::string_view folder;  // empty for the entries right under the group
    std::string_view name;
    long long key;
};
// Grouped by group and folder in display order.
std::span<const BackgroundEntry> BackgroundChoices();
// The caption of a key, empty when no entry has it.
std::string_view BackgroundNameOf(long long key);

struct SoundEventEntry {
    std::string_view preference;
    FieldSpec field;
    std::string_view previewEvent;  // the sound the preview button plays
    std::string_view caption;       // the list's text
};
inline constexpr int kSoundEventCount = 18;
std::span<const SoundEventEntry, kSoundEventCount> SoundEventChoices();

struct CursorEntry {
    int code;
    std::string_view picture;
};
inline constexpr std::array<CursorEntry, 5> kCursorChoices = {{
    {10, "CUR_ARROW1"},
    {11, "CUR_ARROW2"},
    {12, "CUR_CROSS"},
    {13, "CUR_HAND1"},
    {14, "CUR_HAND2"},
}};

}  // namespace dravicor
