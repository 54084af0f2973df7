#pragma once

#include <map>

#include <QObject>

#include "common/platform.h"

class QTimer;

namespace dravicor {

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

    // The sound files come with a later piece of work; until then nothing plays.
    void play(std::string_view, SoundMode) override {}
    void stop() override {}

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
};

}  // namespace dravicor
