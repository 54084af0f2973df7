#pragma once

#include <filesystem>
#include <memory>

#include "common/platform.h"

class QSoundEffect;

namespace dravicor {

// Plays one wave file at a time through Qt Multimedia: a new sound stops
// the one playing. The audio output is opened at the first sound.
class SoundOutput {
public:
    SoundOutput();
    ~SoundOutput();
    SoundOutput(const SoundOutput&) = delete;
    SoundOutput& operator=(const SoundOutput&) = delete;

    // Sync returns when the sound has ended (or could not be played);
    // Loop repeats it until stop() or the next sound.
    void play(const std::filesystem::path& file, SoundMode mode);
    void stop();

private:
    std::unique_ptr<QSoundEffect> effect_;
};

}  // namespace dravicor
