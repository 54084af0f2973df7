#include "engine/table_speech.h"

#include <algorithm>
#include <array>
#include <vector>

#include "rules/key_numbers.h"

namespace dravicor {

namespace {

// More piles than this gaining cards at once (a deal onto the tableau) are
// summed up rather than listed.
constexpr size_t kPilesListed = 4;

std::string Count(int n, std::string_view noun) {
    return std::to_string(n) + " " + std::string(noun) + (n == 1 ? "" : "s");
}

std::string Joined(const std::vector<std::string>& parts, std::string_view between) {
    std::string text;
    for (const std::string& part : parts) {
        if (!text.empty()) text += between;
        text += part;
    }
    return text;
}

bool Selected(const Engine& engine, CardNumber card) {
    const auto& selection = engine.selection();
    return std::find(selection.begin(), selection.end(), card) != selection.end();
}

std::string NameInPlay(const Engine& engine, CardNumber card) {
    return CardName(card) + (Selected(engine, card) ? " (selected)" : "");
}

// The real cards of a pile, bottom first (empty places left out).
std::vector<CardNumber> CardsOf(const Pile& pile) {
    std::vector<CardNumber> cards;
    for (const CardNumber card : pile.groups()) {
        if (card != kNoCard) cards.push_back(card);
    }
    return cards;
}

bool Holds(const std::vector<CardNumber>& cards, CardNumber card) {
    return std::find(cards.begin(), cards.end(), card) != cards.end();
}

}  // namespace

std::string CardName(int card) {
    static constexpr std::array<std::string_view, 13> kRanks = {"Ace", "2", "3",  "4",    "5",     "6",   "7",
                                                                "8",   "9", "10", "Jack", "Queen", "King"};
    static constexpr std::array<std::string_view, 4> kSuits = {"Hearts", "Diamonds", "Clubs", "Spades"};
    if (!IsCard(card)) return "no card";
    return std::string(kRanks[static_cast<size_t>(CardRank(card) - 1)]) + " of " +
           std::string(kSuits[static_cast<size_t>(CardSuit(card) - 1)]);
}

std::string PileTitle(PileId pile, const GameRules& rules) {
    const std::string number = std::to_string(pile.number);
    switch (pile.kind) {
        case PileKind::Stock: return "Stock";
        case PileKind::Waste: return "Waste";
        case PileKind::SecondWaste: return "Discard pile";
        case PileKind::Foundation: return "Foundation " + number;
        case PileKind::Tableau: return "Tableau " + number;
        case PileKind::Reserve: return (ReservesAreFreeCells(rules) ? "Free cell " : "Reserve ") + number;
    }
    return {};
}

std::string DescribePile(const Engine& engine, PileId pile) {
    const std::string title = PileTitle(pile, engine.rules());
    const std::vector<CardNumber> cards = CardsOf(engine.position().piles.pile(pile));
    if (cards.empty()) return title + ": empty";
    const CardTable& faces = engine.position().cardTable;

    std::vector<std::string> shown;
    const std::vector<FocusPlace> places = PilePlaces(engine, pile);
    for (auto place = places.rbegin(); place != places.rend(); ++place) {
        if (faces.IsFaceUp(place->focus.card)) shown.push_back(NameInPlay(engine, place->focus.card));
    }
    const auto faceDown = std::count_if(cards.begin(), cards.end(), [&](CardNumber c) { return faces.IsFaceDown(c); });
    const int below = static_cast<int>(cards.size() - static_cast<size_t>(faceDown) - shown.size());

    std::vector<std::string> parts;
    if (!shown.empty()) parts.push_back(Joined(shown, " on "));
    if (below > 0) parts.push_back(Count(below, "card") + " below");
    if (faceDown > 0) parts.push_back(Count(static_cast<int>(faceDown), "card") + " face down");
    return title + ": " + Joined(parts, ", ");
}

std::string DescribeFocus(const Engine& engine, const KeyFocus& focus) {
    const Pile& pile = engine.position().piles.pile(focus.pile);
    const std::vector<CardNumber> cards = CardsOf(pile);
    if (focus.card == kNoCard || cards.empty() || cards.back() == focus.card) return DescribePile(engine, focus.pile);
    const auto at = std::find(cards.begin(), cards.end(), focus.card);
    if (at == cards.end()) return DescribePile(engine, focus.pile);
    const int above = static_cast<int>(cards.end() - at) - 1;
    return PileTitle(focus.pile, engine.rules()) + ": " + NameInPlay(engine, focus.card) + ", under " +
           Count(above, "card");
}

std::string DescribeChange(const Position& before, const Position& after, const GameRules& rules) {
    std::vector<std::string> arrivals;
    std::vector<std::string> turns;
    int cardsArrived = 0;
    after.piles.forEach([&](PileId id, const Pile& pile) {
        const std::vector<CardNumber> was = CardsOf(before.piles.pile(id));
        std::vector<CardNumber> came;
        for (const CardNumber card : CardsOf(pile)) {
            if (!Holds(was, card)) {
                came.push_back(card);
            } else if (before.cardTable.IsFaceUp(card) != after.cardTable.IsFaceUp(card)) {
                turns.push_back(CardName(card) + (after.cardTable.IsFaceUp(card) ? " turned face up." : " turned face down."));
            }
        }
        if (came.empty()) return;
        cardsArrived += static_cast<int>(came.size());
        const std::string to = " to " + PileTitle(id, rules) + ".";
        if (after.cardTable.IsFaceDown(came.front())) {
            arrivals.push_back(Count(static_cast<int>(came.size()), "card") + to);
        } else if (came.size() == 1) {
            arrivals.push_back(CardName(came.front()) + to);
        } else {
            arrivals.push_back(CardName(came.front()) + " and " + Count(static_cast<int>(came.size()) - 1, "more card") + to);
        }
    });
    if (arrivals.size() > kPilesListed) {
        arrivals = {Count(cardsArrived, "card") + " to " + Count(static_cast<int>(arrivals.size()), "pile") + "."};
    }
    arrivals.insert(arrivals.end(), turns.begin(), turns.end());
    return Joined(arrivals, " ");
}

std::string DescribeDeal(const std::string& gameName, const std::string& gameNumber) {
    // Numbers are kept zero-padded; nobody says the zeros.
    const size_t digit = gameNumber.find_first_not_of('0');
    if (gameNumber.empty()) return gameName + ", dealt.";
    return gameName + ", game " + (digit == std::string::npos ? "0" : gameNumber.substr(digit)) + ", dealt.";
}

}  // namespace dravicor
