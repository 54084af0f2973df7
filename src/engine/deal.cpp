#include "engine/deal.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <optional>

#include "cards/card.h"
#include "cards/pile.h"
#include "cards/pile_lists.h"
#include "play/special_families.h"
#include "rules/legality.h"
#include "rules/rule_codes.h"

namespace dravicor {

namespace {

// The cards still to be dealt, in deck order. Taking a card by value leaves a
// hole that the next-card reads skip, so nothing is ever shifted or
// allocated; the membership bits answer "still in the deck?" at once.
class Deck {
public:
    explicit Deck(const DeckOrder& order) {
        const int size = std::clamp(order.size, 0, kMaxDeckSize);
        for (int i = 0; i < size; ++i) {
            const CardNumber card = order.cards[static_cast<size_t>(i)];
            // Free slots of the order are not cards; a repeated card would
            // end up on the table twice.
            if (!IsCard(card) || present_[card]) continue;
            present_[card] = true;
            cards_[static_cast<size_t>(end_++)] = card;
        }
    }

    bool contains(int card) const { return IsCard(card) && present_[static_cast<size_t>(card)]; }

    // The first card of the list, or 0 when the deck is empty.
    CardNumber first() {
        while (head_ < end_ && cards_[static_cast<size_t>(head_)] == kNoCard) ++head_;
        return head_ < end_ ? cards_[static_cast<size_t>(head_)] : kNoCard;
    }

    // Takes the first card off the list; 0 when the deck is empty. Every
    // step that wants "the next card" then does nothing rather than deal a
    // card that is not there.
    CardNumber next() {
        const CardNumber card = first();
        if (card != kNoCard) take(card);
        return card;
    }

    // Takes the card out wherever it stands; false when it is not here.
    bool take(int card) {
        if (!contains(card)) return false;
        present_[static_cast<size_t>(card)] = false;
        for (int i = head_; i < end_; ++i) {
            if (cards_[static_cast<size_t>(i)] == card) {
                cards_[static_cast<size_t>(i)] = kNoCard;
                break;
            }
        }
        return true;
    }

    // The first card of the given rank, or 0.
    CardNumber firstOfRank(int rank) const { return firstOfRanks(rank, rank); }

    // The first card whose rank lies in low..high, or 0.
    CardNumber firstOfRanks(int low, int high) const {
        for (int i = head_; i < end_; ++i) {
            const CardNumber card = cards_[static_cast<size_t>(i)];
            if (card != kNoCard && CardRank(card) >= low && CardRank(card) <= high) return card;
        }
        return kNoCard;
    }

private:
    std::array<CardNumber, kMaxDeckSize> cards_{};
    std::bitset<kCardCount + 1> present_;
    int head_ = 0;
    int end_ = 0;
};

// Brings a computed card number into 1..n. A plain remainder of values above
// n gives card 0 when the sum is a multiple of n (code 91 with first card 52
// in a one-deck game), and leaves values below 1 or still above n (code 95
// for foundations 9 and up, "rank k of suit i" for i >= 4 in one deck, 100+
// codes beyond n) naming no card at all.
int WrapCard(int card, int n) {
    if (n <= 0) return card;
    return ((card - 1) % n + n) % n + 1;
}

// The starting card a foundation deal code asks for, before wrapping;
// nothing for the codes that place none and when the deck has no such card.
std::optional<int> StartingCard(int code, int foundation, Deck& deck) {
    const int i = foundation;
    auto dealt = [](CardNumber card) { return card == kNoCard ? std::nullopt : std::optional<int>(card); };
    using namespace FoundationDeal;
    if (code == None || code == BaseOfFirst || code == AcesReplacedFromStock) return std::nullopt;
    if (code == DeckFirstCard) return dealt(deck.first());
    if (code > FirstOfRankBase && code <= FirstOfRankBase + 13) return dealt(deck.firstOfRank(code - FirstOfRankBase));
    if (code == SameRankAsFirst) {
        const auto first = dealt(deck.first());
        return first ? std::optional<int>(*first + (i + 1) * 13) : std::nullopt;
    }
    if (code == AcesSweepAll || code == AcesSweepOwn) return i * 13 + 1;
    if (code == KingsAndAcesSweep) return i < 4 ? (i + 1) * 13 : (i - 4) * 13 + 1;
    if (code >= CardNumberBase) return code - CardNumberBase;
    return code + i * 13;
}

class Dealer {
public:
    Dealer(Position& position, GameRules& rules, const DeckOrder& order, bool scoring01)
        : position_(position), piles_(position.piles), rules_(rules), deck_(order), scoring01_(scoring01) {
        const int count = rules_[Rule::CardCount];
        cardCount_ = count >= 1 && count <= kCardCount ? count : std::clamp(order.size, 1, kCardCount);
        score_ = scoring01_ ? -rules_[Rule::CardCount] : 0;
    }

