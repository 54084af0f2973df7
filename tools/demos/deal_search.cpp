#include "deal_search.h"

#include <algorithm>
#include <unordered_set>

#include "engine/poker.h"
#include "position_key.h"
#include "position_score.h"
#include "rules/rule_codes.h"

namespace dravicor {

namespace {

struct Child {
    SearchMove move;
    int score = 0;
};

// The moves out of one position on the current path, best first.
struct Frame {
    std::vector<Child> children;
    size_t next = 0;
    size_t depth = 0;  // undo steps of the position
};

std::optional<PileId> PileHolding(const Position& position, int card) {
    std::optional<PileId> found;
    position.piles.forEach([&](PileId id, const Pile& pile) {
        if (!found && pile.contains(card)) found = id;
    });
    return found;
}

class DealSearch {
public:
    DealSearch(Engine& engine, const SearchBudget& budget)
        : engine_(engine), budget_(budget), keys_(engine.rules()), root_(engine.history().undo.size()) {}

    SearchReport run() {
        visited_.insert(keyOfCurrent());
        std::vector<Frame> path;
        path.push_back(expand());
        while (!report_.won && !path.empty()) {
            Frame& frame = path.back();
            if (frame.next == frame.children.size() || report_.positions >= budget_.positions) {
                path.pop_back();
                if (!path.empty()) TakeBackTo(engine_, path.back().depth);
                continue;
            }
            const Child& child = frame.children[frame.next++];
            if (!MakeSearchMove(engine_, child.move)) {
                TakeBackTo(engine_, frame.depth);
                continue;
            }
            const size_t depth = engine_.history().undo.size();
            if (depth - root_ >= static_cast<size_t>(budget_.steps)) {
                TakeBackTo(engine_, frame.depth);
                continue;
            }
            Frame next = expand();
            next.depth = depth;
            path.push_back(std::move(next));
        }
        if (!report_.won) TakeBackTo(engine_, root_);
        return report_;
    }

private:
    std::uint64_t keyOfCurrent() const { return keys_.keyOf(engine_.position(), engine_.game().passNumber); }

    // Tries every move of the position once: a win ends the search there;
    // each new position becomes a child, scored, and is marked as met.
    Frame expand() {
        Frame frame;
        frame.depth = engine_.history().undo.size();
        for (const SearchMove& move : CandidateMoves(engine_)) {
            ++report_.positions;
            if (!MakeSearchMove(engine_, move)) {
                ++report_.refusedMoves;
                TakeBackTo(engine_, frame.depth);
                continue;
            }
            if (!move.stock && move.presses.empty() && landedElsewhere(move.drag)) ++report_.misroutedMoves;
            // A full poker grid ends the game, but only a hundred points win it.
            const bool won = engine_.IsGameWon() && (SpecialGameOf(engine_.rules()) != SpecialGame::PokerGrid ||
                                                     IsPokerScoreWinning(engine_.game().score));
            if (won) {
                if (engine_.game().inProgress) ++report_.unendedWins;
                report_.won = true;
                frame.children.clear();
                return frame;
            }
            if (visited_.insert(keyOfCurrent()).second) {
                frame.children.push_back({move, ScorePosition(engine_.position(), engine_.rules())});
            }
            TakeBackTo(engine_, frame.depth);
        }
        // Best first; among equals a stock click before a drag, since a drag
        // that gains nothing mostly shuffles cards between equal places.
        std::stable_sort(frame.children.begin(), frame.children.end(), [](const Child& a, const Child& b) {
            if (a.score != b.score) return a.score > b.score;
            return a.move.stock && !b.move.stock;
        });
        return frame;
    }

    // A dropped card lies on the target pile, or has gone on from there to a
    // foundation by autoplay (perhaps the one it was taken from); anywhere
    // else the drop went astray.
    bool landedElsewhere(const PlayerMove& drag) const {
        const std::optional<PileId> now = PileHolding(engine_.position(), drag.card);
        return now != drag.target && !(now && now->kind == PileKind::Foundation);
    }

    Engine& engine_;
    SearchBudget budget_;
    PositionKeys keys_;
    size_t root_;
    std::unordered_set<std::uint64_t> visited_;
    SearchReport report_;
};

}  // namespace

SearchReport SearchForWin(Engine& engine, const SearchBudget& budget) {
    if (!engine.game().inProgress) return {};
    return DealSearch(engine, budget).run();
}

}  // namespace dravicor
