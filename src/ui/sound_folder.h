#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace dravicor {

// The wave files of the program's SOUNDS folder. The events and the sound
// previews write the same name in different letter cases ("card_down.wav",
// "Card_down"), so a name is matched without regard to case; a name
// without an extension means the ".wav" file.
class SoundFolder {
public:
    explicit SoundFolder(std::filesystem::path folder) : folder_(std::move(folder)) {}

    // The file the name stands for, when it exists.
    std::optional<std::filesystem::path> find(std::string_view name) const;

private:
    std::filesystem::path folder_;
};

}  // namespace dravicor