    int run() {
        foundationStartingCards();   // 1
        secondWasteStartingCard();   // 2
        stock();                     // 3
        waste();                     // 4
        tableau();                   // 5
        secondWaste();               // 6
        reserves();                  // 7
        firstFoundationCard();       // 8
        emptyTableauBelowBase();     // 9
        secondFoundationCard();      // 10
        if (SpecialGameOf(rules_) == SpecialGame::ReserveAcesToFoundations) reserveAcesToFoundations();  // 11
        const int firstCode = rules_[Rule::FoundationDealCard];
        if (firstCode == FoundationDeal::AcesSweepAll || firstCode == FoundationDeal::AcesSweepOwn ||
            firstCode == FoundationDeal::KingsAndAcesSweep) {
            sweepTableauToFoundations(firstCode);  // 12
        }
        if (firstCode == FoundationDeal::AcesReplacedFromStock) sweepAcesReplacingFromStock();  // 13
        if (rules_[Rule::DealExtraStep] == DealStep::KingsToBottom) kingsToBottom();  // 14
        if (rules_[Rule::DealExtraStep] == DealStep::KingsUnderOwnSuit) kingsUnderOwnSuit();
        if (SpecialGameOf(rules_) == SpecialGame::RoyalMarriage) queenAndKingOfHearts();  // 15
        addScore(ArrangeFamilyDeal(position_, rules_));  // 16: the peaks' places, the gaps games' Aces
        addScore(rules_[Rule::ScoreBonusCards]);  // 17
        return score_;
    }

private:
    int foundationCount() const { return std::clamp<int>(rules_[Rule::FoundationCount], 0, kFoundationCount); }
    int tableauCount() const { return std::clamp<int>(rules_[Rule::TableauCount], 0, kTableauCount); }

    void addScore(int cards) {
        if (scoring01_) score_ += 5 * cards;
    }

    // Plays a card to a foundation or the second waste: face up, scored.
    void play(PileId pile, CardNumber card) {
        position_.Append(pile, card, true);
        addScore(1);
    }

    // Deals `count` next cards onto the pile with the given face; stops
    // quietly when the deck runs out.
    void dealTo(PileId pile, int count, bool faceUp) {
        for (int k = 0; k < count; ++k) {
            const CardNumber card = deck_.next();
            if (card == kNoCard) return;
            position_.Append(pile, card, faceUp);
        }
    }

    void foundationStartingCards() {
        for (int i = 0; i < foundationCount(); ++i) {
            const int code = rules_[Rule::FoundationDealCard + i];
            if (code == FoundationDeal::BaseOfFirst) {
                rules_.set(Rule::FoundationFirstCard + i, rules_[Rule::FoundationFirstCard]);
                continue;
            }
            const auto wanted = StartingCard(code, i, deck_);
            if (!wanted) continue;
            const int card = WrapCard(*wanted, cardCount_);
            // A card another foundation's code already placed (or one the
            // deck never held) is not dealt again: the foundation stays empty
            // and keeps its first-card value.
            if (!deck_.take(card)) continue;
            play(PileId::Foundation(i + 1), static_cast<CardNumber>(card));
            rules_.set(Rule::FoundationFirstCard + i, CardRank(card));
        }
    }

