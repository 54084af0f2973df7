#include "ui/resource_library.h"

#include <algorithm>
#include <cctype>

#include <QImage>
#include <QResource>

namespace dravicor {

namespace {

// Where the library's entries appear in Qt's resource tree.
const QString kRoot = QStringLiteral("/kvr");

QString EntryPath(std::string_view name) {
    return QStringLiteral(":") + kRoot + QLatin1Char('/') + QString::fromUtf8(name.data(), qsizetype(name.size()));
}

std::filesystem::path LibraryPath(const std::filesystem::path& programDir) {
    return programDir / std::string(ResourceLibrary::kFileName);
}

}  // namespace

std::unique_ptr<ResourceLibrary> ResourceLibrary::Open(const std::filesystem::path& programDir) {
    const QString file = QString::fromStdString(LibraryPath(programDir).string());
    if (!QResource::registerResource(file, kRoot)) return nullptr;
    return std::unique_ptr<ResourceLibrary>(new ResourceLibrary(file));
}

std::string ResourceLibrary::LoadFailureMessage(const std::filesystem::path& programDir) {
    std::string path = LibraryPath(programDir).string();
    std::transform(path.begin(), path.end(), path.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return "Can't find/load " + path;
}

ResourceLibrary::~ResourceLibrary() { QResource::unregisterResource(file_, kRoot); }

QPixmap ResourceLibrary::LoadNamedBitmap(std::string_view name) const {
    if (name.empty()) return {};
    // Not through QPixmap's file loading, which would keep a copy of every
    // picture ever asked for in Qt's pixmap cache.
    QImage image(EntryPath(name), "PNG");
    if (image.isNull()) return {};
    return QPixmap::fromImage(std::move(image));
}

std::optional<QCursor> ResourceLibrary::LoadNamedCursor(std::string_view name) const {
    if (name.empty()) return std::nullopt;
    const QImage image(EntryPath(name), "PNG");
    if (image.isNull()) return std::nullopt;
    bool hasX = false, hasY = false;
    const int x = image.text(QStringLiteral("HotSpotX")).toInt(&hasX);
    const int y = image.text(QStringLiteral("HotSpotY")).toInt(&hasY);
    return QCursor(QPixmap::fromImage(image), hasX ? x : -1, hasY ? y : -1);
}

}  // namespace dravicor
