// The rules help: the pages the build wrote, and the writer itself.
#include "help_pages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <regex>
#include <set>

#include "common/text.h"
#include "engine/keyboard_play.h"
#include "game_source.h"
#include "help_games.h"
#include "rules/catalogue.h"
#include "rules/custom_games.h"
#include "rules/game_families.h"
#include "rules/help_topics.h"
#include "rules/rules_summary.h"
#include "support/temp_dir.h"

namespace dravicor::help {
namespace {

using test::BuiltCatalogue;
using test::FolderEntries;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

const std::filesystem::path kHelpDir = DRAVICOR_HELP_DIR;

catalogue::GameSource Source(const std::string& fileName) {
    std::vector<catalogue::SourceError> errors;
    auto source = catalogue::ReadGameSource(std::filesystem::path(DRAVICOR_GAME_SOURCE_DIR) / fileName, errors);
    EXPECT_TRUE(errors.empty());
    return source;
}

std::vector<catalogue::GameSource> AllSources() {
    std::vector<catalogue::GameSource> sources;
    for (const auto& name : FolderEntries(DRAVICOR_GAME_SOURCE_DIR)) sources.push_back(Source(name));
    return sources;
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// The summary lines as the page's table rows.
std::string Row(const std::string& label, const std::string& value) {
    return "<tr><th align=\"left\">" + label + ":</th><td>" + value + "</td></tr>\n";
}

TEST(HelpPages, AGamePageHoldsItsRulesTextAndItsKeyNumbers) {
    const std::string klondike = ReadFile(kHelpDir / "topic3000.html");
    EXPECT_TRUE(Contains(klondike, "<title>Klondike</title>"));
    EXPECT_TRUE(Contains(klondike, "<h1>Klondike</h1>"));
    EXPECT_TRUE(Contains(klondike, Row("Decks", "1") + Row("Tableau piles", "7") + Row("Foundations", "4") +
                                       Row("Reserves", "none") +
                                       Row("Stock", "24 cards, 1 per click onto the waste") +
                                       Row("Redeals", "unlimited") + Row("Empty tableau piles", "take a King only")));
    // Every paragraph of the source, joined as the catalogue compiler joins it.
    const auto source = Source("000-klondike.game");
    size_t start = 0;
    int paragraphs = 0;
    while (start < source.rules.size()) {
        const size_t end = std::min(source.rules.find("\n\n", start), source.rules.size());
        EXPECT_TRUE(Contains(klondike, "<p>" + source.rules.substr(start, end - start) + "</p>\n"));
        ++paragraphs;
        start = end + 2;
    }
    EXPECT_EQ(paragraphs, 3);

    const std::string spider = ReadFile(kHelpDir / "topic3003.html");
    EXPECT_TRUE(Contains(spider, Row("Decks", "2") + Row("Tableau piles", "10") + Row("Foundations", "8")));
    const std::string freecell = ReadFile(kHelpDir / "topic3001.html");
    EXPECT_TRUE(Contains(freecell, Row("Free cells", "4") + Row("Stock", "none")));
    // The same words as the summary the program itself computes.
    const GameRules rules = LoadGameRules(BuiltCatalogue(), 5, NoCustomGames{});
    const std::string fortyThieves = ReadFile(kHelpDir / "topic3005.html");
    for (const auto& line : SummarizeRules(rules)) EXPECT_TRUE(Contains(fortyThieves, Row(line.label, line.value))) << line.text();
}

// The family headings of the contents page and the links under each.
std::map<std::string, std::vector<std::pair<std::string, std::string>>> ContentsSections(const std::string& html) {
    std::map<std::string, std::vector<std::pair<std::string, std::string>>> sections;
    const std::regex item(R"re(<h2><a name="family\d+"></a>([^<]*)</h2>|<li><a href="([^"]*)">([^<]*)</a></li>)re");
    std::string heading;
    for (auto it = std::sregex_iterator(html.begin(), html.end(), item); it != std::sregex_iterator(); ++it) {
        if ((*it)[1].matched) {
            heading = (*it)[1];
            EXPECT_FALSE(sections.contains(heading)) << heading << " twice";
            sections[heading];
        } else {
            sections[heading].emplace_back((*it)[2], (*it)[3]);
        }
    }
    return sections;
}

TEST(HelpPages, TheContentsListEveryListedGameOnceUnderItsFamily) {
    GameList list;
    ASSERT_TRUE(LoadGameList(BuiltCatalogue(), list));
    const NoCustomGames none;
    const auto sections = ContentsSections(ReadFile(kHelpDir / std::string(kHelpContentsPage)));
    ASSERT_FALSE(sections.contains("")) << "a game before any family heading";
    std::multiset<int> listedOnContents;
    for (const auto& [family, games] : sections) {
        EXPECT_FALSE(games.empty()) << family;
        for (size_t i = 0; i < games.size(); ++i) {
            const auto& [page, name] = games[i];
            const auto code = GameCodeOfPage(page);
            ASSERT_TRUE(code.has_value()) << page;
            listedOnContents.insert(*code);
            EXPECT_EQ(GameNameOf(list, *code, none), name);
            EXPECT_EQ(FamilyCaption(GameFamilyOf(list, *code)), family) << name;
            if (i > 0) {
                EXPECT_LT(ToLower(games[i - 1].second), ToLower(name)) << "by name in " << family;
            }
        }
    }
    const auto codes = ListedGameCodes(list);
    EXPECT_EQ(listedOnContents, std::multiset<int>(codes.begin(), codes.end()));
}

TEST(HelpPages, TheFolderHoldsAPageForEveryGameAndEveryLinkLeadsToOne) {
    std::set<std::string> expected{std::string(kHelpContentsPage)};
    for (const auto& source : AllSources()) expected.insert(*RulesPageName(source.code));
    const auto entries = FolderEntries(kHelpDir);
    EXPECT_EQ(std::set<std::string>(entries.begin(), entries.end()), expected);

    const std::regex link(R"re(href="([^"#]*)(#[^"]*)?")re");
    int links = 0;
    for (const auto& page : expected) {
        const std::string html = ReadFile(kHelpDir / page);
        for (auto it = std::sregex_iterator(html.begin(), html.end(), link); it != std::sregex_iterator(); ++it) {
            ++links;
            EXPECT_TRUE(expected.contains((*it)[1])) << page << " links to " << (*it)[1];
            if ((*it)[2].matched) {
                EXPECT_TRUE(Contains(ReadFile(kHelpDir / std::string((*it)[1])),
                                     "<a name=\"" + std::string((*it)[2]).substr(1) + "\">"))
                    << page << " links to " << (*it)[0];
            }
        }
    }
    EXPECT_GT(links, 100);
}

HelpGame Game(int code, std::string name, int family, bool listed = true) {
    HelpGame game;
    game.code = code;
    game.name = std::move(name);
    game.family = family;
    game.listed = listed;
    game.rulesText = "Rules of " + game.name + ".";
    game.rules.set(Rule::CardCount, 52);
    return game;
}

TEST(HelpPages, TextIsEscapedAndParagraphsKeptApart) {
    HelpGame game = Game(7, "Kings & <Queens>", 5);
    game.rulesText = "Build \"up\" if 2 < 3.\n\nThen down.";
    const std::string html = RulesPageHtml(game, {game});
    EXPECT_TRUE(Contains(html, "<title>Kings &amp; &lt;Queens&gt;</title>"));
    EXPECT_TRUE(Contains(html, "<p>Build &quot;up&quot; if 2 &lt; 3.</p>\n<p>Then down.</p>\n"));
    EXPECT_FALSE(Contains(html, "Related games")) << "no other game of its family";
    EXPECT_TRUE(Contains(html, "Help topic 3007"));
    EXPECT_EQ(EscapeHtml("a&b<c>\"d'"), "a&amp;b&lt;c&gt;&quot;d'");
}

TEST(HelpPages, UnlistedGamesHaveAPageButNoPlaceInTheContents) {
    const std::vector<HelpGame> games{Game(0, "Zeta", 5), Game(1, "alpha", 5), Game(2, "Hidden", 5, false),
                                      Game(3, "Odd", 42), Game(4, "Alone", 7, false)};
    const auto pages = HelpPages(games);
    EXPECT_EQ(pages.size(), 6u);
    // A family with no listed game has no heading to link to.
    EXPECT_TRUE(Contains(pages.at("topic3002.html"), "contents.html#family5"));
    EXPECT_FALSE(Contains(pages.at("topic3004.html"), "#family7"));
    EXPECT_TRUE(Contains(pages.at("topic3004.html"), "Simple games"));
    const std::string& contents = pages.at("contents.html");
    EXPECT_FALSE(Contains(contents, "Hidden"));
    EXPECT_LT(contents.find(">alpha<"), contents.find(">Zeta<")) << "letter case does not order";
    EXPECT_TRUE(Contains(contents, "<h2><a name=\"family42\"></a>Other games</h2>"));
    EXPECT_FALSE(Contains(contents, "Canfield type")) << "a family without games has no heading";
    for (const KeyHelpLine& line : KeyHelp()) {
        EXPECT_TRUE(Contains(contents, "<th align=\"left\">" + EscapeHtml(line.keys) + "</th><td>" + EscapeHtml(line.action)))
            << line.keys;
    }
    EXPECT_TRUE(Contains(pages.at("topic3000.html"), "<li><a href=\"topic3001.html\">alpha</a></li>"));
    EXPECT_FALSE(Contains(pages.at("topic3000.html"), "Hidden"));
}

TEST(HelpGames, AStaleCatalogueIsReportedAndTheFolderKeepsOnlyLivePages) {
    auto source = Source("000-klondike.game");
    source.name = "Klondyke";
    std::vector<std::string> problems;
    EXPECT_TRUE(ReadHelpGames(BuiltCatalogue(), {source}, problems).empty());
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_TRUE(Contains(problems[0], "does not hold \"Klondyke\" with code 0")) << problems[0];
    problems.clear();
    EXPECT_TRUE(ReadHelpGames("/nonexistent/GAMES.DAT", {Source("000-klondike.game")}, problems).empty());
    EXPECT_EQ(problems.size(), 1u);

    TempDir dir;
    for (const char* name : {"topic3000.html", "topic3099.html", "notes.txt"}) WriteFile(dir / "HELP" / name, "old");
    std::string problem;
    ASSERT_TRUE(WriteHelpFolder(dir / "HELP", {{"contents.html", "c"}, {"topic3000.html", "k"}}, problem));
    EXPECT_EQ(FolderEntries(dir / "HELP"), (std::vector<std::string>{"contents.html", "notes.txt", "topic3000.html"}));
    EXPECT_EQ(ReadFile(dir / "HELP" / "topic3000.html"), "k");
    WriteFile(dir / "blocked", "a file where the folder should be");
    EXPECT_FALSE(WriteHelpFolder(dir / "blocked", {{"contents.html", "c"}}, problem));
    EXPECT_TRUE(Contains(problem, "blocked")) << problem;
}

}  // namespace
}  // namespace dravicor::help
