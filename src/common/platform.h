#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// What the core asks of the machine it runs on. The desktop program answers
// with Qt; the text front end and the tests answer with their own
// implementations (the tests' fakes record every request and answer from a
// script). Nothing in the core reaches the platform any other way.

namespace dravicor {

enum class MessageIcon { None, Information, Warning, Error, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

// Modal message boxes, questions and the system beep.
class Messages {
public:
    virtual ~Messages() = default;
    virtual void showMessage(std::string_view text, std::string_view caption, MessageIcon icon) = 0;
    virtual Answer ask(std::string_view text, std::string_view caption, MessageButtons buttons,
                       MessageIcon icon) = 0;
    // The information box with a "Don't show this message box again" check
    // box; returns true when the user ticked it. picture names one of the
    // box's two pictures ("Color" or "640x480").
    virtual bool showMessageWithOptOut(std::string_view text, std::string_view picture) = 0;
    // The sound that answers a refused action.
    virtual void beep() = 0;
};

enum class SoundMode { Async, Sync, Loop };

// Playback of the wave files in the program's SOUNDS folder.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // fileName is relative to SOUNDS/, matched without regard to letter case.
    virtual void play(std::string_view fileName, SoundMode mode) = 0;
    virtual void stop() = 0;
};

// Wall-clock time and the fixed pauses of animations and automatic
// sequences. A pause keeps the program responsive while it waits; the fakes
// and the text front end return at once.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::chrono::system_clock::time_point now() const = 0;
    virtual void pause(std::chrono::milliseconds duration) = 0;
};

// One-shot and periodic timers running on the user-interface thread.
class Timers {
public:
    using Id = int;
    virtual ~Timers() = default;
    virtual Id start(std::chrono::milliseconds interval, bool repeat, std::function<void()> callback) = 0;
    virtual void stop(Id id) = 0;
};

// The hourglass cursor shown during long operations; calls nest.
class BusyCursor {
public:
    virtual ~BusyCursor() = default;
    virtual void beginBusy() = 0;
    virtual void endBusy() = 0;
};

// Shows the busy cursor for the lifetime of the scope.
class BusyScope {
public:
    explicit BusyScope(BusyCursor& cursor) : cursor_(cursor) { cursor_.beginBusy(); }
    ~BusyScope() { cursor_.endBusy(); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    BusyCursor& cursor_;
};

// The common open and save dialogs. filter is in the "Name|*.ext" form.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    virtual std::optional<std::string> chooseFileToOpen(std::string_view title, std::string_view directory,
                                                        std::string_view filter) = 0;
    virtual std::optional<std::string> chooseFileToSave(std::string_view title, std::string_view directory,
                                                        std::string_view filter) = 0;
};

struct ScreenInfo {
    int width = 1024;
    int height = 768;
    int colourDepth = 24;  // bits per pixel
};

// Screen metrics and colour depth.
class Screen {
public:
    virtual ~Screen() = default;
    virtual ScreenInfo info() const = 0;
};

// The platform as the core receives it.
struct Platform {
    Messages& messages;
    SoundPlayer& sound;
    Clock& clock;
    Timers& timers;
    BusyCursor& cursor;
    FileDialogs& files;
    Screen& screen;
};

}  // namespace dravicor
