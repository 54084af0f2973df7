#include "image_files.h"

namespace dravicor::art {

namespace {
QString ThreeDigits(int n) { return QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0')); }
}  // namespace

QString FaceSheetName(const CardSize& size, int faceSet, Suit suit) {
    return QStringLiteral("C") + QLatin1Char(size.letter) + ThreeDigits(faceSet) +
           QLatin1Char(SuitLetter(suit));
}

QString BackName(const CardSize& size, int back) {
    return QStringLiteral("D") + QLatin1Char(size.letter) + ThreeDigits(back);
}

QString BackgroundName(int number) { return QStringLiteral("B") + ThreeDigits(number); }

QString DoubleSizeName(const QString& name) { return name + QStringLiteral("@2x"); }

bool ImageFolder::write(const QString& name, const QImage& image) {
    const QString file = dir_.filePath(name + QStringLiteral(".bmp"));
    // Bitmaps without alpha: the pictures are opaque, corners included.
    const QImage opaque = image.format() == QImage::Format_Indexed8
                              ? image
                              : image.convertToFormat(QImage::Format_RGB32);
    if (!opaque.save(file, "BMP")) {
        error_ = QStringLiteral("cannot write ") + file;
        return false;
    }
    written_ << name + QStringLiteral(".bmp");
    return true;
}

}  // namespace dravicor::art
