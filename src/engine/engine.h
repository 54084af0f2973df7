#pragma once

#include <array>
#include <chrono>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "cards/game_state.h"
#include "cards/pile_at.h"
#include "cards/position.h"
#include "common/platform.h"
#include "common/settings_record.h"
#include "engine/poker.h"
#include "engine/shuffle_redeal.h"
#include "engine/sounds.h"
#include "engine/undo_history.h"
#include "play/move_core.h"
#include "rules/game_rules.h"
#include "rules/layout.h"
#include "rules/pile_geometry.h"

namespace dravicor {

// What the end of a game hands to the records (statistics, log, hi-scores).
struct GameResult {
    int gameCode = kNoGame;
    std::string gameNumber;
    bool won = false;
    int seconds = 0;
    int score = 0;
    int hintsUsed = 0;
    std::chrono::system_clock::time_point start{};
    std::chrono::system_clock::time_point end{};
};

class GameRecords {
public:
    virtual ~GameRecords() = default;
    // A deal has been made: its number joins the recently played ones.
    virtual void dealStarted(int gameCode, const std::string& gameNumber) {
        (void)gameCode;
        (void)gameNumber;
    }
    virtual void gameEnded(const GameResult& result) = 0;
};

// What the engine tells its front end beyond the state it exposes.
class EngineObserver {
public:
    virtual ~EngineObserver() = default;
    virtual void tableChanged() {}
    // A won game has been recorded: the front end celebrates and offers what next.
    virtual void gameWon() {}
    // A game has been put on the table for the player to see (not a silent
    // start): the front end may change the appearance at random, and shows
    // the deal, card by card when animate is true.
    virtual void gameShown(bool animate) { (void)animate; }
};

// A game to play on from without dealing: one read from a saved-game file,
// or the current deal rebuilt for a restart.
struct ResumedGame {
    Position position;
    std::vector<Position> undo;          // one position per undo step, earliest first
    std::string moveLog;                 // the MoveLog text that goes with the steps
    std::optional<int> score;            // none: computed from the position
    int passNumber = 1;
    std::optional<int> elapsedSeconds;   // none: the clock starts from zero
    std::string gameNumber;
    // New first cards of the foundations (rule entries from
    // Rule::FoundationFirstCard); an empty entry keeps the rules' value.
    std::array<std::optional<int>, 16> foundationFirstCards{};
    // The current game's rules stay as they are, including what its deal
    // rewrote (a restart); the code and rules passed are then not used.
    bool keepCurrentRules = false;
};

enum class PointerButton { Left, Right };

// A move a player could make by dragging a card (with the cards above it)
// onto a pile.
struct PlayerMove {
    CardNumber card = kNoCard;
    PileId target{};
    friend bool operator==(const PlayerMove&, const PlayerMove&) = default;
};

// The play engine: owns the game in progress (its PlayState: position,
// rules, pass, selection; the game state, undo history, table layout, drag
// state) and makes every change of it through the move core
// (play/move_core.h), adding what a player sees and hears: the undo
// history, sounds, the score, the clock, the observer and the pointer.
// Front ends forward the player's input and draw what it exposes.
class Engine : private PlayListener {
public:
    Engine(SettingsRecord& settings, Platform& platform, std::mt19937_64& random);

    // --- Set-up -----------------------------------------------------------
    // Makes a game current with its rules, as loaded from the catalogue.
    void setGame(int code, const GameRules& rules);
    void setTableArea(const TableArea& area);
    // Every pile is drawn this many pixels higher (the table's scroll bar).
    void setScrollOffset(int offset);
    void setRecords(GameRecords* records) { records_ = records; }
    // Puts a position on the table (a loaded game; tests); StartGame with
    // newDeal false then plays on from it.
    void setPosition(const Position& position) {
        state_.position = position;
        changed();
    }
    void setObserver(EngineObserver* observer) { observer_ = observer; }
    // Makes the game current with its rules and plays on from the given
    // position, undo steps, log, score, pass and clock (redo is empty).
    // False when the rules hold no game; nothing is changed then.
    bool ResumeGame(int code, const GameRules& rules, const ResumedGame& resumed);

    // --- Game lifecycle ---------------------------------------------------
    // numberMode 2 draws a new game number; otherwise the settings record's
    // number is dealt. False when no deal could be made (its reason shown).
    bool StartGame(bool newDeal, bool animate, int numberMode, bool silent);
    void EndGame();
    bool ConfirmLeaveGame(std::string_view text = {});
    // While the front end celebrates a won game, no game may be left.
    void setCelebrating(bool on) { celebrating_ = on; }
    bool celebrating() const { return celebrating_; }
    // The player took a hint: counted for the deal, a restart keeps the count.
    void NoteHintTaken() { ++game_.hintsUsed; }
    bool NewGame();   // the New game command; false when the player kept the game
    bool QuitGame();  // the Quit game command
    int elapsedSeconds() const;

