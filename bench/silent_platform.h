#pragma once

#include <ostream>

#include "cli/text_platform.h"
#include "common/platform.h"

namespace dravicor::bench {

// The text front end's platform writing to no stream: no sound, no
// messages, no waiting.
class SilentPlatform {
public:
    Platform platform() { return text_.platform(); }

private:
    std::ostream nowhere_{nullptr};
    TextPlatform text_{nowhere_, true};
};

}  // namespace dravicor::bench
