// The customize-rules dialog's controls in the core: what they start with
// for the catalogue's games, what they read as, the deals label, and the
// comparison of a customized game with its base game.
#include "select/custom_rules_form.h"

#include <gtest/gtest.h>

#include "rules/catalogue.h"
#include "select/custom_rules_comparison.h"
#include "support/temp_dir.h"

namespace dravicor {
namespace {

constexpr int kKlondike = 0;
constexpr int kSpider = 3;
constexpr int kFortyThieves = 5;

GameRules Shipped(int code) { return LoadGameRules(test::BuiltCatalogue(), code, NoCustomGames{}); }

CustomRulesControls StartOf(int code) {
    const GameRules rules = Shipped(code);
    return StartingControls(rules, CustomizableRulesOf(rules));
}

// Controls with every rule customizable, as a player may leave them.
CustomRulesControls Enabled(std::string cards, RedealChoice choice, std::string redeals,
                            std::optional<TableauChoice> tableau = TableauChoice::AnyCard) {
    return {true, std::move(cards), true, choice, std::move(redeals), true, tableau};
}

TEST(CustomRulesForm, KlondikeStartsWithItsRulesAllEnabled) {
    const CustomRulesControls start = StartOf(kKlondike);
    EXPECT_TRUE(start.cardsEnabled);
    EXPECT_EQ(start.cardsText, "1");
    EXPECT_TRUE(start.redealsEnabled);
    EXPECT_EQ(start.redealChoice, RedealChoice::Unlimited);
    EXPECT_EQ(start.redealsText, "1") << "the box starts from the up-down's lowest value";
    EXPECT_TRUE(start.tableauEnabled);
    EXPECT_EQ(start.tableauChoice, TableauChoice::KingOnly);
    EXPECT_EQ(ReadCustomRulesControls(start), (CustomRulesReading{1, -1, 1}));
    EXPECT_EQ(DealsLabel(start), std::nullopt);
}

TEST(CustomRulesForm, ANotCustomizableTableauRuleIsClearedAndReadsAsZero) {
    ASSERT_EQ(Shipped(kSpider)[Rule::EmptyTableauCustomizable], 0);
    const CustomRulesControls start = StartOf(kSpider);
    EXPECT_FALSE(start.cardsEnabled);
    EXPECT_FALSE(start.redealsEnabled);
    EXPECT_FALSE(start.tableauEnabled);
    EXPECT_EQ(start.tableauChoice, std::nullopt);
    // The disabled controls read as the record stores such rules.
    EXPECT_EQ(ReadCustomRulesControls(start), (CustomRulesReading{1, 1, 0}));
}

TEST(CustomRulesForm, OneDealWithoutRedealsIsASpecifiedZero) {
    const CustomRulesControls start = StartOf(kFortyThieves);
    EXPECT_EQ(start.redealChoice, RedealChoice::Specified);
    EXPECT_EQ(start.redealsText, "0");
    EXPECT_EQ(ReadCustomRulesControls(start).deals, 1);
    EXPECT_EQ(DealsLabel(start), "(1 deal in all)");
}

TEST(CustomRulesForm, StartingTableauChoiceOfEveryAcceptsValue) {
    GameRules rules;
    rules.set(Rule::EmptyTableauCustomizable, 1);
    const std::pair<int, TableauChoice> choices[] = {{13, TableauChoice::KingOnly}, {91, TableauChoice::KingOnly},
                                                     {0, TableauChoice::None},      {-1, TableauChoice::AnyCard},
                                                     {1, TableauChoice::AnyCard}};
    for (const auto& [accepts, choice] : choices) {
        rules.set(Rule::TableauEmptyAccepts, accepts);
        EXPECT_EQ(StartingControls(rules, CustomizableRulesOf(rules)).tableauChoice, choice) << accepts;
    }
}

TEST(CustomRulesForm, RedealChoicesReadAndLabelled) {
    using enum RedealChoice;
    const struct {
        RedealChoice choice;
        std::string box;
        int deals;
        std::optional<std::string> label;
    } cases[] = {
        {Specified, "2", 3, "(3 deals in all)"},
        {NoRedeal, "2", 0, "(1 deal in all)"},
        {Unlimited, "2", -1, std::nullopt},
        // The box matters only with a specified number: an emptied or mistyped
        // box behind the others neither changes them nor asks for numbers.
        {Unlimited, "", -1, std::nullopt},
        {NoRedeal, "x", 0, "(1 deal in all)"},
        // An empty specified box is one deal; the label hides until digits return.
        {Specified, "", 1, std::nullopt},
        // 999 redeals would be 1000 deals, more than three characters hold:
        // what is shown is what is saved.
        {Specified, "999", 999, "(999 deals in all)"},
        {Specified, "998", 999, "(999 deals in all)"},
        {Specified, "997", 998, "(998 deals in all)"},
    };
    for (const auto& c : cases) {
        const CustomRulesControls controls = Enabled("3", c.choice, c.box);
        EXPECT_EQ(ReadCustomRulesControls(controls).deals, c.deals) << c.box;
        EXPECT_EQ(DealsLabel(controls), c.label) << c.box;
    }
    EXPECT_EQ(DealsLabel(Enabled("3", Specified, "2x")), std::nullopt);
    // A disabled group reads as one deal whatever it shows.
    CustomRulesControls disabled = Enabled("3", Unlimited, "2");
    disabled.redealsEnabled = false;
    EXPECT_EQ(ReadCustomRulesControls(disabled).deals, 1);
    // A long text of digits never overflows.
    EXPECT_EQ(ReadCustomRulesControls(Enabled(std::string(40, '9'), Specified, std::string(40, '9'))),
              (CustomRulesReading{999, 999, 2}));
}

TEST(CustomRulesForm, CardsAndTableauReadings) {
    EXPECT_EQ(ReadCustomRulesControls(Enabled("12", RedealChoice::NoRedeal, "1")).cards, 12);
    EXPECT_EQ(ReadCustomRulesControls(Enabled("", RedealChoice::NoRedeal, "1")).cards, 1) << "an empty box";
    CustomRulesControls disabled = Enabled("7", RedealChoice::NoRedeal, "1");
    disabled.cardsEnabled = false;
    EXPECT_EQ(ReadCustomRulesControls(disabled).cards, 1);

    EXPECT_EQ(ReadCustomRulesControls(Enabled("1", RedealChoice::NoRedeal, "1", TableauChoice::KingOnly)).tableau, 1);
    EXPECT_EQ(ReadCustomRulesControls(Enabled("1", RedealChoice::NoRedeal, "1", TableauChoice::AnyCard)).tableau, 2);
    EXPECT_EQ(ReadCustomRulesControls(Enabled("1", RedealChoice::NoRedeal, "1", TableauChoice::None)).tableau, 3);
    CustomRulesControls tableauOff = Enabled("1", RedealChoice::NoRedeal, "1", TableauChoice::None);
    tableauOff.tableauEnabled = false;
    EXPECT_EQ(ReadCustomRulesControls(tableauOff).tableau, 0);
}

TEST(CustomRulesForm, BoxesThatNeedNumbers) {
    const CustomRulesReading cards = ReadCustomRulesControls(Enabled("3a", RedealChoice::Specified, "x"));
    EXPECT_EQ(cards.cards, std::nullopt);
    EXPECT_EQ(BoxNeedingNumbers(cards), RuleBox::Cards) << "the cards box is checked first";
    EXPECT_EQ(ValuesToSave(cards), std::nullopt);

    const CustomRulesReading redeals = ReadCustomRulesControls(Enabled("3", RedealChoice::Specified, "-2"));
    EXPECT_EQ(BoxNeedingNumbers(redeals), RuleBox::Redeals);
    EXPECT_EQ(ValuesToSave(redeals), std::nullopt);

    const auto values = ValuesToSave(ReadCustomRulesControls(Enabled("3", RedealChoice::Specified, "2")));
    ASSERT_TRUE(values);
    EXPECT_EQ(CustomSettingsText(*values), "0030032");
    EXPECT_EQ(kOnlyNumbers, "Only numbers required.");
}

CustomGame Custom(std::string settings, int base = 0) { return {8003, base, "My Klondike", std::move(settings)}; }

TEST(CustomRulesComparison, ChangedValuesBesideTheBaseGameAndDashesForFixedRules) {
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
    // FreeCell lets only its empty-tableau rule be changed: the others show a dash in both rows.
    const auto freeCell = CompareCustomRules(Custom("0050003", 1), "FreeCell", Shipped(1));
    EXPECT_EQ(freeCell.custom, (RulesComparisonRow{"-", "-", "None"}));
    EXPECT_EQ(freeCell.base, (RulesComparisonRow{"-", "-", "Any card"}));
    // Tableau code 0 leaves the base rule; letters in the cards field keep
    // both numbers, as the rule loader does.
    const auto unchanged = CompareCustomRules(Custom("x3x0040"), "Klondike", Shipped(0));
    EXPECT_EQ(unchanged.custom, unchanged.base);
}

TEST(CustomRulesComparison, CellTexts) {
    const std::pair<int, const char*> redeals[] = {{-1, "Unlimited"}, {0, "0"}, {1, "0"}, {4, "3"}};
    for (const auto& [deals, text] : redeals) EXPECT_EQ(RedealsCell(deals), text) << deals;
    const std::pair<int, const char*> spaces[] = {{13, "King only"}, {91, "King only"}, {-1, "Any card"},
                                                  {0, "None"},       {12, "Queen only"}, {87, "Special"}};
    for (const auto& [accepts, text] : spaces) EXPECT_EQ(TableauSpacesCell(accepts), text) << accepts;
}

}  // namespace
}  // namespace dravicor
