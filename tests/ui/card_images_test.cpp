#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "built_files.h"
#include "support/fake_platform.h"
#include "support/temp_dir.h"
#include "ui/card_images.h"
#include "ui/image_folder.h"
#include "ui/resource_library.h"

namespace dravicor::test {
namespace {

constexpr Size kSmall{25, 32};

// A colour per suit and card, so that every cut piece can be recognised.
QRgb CardColour(int suit, int index) { return qRgb(10 + index * 18, 40 + suit * 50, 200 - index * 10); }

// A sheet of `count` cards, five to a row, each filled with its colour and
// marked with a black pixel in its top-left corner.
QImage Sheet(int suit, Size card, int count) {
    const int rows = (count + 4) / 5;
    QImage sheet(card.width * 5, card.height * rows, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    for (int i = 0; i < count; ++i) {
        const QRect rect((i % 5) * card.width, (i / 5) * card.height, card.width, card.height);
        painter.fillRect(rect, QColor::fromRgb(CardColour(suit, i)));
        painter.fillRect(QRect(rect.topLeft(), QSize(1, 1)), Qt::black);
    }
    return sheet;
}

// Row by row, in pixels whatever the sheet's density: Qt reads a file named
// "...@2x" as a picture of device pixel ratio 2.
TEST(CutFaceSheet, CutsThirteenCardsRowByRow) {
    for (const double density : {1.0, 2.0}) {
        QImage sheet = Sheet(1, kSmall, 13);
        sheet.setDevicePixelRatio(density);
        const auto faces = CutFaceSheet(sheet, kSmall);
        for (int i = 0; i < 13; ++i) {
            const QImage& face = faces[static_cast<size_t>(i)];
            ASSERT_EQ(face.size(), QSize(25, 32)) << i;
            EXPECT_EQ(face.pixel(0, 0), qRgb(0, 0, 0)) << i;  // the piece starts at the card's corner
            EXPECT_EQ(face.pixel(12, 16), CardColour(1, i)) << i;
            EXPECT_EQ(face.pixel(24, 31), CardColour(1, i)) << i;
        }
    }
    // Two rows: the King row (cards 10-12) is missing and left blank.
    const auto faces = CutFaceSheet(Sheet(2, kSmall, 10), kSmall);
    EXPECT_EQ(faces[9].pixel(5, 5), CardColour(2, 9));
    for (size_t i = 10; i < 13; ++i) EXPECT_EQ(qAlpha(faces[i].pixel(5, 5)), 0) << i;
}

TEST(CutFaceSheet, TheTableGreenOfTheRoundedCornersBecomesTransparent) {
    // The top-left card with a rounded corner of green blending into the
    // card, and a green pip in its middle and a green line along its top
    // edge beyond the corner.
    QImage sheet = Sheet(0, kSmall, 13);
    const QRgb green = qRgb(0, 96, 0);
    for (const auto& [x, y] : {std::pair{0, 0}, {1, 0}, {0, 1}, {0, 2}, {24, 0}, {23, 0}, {24, 31}, {12, 16}})
        sheet.setPixel(x, y, green);
    sheet.setPixel(2, 0, qRgb(35, 91, 38));
    for (int x = 8; x < 16; ++x) sheet.setPixel(x, 0, green);
    const QImage face = CutFaceSheet(sheet, kSmall)[0];
    for (const auto& [x, y] : {std::pair{0, 0}, {1, 0}, {2, 0}, {0, 1}, {0, 2}, {24, 0}, {23, 0}, {24, 31}})
        EXPECT_EQ(qAlpha(face.pixel(x, y)), 0) << x << "," << y;
    EXPECT_EQ(face.pixel(12, 16), green) << "a green inside the card stays";
    EXPECT_EQ(face.pixel(10, 0), green) << "so does one the corner does not reach";
    EXPECT_EQ(face.pixel(1, 1), CardColour(0, 0));
}

class LoadCardImagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        library_ = ResourceLibrary::Open(kBuiltProgramDir);
        ASSERT_NE(library_, nullptr);
        QImage back(25, 32, QImage::Format_RGB32);
        back.fill(Qt::darkBlue);
        SaveBitmap(dir_ / "Images" / "DP011.bmp", back);
        const char suits[] = {'H', 'D', 'C', 'S'};
        for (int s = 0; s < 4; ++s)
            SaveBitmap(dir_ / "Images" / (std::string("CP001") + suits[s] + ".bmp"), Sheet(s + 1, kSmall, 13));
    }

    TempDir dir_;
    std::unique_ptr<ResourceLibrary> library_;
    FakePlatform platform_;
    const CardImageChoice choice_{'P', "001", "011"};
};

TEST_F(LoadCardImagesTest, LoadsFacesBackMarkersShadowsAndBorders) {
    const auto images = LoadCardImages(choice_, ImageFolder(dir_.path()), *library_, platform_);
    ASSERT_TRUE(images.has_value());
    EXPECT_TRUE(platform_.messages.empty());
    EXPECT_EQ(images->cardSize, kSmall);
    EXPECT_EQ(images->back.size(), QSize(25, 32));
    // Hearts 0-12, diamonds 13-25, clubs 26-38, spades 39-51.
    EXPECT_EQ(images->faces[0].toImage().pixel(10, 10), CardColour(1, 0));
    EXPECT_EQ(images->faces[13].toImage().pixel(10, 10), CardColour(2, 0));
    EXPECT_EQ(images->faces[38].toImage().pixel(10, 10), CardColour(3, 12));
    EXPECT_EQ(images->faces[51].toImage().pixel(10, 10), CardColour(4, 12));
    EXPECT_EQ(images->markers.at(10).size(), QSize(25, 32));
    EXPECT_EQ(images->markers.at(22).size(), QSize(25, 32));
    for (const QPixmap& shadow : images->shadows) {
        EXPECT_EQ(shadow.size(), QSize(25, 32));
        EXPECT_FALSE(shadow.mask().isNull());
    }
    for (const QPixmap& border : images->borders) EXPECT_FALSE(border.mask().isNull());
}

TEST_F(LoadCardImagesTest, AMissingSheetOrBackIsReportedAndNothingIsLoaded) {
    for (const char* file : {"CP001C.bmp", "DP011.bmp"}) {
        SetUp();
        platform_.messages.clear();
        std::filesystem::remove(dir_ / "Images" / file);
        EXPECT_FALSE(LoadCardImages(choice_, ImageFolder(dir_.path()), *library_, platform_).has_value()) << file;
        ASSERT_EQ(platform_.messages.size(), 1u) << file;
        EXPECT_EQ(platform_.messages[0].text.rfind("Cannot find images file:\r" + (dir_ / "Images" / file).string(), 0),
                  0u);
    }
}

}  // namespace
}  // namespace dravicor::test
