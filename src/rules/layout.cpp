#include "rules/layout.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "rules/pile_geometry.h"
#include "rules/rule_codes.h"

// How the generic models place the piles.
//
// Every pile kind has a layout string: a row selector (1-4; anything else
// reads as row 1) and a model number. The rows, the left margin x0 and the
// single centred tableau row (models 001, 014, 015) follow fixed arithmetic;
// the rest is ours:
//
// Stock group (shown when StockPileCount >= 1; piles beyond the count stay
// off the table):
//   model 1   stock at the left of its row, the waste W + gap to its right,
//             the third pile after the waste. WasteUnderStock is the stock
//             click's business here: Klondike sets it and wants the waste
//             beside the stock.
//   model 2   the generic placement that honours WasteUnderStock: with it,
//             the waste lies under the stock (same x) on the next row;
//             without it, as model 1.
//   With ThirdPileBesideStock the third pile lies W + 25 right of the stock,
//   directly after it, and the waste (model 1) follows the third pile.
// Reserves, model 1: a row from the left, after the stock group when they
//   share its row.
// Foundations, model 1: a row flush with the right side of the row.
// Tableau:
//   models 1, 14, 15  the single centred row.
//   model 2           wrapping rows: as many rows as the piles need at a
//                     gap of at least 4, the piles shared evenly between
//                     them (13 piles make rows of 7 and 6), every row laid
//                     out as a centred row of that many piles and starting
//                     at the first row's x. A further row lies lower by a
//                     card height, the margin and the room the piles fan
//                     into: the deepest dealt fan plus two face-up steps, at
//                     least four face-up steps; squeezed (never below a card
//                     height and the margin) when the rows would leave the
//                     window. SingleRowTableau keeps it to one row.
//   model 4           one pile per row, each starting at x0: for piles that
//                     fan far to the right (the row of the row games).
//   model 5           a grid five piles wide (the pairing grid and the poker
//                     square), a card height and the margin between its
//                     rows, centred in the room its first row leaves beside
//                     the piles that share that row.
//   model 6           a pyramid: pile k (1-based) lies half a card height
//                     below pile k - 1, centred for its places side by
//                     side, so that each card is covered by the two below
//                     it. With P cards in the first line the table is P
//                     peaks whose bases join: line k has P(n - 1) + 1 -
//                     (n - k) places for n lines (k places for one peak).
//   model 7           rows of places: pile k on row k from the table's
//                     row, starting at x0 (the gaps games' grid).
//   Models 6 and 7 keep the usual gap between places where the widest
//   line fits, and narrow it (the cards overlap) where it would not.
//   other generic models take model 2.
//
// Piles of the rows above the tableau line up with the tableau's first row
// when there are columns enough: the stock group and the reserves take the
// columns from the left, the foundations the columns from the right, so
// Klondike's foundations stand over its last four piles. Otherwise a row is
// packed: the left group from x0, the foundations ending at width - x0, the
// gap between piles 10, shrunk down to 2 when the row is crowded; the
// foundations that still find no room continue on the rows below, in the
// same columns.
//
// The hand-made tables 062, 064, 069 and 070 place their piles
// explicitly; the other hand-made tables are still to be drawn up and use
// the generic strings meanwhile, the tableau as model 2. Table 070 is a
// clock face: the waste (the card in hand) at the top left, tableau piles
// 1 to 12 round the clock (pile 12 at the top) and pile 13 in the middle,
// as wide and as high as the table allows.
//
// A game keeps the rows the models take free of its other piles: model 2's
// waste row, the rows of a wrapping tableau, a centred tableau row that
// shares its row with reserves, the rows of tableau models 4, 5 and 6 below
// their first (models 5 and 6 may share their first row with piles packed
// at its ends; a pyramid's second line clears a row of up to three stock
// piles on the left).

