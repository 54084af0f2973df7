#include "ui/sound_output.h"

#include <QEventLoop>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

#include "ui/wave_duration.h"

namespace dravicor {

SoundOutput::SoundOutput() = default;
SoundOutput::~SoundOutput() = default;

void SoundOutput::play(const std::filesystem::path& file, SoundMode mode) {
    stop();
    // Only a file whose header reads is handed on: Qt's sample cache never
    // finishes loading some damaged files, and the next sound would then
    // wait for it for ever.
    const auto length = WaveFileDuration(file);
    if (!length) return;
    if (!effect_) effect_ = std::make_unique<QSoundEffect>();
    effect_->setSource(QUrl::fromLocalFile(QString::fromStdString(file.string())));
    effect_->setLoopCount(mode == SoundMode::Loop ? QSoundEffect::Infinite : 1);
    effect_->play();
    looping_ = mode == SoundMode::Loop;
    if (mode != SoundMode::Sync) return;
    // The header, not the sound effect, says when the sound is over: on a
    // machine without an audio device the effect reports itself playing
    // and never stops.
    waitForEnd(*length);
}

void SoundOutput::waitForEnd(std::chrono::milliseconds longest) {
    if (longest.count() <= 0 || effect_->status() == QSoundEffect::Error) return;
    QEventLoop wait;
    QTimer limit;
    limit.setSingleShot(true);
    limit.setTimerType(Qt::PreciseTimer);
    QObject::connect(&limit, &QTimer::timeout, &wait, &QEventLoop::quit);
    QObject::connect(effect_.get(), &QSoundEffect::playingChanged, &wait, [&] {
        if (!effect_->isPlaying() && effect_->status() != QSoundEffect::Loading) wait.quit();
    });
    QObject::connect(effect_.get(), &QSoundEffect::statusChanged, &wait, [&] {
        if (effect_->status() == QSoundEffect::Error) wait.quit();
    });
    limit.start(longest);
    // The player's clicks wait until the sound is over: they would start
    // commands in the middle of the one that plays it.
    wait.exec(QEventLoop::ExcludeUserInputEvents);
}

void SoundOutput::stop() {
    looping_ = false;
    if (effect_) effect_->stop();
}

}  // namespace dravicor
