#include "engine/card_counter.h"

#include <algorithm>

namespace dravicor {

namespace {

// Waste rules: a waste whose cards have all been seen, or one that shows
// only its top card (the cards below it count as unseen).
bool WasteAllSeen(const GameRules& rules) {
    return rules[Rule::WasteInPlay] == 1 && rules[Rule::WasteUnderStock] == 1;
}
bool WasteTopOnlySeen(const GameRules& rules) {
    return rules[Rule::WasteInPlay] == 0 && rules[Rule::WasteUnderStock] == 1;
}

bool IsStockSide(PileKind kind) { return kind == PileKind::Stock || kind == PileKind::Waste; }

// The row of a card: the suit's row within its deck's four.
int CardRow(int card) { return (card - 1) / kCardsPerDeck * 4 + CardSuit(card) - 1; }

}  // namespace

int CardCounterHeight(int cardCount) {
    switch (cardCount) {
        case 104: return 194;
        case 156: return 268;
        case 208: return 340;
        default: return 121;
    }
}

int CounterRowY(int row) { return 3 + 18 * row; }

std::string_view CounterSuitPicture(int row) {
    static constexpr std::string_view kPictures[] = {"card_hearts", "card_diamonds", "card_clubs", "card_spades"};
    return kPictures[((row % 4) + 4) % 4];
}

std::string CounterCell::pictureName() const {
    switch (mark) {
        case CounterMark::Up: return "Card_" + std::to_string(CardRank(card)) + "_Up";
        case CounterMark::Down: return "Card_" + std::to_string(CardRank(card)) + "_Down";
        case CounterMark::None: break;
    }
    return "Card_None";
}

void CardCounter::setOptions(const CardCounterOptions& options) {
    options_ = options;
    if (options_.stockOnly) options_.tableauOnly = false;
}

void CardCounter::ToggleTableauOnly(const Position& position, const GameRules& rules) {
    options_.tableauOnly = !options_.tableauOnly;
    if (options_.tableauOnly) options_.stockOnly = false;
    Recount(position, rules);
}

void CardCounter::ToggleStockOnly(const Position& position, const GameRules& rules) {
    options_.stockOnly = !options_.stockOnly;
    if (options_.stockOnly) options_.tableauOnly = false;
    Recount(position, rules);
}

void CardCounter::ToggleInverted(const Position& position, const GameRules& rules) {
    options_.inverted = !options_.inverted;
    Recount(position, rules);
}

void CardCounter::Reset(const GameRules& rules) {
    cardCount_ = std::max(0, static_cast<int>(rules[Rule::CardCount]));
    marks_.fill(CounterMark::None);
}

void CardCounter::Recount(const Position& position, const GameRules& rules) {
    Reset(rules);
    const PileLists& piles = position.piles;
    if (countsStock()) {
        markPile(piles.stock[0], false);
        const Pile& waste = piles.stock[1];
        if (WasteAllSeen(rules)) {
            markPile(waste, true);
        } else if (WasteTopOnlySeen(rules)) {
            markPile(waste, false);
            mark(waste.top(), true);
        }
    }
    if (!countsTableau()) return;
    for (const Pile& pile : piles.tableau) markPileByFaces(pile, position);
    for (const Pile& pile : piles.foundations) markPileByFaces(pile, position);
    for (const Pile& pile : piles.reserves) markPile(pile, true);
    markPileByFaces(piles.stock[2], position);
}

void CardCounter::Refresh(const Position& position, const GameRules& rules) {
    const int cardCount = std::max(0, static_cast<int>(rules[Rule::CardCount]));
    const auto kept = marks_;
    const bool sameGame = cardCount == cardCount_;
    Recount(position, rules);
    if (!sameGame || (!options_.stockOnly && !options_.tableauOnly)) return;
    std::array<bool, kCardCount> counted;
    counted.fill(true);  // a card out of play is cleared whatever the options
    position.piles.forEach([&](PileId id, const Pile& pile) {
        const bool countedHere = IsStockSide(id.kind) ? countsStock() : countsTableau();
        for (const CardNumber card : pile.groups()) {
            if (IsCard(card)) counted[static_cast<size_t>(card - 1)] = countedHere;
        }
    });
    for (size_t i = 0; i < kCardCount; ++i) {
        if (!counted[i]) marks_[i] = kept[i];
    }
}

bool CardCounter::Update(const Position& position, const GameRules& rules, int card, PileKind kind, bool seen,
                         CounterMode mode) {
    if (card == -1) {
        if (!countsStock()) return false;
        Recount(position, rules);
        return true;
    }
    const bool counted = IsStockSide(kind) ? countsStock() : countsTableau();
    if (!counted || !hasCell(card)) return false;
    mark(card, seen, mode);
    return true;
}

bool CardCounter::UpdateWasteTop(const Position& position, const GameRules& rules, PileKind kind) {
    if (kind != PileKind::Waste || !WasteTopOnlySeen(rules) || !countsStock()) return false;
    const int top = position.piles.stock[1].top();
    if (!hasCell(top)) return false;
    mark(top, true);
    return true;
}

std::optional<CounterCell> CardCounter::cell(int card) const {
    if (!hasCell(card)) return std::nullopt;
    return CounterCell{card, marks_[static_cast<size_t>(card - 1)], 14 * CardRank(card) + 2,
                       CounterRowY(CardRow(card))};
}

std::vector<CounterCell> CardCounter::cells() const {
    std::vector<CounterCell> all;
    for (int card = 1; hasCell(card); ++card) all.push_back(*cell(card));
    return all;
}

// Only the cards of the game have cells: 1 to the card count, at most the
// two decks that card numbers reach.
bool CardCounter::hasCell(int card) const { return IsCard(card) && card <= cardCount_; }

void CardCounter::mark(int card, bool seen, CounterMode mode) {
    if (!hasCell(card)) return;
    CounterMark& cellMark = marks_[static_cast<size_t>(card - 1)];
    if (mode == CounterMode::Clear) {
        cellMark = CounterMark::None;
        return;
    }
    cellMark = seen != options_.inverted ? CounterMark::Up : CounterMark::Down;
}

void CardCounter::markPile(const Pile& pile, bool seen) {
    for (const CardNumber card : pile.groups()) mark(card, seen);
}

void CardCounter::markPileByFaces(const Pile& pile, const Position& position) {
    for (const CardNumber card : pile.groups()) mark(card, position.cardTable.IsFaceUp(card));
}

std::vector<std::string> CardCounterText(const CardCounter& counter) {
    std::vector<std::string> lines(kCardCounterCardRows, std::string(kCardCounterColumns, '-'));
    for (const CounterCell& cell : counter.cells()) {
        const char symbol = cell.mark == CounterMark::Up ? 'U' : cell.mark == CounterMark::Down ? 'D' : '-';
        lines[static_cast<size_t>(CardRow(cell.card))][static_cast<size_t>(CardRank(cell.card) - 1)] = symbol;
    }
    return lines;
}

}  // namespace dravicor