namespace dravicor {

std::optional<Size> CardSizeFor(char sizeLetter) {
    switch (sizeLetter) {
        case 'B': return Size{71, 96};
        case 'M': return Size{59, 80};
        case 'P': return Size{25, 32};
        default: return std::nullopt;
    }
}

PileOrigins::PileOrigins() {
    const Point off{kOffTableX, 0};
    stock_.fill(off);
    foundations_.fill(off);
    tableau_.fill(off);
    reserves_.fill(off);
}

namespace {

// The pile's entry in one of the four arrays, or nullptr for a number beyond
// the arrays.
template <typename Stock, typename Foundations, typename Tableau, typename Reserves>
auto* EntryOf(PileId pile, Stock& stock, Foundations& foundations, Tableau& tableau, Reserves& reserves) {
    const auto index = static_cast<size_t>(pile.number - 1);
    decltype(&stock[0]) entry = nullptr;
    switch (pile.kind) {
        case PileKind::Stock: entry = &stock[0]; break;
        case PileKind::Waste: entry = &stock[1]; break;
        case PileKind::SecondWaste: entry = &stock[2]; break;
        case PileKind::Foundation:
            if (pile.number >= 1 && index < foundations.size()) entry = &foundations[index];
            break;
        case PileKind::Tableau:
            if (pile.number >= 1 && index < tableau.size()) entry = &tableau[index];
            break;
        case PileKind::Reserve:
            if (pile.number >= 1 && index < reserves.size()) entry = &reserves[index];
            break;
    }
    return entry;
}

}  // namespace

Point PileOrigins::origin(PileId pile) const {
    const Point* entry = EntryOf(pile, stock_, foundations_, tableau_, reserves_);
    return entry ? *entry : Point{kOffTableX, 0};
}

void PileOrigins::set(PileId pile, Point origin) {
    if (Point* entry = EntryOf(pile, stock_, foundations_, tableau_, reserves_)) *entry = origin;
}

namespace {

constexpr int kPackedGap = 10;
constexpr int kCrowdedGap = 2;
constexpr int kThirdPileGap = 25;
constexpr int kFanSpareSteps = 2;
constexpr int kFanLeastSteps = 4;

// The selector of a layout string: the first digit of the parameter as
// written in decimal; -1 when it starts with no digit.
int FirstDigit(int value) {
    const std::string text = std::to_string(value);
    return text[0] >= '0' && text[0] <= '9' ? text[0] - '0' : -1;
}

bool HasStockString(const GameRules& rules) { return rules[Rule::StockPileCount] >= 1; }

int StockSelector(const GameRules& rules) {
    return HasStockString(rules) ? FirstDigit(rules[Rule::StockLayoutRow]) : -1;
}

int StockModel(const GameRules& rules) { return HasStockString(rules) ? rules[Rule::StockLayoutModel] : -1; }

int Count(const GameRules& rules, int index, int most) { return std::clamp<int>(rules[index], 0, most); }

// Models 001, 014 and 015: the x of each of n piles in one centred row.
// usable is the usable width less 2; narrow a table under 650 pixels wide.
std::vector<int> CentredRow(int model, int n, int cardWidth, int usable, int x0, bool narrow, bool model4,
                            int stockPiles) {
    std::vector<int> xs;
    if (n <= 0) return xs;
    int gap = std::clamp((usable - n * cardWidth) / (n + 1), 4, 20);
    if (model == 1 && model4) gap = std::max(gap, 15);
    int first = (usable - (n * cardWidth + (n - 1) * gap)) / 2;
    if (first < x0) {
        if (model == 1) {
            first = x0;
        } else {
            if (n > 1) gap = std::clamp(gap - (x0 - first) / (n - 1), 4, 20);
            first = narrow ? x0 - 2 : x0;
        }
    }
    xs.push_back(first);
    for (int pile = 2; pile <= n; ++pile) {
        const bool wide = model != 1 && model4 && gap < 15 && pile <= 1 + stockPiles;
        xs.push_back(xs.back() + cardWidth + (wide ? 15 : gap));
    }
    return xs;
}

// The spread steps of a card size; sizes outside the size table get steps
// in proportion to a "B" card.
SpreadMetrics StepsFor(const GameRules& rules, Size card) {
    for (const char letter : {'B', 'M', 'P'}) {
        if (CardSizeFor(letter) == card) return ResetSpreadMetrics(rules, letter);
    }
    SpreadMetrics steps = ResetSpreadMetrics(rules, 'B');
    if (rules[Rule::TableauSpread] == 1) {
        steps.faceUpVertical = card.height * 3 / 16;
        steps.faceDownVertical = std::max(1, card.height / 24);
    }
    return steps;
}

// Piles waiting for their place on one row.
struct RowPiles {
    std::vector<PileId> left;   // from the left, in order
    std::vector<PileId> right;  // flush right, in order
    int gapAfterFirst = -1;     // a fixed gap between the first two left piles
};

constexpr int kPyramidModel = 6;
constexpr int kRowsOfPlacesModel = 7;
constexpr int kClockModel = 70;

// The places of the widest line of a side-by-side table (models 6 and 7).
int WidestLine(const GameRules& rules) {
    const int lines = std::clamp<int>(rules[Rule::TableauCount], 0, kTableauCount);
    if (rules[Rule::TableLayoutModel] == kPyramidModel) {
        const int peaks = std::max<int>(1, rules[Rule::TableauDealCount]);
        return lines < 1 ? 0 : peaks * (lines - 1) + 1;
    }
    int widest = 0;
    for (int t = 0; t < lines; ++t) widest = std::max<int>(widest, rules[Rule::TableauDealCount + t]);
    const auto special = SpecialGameOf(rules);
    // Where the Aces lead the rows, each row gains a place.
    if (special == SpecialGame::GapsAcesLeft || special == SpecialGame::GapsAcesLeftGapped) ++widest;
    return widest;
}

class LayoutBuilder {
public:
    LayoutBuilder(const GameRules& rules, Size card, const TableArea& area)
        : rules_(rules), card_(card), area_(area), rows_(ComputeRows(rules, card, area)),
          placeGap_(StepsFor(rules, card).sideBySideGap) {
        const int model = rules[Rule::TableLayoutModel];
        const int widest = WidestLine(rules);
        if ((model == kPyramidModel || model == kRowsOfPlacesModel) && widest > 1) {
            const int room = model == kPyramidModel ? Usable() : Right() - x0();
            // Rounded down, so that the widest line never runs past the room.
            const int spare = room - widest * W();
            const int gap = spare >= 0 ? spare / (widest - 1) : -((-spare + widest - 2) / (widest - 1));
            placeGap_ = std::min(placeGap_, gap);
        }
    }

