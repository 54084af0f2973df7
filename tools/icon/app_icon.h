#pragma once

#include <string>

#include <QImage>

namespace dravicor {

// The application icon: a fan of three cards on a rounded square of green
// felt. Drawn as SVG, the scalable icon of the desktop's icon theme; the
// fixed sizes are rendered from that same SVG, so they always agree.
inline constexpr int kAppIconViewBox = 256;

std::string AppIconSvg();

// The icon rendered at side x side pixels, transparent around the felt;
// a null image when the SVG does not render.
QImage RenderAppIcon(const std::string& svg, int side);

}  // namespace dravicor
