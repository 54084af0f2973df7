// Filling a tile pixel by pixel from a function of the tile coordinates
// u, v in [0, 1).
#pragma once

#include <QColor>
#include <QImage>

namespace dravicor::art {

template <typename Shade>
QImage FillPixels(int size, Shade shade) {
    QImage image(size, size, QImage::Format_RGB32);
    for (int y = 0; y < size; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size; ++x) {
            line[x] = QColor(shade((x + 0.5) / size, (y + 0.5) / size)).rgb();
        }
    }
    return image;
}

inline double Fraction(double x) { return x - std::floor(x); }

}  // namespace dravicor::art
