#include "ui/image_folder.h"

#include <system_error>

#include <QImage>
#include <QPainter>

namespace dravicor {

std::filesystem::path ImageFolder::PathOf(std::string_view name) const {
    return folder_ / (std::string(name) + ".bmp");
}

bool ImageFolder::LoadImageFile(std::string_view name, QPixmap& target) const {
    // Read as an image, not with QPixmap::load: that keeps every file it
    // read in Qt's pixmap cache, and the face sheets, once cut into cards,
    // would stay in memory for nothing.
    QImage loaded;
    if (name.empty() || !loaded.load(QString::fromStdString(PathOf(name).string()))) return false;
    target = QPixmap::fromImage(std::move(loaded));
    return true;
}

bool ImageFolder::TileImage(QPainter& canvas, int width, int height, std::string_view name,
                            Messages& messages) const {
    if (name.empty()) {
        messages.showMessage("fnRiempi Image: bad option", "Error", MessageIcon::Error);
        return false;
    }
    QPixmap tile;
    if (!LoadImageFile(name, tile) || tile.width() <= 0 || tile.height() <= 0) return false;
    // The top row first, then that band copied downwards.
    for (int x = 0; x < width; x += tile.width()) canvas.drawPixmap(x, 0, tile);
    for (int y = tile.height(); y < height; y += tile.height())
        for (int x = 0; x < width; x += tile.width()) canvas.drawPixmap(x, y, tile);
    return true;
}

std::string DoubleSizeName(std::string_view name) { return std::string(name) + "@2x"; }

std::string MissingImageMessage(const std::filesystem::path& path) {
    return "Cannot find images file:\r" + path.string() +
           "\rSome program components cannot be shown correctly.\r"
           "Copy the file into the directory that above is specified\r"
           "or reinstall the program.";
}

bool CheckImageFile(const std::filesystem::path& path, Messages& messages) {
    std::error_code error;
    if (std::filesystem::is_regular_file(path, error)) return true;
    messages.showMessage(MissingImageMessage(path), "Error", MessageIcon::Error);
    return false;
}

}  // namespace dravicor
