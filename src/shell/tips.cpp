#include "shell/tips.h"

#include "common/profile_file.h"
#include "shell/preferences.h"

namespace dravicor {

namespace {

constexpr std::array<std::string_view, kTipCount> kTips = {
    "You can open one of the last games you played by choosing Open a saved game button in the Open a game "
    "dialog.",
    "Press F2 to deal a new game of the same kind, and Ctrl+F2 to play the current deal again from the start.",
    "Every deal has a number. Press F3 to choose a number: the same number always deals the same cards, so "
    "you can challenge a friend with the deal you just won.",
    "Press Ctrl+Z to undo a move and Ctrl+Y to redo it. The Options dialog lets you allow a single undo or "
    "none at all.",
    "Autoplay (F7) moves cards to the foundations for you whenever that cannot spoil the game.",
    "Double-click the top card of a pile to send it to a foundation when it can go there.",
    "Press F1 to read the rules of the game you are playing.",
    "Open the game list with Ctrl+F12. Games are grouped by family; the preview shows how a game is laid out "
    "before you start it.",
    "Keep the games you like best as favourites (Ctrl+F) and open them in one step.",
    "Every player has their own statistics, log and hi-scores. Add players and choose who is playing with "
    "Ctrl+L.",
    "Press F4 to see the statistics of the current game; the Statistics menu also compares players and games.",
    "Press F9 to see the hi-scores of the current game.",
    "With Customize (Ctrl+U) you can change the card faces, the card back, the table background and the "
    "mouse pointer.",
    "Customize rules (Ctrl+R) makes a new game out of an existing one with different rules, and keeps its "
    "own statistics.",
    "The card counter (F8) shows which cards you have already seen and which are still hidden.",
    "Need a break? Pause the game with Ctrl+P; the clock stops until you come back.",
    "Save a game in progress with Shift+Ctrl+F12 and go on with it another day.",
    "Right-click the toolbar to choose large or small buttons, or to show the time and the score again.",
    "You can click right mouse button on the visible part of a card, in order to see it in full.",
};

constexpr std::string_view kTipNumberKey = "Tips_Num";
constexpr std::string_view kTipsAtStartupKey = "Tips_StartUp";

}  // namespace

std::string_view TipText(int number) {
    return number >= 1 && number <= kTipCount ? kTips[static_cast<std::size_t>(number - 1)] : std::string_view();
}

std::string TipPage(int number) {
    std::string page = std::to_string(number);
    if (page.size() < 2) page.insert(page.begin(), '0');
    return page;
}

int NextTip(int number) { return number >= kTipCount ? 1 : number + 1; }

int PreviousTip(int number) { return number <= 1 ? kTipCount : number - 1; }

TipState OpenTips(const ProfileFile& config) {
    const int last = config.ReadInteger(kPreferenceSection, kTipNumberKey, 0);
    TipState state;
    state.number = last >= 0 && last < kTipCount ? last + 1 : 1;
    state.showAtStartup = config.ReadString(kPreferenceSection, kTipsAtStartupKey, "N") == "Y";
    return state;
}

void CloseTips(ProfileFile& config, const TipState& state) {
    config.WriteStrings(kPreferenceSection, {{std::string(kTipNumberKey), std::to_string(state.number)},
                                             {std::string(kTipsAtStartupKey), state.showAtStartup ? "Y" : "N"}});
}

bool TipsAtStartup(const ProfileFile& config) {
    return config.ReadString(kPreferenceSection, kTipsAtStartupKey, "N") != "N";
}

}  // namespace dravicor
