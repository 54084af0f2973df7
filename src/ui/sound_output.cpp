#include "ui/sound_output.h"

#include <QEventLoop>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace dravicor {

namespace {

// A synchronous sound never holds the program longer than this.
constexpr int kLongestWaitMs = 5000;

}  // namespace

SoundOutput::SoundOutput() = default;
SoundOutput::~SoundOutput() = default;

void SoundOutput::play(const std::filesystem::path& file, SoundMode mode) {
    if (!effect_) effect_ = std::make_unique<QSoundEffect>();
    effect_->stop();
    effect_->setSource(QUrl::fromLocalFile(QString::fromStdString(file.string())));
    effect_->setLoopCount(mode == SoundMode::Loop ? QSoundEffect::Infinite : 1);
    effect_->play();
    if (mode != SoundMode::Sync) return;

    QEventLoop wait;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &wait, &QEventLoop::quit);
    QObject::connect(effect_.get(), &QSoundEffect::playingChanged, &wait, [&] {
        if (!effect_->isPlaying() && effect_->status() != QSoundEffect::Loading) wait.quit();
    });
    QObject::connect(effect_.get(), &QSoundEffect::statusChanged, &wait, [&] {
        if (effect_->status() == QSoundEffect::Error) wait.quit();
    });
    if (effect_->status() == QSoundEffect::Error) return;
    limit.start(kLongestWaitMs);
    wait.exec();
}

void SoundOutput::stop() {
    if (effect_) effect_->stop();
}

}  // namespace dravicor
