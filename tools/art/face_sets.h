// The face sets: which deck of /usr/share/carddecks draws each set number,
// and the sets the generator draws itself.
#pragma once

#include <span>

namespace dravicor::art {

struct FaceSetInfo {
    int number;
    const char* deckFolder;  // below the decks folder
    const char* name;
};

// Sets 1 to 5, rendered from the decks.
std::span<const FaceSetInfo> DeckFaceSets();

// The set offered in the medium size too.
inline constexpr int kMediumFaceSet = 3;

// How many inks the suits are printed in: red hearts and diamonds with
// black clubs and spades, or each suit its own (diamonds blue, clubs green).
enum class SuitColours { Two, Four };

struct DrawnFaceSetInfo {
    int number;
    const char* name;
    SuitColours colours;
};

// The large-index sets, drawn in every card size.
std::span<const DrawnFaceSetInfo> DrawnFaceSets();

}  // namespace dravicor::art
