#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/profile_file.h"

namespace dravicor {

class DataFiles;
class Engine;
class SettingsRecord;
struct Platform;

// The players: a list of names kept in the [Users] section of the
// configuration file (User001 ... User020), and the current player, held by
// the settings record's CurrentPlayer field and the UserDefault preference.
// The Players window of the desktop program and the text front end both
// work through the types and functions below; they only show what the
// results say.

inline constexpr int kStoredPlayers = 20;
inline constexpr std::size_t kMaxPlayerNameLength = 30;

// Texts of the Players window.
namespace PlayerText {
inline constexpr std::string_view EmptyName = "Please enter at least 1 character.";
inline constexpr std::string_view NameExists = "This player name already exists.";
inline constexpr std::string_view CannotDeleteCurrent = "It is impossible to delete the selected player.";
inline constexpr std::string_view NoSelection = "Select a player.";
inline constexpr std::string_view ConfirmDelete =
    "Are you sure you want to delete the selected player?\rNote: also statistics of this player will be deleted.";
// The question asked before another player takes over a deal in progress:
// this text, a blank, the name and "?".
inline constexpr std::string_view StartNewGameFor = "Start new game for player";
}  // namespace PlayerText

// The key of the player at a 0-based index: "User001" for the first.
std::string PlayerKey(int index);

// A name as the list keeps it: cut to 30 characters (bytes), then blanks
// removed at the end. Control characters (tabs, line breaks) become blanks
// and leading blanks are removed as well, since neither the configuration
// file nor the settings record can keep them.
std::string NormalisePlayerName(std::string_view name);

// What an operation on the players did, or why it did nothing.
enum class PlayerOutcome {
    Done,           // the change was made
    Unchanged,      // nothing to do (same name, same player)
    Cancelled,      // the user said Cancel to a question
    EmptyName,      // "Please enter at least 1 character."
    NameExists,     // "This player name already exists."
    CurrentPlayer,  // "It is impossible to delete the selected player."
    NoSelection,    // "Select a player." (no name, or a name not in the list)
    DataFileError,  // a data file could not be changed; its message has been shown
};

struct PlayerResult {
    PlayerOutcome outcome = PlayerOutcome::Unchanged;
    // The name the window selects afterwards: the added or renamed name, the
    // first name after a deletion, the chosen name. Empty when there is none.
    std::string select;
    // ChoosePlayer only: another player is now current, so the front end
    // redraws the table and opens the game-choice dialog for a new deal.
    bool playerChanged = false;

    bool done() const { return outcome == PlayerOutcome::Done; }
    // For the outcomes a front end shows as a message (and then shows the
    // name dialog again, for the two name problems): the exact text.
    // Empty for the others.
    std::string_view message() const;
};

// The names of the Players window, sorted in byte order, without doubles.
// It works on a copy of the configuration file's list and remembers whether
// it was changed, so that closing the window writes it back only then.
class PlayerList {
public:
    PlayerList() = default;
    // Takes the names as they are (normalised, empty ones and doubles
    // dropped), sorted; the list counts as unchanged.
    explicit PlayerList(const std::vector<std::string>& names);

    // The names of the keys User001 ... User020; empty keys are skipped.
    static PlayerList Load(const ProfileFile& config);

    const std::vector<std::string>& names() const { return names_; }
    std::size_t size() const { return names_.size(); }
    bool empty() const { return names_.empty(); }
    bool changed() const { return changed_; }
    // Whether the name (normalised) is in the list; case matters.
    bool contains(std::string_view name) const;
    std::optional<std::size_t> indexOf(std::string_view name) const;

    // The checks alone, so that an operation with effects beyond the list
    // can make them before the list changes.
    PlayerResult checkAdd(std::string_view name) const;
    PlayerResult checkRename(std::string_view oldName, std::string_view newName) const;
    PlayerResult checkRemove(std::string_view name, std::string_view currentPlayer) const;

    // Adds the name at its sorted place.
    PlayerResult add(std::string_view name);
    // Replaces a name; an unchanged name changes nothing.
    PlayerResult rename(std::string_view oldName, std::string_view newName);
    // Removes a name other than the current player's.
    PlayerResult remove(std::string_view name, std::string_view currentPlayer);

    // Writes the list when it was changed: the twenty keys in sorted order,
    // keys beyond the number of names empty, names beyond the twentieth not
    // stored. Returns whether it wrote; the list then counts as unchanged.
    // May raise ProfileWriteError (the list stays changed then).
    bool save(ProfileFile& config);

private:
    std::vector<std::string> names_;
    bool changed_ = false;
};

// What the player operations work on.
struct PlayerContext {
    ProfileFile config;
    SettingsRecord& settings;
    DataFiles& files;
    Platform& platform;
};

// The current player of the settings record.
std::string CurrentPlayer(const SettingsRecord& settings);

// The operations of the Players window. Renames and deletions change the
// data files at once; the list itself is written by SavePlayers when the
// window closes (whether with OK or Cancel). A configuration file that
// cannot be written is reported as a message ("Unable to write to ...");
// the change stands in memory.

// Adds a name to the list.
PlayerResult AddPlayer(PlayerList& list, std::string_view name);

// Renames a player in the list and in the statistics, game log and
// hi-scores. The current player stays current under the new name (the
// settings record and UserDefault change at once). When the data files
// cannot be changed, the list is left as it was.
PlayerResult RenamePlayer(PlayerContext& context, PlayerList& list, std::string_view oldName,
                          std::string_view newName);

// Deletes a player other than the current one after asking; the player's
// statistics become zero in every game and the player's lines leave the game
// log; hi-score entries stay. When the statistics cannot be changed, the
// player stays in the list.
PlayerResult DeletePlayer(PlayerContext& context, PlayerList& list, std::string_view name);

// Makes a listed player current (the window's OK). When a deal is in
// progress, the engine's quit-deal question asks first and a refusal changes
// nothing; otherwise the deal is ended for the previous player, the run
// counters are reset, the new player becomes current and UserDefault is
// written. playerChanged tells the front end to open the game-choice dialog.
PlayerResult ChoosePlayer(PlayerContext& context, Engine& engine, const PlayerList& list, std::string_view name);

// Closing the window: with the busy cursor, writes the list when it was
// changed and UserDefault for the current player. False when the
// configuration file could not be written (its message shown). The front
// end then updates the main window's caption.
bool SavePlayers(PlayerContext& context, PlayerList& list);

}  // namespace dravicor
