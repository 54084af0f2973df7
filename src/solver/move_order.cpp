#include "solver/move_order.h"

#include <algorithm>

#include "rules/legality.h"
#include "rules/rule_codes.h"
#include "solver/position_key.h"

namespace dravicor {

namespace {
constexpr int kRanks = 13;
}  // namespace

MoveOrder::MoveOrder(const PlayState& state) : keys_(state.rules()) {
    const GameRules& rules = state.rules();
    const GameShape& shape = state.shape();
    for (int t = 0; t < shape.tableau; ++t) {
        if (rules[Rule::TableauDealMode + t] != 0) stockDeals_ = true;
    }
    passesLimited_ = rules[Rule::Redeals] != kUnlimitedPasses;
    suitedFoundations_ = shape.foundations > 0;
    for (int f = 0; f < shape.foundations; ++f) {
        const PileRules& drop = shape.foundationDrop[static_cast<size_t>(f)];
        if (static_cast<BuildCode>(drop.build) != BuildCode::SameSuit || drop.direction != BuildDirection::Up ||
            drop.firstCard != 1) {
            suitedFoundations_ = false;
        }
    }
    for (int t = 0; t < shape.tableau; ++t) {
        emptyTakes_[static_cast<size_t>(t)] = shape.tableauRules[static_cast<size_t>(t)].firstCard != FirstCard::Nothing;
    }
    if (shape.tableau > 0) {
        const PlaceContext context{state.position, rules, kLocationNowhere, false};
        const int cards = rules[Rule::CardCount];
        for (int a = 1; a <= cards; ++a) {
            for (int b = 1; b <= cards; ++b) {
                if (a != b && CanPlaceOn(a, b, shape.tableauRules[0], PileId::Tableau(1), false, context)) {
                    follows_[static_cast<size_t>(a)].set(static_cast<size_t>(b));
                }
            }
        }
    }
    // The wastepile games (any card goes on any): nothing but the order the
    // foundations want the cards in says where a card is best laid.
    bool anyOnAny = shape.tableau > 0 && shape.foundations > 0;
    for (int a = 1; a <= rules[Rule::CardCount] && anyOnAny; ++a) {
        anyOnAny = static_cast<int>(follows_[static_cast<size_t>(a)].count()) == rules[Rule::CardCount] - 1;
    }
    wantedOrder_ = anyOnAny;
    const PileLists& piles = state.position.piles;
    for (int t = 0; t < shape.tableau; ++t) {
        for (const CardNumber card : piles.tableau[static_cast<size_t>(t)].groups()) {
            if (card != kNoCard && state.position.cardTable.IsFaceDown(card)) faceDownCards_ = true;
        }
    }
    int group = 0;
    for (const auto& piles : keys_.groups()) {
        ++group;
        for (const PileId pile : piles) {
            if (pile.kind == PileKind::Tableau) tableauGroup_[static_cast<size_t>(pile.number - 1)] = group;
        }
    }
}

std::uint64_t MoveOrder::updateWanted(const PlayState& state) {
    const GameShape& shape = state.shape();
    const PileLists& piles = state.position.piles;
    std::uint64_t tops = 0x6A09E667F3BCC908ULL;
    for (int f = 0; f < shape.foundations; ++f) {
        tops = MixKeyBits(tops ^ static_cast<std::uint64_t>(piles.foundations[static_cast<size_t>(f)].top() + 1));
    }
    if (tops == wantedTops_) return tops;
    wantedTops_ = tops;
    wantedAt_.fill(kNeverWanted);
    wantedChain_.fill(kNoChain);
    const PlaceContext context{state.position, state.rules(), kLocationNowhere, false};
    const int cards = state.rules()[Rule::CardCount];
    // Each foundation's next cards in turn: what it takes now, then what it
    // would take on the first of those, and so on for a suit's length. A
    // chain is named by the card it grows from (the top, or for an empty
    // foundation each card that may start it), so the foundations that take
    // any suit put every card on several chains, the suited ones on one.
    std::bitset<kCardCount + 1> startsWalked;
    const auto walk = [&](const PileRules& drop, PileId pile, int top, int step) {
        const std::int16_t chain = static_cast<std::int16_t>(top);
        for (; step < kRanks; ++step) {
            int next = kNoCard;
            for (int card = 1; card <= cards; ++card) {
                if (card == top || !CanPlaceOn(top, card, drop, pile, false, context)) continue;
                if (next == kNoCard) next = card;
                auto& at = wantedAt_[static_cast<size_t>(card)];
                at = std::min<std::int8_t>(at, static_cast<std::int8_t>(step));
                auto& on = wantedChain_[static_cast<size_t>(card)];
                on = on == kNoChain || on == chain ? chain : kManyChains;
            }
            if (next == kNoCard) break;
            top = next;
        }
    };
    for (int f = 0; f < shape.foundations; ++f) {
        // A foundation closed while the hand lasts (Strategy) takes nothing
        // yet, but the hand is laid out for the order it will want once open.
        PileRules drop = shape.foundationDrop[static_cast<size_t>(f)];
        if (static_cast<BuildCode>(drop.build) == BuildCode::UpInSuitWhileWasteEmpty) {
            drop.build = static_cast<int>(BuildCode::SameSuit);
            drop.direction = BuildDirection::Up;
        }
        const PileId pile = PileId::Foundation(f + 1);
        const int top = piles.foundations[static_cast<size_t>(f)].top();
        if (IsCard(top)) {
            walk(drop, pile, top, 0);
            continue;
        }
        for (int card = 1; card <= cards; ++card) {
            if (startsWalked.test(static_cast<size_t>(card)) || !CanPlaceOn(0, card, drop, pile, false, context)) continue;
            startsWalked.set(static_cast<size_t>(card));
            auto& at = wantedAt_[static_cast<size_t>(card)];
            at = 0;
            auto& on = wantedChain_[static_cast<size_t>(card)];
            on = on == kNoChain || on == card ? static_cast<std::int16_t>(card) : kManyChains;
            walk(drop, pile, card, 1);
        }
    }
    return tops;
}

int MoveOrder::pileValue(const PlayState& state, int t, const std::array<int, 5>& needed) const {
    const Pile& pile = state.position.piles.tableau[static_cast<size_t>(t)];
    const CardTable& faces = state.position.cardTable;
    const int size = pile.size();
    if (size == 0) return emptyTakes_[static_cast<size_t>(t)] ? 60 : 0;
    int value = 0;
    int deepestNeeded = -1;
    for (int i = 0; i < size; ++i) {
        const CardNumber card = pile[i];
        if (!IsCard(card)) continue;
        if (faces.IsFaceDown(card)) {
            value -= 30;
            continue;
        }
        if (suitedFoundations_ && deepestNeeded < 0 && CardRank(card) <= needed[static_cast<size_t>(CardSuit(card))] + 1) {
            deepestNeeded = i;
        }
        if (i + 1 < size) value += follows_[card].test(pile[i + 1]) ? 5 : -10;
    }
    // The cards above the lowest card the foundations will soon want.
    if (deepestNeeded >= 0) value -= 4 * (size - 1 - deepestNeeded);
    if (wantedOrder_) {
        // The pile's room: how many of its chain's next cards may still go
        // on its top without burying it, so a card is laid where it fits
        // most closely and the piles with room are kept for later cards.
        // (Where every card is on several chains, as in Calculation, the
        // room only misleads: a card that fits one chain fits the others.)
        const CardNumber top = pile[size - 1];
        if (IsCard(top) && wantedChain_[static_cast<size_t>(top)] >= 0) {
            value += 2 * std::min<int>(wantedAt_[static_cast<size_t>(top)], kRanks);
        }
        // Every card lying above one the foundations want before it.
        for (int i = 0; i + 1 < size; ++i) {
            if (!IsCard(pile[i])) continue;
            const int below = wantedAt_[static_cast<size_t>(pile[i])];
            const std::int16_t chain = wantedChain_[static_cast<size_t>(pile[i])];
            for (int j = i + 1; j < size; ++j) {
                if (!IsCard(pile[j]) || wantedAt_[static_cast<size_t>(pile[j])] <= below) continue;
                // On one chain with the card it covers, a card can never go
                // home first: the pile is stuck for good. On another single
                // chain, only that chain's earlier cards can free it.
                const std::int16_t above = wantedChain_[static_cast<size_t>(pile[j])];
                value -= chain >= 0 && above == chain ? 400 : chain >= 0 && above >= 0 ? 80 : 40;
            }
        }
    }
    return value;
}

int MoveOrder::value(const PlayState& state, const SearchKey& key) {
    const GameShape& shape = state.shape();
    const PileLists& piles = state.position.piles;
    int value = 100 * piles.stock[2].size();
    // The rank each suit's foundations need next (the lowest of them).
    std::array<int, 5> needed{14, 14, 14, 14, 14};
    int foundationCards = 0;
    for (int f = 0; f < shape.foundations; ++f) {
        const Pile& pile = piles.foundations[static_cast<size_t>(f)];
        foundationCards += pile.size();
        if (suitedFoundations_) {
            const CardNumber top = pile.top();
            if (IsCard(top)) {
                needed[static_cast<size_t>(CardSuit(top))] = std::min(needed[static_cast<size_t>(CardSuit(top))], CardRank(top) + 1);
            } else {
                needed = {1, 1, 1, 1, 1};
            }
        }
    }
    value += 100 * foundationCards;
    std::uint64_t neededMix = wantedOrder_ ? updateWanted(state) : 0;
    for (const int rank : needed) neededMix = neededMix * 31 + static_cast<std::uint64_t>(rank);
    neededMix *= 0x9E3779B97F4A7C15ULL;
    for (int t = 0; t < shape.tableau; ++t) {
        const std::uint64_t term = key.pileTerm(kFirstTableauIndex + t) ^ neededMix;
        Cached& slot = cache_[static_cast<size_t>(t)][static_cast<size_t>(term >> 61)];
        if (slot.term != term) slot = {term, pileValue(state, t, needed)};
        value += slot.value;
    }
    for (int r = 0; r < shape.reserves; ++r) {
        if (piles.reserves[static_cast<size_t>(r)].empty()) value += 25;
    }
    if (passesLimited_) value -= 8 * piles.stock[1].size();
    return value;
}

bool MoveOrder::pointless(const PlayState& state, const Move& move) const {
    if (move.kind != MoveKind::Card || move.from.kind != PileKind::Tableau || move.to.kind != PileKind::Tableau) {
        return false;
    }
    const Pile& from = state.position.piles.pile(move.from);
    const Pile& to = state.position.piles.pile(move.to);
    return to.empty() && from.size() == move.count && from.find(move.card) == 0 &&
           tableauGroup_[static_cast<size_t>(move.from.number - 1)] ==
               tableauGroup_[static_cast<size_t>(move.to.number - 1)] &&
           !keys_.isPlaceNow(move.from, state.position, state.passNumber) &&
           !keys_.isPlaceNow(move.to, state.position, state.passNumber);
}

int MoveOrder::score(const PlayState& state, const Move& move) const {
    const PileLists& piles = state.position.piles;
    const CardTable& faces = state.position.cardTable;
    switch (move.kind) {
        case MoveKind::TurnUp: return 900;
        case MoveKind::StockClick: return stockDeals_ ? -250 : -20;
        case MoveKind::Select:
        case MoveKind::Press: return 100;
        case MoveKind::Card: break;
        default: return 0;
    }
    int score = 0;
    const Pile& source = piles.pile(move.from);
    const Pile& target = piles.pile(move.to);
    switch (move.to.kind) {
        case PileKind::Foundation: score += 1000; break;
        case PileKind::SecondWaste: score += 300; break;
        case PileKind::Reserve: score -= 200; break;
        case PileKind::Tableau:
            if (target.empty()) {
                score -= 100;
            } else if (IsCard(target.top()) && CardSuit(target.top()) == CardSuit(move.card)) {
                score += 40;
            }
            break;
        default: break;
    }
    switch (move.from.kind) {
        case PileKind::Foundation: score -= 400; break;
        case PileKind::Waste: score += 120; break;
        case PileKind::Reserve: score += 100; break;
        case PileKind::Tableau: {
            const int at = source.find(move.card);
            if (at == 0) {
                score += move.to.kind == PileKind::Tableau && target.empty() ? -300 : 150;
                break;
            }
            const CardNumber below = at > 0 ? source[at - 1] : kNoCard;
            if (below != kNoCard && faces.IsFaceDown(below)) {
                int down = 0;
                for (int i = 0; i < at; ++i) down += source[i] != kNoCard && faces.IsFaceDown(source[i]) ? 1 : 0;
                score += 300 + 10 * down;
            } else if (IsCard(below) && move.to.kind != PileKind::Foundation &&
                       CardSuit(below) == CardSuit(move.card) &&
                       (CardRank(below) == CardRank(move.card) + 1 || CardRank(below) + 1 == CardRank(move.card))) {
                // Taken off its suited run: mostly a shuffle between equal places.
                score -= 300;
            }
            break;
        }
        default: break;
    }
    if (faceDownCards_ && move.to.kind == PileKind::Tableau && move.from.kind == PileKind::Tableau && score < 0) {
        score -= 50;
    }
    return score;
}

}  // namespace dravicor
