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

    const std::filesystem::path& folder() const { return folder_; }
    std::filesystem::path PathOf(std::string_view name) const;

    // Loads Images/NAME.bmp into the picture, which takes the file's size.
    // A missing or unreadable file leaves the picture as it was (false).
    bool LoadImageFile(std::string_view name, QPixmap& target) const;

    // Repeats the picture across the canvas from its top-left corner up to
    // the given width and height. An empty name is a caller's mistake: it is
    // reported and nothing is drawn. False when nothing was drawn, so the
    // caller can cover the canvas some other way.
    bool TileImage(QPainter& canvas, int width, int height, std::string_view name, Messages& messages) const;

private:
    std::filesystem::path folder_;
};

// The twice-as-large variant of a picture: "CB001H" -> "CB001H@2x".
std::string DoubleSizeName(std::string_view name);

// Shows the "Cannot find images file:" error when the file is missing and
// returns false: the program cannot go on without it and ends when the box
// is closed.
bool CheckImageFile(const std::filesystem::path& path, Messages& messages);
std::string MissingImageMessage(const std::filesystem::path& path);

}  // namespace dravicor