    // --- Moves ------------------------------------------------------------
    // Carries out a move onto a pile name or an action name; no legality
    // check. True when something was executed.
    bool MoveCard(int card, std::string_view target);
    // May the card (with the cards above it when it lies in a tableau pile)
    // be dropped on the pile?
    bool CanPlace(int card, PileId target, bool byAutoplay = false) const;
    bool DropCard(int card, Point dropPoint);
    // The pile a drop of the card with its corner at the point would land
    // on: the first of the piles it overlaps most that takes it.
    std::optional<PileId> DropLandsOn(int card, Point dropPoint) const;
    bool TryMoveToFoundation(int card, bool byAutoplay, bool reservesToo);
    // A press on the stock (the redeal is only armed; PointerRelease does it).
    bool StockClick();

    // --- Automatic behaviour ------------------------------------------------
    void SetAutoplay(bool on);
    bool autoplayOn() const { return autoplay_; }
    bool autoplayEnabled() const { return rules()[Rule::AutoplayAvailable] != 0; }
    bool AutoplayPass();
    bool AutoFaceUp();
    bool TurnFaceUp(int card);
    bool AutoFillTableau();
    bool IsGameWon() const;

    // --- Undo and redo ----------------------------------------------------
    bool Undo(bool quiet = false);
    bool Redo(bool quiet = false);
    void CollapseLastSteps(int count);

    // --- Demo mode ----------------------------------------------------------
    // While on, the table shows a recorded game stepped through with quiet
    // undo and redo: a press only beeps, and the game shown is not in
    // progress, so nothing of it is recorded and its clock stands still.
    // StartGame (a deal, or a game resumed) turns it off.
    void setDemoMode(bool on);
    bool demoMode() const { return demoMode_; }

    // --- Pointer input (table coordinates) --------------------------------
    void PointerPress(Point point, PointerButton button = PointerButton::Left);
    // The keyboard's press: at the point, on the pile and card named,
    // whatever another pile fans over that place.
    void PointerPressOn(Point point, PileId pile, CardNumber card);
    void PointerMove(Point point);
    // True when the dragged cards were dropped on a pile.
    bool PointerRelease(Point point);
    // The keyboard's release: the dragged cards go to the pile named, with
    // the rules of a drop, whatever another pile fans over its place.
    bool PointerReleaseOn(PileId target);
    void DoubleClick(Point point);

    // --- State --------------------------------------------------------------
    const Position& position() const { return state_.position; }
    const SettingsRecord& settings() const { return settings_; }
    const GameState& game() const {
        // The pass and the move counter are the play state's; the game
        // state shows them as they are now.
        game_.passNumber = state_.passNumber;
        game_.moveCounter = state_.moveCounter;
        return game_;
    }
    const GameRules& rules() const { return state_.rules(); }
    // The rules a new deal starts from, before dealing settles anything in them.
    GameRules rulesForNewDeal() const {
        GameRules fresh = state_.rules();
        RestoreRuleSnapshot(fresh, ruleSnapshot_);
        return fresh;
    }
    // The game in progress as the move core sees it, with the player's
    // automatic options as they stand: a solver or a test starts from here.
    PlayState playState() const;
    const UndoHistory& history() const { return history_; }
    const PileOrigins& origins() const { return origins_; }
    const SpreadMetrics& metrics() const { return metrics_; }
    Size cardSize() const { return cardSize_; }
    TableGeometry geometry() const;
    bool redealArmed() const { return redealArmed_; }
    // May the stock be gone through once more?
    bool passesLeft() const;
    bool isDragging() const { return game_.cardInMotion != 0; }
    Point dragImagePosition() const { return dragPosition_; }

    // The poker games' score panel as last shown, and the five piles of the
    // hand being shown (empty between hands).
    const PokerPanelText& pokerPanel() const { return pokerPanel_; }
    const std::vector<int>& pokerHighlight() const { return pokerHighlight_; }
    // What the last shuffle-redeal gathered and dealt, for its animation.
    const ShuffleRedealResult& lastShuffle() const { return lastShuffle_; }

    // --- Pause ------------------------------------------------------------
    // While paused the clock stands still and the next press only ends the
    // pause.
    void SetPause(bool on);
    bool paused() const { return paused_; }

    // The cards selected in a pairing game, in the order pressed.
    CardRun selection() const { return state_.selection.cards(); }

