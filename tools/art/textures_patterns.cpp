// Textures laid out on a lattice that divides the tile: walls, geometric
// patterns, wall-papers and grass.
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "pixel_fill.h"
#include "textures.h"
#include "tile_noise.h"

namespace dravicor::art::textures {

namespace {

// Draws a shape nine times, shifted by a tile each way, so that what leaves
// the tile on one side comes back on the other.
template <typename Draw>
void Wrapped(QPainter& p, int size, Draw draw) {
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            p.save();
            p.translate(dx * size, dy * size);
            draw();
            p.restore();
        }
    }
}

QImage Canvas(int size, QColor ground) {
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(ground);
    return image;
}

void Blossom(QPainter& p, QPointF c, double r, int petals, QColor colour) {
    p.setBrush(colour);
    for (int k = 0; k < petals; ++k) {
        p.save();
        p.translate(c);
        p.rotate(k * 360.0 / petals);
        p.drawEllipse(QRectF(-r * 0.3, -r, r * 0.6, r * 0.95));
        p.restore();
    }
}

}  // namespace

QImage Bricks(const BackgroundInfo& b, int size) {
    const TileNoise noise(b.seed);
    const QColor mortar(190, 182, 170);
    constexpr int kRows = 8;
    constexpr int kPerRow = 4;
    return FillPixels(size, [&](double u, double v) {
        const int row = static_cast<int>(v * kRows);
        const double shifted = u * kPerRow + (row % 2) * 0.5;
        const int brick = static_cast<int>(std::floor(shifted)) % kPerRow;
        const double bx = Fraction(shifted);
        const double by = Fraction(v * kRows);
        if (bx < 0.035 || by < 0.1) return Mix(mortar, QColor(120, 115, 108), noise.value(u, v, 64));
        const double tone = noise.random(brick, row);
        const double grit = noise.value(u, v, 96);
        return Mix(QColor(b.dark), QColor(b.light), 0.3 + 0.4 * tone + 0.3 * grit);
    });
}

QImage Tiles(const BackgroundInfo& b, int size) {
    const TileNoise noise(b.seed);
    constexpr int kTiles = 4;
    return FillPixels(size, [&](double u, double v) {
        const double tx = Fraction(u * kTiles);
        const double ty = Fraction(v * kTiles);
        if (std::min({tx, ty, 1 - tx, 1 - ty}) < 0.025) return QColor(230, 228, 220);
        const double tone = noise.random(static_cast<int>(u * kTiles), static_cast<int>(v * kTiles));
        const double gloss = std::pow(std::max(0.0, 1 - std::hypot(tx - 0.3, ty - 0.3) * 1.6), 2);
        return Mix(Mix(QColor(b.dark), QColor(b.dark).lighter(130), tone), QColor(b.light), 0.6 * gloss);
    });
}

QImage Checker(const BackgroundInfo& b, int size) {
    const TileNoise noise(b.seed);
    const int squares = b.number == 293 ? 4 : 8;
    return FillPixels(size, [&](double u, double v) {
        const int i = static_cast<int>(u * squares);
        const int j = static_cast<int>(v * squares);
        const double tx = Fraction(u * squares);
        const double ty = Fraction(v * squares);
        double shade = (i + j) % 2 ? 0.15 : 0.9;
        if (b.number == 293) shade = 0.35 + 0.4 * (tx < ty ? 1 - ty : 1 - tx);  // bevelled squares
        return Mix(QColor(b.dark), QColor(b.light), shade + 0.08 * (noise.value(u, v, 64) - 0.5));
    });
}

