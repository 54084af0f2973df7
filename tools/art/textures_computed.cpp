// Textures computed pixel by pixel from tile noise: stone, wood, cloth,
// metal, colours and surfaces.
#include <algorithm>
#include <cmath>

#include "pixel_fill.h"
#include "textures.h"
#include "tile_noise.h"

namespace dravicor::art::textures {

namespace {

constexpr double kTau = 6.283185307179586;

struct Palette {
    QColor dark;
    QColor light;
    TileNoise noise;
    explicit Palette(const BackgroundInfo& b) : dark(b.dark), light(b.light), noise(b.seed) {}
    QColor at(double t) const { return Mix(dark, light, t); }
};

double SmoothStep(double a, double b, double x) {
    const double t = std::clamp((x - a) / (b - a), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// Rings of wood along a plank running in v; `offset` shifts the grain.
double Grain(const TileNoise& n, double u, double v, double offset, int rings) {
    const double ring = Fraction(rings * u + offset + 2.2 * n.fbm(u, v, 3, 4));
    const double fibre = n.value(u, 16 * v, 24);
    return 0.55 * std::pow(ring, 2.5) + 0.25 * fibre + 0.2 * n.fbm(u, v, 8, 2);
}

}  // namespace

QImage Marble(const BackgroundInfo& b, int size) {
    const Palette pal(b);
    return FillPixels(size, [&](double u, double v) {
        const double turbulence = pal.noise.fbm(u, v, 4, 5);
        const double wave = std::sin(kTau * (2 * u + v + 3.5 * turbulence));
        const double vein = std::pow(1 - std::abs(wave), 8);
        const double cloud = pal.noise.fbm(u, v, 6, 4);
        return pal.at(0.95 - 0.75 * vein - 0.25 * cloud);
    });
}

QImage Wood(const BackgroundInfo& b, int size) {
    const Palette pal(b);
    return FillPixels(size, [&](double u, double v) {
        return pal.at(1 - Grain(pal.noise, u, v, 0, 6));
    });
}

QImage Parquet(const BackgroundInfo& b, int size) {
    // Basket weave: blocks of three planks, turned a quarter between neighbours.
    const Palette pal(b);
    constexpr int kBlocks = 4;
    return FillPixels(size, [&](double u, double v) {
        const int bx = static_cast<int>(u * kBlocks);
        const int by = static_cast<int>(v * kBlocks);
        double across = Fraction(u * kBlocks);
        double along = Fraction(v * kBlocks);
        if ((bx + by) % 2) std::swap(across, along);
        const int plank = static_cast<int>(across * 3);
        const double inPlank = Fraction(across * 3);
        const double tone = pal.noise.random(bx * 3 + plank, by + 40);
        const double grain = Grain(pal.noise, inPlank * 0.3 + tone, along * 0.5 + tone, tone * 3, 5);
        double shade = 1 - (0.7 * grain + 0.3 * tone);
        const double joint = std::min({inPlank, 1 - inPlank, along * 3, (1 - along) * 3});
        if (joint < 0.05) shade *= 0.45;
        return pal.at(shade);
    });
}

QImage Weave(const BackgroundInfo& b, int size) {
    // Plain weave; threads per tile from the seed: coarse jute, fine linen.
    const Palette pal(b);
    const int threads = 24 + static_cast<int>(b.seed % 4) * 8;
    const bool twill = b.seed % 5 == 1;
    return FillPixels(size, [&](double u, double v) {
        const double tx = u * threads;
        const double ty = v * threads;
        const int i = static_cast<int>(tx);
        const int j = static_cast<int>(ty);
        const bool warpOver = twill ? (i + j) % 3 == 0 : (i + j) % 2 == 0;
        const double across = warpOver ? Fraction(tx) : Fraction(ty);
        const int thread = warpOver ? i : j + 1000;
        const double tone = 0.6 + 0.4 * pal.noise.random(thread, warpOver ? 1 : 2);
        const double round = std::sin(M_PI * across);
        const double slub = pal.noise.fbm(u, v, 12, 3);
        return pal.at(std::clamp(round * tone * (0.75 + 0.5 * slub), 0.0, 1.0));
    });
}

QImage Carpet(const BackgroundInfo& b, int size) {
    const Palette pal(b);
    return FillPixels(size, [&](double u, double v) {
        const double tuft = pal.noise.value(u, v, 96);
        const double pile = pal.noise.fbm(u, v, 4, 3);
        // a faint lozenge woven into the pile
        const double lozenge = std::abs(Fraction(4 * u) - 0.5) + std::abs(Fraction(4 * v) - 0.5);
        const double motif = std::abs(lozenge - 0.35) < 0.04 ? 0.18 : 0;
        return pal.at(0.25 + 0.35 * tuft + 0.35 * pile + motif);
    });
}

QImage Canes(const BackgroundInfo& b, int size) {
    const Palette pal(b);
    constexpr int kCanes = 8;
    return FillPixels(size, [&](double u, double v) {
        const int cane = static_cast<int>(u * kCanes);
        const double across = Fraction(u * kCanes);
        const double round = std::sin(M_PI * across);
        // a knot at a different height on every cane, another half a tile on
        const double knot = Fraction(v * 2 + pal.noise.random(cane, 7));
        const double ring = std::min(knot, 1 - knot) < 0.03 ? 0.45 : 1.0;
        const double streak = pal.noise.value(u * kCanes, v, 6);
        return pal.at(round * ring * (0.8 + 0.2 * streak));
    });
}

QImage Rows(const BackgroundInfo& b, int size) {
    // Horizontal rows for the fine patterns, broad vertical stripes otherwise.
    const Palette pal(b);
    const bool fine = b.number < 256;
    const int rows = fine ? 48 : 8;
    return FillPixels(size, [&](double u, double v) {
        const double t = fine ? v : u;
        const double band = Fraction(t * rows);
        double shade = fine ? (band < 0.5 ? 0.85 : 0.25) : (band < 0.6 ? 0.9 : 0.35);
        if (!fine && std::abs(band - 0.8) < 0.03) shade = 0.1;
        return pal.at(shade * (0.85 + 0.15 * pal.noise.fbm(u, v, 16, 2)));
    });
}

QImage Plasma(const BackgroundInfo& b, int size) {
    const Palette pal(b);
    const QColor third = QColor(b.light).toHsv();
    const QColor middle = QColor::fromHsv((third.hsvHue() + 300) % 360, third.hsvSaturation(),
                                          third.value());
    const bool rainbow = b.number == 280;
    return FillPixels(size, [&](double u, double v) {
        const double w = pal.noise.fbm(u, v, 3, 4);
        const double s = std::sin(kTau * (u + 2 * w)) + std::sin(kTau * (2 * v + 1.5 * w)) +
                         std::sin(kTau * (u + v + w));
        const double t = (s + 3) / 6;
        if (rainbow) return QColor::fromHsvF(static_cast<float>(Fraction(t * 1.5)), 0.75f, 0.95f);
        return t < 0.5 ? Mix(pal.dark, middle, t * 2) : Mix(middle, pal.light, t * 2 - 1);
    });
}

QImage Fractal(const BackgroundInfo& b, int size) {
    // Ridged noise: bright creases at every scale.
    const Palette pal(b);
    return FillPixels(size, [&](double u, double v) {
        double sum = 0;
        double weight = 0.6;
        for (int k = 0; k < 6; ++k) {
            const double n = pal.noise.value(u, v, 2 << k);
            sum += std::pow(1 - std::abs(2 * n - 1), 3) * weight;
            weight *= 0.55;
        }
        return pal.at(std::pow(std::clamp(sum / 1.3, 0.0, 1.0), 1.6));
    });
}

QImage Brushed(const BackgroundInfo& b, int size) {
    const Palette pal(b);
    return FillPixels(size, [&](double u, double v) {
        const double streak = pal.noise.value(u, 32 * v, 6) * 0.6 + pal.noise.value(u, 64 * v, 3) * 0.4;
        const double sheen = 0.5 + 0.5 * std::cos(kTau * (v + 0.15 * pal.noise.fbm(u, v, 2, 2)));
        return pal.at(0.25 + 0.45 * sheen + 0.3 * streak);
    });
}

QImage Hammered(const BackgroundInfo& b, int size) {
    const Palette pal(b);
    return FillPixels(size, [&](double u, double v) {
        double second = 0;
        const double first = pal.noise.cellular(u, v, 10, &second);
        const double dent = std::clamp(first / std::max(second, 1e-6), 0.0, 1.0);
        const double light = 1 - dent * dent;
        return pal.at(0.2 + 0.6 * light + 0.2 * pal.noise.fbm(u, v, 8, 3));
    });
}

QImage Rust(const BackgroundInfo& b, int size) {
    const Palette pal(b);
    const QColor metal(90, 86, 84);
    return FillPixels(size, [&](double u, double v) {
        const double patch = pal.noise.fbm(u, v, 4, 5);
        const double grain = pal.noise.value(u, v, 96);
        const QColor rust = pal.at(0.3 + 0.5 * grain + 0.3 * pal.noise.fbm(u, v, 16, 2));
        return Mix(metal, rust, SmoothStep(0.38, 0.5, patch));
    });
}

QImage Speckle(const BackgroundInfo& b, int size) {
    // Paper, cork, sand, granite, concrete: a cloudy ground with grains.
    const Palette pal(b);
    const double pores = b.number == 296 ? 0.06 : (b.number == 305 ? 0.12 : 0.02);
    return FillPixels(size, [&](double u, double v) {
        const double cloud = pal.noise.fbm(u, v, 4, 4);
        const double grain = pal.noise.value(u, v, 128);
        double shade = 0.35 + 0.4 * cloud + 0.25 * grain;
        const int px = static_cast<int>(u * size * 4);
        const int py = static_cast<int>(v * size * 4);
        if (pal.noise.random(px / 4, py / 4 + 90000) < pores) shade *= 0.45;
        return pal.at(shade);
    });
}

QImage Cells(const BackgroundInfo& b, int size) {
    // Leather, stucco, stones, slate: cells with darker gaps between them.
    const Palette pal(b);
    const int cells = b.number == 316 ? 5 : (b.number == 297 ? 14 : 8);
    return FillPixels(size, [&](double u, double v) {
        double second = 0;
        const double first = pal.noise.cellular(u, v, cells, &second);
        const double edge = SmoothStep(0.02, 0.12, second - first);
        const double body = 0.45 + 0.35 * pal.noise.fbm(u, v, cells * 2, 3);
        return pal.at(body * (0.35 + 0.65 * edge));
    });
}

QImage Sky(const BackgroundInfo& b, int size) {
    const Palette pal(b);
    return FillPixels(size, [&](double u, double v) {
        const double cloud = SmoothStep(0.45, 0.75, pal.noise.fbm(u, v, 3, 6));
        return Mix(QColor(b.dark), QColor(b.light), cloud);
    });
}

QImage Water(const BackgroundInfo& b, int size) {
    const Palette pal(b);
    return FillPixels(size, [&](double u, double v) {
        const double w = pal.noise.fbm(u, v, 4, 4);
        const double ripple = std::sin(kTau * (3 * v + 2 * w)) * std::sin(kTau * (2 * u + 1.5 * w));
        const double caustic = std::pow(1 - std::abs(ripple), 6);
        return pal.at(0.25 + 0.4 * w + 0.45 * caustic);
    });
}

}  // namespace dravicor::art::textures
