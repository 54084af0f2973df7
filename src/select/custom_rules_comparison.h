#pragma once

#include <string>
#include <string_view>

#include "rules/custom_games.h"
#include "rules/game_rules.h"

namespace dravicor {

// What the rules-comparison window of a customized game shows: the three
// values it may change, for the customized game and for its base game.
inline constexpr std::string_view kNotCustomizableCell = "-";

struct RulesComparisonRow {
    std::string cardsDealt;
    std::string redeals;
    std::string tableauSpaces;
    friend bool operator==(const RulesComparisonRow&, const RulesComparisonRow&) = default;
};

struct CustomRulesComparison {
    std::string name;
    std::string baseName;
    int baseCode = -1;
    RulesComparisonRow custom;  // the rules the customized game is played by
    RulesComparisonRow base;    // the base game's catalogue values
};

// The customized row comes from the base rules with the game's overrides
// applied as the rule loader applies them; a rule the base game does not
// let be customized shows "-" in both rows.
CustomRulesComparison CompareCustomRules(const CustomGame& game, std::string_view baseName, const GameRules& baseRules);

// "Unlimited" for -1, otherwise the number of redeals the value allows.
std::string RedealsCell(int redealsValue);
// "King only" (13 or 91), "Any card" (-1), "None" (0); another rank "Queen
// only"; "Special" for the values with a rule of their own.
std::string TableauSpacesCell(int accepts);

}  // namespace dravicor
