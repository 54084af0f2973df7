// Background tiles, one function per kind of texture. Each returns a square
// tile of `size` pixels that repeats without a seam.
#pragma once

#include <QImage>

#include "background_catalogue.h"

namespace dravicor::art::textures {

// Computed pixel by pixel from tile noise (textures_computed.cpp).
QImage Marble(const BackgroundInfo& b, int size);
QImage Wood(const BackgroundInfo& b, int size);
QImage Parquet(const BackgroundInfo& b, int size);
QImage Weave(const BackgroundInfo& b, int size);
QImage Carpet(const BackgroundInfo& b, int size);
QImage Canes(const BackgroundInfo& b, int size);
QImage Rows(const BackgroundInfo& b, int size);
QImage Plasma(const BackgroundInfo& b, int size);
QImage Fractal(const BackgroundInfo& b, int size);
QImage Brushed(const BackgroundInfo& b, int size);
QImage Hammered(const BackgroundInfo& b, int size);
QImage Rust(const BackgroundInfo& b, int size);
QImage Speckle(const BackgroundInfo& b, int size);
QImage Cells(const BackgroundInfo& b, int size);
QImage Sky(const BackgroundInfo& b, int size);
QImage Water(const BackgroundInfo& b, int size);

// Patterns laid out on a lattice (textures_patterns.cpp).
QImage Bricks(const BackgroundInfo& b, int size);
QImage Tiles(const BackgroundInfo& b, int size);
QImage Checker(const BackgroundInfo& b, int size);
QImage Hexagons(const BackgroundInfo& b, int size);
QImage Diamonds(const BackgroundInfo& b, int size);
QImage Dots(const BackgroundInfo& b, int size);
QImage Zigzag(const BackgroundInfo& b, int size);
QImage Cubes(const BackgroundInfo& b, int size);
QImage Tartan(const BackgroundInfo& b, int size);
QImage Ornament(const BackgroundInfo& b, int size);
QImage Grass(const BackgroundInfo& b, int size);

}  // namespace dravicor::art::textures
