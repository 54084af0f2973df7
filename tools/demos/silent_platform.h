#pragma once

#include "common/headless_services.h"

namespace dravicor {

// The platform of the demo recorder, which runs unattended at build time:
// nothing is shown or played, questions are agreed to, pauses return at
// once and the clock stands still, so that a recorded game shows no
// playing time and two runs write the same bytes.
class SilentPlatform final : public Messages, public Clock, public HeadlessServices {
public:
    Platform platform() { return {*this, *this, *this, *this, *this, *this, *this}; }

    void showMessage(std::string_view, std::string_view, MessageIcon) override {}
    Answer ask(std::string_view, std::string_view, MessageButtons buttons, MessageIcon) override {
        return buttons == MessageButtons::Ok || buttons == MessageButtons::OkCancel ? Answer::Ok : Answer::Yes;
    }
    bool showMessageWithOptOut(std::string_view, std::string_view) override { return false; }
    void beep() override {}

    std::chrono::system_clock::time_point now() const override { return {}; }
    void pause(std::chrono::milliseconds) override {}
};

}  // namespace dravicor