    void secondWasteStartingCard() {
        int card = rules_[Rule::StockGroupDealCard];
        if (card == 0) return;
        // Values of 100 and above carry the card number plus 100, so 100
        // itself is card 0 (no card), never card 100 of a two-deck game.
        if (card >= FoundationDeal::CardNumberBase) card -= FoundationDeal::CardNumberBase;
        // Only a card of this game that is still in the deck can be placed.
        if (card < 1 || card > cardCount_ || !deck_.take(card)) return;
        play(PileId::SecondWaste(), static_cast<CardNumber>(card));
    }

    void stock() { dealTo(PileId::Stock(), rules_[Rule::StockDealCount], rules_[Rule::StockFaceDown] == 0); }

    void waste() { dealTo(PileId::Waste(), rules_[Rule::WasteDealCount], true); }

    void tableau() {
        const int step = rules_[Rule::DealExtraStep];
        if (step == DealStep::KingsStartPiles) {
            tableauInKingLines();
            return;
        }
        // The bottom cards are all placed before any pile is filled, or the
        // cards dealt onto the first piles could bury a later pile's Ace.
        std::array<bool, kTableauCount> based{};
        if (step == DealStep::LowCardsAtBottom) {
            for (int t = 0; t < kTableauCount; ++t) {
                if (rules_[Rule::TableauDealCount + t] <= 0) continue;
                // Taken by value, so the other cards keep their deck order.
                const CardNumber low = deck_.firstOfRanks(1, 2);
                if (low == kNoCard || !deck_.take(low)) break;
                position_.Append(PileId::Tableau(t + 1), low, false);
                based[static_cast<size_t>(t)] = true;
            }
        }
        for (int t = 0; t < kTableauCount; ++t) {
            const int count = rules_[Rule::TableauDealCount + t];
            if (count <= 0) continue;
            const PileId id = PileId::Tableau(t + 1);
            dealTo(id, based[static_cast<size_t>(t)] ? count - 1 : count, false);
            position_.cardTable.SetPileFaces(piles_.pile(id), rules_[Rule::TableauDealFaceUp + t], true);
        }
    }

    // The tableau's share of the deck (every pile's deal count together)
    // goes out in one line; a King opens the next pile unless the current one
    // is still empty, so a King comes first in each pile but the first.
    void tableauInKingLines() {
        const int piles = tableauCount();
        if (piles <= 0) return;
        int total = 0;
        for (int t = 0; t < kTableauCount; ++t) total += std::max<int>(rules_[Rule::TableauDealCount + t], 0);
        int t = 0;
        for (int k = 0; k < total; ++k) {
            const CardNumber card = deck_.next();
            if (card == kNoCard) break;
            if (CardRank(card) == 13 && !piles_.tableau[static_cast<size_t>(t)].empty() && t + 1 < piles) ++t;
            position_.Append(PileId::Tableau(t + 1), card, false);
        }
        for (int p = 0; p < piles; ++p) {
            position_.cardTable.SetPileFaces(piles_.tableau[static_cast<size_t>(p)], rules_[Rule::TableauDealFaceUp + p], true);
        }
    }

    void secondWaste() {
        for (int k = 0; k < rules_[Rule::ThirdStockDealCount]; ++k) {
            const CardNumber card = deck_.next();
            if (card == kNoCard) return;
            play(PileId::SecondWaste(), card);
        }
    }

    void reserves() {
        for (int r = 0; r < kReserveCount; ++r) {
            const int count = rules_[Rule::ReserveDealCount + r];
            if (count > 0) dealTo(PileId::Reserve(r + 1), count, true);
        }
    }

    void firstFoundationCard() {
        if (rules_[Rule::DealFirstFoundationCard] != 1) return;
        const CardNumber card = deck_.next();
        if (card == kNoCard) return;
        play(PileId::Foundation(1), card);
        for (int i = 0; i < kFoundationCount; ++i) rules_.set(Rule::FoundationFirstCard + i, CardRank(card));
    }

