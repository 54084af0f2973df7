#include "rules/layout.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <iterator>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "cards/pile_at.h"
#include "rules/catalogue.h"
#include "rules/pile_geometry.h"
#include "support/temp_dir.h"

namespace dravicor {
namespace {

constexpr Size kBig{71, 96};
constexpr Size kMedium{59, 80};
constexpr TableArea kArea800{5, 800, 600, 0};
constexpr TableArea kArea640{5, 640, 480, 0};

using Values = std::vector<std::pair<int, int>>;

GameRules Rules(std::initializer_list<std::pair<int, int>> values) {
    GameRules rules;
    for (const auto& [index, value] : values) rules.set(index, value);
    return rules;
}

// A table's rules put together from its rows and further values.
GameRules Table(std::initializer_list<Values> parts) {
    GameRules rules;
    for (const Values& part : parts) {
        for (const auto& [index, value] : part) rules.set(index, value);
    }
    return rules;
}

// A row of the stock group, of foundations, of reserves or of tableau piles:
// how many piles, the layout model, the row.
Values StockRow(int count, int model = 1, int row = 1) {
    return {{Rule::StockPileCount, count}, {Rule::StockLayoutModel, model}, {Rule::StockLayoutRow, row}};
}
Values FoundationRow(int count) {
    return {{Rule::FoundationCount, count}, {Rule::FoundationLayoutModel, 1}, {Rule::FoundationLayoutRow, 1}};
}
Values ReserveRow(int count) {
    return {{Rule::ReserveCount, count}, {Rule::ReserveLayoutModel, 1}, {Rule::ReserveLayoutRow, 1}};
}
Values TableauRow(int count, int model, int row = 2) {
    return {{Rule::TableauCount, count}, {Rule::TableLayoutModel, model}, {Rule::TableLayoutRow, row}};
}
// The pile counts of a hand-made table of the model.
GameRules HandMade(int model, int stock, int foundations, int reserves, int tableau) {
    return Rules({{Rule::TableLayoutModel, model},
                  {Rule::StockPileCount, stock},
                  {Rule::FoundationCount, foundations},
                  {Rule::ReserveCount, reserves},
                  {Rule::TableauCount, tableau}});
}
// The stock group of the pairing games: stock, discards beside it, waste.
const Values kBesideStock = {{Rule::ThirdPileBesideStock, 1}};

std::vector<int> TableauXs(const PileOrigins& origins, int n) {
    std::vector<int> xs;
    for (int t = 1; t <= n; ++t) xs.push_back(origins.origin(PileId::Tableau(t)).x);
    return xs;
}

std::vector<int> Steps(int first, int step, int n) {
    std::vector<int> xs;
    for (int i = 0; i < n; ++i) xs.push_back(first + i * step);
    return xs;
}

// ---------------------------------------------------------------- card sizes

TEST(CardSize, ByLetter) {
    const std::pair<char, std::optional<Size>> sizes[] = {
        {'B', Size{71, 96}}, {'M', Size{59, 80}}, {'P', Size{25, 32}}, {'b', {}}, {'X', {}}, {'\0', {}}};
    for (const auto& [letter, size] : sizes) EXPECT_EQ(CardSizeFor(letter), size) << int{letter};
}

// -------------------------------------------------------------- pile origins

TEST(PileOriginsTest, StartOffTheTableAndKeepWhatIsSet) {
    PileOrigins origins;
    EXPECT_FALSE(origins.isOnTable(PileId::Stock()));
    EXPECT_FALSE(origins.isOnTable(PileId::Reserve(8)));
    EXPECT_EQ(origins.origin(PileId::Tableau(26)).x, kOffTableX);

    origins.set(PileId::Waste(), {-3, 40});
    origins.set(PileId::SecondWaste(), {7, 8});
    origins.set(PileId::Foundation(16), {120, 15});
    origins.set(PileId::Tableau(1), {kOffTableX + 1, 0});
    EXPECT_EQ(origins.origin(PileId::Waste()), (Point{-3, 40}));
    EXPECT_EQ(origins.origin(PileId::SecondWaste()), (Point{7, 8}));
    EXPECT_EQ(origins.origin(PileId::Foundation(16)), (Point{120, 15}));
    EXPECT_FALSE(origins.isOnTable(PileId::Stock()));
    EXPECT_TRUE(origins.isOnTable(PileId::Waste()));
    EXPECT_TRUE(origins.isOnTable(PileId::Tableau(1)));  // only x <= -10000 is off

    // Numbers beyond the arrays are never on the table and writes to them are dropped.
    const PileOrigins before = origins;
    origins.set(PileId::Foundation(17), {1, 1});
    origins.set(PileId::Reserve(0), {1, 1});
    EXPECT_EQ(origins, before);
    EXPECT_FALSE(origins.isOnTable(PileId::Tableau(27)));
}

// ---------------------------------------------------------------------- rows

TEST(LayoutRows, RowsMarginAndLeftEdgeByTheRulesAndTheWindow) {
    struct Case {
        Values rules;
        Size card;
        TableArea area;
        std::array<int, 6> expected;  // rows 1 to 4, the margin, the left edge; 0 where not looked at
    };
    const Case cases[] = {
        // The documented example, with the stock on row 3.
        {StockRow(1, 1, 3), kBig, kArea800, {15, 121, 227, 333, 10, 10}},
        // The stock's row and model 3 add room; the selector is the
        // parameter's first digit, so 21 selects row 2.
        {StockRow(1, 1, 1), kBig, kArea800, {30, 136, 0, 348, 0, 0}},
        {StockRow(1, 1, 2), kBig, kArea800, {15, 136, 242, 0, 0, 0}},
        {StockRow(1, 1, 21), kBig, kArea800, {0, 136, 0, 0, 0, 0}},
        {StockRow(1, 3, 3), kBig, kArea800, {15, 136, 0, 0, 0, 25}},
        // Without a stock string the stock's selector and model count for nothing.
        {StockRow(0, 3, 1), kBig, kArea800, {15, 121, 0, 0, 0, 10}},
        {{{Rule::TableLayoutModel, 15}}, kBig, kArea800, {20, 121, 222, 328, 0, 0}},
        // Low and narrow windows.
        {{}, kMedium, {30, 640, 480, 0}, {35, 120, 205, 0, 5, 3}},
        {{}, kBig, {5, 652, 600, 0}, {0, 0, 0, 0, 0, 10}},
        {{}, kBig, {5, 651, 600, 0}, {0, 0, 0, 0, 0, 3}},
        // The main window's offset and the shifted stock models count only with a stock.
        {{}, kBig, {5, 800, 600, 7}, {0, 0, 0, 0, 0, 10}},
        {StockRow(1, 1, 0), kBig, {5, 800, 600, 7}, {0, 0, 0, 0, 0, 17}},
        {StockRow(1, 1, 0), kBig, {5, 640, 600, 7}, {0, 0, 0, 0, 0, 10}},
        {StockRow(1, 3, 0), kBig, kArea800, {0, 0, 0, 0, 0, 25}},
        {StockRow(1, 4, 0), kBig, kArea800, {0, 0, 0, 0, 0, 25}},
        {StockRow(1, 5, 0), kBig, kArea800, {0, 0, 0, 0, 0, 25}},
        {StockRow(1, 16, 0), kBig, kArea800, {0, 0, 0, 0, 0, 25}},
        {StockRow(1, 19, 0), kBig, kArea800, {0, 0, 0, 0, 0, 25}},
        {StockRow(1, 6, 0), kBig, kArea800, {0, 0, 0, 0, 0, 10}},
        // The fifth string's model 4 shifts as the stock's does.
        {{{Rule::StockPileCount, 1}, {Rule::StockLayoutModel, 1}, {Rule::FifthLayoutModel, 4}}, kBig, kArea800,
         {0, 0, 0, 0, 0, 25}},
        {{{Rule::StockPileCount, 0}, {Rule::StockLayoutModel, 1}, {Rule::FifthLayoutModel, 4}}, kBig, kArea800,
         {0, 0, 0, 0, 0, 10}},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        GameRules rules;
        for (const auto& [index, value] : c.rules) rules.set(index, value);
        const TableRows rows = ComputeRows(rules, c.card, c.area);
        std::array<int, 6> got = {rows.y[1], rows.y[2], rows.y[3], rows.y[4], rows.margin, rows.left};
        for (size_t k = 0; k < got.size(); ++k) got[k] = c.expected[k] == 0 ? 0 : got[k];
        EXPECT_EQ(got, c.expected) << "case " << i;
    }
}

// ------------------------------------------------------- single centred row

PileOrigins CentredTable(int model, int n, Size card, TableArea area, const Values& more = {}) {
    return ComputeLayout(Table({TableauRow(n, model), more}), card, area);
}

// Models 1, 14 and 15 centre one row, the gap between piles kept between 4
// and 20; model 1 clamps the row to the left margin, 14 and 15 shrink the
// gap instead; the stock's model 4 (or the fifth string's) widens it.
TEST(CentredRow, GapAndFirstPileByModel) {
    const Values stock = {{Rule::StockPileCount, 1}, {Rule::StockLayoutModel, 1}};
    const Values model4 = {{Rule::StockPileCount, 2}, {Rule::StockLayoutModel, 4}};
    const Values fifth = {{Rule::StockPileCount, 1}, {Rule::FifthLayoutModel, 4}};
    struct Case {
        int model;
        int n;
        Size card;
        TableArea area;
        Values more;
        std::vector<int> xs;
    };
    const Case cases[] = {
        // (798 - 497) / 8 = 37, kept at 20; (798 - 617) / 2 = 90.
        {1, 7, kBig, kArea800, {}, Steps(90, 91, 7)},
        // (798 - 639) / 10 = 15 as it is; (798 - 759) / 2 = 19.5, truncated.
        {1, 9, kBig, kArea800, {}, Steps(19, 86, 9)},
        // 17 / 12 = 1, raised to 4; the first x (798 - 821) / 2 = -11 becomes x0.
        {1, 11, kBig, kArea800, {}, Steps(10, 75, 11)},
        // Gap 88 / 11 = 8, first x (798 - 782) / 2 = 8, left of x0 = 10.
        {1, 10, kBig, kArea800, {}, Steps(10, 79, 10)},
        // The main window's offset moves x0 to 40; model 001 keeps its gap.
        {1, 10, kBig, {5, 800, 600, 30}, stock, Steps(40, 79, 10)},
        // At M in 640 the first x of 6 stays right of x0 = 3.
        {1, 10, kMedium, kArea640, {}, Steps(6, 63, 10)},
        // x0 = 40: the gap 8 shrinks by (40 - 8) / 9 = 3.
        {14, 10, kBig, {5, 800, 600, 30}, stock, Steps(40, 76, 10)},
        // Without the clamp model 014 is model 001.
        {14, 7, kBig, kArea800, {}, Steps(90, 91, 7)},
        // Narrower than 650: x0 = 13, first x 6; the gap 4 - 7 / 9 stays 4 and the row starts at x0 - 2.
        {15, 10, kMedium, {5, 640, 480, 10}, stock, Steps(11, 63, 10)},
        // x0 = 10 + 15. Model 001: the gap 8 becomes 15, the row starts at x0.
        {1, 10, kBig, kArea800, model4, Steps(25, 86, 10)},
        // Model 014: gap 8 - 17 / 9 = 7; piles 2 and 3 (1 + two stock piles) lie W + 15 on.
        {14, 10, kBig, kArea800, model4, {25, 111, 197, 275, 353, 431, 509, 587, 665, 743}},
        {1, 10, kBig, kArea800, fifth, Steps(25, 86, 10)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TableauXs(CentredTable(c.model, c.n, c.card, c.area, c.more), c.n), c.xs)
            << "model " << c.model << ", " << c.n << " piles";
    }
    // The row lies on row 2 and no further pile is shown.
    const PileOrigins origins = CentredTable(1, 7, kBig, kArea800);
    for (int t = 1; t <= 7; ++t) EXPECT_EQ(origins.origin(PileId::Tableau(t)).y, 121);
    EXPECT_FALSE(origins.isOnTable(PileId::Tableau(8)));
    // Model 015's row 2: 5 + 15 + 5 + 80.
    EXPECT_EQ(CentredTable(15, 10, kMedium, {5, 640, 480, 10}, stock).origin(PileId::Tableau(1)).y, 105);
}

// ------------------------------------------------------- hand-made tables

TEST(HandMadeTables, Model062) {
    const GameRules rules = HandMade(62, 2, 12, 0, 0);
    const PileOrigins o = ComputeLayout(rules, kBig, kArea800);
    EXPECT_EQ(o.origin(PileId::Stock()), (Point{30, 15}));
    EXPECT_EQ(o.origin(PileId::Waste()), (Point{116, 15}));
    const int xs[4] = {237, 318, 399, 480};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(o.origin(PileId::Foundation(1 + i)), (Point{xs[i], 15}));
        EXPECT_EQ(o.origin(PileId::Foundation(9 + i)), (Point{xs[i], 126}));
        EXPECT_EQ(o.origin(PileId::Foundation(5 + i)), (Point{xs[i], 237}));
    }
    EXPECT_FALSE(o.isOnTable(PileId::Foundation(13)));
    EXPECT_FALSE(o.isOnTable(PileId::SecondWaste()));
    EXPECT_FALSE(o.isOnTable(PileId::Tableau(1)));

