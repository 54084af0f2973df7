#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "rules/game_rules.h"
#include "select/custom_game_file.h"

namespace dravicor {

// The customize-rules dialog's controls as the core sees them: what they
// start with for a game, what they give, and what the dialog shows beside
// them. The dialog mirrors its widgets into CustomRulesControls after every
// change.

inline constexpr std::string_view kOnlyNumbers = "Only numbers required.";

// The ranges of the two up-down controls. The redeal box stops at 998: n
// redeals are saved as n + 1 deals in a three-character field.
inline constexpr int kMinCardsPerClick = 1;
inline constexpr int kMaxCardsPerClick = 104;
inline constexpr int kMinRedeals = 1;
inline constexpr int kMaxRedeals = 998;
// Each box holds what its three-character field of the record can hold.
inline constexpr int kRuleBoxLength = 3;

// The choices of the empty-tableau group, valued as the record's codes.
enum class TableauChoice { KingOnly = 1, AnyCard = 2, None = 3 };

struct CustomRulesControls {
    bool cardsEnabled = false;
    std::string cardsText;
    bool redealsEnabled = false;  // the redeal group as a whole
    RedealChoice redealChoice = RedealChoice::Specified;
    std::string redealsText;
    bool tableauEnabled = false;
    std::optional<TableauChoice> tableauChoice;  // none: all three cleared
};

// The controls filled from a game's rules (as loaded, before a deal
// rewrites any), with the rules that may not be customized disabled; the
// tableau choices of such a game are cleared as well.
CustomRulesControls StartingControls(const GameRules& rules, const CustomizableFlags& flags);

// What the controls give: the cards value, the deals value and the tableau
// code. A box holding a character other than a digit gives no value.
struct CustomRulesReading {
    std::optional<int> cards;
    std::optional<int> deals;
    int tableau = 0;
    friend bool operator==(const CustomRulesReading&, const CustomRulesReading&) = default;
};
CustomRulesReading ReadCustomRulesControls(const CustomRulesControls& controls);

// The box to send the player back to with kOnlyNumbers, if any.
enum class RuleBox { Cards, Redeals };
std::optional<RuleBox> BoxNeedingNumbers(const CustomRulesReading& reading);

// The values to save; nothing while a box needs numbers.
std::optional<CustomRuleValues> ValuesToSave(const CustomRulesReading& reading);

// The label beside the redeal group; nothing when it is hidden (unlimited
// redeals, or a redeal box that does not hold digits).
std::optional<std::string> DealsLabel(const CustomRulesControls& controls);

}  // namespace dravicor
