#include "select/custom_rules_form.h"

#include <algorithm>

#include "common/text.h"

namespace dravicor {

namespace {

// The largest value a three-character field of the record holds.
constexpr int kFieldLimit = 999;

// The number of a text of digits, held at the field's limit (a longer text
// never overflows).
int DigitsValue(std::string_view digits) {
    int value = 0;
    for (const char c : digits) value = std::min(value * 10 + (c - '0'), kFieldLimit + 1);
    return std::min(value, kFieldLimit);
}

TableauChoice TableauChoiceOf(int accepts) {
    if (accepts == 13 || accepts == 91) return TableauChoice::KingOnly;
    if (accepts == 0) return TableauChoice::None;
    return TableauChoice::AnyCard;
}

}  // namespace

CustomRulesControls StartingControls(const GameRules& rules, const CustomizableFlags& flags) {
    CustomRulesControls controls;
    controls.cardsEnabled = flags.cards;
    controls.cardsText = std::to_string(rules[Rule::CardsPerStockDeal]);

    controls.redealsEnabled = flags.redeals;
    const int redeals = rules[Rule::Redeals];
    if (redeals == -1) {
        controls.redealChoice = RedealChoice::Unlimited;
    } else if (redeals == 0) {
        controls.redealChoice = RedealChoice::NoRedeal;
    } else {
        controls.redealChoice = RedealChoice::Specified;
    }
    // Without a specified number the box shows the up-down's lowest value,
    // so choosing "Specified" starts from a number.
    controls.redealsText = std::to_string(controls.redealChoice == RedealChoice::Specified ? redeals - 1 : kMinRedeals);

    controls.tableauEnabled = flags.tableau;
    if (flags.tableau) controls.tableauChoice = TableauChoiceOf(rules[Rule::TableauEmptyAccepts]);
    return controls;
}

CustomRulesReading ReadCustomRulesControls(const CustomRulesControls& controls) {
    CustomRulesReading reading;
    reading.cards = 1;
    if (controls.cardsEnabled && !controls.cardsText.empty()) {
        reading.cards = IsDigits(controls.cardsText) ? std::optional<int>(DigitsValue(controls.cardsText))
                                                     : std::nullopt;
    }

    // The box counts only with a specified number: unlimited and no
    // redeals mean what they say whatever the hidden box holds.
    reading.deals = 1;
    if (controls.redealsEnabled) {
        if (controls.redealChoice != RedealChoice::Specified) {
            reading.deals = DealsValue(controls.redealChoice, 0);
        } else if (!controls.redealsText.empty()) {
            reading.deals = IsDigits(controls.redealsText)
                                ? std::optional<int>(std::min(DealsValue(RedealChoice::Specified,
                                                                         DigitsValue(controls.redealsText)),
                                                              kFieldLimit))
                                : std::nullopt;
        }
    }

    reading.tableau = controls.tableauEnabled && controls.tableauChoice ? static_cast<int>(*controls.tableauChoice) : 0;
    return reading;
}

std::optional<RuleBox> BoxNeedingNumbers(const CustomRulesReading& reading) {
    if (!reading.cards) return RuleBox::Cards;
    if (!reading.deals) return RuleBox::Redeals;
    return std::nullopt;
}

std::optional<CustomRuleValues> ValuesToSave(const CustomRulesReading& reading) {
    if (BoxNeedingNumbers(reading)) return std::nullopt;
    return CustomRuleValues{*reading.cards, *reading.deals, reading.tableau};
}

std::optional<std::string> DealsLabel(const CustomRulesControls& controls) {
    switch (controls.redealChoice) {
        case RedealChoice::Unlimited: return std::nullopt;
        case RedealChoice::NoRedeal: return std::string("(1 deal in all)");
        case RedealChoice::Specified: break;
    }
    if (!IsDigits(controls.redealsText)) return std::nullopt;  // empty, or not a number
    const int deals = std::min(DealsValue(RedealChoice::Specified, DigitsValue(controls.redealsText)), kFieldLimit);
    if (deals == 1) return std::string("(1 deal in all)");
    return "(" + std::to_string(deals) + " deals in all)";
}

}  // namespace dravicor
