#include "play/gaps_family.h"

#include <algorithm>
#include <array>

#include "play/move_rules.h"

namespace dravicor {

namespace {

constexpr int kDiscardIndex = 2;
constexpr int kRows = 4;

int FirstRank(SpecialGame game) { return AcesLeadRows(game) ? 1 : 2; }

int RowCount(const PlayState& state) { return std::min(state.shape().tableau, kRows); }

bool Follows(int left, int card) {
    return left != kNoCard && CardSuitIndex(left) == CardSuitIndex(card) && CardRank(left) + 1 == CardRank(card);
}

}  // namespace

int GapForCard(const PlayState& state, int card, PileId row) {
    if (!IsCard(card) || row.kind != PileKind::Tableau || row.number < 1 || row.number > RowCount(state)) return -1;
    const SpecialGame game = state.shape().special;
    const Pile& places = state.position.piles.pile(row);
    for (int at = 0; at < places.size(); ++at) {
        if (places[at] != kNoCard) continue;
        const bool fits = at == 0 ? !AcesLeadRows(game) && CardRank(card) == FirstRank(game) : Follows(places[at - 1], card);
        if (fits) return at;
    }
    return -1;
}

int SequenceLength(const Pile& row, SpecialGame game) {
    if (row.empty() || row[0] == kNoCard || CardRank(row[0]) != FirstRank(game)) return 0;
    int length = 1;
    while (length < row.size() && Follows(row[length - 1], row[length])) ++length;
    return length;
}

void AddGapsMoves(const PlayState& state, MoveList& moves) {
    const int rows = RowCount(state);
    for (int r = 1; r <= rows; ++r) {
        const Pile& row = state.position.piles.pile(PileId::Tableau(r));
        for (int at = 0; at < row.size(); ++at) {
            const CardNumber card = row[at];
            if (card == kNoCard) continue;
            for (int t = 1; t <= rows; ++t) {
                if (GapForCard(state, card, PileId::Tableau(t)) >= 0) {
                    moves.push(Move::CardTo(card, PileId::Tableau(r), PileId::Tableau(t)));
                }
            }
        }
    }
}

bool GapsWon(const PlayState& state) {
    const SpecialGame game = state.shape().special;
    const int whole = 14 - FirstRank(game);
    const int rows = RowCount(state);
    for (int r = 0; r < rows; ++r) {
        if (SequenceLength(state.position.piles.tableau[static_cast<size_t>(r)], game) != whole) return false;
    }
    return rows > 0;
}

int ArrangeGapsDeal(Position& position, const GameRules& rules) {
    const SpecialGame game = SpecialGameOf(rules);
    PileLists& piles = position.piles;
    const int rows = std::clamp<int>(rules[Rule::TableauCount], 0, kRows);
    std::array<CardNumber, kRows> aces{};
    int aceCount = 0;
    int discarded = 0;
    std::array<CardNumber, kCardCount> others{};
    int otherCount = 0;
    for (int r = 0; r < rows; ++r) {
        Pile& row = piles.tableau[static_cast<size_t>(r)];
        for (int at = 0; at < row.size(); ++at) {
            const CardNumber card = row[at];
            if (card == kNoCard) continue;
            if (CardRank(card) != 1) {
                if (otherCount < kCardCount) others[static_cast<size_t>(otherCount++)] = card;
                continue;
            }
            row.setAt(at, kNoCard);
            if (!AcesLeadRows(game) || aceCount == kRows) {
                position.Append(PileId::SecondWaste(), card, true);
                ++discarded;
            } else {
                aces[static_cast<size_t>(aceCount++)] = card;
            }
        }
    }
    if (game == SpecialGame::GapsAcesLeft) {
        for (int r = 0; r < aceCount && r < rows; ++r) piles.tableau[static_cast<size_t>(r)].insertAt(0, aces[static_cast<size_t>(r)]);
    } else if (game == SpecialGame::GapsAcesLeftGapped && rows > 0) {
        // Each row: its Ace, a gap, then its share of the other cards in deal order.
        const int share = (otherCount + rows - 1) / rows;
        int next = 0;
        for (int r = 0; r < rows; ++r) {
            Pile& row = piles.tableau[static_cast<size_t>(r)];
            row.clear();
            if (r < aceCount) row.append(aces[static_cast<size_t>(r)]);
            row.append(kNoCard);
            for (int k = 0; k < share && next < otherCount; ++k) row.append(others[static_cast<size_t>(next++)]);
        }
    }
    return discarded;
}

void RedealGaps(StateEditor& edit, ShuffleOutcome& outcome) {
    const PlayState& state = edit.state();
    const SpecialGame game = state.shape().special;
    const int rows = RowCount(state);
    outcome.gatheredCount = 0;
    outcome.dealtCount = 0;
    std::array<int, kRows> kept{};
    for (int r = 0; r < rows; ++r) {
        const int pile = kFirstTableauIndex + r;
        kept[static_cast<size_t>(r)] = SequenceLength(edit.pile(pile), game);
        for (int at = kept[static_cast<size_t>(r)]; at < edit.pile(pile).size(); ++at) {
            const CardNumber card = edit.pile(pile)[at];
            if (card == kNoCard) continue;
            outcome.gathered[static_cast<size_t>(outcome.gatheredCount++)] = card;
            edit.setAt(pile, at, kNoCard);
        }
    }
    // Spaces deals its Aces among the others, and the places they fall on
    // are the new gaps; the Aces themselves stay on the discard pile.
    std::array<CardNumber, kCardCount> mixed = outcome.gathered;
    int count = outcome.gatheredCount;
    if (game == SpecialGame::GapsAcesMixedIn) {
        for (const CardNumber ace : edit.pile(kDiscardIndex).groups()) {
            if (count < kCardCount) mixed[static_cast<size_t>(count++)] = ace;
        }
    }
    MixGathered(mixed.data(), count);

    const bool gapAfterSequence = game != SpecialGame::GapsAcesMixedIn;
    int next = 0;
    for (int r = 0; r < rows; ++r) {
        const int pile = kFirstTableauIndex + r;
        const int first = kept[static_cast<size_t>(r)] + (gapAfterSequence ? 1 : 0);
        for (int at = first; at < edit.pile(pile).size() && next < count; ++at) {
            const CardNumber card = mixed[static_cast<size_t>(next++)];
            if (CardRank(card) == 1 && !AcesLeadRows(game)) continue;  // an Ace marks a gap
            edit.setAt(pile, at, card);
            outcome.dealt[static_cast<size_t>(outcome.dealtCount++)] = {card, r, at, true};
        }
    }
}

}  // namespace dravicor
