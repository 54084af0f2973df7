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

TEST(WaveDuration, DataBytesOverByteRate) {
    const std::string second = MonoWave(22050);
    ASSERT_EQ(second.size(), 44u + 44100u) << "the canonical 44-byte header";
    ASSERT_EQ(second.substr(0, 4), "RIFF");
    ASSERT_EQ(second.substr(28, 4), Le32(44100)) << "byte rate";
    EXPECT_EQ(WaveDuration(second), milliseconds(1000));
    EXPECT_EQ(WaveDuration(MonoWave(11025)), milliseconds(500));
    EXPECT_EQ(WaveDuration(MonoWave(0)), milliseconds(0));
    // 0.25 s of CD sound: 44100 frames a second of 4 bytes.
    EXPECT_EQ(WaveDuration(Riff(Chunk("fmt ", Format(2, 44100, 16)) + Chunk("data", std::string(44100, 'x')))),
              milliseconds(250));
}

TEST(WaveDuration, PartsOfAMillisecondRoundUp) {
    // One sample is 1/22050 s: a wait of no time at all would cut it.
    EXPECT_EQ(WaveDuration(MonoWave(1)), milliseconds(1));
    EXPECT_EQ(WaveDuration(MonoWave(22051)), milliseconds(1001));
}

TEST(WaveDuration, OtherChunksAreSteppedOverInAnyOrder) {
    const std::string list = Chunk("LIST", "INFOISFT" + Le32(5) + "tool\0");  // odd length: padded
    const std::string data = Chunk("data", std::string(4410, '\0'));
    EXPECT_EQ(WaveDuration(Riff(Chunk("fmt ", Format(1, 22050, 16)) + list + data)), milliseconds(100));
    EXPECT_EQ(WaveDuration(Riff(list + data + Chunk("fmt ", Format(1, 22050, 16)))), milliseconds(100))
        << "data before its format";
    // A longer format chunk (WAVE_FORMAT_EXTENSIBLE carries 40 bytes).
    EXPECT_EQ(WaveDuration(Riff(Chunk("fmt ", Format(1, 22050, 16) + Le16(22) + std::string(22, '\0')) + data)),
              milliseconds(100));
}

TEST(WaveDuration, AFileCutShortIsDamaged) {
    const std::string whole = MonoWave(22050);
    EXPECT_EQ(WaveDuration(whole + "trailing bytes"), milliseconds(1000)) << "more than the header says is fine";
    EXPECT_EQ(WaveDuration(whole.substr(0, whole.size() - 1)), std::nullopt) << "one byte short";
    EXPECT_EQ(WaveDuration(whole.substr(0, 44)), std::nullopt) << "the header alone";
}

TEST(WaveDuration, DamagedHeadersGiveNothing) {
    const std::string good = MonoWave(2205);
    ASSERT_EQ(WaveDuration(good), milliseconds(100));
    EXPECT_EQ(WaveDuration(""), std::nullopt);
    EXPECT_EQ(WaveDuration("RIFF"), std::nullopt);
    EXPECT_EQ(WaveDuration("RIFX" + good.substr(4)), std::nullopt) << "not RIFF";
    EXPECT_EQ(WaveDuration(good.substr(0, 8) + "AVI " + good.substr(12)), std::nullopt) << "not WAVE";
    EXPECT_EQ(WaveDuration(good.substr(0, 30)), std::nullopt) << "cut inside the format";
    EXPECT_EQ(WaveDuration(Riff(Chunk("data", std::string(100, '\0')))), std::nullopt) << "no format";
    EXPECT_EQ(WaveDuration(Riff(Chunk("fmt ", Format(1, 22050, 16)))), std::nullopt) << "no data";
    EXPECT_EQ(WaveDuration(Riff(Chunk("fmt ", Format(1, 0, 16)) + Chunk("data", "ab"))), std::nullopt)
        << "no byte rate";
    EXPECT_EQ(WaveDuration(Riff(Chunk("fmt ", Format(1, 22050, 16).substr(0, 12)) + Chunk("data", "ab"))),
              std::nullopt)
        << "format chunk too short for its byte rate";
    // A chunk whose size points far past the end hides everything after it.
    EXPECT_EQ(WaveDuration(Riff(Chunk("fmt ", Format(1, 22050, 16)) + "JUNK" + Le32(0xfffffff0u) +
                                Chunk("data", "abcd"))),
              std::nullopt);
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

TEST(SoundOutputTest, ASynchronousSoundWaitsNoLongerThanItself) {
    TempDir dir;
    WriteFile(dir / "short.wav", MonoWave(22050 * 3 / 10));  // 300 ms
    SoundOutput output;
    // With an audio device the sound ends by itself; without one the effect
    // never stops and the header's length ends the wait.
    EXPECT_LE(TimeSyncPlay(output, dir / "short.wav"), milliseconds(300 + 250));
}

TEST(SoundOutputTest, AFileWithoutAReadableHeaderIsNotWaitedFor) {
    TempDir dir;
    WriteFile(dir / "broken.wav", "RIFF....WAVEjunk");
    SoundOutput output;
    EXPECT_LE(TimeSyncPlay(output, dir / "broken.wav"), milliseconds(100));
    EXPECT_LE(TimeSyncPlay(output, dir / "missing.wav"), milliseconds(100));
    // Nor does a damaged file hold up the sounds after it.
    WriteFile(dir / "short.wav", MonoWave(2205));
    EXPECT_LE(TimeSyncPlay(output, dir / "short.wav"), milliseconds(100 + 250));
}

TEST(SoundOutputTest, ACutFileIsSilentAndLetsTheNextOnePlay) {
    TempDir dir;
    std::string cut = MonoWave(22050);
    cut.resize(44 + 2205 * 2);  // 100 ms of the second the header promises
    WriteFile(dir / "cut.wav", cut);
    WriteFile(dir / "short.wav", MonoWave(2205));
    SoundOutput output;
    EXPECT_LE(TimeSyncPlay(output, dir / "cut.wav"), milliseconds(100));
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
