#include "solver/engine_hints.h"

#include <algorithm>

#include "solver/live_verdict.h"
#include "solver/solution_replay.h"

namespace dravicor {

std::vector<PlayState> EarlierSearchStates(const Engine& engine) {
    return StatesOfUndoSteps(engine.history(), SearchStartOf(engine));
}

Hint HintForEngine(const Engine& engine, HintFinder& finder, const SolveBudget& budget) {
    const PlayState now = SearchStartOf(engine);
    finder.noteDeal(EarlierSearchStates(engine), now);
    return finder.find(now, budget);
}

std::string HintCommands(const Move& move) {
    std::string text;
    for (const std::string& line : SolutionCommands({move})) text += (text.empty() ? "" : "\n") + line;
    return text;
}

HintMarks MarksOfHint(const Position& position, const Move& move) {
    HintMarks marks;
    const auto liftTop = [&](PileId pile) {
        if (const CardNumber top = position.piles.pile(pile).top(); IsCard(top)) marks.lifted.push_back(top);
    };
    switch (move.kind) {
        case MoveKind::Card: {
            const Pile& from = position.piles.pile(move.from);
            const int at = from.find(move.card);
            if (at < 0) return marks;
            // The move knows how many come along; a move made by hand may
            // not say, and then everything above the card comes.
            const int last = move.count > 0 ? std::min(from.size(), at + move.count) : from.size();
            for (int index = at; index < last; ++index) {
                if (IsCard(from[index])) marks.lifted.push_back(from[index]);
            }
            marks.target = move.to;
            break;
        }
        case MoveKind::TurnUp:
        case MoveKind::Press:
            marks.lifted.push_back(move.card);
            marks.target = move.from;
            break;
        case MoveKind::Select:
            for (const CardNumber card : move.presses) {
                if (IsCard(card)) marks.lifted.push_back(card);
            }
            break;
        case MoveKind::Discard:
            marks.target = PileId::SecondWaste();
            break;
        case MoveKind::StockClick:
        case MoveKind::TurnStock:
        case MoveKind::Redeal:
        case MoveKind::ShuffleRedeal:
        case MoveKind::Deal:
        case MoveKind::RefillGaps:
        case MoveKind::CloseGaps:
            liftTop(PileId::Stock());
            marks.target = PileId::Stock();
            break;
    }
    return marks;
}

}  // namespace dravicor
