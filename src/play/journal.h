#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "play/play_state.h"

namespace dravicor {

// A point in a journal to go back to: everything recorded after it is what
// ApplyMove (and ApplyFollowUps after it) changed.
struct UndoMark {
    std::uint32_t size = 0;
    friend bool operator==(const UndoMark&, const UndoMark&) = default;
};

// The changes made to a PlayState, smallest steps first, so that they can
// be taken back in reverse order. One journal serves a whole search: each
// move adds its changes and UndoMove takes them off again, so the journal
// is a stack as deep as the search path. Cleared, it keeps its memory.
class Journal {
public:
    Journal() { changes_.reserve(1024); }

    UndoMark mark() const { return {static_cast<std::uint32_t>(changes_.size())}; }
    size_t size() const { return changes_.size(); }
    void clear() { changes_.clear(); }

    // What the changes after a mark touched, for a search that keeps a
    // position key of its own up to date: the piles whose groups changed
    // (a bit per PileIndex), the cards turned (the first kMostTurned of
    // them; more sets `manyTurned`), and whether the counters or the
    // selection changed.
    struct Touched {
        static constexpr int kMostTurned = 16;
        std::uint64_t piles = 0;
        std::array<CardNumber, kMostTurned> turned{};
        int turnedCount = 0;
        bool manyTurned = false;
        bool counters = false;
        bool selection = false;
    };
    Touched touchedSince(UndoMark mark) const;

private:
    friend class StateEditor;
    friend void UndoMove(PlayState& state, Journal& journal, UndoMark mark);

    enum class Op : std::uint8_t {
        Pushed,          // a group went onto the pile's top
        Erased,          // the group `card` was taken out at `index`
        Overwritten,     // the group at `index` held `card`
        Turned,          // `card` was face up (value 1) or down (0)
        Pass,            // the pass number was `value`
        MoveCounter,     // the move counter was `value`
        TableauMoves,    // the tableau-move count was `value`
        Selected,        // `card` joined the selection at its end
        Deselected,      // `card` left the selection at `index`
    };
    struct Change {
        Op op;
        std::uint8_t pile;
        std::uint8_t index;
        CardNumber card;
        std::int16_t value;
    };

    std::vector<Change> changes_;
};

// Takes back every change recorded after the mark, newest first, and
// forgets them: the state is exactly as it was when the mark was taken.
void UndoMove(PlayState& state, Journal& journal, UndoMark mark);

// Every change of a PlayState made by the move core goes through here, so
// that the journal (when there is one) learns of it.
class StateEditor {
public:
    StateEditor(PlayState& state, Journal* journal) : state_(state), journal_(journal) {}

    PlayState& state() { return state_; }
    const PlayState& state() const { return state_; }
    Pile& pile(int index) { return PileAtIndex(state_.position.piles, index); }

    // Puts the card on the pile's top; a real card also gets the face.
    void append(int pile, CardNumber card, bool faceUp);
    // Appends without touching the card's face.
    void appendKeepingFace(int pile, CardNumber card);
    void eraseAt(int pile, int index);
    void setAt(int pile, int index, CardNumber card);
    // Takes the card out in the given mode (the pile must hold it).
    void remove(int pile, int card, RemoveMode mode);
    void clearPile(int pile);
    void setFaceUp(int card, bool up);

    void setPass(int pass);
    void setMoveCounter(int counter);
    void setTableauMoves(int count);
    void select(CardNumber card);
    void deselectAt(int index);
    void clearSelection();

private:
    void record(Journal::Op op, int pile, int index, int card, int value = 0) {
        if (journal_ != nullptr) {
            journal_->changes_.push_back({op, static_cast<std::uint8_t>(pile), static_cast<std::uint8_t>(index),
                                          static_cast<CardNumber>(card), static_cast<std::int16_t>(value)});
        }
    }

    PlayState& state_;
    Journal* journal_;
};

}  // namespace dravicor
