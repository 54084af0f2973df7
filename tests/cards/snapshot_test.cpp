#include "cards/position.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace dravicor {
namespace {

// A small position: a few cards, a slot and both face states.
Position SamplePosition() {
    Position p;
    p.Append(PileId::Stock(), 1, false);
    p.Append(PileId::Stock(), 53, false);
    p.Append(PileId::Waste(), 14, true);
    p.Append(PileId::Foundation(1), 27, true);
    p.Append(PileId::Tableau(1), 40, false);
    p.Append(PileId::Tableau(1), kNoCard, true);
    p.Append(PileId::Tableau(1), 104, true);
    p.Append(PileId::Tableau(26), 10, true);
    p.Append(PileId::Reserve(8), 52, false);
    return p;
}

std::vector<std::string> EmptySnapshot() { return std::vector<std::string>(kPileCount); }

TEST(Snapshot, LinesInPileOrder) {
    const Position p = SamplePosition();
    const std::vector<std::string> lines = BuildSnapshot(p);
    ASSERT_EQ(lines.size(), 53u);
    std::vector<std::string> expected = EmptySnapshot();
    expected[0] = "00100530";              // Mazzo
    expected[1] = "0141";                  // Mazzo_Vis
    expected[3] = "0271";                  // Dest1
    expected[19] = "0400" "0000" "1041";   // Fila1: 40 face down, a slot, 104 face up
    expected[44] = "0101";                 // Fila26
    expected[52] = "0520";                 // Appogg8
    EXPECT_EQ(lines, expected);

    EXPECT_EQ(SnapshotLine(p, PileId::Tableau(1)), "040000001041");
    EXPECT_EQ(SnapshotLine(p, PileId::SecondWaste()), "");
    EXPECT_EQ(BuildSnapshot(Position()), EmptySnapshot());
}

TEST(Snapshot, AppendWithoutFlagLeavesTheFlag) {
    Position p;
    p.cardTable.SetFaceUp(5, false);
    p.Append(PileId::Tableau(3), 5);
    EXPECT_EQ(SnapshotLine(p, PileId::Tableau(3)), "0050");
    p.Append(PileId::Tableau(3), 6);
    EXPECT_EQ(SnapshotLine(p, PileId::Tableau(3)), "00500061");
    // A slot never carries a flag, whatever the argument.
    p.Append(PileId::Tableau(3), kNoCard, true);
    EXPECT_EQ(SnapshotLine(p, PileId::Tableau(3)), "005000610000");
}

TEST(Snapshot, LongLinesUpToWhatAPileHolds) {
    // As many groups as a pile holds: every card over and over, alternating flags.
    std::string line;
    for (int i = 0; i < Pile::kCapacity; ++i) line += CardText(i % 105) + (i % 2 == 0 ? "1" : "0");
    Position p;
    ASSERT_TRUE(RestoreSnapshotLine(p, PileId::Tableau(2), line));
    EXPECT_EQ(p.piles.pile(PileId::Tableau(2)).size(), Pile::kCapacity);
    // A card met again takes the later flag, so only the length carries over.
    EXPECT_EQ(SnapshotLine(p, PileId::Tableau(2)).size(), line.size());

    // One group more, a bad group at the very end, long garbage: rejected, nothing changed.
    Position q = SamplePosition();
    const Position before = q;
    EXPECT_FALSE(RestoreSnapshotLine(q, PileId::Tableau(1), line + "0011"));
    EXPECT_FALSE(RestoreSnapshotLine(q, PileId::Tableau(1), line.substr(4) + "1051"));
    EXPECT_FALSE(RestoreSnapshotLine(q, PileId::Tableau(1), std::string(100000, 'z')));
    EXPECT_FALSE(RestoreSnapshotLine(q, PileId::Tableau(1), std::string(100003, '0')));
    EXPECT_EQ(q, before);
}

// Random lines built from valid groups with now and then a corrupt one
// (number above 104, bad flag, a stray character such as a sign, a blank or
// a NUL, in any group) and a random cut at the end, which may leave a short
// or garbled group behind the complete ones: the call succeeds exactly when a group-by-group check says so, and on
// success the pile holds exactly the complete groups.
TEST(Snapshot, RandomLinesFollowTheGroupRules) {
    std::mt19937 rng(4242);
    const std::string noise = std::string("abzZ -+.\n\t/:", 12) + std::string(1, '\0') + "\xff";
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    int accepted = 0;
    int rejected = 0;
    for (int round = 0; round < 5000; ++round) {
        std::string line;
        const int count = pick(0, 15);
        for (int i = 0; i < count; ++i) {
            std::string group = CardText(pick(0, 104)) + static_cast<char>('0' + pick(0, 1));
            switch (pick(0, 60)) {
                case 0: group = CardText(pick(105, 999)) + group[3]; break;
                case 1: group[3] = static_cast<char>('2' + pick(0, 7)); break;
                case 2: group[static_cast<size_t>(pick(0, 3))] = noise[static_cast<size_t>(pick(0, 13))]; break;
                default: break;
            }
            line += group;
        }
        if (pick(0, 2) == 0) line.resize(line.size() - std::min<size_t>(line.size(), static_cast<size_t>(pick(0, 3))));

        bool valid = true;
        std::vector<std::pair<int, char>> groups;
        for (size_t i = 0; i + 4 <= line.size(); i += 4) {
            const std::string g = line.substr(i, 4);
            bool digits = true;
            for (size_t j = 0; j < 3; ++j) digits = digits && g[j] >= '0' && g[j] <= '9';
            const int card = digits ? std::stoi(g.substr(0, 3)) : -1;
            if (!digits || card > 104 || (g[3] != '0' && g[3] != '1')) {
                valid = false;
                break;
            }
            groups.emplace_back(card, g[3]);
        }

        Position p = SamplePosition();
        const Position before = p;
        const bool ok = RestoreSnapshotLine(p, PileId::Tableau(1), line);
        ASSERT_EQ(ok, valid) << "'" << line << "'";
        if (!ok) {
            EXPECT_EQ(p, before);
            ++rejected;
            continue;
        }
        ++accepted;
        const Pile& pile = p.piles.pile(PileId::Tableau(1));
        ASSERT_EQ(pile.size(), static_cast<int>(groups.size()));
        for (size_t i = 0; i < groups.size(); ++i) EXPECT_EQ(pile[static_cast<int>(i)], groups[i].first);
        // A card named by the line has the flag of its last group; every
        // other card keeps its flag.
        for (int card = 1; card <= kCardCount; ++card) {
            char flag = before.cardTable.FaceFlag(card);
            for (const auto& [c, f] : groups)
                if (c == card) flag = f;
            EXPECT_EQ(p.cardTable.FaceFlag(card), flag) << "card " << card << " in '" << line << "'";
        }
        // No other pile moved.
        PileLists others = p.piles;
        others.pile(PileId::Tableau(1)) = before.piles.pile(PileId::Tableau(1));
        EXPECT_EQ(others, before.piles);
    }
    // The generator must have produced both outcomes in quantity.
    EXPECT_GT(accepted, 1000);
    EXPECT_GT(rejected, 500);
}

TEST(Snapshot, RestoreNeedsExactly53GoodLinesAndChangesNothingOtherwise) {
    const Position source = SamplePosition();
    const std::vector<std::string> lines = BuildSnapshot(source);
    std::vector<std::vector<std::string>> wrong;
    for (const size_t count : {size_t{0}, size_t{1}, size_t{52}, size_t{54}, size_t{106}}) {
        wrong.push_back(lines);
        wrong.back().resize(count);
    }
    for (const size_t bad : {size_t{0}, size_t{18}, size_t{19}, size_t{52}}) {
        wrong.push_back(lines);
        wrong.back()[bad] = "0011" "1050";
    }
    for (const auto& snapshot : wrong) {
        Position p;
        p.Append(PileId::Tableau(5), 77, false);
        p.Append(PileId::Stock(), 1, true);
        const Position before = p;
        EXPECT_FALSE(RestoreSnapshot(p, snapshot)) << snapshot.size() << " lines";
        EXPECT_EQ(p, before);
    }
    Position p;
    ASSERT_TRUE(RestoreSnapshot(p, lines));
    EXPECT_EQ(p, source);
    EXPECT_EQ(BuildSnapshot(p), lines);
}

TEST(Snapshot, RestoreEmptiesPilesWithEmptyLines) {
    Position p = SamplePosition();
    p.Append(PileId::SecondWaste(), 99, true);
    ASSERT_TRUE(RestoreSnapshot(p, EmptySnapshot()));
    EXPECT_EQ(p.piles, PileLists());
    EXPECT_EQ(BuildSnapshot(p), EmptySnapshot());
}

TEST(PositionHash, FollowsPilesAndFaceFlags) {
    Position a;
    a.Append(PileId::Tableau(1), 5, true);
    a.Append(PileId::Tableau(1), 6, true);
    Position b = a;
    EXPECT_EQ(PositionHash(a), PositionHash(b));
    b.cardTable.SetFaceUp(6, false);
    EXPECT_NE(PositionHash(a), PositionHash(b)) << "a face flag";
    Position c;
    c.Append(PileId::Tableau(1), 5, true);
    c.Append(PileId::Tableau(2), 6, true);
    EXPECT_NE(PositionHash(a), PositionHash(c)) << "the same cards split between piles";
    // Face flags of cards that lie nowhere do not count.
    Position d = a;
    d.cardTable.SetFaceUp(50, false);
    EXPECT_EQ(PositionHash(a), PositionHash(d));
}

}  // namespace
}  // namespace dravicor
