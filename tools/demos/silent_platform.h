#pragma once

#include "common/platform.h"

namespace dravicor {

// The platform of the demo recorder, which runs unattended at build time:
// nothing is shown or played, questions are agreed to, pauses return at
// once and the clock stands still, so that a recorded game shows no
// playing time and two runs write the same bytes.
class SilentPlatform final : public Messages,
                             public SoundPlayer,
                             public Clock,
                             public Timers,
                             public BusyCursor,
                             public FileDialogs,
                             public Screen {
public:
    Platform platform() { return {*this, *this, *this, *this, *this, *this, *this}; }

    void showMessage(std::string_view, std::string_view, MessageIcon) override {}
    Answer ask(std::string_view, std::string_view, MessageButtons buttons, MessageIcon) override {
        return buttons == MessageButtons::Ok || buttons == MessageButtons::OkCancel ? Answer::Ok : Answer::Yes;
    }
    bool showMessageWithOptOut(std::string_view, std::string_view) override { return false; }
    void beep() override {}

    void play(std::string_view, SoundMode) override {}
    void stop() override {}

    std::chrono::system_clock::time_point now() const override { return {}; }
    void pause(std::chrono::milliseconds) override {}

    Id start(std::chrono::milliseconds, bool, std::function<void()>) override { return 0; }
    void stop(Id) override {}

    void beginBusy() override {}
    void endBusy() override {}

    std::optional<std::string> chooseFileToOpen(std::string_view, std::string_view, std::string_view) override {
        return std::nullopt;
    }
    std::optional<std::string> chooseFileToSave(std::string_view, std::string_view, std::string_view) override {
        return std::nullopt;
    }

    // A screen wide enough that no game switches to its small cards.
    ScreenInfo info() const override { return {}; }
};

}  // namespace dravicor
