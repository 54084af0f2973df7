#include "play/peaks.h"

#include <algorithm>
#include <array>

#include "play/play_state.h"

namespace dravicor {

bool UncoveredInLines(const PileLists& piles, PileId line, int place) {
    if (line.kind != PileKind::Tableau || line.number >= kTableauCount) return true;
    const Pile& next = piles.tableau[static_cast<size_t>(line.number)];
    const auto emptyAt = [&next](int at) { return at >= next.size() || next[at] == kNoCard; };
    return emptyAt(place) && emptyAt(place + 1);
}

void SpreadPeaks(Position& position, const GameRules& rules) {
    const int lines = std::clamp<int>(rules[Rule::TableauCount], 0, kTableauCount);
    const int peaks = rules[Rule::TableauDealCount];
    if (lines < 2 || peaks <= 1) return;  // one peak: every place holds a card
    const int step = lines - 1;           // a peak's base spans step + 1 places
    for (int r = 1; r <= lines; ++r) {
        const int expected = r < lines ? peaks * r : peaks * step + 1;
        if (position.piles.tableau[static_cast<size_t>(r - 1)].size() != expected) return;
    }
    for (int r = 1; r < lines; ++r) {
        Pile& line = position.piles.tableau[static_cast<size_t>(r - 1)];
        const Pile dealt = line;
        line.clear();
        const int places = peaks * step + 1 - (lines - r);
        int next = 0;
        for (int at = 0; at < places; ++at) line.append(at % step < r ? dealt[next++] : kNoCard);
    }
}

int TurnUncoveredCards(StateEditor& edit, int lines) {
    const PlayState& state = edit.state();
    std::array<CardNumber, kCardCount> turn{};
    int count = 0;
    for (int t = 1; t <= lines; ++t) {
        const Pile& line = state.position.piles.tableau[static_cast<size_t>(t - 1)];
        for (int at = 0; at < line.size(); ++at) {
            const CardNumber card = line[at];
            if (card == kNoCard || !state.position.cardTable.IsFaceDown(card)) continue;
            if (UncoveredInLines(state.position.piles, PileId::Tableau(t), at) && count < kCardCount) {
                turn[static_cast<size_t>(count++)] = card;
            }
        }
    }
    for (int i = 0; i < count; ++i) edit.setFaceUp(turn[static_cast<size_t>(i)], true);
    return count;
}

}  // namespace dravicor