    // The gap between side-by-side places this table asks for.
    int placeGap() const { return placeGap_; }

    PileOrigins Build() {
        const int tableModel = rules_[Rule::TableLayoutModel];
        switch (tableModel) {
            case 62: HandMade062(); break;
            case 64: HandMade064(); break;
            case 69: HandMade069(); break;
            case kClockModel: ClockFace(); break;
            default: Generic(tableModel); break;
        }
        // A hand-made table does not show piles the game lacks.
        HideBeyond(PileKind::Foundation, Count(rules_, Rule::FoundationCount, kFoundationCount), kFoundationCount);
        HideBeyond(PileKind::Tableau, Count(rules_, Rule::TableauCount, kTableauCount), kTableauCount);
        HideBeyond(PileKind::Reserve, Count(rules_, Rule::ReserveCount, kReserveCount), kReserveCount);
        if (rules_[Rule::ThirdPileBesideStock] == 1 && origins_.isOnTable(PileId::SecondWaste())) {
            const Point third = origins_.origin(PileId::SecondWaste());
            origins_.set(PileId::SecondWaste(), {origins_.origin(PileId::Stock()).x + W() + kThirdPileGap, third.y});
        }
        return origins_;
    }

private:
    int W() const { return card_.width; }
    int H() const { return card_.height; }
    int x0() const { return rows_.left; }
    int Right() const { return area_.width - rows_.left; }
    int Usable() const { return area_.width - 2; }

