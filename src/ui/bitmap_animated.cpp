#include "ui/bitmap_animated.h"

#include <QBitmap>
#include <QPainter>

namespace dravicor {

C_TBitmapAnimated::C_TBitmapAnimated(QWidget* parent) : QWidget(parent) {
    resize(kDefaultSide, kDefaultSide);
    connect(&timer_, &QTimer::timeout, this, &C_TBitmapAnimated::step);
}

void C_TBitmapAnimated::setBitMap(const QPixmap& strip) {
    strip_ = strip;
    setTransparentColor(transparent_);
    resize(width(), strip_.isNull() ? kDefaultSide : strip_.height());
    update();
}

void C_TBitmapAnimated::setFrameCount(int count) {
    frameCount_ = std::max(1, count);
    setFrame(frame_);
}

void C_TBitmapAnimated::setFrame(int frame) {
    frame_ = frame < 0 ? frameCount_ - 1 : frame % frameCount_;
    update();
}

void C_TBitmapAnimated::setInterval(int milliseconds) {
    interval_ = milliseconds;
    restartTimer();
}

void C_TBitmapAnimated::setPlay(bool play) {
    play_ = play;
    restartTimer();
}

void C_TBitmapAnimated::restartTimer() {
    timer_.stop();
    if (play_ && interval_ >= 1) timer_.start(interval_);
}

void C_TBitmapAnimated::setTransparentColor(long long colour) {
    transparent_ = colour;
    masked_ = strip_;
    if (transparent_ != kNoTransparentColour && !strip_.isNull()) {
        const QColor key(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                         static_cast<int>((colour >> 16) & 0xFF));
        masked_.setMask(strip_.createMaskFromColor(key, Qt::MaskInColor));
    }
    update();
}

void C_TBitmapAnimated::step() {
    const int last = frameCount_ - 1;
    const int next = reverse_ ? frame_ - 1 : frame_ + 1;
    if (!looping_ && (next > last || next < 0)) {
        setPlay(false);
        return;
    }
    setFrame(next < 0 ? last : next);
    if (!looping_ && frame_ == (reverse_ ? 0 : last)) setPlay(false);
}

void C_TBitmapAnimated::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (strip_.isNull()) {
        painter.fillRect(rect(), Qt::white);
        return;
    }
    painter.drawPixmap(QRect(0, 0, width(), strip_.height()), masked_,
                       QRect(frame_ * width(), 0, width(), strip_.height()));
}

}  // namespace dravicor
