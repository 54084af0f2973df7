#include "solver/solution_replay.h"

#include "engine/player_input.h"

namespace dravicor {

PlayState SearchStartOf(const Engine& engine) {
    PlayState state = engine.playState();
    state.options.autoplay = false;
    return state;
}

std::vector<std::string> SolutionCommands(const std::vector<Move>& moves) {
    std::vector<std::string> lines;
    for (const Move& move : moves) {
        switch (move.kind) {
            case MoveKind::Card: lines.push_back("move " + CardText(move.card) + ' ' + PileName(move.to)); break;
            case MoveKind::TurnUp:
            case MoveKind::Press: lines.push_back("press " + CardText(move.card)); break;
            case MoveKind::Select:
                for (int i = 0; i < move.count; ++i) lines.push_back("press " + CardText(move.presses[static_cast<size_t>(i)]));
                break;
            default: lines.push_back("stock"); break;
        }
    }
    return lines;
}

bool IsLegalDrag(const Engine& engine, int card, PileId target) {
    for (const PlayerMove& m : engine.LegalMoves()) {
        if (m.card == card && m.target == target) return true;
    }
    return false;
}

std::size_t ReplayOnEngine(Engine& engine, const std::vector<Move>& moves) {
    engine.SetAutoplay(false);
    std::size_t made = 0;
    for (const Move& move : moves) {
        const PlayState before = engine.playState();
        switch (move.kind) {
            case MoveKind::Card: {
                const std::size_t steps = engine.history().undo.size();
                // A card the pointer cannot reach (fanned below the table's
                // edge), or a drop that lands on another pile (a long fan
                // reaching over the target's place), is moved by the
                // executor, the rules asked first.
                if (PlayMove(engine, {move.card, move.to}) &&
                    FindCard(engine.playState().position.piles, move.card) != move.to &&
                    engine.history().undo.size() > steps) {
                    engine.Undo(true);
                }
                if (FindCard(engine.playState().position.piles, move.card) != move.to &&
                    IsLegalDrag(engine, move.card, move.to)) {
                    engine.MoveCard(move.card, PileName(move.to));
                }
                break;
            }
            case MoveKind::TurnUp:
            case MoveKind::Press: PressCards(engine, {move.card}); break;
            case MoveKind::Select:
                PressCards(engine, std::vector<CardNumber>(move.presses.begin(), move.presses.begin() + move.count));
                break;
            default: ClickStock(engine); break;
        }
        const PlayState after = engine.playState();
        if (after.position == before.position && after.passNumber == before.passNumber) return made;
        ++made;
    }
    return made;
}

}  // namespace dravicor