    // Rows 1-4; further rows continue at the same pitch.
    int RowY(int row) const {
        if (row <= 4) return rows_.y[static_cast<size_t>(std::max(row, 1))];
        return rows_.y[4] + (row - 4) * (rows_.margin + H());
    }
    static int RowOf(int selectorValue) {
        const int row = FirstDigit(selectorValue);
        return row >= 1 && row <= 4 ? row : 1;
    }

    void Set(PileId pile, int x, int y) { origins_.set(pile, {x, y}); }

    void HideBeyond(PileKind kind, int count, int most) {
        for (int n = count + 1; n <= most; ++n) origins_.set({kind, n}, {kOffTableX, 0});
    }

    bool Model4() const { return StockModel(rules_) == 4 || rules_[Rule::FifthLayoutModel] == 4; }

    void Generic(int tableModel) {
        const int n = Count(rules_, Rule::TableauCount, kTableauCount);
        const int tableRow = RowOf(rules_[Rule::TableLayoutRow]);

        std::map<int, RowPiles> rows;
        if (HasStockString(rules_)) StockGroup(rows);
        const int reserves = Count(rules_, Rule::ReserveCount, kReserveCount);
        for (int r = 1; r <= reserves; ++r) rows[RowOf(rules_[Rule::ReserveLayoutRow])].left.push_back(PileId::Reserve(r));
        const int foundations = Count(rules_, Rule::FoundationCount, kFoundationCount);
        for (int f = 1; f <= foundations; ++f)
            rows[RowOf(rules_[Rule::FoundationLayoutRow])].right.push_back(PileId::Foundation(f));

        if (tableModel == 1 || tableModel == 14 || tableModel == 15) {
            const std::vector<int> xs = CentredRow(tableModel, n, W(), Usable(), x0(), area_.width < 650, Model4(),
                                                   rules_[Rule::StockPileCount]);
            for (int t = 0; t < n; ++t) Set(PileId::Tableau(t + 1), xs[static_cast<size_t>(t)], RowY(tableRow));
            columns_ = xs;
        } else if (tableModel == 4 || tableModel == kRowsOfPlacesModel) {
            for (int t = 0; t < n; ++t) Set(PileId::Tableau(t + 1), x0(), RowY(tableRow + t));
        } else if (tableModel == 5) {
            const auto shared = rows.find(tableRow);
            GridOfFive(n, RowY(tableRow), shared == rows.end() ? RowPiles{} : shared->second);
        } else if (tableModel == kPyramidModel) {
            Pyramid(n, RowY(tableRow));
        } else {
            WrappingTableau(n, RowY(tableRow));
        }
        columnsTop_ = RowY(tableRow);

        for (const auto& [row, piles] : rows) PlaceRow(row, piles);
    }

    void StockGroup(std::map<int, RowPiles>& rows) {
        const int count = std::min<int>(rules_[Rule::StockPileCount], kStockListSize);
        const int row = RowOf(rules_[Rule::StockLayoutRow]);
        const bool thirdBeside = rules_[Rule::ThirdPileBesideStock] == 1 && count >= 3;
        const bool wasteUnder = StockModel(rules_) == 2 && rules_[Rule::WasteUnderStock] == 1 && count >= 2;

        RowPiles& stockRow = rows[row];
        stockRow.left.push_back(PileId::Stock());
        if (thirdBeside) {
            stockRow.left.push_back(PileId::SecondWaste());
            stockRow.gapAfterFirst = kThirdPileGap;
        }
        if (count >= 2 && !wasteUnder) stockRow.left.push_back(PileId::Waste());
        if (count >= 3 && !thirdBeside) stockRow.left.push_back(PileId::SecondWaste());
        // Under the stock: the first pile of the next row, so it takes the stock's x.
        if (wasteUnder) rows[row + 1].left.insert(rows[row + 1].left.begin(), PileId::Waste());
    }

