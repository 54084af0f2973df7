#include "ui/card_images.h"

#include <algorithm>
#include <cstdio>

#include <QBitmap>
#include <QPainter>

#include "rules/layout.h"
#include "ui/image_folder.h"
#include "ui/resource_library.h"

namespace dravicor {

namespace {

constexpr int kCardsPerRow = 5;
constexpr char kSuitLetters[] = {'H', 'D', 'C', 'S'};

QPixmap WithTransparent(const QPixmap& picture, const QColor& colour) {
    if (picture.isNull()) return picture;
    QPixmap result = picture;
    result.setMask(picture.createMaskFromColor(colour, Qt::MaskInColor));
    return result;
}

std::string Numbered(const char* prefix, char size, int number, int digits) {
    char text[32];
    std::snprintf(text, sizeof text, "%s%c%0*d", prefix, size, digits, number);
    return text;
}

Size Doubled(Size size) {
    const int ratio = static_cast<int>(kDoubleSizeRatio);
    return {size.width * ratio, size.height * ratio};
}

// The natural picture at twice its pixels, covering the same logical area.
QPixmap ScaledUp(const QPixmap& natural) {
    if (natural.isNull()) return natural;
    const QSize target = natural.size() * kDoubleSizeRatio;
    // Through QImage: a masked pixmap then scales with an alpha channel, so
    // its transparent parts stay transparent.
    QPixmap scaled = QPixmap::fromImage(natural.toImage().convertToFormat(QImage::Format_ARGB32).scaled(
        target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    scaled.setDevicePixelRatio(kDoubleSizeRatio);
    return scaled;
}

QPixmap AtDoubleDensity(QPixmap picture) {
    picture.setDevicePixelRatio(kDoubleSizeRatio);
    return picture;
}

// The card pictures are opaque, their rounded corners painted in the green
// of the default table (0, 96, 0) and blended into the card's edge; on any
// other table that green would show. Clears the greenish pixels from each
// corner inwards, row by row, as far as they reach unbroken (never more than
// a tenth of the card's width).
bool TableGreenish(QRgb pixel) {
    const int green = qGreen(pixel);
    return green >= 80 && green > std::max(qRed(pixel), qBlue(pixel)) + 24;
}

void ClearCorners(QImage& card) {
    const int reach = std::max(3, card.width() / 10);
    const int w = card.width(), h = card.height();
    for (int row = 0; row < std::min(reach, h); ++row) {
        for (const int y : {row, h - 1 - row}) {
            for (int x = 0; x < std::min(reach, w) && TableGreenish(card.pixel(x, y)); ++x) card.setPixel(x, y, 0);
            for (int x = w - 1; x >= std::max(0, w - reach) && TableGreenish(card.pixel(x, y)); --x)
                card.setPixel(x, y, 0);
        }
    }
}

QPixmap WithoutCorners(const QPixmap& card) {
    if (card.isNull()) return card;
    QImage image = card.toImage().convertToFormat(QImage::Format_ARGB32);
    ClearCorners(image);
    QPixmap result = QPixmap::fromImage(image);
    result.setDevicePixelRatio(card.devicePixelRatio());
    return result;
}

// Checks the file first: a file that exists but cannot be read leaves the
// picture blank rather than ending the program.
bool LoadRequired(const ImageFolder& images, const std::string& name, Messages& messages, QPixmap& target) {
    if (!CheckImageFile(images.PathOf(name), messages)) return false;
    images.LoadImageFile(name, target);
    return true;
}

}  // namespace

std::array<QImage, 13> CutFaceSheet(const QImage& sheet, Size card) {
    // Qt reads a file named "...@2x" as a picture of device pixel ratio 2;
    // the sheet is cut in pixels whatever its ratio.
    QImage pixels = sheet;
    pixels.setDevicePixelRatio(1.0);
    std::array<QImage, 13> faces;
    for (int index = 0; index < 13; ++index) {
        const int row = index / kCardsPerRow, column = index % kCardsPerRow;
        QImage face(card.width, card.height, QImage::Format_ARGB32);
        face.fill(Qt::transparent);
        QPainter painter(&face);
        painter.drawImage(QPoint(0, 0), pixels,
                          QRect(column * card.width, row * card.height, card.width, card.height));
        painter.end();
        ClearCorners(face);
        faces[static_cast<size_t>(index)] = face;
    }
    return faces;
}

std::string FaceSheetName(const CardImageChoice& choice, char suitLetter) {
    return std::string("C") + choice.sizeLetter + choice.faceSet + suitLetter;
}

std::string BackName(const CardImageChoice& choice) { return std::string("D") + choice.sizeLetter + choice.back; }

void LoadLibraryPictures(char sizeLetter, const ResourceLibrary& library, CardImages& into) {
    for (int number = 1; number <= 22; ++number)
        into.markers[number] = library.LoadNamedBitmap(Numbered("W", sizeLetter, number, 3));
    const std::string size(1, sizeLetter);
    for (int i = 0; i < 2; ++i) {
        const std::string digit = std::to_string(i + 1);
        into.shadows[static_cast<size_t>(i)] =
            WithTransparent(library.LoadNamedBitmap("SHADOW_" + size + digit), Qt::white);
        into.borders[static_cast<size_t>(i)] =
            WithTransparent(library.LoadNamedBitmap("3D_BORDER_" + size + digit), QColor(0, 0, 255));
    }
}

bool LoadCardBack(const CardImageChoice& choice, const ImageFolder& images, Messages& messages, CardImages& into) {
    if (!CardSizeFor(choice.sizeLetter)) return false;
    if (!LoadRequired(images, BackName(choice), messages, into.back)) return false;
    into.back = WithoutCorners(into.back);
    return true;
}

bool LoadCardFaces(const CardImageChoice& choice, const ImageFolder& images, Messages& messages, CardImages& into) {
    const std::optional<Size> size = CardSizeFor(choice.sizeLetter);
    if (!size) return false;
    // All four sheets or none: a half-changed deck would mix two face sets.
    std::array<QPixmap, 4> sheets;
    for (int suit = 0; suit < 4; ++suit) {
        QPixmap& sheet = sheets[static_cast<size_t>(suit)];
        if (!LoadRequired(images, FaceSheetName(choice, kSuitLetters[suit]), messages, sheet)) return false;
    }
    for (int suit = 0; suit < 4; ++suit) {
        const auto faces = CutFaceSheet(sheets[static_cast<size_t>(suit)].toImage(), *size);
        for (int i = 0; i < 13; ++i)
            into.faces[static_cast<size_t>(suit * 13 + i)] = QPixmap::fromImage(faces[static_cast<size_t>(i)]);
    }
    into.cardSize = *size;
    return true;
}

std::optional<CardImages> LoadCardImages(const CardImageChoice& choice, const ImageFolder& images,
                                         const ResourceLibrary& library, Messages& messages) {
    const std::optional<Size> size = CardSizeFor(choice.sizeLetter);
    if (!size) return std::nullopt;
    CardImages loaded;
    loaded.cardSize = *size;
    LoadLibraryPictures(choice.sizeLetter, library, loaded);
    if (!LoadCardBack(choice, images, messages, loaded)) return std::nullopt;
    if (!LoadCardFaces(choice, images, messages, loaded)) return std::nullopt;
    return loaded;
}

void ScaleLibraryPictures(const CardImages& natural, CardImages& into) {
    into.markers.clear();
    for (const auto& [number, marker] : natural.markers) into.markers[number] = ScaledUp(marker);
    for (size_t i = 0; i < natural.shadows.size(); ++i) into.shadows[i] = ScaledUp(natural.shadows[i]);
    for (size_t i = 0; i < natural.borders.size(); ++i) into.borders[i] = ScaledUp(natural.borders[i]);
}

void LoadDoubleSizeBack(const CardImageChoice& choice, const ImageFolder& images, const CardImages& natural,
                        CardImages& into) {
    QPixmap back;
    into.back = images.LoadImageFile(DoubleSizeName(BackName(choice)), back) ? WithoutCorners(AtDoubleDensity(back))
                                                                               : ScaledUp(natural.back);
}

void LoadDoubleSizeFaces(const CardImageChoice& choice, const ImageFolder& images, const CardImages& natural,
                         CardImages& into) {
    const Size card = Doubled(natural.cardSize);
    for (int suit = 0; suit < 4; ++suit) {
        QPixmap sheet;
        const bool found = images.LoadImageFile(DoubleSizeName(FaceSheetName(choice, kSuitLetters[suit])), sheet);
        const auto faces = found ? CutFaceSheet(sheet.toImage(), card) : std::array<QImage, 13>{};
        for (int i = 0; i < 13; ++i) {
            const size_t index = static_cast<size_t>(suit * 13 + i);
            into.faces[index] = found ? AtDoubleDensity(QPixmap::fromImage(faces[static_cast<size_t>(i)]))
                                      : ScaledUp(natural.faces[index]);
        }
    }
    into.cardSize = natural.cardSize;
}

CardImages DoubleSizeCardImages(const CardImageChoice& choice, const ImageFolder& images, const CardImages& natural) {
    CardImages doubled;
    doubled.cardSize = natural.cardSize;
    ScaleLibraryPictures(natural, doubled);
    LoadDoubleSizeBack(choice, images, natural, doubled);
    LoadDoubleSizeFaces(choice, images, natural, doubled);
    return doubled;
}

}  // namespace dravicor
