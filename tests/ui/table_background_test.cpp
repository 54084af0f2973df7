#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "built_files.h"
#include "common/settings_record.h"
#include "support/fake_platform.h"
#include "support/temp_dir.h"
#include "ui/image_folder.h"
#include "ui/table_background.h"

namespace dravicor::test {
namespace {

constexpr QRgb kDefaultGreen = qRgb(0, 96, 0);  // 24576
constexpr QRgb kPlainGreen = qRgb(0, 128, 0);   // 32768

// A picture whose every pixel differs from its neighbours, so a tile's
// position shows in any pixel.
QImage Pattern(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgb(x * 20, y * 30, 200));
    return image;
}

class TableBackgroundTest : public ::testing::Test {
protected:
    void SetUp() override {
        settings.put(Field::BackgroundDefault, "N");
        settings.put(Field::BackgroundColour, "3302600");  // 200, 100, 50
        settings.put(Field::BackgroundPicture, "0");
        settings.put(Field::BackgroundFixedColour, "0");
        settings.put(Field::FadeBackground, "N");
    }

    QImage Draw(QSize table, TableBackgroundState state = {}) {
        QImage canvas(TableBackgroundArea(table, state.scrollBarShown), QImage::Format_RGB32);
        canvas.fill(Qt::magenta);  // shows any pixel left unpainted
        QPainter painter(&canvas);
        DrawTableBackground(painter, table, settings, state, ImageFolder(dir.path()), platform);
        return canvas;
    }

    // Every pixel of the image is this colour.
    static void ExpectPlain(const QImage& image, QRgb colour) {
        int wrong = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) wrong += image.pixel(x, y) != colour;
        EXPECT_EQ(wrong, 0) << "of " << image.width() << " x " << image.height();
    }

    TempDir dir;
    FakePlatform platform;
    SettingsRecord settings;
};

// The settings that leave the table one colour: the default dark green
// (never faded), a fixed colour, a colour shown plain for want of colours, a
// system colour from the palette, and a picture that is missing.
TEST_F(TableBackgroundTest, PlainBackgrounds) {
    const QRgb button = QGuiApplication::palette().color(QPalette::Active, QPalette::Button).rgb();
    const struct {
        const char* name;
        std::vector<std::pair<FieldSpec, const char*>> settings;
        TableBackgroundState state;
        QRgb colour;
    } cases[] = {
        {"default", {{Field::BackgroundDefault, "Y"}, {Field::FadeBackground, "Y"}}, {}, kDefaultGreen},
        {"default with few colours", {{Field::BackgroundDefault, "Y"}}, {.fewColours = true}, kPlainGreen},
        {"teal", {{Field::BackgroundFixedColour, "8421376"}}, {}, qRgb(0, 128, 128)},
        {"few colours unfaded", {{Field::FadeBackground, "Y"}}, {.fewColours = true}, qRgb(200, 100, 50)},
        {"the button face", {{Field::BackgroundColour, "-2147483633"}}, {}, button},
        {"missing tile", {{Field::BackgroundPicture, "300"}}, {}, kDefaultGreen},
        {"missing picture", {{Field::BackgroundPicture, "700"}}, {}, kDefaultGreen},
        {"missing demo table", {}, {.demoMode = true}, kDefaultGreen},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        for (const auto& [field, value] : c.settings) settings.put(field, value);
        ExpectPlain(Draw(QSize(30, 20), c.state), c.colour);
    }
    EXPECT_EQ(ColourOfRef(0x80000005u, QGuiApplication::palette()),
              QGuiApplication::palette().color(QPalette::Active, QPalette::Base));
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(TableBackgroundTest, AFadedColourDarkensBandByBandTowardsTheBottom) {
    settings.put(Field::FadeBackground, "Y");
    // 256 rows: one band per row, band k at row 255 - k.
    const QImage image = Draw(QSize(20, 255));
    ASSERT_EQ(image.height(), 256);
    EXPECT_EQ(image.pixel(0, 255), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(7, 128), qRgb(99, 50, 25));  // band 127
    EXPECT_EQ(image.pixel(20, 127), qRgb(100, 50, 25));
    EXPECT_EQ(image.pixel(13, 0), qRgb(199, 100, 50));  // band 255, almost the colour
    for (int y = 1; y < 256; ++y) EXPECT_LE(qRed(image.pixel(3, y)), qRed(image.pixel(3, y - 1))) << y;
}

TEST_F(TableBackgroundTest, TheScrollBarStretchesTheFadeOverTheLongerArea) {
    settings.put(Field::BackgroundFixedColour, "8421376");
    settings.put(Field::FadeBackground, "Y");
    // 600 + 80 rows: band 0 is rows 677-679, band 3 rows 669-671, band 255 rows 0-2.
    const QImage image = Draw(QSize(10, 600), {.scrollBarShown = true});
    ASSERT_EQ(image.height(), 680);
    EXPECT_EQ(image.pixel(5, 679), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(5, 669), qRgb(0, 2, 2));
    EXPECT_EQ(image.pixel(5, 671), qRgb(0, 2, 2));
    EXPECT_EQ(image.pixel(5, 0), qRgb(0, 128, 128));
    EXPECT_EQ(image.pixel(5, 2), qRgb(0, 128, 128));
}

TEST_F(TableBackgroundTest, PicturesBelow500AreTiledFromTheTopLeftCorner) {
    SaveBitmap(dir / "Images" / "B257.bmp", Pattern(7, 5));
    settings.put(Field::BackgroundPicture, "257");
    const QImage image = Draw(QSize(30, 20));
    const QImage tile = Pattern(7, 5);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_EQ(image.pixel(x, y), tile.pixel(x % 7, y % 5)) << x << "," << y;
}

TEST_F(TableBackgroundTest, PicturesFrom500OnAreDrawnOnceOnTheDefaultGreen) {
    SaveBitmap(dir / "Images" / "B500.bmp", Pattern(10, 8));
    settings.put(Field::BackgroundPicture, "500");
    const QImage image = Draw(QSize(25, 20));
    EXPECT_EQ(image.pixel(0, 0), Pattern(10, 8).pixel(0, 0));
    EXPECT_EQ(image.pixel(9, 7), Pattern(10, 8).pixel(9, 7));
    EXPECT_EQ(image.pixel(10, 0), kDefaultGreen);
    EXPECT_EQ(image.pixel(0, 8), kDefaultGreen);
    EXPECT_EQ(image.pixel(25, 20), kDefaultGreen);
}

TEST_F(TableBackgroundTest, DemoModeTilesTheDemoTableOverAnyBackground) {
    SaveBitmap(dir / "Images" / "Y001.bmp", Pattern(6, 4));
    settings.put(Field::BackgroundDefault, "Y");
    const QImage image = Draw(QSize(13, 9), {.demoMode = true});
    EXPECT_EQ(image.pixel(1, 1), Pattern(6, 4).pixel(1, 1));
    EXPECT_EQ(image.pixel(13, 9), Pattern(6, 4).pixel(1, 1));
}

}  // namespace
}  // namespace dravicor::test
