#include "engine/engine.h"
#include "engine/engine_internal.h"

#include "common/text_resources.h"
#include "engine/deal.h"
#include "rules/deck_order.h"
#include "common/product.h"

namespace dravicor {

namespace {
// Narrower screens switch games that ask for it to medium cards.
constexpr int kSmallScreenWidth = 650;
}  // namespace

std::string FormatClock(int seconds) {
    if (seconds < 0) seconds = 0;
    const int hours = seconds / 3600;
    const int minutes = seconds / 60 % 60;
    const int rest = seconds % 60;
    std::string text = std::to_string(hours) + ":";
    text += static_cast<char>('0' + minutes / 10);
    text += static_cast<char>('0' + minutes % 10);
    text += ':';
    text += static_cast<char>('0' + rest / 10);
    text += static_cast<char>('0' + rest % 10);
    return text;
}

Engine::Engine(SettingsRecord& settings, Platform& platform, std::mt19937_64& random)
    : settings_(settings), platform_(platform), random_(random), sounds_(settings, platform.sound) {
    // A generator of their own: the offsets do not move the deals' numbers.
    std::minstd_rand draw(static_cast<std::minstd_rand::result_type>(
        platform.clock.now().time_since_epoch().count() & 0x7fffffff));
    std::uniform_int_distribution<int> offset(-kIrregularReach, kIrregularReach);
    for (auto& table : irregular_) {
        for (size_t entry = 1; entry < table.size(); ++entry) table[entry] = offset(draw);
    }
}

void Engine::setGame(int code, const GameRules& rules) {
    game_.gameCode = code;
    state_.setRules(rules);
    ruleSnapshot_ = SaveRuleSnapshot(rules);
}

void Engine::setTableArea(const TableArea& area) {
    area_ = area;
    if (rules()[Rule::CardCount] != 0) layOut();
}

void Engine::setScrollOffset(int offset) {
    if (metrics_.scrollOffset == offset) return;
    metrics_.scrollOffset = offset;
    changed();
}

void Engine::changed() {
    if (observer_) observer_->tableChanged();
}

TableGeometry Engine::geometry() const {
    const bool irregular = settings_.isYes(Field::PileToolTips);
    return TableGeometry(origins_, metrics_, cardSize_, rules(), state_.position, irregular ? &irregular_ : nullptr);
}

void Engine::layOut() {
    const std::string letter = settings_.get(Field::CardSize);
    if (const auto size = CardSizeFor(letter.empty() ? 'B' : letter[0])) cardSize_ = *size;
    metrics_ = ResetSpreadMetrics(rules(), letter.empty() ? 'B' : letter[0]);
    origins_ = ComputeLayout(rules(), cardSize_, area_, metrics_);
}

// Small screens: games that ask for it switch to medium cards with a fixed
// face set and back; the player's own choice comes back on a wide screen.
void Engine::fitCardSize() {
    const bool narrow = platform_.screen.info().width < kSmallScreenWidth;
    if (narrow && rules()[Rule::NeedsSmallCards] == 1 && settings_.get(Field::CardSize) != "M") {
        settings_.put(Field::SavedCardSize, settings_.get(Field::CardSize));
        settings_.put(Field::SavedCardSet, settings_.get(Field::CardSet));
        settings_.put(Field::SavedCardBack, settings_.get(Field::CardBack));
        settings_.put(Field::CardSize, "M");
        settings_.put(Field::CardSet, "003");
        settings_.put(Field::CardBack, "006");
        if (!smallCardsMessageShown_) {
            smallCardsMessageShown_ = true;
            platform_.messages.showMessage(
                "Your video card runs at 640x480 pixels.\rFor best graphics display, screen resolution should be set "
                "to 800x600 pixels or higher. However, it's possible to play " +
                    settings_.get(Field::CurrentGameName) + " using a predefined card and deck set.",
                kProductName, MessageIcon::Information);
        }
    } else if (!settings_.get(Field::SavedCardSize).empty() && (!narrow || rules()[Rule::NeedsSmallCards] != 1)) {
        settings_.put(Field::CardSize, settings_.get(Field::SavedCardSize));
        settings_.put(Field::CardSet, settings_.get(Field::SavedCardSet));
        settings_.put(Field::CardBack, settings_.get(Field::SavedCardBack));
        settings_.put(Field::SavedCardSize, "");
        settings_.put(Field::SavedCardSet, "");
        settings_.put(Field::SavedCardBack, "");
    }
    layOut();
}

bool Engine::StartGame(bool newDeal, bool animate, int numberMode, bool silent) {
    (void)animate;  // the deal animation is the front end's
    BusyScope busy(platform_.cursor);
    // A game played or resumed ends any demo shown.
    demoMode_ = false;
    state_.selection.clear();
    state_.moveCounter = 0;
    if (newDeal) {
        state_.position.piles.clear();
        history_.clearUndo();
        game_.moveLog.clear();
    }
    syncTableauMoves();
    history_.clearRedo();
    game_.redoLog.clear();
    game_.inProgress = false;
    game_.undoUsed = game_.redoUsed = false;
    game_.cardInMotion = 0;
    redealArmed_ = false;
    // A double-click that ended the last game leaves the press it swallows
    // waiting; the first press of this game is the player's own.
    ignoreNextPress_ = false;
    settings_.put(Field::LastWasUndo, "0");
    settings_.put(Field::LastWasRedo, "0");

    if (game_.gameCode == kNoGame || rules()[Rule::CardCount] == 0) return false;

    if (newDeal) {
        fitCardSize();
        game_.clockRunning = false;
        state_.passNumber = 1;
        game_.score = 0;
        game_.hintsUsed = 0;
        if (numberMode == 2) settings_.put(Field::CurrentGameNumber, DrawGameNumber(random_));
        game_.gameNumber = settings_.get(Field::CurrentGameNumber);

        GameRules dealRules = state_.rules();
        RestoreRuleSnapshot(dealRules, ruleSnapshot_);
        state_.setRules(dealRules);
        const DeckOrderResult deck = BuildDeckOrder(game_.gameNumber, dealRules[Rule::CardCount]);
        if (deck.error != DeckOrderError::None) {
            platform_.messages.showMessage(DeckOrderErrorMessage(deck.error, game_.gameNumber), kProductName,
                                           MessageIcon::Information);
            changed();
            return false;
        }
        // The deal settles the foundations' first cards and what empty piles take.
        game_.score = DealGame(state_.position, dealRules, deck.order, settings_.get(Field::ScoringSystem) == "01");
        state_.setRules(dealRules);
        settings_.put(Field::CurrentScore, std::to_string(game_.score));
        // The poker games score their grid from the start.
        if (SpecialGameOf(dealRules) == SpecialGame::PokerGrid) scorePokerGrid(-1);
    } else {
        layOut();
    }

    if (records_) records_->dealStarted(game_.gameCode, game_.gameNumber);
    game_.inProgress = true;
    game_.won = false;
    game_.gameOverHandled = false;
    if (!game_.clockRunning) {
        game_.clockRunning = true;
        game_.startTime = platform_.clock.now();
    }
    changed();
    if (!silent && observer_) observer_->gameShown(animate && settings_.get(Field::DealAnimation) != "N");

    if (autoplay_ && autoplayEnabled() && !silent) {
        platform_.clock.pause(std::chrono::milliseconds(800));
        FollowUps followUps(*this);
        runAutoplay();
    }
    return true;
}

int Engine::elapsedSeconds() const {
    if (!game_.clockRunning) return 0;
    auto end = game_.inProgress ? platform_.clock.now() : endTime_;
    if (paused_ && game_.inProgress) end = pauseStart_;
    return static_cast<int>(std::chrono::duration_cast<std::chrono::seconds>(end - game_.startTime).count());
}

void Engine::EndGame() {
    if (!game_.inProgress) return;
    BusyScope busy(platform_.cursor);
    // Games scored by poker hands are won with 100 points.
    if (SpecialGameOf(rules()) == SpecialGame::PokerGrid) game_.won = IsPokerScoreWinning(game_.score);
    endTime_ = platform_.clock.now();
    GameResult result;
    result.gameCode = game_.gameCode;
    result.gameNumber = game_.gameNumber;
    result.won = game_.won;
    result.seconds = elapsedSeconds();
    result.score = game_.score;
    result.hintsUsed = game_.hintsUsed;
    result.start = game_.startTime;
    result.end = endTime_;
    if (records_) records_->gameEnded(result);

    const bool won = game_.won;
    state_.selection.clear();
    game_.cardInMotion = 0;
    game_.won = false;
    game_.inProgress = false;
    game_.gameOverHandled = true;
    if (won) {
        platform_.clock.pause(std::chrono::milliseconds(200));
        sounds_.play(Sound::Won, sounds_.wanted(Field::SoundsGameWon));
        if (observer_) observer_->gameWon();
    }
    changed();
}

void Engine::setDemoMode(bool on) {
    demoMode_ = on;
    game_.inProgress = false;
    game_.won = false;
    game_.clockRunning = false;
    game_.cardInMotion = 0;
    redealArmed_ = false;
    changed();
}

bool Engine::ConfirmLeaveGame(std::string_view text) {
    if (celebrating_) return false;
    if (settings_.get(Field::ConfirmQuitGame) == "N" || !game_.inProgress || game_.won) return true;
    const std::string question = text.empty() ? LoadText(settings_, TextId::QuitThisGame) : std::string(text);
    return platform_.messages.ask(question, kProductName, MessageButtons::OkCancel, MessageIcon::Question) ==
           Answer::Ok;
}

bool Engine::NewGame() {
    if (!ConfirmLeaveGame()) return false;
    EndGame();
    sounds_.playAndWait(Sound::NewGame, sounds_.wanted(Field::SoundsNewGame));
    return StartGame(true, true, 2, false);
}

bool Engine::QuitGame() {
    if (!ConfirmLeaveGame()) return false;
    EndGame();
    state_.position.piles.clear();
    changed();
    return true;
}

}  // namespace dravicor
