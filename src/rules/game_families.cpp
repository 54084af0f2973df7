#include "rules/game_families.h"

#include <algorithm>
#include <array>

namespace dravicor {

namespace {

constexpr std::array<GameFamily, 12> kFamilies{{
    {12, "Baker's dozen type"},
    {2, "Canfield type"},
    {11, "Fan type"},
    {3, "Forty Thieves type"},
    {4, "FreeCell type"},
    {5, "Klondike type"},
    {6, "Pairing games"},
    {13, "Row type"},
    {7, "Simple games"},
    {8, "Spider type"},
    {9, "1 deck games"},
    {10, "2 decks games"},
}};

}  // namespace

std::span<const GameFamily> GameFamilies() { return kFamilies; }

std::string_view FamilyCaption(int family) {
    const auto found = std::find_if(kFamilies.begin(), kFamilies.end(), [&](const GameFamily& f) { return f.code == family; });
    return found == kFamilies.end() ? std::string_view{} : found->caption;
}

}  // namespace dravicor
