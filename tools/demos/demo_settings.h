#pragma once

#include <string_view>

#include "common/settings_record.h"

namespace dravicor {

// The player named in every demo file.
inline constexpr std::string_view kDemoPlayer = "Demo";

// Fills the record with what a first start gives (big cards of the first
// set, the default back and table colour, automatic face-up, standard
// scoring), with sounds, animations and confirmations off: the recorder
// plays quietly, and the appearance it writes into the files is the
// program's default one.
void PutDemoSettings(SettingsRecord& settings);

}  // namespace dravicor
