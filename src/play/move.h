#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "cards/pile_lists.h"

namespace dravicor {

enum class MoveKind : std::uint8_t {
    // The card goes from `from` to `to`; from a tableau pile to a tableau
    // pile the cards above it come along. Any pile but the stock may be the
    // target: a foundation, a tableau pile, a reserve, the waste (the games
    // whose waste takes neighbours) or the second waste (the discard pile).
    Card,
    // The face-down card is turned face up (a press on a tableau pile's top).
    TurnUp,
    // A click on the stock, whatever the game makes of it: cards turned to
    // the waste, a redeal, a deal to the piles, the grid closing its gaps.
    StockClick,
    // The actions a stock click resolves to, each one step of its own.
    TurnStock,      // the stock's top cards to the waste (to: Waste) or the second waste (to: SecondWaste)
    Redeal,         // the waste back into the stock, a new pass
    ShuffleRedeal,  // the tableau gathered, mixed and dealt again, a new pass
    Deal,           // stock cards dealt to the piles; `deal` says which
    // The pairing games' actions.
    Discard,        // the selected cards go to the second waste
    RefillGaps,     // each empty tableau pile takes a stock card
    CloseGaps,      // the grid closes up in pile order and takes stock cards at its end
    Press,          // one press on the card lying on `from`: selects, deselects, may discard
    Select,         // the cards in `presses` are pressed in turn from an empty selection
};

// The piles a Deal reaches.
enum class DealTarget : std::uint8_t {
    Tableau,      // the tableau piles whose deal mode receives ("Add_Tableaus")
    Reserves,     // the reserves whose deal mode receives ("Add_Reserves")
    FillGaps,     // the empty tableau piles, as part of the move before ("Fill_Tableaus")
    EveryTableau, // every tableau pile ("Add_Tableaus_Last")
};

// One move of the game. Small and plain, so that lists of them cost
// nothing to keep.
struct Move {
    static constexpr int kMostPresses = 4;

    MoveKind kind = MoveKind::Card;
    CardNumber card = kNoCard;      // Card, TurnUp, Press
    // Card: the cards carried (the card and those above it that come
    // along), as GenerateMoves found them; Select: the presses.
    std::uint8_t count = 0;
    // Card to a foundation: made by autoplay, which has rules of its own
    // for an empty foundation (and a sound of its own).
    bool byAutoplay = false;
    DealTarget deal = DealTarget::Tableau;
    PileId from{};                  // Card, TurnUp, Press: where the card lies
    PileId to{};                    // Card: where it goes; TurnStock: Waste or SecondWaste
    std::array<CardNumber, kMostPresses> presses{};

    static Move CardTo(int card, PileId from, PileId to, int count = 1, bool byAutoplay = false) {
        Move m;
        m.card = static_cast<CardNumber>(card);
        m.from = from;
        m.to = to;
        m.count = static_cast<std::uint8_t>(count);
        m.byAutoplay = byAutoplay;
        return m;
    }
    static Move Of(MoveKind kind) {
        Move m;
        m.kind = kind;
        return m;
    }
    static Move OnCard(MoveKind kind, int card, PileId from) {
        Move m = Of(kind);
        m.card = static_cast<CardNumber>(card);
        m.from = from;
        return m;
    }
    static Move TurnStockTo(PileId to) {
        Move m = Of(MoveKind::TurnStock);
        m.to = to;
        return m;
    }
    static Move DealTo(DealTarget deal) {
        Move m = Of(MoveKind::Deal);
        m.deal = deal;
        return m;
    }

    friend bool operator==(const Move&, const Move&) = default;
};

// A list of moves kept for reuse: cleared, never shrunk, so that once it
// has grown to the largest list a search meets, filling it allocates
// nothing.
class MoveList {
public:
    MoveList() { moves_.reserve(256); }

    void clear() { moves_.clear(); }
    void push(const Move& move) { moves_.push_back(move); }
    int size() const { return static_cast<int>(moves_.size()); }
    bool empty() const { return moves_.empty(); }
    const Move& operator[](int i) const { return moves_[static_cast<size_t>(i)]; }
    auto begin() const { return moves_.begin(); }
    auto end() const { return moves_.end(); }

private:
    std::vector<Move> moves_;
};

// A move written out for people: "012 Fila3 -> Dest1", "stock", "press 007 013".
// Not for the hot path.
std::string MoveText(const Move& move);

}  // namespace dravicor
