#include "shell/window_preferences.h"

#include <string>

#include "common/profile_file.h"
#include "shell/preferences.h"

namespace dravicor {

namespace {
// Only the value that is not the default changes a flag, so a damaged value
// leaves the toolbar as it comes.
bool Flag(const ProfileFile& config, std::string_view key, bool defaultValue) {
    const std::string value = config.ReadString(kPreferenceSection, key, defaultValue ? "Y" : "N");
    return defaultValue ? value != "N" : value == "Y";
}
}  // namespace

ToolbarPreferences ReadToolbarPreferences(const ProfileFile& config) {
    return {Flag(config, "ToolBar_Large", false), Flag(config, "ToolBar_Flat", true),
            Flag(config, "ToolBar_Visible", true)};
}

std::optional<WindowSize> ReadWindowSize(const ProfileFile& config) {
    const WindowSize size{config.ReadInteger(kPreferenceSection, "Window_Width", 0),
                          config.ReadInteger(kPreferenceSection, "Window_Height", 0)};
    const auto fits = [](int side, int minimum) { return side >= minimum && side <= kMaximumWindowSide; };
    if (!fits(size.width, kMinimumWindowSize.width) || !fits(size.height, kMinimumWindowSize.height))
        return std::nullopt;
    return size;
}

void WriteWindowSize(ProfileFile& config, WindowSize size) {
    config.WriteStrings(kPreferenceSection, {{"Window_Width", std::to_string(size.width)},
                                             {"Window_Height", std::to_string(size.height)}});
}

}  // namespace dravicor
