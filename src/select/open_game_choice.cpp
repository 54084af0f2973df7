#include "select/open_game_choice.h"

#include "common/platform.h"
#include "common/profile_file.h"
#include "common/settings_record.h"
#include "players/player_list.h"
#include "select/game_tree.h"
#include "shell/options.h"
#include "shell/preferences.h"
#include "shell/program.h"
#include "stats/statistics.h"

namespace dravicor {

namespace {

void WriteChoicePreferences(const OpenGameChoice& choice, const SettingsRecord& settings, Messages& messages) {
    ProfileFile config = ConfigFile(settings);
    try {
        config.WriteStrings(kPreferenceSection, {{"Game", std::to_string(choice.code)},
                                                 {"Game_Name", choice.name},
                                                 {"Game_TreeNum", std::to_string(choice.folderKey)},
                                                 {"Open_Preview_Game", choice.preview ? "Y" : "N"}});
    } catch (const ProfileWriteError& error) {
        messages.showMessage(error.what(), kProductName, MessageIcon::Error);
    }
}

void MakePlayerCurrent(std::string_view player, SettingsRecord& settings, Messages& messages) {
    settings.put(Field::CurrentPlayer, player);
    ProfileFile config = ConfigFile(settings);
    try {
        config.WriteString(kPreferenceSection, "UserDefault", player);
    } catch (const ProfileWriteError& error) {
        messages.showMessage(error.what(), kProductName, MessageIcon::Error);
    }
}

}  // namespace

OpenGameChoice ChoiceOf(const GameTreeNode& node, bool preview, std::string_view player) {
    return {node.key(), node.caption(), node.parentKey(), preview, std::string(player)};
}

bool CheckGameChosen(const OpenGameChoice& choice, Messages& messages) {
    if (IsGameKey(choice.code)) return true;
    messages.showMessage(OpenGameText::OpenAGame, kProductName, MessageIcon::Information);
    return false;
}

OpenGameOutcome OpenChosenGame(Program& program, const OpenGameChoice& choice) {
    Platform& platform = program.platform();
    SettingsRecord& settings = program.settings();
    Engine& engine = program.engine();
    BusyScope busy(platform.cursor);
    WriteChoicePreferences(choice, settings, platform.messages);

    const bool gameChanged = choice.code != engine.game().gameCode;
    const bool playerChanged = choice.player != CurrentPlayer(settings);
    if (!gameChanged && !playerChanged && engine.game().inProgress) return OpenGameOutcome::GameKept;

    if (!engine.ConfirmLeaveGame()) return OpenGameOutcome::Refused;
    engine.EndGame();
    if (gameChanged || playerChanged) ResetRunCounters(settings);
    if (playerChanged) MakePlayerCurrent(choice.player, settings, platform.messages);

    if (gameChanged && !program.selectGame(choice.code)) return OpenGameOutcome::NotDealt;
    settings.put(Field::CurrentGame, FormatField(choice.code, Field::CurrentGame.width));
    settings.put(Field::CurrentGameName, choice.name);
    if (WinnableDealsWanted(settings, choice.code)) {
        // Nothing of the game left is drawn with the rules of the new one.
        engine.setPosition(Position{});
        return OpenGameOutcome::WinnableWanted;
    }
    return engine.StartGame(true, true, 2, false) ? OpenGameOutcome::Dealt : OpenGameOutcome::NotDealt;
}

bool DeleteCustomGame(Program& program, int code, DeleteCaller caller) {
    const std::string name = GameNameOf(program.gameList(), code, program.customGames());
    if (code < kFirstCustomCode || name.empty()) return false;
    Engine& engine = program.engine();
    const bool current = engine.game().gameCode == code;
    const std::string question = DeleteQuestion(name, current, caller == DeleteCaller::OpenGameDialog);
    if (program.platform().messages.ask(question, kProductName, MessageButtons::YesNo, MessageIcon::Warning) !=
        Answer::Yes) {
        return false;
    }
    if (current) {
        engine.EndGame();
        engine.setGame(kNoGame, GameRules{});
        program.settings().put(Field::CurrentGame, FormatField(kNoGame, Field::CurrentGame.width));
        program.settings().put(Field::CurrentGameName, "");
        engine.setPosition(Position{});
    }
    return program.customGameFile().remove(code, program.settings());
}

}  // namespace dravicor