    // With eight foundations the third band is not shown.
    GameRules eight = rules;
    eight.set(Rule::FoundationCount, 8);
    const PileOrigins fewer = ComputeLayout(eight, kBig, kArea800);
    EXPECT_FALSE(fewer.isOnTable(PileId::Foundation(9)));
    EXPECT_EQ(fewer.origin(PileId::Foundation(8)), (Point{480, 237}));
}

TEST(HandMadeTables, Model064) {
    const GameRules rules = HandMade(64, 2, 4, 4, 4);
    const PileOrigins o = ComputeLayout(rules, kBig, kArea800);
    EXPECT_EQ(o.origin(PileId::Stock()), (Point{10, 15}));
    EXPECT_EQ(o.origin(PileId::Waste()), (Point{121, 15}));
    for (int r = 0; r < 4; ++r) {
        EXPECT_EQ(o.origin(PileId::Reserve(1 + r)), (Point{10 + r % 2 * 111, 121 + r / 2 * 106})) << r + 1;
    }
    const int xs[4] = {262, 343, 424, 505};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(o.origin(PileId::Foundation(1 + i)), (Point{xs[i], 15}));
        EXPECT_EQ(o.origin(PileId::Tableau(1 + i)), (Point{xs[i], 121}));
    }
    EXPECT_FALSE(o.isOnTable(PileId::Foundation(5)));
    EXPECT_FALSE(o.isOnTable(PileId::Reserve(5)));
}

