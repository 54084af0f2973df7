#include "rules/rules_summary.h"

#include <array>

namespace dravicor {

namespace {

std::string Count(int n) { return n > 0 ? std::to_string(n) : "none"; }

std::string Cards(int n) { return std::to_string(n) + (n == 1 ? " card" : " cards"); }

std::string DecksWords(const KeyNumbers& numbers) {
    if (numbers.decks == 1 && numbers.cardCount < 52) return "1 (" + Cards(numbers.cardCount) + ")";
    return Count(numbers.decks);
}

// "1 to each tableau pile", "1 to the reserve", "1 to each of 4 tableau piles".
std::string OneCardEach(int piles, int ofPiles, const std::string& noun) {
    if (piles == 1 && ofPiles == 1) return "1 to the " + noun;
    if (piles == ofPiles) return "1 to each " + noun;
    return "1 to each of " + std::to_string(piles) + " " + noun + "s";
}

std::string StockWords(const KeyNumbers& numbers) {
    const StockFacts& stock = numbers.stock;
    const std::string cards = (stock.cardsVary ? "up to " : "") + Cards(stock.cards);
    const std::string perClick = std::to_string(stock.perClick) + " per click";
    switch (stock.deal) {
        case StockDeal::None: return "none";
        case StockDeal::ShuffleOnly: return "none; a click on its place gathers the tableau and deals it again";
        case StockDeal::ToWaste: return cards + ", " + perClick + " onto the waste";
        case StockDeal::ToDiscard: return cards + ", " + perClick + " onto the discard pile";
        case StockDeal::ToTableau:
            return cards + ", " + OneCardEach(stock.piles, numbers.tableauPiles, "tableau pile") + " per click";
        case StockDeal::ToTableauNoGaps:
            return cards + ", " + OneCardEach(stock.piles, numbers.tableauPiles, "tableau pile") +
                   " per click while no tableau pile is empty";
        case StockDeal::ToReserves:
            return cards + ", " + OneCardEach(stock.piles, numbers.reserves, "reserve") + " per click";
        case StockDeal::ToReservesTwice: return cards + ", 2 to each reserve per click, the last 8 to the tableau";
        case StockDeal::ClosesGaps: return cards + "; a click closes the gaps and deals into the places left at the end";
        case StockDeal::FillsTableau: return cards + ", dealt into the empty tableau piles after each discard";
        case StockDeal::NotDealt: return cards + ", not dealt by clicking";
    }
    return "none";
}

std::string RankWithArticle(int rank) {
    const std::string name = RankName(rank);
    return (rank == 1 || rank == 8 ? "an " : "a ") + name;
}

// What the pile takes, as a verb phrase ("take a King only").
std::string TakesWords(const EmptyTableauFacts& facts) {
    switch (facts.rule) {
        case EmptyTableau::AnyCard: return "take any card";
        case EmptyTableau::NoCard: return "take no card";
        case EmptyTableau::OneRank: return "take " + RankWithArticle(facts.rank) + " only";
        case EmptyTableau::RankBelowBase: return "take a card one rank below the foundations' base only";
        case EmptyTableau::BaseRank: return "take a card of the foundations' base rank only";
        case EmptyTableau::FromStockOrWaste: return "take any card from the stock or the waste";
        case EmptyTableau::NotFromTableau: return "take any card that does not come from the tableau";
        case EmptyTableau::NotFromTableauOrReserve:
            return "take any card that comes neither from the tableau nor from a reserve";
        case EmptyTableau::OwnRule: return "follow the game's own rule (see the rules below)";
        case EmptyTableau::DiffersByPile: return "differ from pile to pile (see the rules below)";
        case EmptyTableau::FilledAfterDiscard: return "are filled from the stock after each discard";
        case EmptyTableau::ClosedUp: return "are closed up by a click on the stock";
        case EmptyTableau::StayEmpty: return "stay empty";
        case EmptyTableau::NoTableau: break;
    }
    return "no tableau";
}

std::string EmptyTableauWords(const EmptyTableauFacts& facts) {
    const std::string takes = TakesWords(facts);
    switch (facts.autoFill) {
        case AutoFill::None: return takes;
        case AutoFill::Reserve: return "are filled at once from the reserve; otherwise they " + takes;
        case AutoFill::WasteThenStock: return "are filled at once from the waste (or the stock); otherwise they " + takes;
        case AutoFill::StockThenWaste: return "are filled at once from the stock (or the waste); otherwise they " + takes;
        case AutoFill::WasteThenStockUntilMarked:
            return "are usually filled at once from the waste (or the stock); otherwise they " + takes;
    }
    return takes;
}

}  // namespace

std::string RankName(int rank) {
    static constexpr std::array<const char*, 13> kNames{"Ace", "2", "3",  "4",    "5",     "6",   "7",
                                                        "8",   "9", "10", "Jack", "Queen", "King"};
    return rank >= 1 && rank <= 13 ? kNames[static_cast<size_t>(rank - 1)] : "";
}

std::string RedealsWords(const std::optional<int>& redeals) {
    if (!redeals) return "unlimited";
    return Count(*redeals);
}

std::vector<SummaryLine> SummarizeKeyNumbers(const KeyNumbers& numbers) {
    return {
        {"Decks", DecksWords(numbers)},
        {"Tableau piles", Count(numbers.tableauPiles)},
        {"Foundations", Count(numbers.foundations)},
        {numbers.freeCells ? "Free cells" : "Reserves", Count(numbers.reserves)},
        {"Stock", StockWords(numbers)},
        {"Redeals", RedealsWords(numbers.redeals)},
        {"Empty tableau piles", EmptyTableauWords(numbers.emptyTableau)},
    };
}

std::vector<SummaryLine> SummarizeRules(const GameRules& rules) { return SummarizeKeyNumbers(ReadKeyNumbers(rules)); }

}  // namespace dravicor
