#include "picture_set.h"

#include <QColor>

namespace dravicor::resources {

QImage Canvas(int width, int height, const QColor& fill) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(fill);
    return image;
}

}  // namespace dravicor::resources
