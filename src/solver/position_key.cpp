#include "solver/position_key.h"

#include <algorithm>

#include "play/play_state.h"
#include "play/special_families.h"
#include "rules/rule_codes.h"
#include "rules/rule_parameters.h"

namespace dravicor {

namespace {

// Blocks that only say how a pile is dealt: once play starts, two piles that
// differ only here behave the same.
bool IsDealOnly(int blockIndex) {
    return blockIndex == Rule::TableauDealCount || blockIndex == Rule::TableauDealFaceUp ||
           blockIndex == Rule::ReserveDealCount || blockIndex == Rule::FoundationDealCard;
}

PileBlock BlockOf(PileKind kind) {
    switch (kind) {
        case PileKind::Foundation: return PileBlock::Foundation;
        case PileKind::Tableau: return PileBlock::Tableau;
        case PileKind::Reserve: return PileBlock::Reserve;
        default: return PileBlock::None;
    }
}

int CountOf(PileKind kind, const GameRules& rules) {
    switch (kind) {
        case PileKind::Foundation: return rules[Rule::FoundationCount];
        case PileKind::Tableau: return rules[Rule::TableauCount];
        case PileKind::Reserve: return rules[Rule::ReserveCount];
        default: return 0;
    }
}

bool SameRules(PileKind kind, int a, int b, const GameRules& rules) {
    for (const ParameterInfo& parameter : AllParameters()) {
        if (parameter.block != BlockOf(kind) || IsDealOnly(parameter.index)) continue;
        if (rules[parameter.index + a - 1] != rules[parameter.index + b - 1]) return false;
    }
    return true;
}

// The piles a stock click deals a card onto (by PileIndex).
std::uint64_t PilesDealtTo(const GameRules& rules) {
    std::uint64_t piles = 0;
    const auto dealt = [](int mode) { return mode >= DealMode::EveryClick && mode <= DealMode::InPairs; };
    // The reserves dealt in pairs hand the last eight cards to every tableau pile.
    const bool lastToTableau = rules[Rule::ReserveDealMode] == DealMode::InPairs;
    for (int t = 0; t < std::clamp<int>(rules[Rule::TableauCount], 0, kTableauCount); ++t) {
        if (lastToTableau || dealt(rules[Rule::TableauDealMode + t])) {
            piles |= std::uint64_t{1} << PileIndex(PileId::Tableau(t + 1));
        }
    }
    for (int r = 0; r < std::clamp<int>(rules[Rule::ReserveCount], 0, kReserveCount); ++r) {
        if (dealt(rules[Rule::ReserveDealMode + r])) piles |= std::uint64_t{1} << PileIndex(PileId::Reserve(r + 1));
    }
    return piles;
}

}  // namespace

PositionKeys::PositionKeys(const GameRules& rules)
    : dealtTo_(PilesDealtTo(rules)),
      passLimit_(rules[Rule::Redeals]),
      twoDecks_(rules[Rule::CardCount] > kCardsPerDeck),
      passesCount_(rules[Rule::Redeals] != kUnlimitedPasses) {
    groups_.push_back({PileId::Stock()});
    groups_.push_back({PileId::Waste()});
    groups_.push_back({PileId::SecondWaste()});
    const auto addKind = [&](PileKind kind, int total, bool places = false) {
        // Piles that are places each stand alone.
        const int inPlay = places ? 0 : std::clamp(CountOf(kind, rules), 0, total);
        const size_t first = groups_.size();
        for (int n = 1; n <= total; ++n) {
            const PileId pile{kind, n};
            bool joined = false;
            for (size_t g = first; g < groups_.size() && n <= inPlay && !joined; ++g) {
                const PileId other = groups_[g].front();
                if (other.number <= inPlay && SameRules(kind, other.number, n, rules)) {
                    groups_[g].push_back(pile);
                    joined = true;
                }
            }
            if (!joined) groups_.push_back({pile});
        }
    };
    addKind(PileKind::Foundation, kFoundationCount);
    addKind(PileKind::Tableau, kTableauCount, TableauPilesArePlaces(SpecialGameOf(rules)));
    addKind(PileKind::Reserve, kReserveCount);
}

bool PositionKeys::dealing(const Position& position, int passNumber) const {
    if (dealtTo_ == 0) return false;
    const PileLists& piles = position.piles;
    if (!piles.stock[0].empty()) return true;
    // A waste that may be turned over fills the stock again.
    return !piles.stock[1].empty() && (passLimit_ == kUnlimitedPasses || passNumber < passLimit_);
}

bool PositionKeys::isPlaceNow(PileId pile, const Position& position, int passNumber) const {
    return (dealtTo_ >> PileIndex(pile) & 1) != 0 && dealing(position, passNumber);
}

std::uint64_t PositionKeys::keyOf(const Position& position, int passNumber) const {
    const auto pileHash = [&](PileId id) {
        std::uint64_t hash = 0x243F6A8885A308D3ULL;
        for (const CardNumber card : position.piles.pile(id).groups()) {
            int face = card;
            if (twoDecks_ && card > kCardsPerDeck) face -= kCardsPerDeck;
            if (position.cardTable.IsFaceUp(card)) face |= 0x80;
            hash = MixKeyBits(hash ^ static_cast<std::uint64_t>(face));
        }
        return hash;
    };
    std::uint64_t key = MixKeyBits(passesCount_ ? static_cast<std::uint64_t>(passNumber) : 0);
    const bool placesNow = dealing(position, passNumber);
    std::vector<std::uint64_t> hashes;
    for (const auto& group : groups_) {
        hashes.clear();
        for (const PileId id : group) {
            // A place's hash goes in where it stands, the others sorted.
            if (placesNow && (dealtTo_ >> PileIndex(id) & 1) != 0) {
                key = MixKeyBits(key ^ pileHash(id) ^ static_cast<std::uint64_t>(PileIndex(id) + 1));
            } else {
                hashes.push_back(pileHash(id));
            }
        }
        std::sort(hashes.begin(), hashes.end());
        for (const std::uint64_t hash : hashes) key = MixKeyBits(key ^ hash);
        key = MixKeyBits(key + 1);  // the group's end
    }
    return key;
}

}  // namespace dravicor
