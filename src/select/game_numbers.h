#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace dravicor {

class Engine;
class Messages;
class ProfileFile;
class SettingsRecord;

// Game numbers chosen by the player and the twenty most recent deals. The
// recent numbers live in the [Game_Numbers] section of the configuration
// file as Game001 ... Game020, most recent first; empty values are allowed
// and skipped when the list is shown.

inline constexpr std::string_view kGameNumbersSection = "Game_Numbers";
inline constexpr int kRecentGameNumbers = 20;
// The longest number the player may type, and the width every number is
// padded to with leading zeros.
inline constexpr std::size_t kEnteredNumberDigits = 13;

// Texts of the game-number dialog.
namespace GameNumberText {
inline constexpr std::string_view TooLong = "From 1 up to 13 ciphers.";
inline constexpr std::string_view NotDigits = "Only numbers required.";
inline constexpr std::string_view Range = "(from 1 to 9999999999999)";
}  // namespace GameNumberText

// The key of the recent number at a 1-based position: "Game001" to "Game020".
std::string RecentGameNumberKey(int position);

// What the OK of the game-number dialog makes of the typed text.
enum class GameNumberCheck {
    Accepted,   // `number` holds the 13-digit number to deal
    TooLong,    // more than 13 characters: show GameNumberText::TooLong
    NotDigits,  // a character other than 0-9: show GameNumberText::NotDigits
    Ignored,    // empty, or its value is 0: the dialog stays open, no message
};

struct GameNumberEntry {
    GameNumberCheck check = GameNumberCheck::Ignored;
    std::string number;   // padded on the left with "0" to 13 digits when accepted
    std::string_view message;  // the message to show; empty when there is none
};

// Checks the text of the number field. The length is counted in characters
// (a UTF-8 sequence is one character), and it is checked before the digits.
GameNumberEntry CheckGameNumber(std::string_view text);

// The non-empty values of Game001 to Game020 in key order, as the dialog's
// drop-down list shows them.
std::vector<std::string> ReadRecentGameNumbers(const ProfileFile& config);

// Records the number of a deal that starts: it goes first, an earlier entry
// with the same value is removed, the rest move down one key and the
// twentieth is dropped. Empty values count as entries. When earlier entries
// were removed the list is shorter than twenty, and only as many keys as it
// has entries are rewritten. A file that cannot be written is reported with
// a message box; the result is false then.
bool RememberGameNumber(ProfileFile& config, std::string_view number, Messages& messages);

// What became of an accepted number.
enum class ChosenDealOutcome {
    Kept,     // the player kept the game in progress
    Dealt,    // the deal with that number is on the table
    NotDealt  // the game was ended, but no deal could be made (the reason was shown)
};

// The rest of the dialog's OK for an accepted number: the player confirms
// leaving the game in progress; then the game is ended (and recorded), the
// number becomes the current game number and a new deal of the current game
// starts with it. Refreshing the status display is the front end's part.
ChosenDealOutcome DealChosenNumber(Engine& engine, SettingsRecord& settings, std::string_view number);

}  // namespace dravicor
