#include "shell/options.h"

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

}  // namespace dravicor
