#pragma once

#include "picture_set.h"

namespace dravicor::resources {

// The toolbar's autoplay, undo and redo buttons, each enabled and
// disabled, and the player list's delete button up and pressed.
void AddToolbarPictures(PictureSet& pictures);

}  // namespace dravicor::resources
