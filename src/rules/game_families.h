#pragma once

#include <span>
#include <string_view>

namespace dravicor {

// The family groups of the game list (columns 1-3 of a game-list line), as
// the game tree and the help contents show them.
struct GameFamily {
    int code;
    std::string_view caption;
};

// Every family, in the order of the tree's "Game Type" folder.
std::span<const GameFamily> GameFamilies();

// The caption of a family code; empty for a code no family has.
std::string_view FamilyCaption(int family);

}  // namespace dravicor
