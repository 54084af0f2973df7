#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "cards/position.h"
#include "rules/game_rules.h"
#include "rules/legality.h"
#include "rules/rule_codes.h"

namespace dravicor {

// Piles by one number, 0 to kPileCount - 1, in the order of the position
// snapshot: stock, waste, second waste, foundations, tableau piles, reserves.
inline constexpr int kFirstFoundationIndex = kStockListSize;
inline constexpr int kFirstTableauIndex = kFirstFoundationIndex + kFoundationCount;
inline constexpr int kFirstReserveIndex = kFirstTableauIndex + kTableauCount;

constexpr int PileIndex(PileId pile) {
    switch (pile.kind) {
        case PileKind::Stock: return 0;
        case PileKind::Waste: return 1;
        case PileKind::SecondWaste: return 2;
        case PileKind::Foundation: return kFirstFoundationIndex + pile.number - 1;
        case PileKind::Tableau: return kFirstTableauIndex + pile.number - 1;
        case PileKind::Reserve: return kFirstReserveIndex + pile.number - 1;
    }
    return 0;
}

constexpr PileId PileOfIndex(int index) {
    if (index < kFirstFoundationIndex) {
        return index == 0 ? PileId::Stock() : index == 1 ? PileId::Waste() : PileId::SecondWaste();
    }
    if (index < kFirstTableauIndex) return PileId::Foundation(index - kFirstFoundationIndex + 1);
    if (index < kFirstReserveIndex) return PileId::Tableau(index - kFirstTableauIndex + 1);
    return PileId::Reserve(index - kFirstReserveIndex + 1);
}

inline Pile& PileAtIndex(PileLists& piles, int index) {
    if (index < kFirstFoundationIndex) return piles.stock[static_cast<size_t>(index)];
    if (index < kFirstTableauIndex) return piles.foundations[static_cast<size_t>(index - kFirstFoundationIndex)];
    if (index < kFirstReserveIndex) return piles.tableau[static_cast<size_t>(index - kFirstTableauIndex)];
    return piles.reserves[static_cast<size_t>(index - kFirstReserveIndex)];
}
inline const Pile& PileAtIndex(const PileLists& piles, int index) {
    return PileAtIndex(const_cast<PileLists&>(piles), index);
}

// The cards selected in a pairing game, in the order pressed. Selected
// cards stay where they lie; the selection only names them.
class Selection {
public:
    int size() const { return size_; }
    bool empty() const { return size_ == 0; }
    CardNumber operator[](int i) const { return cards_[static_cast<size_t>(i)]; }
    int find(int card) const;
    bool contains(int card) const { return find(card) >= 0; }
    CardRun cards() const { return {cards_.data(), size_}; }

    void push(CardNumber card) {
        if (size_ < kCardCount) cards_[size_++] = card;
    }
    void eraseAt(int index);
    void insertAt(int index, CardNumber card);
    CardNumber pop() { return cards_[--size_]; }
    void clear() { size_ = 0; }

    friend bool operator==(const Selection& a, const Selection& b) { return a.cards() == b.cards(); }

private:
    std::array<CardNumber, kCardCount> cards_{};
    std::uint8_t size_ = 0;
};

// The player's choices that make play go on by itself.
struct PlayOptions {
    // After a move from a tableau pile its face-down tops turn over (the
    // Automatic_FaceUp preference); autoplay turns them too.
    bool autoFaceUp = true;
    // Autoplay is switched on and the game offers it (Rule::AutoplayAvailable).
    bool autoplay = false;

    friend bool operator==(const PlayOptions&, const PlayOptions&) = default;
};

// What the rules say about the piles, worked out once when the rules are
// set: the counts of the piles in play, which piles are on the table, and
// the rule values each pile enters the placement check with.
struct GameShape {
    int foundations = 0;
    int tableau = 0;
    int reserves = 0;
    SpecialGame special = SpecialGame::None;
    bool selectionPlay = false;
    // Some foundation takes whole runs (IsWholeRunFoundation), which the
    // game moves there as part of the move that completes one.
    bool wholeRuns = false;
    // Per pile (by PileIndex): does the game show it? A pile it does not
    // show is never a source or a target of a move.
    std::array<bool, kPileCount> inPlay{};
    std::array<PileRules, kFoundationCount> foundationDrop{};
    std::array<PileRules, kFoundationCount> foundationAuto{};
    std::array<PileRules, kTableauCount> tableauRules{};
};

// Whether the game shows the pile, decided from the rules alone: the piles
// up to each kind's count, the stock group's piles its layout string
// names, and in the hand-made tables (layout models 62, 64 and 69) the
// piles they place. The table layout puts exactly these on the table.
bool PileInPlay(const GameRules& rules, PileId pile);

// Everything a rule of one move reads: the position, the pass through the
// stock, the move counter of the first-move rules, the count of tableau
// moves (SpecialGame::CountedTableauMoves), the selection of the pairing
// games, the player's automatic options, and the rules themselves as the
// deal left them. Nothing in it points elsewhere and nothing allocates:
// a copy is a plain copy of memory, so a search can keep as many as it
// likes and hand one to another thread.
class PlayState {
public:
    PlayState() = default;
    explicit PlayState(const GameRules& rules) { setRules(rules); }

    const GameRules& rules() const { return rules_; }
    const GameShape& shape() const { return shape_; }
    void setRules(const GameRules& rules);

    Position position;
    std::int16_t passNumber = 1;    // 1 after the deal, one more per redeal
    std::int16_t moveCounter = 0;   // moves made since the deal, counted up to 2
    std::int16_t tableauMoves = 0;  // moves to tableau piles (the "001" codes of the move log)
    Selection selection;
    PlayOptions options;

    friend bool operator==(const PlayState& a, const PlayState& b) {
        return a.position == b.position && a.passNumber == b.passNumber && a.moveCounter == b.moveCounter &&
               a.tableauMoves == b.tableauMoves && a.selection == b.selection && a.options == b.options &&
               a.rules_ == b.rules_;
    }

private:
    GameRules rules_;
    GameShape shape_;
};

// The pile that holds the card (every card lies in one pile at most);
// nothing when it lies nowhere.
std::optional<PileId> FindCard(const PileLists& piles, int card);

}  // namespace dravicor
