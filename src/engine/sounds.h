#pragma once

#include <string_view>

#include "common/platform.h"
#include "common/settings_record.h"

namespace dravicor {

// The sounds of game events. Each event has its own switch in the settings
// record; all of them are under the master switch (Sounds_Enabled).
namespace Sound {
inline constexpr std::string_view Splash = "Splash";
inline constexpr std::string_view NewGame = "New";
inline constexpr std::string_view Won = "Won";
inline constexpr std::string_view Undo = "Undo";
inline constexpr std::string_view Redo = "Redo";
inline constexpr std::string_view Stock = "Stock";
inline constexpr std::string_view Redeal = "Redeal";
inline constexpr std::string_view Tableau = "Tableau";
inline constexpr std::string_view Foundation = "Foundation.wav";
inline constexpr std::string_view Autoplay = "Autoplay.wav";
inline constexpr std::string_view Eddy = "Eddy.wav";
inline constexpr std::string_view Shuffle = "Shuffle";
inline constexpr std::string_view Pairing = "Pairing";
inline constexpr std::string_view Reorder = "Reorder";
inline constexpr std::string_view CardUp = "card_up.wav";
inline constexpr std::string_view CardDown = "card_down.wav";
inline constexpr std::string_view FaceUp = "Face_up";
inline constexpr std::string_view Restart = "Restart";
inline constexpr std::string_view About = "About.wav";
inline constexpr std::string_view HiScores = "Scores.wav";
}  // namespace Sound

// Plays the event's sound when `wanted` (the event's own switch is "Y") and
// the master switch is on: asynchronously, or waiting for its end, or
// looping until the next sound call. A looping call with an empty name stops
// the loop.
class GameSounds {
public:
    GameSounds(const SettingsRecord& settings, SoundPlayer& player) : settings_(settings), player_(player) {}

    void play(std::string_view name, bool wanted) { playAs(name, wanted, SoundMode::Async); }
    void playAndWait(std::string_view name, bool wanted) { playAs(name, wanted, SoundMode::Sync); }
    void loop(std::string_view name, bool wanted);

    // The event's switch in the settings record reads "Y".
    bool wanted(FieldSpec eventSwitch) const { return settings_.get(eventSwitch) == "Y"; }

private:
    void playAs(std::string_view name, bool wanted, SoundMode mode);

    const SettingsRecord& settings_;
    SoundPlayer& player_;
};

}  // namespace dravicor
