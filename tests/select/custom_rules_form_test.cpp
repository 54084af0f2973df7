// The customize-rules dialog's controls in the core: what they start with
// for the catalogue's games, what they read as, and the deals label.
#include "select/custom_rules_form.h"

#include <gtest/gtest.h>

#include "rules/catalogue.h"
#include "support/temp_dir.h"

namespace dravicor {
namespace {

constexpr int kKlondike = 0;
constexpr int kSpider = 3;
constexpr int kFortyThieves = 5;

CustomRulesControls StartOf(int code) {
    const GameRules rules = LoadGameRules(test::BuiltCatalogue(), code, NoCustomGames{});
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
    const GameRules rules = LoadGameRules(test::BuiltCatalogue(), kSpider, NoCustomGames{});
    ASSERT_EQ(rules[Rule::EmptyTableauCustomizable], 0);
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
    const auto choiceFor = [&](int accepts) {
        rules.set(Rule::TableauEmptyAccepts, accepts);
        return StartingControls(rules, CustomizableRulesOf(rules)).tableauChoice;
    };
    EXPECT_EQ(choiceFor(13), TableauChoice::KingOnly);
    EXPECT_EQ(choiceFor(91), TableauChoice::KingOnly);
    EXPECT_EQ(choiceFor(0), TableauChoice::None);
    EXPECT_EQ(choiceFor(-1), TableauChoice::AnyCard);
    EXPECT_EQ(choiceFor(1), TableauChoice::AnyCard);
}

TEST(CustomRulesForm, RedealChoicesReadAndLabelled) {
    const CustomRulesControls two = Enabled("3", RedealChoice::Specified, "2");
    EXPECT_EQ(ReadCustomRulesControls(two).deals, 3);
    EXPECT_EQ(DealsLabel(two), "(3 deals in all)");
    const CustomRulesControls none = Enabled("3", RedealChoice::NoRedeal, "2");
    EXPECT_EQ(ReadCustomRulesControls(none).deals, 0);
    EXPECT_EQ(DealsLabel(none), "(1 deal in all)");
    const CustomRulesControls unlimited = Enabled("3", RedealChoice::Unlimited, "2");
    EXPECT_EQ(ReadCustomRulesControls(unlimited).deals, -1);
    EXPECT_EQ(DealsLabel(unlimited), std::nullopt);

    // The box matters only with a specified number: an emptied or mistyped
    // box behind "Unlimited" neither turns it into one deal nor asks for numbers.
    EXPECT_EQ(ReadCustomRulesControls(Enabled("3", RedealChoice::Unlimited, "")).deals, -1);
    EXPECT_EQ(ReadCustomRulesControls(Enabled("3", RedealChoice::NoRedeal, "x")).deals, 0);

    // An empty specified box is one deal; the label hides until digits return.
    const CustomRulesControls empty = Enabled("3", RedealChoice::Specified, "");
    EXPECT_EQ(ReadCustomRulesControls(empty).deals, 1);
    EXPECT_EQ(DealsLabel(empty), std::nullopt);
    EXPECT_EQ(DealsLabel(Enabled("3", RedealChoice::Specified, "2x")), std::nullopt);

    // A disabled group reads as one deal whatever it shows.
    CustomRulesControls disabled = unlimited;
    disabled.redealsEnabled = false;
    EXPECT_EQ(ReadCustomRulesControls(disabled).deals, 1);
}

TEST(CustomRulesForm, TheDealsValueIsHeldWhereItsFieldEnds) {
    // 999 redeals would be 1000 deals, more than three characters hold:
    // what is shown is what is saved.
    const CustomRulesControls most = Enabled("1", RedealChoice::Specified, "999");
    EXPECT_EQ(ReadCustomRulesControls(most).deals, 999);
    EXPECT_EQ(DealsLabel(most), "(999 deals in all)");
    EXPECT_EQ(ReadCustomRulesControls(Enabled("1", RedealChoice::Specified, "998")).deals, 999);
    EXPECT_EQ(ReadCustomRulesControls(Enabled("1", RedealChoice::Specified, "997")).deals, 998);
    // A long text of digits never overflows.
    EXPECT_EQ(ReadCustomRulesControls(Enabled(std::string(40, '9'), RedealChoice::Specified, std::string(40, '9'))),
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

}  // namespace
}  // namespace dravicor
