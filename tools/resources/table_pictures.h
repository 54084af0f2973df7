#pragma once

#include "picture_set.h"

namespace dravicor::resources {

// Pictures drawn on or beside the table: the pause screen's two pictures
// (on green 32768, their transparent colour), the poker games' score panel
// and the card counter's suit and cell pictures.
void AddTablePictures(PictureSet& pictures);

}  // namespace dravicor::resources
