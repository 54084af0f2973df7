#pragma once

#include <string_view>

namespace dravicor {

// The program's name, the caption of its message boxes.
inline constexpr std::string_view kProductName = "Dravicor";

}  // namespace dravicor
