#include "engine/card_counter_preferences.h"

#include <string>
#include <utility>
#include <vector>

#include "common/profile_file.h"
#include "shell/preferences.h"

namespace dravicor {

namespace {

constexpr std::string_view kStockKey = "CardCounter_Stock";
constexpr std::string_view kTableauKey = "CardCounter_Tableau";
constexpr std::string_view kInverseKey = "CardCounter_Inverse";
constexpr std::string_view kVisibleKey = "CardCounter_Visible";
constexpr std::string_view kLeftKey = "CardCounter_Left";
constexpr std::string_view kTopKey = "CardCounter_Top";
constexpr int kNoPlace = -1;

bool ReadFlag(const ProfileFile& config, std::string_view key) {
    return config.ReadString(kPreferenceSection, key, "N") == "Y";
}

std::pair<std::string, std::string> Flag(std::string_view key, bool on) {
    return {std::string(key), on ? "Y" : "N"};
}

std::pair<std::string, std::string> Integer(std::string_view key, int value) {
    return {std::string(key), std::to_string(value)};
}

}  // namespace

std::optional<Point> CardCounterPreferences::storedPlace() const {
    if (left < 1 || top < 1) return std::nullopt;
    return Point{left, top};
}

CardCounterPreferences LoadCardCounterPreferences(const ProfileFile& config) {
    CardCounterPreferences preferences;
    preferences.options.stockOnly = ReadFlag(config, kStockKey);
    preferences.options.tableauOnly = !preferences.options.stockOnly && ReadFlag(config, kTableauKey);
    preferences.options.inverted = ReadFlag(config, kInverseKey);
    preferences.visible = ReadFlag(config, kVisibleKey);
    preferences.left = config.ReadInteger(kPreferenceSection, kLeftKey, kNoPlace);
    preferences.top = config.ReadInteger(kPreferenceSection, kTopKey, kNoPlace);
    return preferences;
}

void SaveCardCounterPreferences(ProfileFile& config, const CardCounterPreferences& preferences) {
    config.WriteStrings(kPreferenceSection, {
                                                Flag(kStockKey, preferences.options.stockOnly),
                                                Flag(kTableauKey, preferences.options.tableauOnly),
                                                Flag(kInverseKey, preferences.options.inverted),
                                                Flag(kVisibleKey, preferences.visible),
                                                Integer(kLeftKey, preferences.left),
                                                Integer(kTopKey, preferences.top),
                                            });
}

}  // namespace dravicor
