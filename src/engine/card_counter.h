#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cards/pile_lists.h"
#include "cards/position.h"
#include "rules/game_rules.h"

namespace dravicor {

// What a cell of the card counter shows: no card ("Card_None", not in play
// or not yet known), or the card's rank marked up or down.
enum class CounterMark { None, Up, Down };

// How a card is marked: by whether it has been seen, or cleared to none.
enum class CounterMode { BySeen = 1, Clear = 2 };

// The options of the counter's window. Never both "only" options at once.
struct CardCounterOptions {
    bool stockOnly = false;    // "&Stock only": count the stock and the waste alone
    bool tableauOnly = false;  // "&Tableau only": count everything but them
    bool inverted = false;     // "&Inverted": up and down swap in every cell

    friend bool operator==(const CardCounterOptions&, const CardCounterOptions&) = default;
};

// The window's fixed width, and its height for a game of that many cards.
inline constexpr int kCardCounterWidth = 198;
int CardCounterHeight(int cardCount);

// The window has a row per suit of up to four decks (hearts, diamonds,
// clubs, spades of the first deck, then of the second ...), each led by
// its suit picture at x = 0; the card numbers fill the rows of two decks.
inline constexpr int kCardCounterRows = 16;
inline constexpr int kCardCounterCardRows = 8;
inline constexpr int kCardCounterColumns = 13;
int CounterRowY(int row);
std::string_view CounterSuitPicture(int row);

// One card's cell: its place in the window and its picture.
struct CounterCell {
    int card = kNoCard;
    CounterMark mark = CounterMark::None;
    int x = 0;
    int y = 0;

    // "Card_None", or "Card_" + rank + "_Up" / "_Down".
    std::string pictureName() const;
    friend bool operator==(const CounterCell&, const CounterCell&) = default;
};

// The card counter without its window: which of the game's cards have been
// seen, as the window draws them. The play engine reports every card that
// moves or turns; the window reads the cells after each report that says
// something changed.
class CardCounter {
public:
    const CardCounterOptions& options() const { return options_; }
    // Options as stored; "&Stock only" wins should both be on.
    void setOptions(const CardCounterOptions& options);

    // The options menu: each command changes its option and recounts. The
    // caller then saves the preferences (card_counter_preferences.h).
    void ToggleTableauOnly(const Position& position, const GameRules& rules);
    void ToggleStockOnly(const Position& position, const GameRules& rules);
    void ToggleInverted(const Position& position, const GameRules& rules);

    // Fits the counter to the game's card count with every card unmarked.
    void Reset(const GameRules& rules);
    // Reset, then marks every card from the position as far as the options
    // let the counter see: stock and waste, then the other piles.
    void Recount(const Position& position, const GameRules& rules);
    // After any change of the table, for a caller that does not report single
    // cards: the cards lying where the options count them (or nowhere) are
    // marked afresh from the position, the others keep their marks, as the
    // reports of single cards would leave them (under "&Stock only" a card
    // played from the waste to a foundation stays as it was). A game of
    // another card count is recounted.
    void Refresh(const Position& position, const GameRules& rules);
    // A card has moved to a pile of the kind (or turned there); card -1 asks
    // for a recount. True when the window needs repainting.
    bool Update(const Position& position, const GameRules& rules, int card, PileKind kind, bool seen,
                CounterMode mode = CounterMode::BySeen);
    // After a stock action: in games whose waste shows only its top card as
    // seen, the waste's new top card. True when the window needs repainting.
    bool UpdateWasteTop(const Position& position, const GameRules& rules, PileKind kind);

    int cardCount() const { return cardCount_; }
    int height() const { return CardCounterHeight(cardCount_); }
    // The cell of a card of the game; none for cards outside it.
    std::optional<CounterCell> cell(int card) const;
    // The cells of every card of the game, in card order.
    std::vector<CounterCell> cells() const;

private:
    bool countsStock() const { return options_.stockOnly || !options_.tableauOnly; }
    bool countsTableau() const { return !options_.stockOnly; }
    bool hasCell(int card) const;
    void mark(int card, bool seen, CounterMode mode = CounterMode::BySeen);
    void markPile(const Pile& pile, bool seen);
    void markPileByFaces(const Pile& pile, const Position& position);

    CardCounterOptions options_;
    int cardCount_ = 0;
    std::array<CounterMark, kCardCount> marks_{};
};

// The counter for the text front end: 8 lines of 13 characters, one line per
// card row (hearts, diamonds, clubs, spades of the first deck, then of the
// second), "U" for a cell showing its up picture, "D" for its down picture
// and "-" for no picture or a card outside the game.
std::vector<std::string> CardCounterText(const CardCounter& counter);

}  // namespace dravicor
