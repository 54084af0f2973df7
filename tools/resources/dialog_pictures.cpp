#include "dialog_pictures.h"

#include <QPainter>
#include <QPainterPath>

#include "shapes.h"
#include "stroke_font.h"

namespace dravicor::resources {

namespace {

const QColor kFace(192, 192, 192);
const QColor kTable(0, 96, 0);

// A gauge of segments, the first `lit` of them in their colours; all grey
// when none is lit.
QImage Gauge(int lit, int segments, const std::vector<QColor>& colours) {
    constexpr int width = 80, height = 14;
    QImage image = Canvas(width, height, kFace);
    QPainter painter(&image);
    DrawBevel(painter, image.rect(), false);
    const int inner = width - 4;
    const int step = inner / segments;
    for (int i = 0; i < segments; ++i) {
        const QRect cell(3 + i * step, 3, step - 2, height - 6);
        painter.fillRect(cell, i < lit ? colours[static_cast<size_t>(i)] : QColor(160, 160, 160));
    }
    return image;
}

QImage SoundEnabled() {
    QImage image = Canvas(16, 16, Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 96, 0));
    QPainterPath speaker;
    speaker.moveTo(1, 6);
    speaker.lineTo(4, 6);
    speaker.lineTo(8, 2);
    speaker.lineTo(8, 14);
    speaker.lineTo(4, 10);
    speaker.lineTo(1, 10);
    speaker.closeSubpath();
    painter.drawPath(speaker);
    painter.setPen(QPen(QColor(0, 96, 0), 1.3));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(6, 4.5, 5, 7), -60 * 16, 120 * 16);
    painter.drawArc(QRectF(5, 2, 9, 12), -60 * 16, 120 * 16);
    return image;
}

// Three cards of a pile on the table, with or without their shadows.
QImage ShadowPreview(bool shadowed) {
    QImage image = Canvas(160, 80, kTable);
    QPainter painter(&image);
    const int suits[] = {1, 3, 2};
    for (int i = 0; i < 3; ++i) {
        const QRect card(30 + i * 40, 12 + i * 4, 36, 50);
        if (shadowed) painter.fillRect(card.translated(5, 5), QColor(0, 48, 0));
        DrawSmallCard(painter, card, suits[i], 12 - i, true);
    }
    return image;
}

// Two piles fanned downwards, straight or each card a little aside.
QImage IrregularPreview(bool irregular) {
    QImage image = Canvas(160, 80, kTable);
    QPainter painter(&image);
    const int offsets[] = {0, 3, -2, 2, -3};
    for (int pile = 0; pile < 2; ++pile) {
        for (int i = 0; i < 5; ++i) {
            const int dx = irregular ? offsets[(i + pile * 2) % 5] : 0;
            const QRect card(35 + pile * 55 + dx, 6 + i * 10, 34, 34);
            DrawSmallCard(painter, card, (i + pile) % 4 + 1, 13 - i, true);
        }
    }
    return image;
}

// What the open-game dialog shows while a folder is selected: a fan of
// Aces on the table with the program's name.
QImage ProductPicture() {
    constexpr int width = 240, height = 290;
    QImage image = Canvas(width, height, kTable);
    QPainter painter(&image);
    QLinearGradient felt(0, 0, 0, height);
    felt.setColorAt(0, QColor(0, 120, 0));
    felt.setColorAt(1, QColor(0, 64, 0));
    painter.fillRect(image.rect(), felt);
    painter.setPen(QPen(QColor(200, 170, 60), 2));
    painter.drawRect(QRectF(3, 3, width - 6, height - 6));

    const int suits[] = {4, 1, 3, 2, 4};
    for (int i = 0; i < 5; ++i) {
        painter.save();
        painter.translate(width / 2.0, 205);
        painter.rotate(-36 + 18 * i);
        const QRect card(-25, -170, 50, 70);
        painter.fillRect(card.translated(3, 3), QColor(0, 40, 0));
        DrawSmallCard(painter, card, suits[i], 1, true);
        painter.restore();
    }

    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(QColor(240, 210, 90), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    DrawStrokeText(painter, QStringLiteral("DRAVICOR"), QRectF(22, 200, width - 44, 34));
    painter.setPen(QPen(QColor(220, 235, 220), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    DrawStrokeText(painter, QStringLiteral("PATIENCE"), QRectF(70, 246, width - 140, 16));
    return image;
}

}  // namespace

void AddDialogPictures(PictureSet& pictures) {
    const QColor green(0, 160, 0), yellow(220, 180, 0), red(200, 0, 0);
    const std::vector<QColor> three = {green, yellow, red};
    pictures.push_back({"PROG_TIME_QUICK", Gauge(1, 3, three), {}});
    pictures.push_back({"PROG_TIME_MEDIUM", Gauge(2, 3, three), {}});
    pictures.push_back({"PROG_TIME_LONG", Gauge(3, 3, three), {}});
    pictures.push_back({"PROG_DIFF_EASY", Gauge(1, 3, three), {}});
    pictures.push_back({"PROG_DIFF_MEDIUM", Gauge(2, 3, three), {}});
    pictures.push_back({"PROG_DIFF_HARD", Gauge(3, 3, three), {}});
    const std::vector<QColor> five = {red, QColor(230, 110, 0), yellow, QColor(120, 190, 0), green};
    pictures.push_back({"PROG_CHAN_VERYLOW", Gauge(1, 5, five), {}});
    pictures.push_back({"PROG_CHAN_LOW", Gauge(2, 5, five), {}});
    pictures.push_back({"PROG_CHAN_MEDIUM", Gauge(3, 5, five), {}});
    pictures.push_back({"PROG_CHAN_HIGH", Gauge(4, 5, five), {}});
    pictures.push_back({"PROG_CHAN_VERYHIGH", Gauge(5, 5, five), {}});
    pictures.push_back({"PROG_DISABLED", Gauge(0, 5, five), {}});
    pictures.push_back({"PROG_PRODUCT", ProductPicture(), {}});

    pictures.push_back({"SOUND_ENABLED", SoundEnabled(), {}});
    pictures.push_back({"CARD_WITH_SHADOW", ShadowPreview(true), {}});
    pictures.push_back({"CARD_WITHOUT_SHADOW", ShadowPreview(false), {}});
    pictures.push_back({"CARD_IRR_PILES_YES", IrregularPreview(true), {}});
    pictures.push_back({"CARD_IRR_PILES_NO", IrregularPreview(false), {}});
}

}  // namespace dravicor::resources
