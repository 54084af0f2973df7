#include "solver/solution_replay.h"

#include "engine/player_input.h"
#include "play/journal.h"
#include "play/move_core.h"

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

std::size_t ReplayOnEngine(Engine& engine, const std::vector<Move>& moves) {
    engine.SetAutoplay(false);
    PlayState expected = SearchStartOf(engine);
    Journal journal;
    std::size_t made = 0;
    for (const Move& move : moves) {
        const PlayState before = engine.playState();
        if (ApplyMove(expected, move, journal).applied && !WinTestHolds(expected)) ApplyFollowUps(expected, journal);
        journal.clear();
        switch (move.kind) {
            case MoveKind::Card: PlaceCard(engine, {move.card, move.to}); break;
            case MoveKind::TurnUp:
            case MoveKind::Press: PressCards(engine, {move.card}); break;
            case MoveKind::Select:
                PressCards(engine, std::vector<CardNumber>(move.presses.begin(), move.presses.begin() + move.count));
                break;
            default: ClickStock(engine); break;
        }
        const PlayState after = engine.playState();
        if (after.position == before.position && after.passNumber == before.passNumber) return made;
        if (!(after.position == expected.position)) return made;
        ++made;
    }
    return made;
}

}  // namespace dravicor