    void emptyTableauBelowBase() {
        // 91 is one rank below the foundations' base (Kings when the base is
        // an Ace), as the rule parameters define it, not the rank above. A
        // base that is not a rank (any card, nothing, the special values) has
        // no rank below it: such piles take Kings, the meaning 91 is offered
        // under when a game is customized.
        const int base = rules_[Rule::FoundationFirstCard];
        const int below = base >= 2 && base <= 13 ? base - 1 : 13;
        for (int t = 0; t < kTableauCount; ++t) {
            if (rules_[Rule::TableauEmptyAccepts + t] == FirstCard::RankBelowBase) rules_.set(Rule::TableauEmptyAccepts + t, below);
        }
    }

    void secondFoundationCard() {
        if (rules_[Rule::DealSecondFoundationCard] != 1) return;
        const CardNumber card = deck_.next();
        if (card != kNoCard) play(PileId::Foundation(1), card);
    }

    void reserveAcesToFoundations() {
        Pile& reserve = piles_.reserves[0];
        int acesTaken = 0;
        for (int k = 0; k < reserve.size();) {
            const CardNumber card = reserve[k];
            if (CardRank(card) != 1) {
                ++k;
                continue;
            }
            // Eight Aces at most, so foundations 2 to 9 at most.
            reserve.remove(card, RemoveMode::Delete);
            ++acesTaken;
            play(PileId::Foundation(acesTaken + 1), card);
        }

        Pile& waste = piles_.stock[1];
        int replaced = 0;
        bool aceFound = false;
        for (int k = 0; k < waste.size() && !(aceFound && replaced >= acesTaken);) {
            const CardNumber card = waste[k];
            if (CardRank(card) == 1 && !aceFound) {
                waste.remove(card, RemoveMode::Delete);
                play(PileId::Foundation(1), card);
                aceFound = true;
            } else if (CardRank(card) != 1 && replaced < acesTaken) {
                waste.remove(card, RemoveMode::Delete);
                position_.Append(PileId::Reserve(1), card, true);
                ++replaced;
            } else {
                ++k;
            }
        }
    }

    // Offers the card at `index` of tableau pile t to foundations from..to-1
    // in turn (the placement check of a drop); true when one took it.
    bool offerToFoundations(int t, int index, int from, int to) {
        const CardNumber card = piles_.tableau[static_cast<size_t>(t)][index];
        const PlaceContext context{position_, rules_, t + 1, false};
        for (int f = std::max(from, 0); f < std::min(to, foundationCount()); ++f) {
            const Pile& foundation = piles_.foundations[static_cast<size_t>(f)];
            const int top = foundation.empty() ? -1 : foundation.top();
            const PileId target = PileId::Foundation(f + 1);
            if (!CanPlaceOn(top, card, FoundationDropRules(rules_, f), target, true, context)) continue;
            piles_.tableau[static_cast<size_t>(t)].remove(card, RemoveMode::Delete);
            play(target, card);
            return true;
        }
        return false;
    }

    // The foundations a card of tableau pile t may go to under code 93 (all),
    // 94 (the pile's own) or 95 (piles 1-4 the King foundations 1-4, piles
    // 7-10 the Ace foundations 5-8, the others all eight).
    bool offerByCode(int code, int t, int index) {
        using namespace FoundationDeal;
        if (code == AcesSweepOwn) return offerToFoundations(t, index, t, t + 1);
        if (code == KingsAndAcesSweep && t < 4) return offerToFoundations(t, index, 0, 4);
        if (code == KingsAndAcesSweep && t >= 6 && t < 10) return offerToFoundations(t, index, 4, 8);
        if (code == KingsAndAcesSweep) return offerToFoundations(t, index, 0, 8);
        return offerToFoundations(t, index, 0, kFoundationCount);
    }

    int tallestPile() const {
        int height = 0;
        for (const Pile& pile : piles_.tableau) height = std::max(height, pile.size());
        return height;
    }

    void sweepTableauToFoundations(int code) {
        // After a card is taken, the card that lay above it takes its place
        // and is looked at in turn.
        auto sweepAt = [&](int t, int index) {
            bool taken = true;
            while (taken && index < piles_.tableau[static_cast<size_t>(t)].size()) taken = offerByCode(code, t, index);
        };
        if (rules_[Rule::DealByPile] == 0) {
            for (int row = 0; row < tallestPile(); ++row) {
                for (int t = 0; t < kTableauCount; ++t) sweepAt(t, row);
            }
        } else {
            for (int t = 0; t < kTableauCount; ++t) {
                for (int index = 0; index < piles_.tableau[static_cast<size_t>(t)].size(); ++index) sweepAt(t, index);
            }
        }
    }

