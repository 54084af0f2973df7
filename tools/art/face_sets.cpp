#include "face_sets.h"

namespace dravicor::art {

namespace {

// Five French-suited decks with full court cards that stay legible at 71 x 96;
// set 3, also drawn at 59 x 80, has the largest corner indices.
constexpr FaceSetInfo kDeckSets[] = {
    {1, "svg-standard", "Standard"},
    {2, "svg-gm-paris", "Paris"},
    {3, "svg-nicu-white", "Nicu White"},
    {4, "svg-tigullio-international", "Tigullio International"},
    {5, "svg-dondorf", "Dondorf"},
};

constexpr DrawnFaceSetInfo kDrawnSets[] = {
    {6, "Large index", SuitColours::Two},
    {7, "Large index, four colours", SuitColours::Four},
};

}  // namespace

std::span<const FaceSetInfo> DeckFaceSets() { return kDeckSets; }

std::span<const DrawnFaceSetInfo> DrawnFaceSets() { return kDrawnSets; }

}  // namespace dravicor::art
