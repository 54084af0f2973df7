#include "demo_keys.h"

#include <optional>
#include <random>

#include "demo_settings.h"
#include "engine/keyboard_focus.h"
#include "rules/catalogue.h"
#include "search_move.h"
#include "silent_platform.h"

namespace dravicor {

namespace {

// An engine of its own over the silent platform, with the demo settings.
struct Table {
    SilentPlatform silent;
    Platform platform = silent.platform();
    SettingsRecord settings;
    std::mt19937_64 random{0};
    Engine engine{settings, platform, random};

    bool deal(int code, const GameRules& rules, const std::string& number, bool shown) {
        PutDemoSettings(settings);
        engine.setGame(code, rules);
        settings.put(Field::CurrentGame, FormatField(code, Field::CurrentGame.width));
        settings.put(Field::CurrentGameNumber, number);
        // The recorder plays the solver's line with autoplay off.
        engine.SetAutoplay(false);
        return engine.StartGame(true, false, 0, !shown);
    }
    std::vector<std::string> snapshot() const { return BuildSnapshot(engine.position()); }
};

std::optional<std::vector<std::string>> Normalized(const std::vector<std::string>& lines) {
    Position position;
    if (!RestoreSnapshot(position, lines)) return std::nullopt;
    return BuildSnapshot(position);
}

class KeyPlayer {
public:
    KeyPlayer(Engine& engine, std::vector<KeyCommand>& log) : engine_(engine), keys_(engine), log_(log) {}

    // Makes the move with keys; false when the focus cannot get there.
    bool play(const SearchMove& move) {
        if (move.stock) return goTo({PileId::Stock(), kNoCard}) && press(KeyCommand::Activate);
        for (const CardNumber card : move.presses) {
            if (!goToCard(card) || !press(KeyCommand::Activate)) return false;
        }
        if (!move.presses.empty()) return true;
        if (!goToCard(move.drag.card) || !press(KeyCommand::Activate)) return false;
        // A card the press took straight to the discard pile is not in hand.
        if (!keys_.carrying()) return true;
        // Into a gap of its own row: the focus leaves the card in hand for
        // another card of the row.
        if (keys_.focus() && keys_.focus()->pile == move.drag.target) {
            for (const CardNumber other : engine_.position().piles.pile(move.drag.target).groups()) {
                if (other != kNoCard && other != move.drag.card) return goTo({move.drag.target, other}) && press(KeyCommand::Activate);
            }
        }
        return goTo({move.drag.target, kNoCard}) && press(KeyCommand::Activate);
    }

private:
    bool press(KeyCommand command) {
        keys_.Command(command);
        log_.push_back(command);
        return true;
    }
    bool goTo(KeyFocus target) {
        for (const KeyCommand command : keys_.RouteTo(target)) press(command);
        const auto focus = keys_.focus();
        return focus && focus->pile == target.pile && (target.card == kNoCard || focus->card == target.card);
    }
    bool goToCard(CardNumber card) {
        for (const PileId pile : PilesInReadingOrder(engine_)) {
            if (engine_.position().piles.pile(pile).contains(card)) return goTo({pile, card});
        }
        return false;
    }

    Engine& engine_;
    KeyboardPlay keys_;
    std::vector<KeyCommand>& log_;
};

// Follows the demo on one table and plays each step with keys on another,
// dealt shown or as the demo was recorded.
DemoByKeys FollowDemo(const GameRules& rules, const SavedGame& demo,
                      const std::vector<std::vector<std::string>>& positions, bool shown) {
    DemoByKeys result;
    result.gameCode = demo.gameCode;
    result.gameNumber = demo.gameNumber;
    Table recorded;
    Table played;
    if (!recorded.deal(demo.gameCode, rules, demo.gameNumber, false) ||
        !played.deal(demo.gameCode, rules, demo.gameNumber, shown)) {
        result.error = "the deal cannot be made";
        return result;
    }
    if (recorded.snapshot() != positions.front()) {
        result.error = "the deal is not the demo's first position";
        return result;
    }
    KeyPlayer player(played.engine, result.keys);
    std::vector<SearchMove> made;
    for (size_t step = 1; step < positions.size(); ++step) {
        const size_t steps = recorded.engine.history().undo.size();
        std::optional<SearchMove> found;
        for (const SearchMove& move : CandidateMoves(recorded.engine)) {
            if (MakeSearchMove(recorded.engine, move) && recorded.snapshot() == positions[step]) {
                found = move;
                break;
            }
            if (recorded.engine.game().inProgress) {
                TakeBackTo(recorded.engine, steps);
                continue;
            }
            // A move that ended the game (the last square of Poker Squares
            // filled with the wrong card) cannot be undone: deal again and
            // make the moves so far.
            recorded.deal(demo.gameCode, rules, demo.gameNumber, false);
            for (const SearchMove& again : made) MakeSearchMove(recorded.engine, again);
        }
        const std::string where = "step " + std::to_string(step) + ": ";
        if (!found) {
            result.error = where + "no move leads to the recorded position";
            return result;
        }
        made.push_back(*found);
        if (!player.play(*found)) {
            result.error = where + "the focus cannot reach the move's card or pile";
            return result;
        }
        // Autoplay after a shown deal may have been ahead; the positions
        // meet again after the first step.
        if (played.snapshot() != recorded.snapshot()) {
            result.error = where + "the keys did not make the recorded move" +
                           (found->stock ? std::string(" (stock)")
                                         : " (" + CardText(found->drag.card) + " to " + PileName(found->drag.target) + ")");
            return result;
        }
    }
    result.won = played.engine.IsGameWon();
    return result;
}

}  // namespace

DemoByKeys WinDemoByKeys(const std::filesystem::path& catalogue, const SavedGame& demo) {
    GameRules rules;
    try {
        rules = LoadGameRules(catalogue, demo.gameCode, NoCustomGames{});
    } catch (const CatalogueError& error) {
        DemoByKeys failed;
        failed.error = error.what();
        return failed;
    }
    std::vector<std::vector<std::string>> positions;
    for (const auto& step : demo.undoSteps) positions.push_back(Normalized(step).value_or(step));
    positions.push_back(Normalized(demo.pileLines).value_or(demo.pileLines));

    DemoByKeys shown = FollowDemo(rules, demo, positions, true);
    if (shown.won) return shown;
    // Autoplay on the shown deal took cards home in another order than the
    // recorded game: the keys follow the deal as the demo recorded it.
    DemoByKeys recorded = FollowDemo(rules, demo, positions, false);
    recorded.shownDealDiffers = true;
    if (!recorded.won && recorded.error.empty()) recorded.error = shown.error;
    return recorded;
}

std::string XdotoolKeyName(KeyCommand key) {
    switch (key) {
        case KeyCommand::Left: return "Left";
        case KeyCommand::Right: return "Right";
        case KeyCommand::Up: return "Up";
        case KeyCommand::Down: return "Down";
        case KeyCommand::Next: return "Tab";
        case KeyCommand::Previous: return "shift+Tab";
        case KeyCommand::Activate: return "space";
        case KeyCommand::Cancel: return "Escape";
        case KeyCommand::ToFoundation: return "ctrl+Return";
    }
    return {};
}

}  // namespace dravicor
