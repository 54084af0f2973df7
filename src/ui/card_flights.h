#pragma once

#include <array>
#include <optional>
#include <vector>

#include "cards/card.h"
#include "common/geometry.h"

namespace dravicor {

// Where cards are shown while they travel: a card whose place on the table
// changes flies there from where it was shown, at the player's card speed,
// and a new deal comes from the stock card by card. The engine has already
// made the move; this only delays the picture. Times are milliseconds of
// any steady clock.
class CardFlights {
public:
    // A card's place on the table; snap places it without a flight (the
    // cards under the pointer, a table laid out afresh).
    struct Place {
        CardNumber card = kNoCard;
        Point at;
        bool snap = false;
    };

    // Speed_Move_Card: a flight takes this many milliseconds for every
    // kStepPixels of its way; 0 moves cards at once.
    static constexpr int kStepPixels = 20;
    static constexpr double kLongestFlightMs = 1200;

    // Every card shown where it lies; no flights.
    void settle(const std::vector<Place>& places);
    // The table after a change: cards shown somewhere else start flying from
    // where they are shown now. A card no longer on the table is forgotten.
    void moveTo(const std::vector<Place>& places, double now, int speed);
    // A fresh deal: the cards, in the order given, leave the point one after
    // another and fly to their places; until its turn a card waits there.
    // Places marked snap are taken at once (the cards left in the stock).
    void deal(const std::vector<Place>& places, Point from, double now, int speed);
    // Ends every flight: all cards are shown in their places.
    void land();

    // Where the card is shown now when it is not in its place (flying or
    // waiting for its turn in a deal); none when it lies in its place.
    std::optional<Point> shownAway(CardNumber card, double now) const;
    // A card of a deal that has not set off yet.
    bool waiting(CardNumber card, double now) const;
    // Cards away from their places, those that set off first first.
    std::vector<CardNumber> cardsAway(double now) const;
    bool active(double now) const;

private:
    struct Flight {
        Point from;
        double start = 0;
        double duration = 0;
    };
    static bool valid(CardNumber card) { return IsCard(card); }
    Point shownAt(CardNumber card, double now) const;
    void forgetMissing(const std::vector<Place>& places);

    std::array<std::optional<Point>, kCardCount + 1> place_{};
    std::array<std::optional<Flight>, kCardCount + 1> flight_{};
};

// How long a card at the given speed takes for the distance.
double FlightDuration(Point from, Point to, int speed);

}  // namespace dravicor
