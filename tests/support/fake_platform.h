#pragma once

#include <deque>
#include <string>
#include <vector>

#include "common/platform.h"

namespace dravicor::test {

// A platform that records every request and answers from a script.
// Questions take the next scripted answer (OK/Yes when the script is empty);
// opt-out boxes take the next scripted tick (not ticked when empty).
class FakePlatform final : public Messages,
                           public SoundPlayer,
                           public Clock,
                           public Timers,
                           public BusyCursor,
                           public FileDialogs,
                           public Screen {
public:
    struct Shown {
        std::string text;
        std::string caption;
        MessageIcon icon;
    };
    struct Asked {
        std::string text;
        std::string caption;
        MessageButtons buttons;
    };
    struct Played {
        std::string file;
        SoundMode mode;
    };

    Platform platform() { return {*this, *this, *this, *this, *this, *this, *this}; }

    // Script.
    std::deque<Answer> answers;
    std::deque<bool> optOutTicks;
    std::deque<std::optional<std::string>> chosenFiles;
    ScreenInfo screenInfo;
    std::chrono::system_clock::time_point clockNow{};

    // Record.
    std::vector<Shown> messages;
    std::vector<Asked> questions;
    std::vector<std::string> optOutBoxes;  // texts of the opt-out boxes shown
    std::vector<Played> sounds;
    std::vector<std::chrono::milliseconds> pauses;
    int beeps = 0;
    int busyDepth = 0;
    int busyCalls = 0;

    void showMessage(std::string_view text, std::string_view caption, MessageIcon icon) override;
    Answer ask(std::string_view text, std::string_view caption, MessageButtons buttons, MessageIcon icon) override;
    bool showMessageWithOptOut(std::string_view text, std::string_view picture) override;
    void beep() override { ++beeps; }

    void play(std::string_view file, SoundMode mode) override { sounds.push_back({std::string(file), mode}); }
    void stop() override {}

    std::chrono::system_clock::time_point now() const override { return clockNow; }
    void pause(std::chrono::milliseconds duration) override {
        pauses.push_back(duration);
        clockNow += duration;
    }

    // Timers run only when the test fires them.
    struct Timer {
        std::chrono::milliseconds interval;
        bool repeat;
        std::function<void()> callback;
        bool active;
    };
    std::vector<Timer> timers;
    Id start(std::chrono::milliseconds interval, bool repeat, std::function<void()> callback) override;
    void stop(Id id) override;
    // Runs the timer's callback once (a one-shot timer stops).
    void fire(Id id);

    void beginBusy() override {
        ++busyDepth;
        ++busyCalls;
    }
    void endBusy() override { --busyDepth; }

    // The open and save dialogs shown, in order.
    struct FileDialog {
        std::string title;
        std::string directory;
        std::string filter;
    };
    std::vector<FileDialog> fileDialogs;
    std::optional<std::string> chooseFileToOpen(std::string_view title, std::string_view directory,
                                                std::string_view filter) override;
    std::optional<std::string> chooseFileToSave(std::string_view title, std::string_view directory,
                                                std::string_view filter) override;

    ScreenInfo info() const override { return screenInfo; }

private:
    std::optional<std::string> nextFile();
};

}  // namespace dravicor::test
