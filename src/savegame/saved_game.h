#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/platform.h"
#include "common/settings_record.h"
#include "engine/engine.h"
#include "rules/game_rules.h"

namespace dravicor {

// The saved-game file (".GAM"): CR LF separated text lines.
//   line 0      header: "[S-0302]", game code, the appearance in use, elapsed
//               seconds, scoring-system code, score, pass
//   line 1      player name, game number, the sixteen foundation first cards
//   lines 2-11  empty
//   lines 12-64 the position, one snapshot line per pile (see BuildSnapshot)
//   then the sections "[UNDO - Stock]", "[UNDO - Foundations]",
//   "[UNDO - Piles]", "[UNDO - Reserves]" (the undo steps, earliest first,
//   split into 3, 16, 26 and 8 pile lines per step) and "[UNDO - Log]"
//   followed by exactly one line, the MoveLog text.
inline constexpr std::string_view kSavedGameVersion = "0302";
inline constexpr int kSavedGameHeaderLength = 95;
inline constexpr int kSavedGameLine1Length = 98;
inline constexpr int kSavedGameFirstPileLine = 12;

// The content of a saved-game file, read and checked.
struct SavedGame {
    std::string version;
    int gameCode = 0;
    std::optional<int> elapsedSeconds;  // none when the field is not a number
    int scoringSystem = 0;
    int score = 0;
    int passNumber = 1;
    std::string playerName;
    std::string gameNumber;
    std::array<std::optional<int>, 16> foundationFirstCards{};  // none: not a number
    std::vector<std::string> pileLines;                           // 53
    std::vector<std::vector<std::string>> undoSteps;              // 53 lines each, earliest first
    std::string moveLog;
};

// The file's bytes for the game in progress.
std::string SavedGameBytes(const Engine& engine, const SettingsRecord& settings);
// Writes the game in progress to the file (replacing it as a whole); an
// empty string, or the message saying why it could not be written.
std::string SaveGameFile(const std::filesystem::path& path, const Engine& engine, const SettingsRecord& settings);

// Reads and checks the whole content: every line the layout needs, every
// number, every card cell, the undo sections (whole steps, the same number
// in each), no card twice in a position, the log. Files of a version below
// "0301" are converted first. On failure `error` says what is wrong.
std::optional<SavedGame> ParseSavedGame(std::string_view bytes, std::string& error);

// Where the loader finds a game's rules and name by its code.
struct SavedGameCatalogue {
    std::function<std::optional<GameRules>(int code)> rules;  // none: no such game
    std::function<std::string(int code)> name;
};

// A demo is shown to whoever plays: it leaves the current player as it is.
enum class SavedGameUse { Saved, Demo };

// Replaces the game in progress by the saved game in the file: the current
// game is ended (as a new game ends it), then the position, undo steps, log,
// score, pass, clock, game number and foundation first cards are installed
// and play goes on. A file that cannot be read or fails a check changes
// nothing; the result is then a message naming the file and the fault.
// Empty on success.
std::string LoadSavedGame(const std::filesystem::path& path, Engine& engine, SettingsRecord& settings,
                          const SavedGameCatalogue& catalogue, SavedGameUse use = SavedGameUse::Saved);

// Restarts the current deal: ends the game, rebuilds the position from the
// earliest undo step (the position stays when there is none), clears the
// undo steps and log, sets the pass to 1 and the clock to zero, recomputes
// the score and plays on with the game's rules as the deal left them. False,
// changing nothing, when no game is current. Asking the player first is the
// caller's part.
bool RestartGame(Engine& engine, const SettingsRecord& settings, SoundPlayer& sound);

}  // namespace dravicor
