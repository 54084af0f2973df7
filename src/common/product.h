#pragma once

#include <string_view>

namespace dravicor {

// The program's name, the caption of its message boxes.
inline constexpr std::string_view kProductName = "Dravicor";

// The program's pages on the web: news of new versions, and the list that
// announces them.
inline constexpr std::string_view kUpdatePage = "https://www.dravicor.example/update";
inline constexpr std::string_view kMailingListPage = "https://www.dravicor.example/announce";

}  // namespace dravicor
