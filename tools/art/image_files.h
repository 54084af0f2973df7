// Names of the picture files of the Images folder and their writing.
#pragma once

#include <QDir>
#include <QImage>
#include <QString>
#include <QStringList>

#include "card_size.h"

namespace dravicor::art {

// "CB001H": card faces of one suit, size letter, face set.
QString FaceSheetName(const CardSize& size, int faceSet, Suit suit);
// "DB011": card back, size letter, back number.
QString BackName(const CardSize& size, int back);
// "B257": table background picture.
QString BackgroundName(int number);
// The twice-as-large variant of a picture: "CB001H@2x".
QString DoubleSizeName(const QString& name);

// Writes pictures as NAME.bmp into one folder and remembers what it wrote.
class ImageFolder {
public:
    explicit ImageFolder(const QString& path) : dir_(path) {}

    // False (with the reason in error()) when the file cannot be written.
    bool write(const QString& name, const QImage& image);
    const QStringList& written() const { return written_; }
    const QString& error() const { return error_; }
    QString path() const { return dir_.path(); }

private:
    QDir dir_;
    QStringList written_;
    QString error_;
};

}  // namespace dravicor::art
