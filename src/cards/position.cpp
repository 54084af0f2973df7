#include "cards/position.h"

#include <cstdint>

namespace dravicor {

void Position::Append(PileId pile, CardNumber card, bool faceUp) {
    piles.pile(pile).append(card);
    if (card != kNoCard) cardTable.SetFaceUp(card, faceUp);
}

std::size_t PositionHash(const Position& position) {
    // FNV-1a over every group with its face flag, and a separator per pile so
    // that the same cards split differently hash differently.
    std::uint64_t hash = 14695981039346656037ULL;
    const auto mix = [&](std::uint8_t byte) {
        hash ^= byte;
        hash *= 1099511628211ULL;
    };
    position.piles.forEach([&](PileId, const Pile& pile) {
        for (const CardNumber card : pile.groups()) {
            mix(static_cast<std::uint8_t>(card | (position.cardTable.IsFaceUp(card) ? 0x80 : 0)));
        }
        mix(0xFF);
    });
    return static_cast<std::size_t>(hash);
}

std::string SnapshotLine(const Position& position, PileId pile) {
    const Pile& p = position.piles.pile(pile);
    std::string line;
    line.reserve(static_cast<size_t>(p.size()) * 4);
    for (const CardNumber card : p.groups()) {
        line += CardText(card);
        line += card == kNoCard ? '0' : position.cardTable.FaceFlag(card);
    }
    return line;
}

std::vector<std::string> BuildSnapshot(const Position& position) {
    std::vector<std::string> lines;
    lines.reserve(kPileCount);
    position.piles.forEach([&](PileId id, const Pile&) { lines.push_back(SnapshotLine(position, id)); });
    return lines;
}

namespace {

struct Group {
    CardNumber card;
    bool faceUp;
};

// Parses the complete four-character groups of a line; a shorter tail is
// ignored, as a line shorter than one group restores an empty pile. More
// groups than a pile holds make the line malformed.
bool ParseLine(std::string_view line, std::vector<Group>& groups) {
    groups.clear();
    if (line.size() / 4 > static_cast<size_t>(Pile::kCapacity)) return false;
    for (size_t i = 0; i + 4 <= line.size(); i += 4) {
        const auto pile = Pile::FromText(line.substr(i, 3));
        const char flag = line[i + 3];
        if (!pile || (flag != '0' && flag != '1')) return false;
        groups.push_back({(*pile)[0], flag == '1'});
    }
    return true;
}

void Apply(Position& position, PileId id, const std::vector<Group>& groups) {
    Pile& pile = position.piles.pile(id);
    pile.clear();
    for (const Group& g : groups) {
        pile.append(g.card);
        if (g.card != kNoCard) position.cardTable.SetFaceUp(g.card, g.faceUp);
    }
}

}  // namespace

bool RestoreSnapshotLine(Position& position, PileId pile, std::string_view line) {
    std::vector<Group> groups;
    if (!ParseLine(line, groups)) return false;
    Apply(position, pile, groups);
    return true;
}

bool RestoreSnapshot(Position& position, const std::vector<std::string>& lines) {
    if (lines.size() != kPileCount) return false;
    std::vector<std::vector<Group>> parsed(kPileCount);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (!ParseLine(lines[i], parsed[i])) return false;
    }
    size_t i = 0;
    position.piles.forEach([&](PileId id, Pile&) { Apply(position, id, parsed[i++]); });
    return true;
}

}  // namespace dravicor
