// The table background pictures offered in the appearance dialog: number,
// name, folder, and how the generator makes each.
#pragma once

#include <QRgb>
#include <span>

namespace dravicor::art {

// The kinds of tile the generator can make; the colours and the seed of a
// background choose its look within the kind.
enum class Texture {
    Marble, Wood, Parquet, Weave, Carpet, Canes, Rows, Plasma, Fractal, Brushed, Hammered,
    Rust, Speckle, Cells, Bricks, Tiles, Checker, Hexagons, Diamonds, Dots, Zigzag, Cubes,
    Tartan, Ornament, Grass, Sky, Water,
};

struct BackgroundInfo {
    int number;
    const char* name;
    const char* folder;
    Texture texture;
    QRgb dark;
    QRgb light;
    unsigned seed;
    bool lowColour;  // stored with a 256-colour palette
};

// Backgrounds 101 to 105 and 257 to 324, in number order.
std::span<const BackgroundInfo> Backgrounds();

// The side of a background tile in pixels.
inline constexpr int kTileSize = 192;

}  // namespace dravicor::art
