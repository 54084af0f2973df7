#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "picture_set.h"

namespace dravicor::resources {

// The PNG text keys that carry a cursor's hot spot.
inline constexpr const char* kHotSpotX = "HotSpotX";
inline constexpr const char* kHotSpotY = "HotSpotY";

// Writes every picture as NAME.png into the folder and the resource
// collection file `kvr.qrc` beside them, each entry under its name alone,
// for rcc to pack. Returns the names that could not be written.
std::vector<std::string> WriteLibrarySources(const std::filesystem::path& folder, const PictureSet& pictures);

}  // namespace dravicor::resources
