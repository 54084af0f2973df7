#pragma once

#include <filesystem>
#include <memory>

#include "common/platform.h"

class QSoundEffect;

namespace dravicor {

// Plays one wave file at a time through Qt Multimedia: a new sound stops
// the one playing. The audio output is opened at the first sound; without
// an audio device the sounds are silent, never an error.
class SoundOutput {
public:
    SoundOutput();
    ~SoundOutput();
    SoundOutput(const SoundOutput&) = delete;
    SoundOutput& operator=(const SoundOutput&) = delete;

    // Sync returns when the sound has ended, and never later than the
    // sound's own length as its wave header gives it; Loop repeats it until
    // stop() or the next sound. A file whose header cannot be read, or that
    // is shorter than its header says, plays nothing and is not waited for.
    void play(const std::filesystem::path& file, SoundMode mode);
    void stop();

    // Whether a looping sound was started and not stopped since.
    bool looping() const { return looping_; }

private:
    void waitForEnd(std::chrono::milliseconds longest);

    std::unique_ptr<QSoundEffect> effect_;
    bool looping_ = false;
};

}  // namespace dravicor
