#include "engine/sounds.h"

namespace dravicor {

void GameSounds::playAs(std::string_view name, bool wanted, SoundMode mode) {
    if (!wanted || settings_.get(Field::SoundsEnabled) != "Y") return;
    player_.play(name, mode);
}

void GameSounds::loop(std::string_view name, bool wanted) {
    if (name.empty()) {
        player_.stop();
        return;
    }
    playAs(name, wanted, SoundMode::Loop);
}

}  // namespace dravicor
