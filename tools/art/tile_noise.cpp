#include "tile_noise.h"

#include <algorithm>
#include <cmath>

namespace dravicor::art {

namespace {

uint32_t Hash(uint32_t x, uint32_t y, uint32_t seed) {
    uint32_t h = seed * 0x9E3779B1u ^ x * 0x85EBCA77u ^ y * 0xC2B2AE3Du;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return h;
}

int Wrap(int i, int n) { return ((i % n) + n) % n; }

double Smooth(double t) { return t * t * t * (t * (t * 6 - 15) + 10); }

}  // namespace

double TileNoise::random(int x, int y) const {
    return Hash(static_cast<uint32_t>(x), static_cast<uint32_t>(y), seed_) / 4294967296.0;
}

double TileNoise::value(double u, double v, int cells) const {
    const double x = u * cells;
    const double y = v * cells;
    const int x0 = static_cast<int>(std::floor(x));
    const int y0 = static_cast<int>(std::floor(y));
    const double fx = Smooth(x - x0);
    const double fy = Smooth(y - y0);
    // The lattice wraps at `cells`, with a different lattice for every size.
    const auto at = [&](int i, int j) { return random(Wrap(i, cells) + cells * 7919, Wrap(j, cells)); };
    const double top = at(x0, y0) + (at(x0 + 1, y0) - at(x0, y0)) * fx;
    const double bottom = at(x0, y0 + 1) + (at(x0 + 1, y0 + 1) - at(x0, y0 + 1)) * fx;
    return top + (bottom - top) * fy;
}

double TileNoise::fbm(double u, double v, int cells, int octaves) const {
    double sum = 0;
    double weight = 0.5;
    double total = 0;
    for (int k = 0; k < octaves; ++k) {
        sum += value(u, v, cells << k) * weight;
        total += weight;
        weight *= 0.5;
    }
    return sum / total;
}

double TileNoise::cellular(double u, double v, int cells, double* second) const {
    const double x = u * cells;
    const double y = v * cells;
    const int cx = static_cast<int>(std::floor(x));
    const int cy = static_cast<int>(std::floor(y));
    double best = 9;
    double next = 9;
    for (int j = cy - 1; j <= cy + 1; ++j) {
        for (int i = cx - 1; i <= cx + 1; ++i) {
            const int wi = Wrap(i, cells);
            const int wj = Wrap(j, cells);
            const double px = i + 0.1 + 0.8 * random(wi * 2 + 101, wj);
            const double py = j + 0.1 + 0.8 * random(wi * 2 + 102, wj + 5003);
            const double d = std::hypot(px - x, py - y);
            if (d < best) {
                next = best;
                best = d;
            } else if (d < next) {
                next = d;
            }
        }
    }
    if (second) *second = next;
    return best;
}

QColor Mix(const QColor& a, const QColor& b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t));
}

}  // namespace dravicor::art
