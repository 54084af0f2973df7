#include <gtest/gtest.h>

#include <QBitmap>
#include <QImage>

#include "built_files.h"
#include "common/settings_record.h"
#include "support/fake_platform.h"
#include "support/temp_dir.h"
#include "ui/resource_library.h"
#include "ui/table_appearance.h"
#include "ui/table_background.h"

namespace dravicor::test {
namespace {

constexpr char kSuits[] = {'H', 'D', 'C', 'S'};

// One colour per face set, suit and density, so every picture tells where it came from.
QRgb FaceColour(int set, int suit, int scale) { return qRgb(40 * set, 50 * suit + 20, scale == 2 ? 250 : 90); }
QRgb BackColour(int back, int scale) { return qRgb(200, 10 * back, scale == 2 ? 160 : 60); }

QImage Filled(QSize size, QRgb colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

class TableAppearanceTest : public ::testing::Test {
protected:
    void SetUp() override {
        library = ResourceLibrary::Open(kBuiltProgramDir);
        ASSERT_NE(library, nullptr);
        WriteDeck('P', QSize(25, 32), 1, {1, 2});
        WriteDeck('P', QSize(25, 32), 2, {1});
        WriteBack('P', QSize(25, 32), 11, {1, 2});
        WriteBack('P', QSize(25, 32), 12, {1});
        settings.put(Field::CardSize, "P");
        settings.put(Field::CardSet, "001");
        settings.put(Field::CardBack, "011");
        settings.put(Field::BackgroundDefault, "Y");
    }

    // Face sheets of one colour per suit, at the given densities.
    void WriteDeck(char size, QSize card, int set, std::initializer_list<int> scales) {
        for (int scale : scales)
            for (int suit = 0; suit < 4; ++suit)
                SaveBitmap(Images() / Name("C", size, set, std::string(1, kSuits[suit]), scale),
                           Filled(QSize(card.width() * 5, card.height() * 3) * scale, FaceColour(set, suit, scale)));
    }
    void WriteBack(char size, QSize card, int back, std::initializer_list<int> scales) {
        for (int scale : scales)
            SaveBitmap(Images() / Name("D", size, back, "", scale), Filled(card * scale, BackColour(back, scale)));
    }
    static std::string Name(const char* kind, char size, int number, const std::string& suit, int scale) {
        return kind + std::string(1, size) + FormatField(number, 3) + suit + (scale == 2 ? "@2x" : "") + ".bmp";
    }
    std::filesystem::path Images() const { return dir / "Images"; }

    std::unique_ptr<TableAppearance> Load() {
        return TableAppearance::Load(settings, ImageFolder(dir.path()), *library, platform, 24);
    }

    TempDir dir;
    FakePlatform platform;
    SettingsRecord settings;
    std::unique_ptr<ResourceLibrary> library;
};

QRgb Centre(const QPixmap& picture) {
    const QImage image = picture.toImage();
    return image.pixel(image.width() / 2, image.height() / 2);
}

TEST_F(TableAppearanceTest, TheDoubleSizeCardsServeScalesAbove125) {
    const auto appearance = Load();
    ASSERT_NE(appearance, nullptr);
    EXPECT_TRUE(platform.messages.empty());
    for (double scale : {0.5, 1.0, 1.25}) {
        const CardImages& cards = appearance->cards(scale);
        EXPECT_EQ(cards.faces[0].size(), QSize(25, 32)) << scale;
        EXPECT_EQ(cards.faces[0].devicePixelRatio(), 1.0) << scale;
        EXPECT_EQ(Centre(cards.faces[0]), FaceColour(1, 0, 1));
        EXPECT_EQ(Centre(cards.back), BackColour(11, 1));
    }
    for (double scale : {1.26, 2.0, 3.0}) {
        const CardImages& cards = appearance->cards(scale);
        EXPECT_EQ(cards.cardSize, (Size{25, 32})) << scale;
        EXPECT_EQ(cards.faces[51].size(), QSize(50, 64)) << scale;
        EXPECT_EQ(cards.faces[51].deviceIndependentSize(), QSizeF(25, 32)) << scale;
        EXPECT_EQ(Centre(cards.faces[51]), FaceColour(1, 3, 2));
        EXPECT_EQ(Centre(cards.back), BackColour(11, 2));
        EXPECT_EQ(cards.back.devicePixelRatio(), 2.0);
    }
}

TEST_F(TableAppearanceTest, TheLibraryPicturesAreScaledUpForTheDoubleSizeCards) {
    const auto appearance = Load();
    ASSERT_NE(appearance, nullptr);
    const CardImages& natural = appearance->cards(1.0);
    const CardImages& doubled = appearance->cards(2.0);
    ASSERT_EQ(doubled.markers.size(), natural.markers.size());
    EXPECT_EQ(doubled.markers.at(10).size(), natural.markers.at(10).size() * 2);
    EXPECT_EQ(doubled.markers.at(10).devicePixelRatio(), 2.0);
    for (size_t i = 0; i < 2; ++i) {
        // What the mask hides in the natural shadow (its rounded corners)
        // stays see-through at double size; what lies well inside stays opaque.
        const QImage mask = natural.shadows[i].mask().toImage();
        const QImage shadow = doubled.shadows[i].toImage();
        ASSERT_EQ(shadow.size(), natural.shadows[i].size() * 2);
        const auto hidden = [&](int x, int y) {
            return x < 0 || y < 0 || x >= mask.width() || y >= mask.height() || mask.pixelIndex(x, y) == 0;
        };
        int corners = 0;
        for (int y = 0; y < mask.height(); ++y) {
            for (int x = 0; x < mask.width(); ++x) {
                bool nearHidden = false;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) nearHidden |= hidden(x + dx, y + dy);
                if (hidden(x, y)) {
                    ++corners;
                    EXPECT_LT(qAlpha(shadow.pixel(2 * x, 2 * y)), 128) << x << "," << y;
                } else if (!nearHidden) {
                    EXPECT_EQ(qAlpha(shadow.pixel(2 * x, 2 * y)), 255) << x << "," << y;
                }
            }
        }
        EXPECT_GT(corners, 0);
        EXPECT_EQ(doubled.borders[i].size(), natural.borders[i].size() * 2);
    }
}

TEST_F(TableAppearanceTest, AMissingDoubleSizeFileFallsBackToTheNaturalPictureScaledUp) {
    std::filesystem::remove(Images() / "CP001S@2x.bmp");
    std::filesystem::remove(Images() / "DP011@2x.bmp");
    const auto appearance = Load();
    ASSERT_NE(appearance, nullptr);
    const CardImages& doubled = appearance->cards(2.0);
    EXPECT_EQ(Centre(doubled.faces[0]), FaceColour(1, 0, 2));  // hearts from their @2x sheet
    EXPECT_EQ(Centre(doubled.faces[39]), FaceColour(1, 3, 1));
    EXPECT_EQ(doubled.faces[39].size(), QSize(50, 64));
    EXPECT_EQ(doubled.faces[39].devicePixelRatio(), 2.0);
    EXPECT_EQ(Centre(doubled.back), BackColour(11, 1));
    EXPECT_EQ(doubled.back.size(), QSize(50, 64));
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(TableAppearanceTest, AMissingFaceSheetIsReportedAndNothingIsLoaded) {
    std::filesystem::remove(Images() / "CP001D.bmp");
    EXPECT_EQ(Load(), nullptr);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text.rfind("Cannot find images file:\r" + (Images() / "CP001D.bmp").string(), 0),
              0u);
}

TEST_F(TableAppearanceTest, ReloadTakesOnlyWhatTheRecordChanged) {
    const auto appearance = Load();
    ASSERT_NE(appearance, nullptr);
    const qint64 back = appearance->cards(1.0).back.cacheKey();
    const qint64 doubledBack = appearance->cards(2.0).back.cacheKey();
    settings.put(Field::CardSet, "002");
    EXPECT_TRUE(appearance->reload());
    EXPECT_EQ(Centre(appearance->cards(1.0).faces[13]), FaceColour(2, 1, 1));
    // Set 2 has no @2x sheets: its natural faces scaled up.
    EXPECT_EQ(Centre(appearance->cards(2.0).faces[13]), FaceColour(2, 1, 1));
    EXPECT_EQ(appearance->cards(1.0).back.cacheKey(), back);
    EXPECT_EQ(appearance->cards(2.0).back.cacheKey(), doubledBack);

    const qint64 face = appearance->cards(1.0).faces[5].cacheKey();
    settings.put(Field::CardBack, "012");
    EXPECT_TRUE(appearance->reload());
    EXPECT_EQ(Centre(appearance->cards(1.0).back), BackColour(12, 1));
    EXPECT_EQ(appearance->cards(1.0).faces[5].cacheKey(), face);
    EXPECT_EQ(appearance->choice(), (CardImageChoice{'P', "002", "012"}));
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(TableAppearanceTest, AChangeOfSizeReloadsEverything) {
    WriteDeck('M', QSize(59, 80), 3, {1});
    WriteBack('M', QSize(59, 80), 6, {1});
    const auto appearance = Load();
    ASSERT_NE(appearance, nullptr);
    settings.put(Field::CardSize, "M");
    settings.put(Field::CardSet, "003");
    settings.put(Field::CardBack, "006");
    EXPECT_TRUE(appearance->reload());
    for (double scale : {1.0, 2.0}) {
        const CardImages& cards = appearance->cards(scale);
        EXPECT_EQ(cards.cardSize, (Size{59, 80}));
        EXPECT_EQ(cards.faces[0].deviceIndependentSize(), QSizeF(59, 80));
        EXPECT_EQ(cards.back.deviceIndependentSize(), QSizeF(59, 80));
        EXPECT_EQ(cards.markers.at(10).deviceIndependentSize(), QSizeF(59, 80));
        EXPECT_EQ(Centre(cards.faces[26]), FaceColour(3, 2, 1));
    }
    // An unknown letter keeps the size.
    settings.put(Field::CardSize, "X");
    EXPECT_TRUE(appearance->reload());
    EXPECT_EQ(appearance->choice().sizeLetter, 'M');
}

TEST_F(TableAppearanceTest, AFailedReloadKeepsTheOldPictures) {
    const auto appearance = Load();
    ASSERT_NE(appearance, nullptr);
    settings.put(Field::CardSet, "009");
    settings.put(Field::CardBack, "012");
    EXPECT_FALSE(appearance->reload());
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].text.find("CP009H.bmp"), std::string::npos);
    EXPECT_EQ(Centre(appearance->cards(1.0).faces[0]), FaceColour(1, 0, 1));
    EXPECT_EQ(Centre(appearance->cards(1.0).back), BackColour(11, 1));
    EXPECT_EQ(appearance->choice(), (CardImageChoice{'P', "001", "011"}));
}

TEST_F(TableAppearanceTest, TheBackgroundIsRebuiltOnlyWhenSomethingChanged) {
    const auto appearance = Load();
    ASSERT_NE(appearance, nullptr);
    const auto key = [&](QSize size, bool demo = false, bool scroll = false) {
        return appearance->background(size, demo, scroll).cacheKey();
    };
    const qint64 first = key(QSize(100, 80));
    EXPECT_EQ(appearance->background(QSize(100, 80), false, false).size(), QSize(101, 81));
    EXPECT_EQ(Centre(appearance->background(QSize(100, 80), false, false)), qRgb(0, 96, 0));
    EXPECT_EQ(key(QSize(100, 80)), first);

    const qint64 wider = key(QSize(120, 80));
    EXPECT_NE(wider, first);
    EXPECT_EQ(key(QSize(120, 80)), wider);
    EXPECT_EQ(appearance->background(QSize(120, 80), false, true).size(), QSize(121, 160));

    settings.put(Field::BackgroundDefault, "N");
    settings.put(Field::BackgroundPicture, "0");
    settings.put(Field::BackgroundFixedColour, "8421376");
    const qint64 teal = key(QSize(120, 80));
    EXPECT_EQ(Centre(appearance->background(QSize(120, 80), false, false)), qRgb(0, 128, 128));
    EXPECT_EQ(key(QSize(120, 80)), teal);

    appearance->invalidateBackground();
    EXPECT_NE(key(QSize(120, 80)), teal);

    const qint64 plain = key(QSize(120, 80));
    EXPECT_NE(key(QSize(120, 80), true), plain);  // demo mode
    EXPECT_TRUE(platform.messages.empty());
}

TEST(InstalledTableAppearance, TheBigCardsHaveTheirDoubleSizeFiles) {
    const auto library = ResourceLibrary::Open(kBuiltProgramDir);
    ASSERT_NE(library, nullptr);
    FakePlatform platform;
    SettingsRecord settings;
    settings.put(Field::CardSize, "B");
    settings.put(Field::CardSet, "003");
    settings.put(Field::CardBack, "011");
    const auto appearance = TableAppearance::Load(settings, ImageFolder(kBuiltProgramDir), *library, platform, 24);
    ASSERT_NE(appearance, nullptr);
    EXPECT_TRUE(platform.messages.empty());
    const CardImages& natural = appearance->cards(1.0);
    const CardImages& doubled = appearance->cards(2.0);
    for (size_t i = 0; i < 52; ++i) {
        ASSERT_EQ(natural.faces[i].size(), QSize(71, 96)) << i;
        ASSERT_EQ(doubled.faces[i].size(), QSize(142, 192)) << i;
        // Drawn at twice the size, not scaled: the pixels differ from the natural card's scaled up.
        const QImage scaled =
            natural.faces[i].toImage().scaled(142, 192, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QImage twice = doubled.faces[i].toImage().convertToFormat(scaled.format());
        twice.setDevicePixelRatio(1.0);
        EXPECT_NE(twice, scaled) << i;
    }
    EXPECT_EQ(doubled.back.size(), QSize(142, 192));
}

class RandomAppearanceTest : public TableAppearanceTest {
protected:
    void SetUp() override {
        TableAppearanceTest::SetUp();
        for (int set : {1, 2}) WriteDeck('B', QSize(71, 96), set, {1});
        for (int back : {1, 2}) WriteBack('B', QSize(71, 96), back, {1});
        SaveBitmap(Images() / "B257.bmp", Filled(QSize(8, 8), qRgb(1, 2, 3)));
        settings.put(Field::CardSize, "B");
        settings.put(Field::CardSet, "001");
        settings.put(Field::CardBack, "001");
    }
};

TEST_F(RandomAppearanceTest, ANewFaceSetIsLoadedAndTheBackKept) {
    settings.put(Field::RandomCard, "Y");
    const auto appearance = Load();
    ASSERT_NE(appearance, nullptr);
    const qint64 back = appearance->cards(1.0).back.cacheKey();
    const qint64 background = appearance->background(QSize(50, 50), false, false).cacheKey();
    std::mt19937_64 random(7);
    AppearanceChange change;
    for (int i = 0; i < 50 && !change.faces; ++i) change = appearance->randomizeForNewGame(random);
    ASSERT_TRUE(change.faces);
    EXPECT_EQ(change, (AppearanceChange{.faces = true}));
    EXPECT_EQ(Centre(appearance->cards(1.0).faces[0]), FaceColour(2, 0, 1));
    EXPECT_EQ(Centre(appearance->cards(2.0).faces[0]), FaceColour(2, 0, 1));
    EXPECT_EQ(appearance->cards(1.0).back.cacheKey(), back);
    EXPECT_EQ(appearance->background(QSize(50, 50), false, false).cacheKey(), background);
}

TEST_F(RandomAppearanceTest, ARandomBackgroundIsDrawnAnew) {
    settings.put(Field::RandomBackground, "Y");
    settings.put(Field::RandomDeck, "Y");
    const auto appearance = Load();
    ASSERT_NE(appearance, nullptr);
    std::mt19937_64 random(11);
    bool sawPicture = false, sawBack = false;
    for (int i = 0; i < 60; ++i) {
        const qint64 before = appearance->background(QSize(40, 40), false, false).cacheKey();
        const AppearanceChange change = appearance->randomizeForNewGame(random);
        const QPixmap& after = appearance->background(QSize(40, 40), false, false);
        EXPECT_EQ(after.cacheKey() != before, change.background) << i;
        EXPECT_FALSE(change.faces);
        if (settings.get(Field::BackgroundPicture) == "257") {
            sawPicture = true;
            EXPECT_EQ(Centre(after), qRgb(1, 2, 3));
        }
        if (change.back) {
            sawBack = true;
            EXPECT_EQ(Centre(appearance->cards(1.0).back), BackColour(settings.getNumber(Field::CardBack), 1));
        }
    }
    EXPECT_TRUE(sawPicture);
    EXPECT_TRUE(sawBack);
    EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace dravicor::test
