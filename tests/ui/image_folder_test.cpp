#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "built_files.h"
#include "support/fake_platform.h"
#include "support/temp_dir.h"
#include "ui/image_folder.h"

namespace dravicor::test {
namespace {

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

TEST(ImageFolder, LoadImageFileTakesTheFilesSizeOrLeavesThePictureAsItWas) {
    TempDir dir;
    SaveBitmap(dir / "Images" / "B257.bmp", Tile());
    QPixmap picture(5, 7);
    EXPECT_FALSE(ImageFolder(dir.path()).LoadImageFile("B999", picture));
    EXPECT_EQ(picture.size(), QSize(5, 7));
    EXPECT_TRUE(ImageFolder(dir.path()).LoadImageFile("B257", picture));
    EXPECT_EQ(picture.size(), QSize(3, 2));
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

// Without a name there is a message; a missing file is quiet. Neither draws.
TEST(ImageFolder, TileImageWithoutAPictureDrawsNothing) {
    TempDir dir;
    for (const auto& [name, message] : {std::pair{"", "fnRiempi Image: bad option"}, std::pair{"B300", ""}}) {
        FakePlatform platform;
        QImage canvas(4, 4, QImage::Format_RGB32);
        canvas.fill(Qt::white);
        {
            QPainter painter(&canvas);
            EXPECT_FALSE(ImageFolder(dir.path()).TileImage(painter, 4, 4, name, platform)) << name;
        }
        EXPECT_EQ(platform.messages.empty() ? "" : platform.messages[0].text, message) << name;
        EXPECT_LE(platform.messages.size(), 1u);
        EXPECT_EQ(canvas.pixel(2, 2), qRgb(255, 255, 255)) << name;
    }
}

TEST(ImageFolder, CheckImageFileReportsAMissingFileOnly) {
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
    SaveBitmap(path, Tile());
    EXPECT_TRUE(CheckImageFile(path, platform));
    EXPECT_EQ(platform.messages.size(), 1u);
}

}  // namespace
}  // namespace dravicor::test
