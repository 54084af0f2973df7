#include "solver/search_key.h"

#include <bit>

#include "play/move_core.h"
#include "rules/rule_codes.h"
#include "solver/position_key.h"

namespace dravicor {

namespace {

constexpr std::uint8_t kUpdateEnd = 255;
constexpr std::uint8_t kDealingWas = 254;
constexpr int kWasteIndex = 1;
constexpr int kSecondWasteIndex = 2;
constexpr std::uint64_t kHashStart = 0xCBF29CE484222325ULL;

}  // namespace

SearchKey::SearchKey(const PlayState& state, Strictness strictness) : keys_(state.rules()) {
    merges_ = strictness == Strictness::Loose && keys_.dealtTo() != 0;
    twoDecks_ = keys_.twoDecks();
    passesCount_ = keys_.passesCount();
    countsMoves_ = state.rules()[Rule::OpeningPhase] != 0;
    countsTableauMoves_ = state.shape().special == SpecialGame::CountedTableauMoves;
    foundationEnds_ = state.rules()[Rule::FoundationTakeBack] == 0 && state.rules()[Rule::ReorderAfterFoundation] == 0;
    std::uint64_t group = 0;
    for (const auto& piles : keys_.groups()) {
        ++group;
        for (const PileId pile : piles) salt_[static_cast<size_t>(PileIndex(pile))] = MixKeyBits(group * 0x51ED27A3ULL);
    }
    for (int p = 0; p < kPileCount; ++p) placeSalt_[static_cast<size_t>(p)] = MixKeyBits((p + 1) * 0x7F4A7C15ULL + 0xD1B54A32ULL);
    for (size_t p = 0; p < static_cast<size_t>(kPileCount); ++p) {
        emptyTerm_[p] = MixKeyBits(kHashStart + salt_[p]);
        emptyPlaceTerm_[p] = MixKeyBits(kHashStart + placeSalt_[p]);
    }
    saved_.reserve(4096);
    reset(state);
}

std::uint64_t SearchKey::termOf(const PlayState& state, int term) const {
    if (term == kCountersTerm) {
        std::uint64_t counters = passesCount_ ? static_cast<std::uint64_t>(state.passNumber) : 0;
        if (countsMoves_) counters |= static_cast<std::uint64_t>(state.moveCounter) << 16;
        if (countsTableauMoves_) counters |= static_cast<std::uint64_t>(state.tableauMoves) << 32;
        return MixKeyBits(counters ^ 0xC0C0ULL);
    }
    if (term == kSelectionTerm) {
        std::uint64_t h = 0x5E1EC7ULL;
        for (int i = 0; i < state.selection.size(); ++i) h = (h ^ state.selection[i]) * 0x100000001B3ULL;
        return MixKeyBits(h);
    }
    const Pile& pile = PileAtIndex(state.position.piles, term);
    if (pile.empty()) return emptyTermOf(term);
    const CardTable& faces = state.position.cardTable;
    const auto faceOf = [&](CardNumber card) {
        std::uint64_t face = card;
        if (twoDecks_ && card > kCardsPerDeck) face -= kCardsPerDeck;
        if (card != kNoCard && faces.IsFaceUp(card)) face |= 0x80;
        return face + 1;
    };
    std::uint64_t h = kHashStart;
    // Cards under the top that never come back into play count only by number.
    const bool endsOnly = pile.size() > 2 && (term == kSecondWasteIndex || (term == kWasteIndex && !PassesLeft(state)) ||
                                              (foundationEnds_ && term >= kFirstFoundationIndex && term < kFirstTableauIndex));
    if (endsOnly) {
        h = (h ^ faceOf(pile[0])) * 0x100000001B3ULL;
        h = (h ^ (static_cast<std::uint64_t>(pile.size()) << 9)) * 0x100000001B3ULL;
        h = (h ^ faceOf(pile.top())) * 0x100000001B3ULL;
    } else {
        for (const CardNumber card : pile.groups()) h = (h ^ faceOf(card)) * 0x100000001B3ULL;
    }
    return MixKeyBits(h + (placed(term) ? placeSalt_ : salt_)[static_cast<size_t>(term)]);
}

void SearchKey::reset(const PlayState& state) {
    saved_.clear();
    dealing_ = !merges_ && keys_.dealing(state.position, state.passNumber);
    value_ = 0;
    for (int term = 0; term < kTerms; ++term) {
        // Most piles are empty: their term is at hand without the call.
        const bool emptyPile = term < kPileCount && PileAtIndex(state.position.piles, term).empty();
        terms_[static_cast<size_t>(term)] = emptyPile ? emptyTermOf(term) : termOf(state, term);
        value_ += terms_[static_cast<size_t>(term)];
    }
}

void SearchKey::replace(const PlayState& state, int term) {
    std::uint64_t& slot = terms_[static_cast<size_t>(term)];
    saved_.push_back({static_cast<std::uint8_t>(term), slot});
    value_ -= slot;
    slot = termOf(state, term);
    value_ += slot;
}

// Turned cards mostly lie in a pile the move touched, or on top of one.
int SearchKey::pileHolding(const PlayState& state, CardNumber card, std::uint64_t dirty) const {
    const PileLists& piles = state.position.piles;
    for (int p = 0; p < kPileCount; ++p) {
        if ((dirty >> p & 1) != 0 && PileAtIndex(piles, p).contains(card)) return p;
    }
    for (int p = 0; p < kPileCount; ++p) {
        if (PileAtIndex(piles, p).top() == card) return p;
    }
    for (int p = 0; p < kPileCount; ++p) {
        if (PileAtIndex(piles, p).contains(card)) return p;
    }
    return -1;
}

void SearchKey::update(const PlayState& state, const Journal& journal, UndoMark mark) {
    const Journal::Touched touched = journal.touchedSince(mark);
    std::uint64_t dirty = touched.piles;
    if (touched.manyTurned) {
        dirty = ~std::uint64_t{0};
    } else {
        for (int i = 0; i < touched.turnedCount; ++i) {
            const int pile = pileHolding(state, touched.turned[static_cast<size_t>(i)], dirty);
            if (pile >= 0) dirty |= std::uint64_t{1} << pile;
        }
    }
    saved_.push_back({kUpdateEnd, 0});
    if (keys_.dealtTo() != 0 && !merges_) {
        const bool dealing = keys_.dealing(state.position, state.passNumber);
        if (dealing != dealing_) {
            saved_.push_back({kDealingWas, dealing_ ? 1U : 0U});
            dealing_ = dealing;
            dirty |= keys_.dealtTo();
        }
    }
    dirty &= (std::uint64_t{1} << kPileCount) - 1;
    for (; dirty != 0; dirty &= dirty - 1) replace(state, std::countr_zero(dirty));
    if (touched.counters) replace(state, kCountersTerm);
    if (touched.selection) replace(state, kSelectionTerm);
}

void SearchKey::takeBack() {
    while (!saved_.empty()) {
        const Saved s = saved_.back();
        saved_.pop_back();
        if (s.term == kUpdateEnd) return;
        if (s.term == kDealingWas) {
            dealing_ = s.old != 0;
            continue;
        }
        std::uint64_t& slot = terms_[s.term];
        value_ += s.old - slot;
        slot = s.old;
    }
}

}  // namespace dravicor
