// Properties of whole random positions: all 104 cards dealt at random into
// random piles, with random face flags and random empty slots.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "cards/position.h"

namespace dravicor {
namespace {

std::vector<PileId> AllPiles() {
    std::vector<PileId> ids = {PileId::Stock(), PileId::Waste(), PileId::SecondWaste()};
    for (int n = 1; n <= kFoundationCount; ++n) ids.push_back(PileId::Foundation(n));
    for (int n = 1; n <= kTableauCount; ++n) ids.push_back(PileId::Tableau(n));
    for (int n = 1; n <= kReserveCount; ++n) ids.push_back(PileId::Reserve(n));
    return ids;
}

struct Deal {
    Position position;
    std::map<int, PileId> home;  // where each card lies
};

// Deals the pack into a random subset of the piles (sometimes just a few,
// sometimes all of them), slots sprinkled between and on top of cards.
Deal RandomDeal(std::mt19937& rng) {
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    const std::vector<PileId> all = AllPiles();
    std::vector<PileId> used = all;
    std::shuffle(used.begin(), used.end(), rng);
    used.resize(static_cast<size_t>(pick(1, kPileCount)));
    const int slotChance = pick(0, 3);  // 0: no slots at all

    std::vector<int> cards(kCardCount);
    for (int i = 0; i < kCardCount; ++i) cards[static_cast<size_t>(i)] = i + 1;
    std::shuffle(cards.begin(), cards.end(), rng);

    Deal deal;
    for (const int card : cards) {
        const PileId id = used[static_cast<size_t>(pick(0, static_cast<int>(used.size()) - 1))];
        while (slotChance > 0 && pick(0, 9) < slotChance) deal.position.Append(id, kNoCard, pick(0, 1) == 1);
        deal.position.Append(id, static_cast<CardNumber>(card), pick(0, 1) == 1);
        deal.home[card] = id;
    }
    // Slots on top of some piles, and a few piles of slots only.
    for (int i = 0; slotChance > 0 && i < 5; ++i) deal.position.Append(all[static_cast<size_t>(pick(0, kPileCount - 1))], kNoCard);
    return deal;
}

int CountCards(const PileLists& piles) {
    int count = 0;
    piles.forEach([&](PileId, const Pile& p) {
        for (const CardNumber c : p.groups()) count += c != kNoCard;
    });
    return count;
}

TEST(PositionProperty, SnapshotRoundTripIsExact) {
    std::mt19937 rng(1234567);
    for (int round = 0; round < 300; ++round) {
        const Deal deal = RandomDeal(rng);
        const std::vector<std::string> lines = BuildSnapshot(deal.position);
        ASSERT_EQ(lines.size(), 53u);

        Position restored;
        ASSERT_TRUE(RestoreSnapshot(restored, lines)) << "round " << round;
        EXPECT_EQ(restored, deal.position) << "round " << round;
        EXPECT_EQ(BuildSnapshot(restored), lines) << "round " << round;

        // Restoring over a different position gives the same result, since
        // every pile is rewritten and every card's flag is set.
        Position over = RandomDeal(rng).position;
        ASSERT_TRUE(RestoreSnapshot(over, lines));
        EXPECT_EQ(over, deal.position) << "round " << round;

        // Line by line as well.
        Position byLine;
        const std::vector<PileId> ids = AllPiles();
        for (size_t i = 0; i < ids.size(); ++i) ASSERT_TRUE(RestoreSnapshotLine(byLine, ids[i], lines[i]));
        EXPECT_EQ(byLine, deal.position) << "round " << round;
        for (size_t i = 0; i < ids.size(); ++i) EXPECT_EQ(SnapshotLine(deal.position, ids[i]), lines[i]);
    }
}

TEST(PositionProperty, SnapshotHoldsEveryCardOnce) {
    std::mt19937 rng(98765);
    const std::vector<PileId> ids = AllPiles();
    for (int round = 0; round < 300; ++round) {
        const Deal deal = RandomDeal(rng);
        const std::vector<std::string> lines = BuildSnapshot(deal.position);
        std::vector<int> seen(kCardCount + 1, 0);
        for (size_t i = 0; i < lines.size(); ++i) {
            const std::string& line = lines[i];
            ASSERT_EQ(line.size() % 4, 0u) << line;
            ASSERT_EQ(line.size() / 4, static_cast<size_t>(deal.position.piles.pile(ids[i]).size()));
            for (size_t g = 0; g < line.size(); g += 4) {
                ASSERT_TRUE(std::all_of(line.begin() + static_cast<long>(g), line.begin() + static_cast<long>(g + 4),
                                        [](char c) { return c >= '0' && c <= '9'; }))
                    << line;
                const int card = std::stoi(line.substr(g, 3));
                const char flag = line[g + 3];
                ASSERT_LE(card, kCardCount);
                if (card == 0) {
                    EXPECT_EQ(flag, '0') << "a slot is written 0000";
                    continue;
                }
                ++seen[static_cast<size_t>(card)];
                EXPECT_EQ(flag, deal.position.cardTable.IsFaceUp(card) ? '1' : '0');
                EXPECT_EQ(deal.home.at(card), ids[i]) << "card " << card << " in the wrong line";
            }
        }
        for (int card = 1; card <= kCardCount; ++card) EXPECT_EQ(seen[static_cast<size_t>(card)], 1) << "card " << card;
    }
}

TEST(PositionProperty, RemoveCardAnywhereEmptiesTheTable) {
    std::mt19937 rng(555);
    for (int round = 0; round < 300; ++round) {
        Deal deal = RandomDeal(rng);
        const auto mode = static_cast<RemoveMode>(round % 3 + 1);
        std::vector<int> order(kCardCount);
        for (int i = 0; i < kCardCount; ++i) order[static_cast<size_t>(i)] = i + 1;
        std::shuffle(order.begin(), order.end(), rng);

        PileLists& piles = deal.position.piles;
        int groups = 0;
        piles.forEach([&](PileId, const Pile& p) { groups += p.size(); });
        int remaining = kCardCount;
        for (const int card : order) {
            const PileId home = deal.home.at(card);
            const int homeSize = piles.pile(home).size();
            const int index = piles.pile(home).find(card);
            const bool slotBelow = index > 0 && piles.pile(home)[index - 1] == kNoCard;

            const std::optional<PileKind> kind = piles.RemoveCardAnywhere(card, mode);
            ASSERT_TRUE(kind.has_value()) << "card " << card;
            EXPECT_EQ(*kind, home.kind) << "card " << card;
            EXPECT_FALSE(piles.pile(home).contains(card));
            const int removed = mode == RemoveMode::LeaveSlot ? 0 : (mode == RemoveMode::DeleteWithSlot && slotBelow ? 2 : 1);
            EXPECT_EQ(piles.pile(home).size(), homeSize - removed) << "card " << card;
            groups -= removed;
            --remaining;
            ASSERT_EQ(CountCards(piles), remaining);

            // Gone means gone: a second search finds nothing and changes nothing.
            const PileLists after = piles;
            EXPECT_EQ(piles.RemoveCardAnywhere(card, mode), std::nullopt);
            EXPECT_EQ(piles, after);
        }
        int left = 0;
        piles.forEach([&](PileId, const Pile& p) { left += p.size(); });
        EXPECT_EQ(left, groups);
        EXPECT_EQ(CountCards(piles), 0);
        for (const std::string& line : BuildSnapshot(deal.position))
            EXPECT_EQ(line.find_first_not_of('0'), std::string::npos) << "only slots may remain: " << line;
    }
}

}  // namespace
}  // namespace dravicor
