#pragma once

#include <span>

#include "cards/pile_lists.h"
#include "cards/position.h"
#include "rules/game_rules.h"

namespace dravicor {

// Card arithmetic of the rules. 0 and -1 stand for the missing top card of
// an empty pile.
int CardSuitIndex(int card);  // 0 hearts .. 3 spades; 0 for 0 and -1; -1 above 104
bool IsRedCard(int card);     // hearts and diamonds of either deck; false for 0 and -1
bool IsFaceCard(int card);    // Jacks, Queens and Kings of either deck

// True when the card is the top card of a tableau pile or of a reserve.
bool IsTopCard(const PileLists& piles, int card);

// Where a card lies: -99 the stock, -98 the waste, -1 to -16 a foundation,
// 1 to 26 a tableau pile, -21 to -28 a reserve, 0 nowhere (the second waste
// is not searched). Searched in that order; the first hit wins.
int CardLocation(const PileLists& piles, int card);
inline constexpr int kLocationStock = -99;
inline constexpr int kLocationWaste = -98;
inline constexpr int kLocationNowhere = 0;

// Does the pile end in a whole run that a foundation of this first-card
// value takes: thirteen face-up cards from a King down to an Ace, in one
// suit (FirstCard::WholeSuit) or in alternate colours (WholeAlternateRun)?
bool EndsInWholeRun(const Pile& pile, const CardTable& faces, int firstCard);

// The rule values of one pile as they enter the placement check.
struct PileRules {
    int firstCard = 0;       // E: what the empty pile accepts
    int stopRank = 0;        // S: nothing is built down on a card of this rank (tableau)
    int direction = 0;       // D: 0 down, 1 up, 2 either
    int build = 0;           // K: building code
    bool wrap = false;       // W: King->Ace up and Ace->King down follow the first card (foundations)
    bool stopLifted = false; // X: the stop rank does not apply
};

// The inputs of the four uses of the check. Indices are 0-based.
PileRules FoundationDropRules(const GameRules& rules, int foundation);
PileRules FoundationAutoRules(const GameRules& rules, int foundation);
PileRules TableauRules(const GameRules& rules, int tableau);

// What the check may look at beyond the two cards: the position (for the
// codes that look at the stock, the waste, the foundations or the target
// pile), the rules, and where the card comes from.
struct PlaceContext {
    const Position& position;
    const GameRules& rules;
    int sourceLocation = kLocationNowhere;  // CardLocation of the card being placed
    // First-card value 86: the pointer condition of the drag (the drag
    // started at the table's current top offset).
    bool pointerConditionMet = false;
};

// May card B be laid on card A (the target's top card, or 0 / -1 for an
// empty pile) of the pile `target`? drop: a dragged card is being dropped
// (false when a run is tested link by link). Never changes anything.
bool CanPlaceOn(int a, int b, const PileRules& pile, PileId target, bool drop, const PlaceContext& context);

// The balance test behind first-card values 81, 84, 85 and building code 29.
bool FoundationGroupAccepts(int firstCard, int b, const PileLists& piles, const GameRules& rules);

// Whether the move-in-runs rule (parameter 2) looks at the links of a run,
// and the rules each link is checked with on tableau pile t (0-based).
bool RunLinksCount(int runRule);
PileRules RunLinkRules(const GameRules& rules, int tableau);

// The move-in-runs rule (parameter 2) for a run of tableau pile t (0-based),
// bottom card first.
bool CanMoveRun(std::span<const CardNumber> run, int tableau, const Position& position, const GameRules& rules);

// The size limit of a move of a run, bottom card first (parameter 11; the
// limit -12 needs the run's bottom card).
bool MayMoveCount(std::span<const CardNumber> run, bool toEmptyTableau, const PileLists& piles, const GameRules& rules);

// The same limit worked out once for a position, for callers that ask about
// many runs: MayMoveCount is MoveSizeLimitOf(...).allows(...).
struct MoveSizeLimit {
    int toCard = 0;             // most cards onto anything but an empty tableau pile
    int toEmpty = 0;            // most cards onto an empty tableau pile
    bool oneOrKingRun = false;  // instead: one card, or a run led by a King
    bool allows(std::span<const CardNumber> run, bool toEmptyTableau) const;
};
MoveSizeLimit MoveSizeLimitOf(const PileLists& piles, const GameRules& rules);

}  // namespace dravicor
