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

// Rank 1 (Ace) to 13 (King); 0 for no card and -1 beyond the pack.
constexpr int CardRank(int card) {
    if (card == 0) return 0;
    const int n = card > kCardsPerDeck ? card - kCardsPerDeck : card;
    if (n < 1 || n > kCardsPerDeck) return -1;
    return (n - 1) % 13 + 1;
}

// Suit 1 to 4 of a card 1 to 104.
constexpr int CardSuit(int card) { return ((card - 1) % kCardsPerDeck) / 13 + 1; }

constexpr bool IsRed(int card) { return CardSuit(card) <= 2; }

// The card number written as three decimal digits ("007", "104").
std::string CardText(int card);

}  // namespace dravicor
