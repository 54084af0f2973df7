#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <optional>

#include <QObject>

#include "common/platform.h"
#include "ui/sound_folder.h"

class QTimer;

namespace dravicor {

class SoundOutput;

// The platform of the desktop program, answered with Qt. Dialogs are
// modal to the active window; timers and pauses run on the event loop of
// the user-interface thread, so the platform must live on that thread.
class QtPlatform final : public Messages,
                         public SoundPlayer,
                         public Clock,
                         public Timers,
                         public BusyCursor,
                         public FileDialogs,
                         public Screen {
public:
    QtPlatform();
    ~QtPlatform() override;
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    Platform platform() { return {*this, *this, *this, *this, *this, *this, *this}; }

    void showMessage(std::string_view text, std::string_view caption, MessageIcon icon) override;
    Answer ask(std::string_view text, std::string_view caption, MessageButtons buttons, MessageIcon icon) override;
    bool showMessageWithOptOut(std::string_view text, std::string_view picture) override;
    void beep() override;

    // Sounds come from this folder (the program's SOUNDS/); until it is set,
    // and for names it does not hold, nothing plays.
    void setSoundFolder(const std::filesystem::path& folder) { sounds_.emplace(folder); }
    // The file a sound name stands for, found whatever its letter case.
    std::optional<std::filesystem::path> findSound(std::string_view fileName) const;
    void play(std::string_view fileName, SoundMode mode) override;
    void stop() override;
    // Whether a looping sound is playing.
    bool soundLooping() const;

    std::chrono::system_clock::time_point now() const override;
    void pause(std::chrono::milliseconds duration) override;

    Id start(std::chrono::milliseconds interval, bool repeat, std::function<void()> callback) override;
    void stop(Id id) override;

    void beginBusy() override;
    void endBusy() override;

    std::optional<std::string> chooseFileToOpen(std::string_view title, std::string_view directory,
                                                std::string_view filter) override;
    std::optional<std::string> chooseFileToSave(std::string_view title, std::string_view directory,
                                                std::string_view filter) override;

    ScreenInfo info() const override;

private:
    // Parent of every timer, so that timers still running (or waiting for
    // deferred deletion) go with the platform.
    QObject timerOwner_;
    std::map<Id, QTimer*> timers_;
    Id nextTimerId_ = 1;
    int busyDepth_ = 0;
    std::optional<SoundFolder> sounds_;
    std::unique_ptr<SoundOutput> output_;
};

}  // namespace dravicor
