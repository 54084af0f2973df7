#pragma once

#include "picture_set.h"

namespace dravicor::resources {

// For each card size ("B", "M", "P"): the empty-pile markers "W" + size +
// 001 to 020 and 022, the shadows "SHADOW_" + size + 1 and 2 (white shows
// the table) and the borders "3D_BORDER_" + size + 1 and 2 (pure blue shows
// the card).
void AddCardMarkers(PictureSet& pictures);

}  // namespace dravicor::resources
