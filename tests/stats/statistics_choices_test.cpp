#include "stats/statistics_choices.h"

#include <gtest/gtest.h>

#include "common/settings_record.h"

namespace dravicor {
namespace {

// A restored line of the catalogue's game list.
std::string ListLine(int code, const std::string& name) {
    std::string line = "005 " + FormatField(code, 3) + "0  " + name;
    line.resize(60, ' ');
    return line;
}

TEST(StatisticsChoices, GamesOfTheListAndCustomizedGamesSortedByName) {
    GameList list;
    list.lines = {ListLine(0, "Klondike"), ListLine(1, "freeCell"), "damaged", ListLine(2, "Spider"),
                  ListLine(3, "")};
    const std::vector<CustomGame> custom = {{8001, 0, "My Klondike", "0010001"}, {8000, 2, "Easy Spider", "0010001"},
                                            {8002, 0, "", "0010001"}};
    EXPECT_EQ(GamesByName(list, custom), (std::vector<GameChoice>{{8000, "Easy Spider"},
                                                                  {1, "freeCell"},
                                                                  {0, "Klondike"},
                                                                  {8001, "My Klondike"},
                                                                  {2, "Spider"}}));
    EXPECT_TRUE(GamesByName(GameList{}, {}).empty());
}

TEST(StatisticsChoices, GamesOfEqualNamesKeepTheirOrder) {
    GameList list;
    list.lines = {ListLine(0, "Golf"), ListLine(1, "GOLF")};
    const std::vector<CustomGame> custom = {{8000, 0, "golf", "0010001"}};
    EXPECT_EQ(GamesByName(list, custom), (std::vector<GameChoice>{{0, "Golf"}, {1, "GOLF"}, {8000, "golf"}}));
}

TEST(StatisticsChoices, TheWantedPlayerIsAlwaysThere) {
    const std::vector<std::string> names = {"Ann", "Anne", "Bob"};
    EXPECT_EQ(PlayerChoices(names, "Anne"), names);
    EXPECT_EQ(PlayerChoices(names, "Bob   "), names);
    EXPECT_EQ(PlayerChoices(names, "Andy"), (std::vector<std::string>{"Andy", "Ann", "Anne", "Bob"}));
    EXPECT_EQ(PlayerChoices(names, "Zoe "), (std::vector<std::string>{"Ann", "Anne", "Bob", "Zoe"}));
    EXPECT_EQ(PlayerChoices(names, ""), names);
    EXPECT_EQ(PlayerChoices({}, "Player 1"), (std::vector<std::string>{"Player 1"}));
}

TEST(StatisticsChoices, LogFiltersFallBackToAll) {
    EXPECT_EQ(GameLogFiltersOf("Ann", "FreeCell"), (GameLogFilters{"Ann", "FreeCell"}));
    EXPECT_EQ(GameLogFiltersOf("", "FreeCell"), (GameLogFilters{"[All players]", "FreeCell"}));
    EXPECT_EQ(GameLogFiltersOf("Ann", ""), (GameLogFilters{"Ann", "[All games]"}));
}

}  // namespace
}  // namespace dravicor
