#include "help_pages.h"

#include <algorithm>

#include "common/text.h"
#include "engine/keyboard_play.h"
#include "rules/game_families.h"
#include "rules/help_topics.h"
#include "rules/rules_summary.h"

namespace dravicor::help {

namespace {

constexpr std::string_view kOtherFamilies = "Other games";

std::string FamilyAnchor(int family) { return "family" + std::to_string(family); }

std::string FamilyName(int family) {
    const std::string_view caption = FamilyCaption(family);
    return std::string(caption.empty() ? kOtherFamilies : caption);
}

std::string PageOf(const HelpGame& game) { return RulesPageName(game.code).value_or(""); }

std::string Link(const std::string& target, std::string_view text) {
    return "<a href=\"" + EscapeHtml(target) + "\">" + EscapeHtml(text) + "</a>";
}

std::string Head(std::string_view title) {
    return "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>" + EscapeHtml(title) +
           "</title>\n</head>\n<body>\n";
}

constexpr std::string_view kTail = "</body>\n</html>\n";

// The listed games of a family, by name without regard to letter case.
std::vector<const HelpGame*> ListedGamesOf(const std::vector<HelpGame>& games, int family) {
    std::vector<const HelpGame*> members;
    for (const auto& game : games) {
        if (game.listed && game.family == family) members.push_back(&game);
    }
    std::stable_sort(members.begin(), members.end(),
                     [](const HelpGame* a, const HelpGame* b) { return ToLower(a->name) < ToLower(b->name); });
    return members;
}

// The family codes to show, in the tree's order; codes without a caption last.
std::vector<int> FamilyOrder(const std::vector<HelpGame>& games) {
    std::vector<int> order;
    for (const auto& family : GameFamilies()) order.push_back(family.code);
    for (const auto& game : games) {
        if (FamilyCaption(game.family).empty() && std::find(order.begin(), order.end(), game.family) == order.end())
            order.push_back(game.family);
    }
    return order;
}

std::string Paragraphs(std::string_view text) {
    std::string html;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t end = text.find("\n\n", start);
        const std::string_view paragraph = Trim(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (!paragraph.empty()) html += "<p>" + EscapeHtml(paragraph) + "</p>\n";
        if (end == std::string_view::npos) break;
        start = end + 2;
    }
    return html;
}

std::string KeyNumbersTable(const GameRules& rules) {
    std::string html = "<table cellspacing=\"0\" cellpadding=\"3\">\n";
    for (const SummaryLine& line : SummarizeRules(rules)) {
        html += "<tr><th align=\"left\">" + EscapeHtml(line.label) + ":</th><td>" + EscapeHtml(line.value) +
                "</td></tr>\n";
    }
    return html + "</table>\n";
}

// The keys of the table, as the options dialog lists them too.
std::string KeysSection() {
    std::string html = "<h2><a name=\"keys\"></a>Playing with the keyboard</h2>\n<table cellspacing=\"0\" cellpadding=\"3\">\n";
    for (const KeyHelpLine& line : KeyHelp()) {
        html += "<tr><th align=\"left\">" + EscapeHtml(line.keys) + "</th><td>" + EscapeHtml(line.action) + "</td></tr>\n";
    }
    return html + "</table>\n";
}

}  // namespace

std::string EscapeHtml(std::string_view text) {
    std::string html;
    html.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '&': html += "&amp;"; break;
            case '<': html += "&lt;"; break;
            case '>': html += "&gt;"; break;
            case '"': html += "&quot;"; break;
            default: html += c;
        }
    }
    return html;
}

std::string RulesPageHtml(const HelpGame& game, const std::vector<HelpGame>& games) {
    const std::string family = FamilyName(game.family);
    std::string html = Head(game.name);
    // The contents page lists only families with a listed game; an unlisted
    // game of a family with none names its family without a link.
    const bool familyListed = !ListedGamesOf(games, game.family).empty();
    html += "<p>" + Link(std::string(kHelpContentsPage), "Contents") + " &gt; " +
            (familyListed ? Link(std::string(kHelpContentsPage) + "#" + FamilyAnchor(game.family), family)
                          : EscapeHtml(family)) +
            "</p>\n";
    html += "<h1>" + EscapeHtml(game.name) + "</h1>\n";
    html += "<h2>At a glance</h2>\n" + KeyNumbersTable(game.rules);
    html += "<h2>Rules</h2>\n" + Paragraphs(game.rulesText);

    std::string others;
    for (const HelpGame* other : ListedGamesOf(games, game.family)) {
        if (other->code != game.code) others += "<li>" + Link(PageOf(*other), other->name) + "</li>\n";
    }
    if (!others.empty()) html += "<h2>Related games</h2>\n<ul>\n" + others + "</ul>\n";
    const auto topic = RulesTopicOf(game.code);
    html += "<p><small>Help topic " + (topic ? std::to_string(*topic) : std::string("-")) + "</small></p>\n";
    return html + std::string(kTail);
}

std::string ContentsPageHtml(const std::vector<HelpGame>& games) {
    std::string html = Head("Contents");
    html += "<h1>Rules of the games</h1>\n";
    for (const int family : FamilyOrder(games)) {
        const auto members = ListedGamesOf(games, family);
        if (members.empty()) continue;
        html += "<h2><a name=\"" + FamilyAnchor(family) + "\"></a>" + EscapeHtml(FamilyName(family)) + "</h2>\n<ul>\n";
        for (const HelpGame* game : members) html += "<li>" + Link(PageOf(*game), game->name) + "</li>\n";
        html += "</ul>\n";
    }
    return html + KeysSection() + std::string(kTail);
}

std::map<std::string, std::string> HelpPages(const std::vector<HelpGame>& games) {
    std::map<std::string, std::string> pages;
    pages.emplace(std::string(kHelpContentsPage), ContentsPageHtml(games));
    for (const auto& game : games) {
        if (const auto page = RulesPageName(game.code)) pages.emplace(*page, RulesPageHtml(game, games));
    }
    return pages;
}

}  // namespace dravicor::help
