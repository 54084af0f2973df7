#include "engine/keyboard_focus.h"

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <limits>

namespace dravicor {

namespace {

constexpr FocusMove kAllMoves[] = {FocusMove::Left, FocusMove::Right, FocusMove::Up,
                                   FocusMove::Down, FocusMove::Next,  FocusMove::Previous};

// Every pile the game can show, in the order of the pile lists.
std::vector<PileId> PilesOnTable(const Engine& engine) {
    std::vector<PileId> piles;
    if (engine.rules()[Rule::CardCount] == 0) return piles;
    engine.position().piles.forEach([&](PileId id, const Pile&) {
        if (engine.origins().isOnTable(id)) piles.push_back(id);
    });
    return piles;
}

Rect SlotOf(const Engine& engine, const TableGeometry& table, PileId pile) {
    return Rect::At(table.pileOrigin(pile), engine.cardSize());
}

Point CentreOf(const Rect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

bool Overlap(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// The part of a card that the next card of its fan leaves showing; empty
// when the next card lies square on it.
Rect ShownPart(Rect card, const Rect& next) {
    if (!Overlap(card, next)) return card;
    if (next.top > card.top) {
        card.bottom = next.top;
    } else if (next.left > card.left) {
        card.right = next.left;
    } else if (next.top < card.top) {
        card.top = next.bottom;
    } else if (next.left < card.left) {
        card.left = next.right;
    } else {
        return {};
    }
    return card;
}

struct Direction {
    int dx;
    int dy;
};

Direction DirectionOf(FocusMove move) {
    switch (move) {
        case FocusMove::Left: return {-1, 0};
        case FocusMove::Right: return {1, 0};
        case FocusMove::Up: return {0, -1};
        default: return {0, 1};
    }
}

// How far `to` lies from `from` in the direction, and how far off its line.
struct Offset {
    int along;
    int across;
};

Offset OffsetOf(Point from, Point to, Direction d) {
    const int dx = to.x - from.x;
    const int dy = to.y - from.y;
    return {dx * d.dx + dy * d.dy, std::abs(d.dx != 0 ? dy : dx)};
}

std::optional<FocusPlace> PlaceOf(const std::vector<FocusPlace>& places, const KeyFocus& focus) {
    for (const FocusPlace& place : places) {
        if (place.focus == focus) return place;
    }
    return std::nullopt;
}

// The next place of the same pile in the direction, on the line of the fan.
std::optional<KeyFocus> AlongThePile(const Engine& engine, const std::vector<FocusPlace>& places,
                                     const FocusPlace& from, Direction d) {
    const Point start = CentreOf(from.shown);
    const Size card = engine.cardSize();
    const int offLine = (d.dx != 0 ? card.height : card.width) / 2;
    std::optional<KeyFocus> best;
    int nearest = std::numeric_limits<int>::max();
    for (const FocusPlace& place : places) {
        if (place.focus == from.focus) continue;
        const Offset offset = OffsetOf(start, CentreOf(place.shown), d);
        if (offset.along > 0 && offset.across < offLine && offset.along < nearest) {
            nearest = offset.along;
            best = place.focus;
        }
    }
    return best;
}

// The nearest other pile in the direction, judged by the piles' places
// (their origins), so a long column does not reach into the next row.
std::optional<PileId> PileThatWay(const Engine& engine, const std::vector<PileId>& order, PileId from, Direction d) {
    const TableGeometry table = engine.geometry();
    const Point start = table.pileOrigin(from);
    const Size card = engine.cardSize();
    const int atLeast = (d.dx != 0 ? card.width : card.height) / 2;
    std::optional<PileId> best;
    long long lowest = std::numeric_limits<long long>::max();
    for (const PileId pile : order) {
        if (pile == from) continue;
        const Offset offset = OffsetOf(start, table.pileOrigin(pile), d);
        if (offset.along < atLeast) continue;
        const long long score = offset.along + 2LL * offset.across;
        if (score < lowest) {
            lowest = score;
            best = pile;
        }
    }
    return best;
}

// Where the focus lands in a pile it comes to from `from`.
KeyFocus EnteredAt(const Engine& engine, PileId pile, const FocusPlace& from) {
    const std::vector<FocusPlace> places = PilePlaces(engine, pile);
    if (engine.rules()[Rule::SelectionPlay] == 0) return places.back().focus;
    const Point start = CentreOf(from.shown);
    const FocusPlace* best = &places.back();
    long long nearest = std::numeric_limits<long long>::max();
    for (const FocusPlace& place : places) {
        const Point c = CentreOf(place.shown);
        const long long dx = c.x - start.x;
        const long long dy = c.y - start.y;
        if (dx * dx + dy * dy < nearest) {
            nearest = dx * dx + dy * dy;
            best = &place;
        }
    }
    return best->focus;
}

}  // namespace

std::vector<PileId> PilesInReadingOrder(const Engine& engine) {
    std::vector<PileId> piles = PilesOnTable(engine);
    const TableGeometry table = engine.geometry();
    const auto origin = [&](PileId pile) { return table.pileOrigin(pile); };
    std::stable_sort(piles.begin(), piles.end(), [&](PileId a, PileId b) { return origin(a).y < origin(b).y; });
    // A pile starts a new row when it lies more than half a card below the
    // first pile of the row.
    const int rowStep = engine.cardSize().height / 2;
    std::vector<PileId> order;
    for (size_t first = 0; first < piles.size();) {
        size_t end = first + 1;
        while (end < piles.size() && origin(piles[end]).y - origin(piles[first]).y <= rowStep) ++end;
        std::vector<PileId> row(piles.begin() + static_cast<long>(first), piles.begin() + static_cast<long>(end));
        std::stable_sort(row.begin(), row.end(), [&](PileId a, PileId b) { return origin(a).x < origin(b).x; });
        order.insert(order.end(), row.begin(), row.end());
        first = end;
    }
    return order;
}

std::vector<FocusPlace> PilePlaces(const Engine& engine, PileId pile) {
    const TableGeometry table = engine.geometry();
    const Pile& cards = engine.position().piles.pile(pile);
    const Size size = engine.cardSize();
    int top = cards.size() - 1;
    while (top >= 0 && cards[top] == kNoCard) --top;
    if (top < 0) return {{{pile, kNoCard}, SlotOf(engine, table, pile)}};

    const auto rectOf = [&](int index) { return Rect::At(table.cardPosition(pile, cards.size() - 1 - index), size); };
    std::vector<FocusPlace> places;
    for (int i = 0; i < top; ++i) {
        if (cards[i] == kNoCard || engine.position().cardTable.IsFaceDown(cards[i])) continue;
        int next = i + 1;
        while (cards[next] == kNoCard) ++next;
        // A sliver (a pile squared but for a few pixels) is not a card one can read.
        const Rect shown = ShownPart(rectOf(i), rectOf(next));
        const bool readable = shown.right - shown.left >= size.width / 8 && shown.bottom - shown.top >= size.height / 8;
        if (readable) places.push_back({{pile, cards[i]}, shown});
    }
    places.push_back({{pile, cards[top]}, rectOf(top)});
    return places;
}

std::optional<KeyFocus> SettledFocus(const Engine& engine, std::optional<KeyFocus> focus) {
    const std::vector<PileId> order = PilesInReadingOrder(engine);
    if (order.empty()) return std::nullopt;
    if (!focus || std::find(order.begin(), order.end(), focus->pile) == order.end()) {
        focus = KeyFocus{order.front(), kNoCard};
    }
    const std::vector<FocusPlace> places = PilePlaces(engine, focus->pile);
    if (PlaceOf(places, *focus)) return focus;
    return places.back().focus;
}

KeyFocus MovedFocus(const Engine& engine, KeyFocus focus, FocusMove move) {
    const auto settled = SettledFocus(engine, focus);
    if (!settled) return focus;
    const std::vector<PileId> order = PilesInReadingOrder(engine);
    if (move == FocusMove::Next || move == FocusMove::Previous) {
        const auto at = std::find(order.begin(), order.end(), settled->pile) - order.begin();
        const auto count = static_cast<long>(order.size());
        const long step = move == FocusMove::Next ? 1 : count - 1;
        return PilePlaces(engine, order[static_cast<size_t>((at + step) % count)]).back().focus;
    }
    const std::vector<FocusPlace> places = PilePlaces(engine, settled->pile);
    const FocusPlace from = *PlaceOf(places, *settled);
    const Direction d = DirectionOf(move);
    if (const auto along = AlongThePile(engine, places, from, d)) return *along;
    if (const auto pile = PileThatWay(engine, order, settled->pile, d)) return EnteredAt(engine, *pile, from);
    return *settled;
}

std::vector<FocusMove> FocusRoute(const Engine& engine, KeyFocus from, KeyFocus to) {
    const auto start = SettledFocus(engine, from);
    if (!start) return {};
    const auto arrived = [&to](const KeyFocus& f) { return f.pile == to.pile && (to.card == kNoCard || f.card == to.card); };
    if (arrived(*start)) return {};
    // Breadth first over the places: the first arrival is a shortest route.
    struct Step {
        KeyFocus focus;
        int previous;
        FocusMove move;
    };
    std::vector<Step> steps{{*start, -1, FocusMove::Next}};
    std::deque<int> waiting{0};
    while (!waiting.empty()) {
        const int at = waiting.front();
        waiting.pop_front();
        for (const FocusMove move : kAllMoves) {
            const KeyFocus next = MovedFocus(engine, steps[static_cast<size_t>(at)].focus, move);
            const bool seen = std::any_of(steps.begin(), steps.end(), [&](const Step& s) { return s.focus == next; });
            if (seen) continue;
            steps.push_back({next, at, move});
            if (arrived(next)) {
                std::vector<FocusMove> route;
                for (int i = static_cast<int>(steps.size()) - 1; i > 0; i = steps[static_cast<size_t>(i)].previous) {
                    route.push_back(steps[static_cast<size_t>(i)].move);
                }
                std::reverse(route.begin(), route.end());
                return route;
            }
            waiting.push_back(static_cast<int>(steps.size()) - 1);
        }
    }
    return {};
}

Point PressPoint(const Engine& engine, const FocusPlace& place) {
    const Rect& r = place.shown;
    const Point corner{r.left + 2, r.top + 2};
    const Point tries[] = {corner, CentreOf(r), {r.right - 3, r.bottom - 3}, {r.left + 2, r.bottom - 3},
                           {r.right - 3, r.top + 2}};
    const TableGeometry table = engine.geometry();
    std::optional<Point> samePile;
    for (const Point point : tries) {
        const PileHit hit = PileAt(point, engine.position().piles, table);
        if (hit.pileName.empty() || !(hit.pile == place.focus.pile)) continue;
        if (hit.card == place.focus.card) return point;
        if (!samePile) samePile = point;
    }
    return samePile.value_or(corner);
}

}  // namespace dravicor
