#pragma once

#include "common/settings_record.h"

namespace dravicor {

// How far undo and redo go (the Undo_Enabled preference).
enum class UndoMode { Unlimited = 0, OneStep = 1, Disabled = 2 };

// The behaviour preferences the Options dialog edits.
struct OptionValues {
    bool confirmQuit = false;
    bool confirmQuitGame = true;
    bool confirmEnterHiScores = true;
    bool winningAnimation = true;
    bool vertScrollBar = false;
    bool toolbarLarge = false;
    bool toolbarFlat = true;
    bool showTime = true;
    bool showScore = true;
    bool showToolTips = true;
    bool showVerdict = true;  // the status bar says whether the deal can still be won
    UndoMode undo = UndoMode::Unlimited;

    bool operator==(const OptionValues&) const = default;
};

// The language the texts are in; the only one there is.
inline constexpr int kEnglishLanguage = 20000;

// The values as the dialog opens with them: the confirmations of exit,
// quit game and hi-score entry, the toolbar and the tool tips from the
// configuration file, the others from the settings record.
OptionValues ReadOptions(const SettingsRecord& settings);

// OK of the dialog: writes every value to the [Preference] section (with
// Language, always English) and stores those the record mirrors. May raise
// ProfileWriteError; the record is then left as it was.
void WriteOptions(SettingsRecord& settings, const OptionValues& values);

// "Deal only winnable games", kept per game: the codes of the games it is
// on for, ascending and separated by commas, under Winnable_Deals.
bool WinnableDealsWanted(const SettingsRecord& settings, int gameCode);
// May raise ProfileWriteError.
void WantWinnableDeals(SettingsRecord& settings, int gameCode, bool wanted);

}  // namespace dravicor