TEST(HandMadeTables, Model069) {
    const GameRules rules = HandMade(69, 2, 8, 1, 5);
    const PileOrigins o = ComputeLayout(rules, kMedium, kArea640);
    // M in 640 x 480: row 1 = 5 + 5, row 2 = 10 + 5 + 80.
    EXPECT_FALSE(o.isOnTable(PileId::Stock()));
    EXPECT_EQ(o.origin(PileId::Waste()), (Point{25, 10}));
    for (int f = 1; f <= 8; ++f) EXPECT_EQ(o.origin(PileId::Foundation(f)), (Point{119 + (f - 1) * 64, 10}));
    EXPECT_EQ(o.origin(PileId::Reserve(1)), (Point{119, 95}));
    for (int t = 1; t <= 5; ++t) EXPECT_EQ(o.origin(PileId::Tableau(t)), (Point{567 - (5 - t) * 79, 95}));
}

// --------------------------------------------------------- generic models

TEST(GenericLayout, StockGroupBesideOrUnderTheStock) {
    GameRules rules = Table({StockRow(2), {{Rule::WasteUnderStock, 1}}});
    // Model 1 keeps the waste beside the stock whatever WasteUnderStock says.
    PileOrigins o = ComputeLayout(rules, kBig, kArea800);
    EXPECT_EQ(o.origin(PileId::Stock()), (Point{10, 30}));
    EXPECT_EQ(o.origin(PileId::Waste()), (Point{91, 30}));
    EXPECT_FALSE(o.isOnTable(PileId::SecondWaste()));

    // Model 2 puts it under the stock, on the next row.
    rules.set(Rule::StockLayoutModel, 2);
    o = ComputeLayout(rules, kBig, kArea800);
    EXPECT_EQ(o.origin(PileId::Stock()), (Point{10, 30}));
    EXPECT_EQ(o.origin(PileId::Waste()), (Point{10, 136}));
    rules.set(Rule::WasteUnderStock, 0);
    EXPECT_EQ(ComputeLayout(rules, kBig, kArea800).origin(PileId::Waste()), (Point{91, 30}));

    // Piles beyond the count stay off the table; no count, no stock.
    rules.set(Rule::StockPileCount, 1);
    o = ComputeLayout(rules, kBig, kArea800);
    EXPECT_TRUE(o.isOnTable(PileId::Stock()));
    EXPECT_FALSE(o.isOnTable(PileId::Waste()));
    rules.set(Rule::StockPileCount, 0);
    EXPECT_FALSE(ComputeLayout(rules, kBig, kArea800).isOnTable(PileId::Stock()));
}

TEST(GenericLayout, ThirdPileBesideTheStock) {
    GameRules rules = Table({StockRow(3)});
    PileOrigins o = ComputeLayout(rules, kBig, kArea800);
    EXPECT_EQ(o.origin(PileId::Stock()).x, 10);
    EXPECT_EQ(o.origin(PileId::Waste()).x, 91);
    EXPECT_EQ(o.origin(PileId::SecondWaste()).x, 172);

    // W + 25 right of the stock, the waste moving on past it.
    rules.set(Rule::ThirdPileBesideStock, 1);
    o = ComputeLayout(rules, kBig, kArea800);
    EXPECT_EQ(o.origin(PileId::SecondWaste()), (Point{106, 30}));
    EXPECT_EQ(o.origin(PileId::Waste()), (Point{187, 30}));

    // Under model 2 the waste goes below and the third pile keeps its place.
    rules.set(Rule::StockLayoutModel, 2);
    rules.set(Rule::WasteUnderStock, 1);
    o = ComputeLayout(rules, kBig, kArea800);
    EXPECT_EQ(o.origin(PileId::SecondWaste()), (Point{106, 30}));
    EXPECT_EQ(o.origin(PileId::Waste()), (Point{10, 136}));
}

