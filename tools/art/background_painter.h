// The table background tiles and the demo background.
#pragma once

#include <QImage>

#include "background_catalogue.h"

namespace dravicor::art {

// A seamless tile of kTileSize pixels; the low-colour backgrounds come with
// a palette of at most 256 colours.
QImage PaintBackground(const BackgroundInfo& background);

// "Y001": the table of demo mode, a deep blue tile with "DEMO" across it.
QImage PaintDemoBackground();

}  // namespace dravicor::art
