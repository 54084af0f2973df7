#pragma once

#include "picture_set.h"

namespace dravicor::resources {

// The icons of the open-game tree, 16 x 16 on dark red (colour 128), the
// colour the tree's icon list masks out: folders closed and open, marked by
// the kind of group, the game leaves and the family icons.
void AddTreeIcons(PictureSet& pictures);

}  // namespace dravicor::resources
