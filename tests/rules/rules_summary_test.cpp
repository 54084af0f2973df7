// The key numbers in words: exact lines for shipped games, and the wording
// of each rule that decides a line.
#include <gtest/gtest.h>

#include "rules/catalogue.h"
#include "rules/custom_games.h"
#include "rules/rules_summary.h"
#include "support/temp_dir.h"

namespace dravicor {
namespace {

std::vector<std::string> Lines(const GameRules& rules) {
    std::vector<std::string> lines;
    for (const auto& line : SummarizeRules(rules)) lines.push_back(line.text());
    return lines;
}

GameRules Shipped(int code) { return LoadGameRules(test::BuiltCatalogue(), code, NoCustomGames{}); }

// A one-deck game of seven tableau piles and four foundations with nothing else.
GameRules Plain() {
    GameRules rules;
    rules.set(Rule::CardCount, 52);
    rules.set(Rule::FoundationCount, 4);
    rules.set(Rule::TableauCount, 7);
    for (int t = 0; t < 7; ++t) {
        rules.set(Rule::TableauBuild + t, 3);
        rules.set(Rule::TableauEmptyAccepts + t, -1);
    }
    rules.set(Rule::FoundationFirstCard, 1);
    return rules;
}

std::string Line(const GameRules& rules, const std::string& label) {
    for (const auto& line : SummarizeRules(rules)) {
        if (line.label == label) return line.value;
    }
    return "<no " + label + " line>";
}

TEST(RulesSummary, ShippedGamesReadExactly) {
    EXPECT_EQ(Lines(Shipped(0)), (std::vector<std::string>{
                                     "Decks: 1",
                                     "Tableau piles: 7",
                                     "Foundations: 4",
                                     "Reserves: none",
                                     "Stock: 24 cards, 1 per click onto the waste",
                                     "Redeals: unlimited",
                                     "Empty tableau piles: take a King only",
                                 }));
    // Spider: eight foundations, and a stock that waits for the gaps.
    EXPECT_EQ(Line(Shipped(3), "Foundations"), "8");
    EXPECT_EQ(Line(Shipped(3), "Stock"), "50 cards, 1 to each tableau pile per click while no tableau pile is empty");
    EXPECT_EQ(Lines(Shipped(1)), (std::vector<std::string>{
                                     "Decks: 1",
                                     "Tableau piles: 8",
                                     "Foundations: 4",
                                     "Free cells: 4",
                                     "Stock: none",
                                     "Redeals: none",
                                     "Empty tableau piles: take any card",
                                 }));
    // Canfield's reserve is dealt cards, so it is no free cell; its empty
    // piles are filled from it.
    EXPECT_EQ(Line(Shipped(4), "Reserves"), "1");
    EXPECT_EQ(Line(Shipped(4), "Empty tableau piles"),
              "are filled at once from the reserve; otherwise they take any card");
    EXPECT_EQ(Line(Shipped(18), "Stock"), "none; a click on its place gathers the tableau and deals it again");
    EXPECT_EQ(Line(Shipped(18), "Redeals"), "2");
}

TEST(RulesSummary, ACustomizedGameIsSummarizedWithItsOverrides) {
    GameRules rules = Shipped(0);
    ApplyCustomSettings(rules, "0030043");
    EXPECT_EQ(Line(rules, "Stock"), "24 cards, 3 per click onto the waste");
    EXPECT_EQ(Line(rules, "Redeals"), "3");
    EXPECT_EQ(Line(rules, "Empty tableau piles"), "take no card");
    ApplyCustomSettings(rules, "001-011");
    EXPECT_EQ(Line(rules, "Redeals"), "unlimited");
    EXPECT_EQ(Line(rules, "Empty tableau piles"), "take a King only") << "91 below the Ace base";
}

TEST(RulesSummary, RedealsCountPassesThroughTheStock) {
    // -1 is unlimited; the engine allows no pass for any other negative value.
    const std::pair<int, std::optional<int>> redeals[] = {{-1, {}}, {0, 0}, {1, 0}, {2, 1}, {999, 998}, {-5, 0}};
    for (const auto& [value, allowed] : redeals) EXPECT_EQ(RedealsAllowed(value), allowed) << value;
    // A game that never turns its waste over has no redeal, whatever the value.
    GameRules rules = Plain();
    rules.set(Rule::Redeals, -1);
    EXPECT_EQ(Line(rules, "Redeals"), "none");
    rules.set(Rule::StockPileCount, 2);
    rules.set(Rule::StockDealCount, 24);
    rules.set(Rule::WasteUnderStock, 1);
    EXPECT_EQ(Line(rules, "Redeals"), "unlimited");
}

TEST(RulesSummary, DecksAndPileCounts) {
    GameRules rules = Plain();
    rules.set(Rule::CardCount, 40);
    EXPECT_EQ(Line(rules, "Decks"), "1 (40 cards)");
    rules.set(Rule::CardCount, 104);
    rules.set(Rule::FoundationCount, 0);
    EXPECT_EQ(Line(rules, "Decks"), "2");
    EXPECT_EQ(Line(rules, "Foundations"), "none");

    rules.set(Rule::ReserveCount, 2);
    EXPECT_EQ(Line(rules, "Free cells"), "2");
    for (const int code : {4, 8, 9, 13}) {
        rules.set(Rule::ReserveCode + 1, code);
        EXPECT_EQ(Line(rules, "Reserves"), "2") << "reserve code " << code;
    }
    rules.set(Rule::ReserveCode + 1, 0);
    rules.set(Rule::ReserveDealCount + 1, 3);
    EXPECT_EQ(Line(rules, "Reserves"), "2") << "a reserve dealt cards";
}

TEST(RulesSummary, StockWordsFollowTheClick) {
    GameRules rules = Plain();
    EXPECT_EQ(Line(rules, "Stock"), "none");
    rules.set(Rule::StockPileCount, 1);
    EXPECT_EQ(Line(rules, "Stock"), "none") << "a stock place dealt no cards";
    rules.set(Rule::StockDealCount, 30);
    EXPECT_EQ(Line(rules, "Stock"), "30 cards, not dealt by clicking");

    rules.set(Rule::TableauDealMode + 1, 1);
    rules.set(Rule::TableauDealMode + 6, 1);
    EXPECT_EQ(Line(rules, "Stock"), "30 cards, 1 to each of 2 tableau piles per click");
    for (int t = 0; t < 7; ++t) rules.set(Rule::TableauDealMode + t, 1);
    EXPECT_EQ(Line(rules, "Stock"), "30 cards, 1 to each tableau pile per click");

    GameRules reserves = Plain();
    reserves.set(Rule::StockPileCount, 1);
    reserves.set(Rule::StockDealCount, 1);
    reserves.set(Rule::ReserveCount, 1);
    reserves.set(Rule::ReserveDealMode, 1);
    EXPECT_EQ(Line(reserves, "Stock"), "1 card, 1 to the reserve per click");
    reserves.set(Rule::ReserveDealMode, 0);
    reserves.set(Rule::StockToSecondWaste, 1);
    reserves.set(Rule::CardsPerStockDeal, 0);
    EXPECT_EQ(Line(reserves, "Stock"), "1 card, 1 per click onto the discard pile") << "0 turns one card";

    // The waste wins over every other way of dealing, as in the engine.
    rules.set(Rule::WasteUnderStock, 1);
    rules.set(Rule::CardsPerStockDeal, 3);
    EXPECT_EQ(Line(rules, "Stock"), "30 cards, 3 per click onto the waste");
}

TEST(RulesSummary, EmptyTableauWords) {
    GameRules rules = Plain();
    const auto setAll = [&](int base, int value) {
        for (int t = 0; t < 7; ++t) rules.set(base + t, value);
    };
    setAll(Rule::TableauEmptyAccepts, 0);
    EXPECT_EQ(Line(rules, "Empty tableau piles"), "take no card");
    setAll(Rule::TableauEmptyAccepts, 8);
    EXPECT_EQ(Line(rules, "Empty tableau piles"), "take an 8 only");
    setAll(Rule::TableauEmptyAccepts, 91);
    rules.set(Rule::FoundationFirstCard, 7);
    EXPECT_EQ(Line(rules, "Empty tableau piles"), "take a 6 only");
    rules.set(Rule::FoundationDealCard, 55);  // the deal starts the first foundation with a 5
    EXPECT_EQ(Line(rules, "Empty tableau piles"), "take a 4 only");
    rules.set(Rule::DealFirstFoundationCard, 1);
    EXPECT_EQ(Line(rules, "Empty tableau piles"), "take a card one rank below the foundations' base only");

    GameRules open = Plain();
    for (int t = 0; t < 7; ++t) open.set(Rule::TableauEmptyAccepts + t, 0);
    open.set(Rule::StopRank, -1);
    EXPECT_EQ(Line(open, "Empty tableau piles"), "take any card") << "no base rank opens every pile";
    for (int t = 0; t < 7; ++t) open.set(Rule::TableauEmptyAccepts + t, 87);
    EXPECT_EQ(Line(open, "Empty tableau piles"), "take any card from the stock or the waste");

    setAll(Rule::TableauBuild, 20);
    EXPECT_EQ(Line(rules, "Empty tableau piles"), "take an Ace only") << "the building code decides";
    rules.set(Rule::TableauBuild + 3, 4);
    EXPECT_EQ(Line(rules, "Empty tableau piles"), "differ from pile to pile (see the rules below)");
    setAll(Rule::TableauBuild, 17);
    rules.set(Rule::AutoFillEmptyTableau, 3);
    EXPECT_EQ(Line(rules, "Empty tableau piles"),
              "are filled at once from the stock (or the waste); otherwise they take any card that does not come "
              "from the tableau");
}

TEST(RulesSummary, SelectionGamesDescribeTheirPlaces) {
    GameRules rules = Plain();
    rules.set(Rule::SelectionPlay, 13);
    rules.set(Rule::StockPileCount, 3);
    rules.set(Rule::StockDealCount, 24);
    EXPECT_EQ(Line(rules, "Empty tableau piles"), "are filled from the stock after each discard");
    EXPECT_EQ(Line(rules, "Stock"), "24 cards, dealt into the empty tableau piles after each discard");
    rules.set(Rule::TableauSpread, 4);
    EXPECT_EQ(Line(rules, "Empty tableau piles"), "stay empty") << "discards leave their places";
    rules.set(Rule::SpecialGame, 8);
    EXPECT_EQ(Line(rules, "Empty tableau piles"), "are closed up by a click on the stock");
    EXPECT_EQ(Line(rules, "Stock"), "24 cards; a click closes the gaps and deals into the places left at the end");
    rules.set(Rule::SpecialGame, 21);
    rules.set(Rule::TableauDealMode, 1);
    rules.set(Rule::TableauCount, 1);
    EXPECT_EQ(Line(rules, "Stock"), "24 cards, 1 to the tableau pile per click");
}

}  // namespace
}  // namespace dravicor