    void PlaceRow(int row, const RowPiles& piles) {
        const int y = RowY(row);
        const size_t total = piles.left.size() + piles.right.size();
        const bool aboveTableau = y + H() <= columnsTop_;
        if (aboveTableau && piles.gapAfterFirst < 0 && !columns_.empty() && total <= columns_.size()) {
            for (size_t i = 0; i < piles.left.size(); ++i) Set(piles.left[i], columns_[i], y);
            const size_t firstRight = columns_.size() - piles.right.size();
            for (size_t i = 0; i < piles.right.size(); ++i) Set(piles.right[i], columns_[firstRight + i], y);
            return;
        }
        PackRow(row, piles);
    }

    // Width of a group of piles laid out with the gap.
    int GroupWidth(const std::vector<PileId>& piles, int gap, int gapAfterFirst) const {
        const int n = static_cast<int>(piles.size());
        if (n == 0) return 0;
        int width = n * W() + (n - 1) * gap;
        if (gapAfterFirst >= 0 && n >= 2) width += gapAfterFirst - gap;
        return width;
    }

    void PackRow(int row, const RowPiles& piles) {
        const bool both = !piles.left.empty() && !piles.right.empty();
        int gap = kPackedGap;
        auto fits = [&](int g) {
            return GroupWidth(piles.left, g, piles.gapAfterFirst) + (both ? g : 0) + GroupWidth(piles.right, g, -1) <=
                   Right() - x0();
        };
        while (gap > kCrowdedGap && !fits(gap)) --gap;

        const int y = RowY(row);
        int x = x0();
        for (size_t i = 0; i < piles.left.size(); ++i) {
            Set(piles.left[i], x, y);
            x += W() + (i == 0 && piles.gapAfterFirst >= 0 ? piles.gapAfterFirst : gap);
        }
        if (piles.right.empty()) return;

        // The foundations end at the right; those that find no room beside
        // the left group continue on the rows below, in the same columns.
        const int start = piles.left.empty() ? x0() : x;
        const int n = static_cast<int>(piles.right.size());
        const int perRow = std::clamp((Right() - start + gap) / (W() + gap), 1, n);
        const int firstX = Right() - (perRow * W() + (perRow - 1) * gap);
        for (int i = 0; i < n; ++i) {
            Set(piles.right[static_cast<size_t>(i)], firstX + (i % perRow) * (W() + gap), RowY(row + i / perRow));
        }
    }

    // Table model 2 (and the generic models without an arrangement of their own).
    void WrappingTableau(int n, int y) {
        if (n <= 0) return;
        int rowCount = 1;
        if (rules_[Rule::SingleRowTableau] != 1) {
            const int mostPerRow = std::max(1, (Right() - x0() + 4) / (W() + 4));
            rowCount = (n + mostPerRow - 1) / mostPerRow;
        }
        const int perRow = (n + rowCount - 1) / rowCount;
        const std::vector<int> xs = CentredRow(1, perRow, W(), Usable(), x0(), false, false, 0);

        const SpreadMetrics steps = StepsFor(rules_, card_);
        int deepest = 0;
        for (int t = 0; t < n; ++t) {
            const int cards = rules_[Rule::TableauDealCount + t];
            if (cards <= 1) continue;
            int up = rules_[Rule::TableauDealFaceUp + t];
            if (up < 0 || up > cards) up = cards;
            const int downSteps = std::min(cards - up, cards - 1);
            const int upSteps = cards - 1 - downSteps;
            deepest = std::max(deepest, downSteps * steps.faceDownVertical + upSteps * steps.faceUpVertical);
        }
        const int fan =
            std::max(kFanLeastSteps * steps.faceUpVertical, deepest + kFanSpareSteps * steps.faceUpVertical);
        int pitch = H() + rows_.margin + fan;
        if (rowCount > 1) {
            const int room = (area_.height - rows_.margin - H() - y) / (rowCount - 1);
            pitch = std::max(H() + rows_.margin, std::min(pitch, room));
        }
        for (int t = 0; t < n; ++t) {
            Set(PileId::Tableau(t + 1), xs[static_cast<size_t>(t % perRow)], y + (t / perRow) * pitch);
        }
        columns_ = xs;
    }

