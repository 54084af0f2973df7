#pragma once

// The move core: the rules of one move of every game, over a PlayState.
//
//   PlayState state(rules);            // rules as the deal left them
//   state.position = dealt;            // e.g. DealGame(state.position, ...)
//   Journal journal;
//   MoveList moves;
//   GenerateMoves(state, moves);
//   const MoveResult r = ApplyMove(state, moves[0], journal);
//   ApplyFollowUps(state, journal);    // what the game does by itself after a player's move
//   ... IsWon(state) ...
//   UndoMove(state, journal, r.undo);  // back to before the move and its follow-ups
//
// No allocation happens in these calls once the journal and the move list
// have grown to what the search needs, and nothing is written anywhere
// but in the state, the journal and the move list.

#include <span>

#include "play/journal.h"
#include "play/move.h"
#include "play/play_state.h"

namespace dravicor {

// Why a step is made.
enum class StepCause : std::uint8_t {
    Player,    // the move asked for
    FaceUp,    // a face-down tableau top turned after a move, or by autoplay
    Fill,      // an empty tableau pile filled by the game (Rule::AutoFillEmptyTableau)
    Autoplay,  // a card sent to a foundation by autoplay
};

// One card the shuffle-redeal laid on a tableau pile.
struct RedealtCard {
    CardNumber card = kNoCard;
    int pile = 0;         // 0-based tableau index
    int place = 0;        // 0-based place in the pile, bottom first
    bool faceUp = false;  // the face it ends with, the top-card turn included

    friend bool operator==(const RedealtCard&, const RedealtCard&) = default;
};

// What one step did, for a front end's sounds, score and flights.
struct StepReport {
    PileKind source = PileKind::Stock;  // Card: the kind of pile the card left
    int cards = 0;                     // cards moved, turned or dealt
    bool tableauMoveCounted = false;   // a move to a tableau pile counted (CountedTableauMoves)
    int reorderedCards = 0;            // the foundation was sorted and holds this many (ReorderAfterFoundation)
    // ShuffleRedeal: the cards gathered in the order they left the table,
    // and those laid down, in order; valid during the call only.
    std::span<const CardNumber> gathered;
    std::span<const RedealtCard> dealt;
};

// A front end that records undo steps, plays sounds or animates listens to
// the core while it plays. Every step that changes the position on its own
// comes as stepBegins (before any change), stepMade (its own change done)
// and stepEnded (after the common end of a move: the face-up turns it
// caused as steps of their own, the move counter, the first move's fill).
// Nothing here may change the PlayState being played.
class PlayListener {
public:
    virtual ~PlayListener() = default;
    virtual void stepBegins(const Move& step, StepCause cause) {
        (void)step;
        (void)cause;
    }
    virtual void stepMade(const Move& step, StepCause cause, const StepReport& report) {
        (void)step;
        (void)cause;
        (void)report;
    }
    virtual void stepEnded(const Move& step, StepCause cause) {
        (void)step;
        (void)cause;
    }
    // An autoplay pass is over: false stops the follow-ups (the game ended).
    virtual bool autoplayPassEnded() { return true; }
};

struct MoveResult {
    bool applied = false;   // something changed (the selection counts)
    bool refused = false;   // a press the game refuses (the front end beeps)
    UndoMark undo;          // UndoMove with this takes it back
};

// --- Generating moves -------------------------------------------------------

// Every move the player can make now, in a fixed order: drags of cards and
// runs (sources: the waste, the tableau piles, the reserves, the
// foundations; each pile's cards bottom first; targets: foundations,
// tableau piles, reserves, the waste), the discard pile's presses, the
// selections that discard, face-down tops to turn, the stock click.
void GenerateMoves(const PlayState& state, MoveList& moves);

// --- Making moves -------------------------------------------------------------

// Carries out one move as the engine's executor does, with the common end
// of every move (the face-down tops it uncovered turned unless autoplay
// runs, the move counter, the first move's fill). Moves are not checked
// against the rules: GenerateMoves lists the legal ones, CanPlace and
// CanPickUp judge others. A move that cannot be carried out (a card not
// on its pile, an empty stock) changes nothing and is not applied.
MoveResult ApplyMove(PlayState& state, const Move& move, Journal& journal, PlayListener* listener = nullptr);

// What the game does by itself after a player's move: the empty tableau
// piles filled (Rule::AutoFillEmptyTableau), then, with autoplay on,
// passes of autoplay alternating with the fills as long as a pass moves a
// card. Autoplay sends every card a foundation accepts (the waste and
// reserve tops too) and turns face-down tableau tops; it is the game's
// autoplay, not a search's safe moves. Returns whether anything changed;
// UndoMove with the mark of the move before takes these back with it.
bool ApplyFollowUps(PlayState& state, Journal& journal, PlayListener* listener = nullptr);

// The pieces of the follow-ups, for a front end that runs them apart.
bool AutoFillTableau(PlayState& state, Journal& journal, PlayListener* listener = nullptr);
bool AutoplayPass(PlayState& state, Journal& journal, PlayListener* listener = nullptr);
bool AutoFaceUp(PlayState& state, Journal& journal, PlayListener* listener = nullptr);
// Sends the card to the first foundation that takes it (then, when
// reservesToo, the first reserve), as a double-click or autoplay does.
bool TryMoveToFoundation(PlayState& state, Journal& journal, int card, bool byAutoplay, bool reservesToo,
                         PlayListener* listener = nullptr);

// --- Judging ------------------------------------------------------------------

// The game's win test: the engine's game-won flag after a move. In the
// poker games a full grid ends the game; it counts as won only with 100
// points, which IsWon asks as well.
bool WinTestHolds(const PlayState& state);
bool IsWon(const PlayState& state);

// May a press pick the card up from its pile (with the cards above it in a
// tableau pile)?
bool CanPickUp(const PlayState& state, int card, PileId pile);
// May the card (with the cards above it when it lies in a tableau pile)
// be dropped on the pile? byAutoplay: the foundations' rules for autoplay.
bool CanPlace(const PlayState& state, int card, PileId target, bool byAutoplay = false);
// The same for a card known to lie at `at` in pile `from`.
bool CanPlaceFrom(const PlayState& state, int card, PileId from, int at, PileId target, bool byAutoplay);

// May the stock be gone through once more?
bool PassesLeft(const PlayState& state);
// Would a click on the stock change the position (the engine's answer)?
bool StockWouldAct(const PlayState& state);
// Does the first-move rule (Rule::OpeningPhase) refuse the move now?
bool FirstMoveRuleRefuses(const PlayState& state, const Move& move);
// Would the redeal (or shuffle-redeal) be made now?
bool RedealPossible(const PlayState& state);

}  // namespace dravicor
