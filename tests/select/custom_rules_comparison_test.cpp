#include "select/custom_rules_comparison.h"

#include <gtest/gtest.h>

#include "rules/catalogue.h"
#include "support/temp_dir.h"

namespace dravicor {
namespace {

GameRules Shipped(int code) { return LoadGameRules(test::BuiltCatalogue(), code, NoCustomGames{}); }

CustomGame Custom(std::string settings, int base = 0) { return {8003, base, "My Klondike", std::move(settings)}; }

TEST(CustomRulesComparison, ShowsTheChangedValuesBesideTheBaseGame) {
    const auto comparison = CompareCustomRules(Custom("0030043"), "Klondike", Shipped(0));
    EXPECT_EQ(comparison.name, "My Klondike");
    EXPECT_EQ(comparison.baseName, "Klondike");
    EXPECT_EQ(comparison.baseCode, 0);
    EXPECT_EQ(comparison.custom, (RulesComparisonRow{"3", "3", "None"}));
    EXPECT_EQ(comparison.base, (RulesComparisonRow{"1", "Unlimited", "King only"}));

    EXPECT_EQ(CompareCustomRules(Custom("001-012"), "Klondike", Shipped(0)).custom,
              (RulesComparisonRow{"1", "Unlimited", "Any card"}));
    EXPECT_EQ(CompareCustomRules(Custom("0010001"), "Klondike", Shipped(0)).custom,
              (RulesComparisonRow{"1", "0", "King only"}))
        << "no redeal: 000; the King code is stored as 91";
}

TEST(CustomRulesComparison, RulesThatCannotBeCustomizedShowADashInBothRows) {
    // FreeCell lets only its empty-tableau rule be changed.
    const auto comparison = CompareCustomRules(Custom("0050003", 1), "FreeCell", Shipped(1));
    EXPECT_EQ(comparison.custom, (RulesComparisonRow{"-", "-", "None"}));
    EXPECT_EQ(comparison.base, (RulesComparisonRow{"-", "-", "Any card"}));
}

TEST(CustomRulesComparison, AnUnchangedOrDamagedRuleShowsTheBaseValue) {
    // Tableau code 0 leaves the base rule; letters in the cards field keep
    // both numbers, as the rule loader does.
    const auto comparison = CompareCustomRules(Custom("x3x0040"), "Klondike", Shipped(0));
    EXPECT_EQ(comparison.custom, comparison.base);
}

TEST(CustomRulesComparison, CellTexts) {
    EXPECT_EQ(RedealsCell(-1), "Unlimited");
    EXPECT_EQ(RedealsCell(0), "0");
    EXPECT_EQ(RedealsCell(1), "0");
    EXPECT_EQ(RedealsCell(4), "3");
    EXPECT_EQ(TableauSpacesCell(13), "King only");
    EXPECT_EQ(TableauSpacesCell(91), "King only");
    EXPECT_EQ(TableauSpacesCell(-1), "Any card");
    EXPECT_EQ(TableauSpacesCell(0), "None");
    EXPECT_EQ(TableauSpacesCell(12), "Queen only");
    EXPECT_EQ(TableauSpacesCell(87), "Special");
}

}  // namespace
}  // namespace dravicor
