// The card sizes of the picture files, by their size letter.
#pragma once

#include <QSize>

namespace dravicor::art {

struct CardSize {
    char letter;
    int width;
    int height;

    QSize size(int scale = 1) const { return {width * scale, height * scale}; }
};

inline constexpr CardSize kBigCards{'B', 71, 96};
inline constexpr CardSize kMediumCards{'M', 59, 80};
inline constexpr CardSize kPocketCards{'P', 25, 32};

// A face sheet holds the 13 cards of a suit in rows of 5, 5 and 3.
inline constexpr int kSheetColumns = 5;
inline constexpr int kSheetRows = 3;
inline constexpr int kRanks = 13;

// Suits in the order of the sheets and of the face table: hearts, diamonds,
// clubs, spades.
enum class Suit { Hearts, Diamonds, Clubs, Spades };
inline constexpr Suit kSuits[] = {Suit::Hearts, Suit::Diamonds, Suit::Clubs, Suit::Spades};

inline char SuitLetter(Suit suit) {
    switch (suit) {
        case Suit::Hearts: return 'H';
        case Suit::Diamonds: return 'D';
        case Suit::Clubs: return 'C';
        case Suit::Spades: return 'S';
    }
    return '?';
}

inline bool IsRed(Suit suit) { return suit == Suit::Hearts || suit == Suit::Diamonds; }

}  // namespace dravicor::art
