#pragma once

#include <optional>

#include "common/geometry.h"
#include "engine/card_counter.h"

namespace dravicor {

class ProfileFile;

// What the configuration file keeps of the card counter: its options, and
// whether and where its window is shown.
struct CardCounterPreferences {
    CardCounterOptions options;
    bool visible = false;
    int left = -1;
    int top = -1;

    // Where the window goes: the stored place when both coordinates are at
    // least 1; otherwise the system places it.
    std::optional<Point> storedPlace() const;

    friend bool operator==(const CardCounterPreferences&, const CardCounterPreferences&) = default;
};

// Reads the six CardCounter_ keys of the [Preference] section, with their
// defaults for missing keys. Stock only wins over tableau only.
CardCounterPreferences LoadCardCounterPreferences(const ProfileFile& config);
// Writes all six in one rewrite of the file. May raise ProfileWriteError.
void SaveCardCounterPreferences(ProfileFile& config, const CardCounterPreferences& preferences);

}  // namespace dravicor
