#pragma once

#include "picture_set.h"

namespace dravicor::resources {

// The open-game dialog's descriptor gauges ("PROG_*") and the appearance
// dialog's option pictures (the enabled-sound mark, the shadow and the
// irregular-pile previews).
void AddDialogPictures(PictureSet& pictures);

}  // namespace dravicor::resources