    // Every set of cards (at most four) whose presses, in the listed order,
    // complete and discard a selection in a pairing game, starting from an
    // empty selection; in the games where a press turns a face-down top
    // card, that card alone too. Empty in other games.
    std::vector<std::vector<CardNumber>> SelectionMoves() const;
    // The games with a discard pile (Rule::SpecialGame 2, 12, 15, 30) and
    // Clock (37): the cards a press would move at once now.
    std::vector<CardNumber> DiscardMoves() const;
    // The same moves with the pile each pressed card goes to.
    std::vector<PlayerMove> PressMoves() const;
    // Forgets a half-made selection (the player changed their mind).
    void ClearSelection();

    // Every move a player could make now by dragging, in a stable order.
    std::vector<PlayerMove> LegalMoves() const;
    // Would a click on the stock change the position?
    bool StockWouldAct() const;
    // Where the card lies on the table (top-left corner).
    std::optional<Point> CardPoint(int card) const;
    // Where the card would lie once dropped on the pile (top-left corner):
    // on the pile's top card, or in the gaps games the gap it fills;
    // nothing when the pile has no gap for it.
    std::optional<Point> LandingPoint(int card, PileId pile) const;

private:
    struct Pickup;
    class FollowUps;

    // Moves, carried out by the move core with the engine listening.
    std::optional<Move> moveForTarget(int card, std::string_view target) const;
    bool apply(const Move& move);
    // A redeal is armed by the first request and made by the second.
    bool armOrRedeal(const Move& redeal);
    bool tryMoveTo(int card, PileId target, bool byAutoplay);
    // Ends a press: onto the pile named, or (none) where the drag lies.
    bool release(std::optional<PileId> target);
    void press(Point point, const PileHit& hit, PointerButton button);
    // The first move may only take a tableau card to a foundation.
    bool openingPhaseRefuses(int card, PileId target) const;
    // The piles a drop at the point overlaps, in the order the drop tries them.
    std::vector<PileId> dropCandidates(int card, Point dropPoint) const;
    void syncOptions();
    // The count of tableau moves follows the move log (the undo steps carry it).
    void syncTableauMoves();
    void noteTableauMove();
    void scoreMove(int placedCard);
    void scorePokerGrid(int placedCard);
    void recomputeScore();
    int pileCountOf(PileKind kind) const;
    bool isOnTable(PileId pile) const { return origins_.isOnTable(pile); }
    void afterPlayerAction();
    // Autoplay passes alternating with the filling of empty piles, as long
    // as a pass moves a card.
    void runAutoplay();

    // What the move core reports while it plays (PlayListener).
    void stepBegins(const Move& step, StepCause cause) override;
    void stepMade(const Move& step, StepCause cause, const StepReport& report) override;
    void stepEnded(const Move& step, StepCause cause) override;
    bool autoplayPassEnded() override;

    // Pick-up rules of a press.
    std::optional<Pickup> pickupAt(const PileHit& hit, PointerButton button);

    // Selection play (the pairing games).
    void selectionPress(const PileHit& hit);

    // Undo.
    void PushSnapshot(bool toUndo, bool clearRedo);
    bool keepsFoundation1Out() const;
    bool restoreStep(bool undo, bool quiet);

    // Lifecycle helpers.
    void fitCardSize();
    void layOut();
    void changed();

    SettingsRecord& settings_;
    Platform& platform_;
    std::mt19937_64& random_;
    GameSounds sounds_;
    GameRecords* records_ = nullptr;
    EngineObserver* observer_ = nullptr;

    PlayState state_;
    // The move core's record of changes; the engine keeps its own undo
    // history, so this is emptied after every move.
    Journal journal_;
    mutable GameState game_;
    RuleSnapshot ruleSnapshot_;
    UndoHistory history_;
    int discardsMade_ = 0;
    PokerPanelText pokerPanel_;
    std::vector<int> pokerHighlight_;
    ShuffleRedealResult lastShuffle_;
    bool paused_ = false;
    std::chrono::system_clock::time_point pauseStart_{};

    TableArea area_;
    PileOrigins origins_;
    SpreadMetrics metrics_;
    // The small x offsets of tableau cards while the irregular-piles option
    // is on; drawn once per program, so a pile keeps its look.
    IrregularOffsets irregular_{};
    Size cardSize_{71, 96};

    bool autoplay_ = false;
    bool autoplayRunning_ = false;
    bool redealArmed_ = false;
    bool smallCardsMessageShown_ = false;
    bool demoMode_ = false;
    bool celebrating_ = false;

    // Drag state.
    Point grabOffset_{};
    Point dragPosition_{};
    Size dragSize_{};
    PileId dragSource_{};
    bool pointerMoved_ = false;
    bool ignoreNextPress_ = false;
    bool pressTurnedCard_ = false;
    Point lastPress_{};
    // The pile and card of the last press when the keyboard named them.
    std::optional<PileHit> namedPress_;
    std::chrono::system_clock::time_point endTime_{};
};

// "h:nn:ss", hours without a leading zero.
std::string FormatClock(int seconds);

}  // namespace dravicor