    // Table model 5: rows of five piles from the row at y. The piles that
    // share the first row keep their packed places at its ends (PackRow
    // starts them with the same gap), and the grid is centred between them.
    void GridOfFive(int n, int y, const RowPiles& shared) {
        if (n <= 0) return;
        constexpr int kColumns = 5;
        int left = x0();
        if (!shared.left.empty()) left += GroupWidth(shared.left, kPackedGap, shared.gapAfterFirst) + kPackedGap;
        int right = Right();
        if (!shared.right.empty()) right -= GroupWidth(shared.right, kPackedGap, -1) + kPackedGap;
        const int columns = std::min(n, kColumns);
        const int room = right - left;
        const int gap = std::clamp((room - columns * W()) / (columns + 1), 4, 20);
        const int first = left + std::max(0, (room - (columns * W() + (columns - 1) * gap)) / 2);
        std::vector<int> xs;
        for (int c = 0; c < columns; ++c) xs.push_back(first + c * (W() + gap));
        const int pitch = H() + rows_.margin;
        for (int t = 0; t < n; ++t) {
            Set(PileId::Tableau(t + 1), xs[static_cast<size_t>(t % kColumns)], y + (t / kColumns) * pitch);
        }
        columns_ = xs;
    }

    // Table model 6: pile k holds the places of one line of the pyramid
    // (or the peaks), side by side; each line lies half a card lower than
    // the one above and half a place further left, so each card lies over
    // the gap between two.
    void Pyramid(int n, int y) {
        const int widest = WidestLine(rules_);
        for (int k = 1; k <= n; ++k) {
            const int places = widest - (n - k);
            const int width = places * W() + (places - 1) * placeGap_;
            Set(PileId::Tableau(k), (Usable() - width) / 2, y + (k - 1) * (H() / 2));
        }
    }

    // Table 070: the clock face. The piles fan a little to the right (up
    // to four cards), so each pile is that much wider than a card.
    void ClockFace() {
        constexpr int kPiles = 12;
        constexpr double kPi = 3.14159265358979323846;
        const SpreadMetrics steps = StepsFor(rules_, card_);
        const int pileWidth = W() + 3 * std::max(steps.closeHorizontal, steps.faceUpHorizontal);
        const int top = RowY(1);
        Set(PileId::Waste(), x0(), top);
        const int left = x0() + W() + kPackedGap;
        const int width = Right() - left;
        const int height = area_.height - rows_.margin - top;
        const int cx = left + (width - pileWidth) / 2;
        const int cy = top + (height - H()) / 2;
        const double rx = (width - pileWidth) / 2.0;
        const double ry = (height - H()) / 2.0;
        for (int k = 1; k <= kPiles; ++k) {
            const double angle = k * 2 * kPi / kPiles;
            Set(PileId::Tableau(k), cx + static_cast<int>(rx * std::sin(angle)), cy - static_cast<int>(ry * std::cos(angle)));
        }
        Set(PileId::Tableau(kPiles + 1), cx, cy);
    }