TEST(GenericLayout, RowsOverTheTableauTakeItsColumns) {
    // Klondike's table: stock and waste over piles 1 and 2, foundations over 4 to 7.
    const GameRules rules = Table({StockRow(2), FoundationRow(4), TableauRow(7, 1)});
    const PileOrigins o = ComputeLayout(rules, kBig, kArea800);
    EXPECT_EQ(o.origin(PileId::Stock()), (Point{90, 30}));
    EXPECT_EQ(o.origin(PileId::Waste()), (Point{181, 30}));
    for (int f = 1; f <= 4; ++f) EXPECT_EQ(o.origin(PileId::Foundation(f)), (Point{363 + (f - 1) * 91, 30}));
    EXPECT_EQ(TableauXs(o, 7), Steps(90, 91, 7));
    EXPECT_EQ(o.origin(PileId::Tableau(7)).y, 136);

    // Reserves on the left, foundations on the right (FreeCell).
    const GameRules cells = Table({ReserveRow(4), FoundationRow(4), TableauRow(8, 1)});
    const PileOrigins c = ComputeLayout(cells, kBig, kArea800);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(c.origin(PileId::Reserve(i)), (Point{45 + (i - 1) * 91, 15}));
        EXPECT_EQ(c.origin(PileId::Foundation(i)), (Point{409 + (i - 1) * 91, 15}));
    }
}

TEST(GenericLayout, PackedRowsShrinkTheGapThenWrap) {
    // No tableau to line up with: stock and waste from x0, foundations ending at 800 - 10.
    GameRules rules = Table({StockRow(2), FoundationRow(4)});
    PileOrigins o = ComputeLayout(rules, kBig, kArea800);
    EXPECT_EQ(o.origin(PileId::Waste()), (Point{91, 30}));
    for (int f = 1; f <= 4; ++f) EXPECT_EQ(o.origin(PileId::Foundation(f)), (Point{476 + (f - 1) * 81, 30}));

    // Eight foundations at M in 640: 590 + 9 gaps in 634 pixels leaves a gap of 4.
    rules.set(Rule::FoundationCount, 8);
    o = ComputeLayout(rules, kMedium, kArea640);
    EXPECT_EQ(o.origin(PileId::Stock()), (Point{3, 25}));
    EXPECT_EQ(o.origin(PileId::Waste()), (Point{66, 25}));
    for (int f = 1; f <= 8; ++f) EXPECT_EQ(o.origin(PileId::Foundation(f)), (Point{137 + (f - 1) * 63, 25}));

    // Sixteen cannot fit even 2 apart: eight per row, the rest on row 2 in the same columns.
    rules.set(Rule::FoundationCount, 16);
    o = ComputeLayout(rules, kMedium, kArea640);
    EXPECT_EQ(o.origin(PileId::Waste()), (Point{64, 25}));
    for (int f = 1; f <= 8; ++f) {
        EXPECT_EQ(o.origin(PileId::Foundation(f)), (Point{151 + (f - 1) * 61, 25}));
        EXPECT_EQ(o.origin(PileId::Foundation(f + 8)), (Point{151 + (f - 1) * 61, 110}));
    }
}

TEST(GenericLayout, WrappingTableauLeavesRoomForTheFan) {
    // Thirteen piles of four face-up cards: rows of 7 and 6. The second row
    // lies a card, the margin and five face-up steps lower (the dealt fan of
    // three steps and two spare).
    GameRules rules = Table({TableauRow(13, 2), FoundationRow(4), {{Rule::TableauSpread, 1}}});
    for (int t = 0; t < 13; ++t) {
        rules.set(Rule::TableauDealCount + t, 4);
        rules.set(Rule::TableauDealFaceUp + t, 4);
    }
    PileOrigins o = ComputeLayout(rules, kBig, kArea800);
    for (int t = 1; t <= 7; ++t) EXPECT_EQ(o.origin(PileId::Tableau(t)), (Point{90 + (t - 1) * 91, 121}));
    for (int t = 8; t <= 13; ++t) EXPECT_EQ(o.origin(PileId::Tableau(t)), (Point{90 + (t - 8) * 91, 317}));
    for (int f = 1; f <= 4; ++f) EXPECT_EQ(o.origin(PileId::Foundation(f)), (Point{363 + (f - 1) * 91, 15}));

    // M: 80 + 5 + 5 * 14.
    o = ComputeLayout(rules, kMedium, kArea640);
    EXPECT_EQ(o.origin(PileId::Tableau(8)), (Point{52, 95 + 155}));

    // Face-down cards fan by the smaller step; at least four face-up steps are left.
    for (int t = 0; t < 13; ++t) rules.set(Rule::TableauDealFaceUp + t, 1);
    EXPECT_EQ(ComputeLayout(rules, kBig, kArea800).origin(PileId::Tableau(8)).y, 121 + 96 + 10 + 72);

    // Too little height (margin 5, row 2 at 111): the rows close up to end
    // at the bottom margin, never nearer than a card and the margin.
    o = ComputeLayout(rules, kBig, {5, 800, 400, 0});
    EXPECT_EQ(o.origin(PileId::Tableau(8)).y, 111 + 96 + 5 + 72);
    o = ComputeLayout(rules, kBig, {5, 800, 350, 0});
    EXPECT_EQ(o.origin(PileId::Tableau(8)).y, 350 - 5 - 96);
    o = ComputeLayout(rules, kBig, {5, 800, 250, 0});
    EXPECT_EQ(o.origin(PileId::Tableau(8)).y, 111 + 101);

    // SingleRowTableau keeps them in one row.
    rules.set(Rule::TableauCount, 10);
    rules.set(Rule::SingleRowTableau, 1);
    o = ComputeLayout(rules, kBig, kArea800);
    EXPECT_EQ(TableauXs(o, 10), Steps(10, 79, 10));
    EXPECT_EQ(o.origin(PileId::Tableau(10)).y, 121);
}

TEST(GenericLayout, ModelFourGivesEachPileItsOwnRowFromTheLeft) {
    const GameRules rules = Table({StockRow(3), kBesideStock, TableauRow(2, 4)});
    PileOrigins o = ComputeLayout(rules, kBig, kArea800);
    EXPECT_EQ(o.origin(PileId::Stock()), (Point{10, 30}));
    EXPECT_EQ(o.origin(PileId::SecondWaste()), (Point{106, 30}));
    EXPECT_EQ(o.origin(PileId::Waste()), (Point{187, 30}));
    EXPECT_EQ(o.origin(PileId::Tableau(1)), (Point{10, 136}));
    EXPECT_EQ(o.origin(PileId::Tableau(2)), (Point{10, 242}));
    EXPECT_FALSE(o.isOnTable(PileId::Tableau(3)));

    o = ComputeLayout(rules, kMedium, kArea640);
    EXPECT_EQ(o.origin(PileId::Tableau(1)), (Point{3, 110}));
}

