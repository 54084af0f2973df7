#include "wav_file.h"

#include <fstream>

namespace dravicor::resources {

namespace {

void Put16(std::string& out, std::uint16_t value) {
    out += static_cast<char>(value & 0xff);
    out += static_cast<char>(value >> 8);
}

void Put32(std::string& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((value >> shift) & 0xff);
}

}  // namespace

std::string WavBytes(const std::vector<std::int16_t>& samples, int sampleRate) {
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::string out;
    out.reserve(44 + dataBytes);
    out += "RIFF";
    Put32(out, 36 + dataBytes);
    out += "WAVE";
    out += "fmt ";
    Put32(out, 16);
    Put16(out, 1);  // PCM
    Put16(out, 1);  // mono
    Put32(out, static_cast<std::uint32_t>(sampleRate));
    Put32(out, static_cast<std::uint32_t>(sampleRate * 2));  // bytes per second
    Put16(out, 2);   // bytes per frame
    Put16(out, 16);  // bits per sample
    out += "data";
    Put32(out, dataBytes);
    for (std::int16_t s : samples) Put16(out, static_cast<std::uint16_t>(s));
    return out;
}

bool WriteWav(const std::filesystem::path& path, const std::vector<std::int16_t>& samples, int sampleRate) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    const std::string bytes = WavBytes(samples, sampleRate);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

}  // namespace dravicor::resources
