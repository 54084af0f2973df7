#pragma once

#include <string_view>

#include <QPixmap>

namespace dravicor {

// The pictures of the one-time information boxes: "Color" (the colour
// warning) and "640x480" (the small-screen warning). A null pixmap for any
// other name, so that the box keeps its plain information icon.
QPixmap OptOutPicture(std::string_view name);

}  // namespace dravicor