TEST(GenericLayout, ModelFiveIsAGridFiveWideBesideTheStockGroup) {
    const GameRules rules = Table({StockRow(3), kBesideStock, TableauRow(25, 5, 1)});
    // B in 800: the stock group takes 10 to 258 of row 1; the grid is centred
    // in the 522 pixels from 268 to 790, 20 apart: (522 - 435) / 2 = 43.
    PileOrigins o = ComputeLayout(rules, kBig, kArea800);
    EXPECT_EQ(o.origin(PileId::Waste()), (Point{187, 30}));
    for (int t = 0; t < 25; ++t) {
        EXPECT_EQ(o.origin(PileId::Tableau(t + 1)), (Point{311 + (t % 5) * 91, 30 + (t / 5) * 106})) << t + 1;
    }
    // M in 640: from 225 to 637, gap (412 - 295) / 6 = 19, rows 85 apart.
    o = ComputeLayout(rules, kMedium, kArea640);
    for (int t = 0; t < 25; ++t) {
        EXPECT_EQ(o.origin(PileId::Tableau(t + 1)), (Point{245 + (t % 5) * 78, 25 + (t / 5) * 85})) << t + 1;
    }

    // Fewer piles than a row: the columns they need, centred all the same.
    GameRules three = rules;
    three.set(Rule::TableauCount, 3);
    o = ComputeLayout(three, kBig, kArea800);
    EXPECT_EQ(TableauXs(o, 3), Steps(402, 91, 3));

    // Foundations packed at the right end of the row narrow the room.
    GameRules flanked = Table({StockRow(1), FoundationRow(2), TableauRow(10, 5, 1)});
    o = ComputeLayout(flanked, kBig, kArea800);
    EXPECT_EQ(o.origin(PileId::Foundation(1)), (Point{638, 30}));
    EXPECT_EQ(o.origin(PileId::Foundation(2)), (Point{719, 30}));
    EXPECT_EQ(TableauXs(o, 5), Steps(142, 91, 5));
    EXPECT_EQ(o.origin(PileId::Tableau(10)), (Point{142 + 4 * 91, 136}));
}

TEST(GenericLayout, ModelSixStacksThePyramidHalfACardApart) {
    const GameRules rules = Table({StockRow(3), kBesideStock, TableauRow(7, 6, 1), {{Rule::TableauSpread, 4}}});
    for (const auto& [card, area] : {std::pair{kBig, kArea800}, std::pair{kMedium, kArea640}}) {
        const PileOrigins o = ComputeLayout(rules, card, area);
        const int step = card.width + 6;  // side by side
        for (int k = 1; k <= 7; ++k) {
            const Point line = o.origin(PileId::Tableau(k));
            // Centred for its k cards.
            EXPECT_EQ(line.x, (area.width - 2 - (k * step - 6)) / 2) << k;
            EXPECT_EQ(line.y, o.origin(PileId::Tableau(1)).y + (k - 1) * (card.height / 2)) << k;
            if (k == 1) continue;
            // Each card of the line above is centred over the gap between
            // two of this line (to the pixel the halving leaves).
            const Point above = o.origin(PileId::Tableau(k - 1));
            const int gapCentre = line.x + card.width + 3;
            EXPECT_LE(std::abs(above.x + card.width / 2 - gapCentre), 1) << k;
        }
        // The top of the pyramid shares row 1 with the stock group, clear of it.
        EXPECT_EQ(o.origin(PileId::Tableau(1)).y, o.origin(PileId::Stock()).y);
        EXPECT_LT(o.origin(PileId::Waste()).x + card.width, o.origin(PileId::Tableau(2)).x);
    }
}

TEST(GenericLayout, APyramidPressFindsTheCardOfTheLowerLine) {
    GameRules rules = Table({StockRow(3), kBesideStock, TableauRow(3, 6, 1), {{Rule::TableauSpread, 4}}});
    const PileOrigins origins = ComputeLayout(rules, kBig, kArea800);
    const SpreadMetrics metrics = ResetSpreadMetrics(rules, 'B');
    Position position;
    int card = 0;
    for (int k = 1; k <= 3; ++k) {
        for (int j = 0; j < k; ++j) position.Append(PileId::Tableau(k), static_cast<CardNumber>(++card), true);
    }
    const TableGeometry table(origins, metrics, kBig, rules, position);
    // The lower half of the top card is covered by the two cards of line 2.
    const Point top = origins.origin(PileId::Tableau(1));
    EXPECT_EQ(PileAt({top.x + 30, top.y + 10}, position.piles, table).card, 1);
    const PileHit covered = PileAt({top.x + 30, top.y + 80}, position.piles, table);
    EXPECT_EQ(covered.pile, PileId::Tableau(2));
    EXPECT_EQ(covered.card, 2);
    // Right of the middle, the second card of line 2.
    EXPECT_EQ(PileAt({top.x + 60, top.y + 80}, position.piles, table).card, 3);
}

TEST(GenericLayout, ScrollOffsetIsResetByTheLayout) {
    SpreadMetrics metrics;
    metrics.scrollOffset = 37;
    const GameRules rules = Rules({{Rule::TableauCount, 3}, {Rule::TableLayoutModel, 1}});
    const PileOrigins o = ComputeLayout(rules, kBig, kArea800, metrics);
    EXPECT_EQ(metrics.scrollOffset, 0);
    EXPECT_EQ(o, ComputeLayout(rules, kBig, kArea800));
}

// --------------------------------------------- every game of the catalogue

TEST(CatalogueLayouts, KlondikeAndBakersDozenAsDesigned) {
    const auto path = test::BuiltCatalogue();
    GameList list;
    ASSERT_TRUE(LoadGameList(path, list));
    NoCustomGames none;
    const int klondike = GameCodeOf(list, "Klondike", none);
    const int bakers = GameCodeOf(list, "Baker's Dozen", none);
    ASSERT_GE(klondike, 0);
    ASSERT_GE(bakers, 0);

    PileOrigins o = ComputeLayout(LoadGameRules(path, klondike, none), kBig, kArea800);
    EXPECT_EQ(o.origin(PileId::Stock()), (Point{90, 30}));
    EXPECT_EQ(o.origin(PileId::Waste()), (Point{181, 30}));
    EXPECT_EQ(o.origin(PileId::Foundation(1)), (Point{363, 30}));
    EXPECT_EQ(o.origin(PileId::Tableau(1)), (Point{90, 136}));

    o = ComputeLayout(LoadGameRules(path, bakers, none), kBig, kArea800);
    EXPECT_EQ(o.origin(PileId::Tableau(7)), (Point{636, 121}));
    EXPECT_EQ(o.origin(PileId::Tableau(8)), (Point{90, 317}));
    EXPECT_EQ(o.origin(PileId::Tableau(13)), (Point{545, 317}));
}

