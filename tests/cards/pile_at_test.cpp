#include "cards/pile_at.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <utility>

namespace dravicor {
namespace {

constexpr Size kCard{71, 96};
constexpr int kStep = 20;  // distance between fanned tableau cards

// A table layout for the tests: piles are placed by hand, every other pile
// is off the table. Tableau piles are fanned by kStep in the chosen
// direction; all other piles stack their cards on the origin.
class FakeGeometry : public PileGeometry {
public:
    explicit FakeGeometry(const PileLists& piles) : piles_(piles) {}

    void place(PileId id, Point origin) { origins_[Key(id)] = origin; }
    void setFan(TableauFan fan) { fan_ = fan; }
    void setBackwards(bool backwards) { backwards_ = backwards; }
    // Reserves fanned to the right, as a bouquet is shown.
    void setReservesTakeable(bool takeable) { reservesTakeable_ = takeable; }

    Size cardSize() const override { return kCard; }
    Point pileOrigin(PileId pile) const override {
        const auto it = origins_.find(Key(pile));
        return it == origins_.end() ? Point{kOffTable, 0} : it->second;
    }
    Point cardPosition(PileId pile, int skip) const override {
        const Point origin = pileOrigin(pile);
        if (pile.kind == PileKind::Reserve) {
            return {origin.x + std::max(0, piles_.pile(pile).size() - 1 - skip) * kStep, origin.y};
        }
        if (pile.kind != PileKind::Tableau || fan_ == TableauFan::None) return origin;
        const int index = std::max(0, piles_.pile(pile).size() - 1 - skip);
        switch (fan_) {
            case TableauFan::Down: return {origin.x, origin.y + index * kStep};
            case TableauFan::Right: return {origin.x + index * kStep, origin.y};
            case TableauFan::Up: return {origin.x, origin.y - index * kStep};
            case TableauFan::Grid: return {origin.x + index % 3 * kCard.width, origin.y + index / 3 * kCard.height};
            case TableauFan::None: break;
        }
        return origin;
    }
    TableauFan tableauFan() const override { return fan_; }
    bool tableauSearchedBackwards() const override { return backwards_; }
    bool reserveCardsTakeable() const override { return reservesTakeable_; }

private:
    static std::pair<int, int> Key(PileId id) { return {static_cast<int>(id.kind), id.number}; }

