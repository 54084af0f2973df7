#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "cards/position.h"

namespace dravicor {

// A whole position kept for undo or redo, in a compact form: per pile its
// number of groups, then the groups, each card with its face-up flag in the
// high bit. About 160 bytes for a two-deck game.
class CompactPosition {
public:
    CompactPosition() = default;
    // With withoutFoundation1 the first foundation is stored empty (games
    // that keep it outside undo).
    static CompactPosition From(const Position& position, bool withoutFoundation1);
    // Restores every pile (and the face flags of their cards); the first
    // foundation is left alone when it was stored without it.
    void restoreInto(Position& position) const;
    // The 53 snapshot lines this stands for.
    std::vector<std::string> snapshotLines() const;
    size_t byteSize() const { return bytes_.size(); }

    friend bool operator==(const CompactPosition&, const CompactPosition&) = default;

private:
    std::vector<std::uint8_t> bytes_;
    bool withoutFoundation1_ = false;
};

// The undo and redo stacks: one snapshot per step, and beside each the pass
// through the stock it was taken in (0 where that is not known: steps read
// from a saved game).
struct UndoHistory {
    std::vector<CompactPosition> undo;
    std::vector<CompactPosition> redo;
    std::vector<std::int16_t> undoPasses;
    std::vector<std::int16_t> redoPasses;

    void clear() {
        clearUndo();
        clearRedo();
    }
    void clearUndo() {
        undo.clear();
        undoPasses.clear();
    }
    void clearRedo() {
        redo.clear();
        redoPasses.clear();
    }
};

}  // namespace dravicor
