#include "rules/key_numbers.h"

#include <algorithm>

#include "cards/card.h"
#include "rules/rule_codes.h"

namespace dravicor {

namespace {

constexpr int kMaxTableau = 26;
constexpr int kMaxReserves = 8;

int PileCount(const GameRules& rules, int index, int capacity) { return std::clamp<int>(rules[index], 0, capacity); }

// Piles whose deal mode makes the stock deal them a card (modes 1 to 3).
int DealtPiles(const GameRules& rules, int modeIndex, int count) {
    int dealt = 0;
    for (int i = 0; i < count; ++i) {
        const int mode = rules[modeIndex + i];
        if (mode >= 1 && mode <= 3) ++dealt;
    }
    return dealt;
}

bool IsSelectionGame(const GameRules& rules) { return rules[Rule::SelectionPlay] != 0; }
bool IsGridGame(const GameRules& rules) { return IsSelectionGame(rules) && SpecialGameOf(rules) == SpecialGame::NeighbourGrid; }
bool IsRowGame(const GameRules& rules) {
    const SpecialGame special = SpecialGameOf(rules);
    return IsSelectionGame(rules) && (special == SpecialGame::RowDecades || special == SpecialGame::RowFlanks ||
                                      special == SpecialGame::RoyalMarriage || special == SpecialGame::CountedTableauMoves);
}

// The click of the games that do not select cards, in the engine's order of tests.
void ReadStockClick(const GameRules& rules, StockFacts& stock) {
    const int tableau = PileCount(rules, Rule::TableauCount, kMaxTableau);
    const int reserves = PileCount(rules, Rule::ReserveCount, kMaxReserves);
    const int firstMode = rules[Rule::TableauDealMode];
    const int lastMode = rules[Rule::TableauDealMode + std::max(0, tableau - 1)];
    const int firstReserveMode = rules[Rule::ReserveDealMode];
    const int lastReserveMode = rules[Rule::ReserveDealMode + std::max(0, reserves - 1)];
    const int perClick = std::max<int>(1, rules[Rule::CardsPerStockDeal]);

    if (rules[Rule::WasteUnderStock] == 1 || rules[Rule::ShuffleRedeal] >= 1) {
        stock.redeals = true;
        if (stock.shuffles && stock.cards <= 0) {
            stock.deal = StockDeal::ShuffleOnly;
        } else {
            stock.deal = StockDeal::ToWaste;
            stock.perClick = perClick;
        }
    } else if (firstMode == 1 || lastMode == 1) {
        stock.deal = StockDeal::ToTableau;
        stock.piles = DealtPiles(rules, Rule::TableauDealMode, tableau);
    } else if (firstMode == 2 || lastMode == 2) {
        stock.deal = StockDeal::ToTableauNoGaps;
        stock.piles = DealtPiles(rules, Rule::TableauDealMode, tableau);
    } else if (firstReserveMode == 1 || lastReserveMode == 1) {
        stock.deal = StockDeal::ToReserves;
        stock.piles = DealtPiles(rules, Rule::ReserveDealMode, reserves);
    } else if (firstReserveMode == 3) {
        stock.deal = StockDeal::ToReservesTwice;
    } else if (rules[Rule::StockToSecondWaste] != 0) {
        stock.deal = StockDeal::ToDiscard;
        stock.perClick = perClick;
    } else {
        stock.deal = IsSelectionGame(rules) ? StockDeal::FillsTableau : StockDeal::NotDealt;
    }
}

// The deal's closing steps that take cards out of the stock: the Queen of
// hearts of the marriage game starts the row (from the stock when the whole
// pack went there), and the sweep of the Aces replaces each from the stock.
void ReadDealSteps(const GameRules& rules, StockFacts& stock) {
    if (SpecialGameOf(rules) == SpecialGame::RoyalMarriage && stock.cards > 0) {
        if (stock.cards >= rules[Rule::CardCount]) {
            --stock.cards;
        } else {
            stock.cardsVary = true;
        }
    }
    if (rules[Rule::FoundationDealCard] == 96 && stock.cards > 0) stock.cardsVary = true;
}

// The foundations' base rank as the deal leaves it: known when the
// catalogue or a fixed starting card sets it, unknown when a dealt card does.
struct FoundationBase {
    bool known = false;
    int rank = 0;  // the value of FoundationFirstCard[0], which need not be a rank
};

FoundationBase BaseAfterDeal(const GameRules& rules) {
    if (rules[Rule::DealFirstFoundationCard] == 1) return {};
    const int code = rules[Rule::FoundationDealCard];
    if (code == 0 || code == 92 || code == 96) return {true, rules[Rule::FoundationFirstCard]};
    if (code >= 51 && code <= 63) return {true, code - 50};
    if (code == 93 || code == 94) return {true, 1};
    if (code == 95) return {true, 13};
    return {};
}

// The rule of the empty pile after the deal's rewrites of its accepts value.
EmptyTableauFacts AcceptsAfterDeal(const GameRules& rules, int accepts) {
    EmptyTableauFacts facts = ClassifyEmptyAccepts(accepts);
    const bool ordinary = !((accepts >= 81 && accepts <= 87) || accepts == 92);
    const FoundationBase base = BaseAfterDeal(rules);
    // Without a base rank (-1) every ordinary empty pile opens.
    if (ordinary && base.known && base.rank == -1) return {EmptyTableau::AnyCard, 0, AutoFill::None};
    if (facts.rule == EmptyTableau::RankBelowBase && base.known) {
        facts.rule = EmptyTableau::OneRank;
        facts.rank = base.rank >= 2 && base.rank <= 13 ? base.rank - 1 : 13;
    }
    return facts;
}

// What empty tableau pile t takes: the building codes with a rule of their
// own for an empty pile decide alone, the others go by the accepts value.
EmptyTableauFacts PileFacts(const GameRules& rules, int t) {
    switch (rules[Rule::TableauBuild + t]) {
        case 4:
        case 23:
        case 26:
        case 30:
        case 31:
        case 32: return {EmptyTableau::NoCard, 0, AutoFill::None};
        case 12:
        case 18:
        case 25:
        case 28: return {EmptyTableau::AnyCard, 0, AutoFill::None};
        case 20: return {EmptyTableau::OneRank, 1, AutoFill::None};
        case 17:
        case 33: return {EmptyTableau::NotFromTableau, 0, AutoFill::None};
        case 19: return {EmptyTableau::NotFromTableauOrReserve, 0, AutoFill::None};
        case 5:
        case 7:
        case 14:
        case 15:
        case 16:
        case 24:
        case 27:
        case 29: return {EmptyTableau::OwnRule, 0, AutoFill::None};
        default: return AcceptsAfterDeal(rules, rules[Rule::TableauEmptyAccepts + t]);
    }
}

AutoFill AutoFillOf(int value) {
    switch (value) {
        case 1: return AutoFill::Reserve;
        case 2: return AutoFill::WasteThenStock;
        case 3: return AutoFill::StockThenWaste;
        case 4: return AutoFill::WasteThenStockUntilMarked;
        default: return AutoFill::None;
    }
}

}  // namespace

std::optional<int> RedealsAllowed(int redealsValue) {
    if (redealsValue == -1) return std::nullopt;
    return redealsValue > 1 ? redealsValue - 1 : 0;
}

EmptyTableauFacts ClassifyEmptyAccepts(int accepts) {
    switch (accepts) {
        case -1: return {EmptyTableau::AnyCard, 0, AutoFill::None};
        case 81:
        case 84:
        case 85:
        case 86: return {EmptyTableau::OwnRule, 0, AutoFill::None};
        case 87: return {EmptyTableau::FromStockOrWaste, 0, AutoFill::None};
        case 91: return {EmptyTableau::RankBelowBase, 0, AutoFill::None};
        case 92: return {EmptyTableau::BaseRank, 0, AutoFill::None};
        default: break;
    }
    if (accepts >= 1 && accepts <= 13) return {EmptyTableau::OneRank, accepts, AutoFill::None};
    return {EmptyTableau::NoCard, 0, AutoFill::None};  // 0, 82, 83, and values no rank equals
}

StockFacts ReadStockFacts(const GameRules& rules) {
    StockFacts stock;
    stock.shuffles = rules[Rule::ShuffleRedeal] > 0;
    if (rules[Rule::StockPileCount] < 1) return stock;
    stock.cards = std::max<int>(0, rules[Rule::StockDealCount]);
    if (IsGridGame(rules)) {
        stock.deal = StockDeal::ClosesGaps;
    } else if (IsRowGame(rules)) {
        stock.deal = StockDeal::ToTableau;
        stock.piles = DealtPiles(rules, Rule::TableauDealMode, PileCount(rules, Rule::TableauCount, kMaxTableau));
    } else {
        ReadStockClick(rules, stock);
    }
    ReadDealSteps(rules, stock);
    if (stock.cards == 0 && stock.deal != StockDeal::ShuffleOnly) {
        const bool shuffles = stock.shuffles;
        stock = StockFacts{};
        stock.shuffles = shuffles;
    }
    return stock;
}

EmptyTableauFacts ReadEmptyTableauFacts(const GameRules& rules) {
    const int tableau = PileCount(rules, Rule::TableauCount, kMaxTableau);
    if (tableau == 0) return {};
    if (IsSelectionGame(rules)) {
        if (IsGridGame(rules)) return {EmptyTableau::ClosedUp, 0, AutoFill::None};
        // After every discard the engine deals the stock into the empty
        // piles; a side-by-side tableau keeps the places of discarded cards,
        // so its piles never become empty.
        const bool keepsPlaces = rules[Rule::TableauSpread] == 4;
        if (rules[Rule::StockDealCount] > 0 && !keepsPlaces) return {EmptyTableau::FilledAfterDiscard, 0, AutoFill::None};
        return {EmptyTableau::StayEmpty, 0, AutoFill::None};
    }
    // Clock's piles and the gaps games' rows place cards by a rule of their
    // own (the card in hand to its hour; a card into the gap it follows).
    const SpecialGame special = SpecialGameOf(rules);
    if (special == SpecialGame::Clock || special == SpecialGame::GapsAcesOut || special == SpecialGame::GapsAcesMixedIn ||
        special == SpecialGame::GapsAcesLeft || special == SpecialGame::GapsAcesLeftGapped) {
        return {EmptyTableau::OwnRule, 0, AutoFill::None};
    }
    EmptyTableauFacts facts = PileFacts(rules, 0);
    for (int t = 1; t < tableau; ++t) {
        const EmptyTableauFacts pile = PileFacts(rules, t);
        if (pile.rule != facts.rule || pile.rank != facts.rank) {
            facts = {EmptyTableau::DiffersByPile, 0, AutoFill::None};
            break;
        }
    }
    facts.autoFill = AutoFillOf(rules[Rule::AutoFillEmptyTableau]);
    return facts;
}

bool ReservesAreFreeCells(const GameRules& rules) {
    const int reserves = PileCount(rules, Rule::ReserveCount, kMaxReserves);
    if (reserves == 0) return false;
    for (int r = 0; r < reserves; ++r) {
        if (rules[Rule::ReserveDealCount + r] != 0 || rules[Rule::ReserveDealMode + r] != 0) return false;
        // Codes 4, 8, 9, 13 and 14 are reserves of other kinds; every other
        // code takes any one card while the reserve is empty.
        switch (rules[Rule::ReserveCode + r]) {
            case 4:
            case 8:
            case 9:
            case 13:
            case 14: return false;
            default: break;
        }
    }
    return true;
}

KeyNumbers ReadKeyNumbers(const GameRules& rules) {
    KeyNumbers numbers;
    numbers.cardCount = rules[Rule::CardCount];
    numbers.decks = numbers.cardCount > kCardsPerDeck ? 2 : numbers.cardCount > 0 ? 1 : 0;
    numbers.tableauPiles = PileCount(rules, Rule::TableauCount, kMaxTableau);
    numbers.foundations = PileCount(rules, Rule::FoundationCount, 16);
    numbers.reserves = PileCount(rules, Rule::ReserveCount, kMaxReserves);
    numbers.freeCells = ReservesAreFreeCells(rules);
    numbers.stock = ReadStockFacts(rules);
    numbers.redeals = numbers.stock.redeals ? RedealsAllowed(rules[Rule::Redeals]) : std::optional<int>(0);
    numbers.emptyTableau = ReadEmptyTableauFacts(rules);
    return numbers;
}

}  // namespace dravicor
