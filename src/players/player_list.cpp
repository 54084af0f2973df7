#include "players/player_list.h"

#include <algorithm>
#include <chrono>

#include "common/platform.h"
#include "common/settings_record.h"
#include "engine/engine.h"
#include "shell/preferences.h"
#include "stats/data_file.h"
#include "stats/statistics.h"

namespace dravicor {

namespace {

// Pending window messages run this long before the list is written, so the
// window is gone from the screen when the busy cursor shows.
constexpr std::chrono::milliseconds kSaveSettleTime{100};

PlayerResult Outcome(PlayerOutcome outcome, std::string select = {}) {
    PlayerResult result;
    result.outcome = outcome;
    result.select = std::move(select);
    return result;
}

// Writes UserDefault; a failure is shown and reported as false.
bool WriteUserDefault(PlayerContext& context, std::string_view player) {
    try {
        context.config.WriteString(kPreferenceSection, "UserDefault", player);
        return true;
    } catch (const ProfileWriteError& error) {
        context.platform.messages.showMessage(error.what(), kProductName, MessageIcon::Error);
        return false;
    }
}

}  // namespace

std::string PlayerKey(int index) {
    std::string digits = std::to_string(index + 1);
    while (digits.size() < 3) digits.insert(digits.begin(), '0');
    return "User" + digits;
}

std::string NormalisePlayerName(std::string_view name) {
    std::string text(name.substr(0, std::min(name.size(), kMaxPlayerNameLength)));
    for (char& c : text) {
        if (static_cast<unsigned char>(c) < 0x20) c = ' ';
    }
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::string_view PlayerResult::message() const {
    switch (outcome) {
        case PlayerOutcome::EmptyName: return PlayerText::EmptyName;
        case PlayerOutcome::NameExists: return PlayerText::NameExists;
        case PlayerOutcome::CurrentPlayer: return PlayerText::CannotDeleteCurrent;
        case PlayerOutcome::NoSelection: return PlayerText::NoSelection;
        case PlayerOutcome::Done:
        case PlayerOutcome::Unchanged:
        case PlayerOutcome::Cancelled:
        case PlayerOutcome::DataFileError: break;
    }
    return {};
}

PlayerList::PlayerList(const std::vector<std::string>& names) {
    for (const auto& raw : names) {
        std::string name = NormalisePlayerName(raw);
        if (!name.empty()) names_.push_back(std::move(name));
    }
    // std::string compares bytes as unsigned characters.
    std::sort(names_.begin(), names_.end());
    names_.erase(std::unique(names_.begin(), names_.end()), names_.end());
}

PlayerList PlayerList::Load(const ProfileFile& config) {
    std::vector<std::string> names;
    for (int i = 0; i < kStoredPlayers; ++i) names.push_back(config.ReadString(kUsersSection, PlayerKey(i), ""));
    return PlayerList(names);
}

std::optional<std::size_t> PlayerList::indexOf(std::string_view name) const {
    const std::string wanted = NormalisePlayerName(name);
    if (wanted.empty()) return std::nullopt;
    const auto at = std::lower_bound(names_.begin(), names_.end(), wanted);
    if (at == names_.end() || *at != wanted) return std::nullopt;
    return static_cast<std::size_t>(at - names_.begin());
}

bool PlayerList::contains(std::string_view name) const { return indexOf(name).has_value(); }

PlayerResult PlayerList::checkAdd(std::string_view name) const {
    const std::string wanted = NormalisePlayerName(name);
    if (wanted.empty()) return Outcome(PlayerOutcome::EmptyName);
    if (contains(wanted)) return Outcome(PlayerOutcome::NameExists);
    return Outcome(PlayerOutcome::Done, wanted);
}

PlayerResult PlayerList::checkRename(std::string_view oldName, std::string_view newName) const {
    const std::string from = NormalisePlayerName(oldName);
    if (!contains(from)) return Outcome(PlayerOutcome::NoSelection);
    const std::string to = NormalisePlayerName(newName);
    if (to.empty()) return Outcome(PlayerOutcome::EmptyName);
    if (to == from) return Outcome(PlayerOutcome::Unchanged, from);
    if (contains(to)) return Outcome(PlayerOutcome::NameExists);
    return Outcome(PlayerOutcome::Done, to);
}

PlayerResult PlayerList::checkRemove(std::string_view name, std::string_view currentPlayer) const {
    const std::string victim = NormalisePlayerName(name);
    if (!contains(victim)) return Outcome(PlayerOutcome::NoSelection);
    if (victim == NormalisePlayerName(currentPlayer)) return Outcome(PlayerOutcome::CurrentPlayer);
    return Outcome(PlayerOutcome::Done);
}

PlayerResult PlayerList::add(std::string_view name) {
    PlayerResult result = checkAdd(name);
    if (!result.done()) return result;
    names_.insert(std::lower_bound(names_.begin(), names_.end(), result.select), result.select);
    changed_ = true;
    return result;
}

PlayerResult PlayerList::rename(std::string_view oldName, std::string_view newName) {
    PlayerResult result = checkRename(oldName, newName);
    if (!result.done()) return result;
    names_.erase(names_.begin() + static_cast<std::ptrdiff_t>(*indexOf(oldName)));
    names_.insert(std::lower_bound(names_.begin(), names_.end(), result.select), result.select);
    changed_ = true;
    return result;
}

PlayerResult PlayerList::remove(std::string_view name, std::string_view currentPlayer) {
    PlayerResult result = checkRemove(name, currentPlayer);
    if (!result.done()) return result;
    names_.erase(names_.begin() + static_cast<std::ptrdiff_t>(*indexOf(name)));
    changed_ = true;
    if (!names_.empty()) result.select = names_.front();
    return result;
}

bool PlayerList::save(ProfileFile& config) {
    if (!changed_) return false;
    for (int i = 0; i < kStoredPlayers; ++i) {
        const auto index = static_cast<std::size_t>(i);
        config.WriteString(kUsersSection, PlayerKey(i), index < names_.size() ? names_[index] : std::string());
    }
    changed_ = false;
    return true;
}

std::string CurrentPlayer(const SettingsRecord& settings) { return settings.get(Field::CurrentPlayer); }

PlayerResult AddPlayer(PlayerList& list, std::string_view name) { return list.add(name); }

PlayerResult RenamePlayer(PlayerContext& context, PlayerList& list, std::string_view oldName,
                          std::string_view newName) {
    const PlayerResult check = list.checkRename(oldName, newName);
    if (!check.done()) return check;
    const std::string from = NormalisePlayerName(oldName);
    const std::string& to = check.select;

    // The data files first: when they cannot be changed the list keeps the
    // old name, and renaming again finishes what was left undone.
    if (!RenamePlayerInDataFiles(context.files, from, to)) return Outcome(PlayerOutcome::DataFileError);
    PlayerResult result = list.rename(from, to);

    if (CurrentPlayer(context.settings) == from) {
        context.settings.put(Field::CurrentPlayer, to);
        WriteUserDefault(context, to);
    }
    return result;
}

PlayerResult DeletePlayer(PlayerContext& context, PlayerList& list, std::string_view name) {
    const PlayerResult check = list.checkRemove(name, CurrentPlayer(context.settings));
    if (!check.done()) return check;
    const Answer answer = context.platform.messages.ask(PlayerText::ConfirmDelete, kProductName,
                                                        MessageButtons::OkCancel, MessageIcon::Question);
    if (answer != Answer::Ok) return Outcome(PlayerOutcome::Cancelled);

    const std::string victim = NormalisePlayerName(name);
    // The game code does not matter when every game is cleared.
    if (!ClearStatistics(context.files, 0, victim, false, true)) return Outcome(PlayerOutcome::DataFileError);
    return list.remove(victim, CurrentPlayer(context.settings));
}

PlayerResult ChoosePlayer(PlayerContext& context, Engine& engine, const PlayerList& list, std::string_view name) {
    const std::string chosen = NormalisePlayerName(name);
    if (!list.contains(chosen)) return Outcome(PlayerOutcome::NoSelection);
    if (chosen == CurrentPlayer(context.settings)) return Outcome(PlayerOutcome::Unchanged, chosen);

    const std::string question = std::string(PlayerText::StartNewGameFor) + " " + chosen + "?";
    if (!engine.ConfirmLeaveGame(question)) return Outcome(PlayerOutcome::Cancelled);

    // The deal in progress is recorded for the player who played it.
    engine.EndGame();
    ResetRunCounters(context.settings);
    context.settings.put(Field::CurrentPlayer, chosen);
    WriteUserDefault(context, chosen);

    PlayerResult result = Outcome(PlayerOutcome::Done, chosen);
    result.playerChanged = true;
    return result;
}

bool SavePlayers(PlayerContext& context, PlayerList& list) {
    BusyScope busy(context.platform.cursor);
    context.platform.clock.pause(kSaveSettleTime);
    try {
        list.save(context.config);
    } catch (const ProfileWriteError& error) {
        context.platform.messages.showMessage(error.what(), kProductName, MessageIcon::Error);
        return false;
    }
    return WriteUserDefault(context, CurrentPlayer(context.settings));
}

}  // namespace dravicor
