#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include <QPixmap>

#include "common/platform.h"

class QPainter;

namespace dravicor {

// The bitmap files of the Images folder below the program directory:
// card face sheets, backs and table backgrounds, named NAME.bmp.
class ImageFolder {
public:
    explicit ImageFolder(const std::filesystem::path& programDir) : folder_(programDir / "Images") {}

    std::filesystem::path PathOf(std::string_view name) const;

    // Loads Images/NAME.bmp into the picture, which takes the file's size.
    // A missing or unreadable file leaves the picture as it was (false).
    bool LoadImageFile(std::string_view name, QPixmap& target) const;

    // Repeats the picture across the canvas from its top-left corner up to
    // the given width and height. An empty name is a caller's mistake: it is
    // reported and nothing is drawn.
    void TileImage(QPainter& canvas, int width, int height, std::string_view name, Messages& messages) const;

private:
    std::filesystem::path folder_;
};

// Shows the "Cannot find images file:" error when the file is missing and
// returns false: the program cannot go on without it and ends when the box
// is closed.
bool CheckImageFile(const std::filesystem::path& path, Messages& messages);
std::string MissingImageMessage(const std::filesystem::path& path);

}  // namespace dravicor
