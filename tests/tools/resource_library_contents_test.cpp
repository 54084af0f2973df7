#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include <QImage>
#include <QResource>

#include "game_previews.h"
#include "rules/catalogue.h"
#include "support/temp_dir.h"
#include "synth.h"
#include "wav_file.h"

namespace dravicor::test {
namespace {

const std::filesystem::path kProgramDir = DRAVICOR_BUILT_PROGRAM_DIR;
const QString kRoot = QStringLiteral("/kvr-contents-test");

// The library the build drew, registered for the test.
class BuiltLibrary : public ::testing::Test {
protected:
    void SetUp() override {
        file_ = QString::fromStdString((kProgramDir / "KVR.RGF").string());
        ASSERT_TRUE(QResource::registerResource(file_, kRoot)) << file_.toStdString();
    }
    void TearDown() override { QResource::unregisterResource(file_, kRoot); }

    static QImage Picture(const std::string& name) {
        return QImage(QStringLiteral(":") + kRoot + QLatin1Char('/') + QString::fromStdString(name), "PNG");
    }

    QString file_;
};

std::string Numbered(const std::string& prefix, int number, int digits) {
    std::string text = std::to_string(number);
    return prefix + std::string(static_cast<size_t>(std::max(0, digits - int(text.size()))), '0') + text;
}

TEST_F(BuiltLibrary, HoldsTheMarkersShadowsAndBordersOfEveryCardSize) {
    const struct {
        char letter;
        QSize size;
    } sizes[] = {{'B', {71, 96}}, {'M', {59, 80}}, {'P', {25, 32}}};
    for (const auto& [letter, size] : sizes) {
        const std::string s(1, letter);
        std::vector<std::string> names;
        for (int n = 1; n <= 22; ++n)
            if (n != 21) names.push_back(Numbered("W" + s, n, 3));
        for (const char* d : {"1", "2"}) {
            names.push_back("SHADOW_" + s + d);
            names.push_back("3D_BORDER_" + s + d);
        }
        for (const std::string& name : names) {
            const QImage picture = Picture(name);
            ASSERT_FALSE(picture.isNull()) << name;
            EXPECT_EQ(picture.size(), size) << name;
        }
    }
}

TEST_F(BuiltLibrary, ShadowsAndBordersShowTheirTransparentColours) {
    // A shadow's corner is white (the table shows); a border's middle is pure blue (the card shows).
    EXPECT_EQ(Picture("SHADOW_B1").pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_NE(Picture("SHADOW_B1").pixel(35, 48), qRgb(255, 255, 255));
    EXPECT_EQ(Picture("3D_BORDER_M2").pixel(30, 40), qRgb(0, 0, 255));
    EXPECT_NE(Picture("3D_BORDER_M2").pixel(0, 0), qRgb(0, 0, 255));
}

TEST_F(BuiltLibrary, HoldsEveryOtherNamedPicture) {
    std::vector<std::string> names = {
        "CUR_ARROW1", "CUR_ARROW2", "CUR_CROSS", "CUR_HAND1", "CUR_HAND2", "SOUND_ENABLED", "CARD_WITH_SHADOW",
        "CARD_WITHOUT_SHADOW", "CARD_IRR_PILES_YES", "CARD_IRR_PILES_NO", "TB_AUTOPLAY", "TB_AUTOPLAY_DIS",
        "TB_UNDO", "TB_UNDO_DIS", "TB_REDO", "TB_REDO_DIS", "TB_CANC_UP", "TB_CANC_DOWN", "BMP_PAUSE_1",
        "BMP_PAUSE_2", "Panel_pk", "card_hearts", "card_diamonds", "card_clubs", "card_spades", "Card_None",
        "TREE1", "TREE2", "N_TREE3", "N_TREE4", "N_TREE5", "F_TREE1", "F_TREE2", "S_TREE1", "S_TREE2", "D_TREE1",
        "D_TREE2", "C_TREE1", "C_TREE2", "T_TREE1", "T_TREE2", "I_TREE1", "I_TREE2", "K_TREE1", "K_TREE2",
        "W_TREE1", "W_TREE2", "TREE5_CANFIELD_TYPE", "TREE5_FAN_TYPE", "TREE5_FORTYTHIEVES_TYPE",
        "TREE5_FREECELL_TYPE", "TREE5_KLONDIKE_TYPE", "TREE5_PAIRING_TYPE", "TREE5_SIMPLEGAMES_TYPE",
        "TREE5_SPIDER_TYPE", "TREE5_1DECK_TYPE", "TREE5_2DECK_TYPE", "TREE5_CUSTOMIZED_GAMES",
        "TREE5_FAVORITES_GAMES", "TREE5_BAKERSDOZEN_TYPE", "TREE5_ROW_TYPE", "PROG_TIME_LONG", "PROG_TIME_MEDIUM",
        "PROG_TIME_QUICK", "PROG_DIFF_EASY", "PROG_DIFF_MEDIUM", "PROG_DIFF_HARD", "PROG_CHAN_VERYHIGH",
        "PROG_CHAN_HIGH", "PROG_CHAN_MEDIUM", "PROG_CHAN_LOW", "PROG_CHAN_VERYLOW", "PROG_DISABLED", "PROG_PRODUCT",
    };
    for (int rank = 1; rank <= 13; ++rank) {
        names.push_back("Card_" + std::to_string(rank) + "_Up");
        names.push_back("Card_" + std::to_string(rank) + "_Down");
    }
    for (const std::string& name : names) EXPECT_FALSE(Picture(name).isNull()) << name;
}

TEST_F(BuiltLibrary, CardCounterPicturesFitTheirCells) {
    // Cells lie 14 pixels apart and rows 18 apart.
    for (const char* name : {"Card_None", "Card_1_Up", "Card_13_Down"}) {
        const QImage picture = Picture(name);
        EXPECT_LE(picture.width(), 14) << name;
        EXPECT_LE(picture.height(), 18) << name;
    }
    EXPECT_LE(Picture("card_spades").width(), 16);
}

TEST_F(BuiltLibrary, HoldsTheTableCursorsWithHotSpots) {
    for (const char* name : {"CUR_ARROW1A", "CUR_ARROW2A", "CUR_HAND1A", "CUR_HAND2A", "CUR_CROSS1A", "CUR_ARROW1B",
                             "CUR_ARROW2B", "CUR_HAND1B", "CUR_HAND2B", "CUR_CROSS1B"}) {
        const QImage cursor = Picture(name);
        ASSERT_FALSE(cursor.isNull()) << name;
        bool hasX = false, hasY = false;
        const int x = cursor.text("HotSpotX").toInt(&hasX);
        const int y = cursor.text("HotSpotY").toInt(&hasY);
        ASSERT_TRUE(hasX && hasY) << name;
        EXPECT_TRUE(QRect(QPoint(0, 0), cursor.size()).contains(QPoint(x, y))) << name;
        EXPECT_TRUE(cursor.hasAlphaChannel()) << name;
    }
}

TEST_F(BuiltLibrary, HoldsAPreviewOfEveryListedGame) {
    GameList list;
    ASSERT_TRUE(LoadGameList(BuiltCatalogue(), list));
    const std::vector<int> codes = ListedGameCodes(list);
    ASSERT_FALSE(codes.empty());
    for (int code : codes) {
        const std::string name = resources::GamePreviewName(code);
        const QImage preview = Picture(name);
        ASSERT_FALSE(preview.isNull()) << name;
        // The dealt cards, face up (white) or face down (the back's blue), on
        // the table colour of the top-left pixel.
        int cardPixels = 0;
        for (int y = 0; y < preview.height(); ++y)
            for (int x = 0; x < preview.width(); ++x)
                cardPixels += preview.pixel(x, y) == qRgb(252, 252, 248) || preview.pixel(x, y) == qRgb(32, 64, 160);
        EXPECT_NE(preview.pixel(0, 0), qRgb(252, 252, 248)) << name;
        EXPECT_GT(cardPixels, 0) << name;
    }
    EXPECT_EQ(resources::GamePreviewName(12), "GAME0012");
}

// A 16-bit PCM wave file: the RIFF header, its "fmt " and "data" chunks.
struct WaveInfo {
    bool valid = false;
    int channels = 0;
    int bits = 0;
    std::uint32_t dataBytes = 0;
    bool silent = true;
};

std::uint32_t Le(const std::string& b, size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(b[at + static_cast<size_t>(i)]);
    return v;
}

WaveInfo ReadWave(const std::string& bytes) {
    WaveInfo info;
    if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0) return info;
    if (Le(bytes, 4, 4) != bytes.size() - 8) return info;
    size_t at = 12;
    bool pcm = false;
    while (at + 8 <= bytes.size()) {
        const std::string id = bytes.substr(at, 4);
        const std::uint32_t size = Le(bytes, at + 4, 4);
        if (at + 8 + size > bytes.size()) return info;
        if (id == "fmt ") {
            pcm = Le(bytes, at + 8, 2) == 1;
            info.channels = static_cast<int>(Le(bytes, at + 10, 2));
            info.bits = static_cast<int>(Le(bytes, at + 22, 2));
        } else if (id == "data") {
            info.dataBytes = size;
            for (size_t i = 0; i + 1 < size; i += 2) info.silent = info.silent && Le(bytes, at + 8 + i, 2) == 0;
        }
        at += 8 + size;
    }
    info.valid = pcm && info.bits == 16;
    return info;
}

TEST(BuiltSounds, EveryEventAndPreviewHasAWaveFile) {
    const std::filesystem::path folder = kProgramDir / "SOUNDS";
    // Event names and preview names meet in one file when they differ only in case.
    for (const char* file : {"Splash.wav", "New.wav", "Won.wav", "Undo.wav", "Redo.wav", "Stock.wav", "Redeal.wav",
                             "Tableau.wav", "Foundation.wav", "Autoplay.wav", "Eddy.wav", "Shuffle.wav",
                             "Pairing.wav", "Reorder.wav", "card_up.wav", "card_down.wav", "Face_up.wav",
                             "Restart.wav", "About.wav", "Scores.wav", "Hi-Scor.wav"}) {
        const std::string bytes = ReadFile(folder / file);
        ASSERT_NE(bytes, "<missing>") << file;
        const WaveInfo info = ReadWave(bytes);
        EXPECT_TRUE(info.valid) << file;
        EXPECT_GT(info.dataBytes, 0u) << file;
        EXPECT_FALSE(info.silent) << file;
    }
}

TEST(WavFile, WritesAHeaderThatDescribesTheSamples) {
    const std::string bytes = resources::WavBytes({0, 1000, -1000, 32767}, 22050);
    ASSERT_EQ(bytes.size(), 44u + 8u);
    const WaveInfo info = ReadWave(bytes);
    EXPECT_TRUE(info.valid);
    EXPECT_EQ(info.channels, 1);
    EXPECT_EQ(info.dataBytes, 8u);
    EXPECT_EQ(Le(bytes, 24, 4), 22050u);
    EXPECT_EQ(static_cast<std::int16_t>(Le(bytes, 46, 2)), 1000);
    EXPECT_EQ(static_cast<std::int16_t>(Le(bytes, 48, 2)), -1000);
}

TEST(SoundMix, RendersToThePeakAndEndsInSilence) {
    resources::SoundMix mix(0.1);
    mix.tone(0, 0.1, 440, 440, 0.3, 0.001, 1.0);
    const auto samples = mix.render(0.5);
    ASSERT_EQ(samples.size(), static_cast<size_t>(0.1 * resources::kSampleRate));
    int loudest = 0;
    for (auto s : samples) loudest = std::max(loudest, std::abs(int(s)));
    EXPECT_NEAR(loudest, 16383, 200);
    EXPECT_EQ(samples.back(), 0);
}

}  // namespace
}  // namespace dravicor::test
