#include <gtest/gtest.h>

#include "support/fake_platform.h"
#include "support/temp_dir.h"
#include "ui/qt_platform.h"
#include "ui/sound_folder.h"

namespace dravicor::test {
namespace {

TEST(SoundFolder, FindsAWaveFileWhateverTheCaseOfTheName) {
    TempDir dir;
    WriteFile(dir / "card_down.wav", "RIFF");
    WriteFile(dir / "Hi-Scor.wav", "RIFF");
    WriteFile(dir / "Won.wav", "RIFF");
    WriteFile(dir / "Won", "not a sound");
    std::filesystem::create_directories(dir / "Stock.wav");
    const SoundFolder folder(dir.path());
    const std::pair<std::string, std::optional<std::filesystem::path>> cases[] = {
        {"card_down.wav", dir / "card_down.wav"},
        {"Card_down", dir / "card_down.wav"},
        {"CARD_DOWN.WAV", dir / "card_down.wav"},
        {"hi-scor", dir / "Hi-Scor.wav"},
        {"Won", dir / "Won.wav"},  // a name without extension means the wave file
        {"Redo", std::nullopt},
        {"card_down.mp3", std::nullopt},
        {"card_dow", std::nullopt},
        {"", std::nullopt},
        {"../card_down.wav", std::nullopt},
        {"stock", std::nullopt},  // a directory is no sound
    };
    for (const auto& [name, found] : cases) EXPECT_EQ(folder.find(name), found) << name;
    EXPECT_EQ(SoundFolder(dir / "missing").find("Won"), std::nullopt);
}

TEST(QtPlatformSounds, TheDesktopLooksSoundsUpWithoutRegardToCase) {
    TempDir dir;
    WriteFile(dir / "SOUNDS" / "card_up.wav", "RIFF");
    QtPlatform platform;
    EXPECT_EQ(platform.findSound("Card_up"), std::nullopt);  // no folder yet
    platform.setSoundFolder(dir / "SOUNDS");
    EXPECT_EQ(platform.findSound("Card_up"), dir / "SOUNDS" / "card_up.wav");
    EXPECT_EQ(platform.findSound("card_up.wav"), dir / "SOUNDS" / "card_up.wav");
    // A name the folder lacks plays nothing and does not fail.
    platform.play("Missing", SoundMode::Sync);
    platform.stop();
}

}  // namespace
}  // namespace dravicor::test
