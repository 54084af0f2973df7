#include "ui/card_images.h"

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

}  // namespace

std::array<QImage, 13> CutFaceSheet(const QImage& sheet, Size card) {
    std::array<QImage, 13> faces;
    for (int index = 0; index < 13; ++index) {
        const int row = index / kCardsPerRow, column = index % kCardsPerRow;
        QImage face(card.width, card.height, QImage::Format_ARGB32);
        face.fill(Qt::transparent);
        QPainter painter(&face);
        painter.drawImage(QPoint(0, 0), sheet,
                          QRect(column * card.width, row * card.height, card.width, card.height));
        faces[static_cast<size_t>(index)] = face;
    }
    return faces;
}

std::string FaceSheetName(const CardImageChoice& choice, char suitLetter) {
    return std::string("C") + choice.sizeLetter + choice.faceSet + suitLetter;
}

std::string BackName(const CardImageChoice& choice) { return std::string("D") + choice.sizeLetter + choice.back; }

std::optional<CardImages> LoadCardImages(const CardImageChoice& choice, const ImageFolder& images,
                                         const ResourceLibrary& library, Messages& messages) {
    const std::optional<Size> size = CardSizeFor(choice.sizeLetter);
    if (!size) return std::nullopt;
    CardImages loaded;
    loaded.cardSize = *size;

    for (int number = 1; number <= 22; ++number)
        loaded.markers[number] = library.LoadNamedBitmap(Numbered("W", choice.sizeLetter, number, 3));

    const auto load = [&](const std::string& name, QPixmap& target) {
        if (!CheckImageFile(images.PathOf(name), messages)) return false;
        // A file that exists but cannot be read leaves the picture blank.
        images.LoadImageFile(name, target);
        return true;
    };
    if (!load(BackName(choice), loaded.back)) return std::nullopt;

    for (int i = 0; i < 2; ++i) {
        const std::string digit = std::to_string(i + 1);
        const std::string size_ = std::string(1, choice.sizeLetter);
        loaded.shadows[static_cast<size_t>(i)] =
            WithTransparent(library.LoadNamedBitmap("SHADOW_" + size_ + digit), Qt::white);
        loaded.borders[static_cast<size_t>(i)] =
            WithTransparent(library.LoadNamedBitmap("3D_BORDER_" + size_ + digit), QColor(0, 0, 255));
    }

    for (int suit = 0; suit < 4; ++suit) {
        QPixmap sheet;
        if (!load(FaceSheetName(choice, kSuitLetters[suit]), sheet)) return std::nullopt;
        const auto faces = CutFaceSheet(sheet.toImage(), *size);
        for (int i = 0; i < 13; ++i)
            loaded.faces[static_cast<size_t>(suit * 13 + i)] = QPixmap::fromImage(faces[static_cast<size_t>(i)]);
    }
    return loaded;
}

}  // namespace dravicor
