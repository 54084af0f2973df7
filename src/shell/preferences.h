#pragma once

#include <string>
#include <string_view>

#include "common/product.h"

namespace dravicor {

class ProfileFile;
class SettingsRecord;
struct Platform;

// Sections and fixed values of the configuration file.
inline constexpr std::string_view kPreferenceSection = "Preference";
inline constexpr std::string_view kUsersSection = "Users";
inline constexpr std::string_view kShowMessagesSection = "Show_Messages";
inline constexpr std::string_view kConfigName = "DATA/CFG.DAT";
inline constexpr std::string_view kFirstPlayer = "Player 1";
// The system colour of button faces (bit pattern 0x8000000F).
inline constexpr int kButtonFaceColour = -2147483633;

// The folder of DATA/ the record holds (the user folder; the program
// directory when the record names none), with its trailing separator.
std::string UserDirOf(const SettingsRecord& settings);

// The configuration file below that folder; its writes are dropped when the
// record says the DATA folder cannot be written.
ProfileFile ConfigFile(const SettingsRecord& settings);

// Fills the settings record from the [Preference] section of the
// configuration file, every key with its default; on first start makes
// "Player 1" the current player and writes it to the file. May raise
// ProfileWriteError when the file cannot be written.
void LoadPreferences(SettingsRecord& settings, Platform& platform);

// Whether autoplay was on when the program last ended ("AutoPlay", default on).
bool AutoplayPreference(const SettingsRecord& settings);

// Shows an information box once: unless the key of [Show_Messages] says "N",
// the box is shown, and ticking its check box writes "N" for the key.
void ShowMessageOnce(const ProfileFile& config, Platform& platform, std::string_view text,
                     std::string_view key, std::string_view picture);

// The text with its first "[Program]" marker replaced by the product name.
std::string ApplyProgramName(std::string_view text);

// Rewrites the values older versions stored for two preferences: "S" in
// Cards_Animate or ConfirmQuit becomes "Y". Other values stay as they are.
// May raise ProfileWriteError.
void UpgradeOldPreferences(ProfileFile& config);

}  // namespace dravicor
