#include "savegame/demo_player.h"

#include <algorithm>
#include <cstdio>

#include "common/text_resources.h"
#include "common/product.h"

namespace dravicor {

std::filesystem::path DemoFilePath(const std::filesystem::path& programDir, int gameCode) {
    char name[16];
    std::snprintf(name, sizeof name, "G%04d.GAM", gameCode);
    return programDir / "Demos" / name;
}

DemoPlayer::DemoPlayer(Engine& engine, SettingsRecord& settings, Platform& platform, std::filesystem::path programDir,
                       SavedGameCatalogue catalogue)
    : engine_(engine),
      settings_(settings),
      platform_(platform),
      programDir_(std::move(programDir)),
      catalogue_(std::move(catalogue)) {}

bool DemoPlayer::ToggleDemo() {
    const bool turningOn = !active();
    if (turningOn && !engine_.ConfirmLeaveGame()) return false;
    BusyScope busy(platform_.cursor);
    engine_.EndGame();
    engine_.setDemoMode(turningOn);
    if (turningOn) {
        const int code = settings_.getNumber(Field::CurrentGame);
        const std::string error =
            LoadSavedGame(DemoFilePath(programDir_, code), engine_, settings_, catalogue_, SavedGameUse::Demo);
        if (!error.empty()) platform_.messages.showMessage(error, kProductName, MessageIcon::Error);
        // Loading plays the game on; a demo is only shown.
        engine_.setDemoMode(true);
    }
    rewind();
    return true;
}

void DemoPlayer::rewind() {
    while (engine_.Undo(true)) {
    }
    // Counting positions rather than undo steps lets the last step show the
    // game's final position, the one the demo was recorded to reach. The
    // steps ahead are counted too: turning off when already rewound still
    // knows the whole demo.
    step_ = 1;
    maximum_ = static_cast<int>(engine_.history().redo.size()) + 1;
    dragStart_.reset();
}

void DemoPlayer::GotoDemoStep(int from, int to) {
    BusyScope busy(platform_.cursor);
    if (to >= from) {
        for (int i = from; i < to; ++i) engine_.Redo(true);
    } else {
        for (int i = to; i < from; ++i) engine_.Undo(true);
    }
    step_ = to;
}

int DemoPlayer::clamp(int position) const { return std::clamp(position, 1, maximum_); }

void DemoPlayer::first() { GotoDemoStep(step_, 1); }
void DemoPlayer::prior() { GotoDemoStep(step_, clamp(step_ - 3)); }
void DemoPlayer::next() { GotoDemoStep(step_, clamp(step_ + 3)); }
void DemoPlayer::last() { GotoDemoStep(step_, maximum_); }
void DemoPlayer::scrollTo(int position) { GotoDemoStep(step_, clamp(position)); }

void DemoPlayer::beginDrag() {
    if (!dragStart_) dragStart_ = step_;
}

void DemoPlayer::endDrag(int position) {
    const int from = dragStart_.value_or(step_);
    dragStart_.reset();
    GotoDemoStep(from, clamp(position));
}

std::string DemoPlayer::counterText() const { return std::to_string(step_) + "/" + std::to_string(maximum_); }

}  // namespace dravicor
