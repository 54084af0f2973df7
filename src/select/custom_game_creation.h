#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "select/custom_game_file.h"

namespace dravicor {

class Program;

// The question before a new customized game takes the place of the game in
// progress.
std::string StartNewCustomGameQuestion(std::string_view name);

// Adds a customized game derived from the current game with the values
// read from the customize-rules dialog. A refusal (the name taken in the
// meantime, no free code) is shown as a message; a failed write was shown by
// the data files. The new game's code, or nothing.
std::optional<int> AddCustomGame(Program& program, std::string_view name, const CustomRuleValues& values);

enum class NewCustomGameStart {
    Added,     // no game in progress, or the player kept it: the game is only added
    Dealt,     // the game in progress was ended (and recorded); the new game is dealt
    NotDealt,  // the game in progress was ended, but the new one could not be dealt (reason shown)
};

// After a customized game was added: when a game is in progress and not
// won, asks whether to start the new game now. Yes ends the game in
// progress, resets the run counters, makes the new game current with its
// rules (and the game the next start-up deals) and deals it.
NewCustomGameStart OfferNewCustomGame(Program& program, int code);

}  // namespace dravicor
