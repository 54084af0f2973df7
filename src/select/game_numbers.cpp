#include "select/game_numbers.h"

#include <algorithm>

#include "common/platform.h"
#include "common/profile_file.h"
#include "common/settings_record.h"
#include "engine/engine.h"
#include "shell/preferences.h"

namespace dravicor {

namespace {

// Characters of a UTF-8 text: every byte that does not continue a sequence.
std::size_t CharacterCount(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

GameNumberEntry Entry(GameNumberCheck check, std::string number = {}, std::string_view message = {}) {
    GameNumberEntry entry;
    entry.check = check;
    entry.number = std::move(number);
    entry.message = message;
    return entry;
}

}  // namespace

std::string RecentGameNumberKey(int position) {
    std::string digits = std::to_string(position);
    if (digits.size() < 2) digits.insert(digits.begin(), '0');
    return "Game0" + digits;
}

GameNumberEntry CheckGameNumber(std::string_view text) {
    if (CharacterCount(text) > kEnteredNumberDigits) {
        return Entry(GameNumberCheck::TooLong, {}, GameNumberText::TooLong);
    }
    if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return Entry(GameNumberCheck::NotDigits, {}, GameNumberText::NotDigits);
    }
    if (std::all_of(text.begin(), text.end(), [](char c) { return c == '0'; })) {
        return Entry(GameNumberCheck::Ignored);  // also the empty text
    }
    std::string number(kEnteredNumberDigits - text.size(), '0');
    number += text;
    return Entry(GameNumberCheck::Accepted, std::move(number));
}

std::vector<std::string> ReadRecentGameNumbers(const ProfileFile& config) {
    std::vector<std::string> numbers;
    for (int position = 1; position <= kRecentGameNumbers; ++position) {
        std::string value = config.ReadString(kGameNumbersSection, RecentGameNumberKey(position), "");
        if (!value.empty()) numbers.push_back(std::move(value));
    }
    return numbers;
}

bool RememberGameNumber(ProfileFile& config, std::string_view number, Messages& messages) {
    std::vector<std::string> entries;
    entries.reserve(kRecentGameNumbers + 1);
    for (int position = 1; position <= kRecentGameNumbers; ++position) {
        entries.push_back(config.ReadString(kGameNumbersSection, RecentGameNumberKey(position), ""));
    }
    std::erase(entries, number);
    entries.insert(entries.begin(), std::string(number));
    if (entries.size() > static_cast<std::size_t>(kRecentGameNumbers)) entries.resize(kRecentGameNumbers);

    std::vector<std::pair<std::string, std::string>> keys;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        keys.emplace_back(RecentGameNumberKey(static_cast<int>(i) + 1), entries[i]);
    }
    try {
        // One rewrite for the whole rotation: never half rotated.
        config.WriteStrings(kGameNumbersSection, keys);
    } catch (const ProfileWriteError& error) {
        messages.showMessage(error.what(), kProductName, MessageIcon::Error);
        return false;
    }
    return true;
}

ChosenDealOutcome DealChosenNumber(Engine& engine, SettingsRecord& settings, std::string_view number) {
    if (!engine.ConfirmLeaveGame()) return ChosenDealOutcome::Kept;
    engine.EndGame();
    settings.put(Field::CurrentGameNumber, number);
    // Any mode but 2 deals the number held by the settings record.
    return engine.StartGame(true, true, 1, false) ? ChosenDealOutcome::Dealt : ChosenDealOutcome::NotDealt;
}

}  // namespace dravicor
