#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "support/fake_platform.h"
#include "support/temp_dir.h"
#include "ui/image_folder.h"

namespace dravicor::test {
namespace {

void SaveBitmap(const std::filesystem::path& path, const QImage& image) {
    std::filesystem::create_directories(path.parent_path());
    ASSERT_TRUE(image.save(QString::fromStdString(path.string()), "BMP"));
}

// A 3 x 2 picture: the top-left pixel red, the rest blue.
QImage Tile() {
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(Qt::blue);
    image.setPixel(0, 0, qRgb(255, 0, 0));
    return image;
}

TEST(ImageFolder, FilesLieInImagesAsBitmaps) {
    const ImageFolder images("/prog/");
    EXPECT_EQ(images.PathOf("CB001C"), std::filesystem::path("/prog/Images/CB001C.bmp"));
    EXPECT_EQ(images.PathOf(DoubleSizeName("CB001C")), std::filesystem::path("/prog/Images/CB001C@2x.bmp"));
}

TEST(ImageFolder, LoadImageFileTakesTheFilesSize) {
    TempDir dir;
    SaveBitmap(dir / "Images" / "B257.bmp", Tile());
    QPixmap picture;
    EXPECT_TRUE(ImageFolder(dir.path()).LoadImageFile("B257", picture));
    EXPECT_EQ(picture.size(), QSize(3, 2));
}

TEST(ImageFolder, AMissingFileLeavesThePictureAsItWas) {
    TempDir dir;
    QPixmap picture(5, 7);
    EXPECT_FALSE(ImageFolder(dir.path()).LoadImageFile("B999", picture));
    EXPECT_EQ(picture.size(), QSize(5, 7));
}

TEST(ImageFolder, TileImageRepeatsThePictureAcrossTheCanvas) {
    TempDir dir;
    SaveBitmap(dir / "Images" / "B257.bmp", Tile());
    FakePlatform platform;
    QImage canvas(8, 5, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    {
        QPainter painter(&canvas);
        EXPECT_TRUE(ImageFolder(dir.path()).TileImage(painter, 8, 5, "B257", platform));
    }
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 8; ++x) {
            const QRgb expected = (x % 3 == 0 && y % 2 == 0) ? qRgb(255, 0, 0) : qRgb(0, 0, 255);
            EXPECT_EQ(canvas.pixel(x, y), expected) << x << "," << y;
        }
    }
    EXPECT_TRUE(platform.messages.empty());
}

TEST(ImageFolder, TileImageWithoutANameSaysSoAndDrawsNothing) {
    TempDir dir;
    FakePlatform platform;
    QImage canvas(4, 4, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    {
        QPainter painter(&canvas);
        EXPECT_FALSE(ImageFolder(dir.path()).TileImage(painter, 4, 4, "", platform));
    }
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "fnRiempi Image: bad option");
    EXPECT_EQ(canvas.pixel(2, 2), qRgb(255, 255, 255));
}

TEST(ImageFolder, TileImageOfAMissingFileDrawsNothingQuietly) {
    TempDir dir;
    FakePlatform platform;
    QImage canvas(4, 4, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    {
        QPainter painter(&canvas);
        EXPECT_FALSE(ImageFolder(dir.path()).TileImage(painter, 4, 4, "B300", platform));
    }
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(canvas.pixel(0, 0), qRgb(255, 255, 255));
}

TEST(ImageFolder, CheckImageFileReportsAMissingFile) {
    TempDir dir;
    FakePlatform platform;
    const auto path = dir / "Images" / "CB001C.bmp";
    EXPECT_FALSE(CheckImageFile(path, platform));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].caption, "Error");
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(platform.messages[0].text,
              "Cannot find images file:\r" + path.string() +
                  "\rSome program components cannot be shown correctly.\r"
                  "Copy the file into the directory that above is specified\ror reinstall the program.");
}

TEST(ImageFolder, CheckImageFileIsQuietWhenTheFileIsThere) {
    TempDir dir;
    SaveBitmap(dir / "Images" / "CB001C.bmp", Tile());
    FakePlatform platform;
    EXPECT_TRUE(CheckImageFile(dir / "Images" / "CB001C.bmp", platform));
    EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace dravicor::test