    // Foundations in fours: 1-4 on row 1, 9-12 under them, 5-8 under those.
    void HandMade062() {
        const int stockX = x0() + 20;
        const int wasteX = stockX + W() + 15;
        Set(PileId::Stock(), stockX, RowY(1));
        Set(PileId::Waste(), wasteX, RowY(1));
        for (int i = 0; i < 4; ++i) {
            const int x = wasteX + W() + 50 + i * (W() + 10);
            Set(PileId::Foundation(1 + i), x, RowY(1));
            Set(PileId::Foundation(9 + i), x, RowY(1) + H() + 15);
            Set(PileId::Foundation(5 + i), x, RowY(1) + 2 * (H() + 15));
        }
    }

    void HandMade064() {
        const int stockX = x0();
        const int wasteX = stockX + W() + 40;
        Set(PileId::Stock(), stockX, RowY(1));
        Set(PileId::Waste(), wasteX, RowY(1));
        Set(PileId::Reserve(1), stockX, RowY(2));
        Set(PileId::Reserve(2), wasteX, RowY(2));
        Set(PileId::Reserve(3), stockX, RowY(3));
        Set(PileId::Reserve(4), wasteX, RowY(3));
        for (int i = 0; i < 4; ++i) {
            const int x = wasteX + W() + 70 + i * (W() + 10);
            Set(PileId::Foundation(1 + i), x, RowY(1));
            Set(PileId::Tableau(1 + i), x, RowY(2));
        }
    }

    void HandMade069() {
        const int wasteX = 25;
        Set(PileId::Waste(), wasteX, RowY(1));
        int x = wasteX + W() + 35;
        for (int f = 1; f <= 8; ++f) {
            Set(PileId::Foundation(f), x, RowY(1));
            if (f == 1) Set(PileId::Reserve(1), x, RowY(2));
            if (f < 8) x += W() + 5;
        }
        for (int t = 5; t >= 1; --t) {
            Set(PileId::Tableau(t), x, RowY(2));
            x -= W() + 20;
        }
    }

    const GameRules& rules_;
    Size card_;
    TableArea area_;
    TableRows rows_;
    int placeGap_;
    PileOrigins origins_;
    std::vector<int> columns_;  // x of the tableau's first row
    int columnsTop_ = 0;
};

}  // namespace

TableRows ComputeRows(const GameRules& rules, Size card, const TableArea& area) {
    TableRows rows;
    const int selector = StockSelector(rules);
    const int stockModel = StockModel(rules);
    rows.margin = area.height >= 500 ? 10 : 5;
    const int m = rows.margin;
    const int h = card.height;
    if (rules[Rule::TableLayoutModel] == 15) {
        rows.y[1] = area.top + 15;
        rows.y[2] = rows.y[1] + 5 + h;
        rows.y[3] = rows.y[2] + 5 + h;
    } else {
        rows.y[1] = area.top + m + (selector == 1 ? 15 : 0);
        rows.y[2] = rows.y[1] + m + h + (selector == 2 || stockModel == 3 ? 15 : 0);
        rows.y[3] = rows.y[2] + m + h;
    }
    rows.y[4] = rows.y[3] + m + h;

    rows.left = area.width - 2 >= 650 ? 10 : 3;
    if (HasStockString(rules)) {
        rows.left += area.stockOffset;
        const bool shifted = stockModel == 3 || stockModel == 4 || stockModel == 5 || stockModel == 16 ||
                             stockModel == 19 || rules[Rule::FifthLayoutModel] == 4;
        if (shifted) rows.left += 15;
    }
    return rows;
}

PileOrigins ComputeLayout(const GameRules& rules, Size card, const TableArea& area) {
    return LayoutBuilder(rules, card, area).Build();
}

PileOrigins ComputeLayout(const GameRules& rules, Size card, const TableArea& area, SpreadMetrics& metrics) {
    metrics.scrollOffset = 0;
    LayoutBuilder builder(rules, card, area);
    metrics.sideBySideGap = builder.placeGap();
    return builder.Build();
}

}  // namespace dravicor
