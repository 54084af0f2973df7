#pragma once

#include <QPixmap>

namespace dravicor {

inline constexpr int kSplashWidth = 420;
inline constexpr int kSplashHeight = 260;

// The picture of the splash window shown while the program comes up: a
// fan of cards on the green table and the product's name.
QPixmap DrawSplashPicture();

}  // namespace dravicor