QImage Hexagons(const BackgroundInfo& b, int size) {
    // Cells round a lattice of centres in offset rows, which meet in hexagons.
    constexpr int kColumns = 4;
    constexpr int kRows = 4;
    const TileNoise noise(b.seed);
    return FillPixels(size, [&](double u, double v) {
        double best = 9, next = 9;
        int bestCell = 0;
        for (int j = -1; j <= kRows; ++j) {
            for (int i = -1; i <= kColumns; ++i) {
                const double cx = (i + 0.5 * (((j % 2) + 2) % 2)) / kColumns;
                const double cy = static_cast<double>(j) / kRows;
                const double d = std::hypot(u - cx, (v - cy) * 0.9);
                if (d < best) {
                    next = best;
                    best = d;
                    bestCell = ((i % kColumns + kColumns) % kColumns) * 8 + ((j % kRows + kRows) % kRows);
                } else if (d < next) {
                    next = d;
                }
            }
        }
        if (next - best < 0.012) return QColor(b.dark).darker(140);
        const double tone = noise.random(bestCell, 3);
        return Mix(QColor(b.dark), QColor(b.light), 0.35 + 0.5 * tone - best * 1.5);
    });
}

QImage Diamonds(const BackgroundInfo& b, int size) {
    const bool trellis = b.number == 321;
    const int count = trellis ? 6 : 4;
    return FillPixels(size, [&](double u, double v) {
        const double tx = Fraction(u * count) - 0.5;
        const double ty = Fraction(v * count) - 0.5;
        const double d = std::abs(tx) + std::abs(ty);
        if (trellis) {
            if (std::abs(d - 0.5) < 0.05) return QColor(b.light);
            if (std::hypot(tx, ty) < 0.08) return QColor(b.light).lighter(130);
            return QColor(b.dark);
        }
        const double facet = tx * ty > 0 ? 0.75 : 0.5;
        return d < 0.46 ? Mix(QColor(b.dark), QColor(b.light), facet) : QColor(b.dark).darker(130);
    });
}

QImage Dots(const BackgroundInfo& b, int size) {
    const bool rings = b.number == 290;
    constexpr int kCount = 6;
    return FillPixels(size, [&](double u, double v) {
        const int row = static_cast<int>(v * kCount);
        const double tx = Fraction(u * kCount + (row % 2) * 0.5) - 0.5;
        const double ty = Fraction(v * kCount) - 0.5;
        const double r = std::hypot(tx, ty);
        if (rings) {
            const double band = std::cos(r * 6.283 * 3);
            return r < 0.48 ? Mix(QColor(b.dark), QColor(b.light), 0.5 + 0.5 * band) : QColor(b.dark);
        }
        return r < 0.22 ? QColor(b.light) : QColor(b.dark);
    });
}

QImage Zigzag(const BackgroundInfo& b, int size) {
    constexpr int kTeeth = 6;
    constexpr int kBands = 8;
    return FillPixels(size, [&](double u, double v) {
        const double tooth = std::abs(Fraction(u * kTeeth) - 0.5);
        const double band = Fraction(v * kBands + tooth * 2);
        return band < 0.5 ? QColor(b.dark) : Mix(QColor(b.dark), QColor(b.light), 0.4 + band);
    });
}

QImage Cubes(const BackgroundInfo& b, int size) {
    const QColor top = QColor(b.light);
    const QColor left = Mix(QColor(b.dark), QColor(b.light), 0.55);
    const QColor right = QColor(b.dark);
    QImage image = Canvas(size, right);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(b.dark).darker(160), 1));
    const double w = size / 4.0;    // cube width
    const double h = w * 2 / 3.0;   // a third of the cube's height
    Wrapped(p, size, [&] {
        for (int j = -1; j <= 4; ++j) {
            for (int i = -1; i <= 4; ++i) {
                const QPointF c(i * w + (j % 2 ? w / 2 : 0), j * w);
                p.setBrush(top);
                p.drawPolygon(QPolygonF({c, c + QPointF(-w / 2, -h / 2), c + QPointF(0, -h), c + QPointF(w / 2, -h / 2)}));
                p.setBrush(left);
                p.drawPolygon(QPolygonF({c, c + QPointF(-w / 2, -h / 2), c + QPointF(-w / 2, h), c + QPointF(0, h * 1.5)}));
                p.setBrush(right);
                p.drawPolygon(QPolygonF({c, c + QPointF(w / 2, -h / 2), c + QPointF(w / 2, h), c + QPointF(0, h * 1.5)}));
            }
        }
    });
    return image;
}

