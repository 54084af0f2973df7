#include "select/type_ahead.h"

#include <gtest/gtest.h>

namespace dravicor::test {
namespace {

using namespace std::chrono_literals;

const std::vector<std::string> kRows = {"Favorite games", "Folders list", "Canfield", "Klondike",
                                        "Klondike by Threes", "Golf", "Fourteen Out", "FreeCell"};

class TypeAheadTest : public ::testing::Test {
protected:
    std::optional<size_t> type(std::string_view text, std::optional<size_t> current) {
        return search.type(text, kRows, current, now);
    }
    TypeAhead search;
    TypeAhead::Clock::time_point now = TypeAhead::Clock::time_point{} + 1h;
};

TEST_F(TypeAheadTest, LettersTypedTogetherNarrowTheName) {
    EXPECT_EQ(type("k", 0u), 3u);
    now += 300ms;
    EXPECT_EQ(type("L", 3u), 3u) << "a longer prefix may stay on the row";
    now += 300ms;
    EXPECT_EQ(type("ondike ", 3u), 4u);
    EXPECT_EQ(search.typed(), "kLondike ");
}

TEST_F(TypeAheadTest, OneLetterAgainAndAgainStepsThroughItsRowsAndWraps) {
    EXPECT_EQ(type("f", 0u), 1u) << "a fresh letter starts after the current row";
    now += 100ms;
    EXPECT_EQ(type("f", 1u), 6u);
    now += 100ms;
    EXPECT_EQ(type("f", 6u), 7u);
    now += 100ms;
    EXPECT_EQ(type("F", 7u), 0u);
}

TEST_F(TypeAheadTest, APauseStartsAFreshName) {
    EXPECT_EQ(type("g", 0u), 5u);
    now += 2100ms;
    EXPECT_EQ(type("c", 5u), 2u);
    EXPECT_EQ(search.typed(), "c");
    now += 1900ms;
    EXPECT_EQ(type("a", 2u), 2u) << "within the pause the letters add up";
}

TEST_F(TypeAheadTest, NoMatchLeavesTheCursorWhereItIs) {
    EXPECT_EQ(type("x", 4u), std::nullopt);
    EXPECT_EQ(type("k", std::nullopt), std::nullopt) << "xk matches nothing";
    search.reset();
    EXPECT_EQ(type("k", std::nullopt), 3u) << "no current row: from the first";
    EXPECT_EQ(search.type("k", {}, 0u, now), std::nullopt);
}

}  // namespace
}  // namespace dravicor::test
