#include "shell/options.h"

#include <algorithm>
#include <charconv>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "common/profile_file.h"
#include "shell/preferences.h"

namespace dravicor {

namespace {

std::string Flag(bool on) { return on ? "Y" : "N"; }

UndoMode UndoModeOf(const std::string& text) {
    if (text == "2") return UndoMode::Disabled;
    if (text == "1") return UndoMode::OneStep;
    return UndoMode::Unlimited;
}

constexpr std::string_view kWinnableDealsKey = "Winnable_Deals";

std::set<int> WinnableDealGames(const ProfileFile& config) {
    const std::string text = config.ReadString(kPreferenceSection, kWinnableDealsKey, "");
    std::set<int> codes;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = std::min(text.find(',', start), text.size());
        int code = 0;
        const auto [rest, error] = std::from_chars(text.data() + start, text.data() + end, code);
        // A code spoilt by hand is dropped, not guessed at.
        if (error == std::errc() && rest == text.data() + end) codes.insert(code);
        start = end + 1;
    }
    return codes;
}

}  // namespace

OptionValues ReadOptions(const SettingsRecord& settings) {
    const ProfileFile config = ConfigFile(settings);
    const auto fileFlag = [&config](std::string_view key, std::string_view defaultValue) {
        return config.ReadString(kPreferenceSection, key, defaultValue) == "Y";
    };
    const auto recordFlag = [&settings](FieldSpec field) { return settings.get(field) == "Y"; };

    OptionValues values;
    values.confirmQuit = fileFlag("ConfirmQuit", "N");
    values.confirmQuitGame = fileFlag("ConfirmQuitGame", "Y");
    values.confirmEnterHiScores = fileFlag("ConfirmEnterHiScores", "Y");
    values.toolbarLarge = fileFlag("ToolBar_Large", "N");
    values.toolbarFlat = fileFlag("ToolBar_Flat", "Y");
    values.showToolTips = fileFlag("Show_ToolTips", "Y");
    values.showVerdict = fileFlag("Show_Verdict", "Y");
    values.winningAnimation = recordFlag(Field::WinningAnimation);
    values.vertScrollBar = recordFlag(Field::VertScrollBar);
    values.showTime = recordFlag(Field::ShowTime);
    values.showScore = recordFlag(Field::ShowScore);
    values.undo = UndoModeOf(settings.get(Field::UndoEnabled));
    return values;
}

void WriteOptions(SettingsRecord& settings, const OptionValues& values) {
    const std::string undo = std::to_string(static_cast<int>(values.undo));
    const std::string language = std::to_string(kEnglishLanguage);
    ProfileFile config = ConfigFile(settings);
    config.WriteStrings(kPreferenceSection, {
                                                {"Show_Time", Flag(values.showTime)},
                                                {"Show_Score", Flag(values.showScore)},
                                                {"Language", language},
                                                {"ConfirmQuit", Flag(values.confirmQuit)},
                                                {"ConfirmQuitGame", Flag(values.confirmQuitGame)},
                                                {"ConfirmEnterHiScores", Flag(values.confirmEnterHiScores)},
                                                {"VertScrollBar", Flag(values.vertScrollBar)},
                                                {"Undo_Enabled", undo},
                                                {"Winning_Animation", Flag(values.winningAnimation)},
                                                {"ToolBar_Large", Flag(values.toolbarLarge)},
                                                {"ToolBar_Flat", Flag(values.toolbarFlat)},
                                                {"Show_ToolTips", Flag(values.showToolTips)},
                                                {"Show_Verdict", Flag(values.showVerdict)},
                                            });

    settings.put(Field::ShowTime, Flag(values.showTime));
    settings.put(Field::ShowScore, Flag(values.showScore));
    settings.put(Field::LanguageBase, language);
    settings.put(Field::ConfirmQuitGame, Flag(values.confirmQuitGame));
    settings.put(Field::ConfirmEnterHiScores, Flag(values.confirmEnterHiScores));
    settings.put(Field::VertScrollBar, Flag(values.vertScrollBar));
    settings.put(Field::UndoEnabled, undo);
    settings.put(Field::WinningAnimation, Flag(values.winningAnimation));
    settings.put(Field::ShowToolTips, Flag(values.showToolTips));
}

bool WinnableDealsWanted(const SettingsRecord& settings, int gameCode) {
    return WinnableDealGames(ConfigFile(settings)).contains(gameCode);
}

void WantWinnableDeals(SettingsRecord& settings, int gameCode, bool wanted) {
    ProfileFile config = ConfigFile(settings);
    std::set<int> codes = WinnableDealGames(config);
    if (wanted == codes.contains(gameCode)) return;
    if (wanted) {
        codes.insert(gameCode);
    } else {
        codes.erase(gameCode);
    }
    std::string text;
    for (const int code : codes) text += (text.empty() ? "" : ",") + std::to_string(code);
    config.WriteString(kPreferenceSection, kWinnableDealsKey, text);
}

}  // namespace dravicor
