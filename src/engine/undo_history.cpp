#include "engine/undo_history.h"

#include <algorithm>

namespace dravicor {

namespace {
constexpr std::uint8_t kFaceUpBit = 0x80;
}

CompactPosition CompactPosition::From(const Position& position, bool withoutFoundation1) {
    CompactPosition compact;
    compact.withoutFoundation1_ = withoutFoundation1;
    auto& bytes = compact.bytes_;
    bytes.reserve(kPileCount + kCardCount + 8);
    position.piles.forEach([&](PileId id, const Pile& pile) {
        if (withoutFoundation1 && id == PileId::Foundation(1)) {
            bytes.push_back(0);
            return;
        }
        // A pile never holds more groups than a byte counts in play; a longer
        // one (only possible through damaged input) is cut rather than
        // corrupting the other piles.
        const size_t count = std::min<size_t>(pile.groups().size(), 255);
        bytes.push_back(static_cast<std::uint8_t>(count));
        for (size_t i = 0; i < count; ++i) {
            const CardNumber card = pile.groups()[i];
            bytes.push_back(card == kNoCard || position.cardTable.IsFaceDown(card)
                                ? card
                                : static_cast<std::uint8_t>(card | kFaceUpBit));
        }
    });
    return compact;
}

void CompactPosition::restoreInto(Position& position) const {
    size_t at = 0;
    position.piles.forEach([&](PileId id, Pile& pile) {
        const size_t count = bytes_[at++];
        const bool skip = withoutFoundation1_ && id == PileId::Foundation(1);
        if (!skip) pile.clear();
        for (size_t i = 0; i < count; ++i) {
            const std::uint8_t byte = bytes_[at++];
            const CardNumber card = static_cast<CardNumber>(byte & ~kFaceUpBit);
            if (skip) continue;
            pile.append(card);
            if (card != kNoCard) position.cardTable.SetFaceUp(card, (byte & kFaceUpBit) != 0);
        }
    });
}

std::vector<std::string> CompactPosition::snapshotLines() const {
    Position position;
    restoreInto(position);
    return BuildSnapshot(position);
}

}  // namespace dravicor
