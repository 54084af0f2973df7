#include "rules/help_topics.h"

#include <charconv>

#include "common/text.h"

namespace dravicor {

namespace {
constexpr std::string_view kPagePrefix = "topic";
constexpr std::string_view kPageSuffix = ".html";
constexpr int kLastBuiltInCode = 999;
}  // namespace

std::optional<int> RulesTopicOf(int gameCode) {
    if (gameCode < 0 || gameCode > kLastBuiltInCode) return std::nullopt;
    return gameCode + kRulesTopicBase;
}

std::string TopicPageName(int topic) {
    return std::string(kPagePrefix) + std::to_string(topic) + std::string(kPageSuffix);
}

std::optional<std::string> RulesPageName(int gameCode) {
    const auto topic = RulesTopicOf(gameCode);
    if (!topic) return std::nullopt;
    return TopicPageName(*topic);
}

std::optional<int> GameCodeOfPage(std::string_view pageName) {
    if (!pageName.starts_with(kPagePrefix) || !pageName.ends_with(kPageSuffix)) return std::nullopt;
    const std::string_view digits =
        pageName.substr(kPagePrefix.size(), pageName.size() - kPagePrefix.size() - kPageSuffix.size());
    if (!IsDigits(digits) || digits.size() > 4 || digits.front() == '0') return std::nullopt;
    int topic = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), topic);
    const int code = topic - kRulesTopicBase;
    if (RulesTopicOf(code) != topic) return std::nullopt;
    return code;
}

}  // namespace dravicor
