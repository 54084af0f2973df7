#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace dravicor::resources {

// A RIFF/WAVE file of 16-bit mono PCM samples.
std::string WavBytes(const std::vector<std::int16_t>& samples, int sampleRate);
// False when the file cannot be written.
bool WriteWav(const std::filesystem::path& path, const std::vector<std::int16_t>& samples, int sampleRate);

}  // namespace dravicor::resources
