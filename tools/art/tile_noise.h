// Noise that repeats with the tile: every function of (u, v) here has the
// same value at u = 0 and u = 1 (and v = 0 and v = 1), so the pictures made
// from it tile without seams.
#pragma once

#include <QColor>
#include <cstdint>

namespace dravicor::art {

class TileNoise {
public:
    explicit TileNoise(uint32_t seed) : seed_(seed) {}

    // Smooth value noise in [0, 1] on a lattice of `cells` x `cells` over the tile.
    double value(double u, double v, int cells) const;
    // Sum of octaves of value noise, each twice as fine and half as strong; in [0, 1].
    double fbm(double u, double v, int cells, int octaves) const;
    // Distance to the nearest of one random point per cell, in cells (about 0 to 1),
    // and the second nearest in *second.
    double cellular(double u, double v, int cells, double* second = nullptr) const;
    // A random number in [0, 1) for a lattice point.
    double random(int x, int y) const;

private:
    uint32_t seed_;
};

QColor Mix(const QColor& a, const QColor& b, double t);

}  // namespace dravicor::art
