#pragma once

#include "picture_set.h"

namespace dravicor::resources {

// The ten table cursors (the "A" set while pointing, the "B" set while a
// card is dragged) and the five pictures of the cursor choice, drawn on
// pure green, the colour the choice list masks out.
void AddCursors(PictureSet& pictures);

}  // namespace dravicor::resources