// ---------------------------------------------------------- spread metrics

TEST(SpreadMetricsTest, ResetFromTheSizeAndTheSpreadCodes) {
    struct Case {
        char letter;
        int up, down, upH, downH, close;
    };
    const GameRules down = Rules({{Rule::TableauSpread, 1}});
    const GameRules right = Rules({{Rule::TableauSpread, 2}});
    const GameRules close = Rules({{Rule::TableauSpread, 6}});
    for (const Case c : {Case{'B', 18, 4, 12, 4, 7}, Case{'M', 14, 4, 10, 4, 5}, Case{'P', 3, 3, 3, 3, 3}}) {
        const SpreadMetrics d = ResetSpreadMetrics(down, c.letter);
        EXPECT_EQ(d.faceUpVertical, c.up) << c.letter;
        EXPECT_EQ(d.faceDownVertical, c.down) << c.letter;
        EXPECT_EQ(d.faceUpHorizontal, 0);
        EXPECT_EQ(d.faceDownHorizontal, 0);
        EXPECT_EQ(d.closeHorizontal, 0);
        EXPECT_EQ(d.sideBySideGap, 6);
        EXPECT_EQ(d.reserveStep, 3);
        EXPECT_EQ(d.scrollOffset, 0);

        const SpreadMetrics r = ResetSpreadMetrics(right, c.letter);
        EXPECT_EQ(r.faceUpVertical, 0);
        EXPECT_EQ(r.faceDownVertical, 0);
        EXPECT_EQ(r.faceUpHorizontal, c.upH) << c.letter;
        EXPECT_EQ(r.faceDownHorizontal, c.downH) << c.letter;

        EXPECT_EQ(ResetSpreadMetrics(close, c.letter).closeHorizontal, c.close) << c.letter;
    }
    // A reserve fanned to the right asks for the horizontal steps as well.
    const SpreadMetrics reserve = ResetSpreadMetrics(Rules({{Rule::ReserveSpread, 2}}), 'B');
    EXPECT_EQ(reserve.faceUpHorizontal, 12);
    EXPECT_EQ(reserve.faceDownHorizontal, 4);
    EXPECT_EQ(reserve.faceUpVertical, 0);
    // Stacked piles have no steps.
    const SpreadMetrics stacked = ResetSpreadMetrics(GameRules{}, 'B');
    EXPECT_EQ(stacked.faceUpVertical + stacked.faceDownVertical + stacked.faceUpHorizontal +
                  stacked.faceDownHorizontal + stacked.closeHorizontal,
              0);
}

// ------------------------------------------------------------ card places

class CardPlaces : public ::testing::Test {
protected:
    void SetUp() override {
        origins.set(PileId::Tableau(1), {100, 200});
        origins.set(PileId::Tableau(13), {300, 200});
        origins.set(PileId::Foundation(1), {50, 20});
        origins.set(PileId::Reserve(1), {500, 20});
        origins.set(PileId::Stock(), {10, 20});
    }
    // Puts cards on the pile, the first `down` of them face down.
    void Deal(PileId pile, int count, int down) {
        for (int i = 0; i < count; ++i) position.Append(pile, static_cast<CardNumber>(next++), i >= down);
    }
    TableGeometry Geometry(const GameRules& rules, char letter, const IrregularOffsets* irregular = nullptr) {
        metrics = ResetSpreadMetrics(rules, letter);
        return TableGeometry(origins, metrics, *CardSizeFor(letter), rules, position, irregular);
    }

    PileOrigins origins;
    SpreadMetrics metrics;
    Position position;
    int next = 1;
};

TEST_F(CardPlaces, FannedDownByFaceDownAndFaceUpStepsAndHitWhereTheyShow) {
    const GameRules rules = Rules({{Rule::TableauSpread, 1}});
    Deal(PileId::Tableau(1), 5, 3);
    const TableGeometry g = Geometry(rules, 'B');
    // The top card at 3 * 4 + 18, a card on it one face-up step lower.
    const std::tuple<int, bool, int> ys[] = {{0, false, 230}, {0, true, 248}, {1, false, 212}, {1, true, 230},
                                             {4, false, 200}, {5, true, 200},  {9, true, 200}};
    for (const auto& [skip, toTop, y] : ys) EXPECT_EQ(g.PileCardY(PileId::Tableau(1), skip, toTop), y) << skip << toTop;
    EXPECT_EQ(g.PileCardX(PileId::Tableau(1), 0, true), 100);
    EXPECT_EQ(g.cardPosition(PileId::Tableau(1), 0), (Point{100, 230}));
    // An empty pile's next card lies at the origin.
    EXPECT_EQ(g.PileCardY(PileId::Tableau(2), 0, true), origins.origin(PileId::Tableau(2)).y);

    // Cards at 200, 204, 208, 212 and 230: y 220 hits the fourth card, y 240 the top one.
    PileHit hit = PileAt({110, 220}, position.piles, g);
    EXPECT_EQ(hit.pileName, "Fila1");
    EXPECT_EQ(hit.card, position.piles.pile(PileId::Tableau(1))[3]);
    hit = PileAt({110, 240}, position.piles, g);
    EXPECT_EQ(hit.card, position.piles.pile(PileId::Tableau(1)).top());
    EXPECT_EQ(hit.rect, (Rect{100, 200, 171, 326}));
    EXPECT_TRUE(PileAt({110, 327}, position.piles, g).pileName.empty());
}

TEST_F(CardPlaces, SmallCardsStepByThree) {
    const GameRules rules = Rules({{Rule::TableauSpread, 1}});
    Deal(PileId::Tableau(1), 4, 2);
    const TableGeometry g = Geometry(rules, 'P');
    for (int skip = 0; skip <= 3; ++skip) EXPECT_EQ(g.PileCardY(PileId::Tableau(1), skip, false), 200 + 3 * (3 - skip));
    EXPECT_EQ(g.PileCardY(PileId::Tableau(1), 0, true), 212);
}

