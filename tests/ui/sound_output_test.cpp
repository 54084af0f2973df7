// The length of a wave file read from its header, and the sound output
// that waits no longer than that.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>

#include <QElapsedTimer>

#include "support/temp_dir.h"
#include "ui/qt_platform.h"
#include "ui/sound_output.h"
#include "ui/wave_duration.h"

namespace dravicor::test {
namespace {

using std::chrono::milliseconds;

std::string Le16(std::uint16_t value) { return {char(value & 0xff), char(value >> 8)}; }
std::string Le32(std::uint32_t value) { return Le16(std::uint16_t(value & 0xffff)) + Le16(std::uint16_t(value >> 16)); }

std::string Chunk(const std::string& id, const std::string& body) {
    std::string chunk = id + Le32(std::uint32_t(body.size())) + body;
    if (body.size() % 2 == 1) chunk += '\0';  // chunks are padded to even lengths
    return chunk;
}

std::string Format(std::uint16_t channels, std::uint32_t rate, std::uint16_t bits) {
    const std::uint16_t frame = std::uint16_t(channels * bits / 8);
    return Le16(1) + Le16(channels) + Le32(rate) + Le32(rate * frame) + Le16(frame) + Le16(bits);
}

std::string Riff(const std::string& chunks) { return "RIFF" + Le32(std::uint32_t(4 + chunks.size())) + "WAVE" + chunks; }

// A file as the program's sounds are written: 16-bit mono at 22050 Hz.
std::string MonoWave(std::uint32_t samples) {
    return Riff(Chunk("fmt ", Format(1, 22050, 16)) + Chunk("data", std::string(samples * 2, '\x01')));
}

TEST(WaveDuration, TheCanonicalHeader) {
    const std::string second = MonoWave(22050);
    ASSERT_EQ(second.size(), 44u + 44100u) << "the canonical 44-byte header";
    ASSERT_EQ(second.substr(0, 4), "RIFF");
    ASSERT_EQ(second.substr(28, 4), Le32(44100)) << "byte rate";
}

TEST(WaveDuration, DataBytesOverByteRateOrNothingForADamagedFile) {
    const std::string second = MonoWave(22050);
    const std::string good = MonoWave(2205);
    const std::string list = Chunk("LIST", "INFOISFT" + Le32(5) + "tool\0");  // odd length: padded
    const std::string data = Chunk("data", std::string(4410, '\0'));
    const struct {
        const char* name;
        std::string file;
        std::optional<milliseconds> length;
    } cases[] = {
        {"a second", second, milliseconds(1000)},
        {"half a second", MonoWave(11025), milliseconds(500)},
        {"no samples", MonoWave(0), milliseconds(0)},
        {"0.25 s of CD sound: 44100 frames a second of 4 bytes",
         Riff(Chunk("fmt ", Format(2, 44100, 16)) + Chunk("data", std::string(44100, 'x'))), milliseconds(250)},
        // One sample is 1/22050 s: a wait of no time at all would cut it.
        {"one sample rounds up", MonoWave(1), milliseconds(1)},
        {"part of a millisecond rounds up", MonoWave(22051), milliseconds(1001)},
        {"other chunks stepped over", Riff(Chunk("fmt ", Format(1, 22050, 16)) + list + data), milliseconds(100)},
        {"data before its format", Riff(list + data + Chunk("fmt ", Format(1, 22050, 16))), milliseconds(100)},
        // WAVE_FORMAT_EXTENSIBLE carries 40 bytes.
        {"a longer format chunk", Riff(Chunk("fmt ", Format(1, 22050, 16) + Le16(22) + std::string(22, '\0')) + data),
         milliseconds(100)},
        {"more than the header says is fine", second + "trailing bytes", milliseconds(1000)},
        {"one byte short", second.substr(0, second.size() - 1), std::nullopt},
        {"the header alone", second.substr(0, 44), std::nullopt},
        {"empty", "", std::nullopt},
        {"RIFF alone", "RIFF", std::nullopt},
        {"not RIFF", "RIFX" + good.substr(4), std::nullopt},
        {"not WAVE", good.substr(0, 8) + "AVI " + good.substr(12), std::nullopt},
        {"cut inside the format", good.substr(0, 30), std::nullopt},
        {"no format", Riff(Chunk("data", std::string(100, '\0'))), std::nullopt},
        {"no data", Riff(Chunk("fmt ", Format(1, 22050, 16))), std::nullopt},
        {"no byte rate", Riff(Chunk("fmt ", Format(1, 0, 16)) + Chunk("data", "ab")), std::nullopt},
        {"format chunk too short for its byte rate",
         Riff(Chunk("fmt ", Format(1, 22050, 16).substr(0, 12)) + Chunk("data", "ab")), std::nullopt},
        // A chunk whose size points far past the end hides everything after it.
        {"a chunk past the end",
         Riff(Chunk("fmt ", Format(1, 22050, 16)) + "JUNK" + Le32(0xfffffff0u) + Chunk("data", "abcd")), std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(WaveDuration(c.file), c.length) << c.name;
}

TEST(WaveDuration, FilesAreReadFromTheirHeader) {
    TempDir dir;
    WriteFile(dir / "second.wav", MonoWave(22050));
    WriteFile(dir / "junk.wav", "not a wave file at all");
    EXPECT_EQ(WaveFileDuration(dir / "second.wav"), milliseconds(1000));
    EXPECT_EQ(WaveFileDuration(dir / "junk.wav"), std::nullopt);
    EXPECT_EQ(WaveFileDuration(dir / "missing.wav"), std::nullopt);
    EXPECT_EQ(WaveFileDuration(dir.path()), std::nullopt) << "a folder";
}

// How long a synchronous play took.
milliseconds TimeSyncPlay(SoundOutput& output, const std::filesystem::path& file) {
    QElapsedTimer timer;
    timer.start();
    output.play(file, SoundMode::Sync);
    return milliseconds(timer.elapsed());
}

// With an audio device a sound ends by itself; without one the effect never
// stops and the header's length ends the wait. A file without a readable
// header, or cut short, is not waited for, nor does it hold up the next.
TEST(SoundOutputTest, ASynchronousSoundWaitsNoLongerThanItself) {
    TempDir dir;
    WriteFile(dir / "longer.wav", MonoWave(22050 * 3 / 10));  // 300 ms
    WriteFile(dir / "short.wav", MonoWave(2205));
    WriteFile(dir / "broken.wav", "RIFF....WAVEjunk");
    std::string cut = MonoWave(22050);
    cut.resize(44 + 2205 * 2);  // 100 ms of the second the header promises
    WriteFile(dir / "cut.wav", cut);
    SoundOutput output;
    EXPECT_LE(TimeSyncPlay(output, dir / "longer.wav"), milliseconds(300 + 250));
    for (const char* silent : {"broken.wav", "missing.wav", "cut.wav"}) {
        EXPECT_LE(TimeSyncPlay(output, dir / silent), milliseconds(100)) << silent;
        EXPECT_LE(TimeSyncPlay(output, dir / "short.wav"), milliseconds(100 + 250)) << "after " << silent;
    }
    output.play(dir / "cut.wav", SoundMode::Async);
    EXPECT_LE(TimeSyncPlay(output, dir / "short.wav"), milliseconds(100 + 250));
}

TEST(SoundOutputTest, TheLoopRunsUntilTheNextSoundCall) {
    TempDir dir;
    WriteFile(dir / "SOUNDS/Redeal.wav", MonoWave(2205));
    WriteFile(dir / "SOUNDS/Stock.wav", MonoWave(2205));
    QtPlatform platform;
    platform.setSoundFolder(dir / "SOUNDS");
    platform.play("Redeal", SoundMode::Loop);
    EXPECT_TRUE(platform.soundLooping());
    platform.play("", SoundMode::Loop);
    EXPECT_FALSE(platform.soundLooping()) << "an empty name stops the loop";

    platform.play("Redeal", SoundMode::Loop);
    platform.play("Stock", SoundMode::Async);
    EXPECT_FALSE(platform.soundLooping()) << "another sound ends it";
    platform.play("Redeal", SoundMode::Loop);
    platform.play("No such sound", SoundMode::Async);
    EXPECT_FALSE(platform.soundLooping()) << "so does a call for a sound that is missing";
    platform.play("Redeal", SoundMode::Loop);
    platform.stop();
    EXPECT_FALSE(platform.soundLooping());
}

}  // namespace
}  // namespace dravicor::test
