#include "rules/pile_geometry.h"

#include "rules/rule_codes.h"

#include <algorithm>

namespace dravicor {

SpreadMetrics ResetSpreadMetrics(const GameRules& rules, char sizeLetter) {
    const bool small = sizeLetter == 'P';
    auto bySize = [sizeLetter](int big, int medium, int tiny) {
        switch (sizeLetter) {
            case 'B': return big;
            case 'M': return medium;
            case 'P': return tiny;
            default: return 0;
        }
    };
    const int tableau = rules[Rule::TableauSpread];
    const bool vertical = tableau == 1;
    const bool horizontal = tableau == 2 || rules[Rule::ReserveSpread] == 2;

    SpreadMetrics metrics;
    metrics.faceUpVertical = vertical ? bySize(18, 14, 3) : 0;
    metrics.faceDownVertical = vertical ? (small ? 3 : 4) : 0;
    metrics.faceUpHorizontal = horizontal ? bySize(12, 10, 3) : 0;
    metrics.faceDownHorizontal = horizontal ? (small ? 3 : 4) : 0;
    metrics.sideBySideGap = 6;
    metrics.reserveStep = 3;
    metrics.closeHorizontal = tableau == 6 ? bySize(7, 5, 3) : 0;
    metrics.scrollOffset = 0;
    return metrics;
}

TableGeometry::TableGeometry(const PileOrigins& origins, const SpreadMetrics& metrics, Size card,
                             const GameRules& rules, const Position& position, const IrregularOffsets* irregular)
    : origins_(origins), metrics_(metrics), card_(card), rules_(rules), position_(position), irregular_(irregular) {}

namespace {

// The spread code that governs a pile; stock-group piles are never spread.
int SpreadCode(PileId pile, const GameRules& rules) {
    switch (pile.kind) {
        case PileKind::Tableau: return rules[Rule::TableauSpread];
        case PileKind::Foundation: return rules[Rule::FoundationSpread];
        case PileKind::Reserve: return rules[Rule::ReserveSpread];
        default: return 0;
    }
}

// The cards that get a step: every remaining card but the last, the last
// too when toTop.
int SteppedCards(int remaining, bool toTop) {
    if (remaining <= 0) return 0;
    return toTop ? remaining : remaining - 1;
}

}  // namespace

Point TableGeometry::pileOrigin(PileId pile) const {
    const Point origin = origins_.origin(pile);
    return {origin.x, origin.y - metrics_.scrollOffset};
}

int TableGeometry::PileCardY(PileId pile, int skip, bool toTop) const {
    int y = pileOrigin(pile).y;
    if (!PileLists::IsValid(pile)) return y;
    const int code = SpreadCode(pile, rules_);
    const Pile& cards = position_.piles.pile(pile);
    const int remaining = std::clamp(cards.size() - skip, 0, cards.size());

    if (code == 7) {
        if (remaining >= 1) y += metrics_.faceUpVertical;
    } else if (code == 1) {
        const int stepped = SteppedCards(remaining, toTop);
        for (int i = 0; i < stepped; ++i) {
            y += position_.cardTable.IsFaceDown(cards[i]) ? metrics_.faceDownVertical : metrics_.faceUpVertical;
        }
    } else if (code == 5 && pile.kind == PileKind::Reserve) {
        y += SteppedCards(remaining, toTop) * metrics_.reserveStep;
    }
    if (code == 8 && pile.kind == PileKind::Tableau) y += gridCell(cards, remaining, toTop).y * (card_.height + metrics_.sideBySideGap);
    return y;
}

int TableGeometry::PileCardX(PileId pile, int skip, bool toTop) const {
    int x = origins_.origin(pile).x;
    if (!PileLists::IsValid(pile)) return x;
    const int code = SpreadCode(pile, rules_);
    const Pile& cards = position_.piles.pile(pile);
    const int remaining = std::clamp(cards.size() - skip, 0, cards.size());

    const bool tableau = pile.kind == PileKind::Tableau;
    const bool spread = code == 2 || code == 4 || (tableau && code == 6);
    if (spread) {
        const int stepped = SteppedCards(remaining, toTop);
        for (int i = 0; i < stepped; ++i) {
            if (code == 2) {
                x += position_.cardTable.IsFaceDown(cards[i]) ? metrics_.faceDownHorizontal : metrics_.faceUpHorizontal;
            } else if (code == 4) {
                x += card_.width + metrics_.sideBySideGap;
            } else {
                x += metrics_.closeHorizontal;
            }
        }
    }
    if (code == 8 && tableau) x += gridCell(cards, remaining, toTop).x * (card_.width + metrics_.sideBySideGap);

    if (irregular_ && tableau && rules_[Rule::TableauSpread] == 1) {
        const int k = remaining + (skip != 0 || toTop ? 1 : 0);
        int entry = k - 1;
        if (entry > 12) entry %= 12;
        int table = pile.number;
        if (table > 6) table %= 6;
        if (entry >= 0) x += (*irregular_)[static_cast<size_t>(table)][static_cast<size_t>(entry)];
    }
    return x;
}

Point TableGeometry::gridCell(const Pile& cards, int remaining, bool toTop) {
    // Empty places take no room: the cards close up in rows.
    const int index = toTop ? remaining : remaining - 1;
    int cell = 0;
    for (int i = 0; i < index && i < cards.size(); ++i) cell += cards[i] != kNoCard;
    return {cell % kGridColumns, cell / kGridColumns};
}

TableauFan TableGeometry::tableauFan() const {
    switch (rules_[Rule::TableauSpread]) {
        case 1: return TableauFan::Down;
        case 2:
        case 4:
        case 6: return TableauFan::Right;
        case 8: return TableauFan::Grid;
        default: return TableauFan::None;
    }
}

namespace {

// The marker showing which rank an empty pile takes; 0 for none.
int RankMarker(int value) {
    switch (value) {
        case 1:
        case 81:
        case 85: return 10;
        case 11: return 6;
        case 12: return 3;
        case 13:
        case 84: return 11;
        default: return value >= 2 && value <= 10 ? value + 10 : 0;
    }
}

}  // namespace

int EmptyPileMarker(PileId pile, const GameRules& rules, bool passesLeft, bool redealArmed) {
    if (!PileLists::IsValid(pile)) return 0;
    switch (pile.kind) {
        case PileKind::Stock:
            if (SpecialGameOf(rules) == SpecialGame::NeighbourGrid) return 21;
            if (redealArmed) return 5;
            return passesLeft ? 22 : 8;
        case PileKind::Waste:
            if (rules[Rule::WasteInPlay] == 1) return 2;
            return rules[Rule::Redeals] == 0 ? 8 : 0;
        case PileKind::SecondWaste: return 2;
        case PileKind::Foundation: {
            const int i = pile.number - 1;
            const int value = rules[Rule::FoundationBuild + i] == 10 ? 12 : rules[Rule::FoundationFirstCard + i];
            const int marker = RankMarker(value);
            return marker != 0 ? marker : 4;
        }
        case PileKind::Reserve:
            switch (rules[Rule::ReserveCode]) {
                case 9: return 9;
                case 8: return 11;
                default: return 1;
            }
        case PileKind::Tableau: {
            const int marker = RankMarker(rules[Rule::TableauEmptyAccepts + pile.number - 1]);
            if (marker != 0) return marker;
            return rules[Rule::TableauEmptyAccepts] != 0 ? 4 : 7;
        }
    }
    return 0;
}

bool TableGeometry::tableauSearchedBackwards() const {
    const int model = rules_[Rule::TableLayoutModel];
    const bool singleRow = model == 1 || model == 14 || model == 15 || rules_[Rule::SingleRowTableau] == 1;
    return !singleRow && model < 51;
}

bool TableGeometry::reserveCardsTakeable() const { return rules_[Rule::ReserveDrawMode] == kReserveAnyCard; }

}  // namespace dravicor
