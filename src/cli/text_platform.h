#pragma once

#include <ostream>

#include "common/headless_services.h"

namespace dravicor {

// The platform of the text front end: messages and questions are printed as
// "message: TEXT" and "question: TEXT" lines, questions get a fixed answer,
// pauses return at once, and there is no sound, cursor or file dialog.
class TextPlatform final : public Messages, public Clock, public HeadlessServices {
public:
    TextPlatform(std::ostream& out, bool answerYes) : out_(out), answerYes_(answerYes) {}

    Platform platform() { return {*this, *this, *this, *this, *this, *this, *this}; }

    void showMessage(std::string_view text, std::string_view caption, MessageIcon icon) override;
    Answer ask(std::string_view text, std::string_view caption, MessageButtons buttons, MessageIcon icon) override;
    bool showMessageWithOptOut(std::string_view text, std::string_view picture) override;
    // Refusals are answered by the commands themselves; beeps are only counted.
    void beep() override { ++beeps_; }
    int beeps() const { return beeps_; }

    std::chrono::system_clock::time_point now() const override { return std::chrono::system_clock::now(); }
    void pause(std::chrono::milliseconds) override {}

private:
    std::ostream& out_;
    bool answerYes_;
    int beeps_ = 0;
};

}  // namespace dravicor
