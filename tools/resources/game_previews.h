#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "picture_set.h"

namespace dravicor::resources {

// "GAME" + the code as four digits: the opening deal of game number 1 of
// every listed game, its piles at their table places as small cards, on the
// table green (the colour of the top-left pixel, which the dialog makes
// transparent). Games that cannot be dealt are named in `problems`.
void AddGamePreviews(PictureSet& pictures, const std::filesystem::path& catalogue,
                     std::vector<std::string>& problems);

// The name of a game's preview.
std::string GamePreviewName(int code);

}  // namespace dravicor::resources
