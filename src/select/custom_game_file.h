#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rules/catalogue.h"
#include "rules/custom_games.h"
#include "select/favourites.h"
#include "stats/data_file.h"

namespace dravicor {

class SettingsRecord;

// GAM_CUST.DAT in the DATA folder: a header line, then one record of 30
// CR LF lines per customized game, back to back (record k starts at line
// 1 + 30k). Line 1 of a record: code (4), name padded to 50, base code (4);
// line 2: cards per stock click (3), deals of the stock (3), empty-tableau
// code (1); lines 3-30 are empty.
inline constexpr std::string_view kCustomGamesFile = "GAM_CUST.DAT";
inline constexpr std::string_view kCustomGamesHeader = "[R-0301]";
inline constexpr int kLastCustomCode = 9999;
inline constexpr int kCustomRecordLines = 30;
inline constexpr size_t kCustomNameWidth = 50;
// The favourites of the configuration file (DATA/CFG.DAT).

// The messages of the naming checks.
inline constexpr std::string_view kNameTooShort = "Please enter at least 3 characters.";
inline constexpr std::string_view kNameExists = "This name already exists.";

// The three values a customized game overrides, as the customize dialog
// reads them from its controls: the cards dealt by a stock click, the deals
// of the stock (-1 unlimited, 0 no redeal, n + 1 for n redeals) and the
// empty-tableau code (1 King only, 2 any card, 3 none, 0 not customized).
struct CustomRuleValues {
    int cards = 1;
    int deals = 1;
    int tableau = 0;
};

// How the redeal choice of the dialog maps to a deals value.
enum class RedealChoice { Unlimited, NoRedeal, Specified };
int DealsValue(RedealChoice choice, int redeals);

// Line 2 of a record: "003" "-01" "2". A value that does not fit its three
// characters is held at 999 (or -99); the tableau code is one digit 0-3.
std::string CustomSettingsText(const CustomRuleValues& values);

// The 30 lines of a record, each ended by CR LF.
std::string FormatCustomRecord(int code, std::string_view name, int baseCode, const CustomRuleValues& values);

// What a reading of the file found: the valid records in file order, a
// message for every record that was skipped, and every code a record
// carries or names as its base (damaged ones included, so that a new game
// never reuses it), sorted, each once.
struct CustomGameFileContents {
    std::vector<CustomGame> games;
    std::vector<std::string> problems;
    std::vector<int> usedCodes;
};
CustomGameFileContents ParseCustomGames(std::string_view content);

// The smallest code from 8000 to 9999 that no record carries; nothing when
// all are taken.
std::optional<int> NextFreeCustomCode(const CustomGameFileContents& contents);

// The naming check of a new customized game: the message to show, or
// nothing when the name is accepted. Names compare trimmed and without
// regard to letter case with every game of the list and every customized game.
std::optional<std::string> CheckCustomGameName(std::string_view name, const GameList& list,
                                               const std::vector<CustomGame>& customGames);

// Which rules of a game may be customized (a customized code stands for its
// base game). Reads the base game's catalogue column; raises CatalogueError
// on a damaged catalogue or an unknown game.
struct CustomizableFlags {
    bool cards = false;
    bool redeals = false;
    bool tableau = false;
    friend bool operator==(const CustomizableFlags&, const CustomizableFlags&) = default;
};
CustomizableFlags CustomizableRulesOf(const GameRules& baseRules);

// The questions asked before deleting a customized game.
std::string DeleteQuestion(std::string_view name, bool isCurrentGame, bool fromOpenGameDialog);

// The outcome of adding a customized game.
struct CustomSaveOutcome {
    enum class Status { Saved, NameRefused, NoFreeCode, UnknownGame, WriteFailed };
    Status status = Status::WriteFailed;
    int code = -1;        // the new game's code when saved
    std::string message;  // for NameRefused, NoFreeCode and UnknownGame
};

// The customized games of a program directory, read afresh from the DATA
// folder by every call (two running copies may change the file). Changes go
// through DataFiles: locked, and each file replaced in one step.
class CustomGameFile final : public CustomGames {
public:
    // `files` is the DATA folder of the program; it holds GAM_CUST.DAT and
    // the configuration file CFG.DAT.
    explicit CustomGameFile(DataFiles& files) : files_(files) {}

    std::optional<CustomGame> find(int code) const override;
    // The code of the game whose name equals the name with trailing blanks
    // removed (exact comparison).
    std::optional<int> codeOf(std::string_view name) const override;

    // The file as read now; no games when it does not exist.
    CustomGameFileContents load() const;
    // The valid games sorted by name without regard to letter case.
    std::vector<CustomGame> list() const;
    std::optional<int> nextFreeCode() const { return NextFreeCustomCode(load()); }

    CustomizableFlags customizableRules(const std::filesystem::path& catalogue, int code) const;
    std::optional<std::string> checkName(std::string_view name, const GameList& list) const {
        return CheckCustomGameName(name, list, load().games);
    }

    // Adds a game derived from `currentCode` (a customized current game
    // passes on its own base, so every base is a built-in game). The name
    // is checked again under the lock.
    CustomSaveOutcome add(std::string_view name, int currentCode, const CustomRuleValues& values,
                          const GameList& list);

    // Deletes the game: its record, its first favourites entry (later ones
    // move up), its statistics for all players and the run counters. False
    // when no record carries the code or GAM_CUST.DAT could not be changed.
    bool remove(int code, SettingsRecord& settings);

private:
    DataFiles& files_;
};

}  // namespace dravicor
