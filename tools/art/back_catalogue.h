// The card backs offered in the appearance dialog: number, name, folder.
#pragma once

#include <span>

namespace dravicor::art {

struct BackInfo {
    int number;
    const char* name;
    const char* folder;
};

// Backs 1 to 27, in number order.
std::span<const BackInfo> CardBacks();

}  // namespace dravicor::art
