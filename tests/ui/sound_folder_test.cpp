#include <gtest/gtest.h>

#include "support/fake_platform.h"
#include "support/temp_dir.h"
#include "ui/qt_platform.h"
#include "ui/sound_folder.h"

namespace dravicor::test {
namespace {

TEST(SoundFolder, FindsAFileWhateverTheCaseOfTheName) {
    TempDir dir;
    WriteFile(dir / "card_down.wav", "RIFF");
    WriteFile(dir / "Hi-Scor.wav", "RIFF");
    const SoundFolder folder(dir.path());
    EXPECT_EQ(folder.find("card_down.wav"), dir / "card_down.wav");
    EXPECT_EQ(folder.find("Card_down"), dir / "card_down.wav");
    EXPECT_EQ(folder.find("CARD_DOWN.WAV"), dir / "card_down.wav");
    EXPECT_EQ(folder.find("hi-scor"), dir / "Hi-Scor.wav");
}

TEST(SoundFolder, ANameWithoutExtensionMeansTheWaveFile) {
    TempDir dir;
    WriteFile(dir / "Won.wav", "RIFF");
    WriteFile(dir / "Won", "not a sound");
    EXPECT_EQ(SoundFolder(dir.path()).find("Won"), dir / "Won.wav");
}

TEST(SoundFolder, MissingNamesFindNothing) {
    TempDir dir;
    WriteFile(dir / "Undo.wav", "RIFF");
    const SoundFolder folder(dir.path());
    EXPECT_EQ(folder.find("Redo"), std::nullopt);
    EXPECT_EQ(folder.find("Undo.mp3"), std::nullopt);
    EXPECT_EQ(folder.find("Und"), std::nullopt);
    EXPECT_EQ(folder.find(""), std::nullopt);
    EXPECT_EQ(folder.find("../Undo.wav"), std::nullopt);
    EXPECT_EQ(SoundFolder(dir / "missing").find("Undo"), std::nullopt);
}

TEST(SoundFolder, ADirectoryIsNoSound) {
    TempDir dir;
    std::filesystem::create_directories(dir / "Stock.wav");
    EXPECT_EQ(SoundFolder(dir.path()).find("stock"), std::nullopt);
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
