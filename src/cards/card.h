#pragma once

#include <cstdint>
#include <string>

namespace dravicor {

// A card of the two-deck pack: 1-52 the first deck, 53-104 the second; within
// a deck hearts, diamonds, clubs, spades, each Ace to King. 0 is no card.
using CardNumber = std::uint8_t;

inline constexpr int kCardCount = 104;
inline constexpr int kCardsPerDeck = 52;
inline constexpr CardNumber kNoCard = 0;

enum class Suit : std::uint8_t { Hearts = 1, Diamonds = 2, Clubs = 3, Spades = 4 };

constexpr bool IsCard(int card) { return card >= 1 && card <= kCardCount; }

namespace card_detail {
// Ranks and suits of no card and the 104 cards, looked up rather than
// worked out: the move rules ask for them millions of times a second.
struct RankSuitTable {
    std::int8_t rank[kCardCount + 1];
    std::int8_t suit[kCardCount + 1];
};
constexpr RankSuitTable MakeRankSuitTable() {
    RankSuitTable table{};
    table.rank[0] = 0;
    table.suit[0] = 1;  // what ((0 - 1) % 52) / 13 + 1 gives
    for (int card = 1; card <= kCardCount; ++card) {
        table.rank[card] = static_cast<std::int8_t>((card - 1) % 13 + 1);
        table.suit[card] = static_cast<std::int8_t>(((card - 1) % kCardsPerDeck) / 13 + 1);
    }
    return table;
}
inline constexpr RankSuitTable kRankSuit = MakeRankSuitTable();
}  // namespace card_detail

// Rank 1 (Ace) to 13 (King); 0 for no card and -1 beyond the pack.
constexpr int CardRank(int card) {
    if (static_cast<unsigned>(card) <= static_cast<unsigned>(kCardCount)) return card_detail::kRankSuit.rank[card];
    return -1;
}

// Suit 1 to 4 of a card 1 to 104.
constexpr int CardSuit(int card) {
    if (static_cast<unsigned>(card) <= static_cast<unsigned>(kCardCount)) return card_detail::kRankSuit.suit[card];
    return ((card - 1) % kCardsPerDeck) / 13 + 1;
}

constexpr bool IsRed(int card) { return CardSuit(card) <= 2; }

// The card number written as three decimal digits ("007", "104").
std::string CardText(int card);

}  // namespace dravicor
