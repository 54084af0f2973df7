#pragma once

#include <array>
#include <filesystem>
#include <random>
#include <vector>

#include "shell/background_plan.h"

namespace dravicor {

class SettingsRecord;

// The fixed background colours a random background may pick, in the order
// the draw numbers them: Blue, Green, Navy, Olive, Teal, White.
inline constexpr std::array<ColourRef, 6> kFixedBackgroundColours = {16711680, 32768,   8388608,
                                                                     32896,    8421376, 16777215};
// Pictures up to this number use a 256-colour palette.
inline constexpr int kLastLowColourBackground = 256;

// What the Images folder of an installation offers to a random choice.
struct InstalledPictures {
    std::vector<int> backgrounds;  // "B" + 3 digits, ascending
    int faceSets = 0;              // big face sets 001..faceSets, each with all four sheets
    int backs = 0;                 // big backs 001..backs

    // The pictures a display of 256 colours or fewer can show.
    std::vector<int> backgroundsFor(bool fewColours) const;
};

// Lists the folder once. The random choice may only name pictures that
// exist, so face sets and backs count from 001 up to the first gap. A
// missing or unreadable folder offers nothing.
InstalledPictures ListInstalledPictures(const std::filesystem::path& imagesFolder);

// Which pictures of the table a change of the settings touched.
struct AppearanceChange {
    bool background = false;
    bool faces = false;
    bool back = false;
    bool any() const { return background || faces || back; }
    bool operator==(const AppearanceChange&) const = default;
};

// The random change of background, card faces and card back a new game
// makes when the preferences ask for it (Random_Background, Random_Card,
// Random_Deck). Faces and back change only with big cards. Writes the new
// choice into the record and says what differs from before.
AppearanceChange RandomizeAppearance(SettingsRecord& settings, const InstalledPictures& installed, bool fewColours,
                                     std::mt19937_64& random);

}  // namespace dravicor
