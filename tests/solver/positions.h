#pragma once

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "engine/engine_fixture.h"
#include "play/dealt_state.h"
#include "play/journal.h"
#include "play/move_core.h"

namespace dravicor::test {

inline GameRules Catalogue(int code) { return LoadGameRules(BuiltCatalogue(), code, NoCustomGames()); }

inline PlayState Dealt(int code, int number) { return *DealtPlayState(Catalogue(code), std::to_string(number)); }

// The state after a move, with the follow-ups the move core makes after it.
inline PlayState After(PlayState state, const Move& move) {
    Journal journal;
    ApplyMove(state, move, journal);
    if (!WinTestHolds(state)) ApplyFollowUps(state, journal);
    return state;
}

// Whether a line of moves, each one the move core lists where it is made,
// with the follow-ups after each, ends won.
inline bool LineWins(PlayState state, const std::vector<Move>& line) {
    for (const Move& move : line) {
        MoveList moves;
        GenerateMoves(state, moves);
        if (std::find(moves.begin(), moves.end(), move) == moves.end()) return false;
        state = After(state, move);
    }
    return IsWon(state);
}

// The Aces to 4s of hearts and spades shuffled, the first `stock` face
// down into the stock, the rest dealt in turn onto the first piles of the
// tableau; with buried, all but each pile's top card lie face down.
inline PlayState SmallTable(const GameRules& rules, int piles, std::mt19937& random, bool buried = false,
                            int stock = 0) {
    std::vector<int> cards;
    for (int rank = 1; rank <= 4; ++rank) cards.insert(cards.end(), {Hearts(rank), Spades(rank)});
    std::shuffle(cards.begin(), cards.end(), random);
    PlayState state(rules);
    for (int i = 0; i < stock; ++i) state.position.Append(PileId::Stock(), static_cast<CardNumber>(cards[static_cast<size_t>(i)]), false);
    cards.erase(cards.begin(), cards.begin() + stock);
    for (size_t i = 0; i < cards.size(); ++i) {
        const bool up = !buried || i + static_cast<size_t>(piles) >= cards.size();
        state.position.Append(PileId::Tableau(static_cast<int>(i) % piles + 1), static_cast<CardNumber>(cards[i]), up);
    }
    return state;
}

}  // namespace dravicor::test