    void sweepAcesReplacingFromStock() {
        for (int row = 0; row < tallestPile(); ++row) {
            for (int t = 0; t < kTableauCount; ++t) {
                // The same place is looked at again after an Ace leaves it,
                // so an Ace that slides down into it is not passed over.
                while (row < piles_.tableau[static_cast<size_t>(t)].size()) {
                    if (CardRank(piles_.tableau[static_cast<size_t>(t)][row]) != 1) break;
                    if (!offerToFoundations(t, row, 0, kFoundationCount)) break;
                    Pile& stock = piles_.stock[0];
                    const CardNumber replacement = stock.top();
                    // An empty stock has nothing to give.
                    if (replacement == kNoCard) continue;
                    stock.remove(replacement, RemoveMode::Delete);
                    position_.Append(PileId::Tableau(t + 1), replacement, true);
                }
            }
        }
    }

    // Moves every King of each tableau pile, from the bottom up, down to the
    // place `target(cards, k)` names for the King at k (k itself: it stays).
    // The cards from there up to the King move up by one, so the card that
    // lay above the King is still at k + 1.
    template <typename Target>
    void moveKingsDown(Target target) {
        std::array<CardNumber, kCardCount> cards{};
        for (int t = 0; t < tableauCount(); ++t) {
            Pile& pile = piles_.tableau[static_cast<size_t>(t)];
            const int size = pile.size();
            for (int k = 0; k < size; ++k) cards[static_cast<size_t>(k)] = pile[k];
            for (int k = 1; k < size; ++k) {
                if (CardRank(cards[static_cast<size_t>(k)]) != 13) continue;
                const int to = target(cards, k);
                std::rotate(cards.begin() + to, cards.begin() + k, cards.begin() + k + 1);
            }
            pile.clear();
            for (int k = 0; k < size; ++k) pile.append(cards[static_cast<size_t>(k)]);
        }
    }

    void kingsToBottom() {
        moveKingsDown([](const std::array<CardNumber, kCardCount>&, int) { return 0; });
    }

    // Under the deepest lower card of its suit that the King covers.
    void kingsUnderOwnSuit() {
        moveKingsDown([](const std::array<CardNumber, kCardCount>& cards, int k) {
            const CardNumber king = cards[static_cast<size_t>(k)];
            for (int j = 0; j < k; ++j) {
                const CardNumber below = cards[static_cast<size_t>(j)];
                if (CardSuit(below) == CardSuit(king) && CardRank(below) != 13) return j;
            }
            return k;
        });
    }

    void queenAndKingOfHearts() {
        constexpr CardNumber kQueen = 12;
        constexpr CardNumber kKing = 13;
        // A card that lies nowhere (a game too short to hold it) is not made up.
        auto takeOut = [&](CardNumber card) {
            return piles_.RemoveCardAnywhere(card, RemoveMode::Delete).has_value() || deck_.take(card);
        };
        if (takeOut(kKing)) {
            // The stock has no insert, so it is laid out again with the King
            // first; the King takes the face of the stock it joins.
            Pile& stock = piles_.stock[0];
            const Pile above = stock;
            stock.clear();
            position_.Append(PileId::Stock(), kKing, rules_[Rule::StockFaceDown] == 0);
            for (const CardNumber card : above.groups()) stock.append(card);
        }
        if (takeOut(kQueen)) position_.Append(PileId::Tableau(1), kQueen, true);
    }

    Position& position_;
    PileLists& piles_;
    GameRules& rules_;
    Deck deck_;
    bool scoring01_;
    int cardCount_ = kCardsPerDeck;
    int score_ = 0;
};

}  // namespace

int DealGame(Position& position, GameRules& rules, const DeckOrder& deck, bool scoringSystem01) {
    return Dealer(position, rules, deck, scoringSystem01).run();
}

}  // namespace dravicor
