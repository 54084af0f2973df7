// The face sets: which deck of /usr/share/carddecks draws each set number.
#pragma once

#include <span>

namespace dravicor::art {

struct FaceSetInfo {
    int number;
    const char* deckFolder;  // below the decks folder
    const char* name;
};

// Sets 1 to 5.
std::span<const FaceSetInfo> FaceSets();

// The set offered in the medium size too.
inline constexpr int kMediumFaceSet = 3;

}  // namespace dravicor::art
