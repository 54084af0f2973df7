#pragma once

#include "common/platform.h"

namespace dravicor {

// The platform services that a front end without a window leaves silent:
// no sound, timers that never fire, no busy cursor, no file dialogs (every
// choice is cancelled) and a default screen.
class HeadlessServices : public SoundPlayer, public Timers, public BusyCursor, public FileDialogs, public Screen {
public:
    void play(std::string_view, SoundMode) override {}
    void stop() override {}

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

    // Wide enough that no game switches to its small cards.
    ScreenInfo info() const override { return {}; }
};

}  // namespace dravicor
