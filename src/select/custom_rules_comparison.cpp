#include "select/custom_rules_comparison.h"

#include "rules/catalogue.h"
#include "rules/key_numbers.h"
#include "rules/rules_summary.h"
#include "select/custom_game_file.h"

namespace dravicor {

namespace {

RulesComparisonRow RowOf(const GameRules& rules, const CustomizableFlags& customizable) {
    const std::string dash(kNotCustomizableCell);
    return {
        customizable.cards ? std::to_string(rules[Rule::CardsPerStockDeal]) : dash,
        customizable.redeals ? RedealsCell(rules[Rule::Redeals]) : dash,
        customizable.tableau ? TableauSpacesCell(rules[Rule::TableauEmptyAccepts]) : dash,
    };
}

}  // namespace

std::string RedealsCell(int redealsValue) {
    const auto redeals = RedealsAllowed(redealsValue);
    return redeals ? std::to_string(*redeals) : "Unlimited";
}

std::string TableauSpacesCell(int accepts) {
    if (accepts == 91) return "King only";  // below an Ace base, the King
    const EmptyTableauFacts facts = ClassifyEmptyAccepts(accepts);
    switch (facts.rule) {
        case EmptyTableau::AnyCard: return "Any card";
        case EmptyTableau::NoCard: return "None";
        case EmptyTableau::OneRank: return RankName(facts.rank) + " only";
        default: return "Special";
    }
}

CustomRulesComparison CompareCustomRules(const CustomGame& game, std::string_view baseName, const GameRules& baseRules) {
    const CustomizableFlags customizable = CustomizableRulesOf(baseRules);
    GameRules played = baseRules;
    ApplyCustomSettings(played, game.settings);
    CustomRulesComparison comparison;
    comparison.name = game.name;
    comparison.baseName = std::string(baseName);
    comparison.baseCode = game.baseCode;
    comparison.custom = RowOf(played, customizable);
    comparison.base = RowOf(baseRules, customizable);
    return comparison;
}

}  // namespace dravicor
