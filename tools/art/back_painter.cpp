#include "back_painter.h"

#include <QPainterPath>

#include "back_motifs.h"
#include "face_sheet.h"

namespace dravicor::art {

namespace {

void DrawMotif(QPainter& p, int number) {
    using namespace motifs;
    switch (number) {
        case 1: Boat(p); break;
        case 2: Magi(p); break;
        case 3: Snowman(p); break;
        case 4: Dragon(p); break;
        case 5: Flowers(p); break;
        case 6: Plaiting(p, QColor(40, 70, 160), QColor(230, 190, 60), QColor(20, 30, 70)); break;
        case 7: MedievalFlower(p); break;
        case 8: RoseWindow(p); break;
        case 9: SunAndMoon(p); break;
        case 10: Sun(p); break;
        case 11: Plaiting(p, QColor(170, 30, 40), QColor(235, 225, 200), QColor(60, 10, 15)); break;
        case 12: Africa(p); break;
        case 13: TeddyBear(p); break;
        case 14: Roses(p); break;
        case 15: Flower(p); break;
        case 16: JapaneseWoman(p); break;
        case 17: Stars(p); break;
        case 18: Eagle(p); break;
        case 19: TropicalFish(p); break;
        case 20: Lake(p); break;
        case 21: Clouds(p); break;
        case 22: Sea(p); break;
        case 23: Mountains(p, false); break;
        case 24: Penguin(p); break;
        case 25: Mountains(p, true); break;
        case 26: Hills(p); break;
        case 27: Horse(p); break;
        default: break;
    }
}

}  // namespace

QImage PaintBack(int number, QSize size) {
    if (number < 1 || number > 27) return {};
    QImage image = BlankCard(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);

    const QRectF card(0.5, 0.5, size.width() - 1.0, size.height() - 1.0);
    const double radius = size.width() * 0.06;
    p.setPen(QPen(QColor(110, 110, 110), 1.0));
    p.setBrush(QColor(250, 250, 246));
    p.drawRoundedRect(card, radius, radius);

    const double rim = std::max(2.0, size.width() * 0.06);
    const QRectF field = card.adjusted(rim, rim, -rim, -rim);
    QPainterPath clip;
    clip.addRoundedRect(field, radius * 0.5, radius * 0.5);
    p.save();
    p.setClipPath(clip);
    p.translate(field.topLeft());
    p.scale(field.width() / motifs::kFieldWidth, field.height() / motifs::kFieldHeight);
    DrawMotif(p, number);
    p.restore();

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 90), 1.0));
    p.drawPath(clip);
    return image;
}

}  // namespace dravicor::art
