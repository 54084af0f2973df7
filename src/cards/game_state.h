#pragma once

#include <chrono>
#include <cstdint>
#include <string>

#include "cards/move_log.h"

namespace dravicor {

// Game code meaning that no game is current.
inline constexpr int kNoGame = -1;

// The state of the game in progress, owned by the play engine.
struct GameState {
    int gameCode = kNoGame;          // built-in 0-999, customized 8000 and above
    std::string gameNumber;          // 1 to 13 digits: the deal's number
    bool inProgress = false;         // a deal has started and is not yet recorded
    bool won = false;                // result of the win test after the last move
    bool gameOverHandled = false;    // the end of the game has been processed
    bool clockRunning = false;
    std::chrono::system_clock::time_point startTime{};
    int score = 0;                   // shown with up to 6 digits
    std::int16_t passNumber = 1;     // 1 after the deal, +1 per redeal
    std::int16_t moveCounter = 0;    // 0 after the deal, at most 2
    std::int16_t cardInMotion = 0;   // the card being moved or dragged
    bool undoUsed = false;
    bool redoUsed = false;
    int hintsUsed = 0;               // hints the player asked for in this deal
    MoveLog moveLog;                 // one entry per undo step
    MoveLog redoLog;                 // entries of undone steps

    // What a new deal resets.
    void resetForDeal() {
        score = 0;
        passNumber = 1;
        moveCounter = 0;
        cardInMotion = 0;
        undoUsed = redoUsed = false;
        hintsUsed = 0;
        moveLog.clear();
        redoLog.clear();
        won = false;
        gameOverHandled = false;
        inProgress = true;
    }
};

}  // namespace dravicor
