#include "ui/card_flights.h"

#include <algorithm>
#include <cmath>

namespace dravicor {

namespace {

// Cards of a deal leave this often at speed 1; faster speeds keep a brisk
// minimum so that a deal never takes long.
constexpr double kDealIntervalPerSpeed = 2.0;
constexpr double kShortestDealInterval = 8.0;

// Quick at first, gentle at the end, as a card put down by hand.
double EaseOut(double t) { return 1.0 - (1.0 - t) * (1.0 - t); }

Point Between(Point from, Point to, double t) {
    return {from.x + static_cast<int>(std::lround((to.x - from.x) * t)),
            from.y + static_cast<int>(std::lround((to.y - from.y) * t))};
}

}  // namespace

double FlightDuration(Point from, Point to, int speed) {
    if (speed <= 0) return 0;
    const double distance = std::hypot(to.x - from.x, to.y - from.y);
    return std::min(CardFlights::kLongestFlightMs, distance / CardFlights::kStepPixels * speed);
}

void CardFlights::forgetMissing(const std::vector<Place>& places) {
    std::array<bool, kCardCount + 1> present{};
    for (const Place& place : places) {
        if (valid(place.card)) present[place.card] = true;
    }
    for (int card = 1; card <= kCardCount; ++card) {
        if (!present[static_cast<size_t>(card)]) {
            place_[static_cast<size_t>(card)].reset();
            flight_[static_cast<size_t>(card)].reset();
        }
    }
}

void CardFlights::settle(const std::vector<Place>& places) {
    forgetMissing(places);
    for (const Place& place : places) {
        if (!valid(place.card)) continue;
        place_[place.card] = place.at;
        flight_[place.card].reset();
    }
}

void CardFlights::moveTo(const std::vector<Place>& places, double now, int speed) {
    // Where every card is shown before the change: a flight that changes
    // course sets off from the point it has reached.
    std::array<std::optional<Point>, kCardCount + 1> shown{};
    for (int card = 1; card <= kCardCount; ++card) {
        if (place_[static_cast<size_t>(card)]) shown[static_cast<size_t>(card)] = shownAt(static_cast<CardNumber>(card), now);
    }
    forgetMissing(places);
    for (const Place& place : places) {
        if (!valid(place.card)) continue;
        const std::optional<Point> was = shown[place.card];
        place_[place.card] = place.at;
        if (place.snap || !was || *was == place.at) {
            if (place.snap || !was) flight_[place.card].reset();
            continue;
        }
        const double duration = FlightDuration(*was, place.at, speed);
        if (duration <= 0) {
            flight_[place.card].reset();
        } else {
            flight_[place.card] = Flight{*was, now, duration};
        }
    }
}

void CardFlights::deal(const std::vector<Place>& places, Point from, double now, int speed) {
    forgetMissing(places);
    const double interval = std::max(kShortestDealInterval, kDealIntervalPerSpeed * speed);
    double start = now;
    for (const Place& place : places) {
        if (!valid(place.card)) continue;
        place_[place.card] = place.at;
        if (place.snap) {
            flight_[place.card].reset();
            continue;
        }
        flight_[place.card] = Flight{from, start, std::max(1.0, FlightDuration(from, place.at, speed))};
        start += interval;
    }
}

void CardFlights::land() {
    for (auto& flight : flight_) flight.reset();
}

Point CardFlights::shownAt(CardNumber card, double now) const {
    const Point to = *place_[card];
    const auto& flight = flight_[card];
    if (!flight) return to;
    if (now <= flight->start) return flight->from;
    const double t = (now - flight->start) / flight->duration;
    return t >= 1.0 ? to : Between(flight->from, to, EaseOut(t));
}

std::optional<Point> CardFlights::shownAway(CardNumber card, double now) const {
    if (!valid(card) || !place_[card] || !flight_[card]) return std::nullopt;
    const auto& flight = flight_[card];
    if (now >= flight->start + flight->duration) return std::nullopt;
    return shownAt(card, now);
}

bool CardFlights::waiting(CardNumber card, double now) const {
    return valid(card) && flight_[card] && now < flight_[card]->start;
}

std::vector<CardNumber> CardFlights::cardsAway(double now) const {
    std::vector<CardNumber> away;
    for (int card = 1; card <= kCardCount; ++card) {
        if (shownAway(static_cast<CardNumber>(card), now)) away.push_back(static_cast<CardNumber>(card));
    }
    std::stable_sort(away.begin(), away.end(), [this](CardNumber a, CardNumber b) {
        return flight_[a]->start < flight_[b]->start;
    });
    return away;
}

bool CardFlights::active(double now) const {
    for (int card = 1; card <= kCardCount; ++card) {
        const auto& flight = flight_[static_cast<size_t>(card)];
        if (flight && now < flight->start + flight->duration) return true;
    }
    return false;
}

}  // namespace dravicor
