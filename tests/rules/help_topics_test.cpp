#include "rules/help_topics.h"

#include <gtest/gtest.h>

#include <set>

#include "rules/game_families.h"

namespace dravicor {
namespace {

TEST(HelpTopics, AGameIsItsCodePlus3000AndThePageNameRoundTrips) {
    EXPECT_EQ(RulesTopicOf(0), 3000);
    EXPECT_EQ(RulesTopicOf(53), 3053);
    EXPECT_EQ(RulesTopicOf(999), 3999);
    EXPECT_EQ(RulesTopicOf(-1), std::nullopt);
    EXPECT_EQ(RulesTopicOf(8000), std::nullopt) << "customized games have no page of their own";
    EXPECT_EQ(RulesPageName(3), "topic3003.html");
    EXPECT_EQ(TopicPageName(3053), "topic3053.html");
    for (const int code : {0, 1, 31, 500, 999}) EXPECT_EQ(GameCodeOfPage(*RulesPageName(code)), code);
    for (const char* name : {"contents.html", "topic300.html", "topic2999.html", "topic4000.html", "topic03000.html",
                             "topic3000.htm", "topic30x0.html", "xtopic3000.html", "topic.html"}) {
        EXPECT_EQ(GameCodeOfPage(name), std::nullopt) << name;
    }
}

// Every family code a game source may name has a caption of the tree.
TEST(GameFamilies, EveryFamilyCodeHasItsCaption) {
    std::set<int> codes;
    for (const auto& family : GameFamilies()) codes.insert(family.code);
    EXPECT_EQ(codes, (std::set<int>{2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}));
    EXPECT_EQ(FamilyCaption(5), "Klondike type");
    EXPECT_EQ(FamilyCaption(14), "");
}

}  // namespace
}  // namespace dravicor
