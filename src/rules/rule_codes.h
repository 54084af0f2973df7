#pragma once

#include <cstdint>

#include "rules/game_rules.h"

// Names for the coded values of the rule parameters. The catalogue stores
// plain numbers; the code that reads them compares against these names.
// Values the catalogue may hold beyond the named ones keep the meaning
// their parameter gives "any other value" (for the building codes: the
// common rule without a suit filter).
namespace dravicor {

// Rule::SpecialGame: the family switch of the handful of games that need
// behaviour of their own. Where each family's branches live:
//   selection families (Rule::SelectionPlay not 0): play/selection_rules.*
//     for what may be pressed and when a selection is complete, and the
//     discard, refill and grid actions in play/apply_move.cpp;
//   every other branch point of a family: play/special_families.*, which
//     the move core asks (discard pile, win tests, the tableau-move count,
//     foundation 1 outside undo, face-up after a discard);
//   deal steps: engine/deal.cpp (ReserveAcesToFoundations, RoyalMarriage);
//   scores and indicators: play/poker_grid.h and engine/poker.h (PokerGrid),
//     engine/special_indicators.h (StepFoundations, CountedTableauMoves).
enum class SpecialGame : std::int16_t {
    None = 0,
    // Number cards (Ace to 9) adding up to the target, or four 10s, Jacks,
    // Queens or Kings (Tens, Fifteens).
    NumbersOrFourCourts = 1,
    // A pressed tableau card goes straight to the discard pile (Clear the Piles).
    DiscardPile = 2,
    // Two free cards adding up to 14 (Fourteen Out).
    FreePairsOf14 = 3,
    // Uncovered pyramid cards adding up to 13, a King alone (Pyramid).
    Pyramid = 4,
    // At most two cards adding up to the target (Thirteens).
    PairsToTarget = 7,
    // Pairs of a rank in touching grid places; the stock closes the gaps (Monte Carlo).
    NeighbourGrid = 8,
    // Cards laid into a five by five grid scored as poker hands (Poker Squares).
    PokerGrid = 9,
    // Foundation i builds by steps of i + 1, shown above it (Calculation).
    StepFoundations = 10,
    // The deal moves the reserve's Aces to the foundations (Canfield from Aces).
    ReserveAcesToFoundations = 11,
    // A tableau card one rank from the discard pile's top goes there (Golf).
    NeighbourDiscard = 12,
    // Two top cards of a rank (Nestor).
    TopPairs = 14,
    // As DiscardPile (Clear the Stock).
    DiscardPileToo = 15,
    // As TopPairs (Simple Pairs).
    TopPairsToo = 16,
    // Number pairs adding up to 11, or Jack, Queen and King (Elevens).
    ElevensOrCourts = 17,
    // An Ace alone, or a court card with three cards adding up to 18 (Eighteens).
    Eighteens = 18,
    // Neighbours in the row worth 10, 20 or 30 (Decade).
    RowDecades = 20,
    // One or two neighbours in the row whose flanking cards match (Go Between).
    RowFlanks = 21,
    // As RowFlanks without the Queen and King of hearts, which the deal
    // places at the two ends (Royal Marriage).
    RoyalMarriage = 22,
    // Neighbours in the row adding up to a multiple of 7 (Row of Sevens).
    // The same value also counts moves to the tableau ("001" in the move
    // log): every twenty open the foundations to tableau cards once more.
    CountedTableauMoves = 23,
    // Number pairs adding up to 9, or 10, Jack, Queen and King (Nines).
    NinesOrCourts = 24,
    // Pairs of a rank; a press turns a face-down top card (Hidden Pairs).
    HiddenPairs = 25,
    // As ElevensOrCourts with at most three cards; a press turns a
    // face-down top card, and a discard turns the uncovered ones (Eleven Piles).
    HiddenElevens = 26,
    // A free card of the overlapping lines (the peaks of TriPeaks, a
    // pyramid) one rank from the discard pile's top goes there; cards it
    // uncovers turn face up (TriPeaks, Elevator). Lines as in Pyramid:
    // play/peaks.h.
    PeaksToDiscard = 30,
    // The gaps games (play/gaps_family.h): four rows of fixed places; a gap
    // takes the card one rank above its left neighbour, in suit; the redeal
    // gathers the cards out of sequence. The five variants differ in where
    // the Aces go and how the redeal mixes (32 is not used):
    GapsAcesOut = 31,          // Aces taken out, a gap at a row's start takes a 2; mixed redeal (Montana)
    GapsAcesMixedIn = 33,      // as GapsAcesOut, the Aces mixed in and taken out again (Spaces)
    GapsAcesLeft = 34,         // each row starts with an Ace (Blue Moon)
    GapsAcesLeftGapped = 35,   // as GapsAcesLeft, the deal leaves the gap beside each Ace (Red Moon)
    // One row dealt from the stock; a card goes onto its neighbour or the
    // card three to its left of its suit or rank (Accordion):
    // play/accordion_family.h.
    Accordion = 36,
    // Thirteen piles, one per rank; the card in hand goes to its rank's
    // pile, whose next face-down card comes into the hand (Clock):
    // play/clock_family.h.
    Clock = 37,
    // A tableau top goes to the discard foundation when a higher card of
    // its suit shows on another tableau pile (Aces Up): play/aces_up_family.h.
    AcesUp = 38,
};

inline SpecialGame SpecialGameOf(const GameRules& rules) { return static_cast<SpecialGame>(rules[Rule::SpecialGame]); }

// What a pile accepts when empty (Rule::FoundationFirstCard, Rule::TableauEmptyAccepts):
// a rank 1 to 13, or one of these.
namespace FirstCard {
inline constexpr int AnyCard = -1;
inline constexpr int Nothing = 0;
// An Ace, at most half the group's foundations starting with either colour.
inline constexpr int BalancedAce = 81;
// Nothing; as a stop rank they stop building down on an Ace.
inline constexpr int ClosedStopAtAce = 82;
inline constexpr int ClosedStopAtAceToo = 83;
// A King (an Ace) balanced by colour, each suit starting once in the group.
inline constexpr int BalancedKingBySuit = 84;
inline constexpr int BalancedAceBySuit = 85;
// Any card while the drag began at the table's top offset.
inline constexpr int PointerCondition = 86;
// A card from the stock or the waste.
inline constexpr int FromStockOrWaste = 87;
// Tableau: the rank below the foundations' base, settled by the deal.
inline constexpr int RankBelowBase = 91;
// The rank every started foundation begins with; any rank before.
inline constexpr int FoundationBase = 92;
// Foundations: no card is ever laid on them; the game moves a whole run
// there, thirteen cards from a King down to an Ace, as soon as one lies on
// top of a tableau pile: in one suit (WholeSuit) or in alternate colours
// (WholeAlternateRun). As a stop rank they stop building down on an Ace.
inline constexpr int WholeSuit = 88;
inline constexpr int WholeAlternateRun = 89;
}  // namespace FirstCard

// The cards of a whole run, King to Ace.
inline constexpr int kWholeRunCards = 13;

constexpr bool IsWholeRunFoundation(int firstCard) {
    return firstCard == FirstCard::WholeSuit || firstCard == FirstCard::WholeAlternateRun;
}

// Stop ranks (Rule::StopRank) that stop building down on an Ace though
// they are no rank.
constexpr bool StopsAtAce(int stopRank) {
    return (stopRank >= FirstCard::BalancedAce && stopRank <= FirstCard::ClosedStopAtAceToo) ||
           IsWholeRunFoundation(stopRank);
}

// What the deal lays on a foundation (Rule::FoundationDealCard; values
// not named: rank v of the foundation's suit).
namespace FoundationDeal {
inline constexpr int None = 0;
inline constexpr int DeckFirstCard = 20;            // the deck's first card
inline constexpr int FirstOfRankBase = 50;       // 51 to 63: the first card of rank v - 50
inline constexpr int SameRankAsFirst = 91;       // the first card plus (i + 1) * 13: one of its rank each
inline constexpr int BaseOfFirst = 92;           // none; the first card value of foundation 1
inline constexpr int AcesSweepAll = 93;          // the Aces, then tableau cards any foundation takes
inline constexpr int AcesSweepOwn = 94;          // the Aces, then tableau cards their own foundation takes
inline constexpr int KingsAndAcesSweep = 95;     // Kings on 1-4, Aces on 5-8, then the sweep
inline constexpr int AcesReplacedFromStock = 96; // none; the tableau's Aces go up, the stock fills their places
inline constexpr int CardNumberBase = 100;       // 100 and above: card v - 100
}  // namespace FoundationDeal

// Rule::DealExtraStep: how the deal rearranges the tableau it lays out.
// Each value is one step of engine/deal.cpp; the pile counts stay those of
// TableauDealCount except under KingsStartPiles.
namespace DealStep {
inline constexpr int None = 0;
// Every King sinks to the bottom of its pile (Baker's Dozen).
inline constexpr int KingsToBottom = 1;
// The Aces and 2s, in deck order, are the bottom cards of the piles, one
// per pile from pile 1 on; then the piles are dealt from the deck as
// usual, and Aces and 2s beyond the pile count come as they fall
// (Challenge FreeCell).
inline constexpr int LowCardsAtBottom = 2;
// The tableau's cards are laid out in deck order onto pile 1, and each
// King that turns up starts the next pile; the last pile takes what is
// left when the Kings outnumber the piles (the layout of Cat's Tail).
inline constexpr int KingsStartPiles = 3;
// Every King that covers a lower card of its suit in its pile goes just
// under the deepest such card; the other cards keep their order
// (Shamrocks as first published).
inline constexpr int KingsUnderOwnSuit = 4;
}  // namespace DealStep

// Rule::DiscardStopsAtKing: how the discard pile of the Golf games
// (NeighbourDiscard, PeaksToDiscard) takes ranks.
namespace DiscardRanks {
inline constexpr int KingAndAceNeighbours = 0;  // Q K A 2 ... both ways
inline constexpr int StopAtKing = 1;            // no wrap, and nothing on a King
}  // namespace DiscardRanks

// Rule::Redeals: no limit on the passes through the stock.
inline constexpr int kUnlimitedPasses = -1;

// Rule::ShuffleRedeal: how a press of the empty stock place gathers the
// tableau and deals it again (0: it does not). Any value above 0 not named
// here deals like MixedRoundThePiles. The gaps games redeal their own way
// whatever the value (play/gaps_family.h).
namespace TableauRedeal {
inline constexpr int None = 0;
// Mixed by the fixed rule, each pile filled to the first pile's deal count in turn.
inline constexpr int MixedFillingEachPile = 1;
// Mixed by the fixed rule, dealt one card to each pile in turn.
inline constexpr int MixedRoundThePiles = 2;
// Not mixed: the cards keep their order and each pile is refilled to its own
// deal count (Cruel, Perseverance).
inline constexpr int InOrder = 3;
}  // namespace TableauRedeal

// Building directions (Rule::FoundationDirection, Rule::TableauDirection).
namespace BuildDirection {
inline constexpr int Down = 0;
inline constexpr int Up = 1;
inline constexpr int Either = 2;
// Foundations: up or down, the same way for every foundation of this
// value; the first of them to take a card on its first one sets the way.
inline constexpr int ChosenByFirstCard = 3;
// Up or down, the ranks turning the corner both ways: a King and an Ace
// are neighbours whatever the pile starts with, and a tableau pile of
// this value builds on every rank (no stop rank).
inline constexpr int EitherWrapping = 4;
}  // namespace BuildDirection

// Building codes (Rule::FoundationBuild, Rule::TableauBuild): what card B
// may be laid on card A. Codes not named here (8, 9, 10, 13, 22 in the
// catalogue) follow the common rule without a suit filter, as AnySuit.
enum class BuildCode : std::int16_t {
    SameSuit = 0,
    SameColour = 1,
    AnySuit = 2,
    AlternateColours = 3,
    Never = 4,
    FoundationRow = 5,            // in the suit of the bottom card, a rank the previous foundation holds
    EmptyPileOnly = 6,            // nothing on a card; the empty-pile rule
    DropOnlyWhenStockEmpty = 7,   // dropped only on an empty pile while the stock is empty
    SameSuitNoQueenOnKingOrJack = 11,
    Always = 12,
    StepOfTwo = 14,               // b = a + 2, wrapping; any suit
    StepOfThree = 15,
    StepOfFour = 16,
    NotFromTableau = 17,
    TableauOnlyToEmpty = 18,      // any card; a tableau card only onto an empty tableau pile
    NotFromTableauOrReserve = 19,
    UpAnySuitWrapping = 20,       // b = a + 1 or King then Ace; an Ace on an empty pile
    NeverSameSuit = 21,
    UpInSuitWhileWasteEmpty = 23,
    SameSuitNoQueenKingPair = 24,
    SameSuitStepOfTwo = 25,
    EitherWayWhileShort = 26,     // b = a ± 1 while the pile holds fewer than 3 cards
    AlternateNotFromFoundationOrReserve = 27,
    SameSuitEitherWay = 28,
    UpThenDown = 29,              // up to the King, one more King, then down again
    FollowsPileDirection = 30,
    DownInSuit = 31,
    UpInSuit = 32,
    NotFromTableauWhileShort = 33,
    AlternateDown = 34,           // alternate colours, b = a - 1; one card at a time onto a card
    AlternateSameOrBelow = 35,    // alternate colours, b = a or b = a - 1
};

// Rule::RunRule: which runs move as one.
namespace RunRule {
inline constexpr int LinksFollowBuild = 1;
inline constexpr int LinksInSuit = 10;
// Each link one rank down in one colour.
inline constexpr int LinksInColour = 11;
// As LinksFollowBuild, but only a whole pile moves as one (or its top card alone).
inline constexpr int WholePile = 20;
}  // namespace RunRule

// Rule::MoveLimit: how many cards one move carries (a value of 0 or more
// is the number itself).
namespace MoveLimit {
inline constexpr int Unlimited = -1;
// As many as the free cells and empty piles could carry one by one.
inline constexpr int FreeCellsAndPiles = -5;
// The free cells and empty piles, without the card itself.
inline constexpr int FreeCellsAndPilesEven = -6;
// As many as could be carried one by one with the free cells and the
// empty tableau piles that take any card: (cells + 1) doubled for each
// such pile, the target pile left out.
inline constexpr int FreeCellsDoubling = -7;
// One card, or a run led by a King.
inline constexpr int OneOrKingRun = -12;
}  // namespace MoveLimit

// Rule::ReserveCode: what a reserve accepts (any other value: a single
// card on the empty reserve).
namespace ReserveCode {
inline constexpr int Never = 4;
inline constexpr int KingsWhileFirstShort = 8;    // a King while reserve 1 holds fewer than 3 cards
inline constexpr int FaceCardWhenEmpty = 9;
inline constexpr int AnyWhileFirstShort = 13;     // any card while reserve 1 holds fewer than 5 cards
// Any number of cards, each from a tableau pile; the top card goes only to
// a foundation or to an empty tableau pile.
inline constexpr int TableauCardsToEmptyPiles = 14;
}  // namespace ReserveCode

// Rule::AutoFillEmptyTableau: what fills an empty tableau pile at once.
namespace FillRule {
inline constexpr int None = 0;
inline constexpr int FirstReserve = 1;
inline constexpr int WasteThenStock = 2;
inline constexpr int StockThenWaste = 3;
inline constexpr int WasteThenStockUntilTableauMove = 4;
}  // namespace FillRule

// Rule::FoundationTakeBack: when a foundation's top card may be picked up.
namespace TakeBack {
inline constexpr int Always = 1;
inline constexpr int FromTwoCards = 2;
}  // namespace TakeBack

// Rule::TableauDealMode and Rule::ReserveDealMode: what a stock click
// deals to the pile (0 nothing).
namespace DealMode {
inline constexpr int EveryClick = 1;
inline constexpr int OnceNoGaps = 2;       // tableau: refused while a tableau pile is empty
inline constexpr int InPairs = 3;          // reserves: two rounds, or the last eight to the tableau
}  // namespace DealMode

// Rule::WastePlay and Rule::WasteExcluded.
inline constexpr int kWasteTakesNeighbours = 2;  // a card one rank from the waste's top, same colour
inline constexpr int kWasteExcluded = 4;         // the waste is no drop target and no autoplay source
// Rule::ReserveDrawMode: every reserve card, not only the top one, may be taken.
inline constexpr int kReserveAnyCard = -11;
// Rule::TableauSpread: side by side (cards leave an empty place) and the one-row games.
inline constexpr int kSpreadSideBySide = 4;
inline constexpr int kSpreadRow = 8;

}  // namespace dravicor
