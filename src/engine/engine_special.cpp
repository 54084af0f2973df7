// The poker games' scoring sequence and the pause.
#include "engine/engine.h"
#include "engine/pause_clock.h"

namespace dravicor {

// Every new hand is shown in turn: its name and points on the panel, its
// five cards marked, the score label leaving out the hands still to come,
// half a second each. Then the panel settles on the total.
void Engine::scorePokerGrid(int placedCard) {
    const PokerGridScore score = ScorePokerGrid(state_.position, placedCard);
    const auto showPanel = [this](const PokerPanelText& panel) {
        if (panel.line1) pokerPanel_.line1 = panel.line1;
        if (panel.line2) pokerPanel_.line2 = panel.line2;
        pokerPanel_.line3 = panel.line3;
    };
    for (const NewPokerHand& hand : score.newHands) {
        showPanel(hand.panel);
        pokerHighlight_.assign(hand.piles.begin(), hand.piles.end());
        game_.score = hand.shownTotal;
        settings_.put(Field::CurrentScore, std::to_string(game_.score));
        changed();
        sounds_.play(Sound::Pairing, sounds_.wanted(Field::SoundsPairing));
        platform_.clock.pause(std::chrono::milliseconds(500));
        pokerHighlight_.clear();
    }
    showPanel(score.finalPanel);
    game_.score = score.total;
    settings_.put(Field::CurrentScore, std::to_string(game_.score));
    game_.won = IsPokerGridFull(state_.position, rules());
}

void Engine::SetPause(bool on) {
    if (on == paused_) return;
    paused_ = on;
    if (on) {
        pauseStart_ = platform_.clock.now();
    } else if (game_.clockRunning) {
        BusyScope busy(platform_.cursor);
        game_.startTime = ClockStartAfterPause(game_.startTime, pauseStart_, platform_.clock.now());
    }
    changed();
}

}  // namespace dravicor