TEST_F(CardPlaces, ReserveAndStackedCodes) {
    GameRules rules = Rules({{Rule::TableauSpread, 1}, {Rule::ReserveSpread, 5}, {Rule::FoundationSpread, 7}});
    Deal(PileId::Reserve(1), 4, 0);
    Deal(PileId::Foundation(1), 2, 0);
    Deal(PileId::Stock(), 6, 6);
    const TableGeometry g = Geometry(rules, 'B');
    EXPECT_EQ(g.PileCardY(PileId::Reserve(1), 0, false), 29);  // 3 steps of 3
    EXPECT_EQ(g.PileCardY(PileId::Reserve(1), 0, true), 32);
    EXPECT_EQ(g.PileCardY(PileId::Foundation(1), 0, false), 38);  // code 7: one face-up step
    EXPECT_EQ(g.PileCardY(PileId::Foundation(1), 2, false), 20);
    EXPECT_EQ(g.PileCardY(PileId::Stock(), 0, true), 20);
    EXPECT_EQ(g.PileCardX(PileId::Stock(), 0, true), 10);

    // Code 5 belongs to reserves only; code 1 fans any kind.
    rules.set(Rule::FoundationSpread, 5);
    EXPECT_EQ(Geometry(rules, 'B').PileCardY(PileId::Foundation(1), 0, true), 20);
    rules.set(Rule::FoundationSpread, 1);
    EXPECT_EQ(Geometry(rules, 'B').PileCardY(PileId::Foundation(1), 0, false), 38);
    rules.set(Rule::ReserveSpread, 1);
    EXPECT_EQ(Geometry(rules, 'B').PileCardY(PileId::Reserve(1), 0, false), 74);
    // Code 8: rows of ten cards, side by side with the usual gap; empty
    // places take no room.
    rules.set(Rule::TableauSpread, 8);
    Deal(PileId::Tableau(1), 3, 0);
    EXPECT_EQ(Geometry(rules, 'B').cardPosition(PileId::Tableau(1), 0), (Point{100 + 2 * 77, 200}));
    EXPECT_EQ(Geometry(rules, 'B').cardPosition(PileId::Tableau(1), 2), (Point{100, 200}));
    Deal(PileId::Tableau(1), 9, 0);
    EXPECT_EQ(Geometry(rules, 'B').cardPosition(PileId::Tableau(1), 0), (Point{100 + 1 * 77, 200 + 102}));
    EXPECT_EQ(Geometry(rules, 'B').PileCardX(PileId::Tableau(1), 0, true), 100 + 2 * 77) << "where a card would go";
}

TEST_F(CardPlaces, HorizontalCodes) {
    GameRules rules = Rules({{Rule::FoundationSpread, 4}, {Rule::TableauSpread, 2}, {Rule::ReserveSpread, 6}});
    Deal(PileId::Foundation(1), 3, 0);
    Deal(PileId::Tableau(1), 3, 1);
    Deal(PileId::Reserve(1), 3, 0);
    const TableGeometry g = Geometry(rules, 'B');
    EXPECT_EQ(g.PileCardX(PileId::Foundation(1), 0, false), 50 + 2 * 77);  // side by side, 6 apart
    EXPECT_EQ(g.PileCardX(PileId::Foundation(1), 0, true), 50 + 3 * 77);
    EXPECT_EQ(g.PileCardX(PileId::Foundation(1), 2, false), 50);
    EXPECT_EQ(g.PileCardX(PileId::Tableau(1), 0, false), 116);  // 4 + 12
    EXPECT_EQ(g.PileCardX(PileId::Tableau(1), 0, true), 128);
    EXPECT_EQ(g.PileCardY(PileId::Tableau(1), 0, true), 200);
    EXPECT_EQ(g.PileCardX(PileId::Reserve(1), 0, true), 500);  // code 6 spreads tableau piles only

    rules.set(Rule::TableauSpread, 6);
    EXPECT_EQ(Geometry(rules, 'M').PileCardX(PileId::Tableau(1), 0, false), 110);
    rules.set(Rule::TableauSpread, 4);
    EXPECT_EQ(Geometry(rules, 'M').PileCardX(PileId::Tableau(1), 0, false), 100 + 2 * 65);
    rules.set(Rule::ReserveSpread, 2);
    EXPECT_EQ(Geometry(rules, 'M').PileCardX(PileId::Reserve(1), 0, false), 520);
}

TEST_F(CardPlaces, ScrollOffsetComesOffEveryY) {
    const GameRules rules = Rules({{Rule::TableauSpread, 1}});
    Deal(PileId::Tableau(1), 2, 0);
    metrics = ResetSpreadMetrics(rules, 'B');
    metrics.scrollOffset = 20;
    const TableGeometry g(origins, metrics, kBig, rules, position);
    EXPECT_EQ(g.pileOrigin(PileId::Tableau(1)), (Point{100, 180}));
    EXPECT_EQ(g.PileCardY(PileId::Tableau(1), 0, false), 198);
    EXPECT_EQ(g.PileCardX(PileId::Tableau(1), 0, false), 100);
    EXPECT_EQ(g.pileOrigin(PileId::Stock()), (Point{10, 0}));
    EXPECT_EQ(g.cardSize(), kBig);
}

TEST_F(CardPlaces, IrregularPiles) {
    IrregularOffsets offsets{};
    for (int j = 0; j < 7; ++j) {
        for (int e = 1; e < 13; ++e) offsets[static_cast<size_t>(j)][static_cast<size_t>(e)] = j * 100 + e;
    }
    GameRules rules = Rules({{Rule::TableauSpread, 1}});
    Deal(PileId::Tableau(13), 3, 0);
    Deal(PileId::Tableau(1), 15, 0);
    const TableGeometry g = Geometry(rules, 'B', &offsets);
    // Pile 13 reads table 13 mod 6 = 1; three cards give entry 2.
    EXPECT_EQ(g.PileCardX(PileId::Tableau(13), 0, false), 300 + 102);
    EXPECT_EQ(g.PileCardX(PileId::Tableau(13), 1, false), 300 + 102);  // two remain, plus one for the skip
    EXPECT_EQ(g.PileCardX(PileId::Tableau(13), 0, true), 300 + 103);
    EXPECT_EQ(g.PileCardX(PileId::Tableau(13), 2, false), 300 + 101);
    // Entries above 12 wrap modulo 12: 15 cards, entry 14, read as 2; 13 cards read entry 12.
    EXPECT_EQ(g.PileCardX(PileId::Tableau(1), 0, false), 100 + 102);
    EXPECT_EQ(g.PileCardX(PileId::Tableau(1), 3, false), 100 + 112);
    // Pile 6 keeps table 6, pile 12 reads table 0.
    origins.set(PileId::Tableau(6), {0, 0});
    origins.set(PileId::Tableau(12), {0, 0});
    Deal(PileId::Tableau(6), 2, 0);
    Deal(PileId::Tableau(12), 2, 0);
    EXPECT_EQ(g.PileCardX(PileId::Tableau(6), 0, false), 601);
    EXPECT_EQ(g.PileCardX(PileId::Tableau(12), 0, false), 1);
    // Only for tableau piles fanned downwards, and only with the option on.
    EXPECT_EQ(Geometry(rules, 'B').PileCardX(PileId::Tableau(13), 0, false), 300);
    rules.set(Rule::TableauSpread, 7);
    EXPECT_EQ(Geometry(rules, 'B', &offsets).PileCardX(PileId::Tableau(13), 0, false), 300);
}