QImage Tartan(const BackgroundInfo& b, int size) {
    // The same sett across and down; where bands cross, the twill mixes them.
    const auto sett = [&](double t) -> QColor {
        const double s = Fraction(t * 2) * 32;
        if (s < 10) return QColor(b.dark);
        if (s < 12) return QColor(230, 200, 60);
        if (s < 20) return QColor(b.light);
        if (s < 22) return QColor(20, 20, 60);
        return QColor(b.dark).darker(130);
    };
    return FillPixels(size, [&](double u, double v) {
        const int px = static_cast<int>(u * size);
        const int py = static_cast<int>(v * size);
        const bool warp = ((px + py) / 2) % 2 == 0;
        return Mix(sett(warp ? u : v), sett(warp ? v : u), 0.3);
    });
}

QImage Ornament(const BackgroundInfo& b, int size) {
    const QColor ground(b.dark);
    const QColor ink = b.number == 319 ? QColor(b.light) : Mix(QColor(b.dark), QColor(b.light), 0.7);
    QImage image = Canvas(size, ground);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const double step = size / 3.0;
    Wrapped(p, size, [&] {
        for (int j = 0; j < 3; ++j) {
            for (int i = 0; i < 3; ++i) {
                const QPointF c(i * step + step / 2, j * step + step / 2);
                const QPointF small(i * step, j * step);
                if (b.number == 304) {  // a lily: three petals on a stem
                    p.setBrush(ink);
                    p.drawEllipse(QRectF(c.x() - 4, c.y() - 22, 8, 22));
                    p.save(); p.translate(c); p.rotate(-40); p.drawEllipse(QRectF(-3.5, -18, 7, 18)); p.restore();
                    p.save(); p.translate(c); p.rotate(40); p.drawEllipse(QRectF(-3.5, -18, 7, 18)); p.restore();
                    p.drawRect(QRectF(c.x() - 1, c.y(), 2, 18));
                    p.drawEllipse(small, 3, 3);
                } else {
                    Blossom(p, c, step * 0.32, 8, ink);
                    p.setBrush(ground);
                    p.drawEllipse(c, step * 0.08, step * 0.08);
                    Blossom(p, small, step * 0.14, 4, ink);
                }
            }
        }
    });
    return image;
}

QImage Grass(const BackgroundInfo& b, int size) {
    const TileNoise noise(b.seed);
    QImage image = Canvas(size, QColor(b.dark));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    constexpr int kBlades = 2200;
    Wrapped(p, size, [&] {
        for (int k = 0; k < kBlades; ++k) {
            const QPointF root(noise.random(k, 1) * size, noise.random(k, 2) * size);
            const double length = 6 + 10 * noise.random(k, 3);
            const double lean = (noise.random(k, 4) - 0.5) * 8;
            p.setPen(QPen(Mix(QColor(b.dark), QColor(b.light), noise.random(k, 5)), 1.2));
            QPainterPath blade;
            blade.moveTo(root);
            blade.quadTo(root + QPointF(lean * 0.2, -length * 0.6), root + QPointF(lean, -length));
            p.drawPath(blade);
        }
        p.setPen(Qt::NoPen);
        const QColor petals[] = {QColor(250, 250, 250), QColor(250, 220, 40), QColor(180, 120, 230),
                                 QColor(240, 90, 90)};
        for (int k = 0; k < 40; ++k) {  // meadow flowers
            const QPointF c(noise.random(k, 11) * size, noise.random(k, 12) * size);
            p.setBrush(petals[k % 4]);
            p.drawEllipse(c, 2.2, 2.2);
            p.setBrush(QColor(250, 200, 40));
            p.drawEllipse(c, 0.8, 0.8);
        }
    });
    return image;
}

}  // namespace dravicor::art::textures
