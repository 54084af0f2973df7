#include "ui/wave_duration.h"

#include <cstdint>
#include <fstream>

namespace dravicor {

namespace {

constexpr std::size_t kRiffHeader = 12;  // "RIFF", size, "WAVE"
constexpr std::size_t kChunkHeader = 8;  // id, size
constexpr std::size_t kByteRateOffset = 8;
constexpr std::size_t kFormatMinimum = 16;
// The chunk headers of any wave file the program ships lie well within
// this; the samples themselves are never read.
constexpr std::size_t kHeadBytes = 64 * 1024;

std::uint32_t Read32(std::string_view bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 4; i-- > 0;) value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

// `head` is the start of a file of `fileSize` bytes.
std::optional<std::chrono::milliseconds> Duration(std::string_view head, std::uint64_t fileSize) {
    if (head.size() < kRiffHeader || head.substr(0, 4) != "RIFF" || head.substr(8, 4) != "WAVE") return std::nullopt;
    std::optional<std::uint32_t> byteRate;
    std::optional<std::uint64_t> dataBytes;
    // The chunks follow each other, each padded to an even length; their
    // order is free, and unknown ones (LIST, fact ...) are stepped over.
    for (std::uint64_t at = kRiffHeader; at + kChunkHeader <= head.size() && !(byteRate && dataBytes);) {
        const std::size_t chunk = static_cast<std::size_t>(at);
        const std::string_view id = head.substr(chunk, 4);
        const std::uint64_t size = Read32(head, chunk + 4);
        const std::uint64_t body = at + kChunkHeader;
        if (id == "fmt " && !byteRate) {
            if (size < kFormatMinimum || body + kFormatMinimum > head.size()) return std::nullopt;
            byteRate = Read32(head, static_cast<std::size_t>(body) + kByteRateOffset);
        } else if (id == "data" && !dataBytes) {
            // A file cut short is damaged: Qt's loader would wait for the
            // missing samples for ever.
            if (size > fileSize - body) return std::nullopt;
            dataBytes = size;
        }
        at = body + size + (size & 1);
    }
    if (!byteRate || *byteRate == 0 || !dataBytes) return std::nullopt;
    return std::chrono::milliseconds((*dataBytes * 1000 + *byteRate - 1) / *byteRate);
}

}  // namespace

std::optional<std::chrono::milliseconds> WaveDuration(std::string_view bytes) { return Duration(bytes, bytes.size()); }

std::optional<std::chrono::milliseconds> WaveFileDuration(const std::filesystem::path& file) {
    std::error_code ec;
    const std::uint64_t fileSize = std::filesystem::file_size(file, ec);
    if (ec) return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::string head(static_cast<std::size_t>(fileSize < kHeadBytes ? fileSize : kHeadBytes), '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    if (static_cast<std::size_t>(in.gcount()) != head.size()) return std::nullopt;
    return Duration(head, fileSize);
}

}  // namespace dravicor
