#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "play/journal.h"
#include "play/play_state.h"
#include "solver/position_key.h"

namespace dravicor {

// The key of a search position, kept up to date move by move: every pile
// has a term of its own (its cards bottom first with their faces, the two
// copies of a card alike in two-deck games; of a pile whose buried cards
// never come back into play, the discard pile, a waste with no pass left,
// a foundation that gives nothing back, only the bottom card, the top card
// and the number between), and the key is the sum of the
// terms with the counters the rules read. Piles that play alike (the
// groups of PositionKeys) share the salt of their term, so a sum of them
// does not care which of them holds what: piles that trade places give the
// same key, except the piles the stock deals onto while it may deal again:
// then each has a salt of its own (PositionKeys::dealing), and the move
// that ends the dealing hashes them again under their group's salt. After
// a move only the piles the journal says it touched are
// hashed again; takeBack restores the key of the position before.
class SearchKey {
public:
    // Loose: the piles the stock deals onto stay alike while it deals. The
    // key then merges positions that may play differently: a search using
    // it finds wins sooner where runs move between piles (the Spider
    // family) but proves nothing when it finds none.
    enum class Strictness { Exact, Loose };

    explicit SearchKey(const PlayState& state, Strictness strictness = Strictness::Exact);

    // Does the key take positions for one that may play differently?
    bool merges() const { return merges_; }

    std::uint64_t value() const { return value_; }
    // The term of one pile (by PileIndex): it changes whenever the pile does.
    std::uint64_t pileTerm(int pile) const { return terms_[static_cast<size_t>(pile)]; }

    // Works the key out from nothing (and forgets every update).
    void reset(const PlayState& state);
    // The state changed by what the journal recorded after the mark.
    void update(const PlayState& state, const Journal& journal, UndoMark mark);
    // Back to the key before the last update not yet taken back.
    void takeBack();

private:
    // Terms beyond the piles: the counters, the selection.
    static constexpr int kCountersTerm = kPileCount;
    static constexpr int kSelectionTerm = kPileCount + 1;
    static constexpr int kTerms = kPileCount + 2;

    std::uint64_t termOf(const PlayState& state, int term) const;
    // Is the pile hashed under its place salt (a pile the stock deals onto, while it does)?
    bool placed(int term) const { return dealing_ && (keys_.dealtTo() >> term & 1) != 0; }
    std::uint64_t emptyTermOf(int term) const {
        return (placed(term) ? emptyPlaceTerm_ : emptyTerm_)[static_cast<size_t>(term)];
    }
    void replace(const PlayState& state, int term);
    int pileHolding(const PlayState& state, CardNumber card, std::uint64_t dirty) const;

    PositionKeys keys_;
    std::array<std::uint64_t, kPileCount> salt_{};
    std::array<std::uint64_t, kPileCount> placeSalt_{};
    // The terms of each pile empty, under its salt and its place salt:
    // most piles of most games are empty, and reset hashes every pile.
    std::array<std::uint64_t, kPileCount> emptyTerm_{};
    std::array<std::uint64_t, kPileCount> emptyPlaceTerm_{};
    bool dealing_ = false;  // the piles dealt onto are places now
    bool merges_ = false;
    std::array<std::uint64_t, kTerms> terms_{};
    std::uint64_t value_ = 0;
    bool twoDecks_ = false;
    bool passesCount_ = false;
    bool countsMoves_ = false;        // the first-move rule reads the move counter
    bool countsTableauMoves_ = false; // SpecialGame::CountedTableauMoves
    // No card comes back from a foundation: its bottom, top and size say all.
    bool foundationEnds_ = false;

    struct Saved {
        std::uint8_t term;  // 255 ends the records of one update; 254 keeps dealing_
        std::uint64_t old;
    };
    std::vector<Saved> saved_;
};

}  // namespace dravicor
