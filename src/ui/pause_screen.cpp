#include "ui/pause_screen.h"

#include <algorithm>
#include <cmath>

#include <QBitmap>
#include <QPainter>

namespace dravicor {

namespace {

constexpr int kLeftMost = 5;
constexpr int kHighest = 100;
constexpr int kGapBelowTitle = 15;
constexpr int kRoomBelow = 45;

QPixmap GreenShowsThrough(const QPixmap& picture) {
    if (picture.isNull()) return picture;
    QPixmap result = picture;
    result.setMask(picture.createMaskFromColor(QColor(0, 128, 0), Qt::MaskInColor));
    return result;
}

}  // namespace

PauseScreen::PauseScreen(const QPixmap& title, const QPixmap& resume, QObject* parent)
    : QObject(parent), title_(GreenShowsThrough(title)), resume_(GreenShowsThrough(resume)) {
    timer_.setInterval(kFrameMs);
    connect(&timer_, &QTimer::timeout, this, &PauseScreen::step);
}

void PauseScreen::start(const QPixmap& backdrop) {
    backdrop_ = backdrop;
    const QSize area = backdrop.deviceIndependentSize().toSize();
    const int titleLeft = std::max(kLeftMost, (area.width() - title_.width()) / 2);
    const int titleTop = std::max(
        kHighest,
        static_cast<int>(std::lround((area.height() - title_.height() - kRoomBelow - resume_.height()) / 2.0)));
    titleStart_ = QPoint(titleLeft, titleTop);
    resumeAt_ = QPoint(std::max(kLeftMost, (area.width() - resume_.width()) / 2),
                       titleTop + title_.height() + kGapBelowTitle);
    // The title swings by as much as the two pictures' left edges differ;
    // which of them is wider does not matter.
    travel_ = std::abs(titleLeft - resumeAt_.x()) + 2;
    shift_ = 0;
    direction_ = 1;
    timer_.start();
}

void PauseScreen::stop() { timer_.stop(); }

QRect PauseScreen::titleRect() const { return QRect(titleStart_ + QPoint(shift_, 0), title_.size()); }
QRect PauseScreen::resumeRect() const { return QRect(resumeAt_, resume_.size()); }

void PauseScreen::step() {
    const QRect before = titleRect();
    shift_ += direction_ * kStepPixels;
    if (shift_ >= travel_ || shift_ <= 0) {
        shift_ = std::clamp(shift_, 0, travel_);
        direction_ = -direction_;
    }
    emit moved(before | titleRect());
}

void PauseScreen::paint(QPainter& painter) const {
    painter.drawPixmap(0, 0, backdrop_);
    painter.drawPixmap(titleRect().topLeft(), title_);
    painter.drawPixmap(resumeAt_, resume_);
}

}  // namespace dravicor
