#include "engine/poker.h"

#include <algorithm>

namespace dravicor {

namespace {

constexpr PokerHandValue kRoyalFlush{100, "Royal Flush"};
constexpr PokerHandValue kStraightFlush{75, "Straight Flush"};
constexpr PokerHandValue kFourOfAKind{50, "Four of a Kind"};
constexpr PokerHandValue kFullHouse{25, "Full House"};
constexpr PokerHandValue kFlush{20, "Flush"};
constexpr PokerHandValue kStraight{15, "Straight"};
constexpr PokerHandValue kThreeOfAKind{10, "Three of a Kind"};
constexpr PokerHandValue kTwoPair{5, "Two Pair"};
constexpr PokerHandValue kOnePair{2, "One Pair"};

PokerHandValue ValueOfRankCounts(const std::array<int, 5>& ranks) {
    std::array<int, 14> count{};
    for (const int rank : ranks) ++count[static_cast<size_t>(rank)];
    bool three = false;
    int pairs = 0;
    for (int rank = 1; rank <= 13; ++rank) {
        const int n = count[static_cast<size_t>(rank)];
        // Five of one rank (two decks) still hold four of a kind.
        if (n >= 4) return kFourOfAKind;
        if (n == 3) three = true;
        if (n == 2) ++pairs;
    }
    if (three && pairs > 0) return kFullHouse;
    if (three) return kThreeOfAKind;
    if (pairs >= 2) return kTwoPair;
    if (pairs == 1) return kOnePair;
    return {};
}

// The card a grid pile holds: its bottom group; 0 when the pile holds none.
int GridCard(const Position& position, int pile) {
    const Pile& p = position.piles.tableau[static_cast<size_t>(pile)];
    return p.empty() ? kNoCard : p[0];
}

// The tableau indexes of the ten lines in scoring order: rows 0 to 4, then
// columns 0 to 4.
std::array<std::array<int, 5>, 2 * kPokerGridSide> GridLines() {
    std::array<std::array<int, 5>, 2 * kPokerGridSide> lines{};
    for (int i = 0; i < kPokerGridSide; ++i) {
        for (int j = 0; j < kPokerGridSide; ++j) {
            lines[static_cast<size_t>(i)][static_cast<size_t>(j)] = kPokerGridSide * i + j;
            lines[static_cast<size_t>(kPokerGridSide + i)][static_cast<size_t>(j)] = i + kPokerGridSide * j;
        }
    }
    return lines;
}

std::string PointsText(int points) { return std::to_string(points) + " points"; }

std::string TotalLine(int total) { return std::string(kPokerTotalWord) + ": " + PointsText(total); }

}  // namespace

PokerHandValue EvaluatePokerHand(const std::array<int, 5>& cards) {
    std::array<int, 5> ranks{};
    std::transform(cards.begin(), cards.end(), ranks.begin(), [](int card) { return CardRank(card); });
    std::sort(ranks.begin(), ranks.end());
    bool consecutive = true;
    for (size_t k = 1; k < ranks.size(); ++k) consecutive = consecutive && ranks[k] == ranks[k - 1] + 1;
    const bool aceHigh = ranks == std::array<int, 5>{1, 10, 11, 12, 13};
    const bool oneSuit = std::all_of(cards.begin(), cards.end(),
                                     [&](int card) { return CardSuit(card) == CardSuit(cards[0]); });

    if (oneSuit) {
        if (aceHigh) return kRoyalFlush;
        return consecutive ? kStraightFlush : kFlush;
    }
    if (aceHigh || consecutive) return kStraight;
    return ValueOfRankCounts(ranks);
}

PokerGridScore ScorePokerGrid(const Position& position, int placedCard) {
    PokerGridScore score;
    bool anyLineScored = false;
    for (const auto& line : GridLines()) {
        std::array<int, 5> cards{};
        std::transform(line.begin(), line.end(), cards.begin(), [&](int pile) { return GridCard(position, pile); });
        if (std::find(cards.begin(), cards.end(), kNoCard) != cards.end()) continue;
        const PokerHandValue value = EvaluatePokerHand(cards);
        if (value.points <= 0) continue;
        anyLineScored = true;
        score.total += value.points;
        if (placedCard > 0 && std::find(cards.begin(), cards.end(), placedCard) != cards.end()) {
            NewPokerHand hand;
            hand.name = value.name;
            hand.points = value.points;
            hand.piles = line;
            score.newHands.push_back(hand);
        }
    }

    // Hands still waiting to be shown are not yet part of the total shown.
    int pending = 0;
    for (const NewPokerHand& hand : score.newHands) pending += hand.points;
    for (NewPokerHand& hand : score.newHands) {
        hand.shownTotal = score.total - pending + hand.points;
        hand.panel = {hand.name, PointsText(hand.points), TotalLine(hand.shownTotal)};
        pending -= hand.points;
    }

    if (!score.newHands.empty()) {
        score.finalPanel.line1 = score.newHands.back().panel.line1;
        score.finalPanel.line2 = score.newHands.back().panel.line2;
    }
    score.finalPanel.line3 = TotalLine(anyLineScored ? score.total : 0);
    return score;
}

int PokerGridTotal(const Position& position) {
    int total = 0;
    for (const auto& line : GridLines()) {
        std::array<int, 5> cards{};
        std::transform(line.begin(), line.end(), cards.begin(), [&](int pile) { return GridCard(position, pile); });
        if (std::find(cards.begin(), cards.end(), kNoCard) == cards.end()) total += EvaluatePokerHand(cards).points;
    }
    return total;
}

bool IsPokerGridFull(const Position& position, const GameRules& rules) {
    const int count = std::clamp(static_cast<int>(rules[Rule::TableauCount]), 0, kTableauCount);
    // A game without piles has nothing to fill; it must not count as won.
    if (count == 0) return false;
    for (int t = 0; t < count; ++t) {
        if (GridCard(position, t) == kNoCard) return false;
    }
    return true;
}

}  // namespace dravicor
