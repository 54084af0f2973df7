#include "ui/game_preview_pane.h"

#include <QBitmap>
#include <QPainter>

#include "ui/table_background.h"

namespace dravicor {

namespace {
// Colour value 32768 of the record: pure green at half intensity.
constexpr Rgb kPreviewGreen{0, 128, 0};
}  // namespace

GamePreviewPane::GamePreviewPane(bool fewColours, QWidget* parent)
    : QWidget(parent), fewColours_(fewColours), background_(kSize) {
    setFixedSize(kSize);
    QPainter painter(&background_);
    if (fewColours_) {
        painter.fillRect(background_.rect(), QColor(kPreviewGreen.red, kPreviewGreen.green, kPreviewGreen.blue));
    } else {
        PaintFade(painter, kSize, kPreviewGreen);
    }
    painter.end();
    compose();
}

void GamePreviewPane::setPicture(const QPixmap& picture) {
    picture_ = picture;
    compose();
    update();
}

void GamePreviewPane::compose() {
    composed_ = background_;
    if (picture_.isNull()) return;
    QPixmap picture = picture_;
    const QColor corner = picture.toImage().pixelColor(0, 0);
    picture.setMask(picture.createMaskFromColor(corner, Qt::MaskInColor));
    QPainter painter(&composed_);
    painter.drawPixmap((kSize.width() - picture.width()) / 2, 0, picture);
}

void GamePreviewPane::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, composed_);
}

}  // namespace dravicor
