#include "background_painter.h"

#include <QFont>
#include <QPainter>

#include "textures.h"

namespace dravicor::art {

namespace {

QImage TextureTile(const BackgroundInfo& b) {
    using namespace textures;
    const int s = kTileSize;
    switch (b.texture) {
        case Texture::Marble: return Marble(b, s);
        case Texture::Wood: return Wood(b, s);
        case Texture::Parquet: return Parquet(b, s);
        case Texture::Weave: return Weave(b, s);
        case Texture::Carpet: return Carpet(b, s);
        case Texture::Canes: return Canes(b, s);
        case Texture::Rows: return Rows(b, s);
        case Texture::Plasma: return Plasma(b, s);
        case Texture::Fractal: return Fractal(b, s);
        case Texture::Brushed: return Brushed(b, s);
        case Texture::Hammered: return Hammered(b, s);
        case Texture::Rust: return Rust(b, s);
        case Texture::Speckle: return Speckle(b, s);
        case Texture::Cells: return Cells(b, s);
        case Texture::Bricks: return Bricks(b, s);
        case Texture::Tiles: return Tiles(b, s);
        case Texture::Checker: return Checker(b, s);
        case Texture::Hexagons: return Hexagons(b, s);
        case Texture::Diamonds: return Diamonds(b, s);
        case Texture::Dots: return Dots(b, s);
        case Texture::Zigzag: return Zigzag(b, s);
        case Texture::Cubes: return Cubes(b, s);
        case Texture::Tartan: return Tartan(b, s);
        case Texture::Ornament: return Ornament(b, s);
        case Texture::Grass: return Grass(b, s);
        case Texture::Sky: return Sky(b, s);
        case Texture::Water: return Water(b, s);
    }
    return {};
}

}  // namespace

QImage PaintBackground(const BackgroundInfo& background) {
    QImage tile = TextureTile(background);
    if (background.lowColour) {
        tile = tile.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AutoColor);
    }
    return tile;
}

QImage PaintDemoBackground() {
    QImage tile(kTileSize, kTileSize, QImage::Format_RGB32);
    tile.fill(QColor(16, 32, 88));
    QPainter p(&tile);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(kTileSize / 5);
    p.setFont(font);
    p.setPen(QColor(40, 64, 140));
    // The word twice, half a tile apart, turned so the rows run diagonally;
    // drawn in the eight neighbouring tiles as well so that the tile repeats.
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            for (const QPointF& c : {QPointF(0.25, 0.25), QPointF(0.75, 0.75)}) {
                p.save();
                p.translate((c.x() + dx) * kTileSize, (c.y() + dy) * kTileSize);
                p.rotate(-30);
                p.drawText(QRectF(-kTileSize / 2.0, -kTileSize / 6.0, kTileSize, kTileSize / 3.0),
                           Qt::AlignCenter, QStringLiteral("DEMO"));
                p.restore();
            }
        }
    }
    return tile;
}

}  // namespace dravicor::art
