#include "rules/rule_parameters.h"

#include <algorithm>

#include "rules/game_rules.h"

namespace dravicor {

namespace {

constexpr int kAny = 32767;
constexpr int kAnyNegative = -32768;

using PB = PileBlock;

// Defaults are 0 for every parameter: a game's source names only what it sets.
constexpr ParameterInfo kParameters[] = {
    {"Spare0", 0, PB::None, 1, kAnyNegative, kAny, "not read by the engine"},
    {"DealFirstFoundationCard", Rule::DealFirstFoundationCard, PB::None, 1, 0, 1,
     "1: the deal turns a card onto foundation 1 and every foundation starts with its rank"},
    {"RunRule", Rule::RunRule, PB::None, 1, 0, 99,
     "1: each link of a moving run obeys the pile's building code; 10: runs move only in suit; 11: only one colour, "
     "down; 20: as 1, but only a whole pile (or its top card); other: any run"},
    {"TableauSpread", Rule::TableauSpread, PB::None, 1, 0, 9,
     "1 fanned down, 2 fanned right, 4 side by side, 6 close to the right, 7 one step down, 8 pairing grid, other stacked"},
    {"FoundationSpread", Rule::FoundationSpread, PB::None, 1, 0, 9, "as TableauSpread, for the foundations"},
    {"ReserveSpread", Rule::ReserveSpread, PB::None, 1, 0, 9, "as TableauSpread, for the reserves; 5 one reserve step down per card"},
    {"StockFaceDown", Rule::StockFaceDown, PB::None, 1, 0, 1, "0: stock cards lie face up; other: face down"},
    {"WasteInPlay", Rule::WasteInPlay, PB::None, 1, 0, 1,
     "1: stock clicks turn cards onto a waste whose cards have all been seen; the empty waste shows its marker"},
    {"WasteUnderStock", Rule::WasteUnderStock, PB::None, 1, 0, 1,
     "1: a stock click turns cards onto the waste; the generic stock placement puts the waste under the stock"},
    {"Spare9", 9, PB::None, 1, kAnyNegative, kAny, "not read by the engine"},
    {"DealSecondFoundationCard", Rule::DealSecondFoundationCard, PB::None, 1, 0, 1,
     "1: the deal turns one more card onto foundation 1"},
    {"MoveLimit", Rule::MoveLimit, PB::None, 1, -12, 104,
     "cards moved at once: a number, -1 any, -5 and -6 free-cell limits, -7 (cells + 1) doubled for each empty pile "
     "taking any card but the target, -12 one card or a King-led run, other negative: the empty tableau piles"},
    {"ReserveDrawMode", Rule::ReserveDrawMode, PB::None, 1, kAnyNegative, kAny,
     "-11: reserve cards below the top may be picked up"},
    {"Redeals", Rule::Redeals, PB::None, 1, -1, 999, "passes through the stock allowed (-1 unlimited, 1 no redeal)"},
    {"ShuffleRedeal", Rule::ShuffleRedeal, PB::None, 1, 0, 99,
     "above 0: the redeal gathers the tableau and deals it again (1 refills each pile to its deal count; 3 keeps the cards in order, unmixed)"},
    {"FoundationTakeBack", Rule::FoundationTakeBack, PB::None, 1, 0, 2,
     "1: a foundation's top card may be picked up; 2: only while it holds two cards or more"},
    {"AutoplayAvailable", Rule::AutoplayAvailable, PB::None, 1, 0, 1, "1: autoplay may be switched on"},
    {"CardsPerStockDeal", Rule::CardsPerStockDeal, PB::None, 1, 0, 104, "cards turned per stock click"},
    {"AutoFillEmptyTableau", Rule::AutoFillEmptyTableau, PB::None, 1, 0, 4,
     "empty tableau piles are filled at once from: 1 the first reserve, 2 the waste (else stock), 3 the stock (else waste), 4 as 2 until a marked move"},
    {"DealByPile", Rule::DealByPile, PB::None, 1, 0, 1,
     "0: the deal's sweep of the tableau to the foundations runs row by row; other: pile by pile"},
    {"Spare20", 20, PB::None, 1, kAnyNegative, kAny, "not read by the engine"},
    {"ReorderAfterFoundation", Rule::ReorderAfterFoundation, PB::None, 1, 0, 1,
     "1: a foundation is sorted after each card it receives"},
    {"DealExtraStep", Rule::DealExtraStep, PB::None, 1, 0, 4,
     "1: the deal moves every King to the bottom of its tableau pile; 2: the Aces and 2s are the bottom cards of "
     "the first piles; 3: the tableau is dealt in one line, each King starting the next pile; 4: a King goes under "
     "the deepest lower card of its suit in its pile"},
    {"FoundationMaxCards", Rule::FoundationMaxCards, PB::None, 1, 0, 104, "the most cards a foundation holds"},
    {"Spare24", 24, PB::None, 1, kAnyNegative, kAny, "not read by the engine"},
    {"Spare25", 25, PB::None, 1, kAnyNegative, kAny, "not read by the engine"},
    {"NeedsSmallCards", Rule::NeedsSmallCards, PB::None, 1, 0, 1, "1: on a narrow screen the game uses medium cards"},
    {"SelectionPlay", Rule::SelectionPlay, PB::None, 1, 0, 99,
     "not 0: cards are selected and discarded in sets; the value is the rank sum some families discard"},
    {"OpeningPhase", Rule::OpeningPhase, PB::None, 1, 0, 1,
     "1: the first move must take a tableau card to a foundation"},
    {"FillTableauAction", Rule::FillTableauAction, PB::None, 1, 0, 1,
     "1: after the first move the empty tableau piles are filled from the stock"},
    {"ScoreBonusCards", Rule::ScoreBonusCards, PB::None, 1, kAnyNegative, kAny, "cards counted as played when scoring (5 points each)"},
    {"SpecialGame", Rule::SpecialGame, PB::None, 1, 0, 99, "selects a game family's own behaviour (0 none)"},
    {"StopRank", Rule::StopRank, PB::None, 1, -1, 99,
     "the rank on which nothing is built down in the tableau (the same value as foundation 1's first card)"},
    {"FoundationFirstCard", Rule::FoundationFirstCard, PB::Foundation, 16, -1, 99,
     "what the empty foundation accepts: a rank, -1 any, 0 nothing, 81-87 or 92 special rules, 88 (89) a whole "
     "King-to-Ace run in suit (in alternate colours), moved there by the game"},
    {"FoundationDirection", Rule::FoundationDirection, PB::Foundation, 16, 0, 4,
     "0 down, 1 up, 2 either, 3 either, the same for all, set by the first card built, 4 either, King and Ace neighbours"},
    {"FoundationBuild", Rule::FoundationBuild, PB::Foundation, 16, 0, 99, "building code of the foundation"},
    {"FoundationDealCard", Rule::FoundationDealCard, PB::Foundation, 16, 0, 204,
     "card the deal puts on the foundation (20 first card, 51-63 first of a rank, 91-96 patterns, 100+n card n, other: that rank of the pile's suit)"},
    {"TableauEmptyAccepts", Rule::TableauEmptyAccepts, PB::Tableau, 26, -1, 99,
     "what the empty tableau pile accepts: as FoundationFirstCard, and 91 the rank below the foundations' base"},
    {"TableauDirection", Rule::TableauDirection, PB::Tableau, 26, 0, 4,
     "0 down, 1 up, 2 either, 4 either, King and Ace neighbours, no stop rank"},
    {"TableauBuild", Rule::TableauBuild, PB::Tableau, 26, 0, 99, "building code of the tableau pile"},
    {"TableauStopLifted", Rule::TableauStopLifted, PB::Tableau, 26, 0, 99, "above 0: the pile ignores the stop rank"},
    {"TableauDealMode", Rule::TableauDealMode, PB::Tableau, 26, 0, 3,
     "1, 2 or 3: the pile receives a card when the stock deals to the tableau (2: only when no pile is empty)"},
    {"ReserveCode", Rule::ReserveCode, PB::Reserve, 8, 0, 99,
     "what the reserve accepts: 4 nothing, 8 a King while reserve 1 holds under 3 cards, 9 a face card, 13 any card "
     "while reserve 1 holds under 5, 14 any tableau cards (given back to empty piles and foundations only), other one "
     "card when empty"},
    {"ReserveDealMode", Rule::ReserveDealMode, PB::Reserve, 8, 0, 3,
     "1 or 2: the reserve receives a card when the stock deals to the reserves; 3 on reserve 1: reserves, then the tableau with the last 8"},
    {"StockGroupDealCard", Rule::StockGroupDealCard, PB::None, 1, 0, 204,
     "card the deal puts on the second waste (a card number, or 100 + number)"},
    {"WastePlay", Rule::WastePlay, PB::None, 1, 0, 9,
     "2: a card may be played onto the waste on a neighbouring rank of its colour"},
    {"WasteExcluded", Rule::WasteExcluded, PB::None, 1, 0, 9, "4: the waste is neither a target nor a source of automatic moves"},
    {"StockLayoutModel", Rule::StockLayoutModel, PB::None, 1, 0, 999, "placement model of the stock group"},
    {"StockLayoutRow", Rule::StockLayoutRow, PB::None, 1, 0, 9, "row of the stock group (first digit of the stock string)"},
    {"FoundationLayoutModel", Rule::FoundationLayoutModel, PB::None, 1, 0, 999, "placement model of the foundations"},
    {"FoundationLayoutRow", Rule::FoundationLayoutRow, PB::None, 1, 0, 9, "row of the foundations"},
    {"TableLayoutModel", Rule::TableLayoutModel, PB::None, 1, 0, 999,
     "tableau arrangement: generic models below 51 (1, 14 and 15 a centred row, 2 wrapping rows, 4 a row per pile from the "
     "left, 5 a grid five wide, 6 a pyramid), complete hand-made tables 51-100"},
    {"TableLayoutRow", Rule::TableLayoutRow, PB::None, 1, 0, 9, "row of the first tableau pile"},
    {"SingleRowTableau", Rule::SingleRowTableau, PB::None, 1, 0, 1, "1: all tableau piles in one row, never wrapped"},
    {"ReserveLayoutModel", Rule::ReserveLayoutModel, PB::None, 1, 0, 999, "placement model of the reserves"},
    {"ReserveLayoutRow", Rule::ReserveLayoutRow, PB::None, 1, 0, 9, "row of the reserves"},
    {"FifthLayoutModel", Rule::FifthLayoutModel, PB::None, 1, 0, 999, "further placement variants"},
    {"StockToSecondWaste", Rule::StockToSecondWaste, PB::None, 1, 0, 999,
     "not 0: a stock click sends the top card to the second waste (the same value as FifthLayoutModel)"},
    {"FifthLayoutRow", Rule::FifthLayoutRow, PB::None, 1, 0, 9, "row of the fifth string"},
    {"StockPileCount", Rule::StockPileCount, PB::None, 1, 0, 3, "piles of the stock group on the table (0: no stock shown)"},
    {"FoundationCount", Rule::FoundationCount, PB::None, 1, 0, 16, "number of foundations"},
    {"TableauCount", Rule::TableauCount, PB::None, 1, 0, 26, "number of tableau piles"},
    {"ReserveCount", Rule::ReserveCount, PB::None, 1, 0, 8, "number of reserves"},
    {"ThirdPileBesideStock", Rule::ThirdPileBesideStock, PB::None, 1, 0, 1,
     "1: the second waste lies one card and 25 pixels right of the stock"},
    {"CardCount", Rule::CardCount, PB::None, 1, 1, 104, "cards in play: 52 or fewer of one deck, or 104"},
    {"StockDealCount", Rule::StockDealCount, PB::None, 1, 0, 104, "cards dealt to the stock"},
    {"WasteDealCount", Rule::WasteDealCount, PB::None, 1, 0, 104, "cards dealt face up to the waste"},
    {"TableauDealCount", Rule::TableauDealCount, PB::Tableau, 26, 0, 104, "cards dealt to the tableau pile"},
    {"TableauDealFaceUp", Rule::TableauDealFaceUp, PB::Tableau, 26, -2, 104,
     "how many of them (the top ones) lie face up; -1 and -2 alternate from the bottom"},
    {"ThirdStockDealCount", Rule::ThirdStockDealCount, PB::None, 1, 0, 104, "cards dealt face up to the second waste"},
    {"ReserveDealCount", Rule::ReserveDealCount, PB::Reserve, 8, 0, 104, "cards dealt face up to the reserve"},
    {"StockDealCustomizable", Rule::StockDealCustomizable, PB::None, 1, 0, 9,
     "cards per stock click customizable: 0 no, 1 yes, other: when the game turns the stock onto a waste"},
    {"RedealsCustomizable", Rule::RedealsCustomizable, PB::None, 1, 0, 9, "redeals customizable: as StockDealCustomizable"},
    {"EmptyTableauCustomizable", Rule::EmptyTableauCustomizable, PB::None, 1, 0, 9,
     "empty-tableau rule customizable: 0 no, 1 yes, other: unless selection play or building code 4"},
    {"GameTime", Rule::GameTime, PB::None, 1, 0, 2, "0 long, 1 medium, 2 quick"},
    {"Difficulty", Rule::Difficulty, PB::None, 1, 0, 2, "0 easy, 1 medium, 2 hard"},
    {"SkillOrChance", Rule::SkillOrChance, PB::None, 1, 0, 2, "0 skill, 1 balanced, 2 chance"},
    {"ChanceOfWinning", Rule::ChanceOfWinning, PB::None, 1, 0, 4, "0 very high, 1 high, 2 medium, 3 low, 4 very low"},
    {"WinsPer", Rule::WinsPer, PB::None, 1, 0, kAny, "shown as 'about WinsPer in WinsOutOf' after the chance of winning"},
    {"WinsOutOf", Rule::WinsOutOf, PB::None, 1, 0, kAny, "0: no figure shown"},
    {"DiscardStopsAtKing", Rule::DiscardStopsAtKing, PB::None, 1, 0, 1,
     "the discard pile of the Golf games: 0 a King and an Ace are neighbours; 1 no wrap, and nothing goes on a King"},
};

}  // namespace

std::span<const ParameterInfo> AllParameters() { return kParameters; }

const ParameterInfo* FindParameter(std::string_view name) {
    const auto it = std::find_if(std::begin(kParameters), std::end(kParameters),
                                 [&](const ParameterInfo& p) { return p.name == name; });
    return it == std::end(kParameters) ? nullptr : &*it;
}

std::string_view ParameterName(int index) {
    for (const ParameterInfo& p : kParameters) {
        if (index >= p.index && index < p.index + p.blockSize) return p.name;
    }
    return {};
}

}  // namespace dravicor