    const PileLists& piles_;
    std::map<std::pair<int, int>, Point> origins_;
    TableauFan fan_ = TableauFan::None;
    bool backwards_ = false;
    bool reservesTakeable_ = false;
};

void Fill(PileLists& piles, PileId id, std::initializer_list<int> cards) {
    for (const int c : cards) piles.pile(id).append(static_cast<CardNumber>(c));
}

// Piles that stack their cards on the origin, each one card in size (the
// tableau too, when it is not fanned), and the points that find them.
TEST(PileAt, StackedPilesGiveTheirTopCard) {
    PileLists piles;
    Fill(piles, PileId::Stock(), {1, 2, 3});
    Fill(piles, PileId::Waste(), {4, 5});
    Fill(piles, PileId::Tableau(4), {10, 11, 12});
    Fill(piles, PileId::Foundation(5), {20, 21});
    Fill(piles, PileId::Reserve(1), {30, 31});
    Fill(piles, PileId::Reserve(2), {40, 0});
    Fill(piles, PileId::Reserve(3), {33});
    Fill(piles, PileId::Reserve(4), {34});
    FakeGeometry geometry(piles);
    // The fan is the tableau's alone: the foundation and the reserve stay stacked.
    geometry.setFan(TableauFan::Down);
    geometry.place(PileId::Stock(), {10, 10});
    geometry.place(PileId::Waste(), {100, 10});
    geometry.place(PileId::Foundation(5), {200, 10});
    geometry.place(PileId::Reserve(1), {300, 10});
    geometry.place(PileId::Reserve(2), {400, 10});
    // Off the table, a pile is passed over though the point lies on it; one
    // pixel to the right it counts.
    geometry.place(PileId::Reserve(3), {PileGeometry::kOffTable, 500});
    geometry.place(PileId::Reserve(4), {PileGeometry::kOffTable + 1, 700});
    const struct {
        Point point;
        const char* pileName;
        CardNumber card;
    } hits[] = {
        {{10, 10}, "Mazzo", 3},
        {{80, 105}, "Mazzo", 3},
        {{170, 105}, "Mazzo_Vis", 5},
        // Right and bottom edges lie outside, left and top ones inside.
        {{81, 50}, "", kNoCard},
        {{50, 106}, "", kNoCard},
        {{9, 50}, "", kNoCard},
        {{50, 9}, "", kNoCard},
        {{250, 60}, "Dest5", 21},
        {{205, 106}, "", kNoCard},
        {{305, 15}, "Appogg1", 31},
        {{450, 50}, "Appogg2", kNoCard},  // a slot on top is no card
        {{PileGeometry::kOffTable + 10, 510}, "", kNoCard},
        {{PileGeometry::kOffTable + 1, 710}, "Appogg4", 34},
        {{0, 0}, "", kNoCard},
    };
    for (const auto& hit : hits) {
        SCOPED_TRACE(std::to_string(hit.point.x) + "," + std::to_string(hit.point.y));
        const PileHit found = PileAt(hit.point, piles, geometry);
        EXPECT_EQ(found.pileName, hit.pileName);
        EXPECT_EQ(found.card, hit.card);
    }
    EXPECT_EQ(PileAt({10, 10}, piles, geometry).pile, PileId::Stock());
    EXPECT_EQ(PileAt({10, 10}, piles, geometry).rect, (Rect{10, 10, 81, 106}));
    EXPECT_EQ(PileAt({170, 105}, piles, geometry).rect, (Rect{100, 10, 171, 106}));

    // An unfanned tableau pile is one card tall.
    geometry.setFan(TableauFan::None);
    geometry.place(PileId::Tableau(4), {0, 200});
    for (const Point p : {Point{0, 200}, Point{70, 295}, Point{35, 250}}) {
        const PileHit hit = PileAt(p, piles, geometry);
        EXPECT_EQ(hit.pile, PileId::Tableau(4));
        EXPECT_EQ(hit.pileName, "Fila4");
        EXPECT_EQ(hit.card, 12);
        EXPECT_EQ(hit.rect, (Rect{0, 200, 71, 296}));
    }
    EXPECT_EQ(PileAt({35, 296}, piles, geometry).pileName, "");

    // An empty stock is still there, with no card; without any pile on the
    // table nothing is found anywhere.
    piles.pile(PileId::Stock()).clear();
    EXPECT_EQ(PileAt({20, 20}, piles, geometry).pileName, "Mazzo");
    EXPECT_EQ(PileAt({20, 20}, piles, geometry).card, kNoCard);
    PileLists none;
    FakeGeometry empty(none);
    EXPECT_EQ(PileAt({0, 0}, none, empty).pileName, "");
}

// A grid in rows of three: the first row reaches further right than the
// top card on the second row, and empty places are passed over.
TEST(PileAt, GridPilesAreHitOnEveryCard) {
    PileLists piles;
    Fill(piles, PileId::Tableau(1), {11, 12, 13, 14, 0});
    FakeGeometry geometry(piles);
    geometry.setFan(TableauFan::Grid);
    geometry.place(PileId::Tableau(1), {0, 0});
    PileHit hit = PileAt({2 * 71 + 5, 5}, piles, geometry);
    EXPECT_EQ(hit.pileName, "Fila1");
    EXPECT_EQ(hit.card, 13);
    EXPECT_EQ(hit.rect, (Rect{0, 0, 3 * 71, 2 * 96}));
    EXPECT_EQ(PileAt({5, 96 + 5}, piles, geometry).card, 14);
    EXPECT_EQ(PileAt({71 + 5, 96 + 5}, piles, geometry).pileName, "") << "an empty place holds nothing to press";

    // Overlapping lines: the point passes through the empty places of the
    // upper pile to the card beneath.
    Fill(piles, PileId::Tableau(2), {20});
    geometry.place(PileId::Tableau(2), {71, 96});
    hit = PileAt({71 + 5, 96 + 5}, piles, geometry);
    EXPECT_EQ(hit.pileName, "Fila2");
    EXPECT_EQ(hit.card, 20);
}

// A fanned reserve gives its top card to any press, unless the game lets
// every reserve card be taken: then the card under the point.
TEST(PileAt, ReserveCardUnderThePointWhenEveryCardIsTakeable) {
    PileLists piles;
    Fill(piles, PileId::Reserve(1), {31, 32, 33});
    FakeGeometry geometry(piles);
    geometry.place(PileId::Reserve(1), {0, 0});
    for (const bool takeable : {false, true}) {
        geometry.setReservesTakeable(takeable);
        EXPECT_EQ(PileAt({5, 5}, piles, geometry).card, takeable ? 31 : 33);
        EXPECT_EQ(PileAt({kStep + 5, 5}, piles, geometry).card, takeable ? 32 : 33);
        EXPECT_EQ(PileAt({2 * kStep + 60, 5}, piles, geometry).card, 33);
    }
}

TEST(PileAt, SearchOrderDecidesOverlaps) {
    PileLists piles;
    Fill(piles, PileId::Stock(), {1});
    Fill(piles, PileId::Waste(), {2});
    Fill(piles, PileId::SecondWaste(), {3});
    Fill(piles, PileId::Tableau(1), {4});
    Fill(piles, PileId::Tableau(26), {5});
    Fill(piles, PileId::Foundation(1), {6});
    Fill(piles, PileId::Foundation(16), {7});
    Fill(piles, PileId::Reserve(1), {8});
    Fill(piles, PileId::Reserve(8), {9});

    // Every pile at the same place; take them away one at a time in the
    // expected search order.
    const std::vector<std::pair<PileId, int>> order = {
        {PileId::Stock(), 1},          {PileId::Waste(), 2},          {PileId::Tableau(1), 4},
        {PileId::Tableau(26), 5},      {PileId::Foundation(1), 6},    {PileId::Foundation(16), 7},
        {PileId::Reserve(1), 8},       {PileId::Reserve(8), 9},
    };
    FakeGeometry geometry(piles);
    for (const auto& [id, card] : order) geometry.place(id, {0, 0});
    geometry.place(PileId::SecondWaste(), {0, 0});
    for (const auto& [id, card] : order) {
        const PileHit hit = PileAt({30, 30}, piles, geometry);
        EXPECT_EQ(hit.pileName, PileName(id));
        EXPECT_EQ(hit.card, card);
        geometry.place(id, {PileGeometry::kOffTable, 0});
    }
    // The second waste is not searched.
    EXPECT_EQ(PileAt({30, 30}, piles, geometry).pileName, "");
}

TEST(PileAt, TableauSearchDirection) {
    PileLists piles;
    FakeGeometry geometry(piles);
    for (int n = 1; n <= kTableauCount; ++n) {
        Fill(piles, PileId::Tableau(n), {n});
        geometry.place(PileId::Tableau(n), {500, 500});
    }
    PileHit hit = PileAt({520, 520}, piles, geometry);
    EXPECT_EQ(hit.pileName, "Fila1");
    EXPECT_EQ(hit.card, 1);

    geometry.setBackwards(true);
    hit = PileAt({520, 520}, piles, geometry);
    EXPECT_EQ(hit.pileName, "Fila26");
    EXPECT_EQ(hit.card, 26);

    // Pile 26 off the table: the next one back.
    geometry.place(PileId::Tableau(26), {PileGeometry::kOffTable, 500});
    EXPECT_EQ(PileAt({520, 520}, piles, geometry).pileName, "Fila25");
    // Backwards only concerns the tableau: a foundation placed there still
    // comes after it.
    Fill(piles, PileId::Foundation(2), {60});
    geometry.place(PileId::Foundation(2), {500, 500});
    EXPECT_EQ(PileAt({520, 520}, piles, geometry).pileName, "Fila25");
}

// Random fanned piles and points against a direct reading of the layout:
// the card under a point is the highest one whose rectangle holds it, and
// the pile's rectangle is the union of its cards' (one card when empty).
TEST(PileAt, FannedPilesOverRandomPoints) {
    std::mt19937 rng(8080);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (const TableauFan fan : {TableauFan::Down, TableauFan::Right, TableauFan::Up}) {
        for (int round = 0; round < 100; ++round) {
            PileLists piles;
            FakeGeometry geometry(piles);
            geometry.setFan(fan);
            const int size = pick(0, 20);
            for (int i = 0; i < size; ++i) piles.pile(PileId::Tableau(5)).append(static_cast<CardNumber>(pick(1, 104)));
            const Point origin{pick(0, 300), pick(400, 700)};
            geometry.place(PileId::Tableau(5), origin);
            const Pile& pile = piles.pile(PileId::Tableau(5));

            for (int k = 0; k < 200; ++k) {
                const Point p{origin.x + pick(-30, 500), origin.y + pick(-450, 500)};
                bool inside = false;
                CardNumber expected = kNoCard;
                Rect bounds = Rect::At(origin, kCard);
                const int cards = std::max(size, 1);
                for (int i = 0; i < cards; ++i) {
                    const int offset = i * kStep;
                    const Point at = fan == TableauFan::Down    ? Point{origin.x, origin.y + offset}
                                     : fan == TableauFan::Right ? Point{origin.x + offset, origin.y}
                                                                : Point{origin.x, origin.y - offset};
                    bounds = bounds.united(Rect::At(at, kCard));
                    if (Rect::At(at, kCard).contains(p)) {
                        inside = true;
                        if (i < size) expected = pile[i];
                    }
                }
                const PileHit hit = PileAt(p, piles, geometry);
                ASSERT_EQ(hit.pileName, inside ? "Fila5" : "") << "x " << p.x << " y " << p.y;
                ASSERT_EQ(hit.card, expected) << "x " << p.x << " y " << p.y;
                if (inside) {
                    ASSERT_EQ(hit.rect, bounds) << "x " << p.x << " y " << p.y;
                }
            }
        }
    }
}

}  // namespace
}  // namespace dravicor