TEST(TableauFanTest, BySpreadCode) {
    const PileOrigins origins;
    const SpreadMetrics metrics;
    const Position position;
    auto fan = [&](int code) {
        const GameRules rules = Rules({{Rule::TableauSpread, code}});
        return TableGeometry(origins, metrics, kBig, rules, position).tableauFan();
    };
    using enum TableauFan;
    const TableauFan fans[] = {None, Down, Right, None, Right, None, Right, None, Grid};
    for (int code = 0; code <= 8; ++code) EXPECT_EQ(fan(code), fans[code]) << code;
}

// ---------------------------------------------------------- empty piles

// The picture of an empty place, by the pile, the rules, whether passes are
// left and whether a redeal is armed.
TEST(EmptyPileMarkerTest, ByPileKindAndRule) {
    struct Case {
        PileId pile;
        std::vector<std::pair<int, int>> rules;
        bool passesLeft;
        bool redealArmed;
        int marker;
    };
    const Case cases[] = {
        {PileId::Stock(), {}, false, false, 8},
        {PileId::Stock(), {}, true, false, 22},
        {PileId::Stock(), {}, true, true, 5},
        {PileId::Stock(), {}, false, true, 5},
        {PileId::Stock(), {{Rule::SpecialGame, 8}}, true, true, 21},
        {PileId::Waste(), {{Rule::Redeals, -1}}, true, false, 0},
        {PileId::Waste(), {{Rule::Redeals, 0}}, true, false, 8},
        {PileId::Waste(), {{Rule::Redeals, 0}, {Rule::WasteInPlay, 1}}, true, false, 2},
        {PileId::SecondWaste(), {}, false, false, 2},
        {PileId::Reserve(3), {{Rule::ReserveCode, 9}}, false, false, 9},
        {PileId::Reserve(1), {{Rule::ReserveCode, 8}}, false, false, 11},
        {PileId::Reserve(1), {{Rule::ReserveCode, 4}}, false, false, 1},
        // Reserve 2's own code does not count: reserve 1's decides for all.
        {PileId::Reserve(2), {{Rule::ReserveCode + 1, 9}}, false, false, 1},
        // Building code 10 shows the Queen whatever the first card.
        {PileId::Foundation(5), {{Rule::FoundationFirstCard + 4, 1}, {Rule::FoundationBuild + 4, 10}}, false, false, 3},
        {PileId::Foundation(4), {{Rule::FoundationFirstCard + 4, 1}, {Rule::FoundationBuild + 4, 10}}, false, false, 4},
        {PileId::Tableau(4), {{Rule::TableauEmptyAccepts + 3, 13}}, false, false, 11},
        {PileId::Tableau(1), {{Rule::TableauEmptyAccepts, 5}}, false, false, 15},
        // No rank marker: pile 1 taking something shows 004, taking nothing 007.
        {PileId::Tableau(2), {{Rule::TableauEmptyAccepts, -1}}, false, false, 4},
        {PileId::Tableau(2), {{Rule::TableauEmptyAccepts + 1, -1}}, false, false, 7},
        {PileId::Tableau(26), {}, false, false, 7},
        {PileId::Tableau(27), {}, false, false, 0},
    };
    for (const Case& c : cases) {
        GameRules rules;
        for (const auto& [index, value] : c.rules) rules.set(index, value);
        EXPECT_EQ(EmptyPileMarker(c.pile, rules, c.passesLeft, c.redealArmed), c.marker) << PileName(c.pile);
    }
    // A foundation's picture is the rank it starts with.
    const std::pair<int, int> ranks[] = {{1, 10},  {81, 10}, {85, 10}, {2, 12},  {7, 17}, {10, 20},
                                         {11, 6},  {12, 3},  {13, 11}, {84, 11}, {0, 4},  {-1, 4},
                                         {14, 4},  {82, 4},  {91, 4}};
    for (const auto& [value, marker] : ranks) {
        const GameRules rules = Rules({{Rule::FoundationFirstCard + 2, value}});
        EXPECT_EQ(EmptyPileMarker(PileId::Foundation(3), rules, false, false), marker) << value;
    }
}

TEST(TableGeometryHitOrder, WrappedTableausAreSearchedFromTheLastPile) {
    GameRules rules = Rules({{Rule::TableauCount, 13}, {Rule::TableauSpread, 1}, {Rule::TableLayoutRow, 2}});
    Position position;
    PileOrigins origins;
    SpreadMetrics metrics = ResetSpreadMetrics(rules, 'B');
    for (const auto& [model, singleRow, backwards] : {std::tuple{2, 0, true}, {1, 0, false}, {2, 1, false}}) {
        rules.set(Rule::TableLayoutModel, model);
        rules.set(Rule::SingleRowTableau, singleRow);
        EXPECT_EQ(TableGeometry(origins, metrics, kBig, rules, position).tableauSearchedBackwards(), backwards)
            << "model " << model << ", single row " << singleRow;
    }

    // Two piles whose fans overlap: the later pile's card is the one under the point.
    rules.set(Rule::SingleRowTableau, 0);
    origins.set(PileId::Tableau(1), {10, 100});
    origins.set(PileId::Tableau(8), {10, 200});
    for (int card = 1; card <= 10; ++card) position.Append(PileId::Tableau(1), static_cast<CardNumber>(card), true);
    position.Append(PileId::Tableau(8), 40, true);
    const TableGeometry table(origins, metrics, kBig, rules, position);
    const PileHit hit = PileAt({20, 205}, position.piles, table);
    EXPECT_EQ(hit.pileName, "Fila8");
    EXPECT_EQ(hit.card, 40);
}

}  // namespace
}  // namespace dravicor
