#include "rules/game_rules.h"

namespace dravicor {

namespace {
// Tableau empty-pile values 96-121 first, then the foundations' first cards 32-47.
constexpr int kTableauEntries = 26;
constexpr int kFoundationEntries = 16;
}  // namespace

RuleSnapshot SaveRuleSnapshot(const GameRules& rules) {
    RuleSnapshot snapshot;
    for (int i = 0; i < kTableauEntries; ++i) snapshot.values[static_cast<std::size_t>(i)] = rules[Rule::TableauEmptyAccepts + i];
    for (int i = 0; i < kFoundationEntries; ++i)
        snapshot.values[static_cast<std::size_t>(kTableauEntries + i)] = rules[Rule::FoundationFirstCard + i];
    return snapshot;
}

void RestoreRuleSnapshot(GameRules& rules, const RuleSnapshot& snapshot) {
    for (int i = 0; i < kTableauEntries; ++i) rules.set(Rule::TableauEmptyAccepts + i, snapshot.values[static_cast<std::size_t>(i)]);
    for (int i = 0; i < kFoundationEntries; ++i)
        rules.set(Rule::FoundationFirstCard + i, snapshot.values[static_cast<std::size_t>(kTableauEntries + i)]);
}

}  // namespace dravicor
