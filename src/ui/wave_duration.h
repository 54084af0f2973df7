#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string_view>

namespace dravicor {

// How long a RIFF/WAVE file plays: the bytes of its "data" chunk divided by
// the byte rate of its "fmt " chunk, rounded up to the millisecond.
// Nothing when the bytes are no wave file, the format has no byte rate,
// there is no data chunk, or the data chunk claims more bytes than the file
// holds (a file cut short).
std::optional<std::chrono::milliseconds> WaveDuration(std::string_view bytes);
// The same for a file; nothing when it cannot be read.
std::optional<std::chrono::milliseconds> WaveFileDuration(const std::filesystem::path& file);

}  // namespace dravicor
