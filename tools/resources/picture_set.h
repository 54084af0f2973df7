#pragma once

#include <optional>
#include <string>
#include <vector>

#include <QImage>
#include <QPoint>

namespace dravicor::resources {

// One named entry of the resource library: a bitmap, or a cursor when it
// has a hot spot.
struct NamedPicture {
    std::string name;
    QImage image;
    std::optional<QPoint> hotSpot;
};

using PictureSet = std::vector<NamedPicture>;

// A blank image of the given size filled with one colour, ready to draw on.
QImage Canvas(int width, int height, const QColor& fill);

}  // namespace dravicor::resources
