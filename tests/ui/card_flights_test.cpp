// Card flights: a card whose place changes is shown on its way there for a
// time set by the card speed; a deal leaves the stock card by card.
#include <gtest/gtest.h>

#include "ui/card_flights.h"

namespace dravicor::test {
namespace {

using Place = CardFlights::Place;

TEST(CardFlights, AMovedCardFliesFromWhereItWasShownAtThePlayersSpeed) {
    CardFlights flights;
    flights.settle({{1, {0, 0}}, {2, {100, 0}}});
    EXPECT_FALSE(flights.active(0));

    // 200 pixels at speed 10: ten steps of 20 pixels, 10 ms each.
    flights.moveTo({{1, {200, 0}}, {2, {100, 0}}}, 1000, 10);
    EXPECT_DOUBLE_EQ(FlightDuration({0, 0}, {200, 0}, 10), 100);
    ASSERT_TRUE(flights.active(1000));
    EXPECT_EQ(flights.shownAway(1, 1000), (Point{0, 0}));
    const auto halfway = flights.shownAway(1, 1050);
    ASSERT_TRUE(halfway.has_value());
    EXPECT_GT(halfway->x, 100) << "quick at first";
    EXPECT_LT(halfway->x, 200);
    EXPECT_FALSE(flights.shownAway(2, 1050).has_value()) << "a card that stayed is in its place";
    EXPECT_FALSE(flights.shownAway(1, 1100).has_value()) << "landed";
    EXPECT_FALSE(flights.active(1100));
}

TEST(CardFlights, ACardChangingCourseSetsOffFromWhereItHasGot) {
    CardFlights flights;
    flights.settle({{5, {0, 0}}});
    flights.moveTo({{5, {400, 0}}}, 0, 10);  // 200 ms
    const Point reached = *flights.shownAway(5, 100);
    flights.moveTo({{5, {0, 300}}}, 100, 10);
    EXPECT_EQ(flights.shownAway(5, 100), reached);
}

TEST(CardFlights, SnappedCardsAndSpeedZeroMoveAtOnce) {
    CardFlights flights;
    flights.settle({{1, {0, 0}}, {2, {0, 0}}});
    flights.moveTo({Place{1, {300, 0}, true}, Place{2, {300, 0}, false}}, 0, 0);
    EXPECT_FALSE(flights.active(0));
    flights.moveTo({Place{1, {0, 0}, true}, Place{2, {0, 0}, false}}, 0, 50);
    EXPECT_FALSE(flights.shownAway(1, 1).has_value());
    EXPECT_TRUE(flights.shownAway(2, 1).has_value());
    // Long ways are not slower than the longest flight.
    EXPECT_DOUBLE_EQ(FlightDuration({0, 0}, {5000, 0}, 50), CardFlights::kLongestFlightMs);
}

TEST(CardFlights, ADealLeavesTheStockCardByCardInTheOrderGiven) {
    CardFlights flights;
    const Point stock{10, 10};
    flights.deal({Place{9, stock, true}, Place{3, {100, 200}}, Place{4, {200, 200}}, Place{5, {300, 200}}}, stock, 0,
                 10);
    EXPECT_FALSE(flights.shownAway(9, 0).has_value()) << "what stays in the stock lies there";
    EXPECT_EQ(flights.cardsAway(0), (std::vector<CardNumber>{3, 4, 5}));
    EXPECT_FALSE(flights.waiting(3, 0));
    EXPECT_TRUE(flights.waiting(5, 0));
    EXPECT_EQ(flights.shownAway(5, 0), stock);
    flights.land();
    EXPECT_FALSE(flights.active(0));
    EXPECT_TRUE(flights.cardsAway(0).empty());
}

TEST(CardFlights, CardsLeavingTheTableAreForgotten) {
    CardFlights flights;
    flights.settle({{1, {0, 0}}, {2, {0, 0}}});
    flights.moveTo({{2, {50, 50}}}, 0, 10);
    EXPECT_FALSE(flights.shownAway(1, 1).has_value());
    // Back on the table it appears in its place, without a flight from nowhere.
    flights.moveTo({{1, {80, 80}}, {2, {50, 50}}}, 500, 10);
    EXPECT_FALSE(flights.shownAway(1, 501).has_value());
    EXPECT_FALSE(flights.shownAway(200, 0).has_value()) << "not a card";
}

}  // namespace
}  // namespace dravicor::test
