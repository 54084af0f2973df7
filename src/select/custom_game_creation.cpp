#include "select/custom_game_creation.h"

#include "common/product.h"
#include "common/profile_file.h"
#include "shell/preferences.h"
#include "rules/catalogue.h"
#include "shell/program.h"
#include "stats/statistics.h"

namespace dravicor {

std::string StartNewCustomGameQuestion(std::string_view name) {
    return "Do you want to start the new game\r" + std::string(name) + "\rand quit the current game now?";
}

std::optional<int> AddCustomGame(Program& program, std::string_view name, const CustomRuleValues& values) {
    const CustomSaveOutcome outcome =
        program.customGameFile().add(name, program.game().gameCode, values, program.gameList());
    if (outcome.status == CustomSaveOutcome::Status::Saved) return outcome.code;
    if (!outcome.message.empty()) {
        program.platform().messages.showMessage(outcome.message, kProductName, MessageIcon::Information);
    }
    return std::nullopt;
}

NewCustomGameStart OfferNewCustomGame(Program& program, int code) {
    Engine& engine = program.engine();
    if (!engine.game().inProgress || engine.game().won) return NewCustomGameStart::Added;
    // The name as the record keeps it (trimmed, cut at 50 characters).
    const std::string name = GameNameOf(program.gameList(), code, program.customGames());
    if (program.platform().messages.ask(StartNewCustomGameQuestion(name), kProductName, MessageButtons::YesNo,
                                        MessageIcon::Warning) != Answer::Yes) {
        return NewCustomGameStart::Added;
    }
    engine.EndGame();
    ResetRunCounters(program.settings());
    // Makes the code and name current in the settings record and loads the
    // rules with the overrides of the new record.
    if (!program.selectGame(code)) return NewCustomGameStart::NotDealt;
    // The next start-up comes back to the game the player chose here.
    try {
        ConfigFile(program.settings())
            .WriteStrings(kPreferenceSection, {{"Game", std::to_string(code)}, {"Game_Name", name}});
    } catch (const ProfileWriteError& error) {
        program.platform().messages.showMessage(error.what(), kProductName, MessageIcon::Error);
    }
    return engine.StartGame(true, true, 2, false) ? NewCustomGameStart::Dealt : NewCustomGameStart::NotDealt;
}

}  // namespace dravicor
