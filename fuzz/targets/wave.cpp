// The wave files the desktop program times its sounds by (SOUNDS/*.wav):
// the input is the file.
//   - reading the bytes and reading the file agree;
//   - a duration found does not change with bytes after the file's end.
#include "fuzz_support.h"
#include "ui/wave_duration.h"

DRAVICOR_FUZZ_TARGET(wave) {
    using namespace dravicor;
    using namespace dravicor::fuzz;
    const auto duration = WaveDuration(bytes);
    const std::filesystem::path file = FreshScratchDir() / "sound.wav";
    WriteBytes(file, bytes);
    if (bytes.size() <= 64 * 1024) DRAVICOR_FUZZ_CHECK(WaveFileDuration(file) == duration, "bytes and file disagree");
    if (!duration) return;
    DRAVICOR_FUZZ_CHECK(WaveDuration(std::string(bytes) + std::string(64, '\xff')) == duration,
                        "bytes after the end changed the duration");
}
