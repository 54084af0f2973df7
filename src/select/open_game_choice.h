#pragma once

#include <string>
#include <string_view>

namespace dravicor {

class GameTreeNode;
class Messages;
class Program;

// Texts of the open-game dialog.
namespace OpenGameText {
inline constexpr std::string_view OpenAGame = "Open a game";
inline constexpr std::string_view SelectAGame = "Select a game";
inline constexpr std::string_view NodeNotFound = "Node not found";
inline constexpr std::string_view HowToCustomize =
    "To customize a game:\rselect the game you want to customize,\rthen from the Tools menu, choose "
    "\"Customize rules\" option (or press Ctrl+R).";
}  // namespace OpenGameText

// What the player picked in the open-game dialog.
struct OpenGameChoice {
    int code = -1;          // the selected node's key: below 0 for a folder or placeholder
    std::string name;       // the node's caption
    int folderKey = 0;      // the key of the folder the node lies in
    bool preview = true;    // the Preview check box
    std::string player;     // the player chosen in the list
};

// The choice a tree node makes, with the dialog's other controls.
OpenGameChoice ChoiceOf(const GameTreeNode& node, bool preview, std::string_view player);

// OK with a folder or a placeholder selected: the message "Open a game" is
// shown and false returned; the dialog stays open.
bool CheckGameChosen(const OpenGameChoice& choice, Messages& messages);

enum class OpenGameOutcome {
    GameKept,  // same game, same player, a game in progress: it goes on
    Refused,   // the player kept the game in progress when asked
    Dealt,     // a new deal of the chosen game is on the table
    NotDealt,  // the chosen game could not be dealt (the reason was shown)
    // The chosen game is current with an empty table and wants only
    // winnable deals: the caller looks for one (it takes a solver).
    WinnableWanted,
};

// The rest of OK, once the dialog is hidden: writes the preferences Game,
// Game_Name, Game_TreeNum and Open_Preview_Game; when the game or the
// player changed, or no game is in progress, asks before leaving the game
// in progress, ends it (it is recorded), resets the run counters when the
// game or the player changed, makes the player current (UserDefault) and
// the game current (its rules loaded when it changed), and deals, unless
// the game is to get only winnable deals.
OpenGameOutcome OpenChosenGame(Program& program, const OpenGameChoice& choice);

// Who deletes a customized game: the question differs for the current game.
enum class DeleteCaller { OpenGameDialog = 1, CustomizeRulesDialog = 2 };

// Deletes a customized game after the Yes/No question. The current game is
// ended first and no game is current afterwards (empty table). The record,
// the game's first favourites entry and its statistics for all players go,
// and the run counters are reset. False when the player said No or the
// record could not be removed.
bool DeleteCustomGame(Program& program, int code, DeleteCaller caller);

}  // namespace dravicor
