#include "ui/winning_animation.h"

#include <QPainter>

namespace dravicor {

namespace {

constexpr int kFrameMs = 16;
constexpr int kScatteredPerFrame = 12;
constexpr int kBounceStepsPerFrame = 6;
constexpr double kGravity = 0.9;
constexpr double kBounceKept = 0.78;  // of the speed, after each bounce

}  // namespace

WinningAnimation::WinningAnimation(QObject* parent) : QObject(parent) {
    timer_.setInterval(kFrameMs);
    connect(&timer_, &QTimer::timeout, this, &WinningAnimation::tick);
}

int WinningAnimation::CardsToDraw(Kind kind, char sizeLetter) {
    const int extra = sizeLetter == 'P' ? 2000 : sizeLetter == 'M' ? 1000 : 0;
    return (kind == Kind::Scatter ? 2000 : 1500) + extra;
}

void WinningAnimation::start(Kind kind, QSize area, int cardsToDraw, const std::array<QPixmap, 52>& faces,
                             std::mt19937_64& random) {
    kind_ = kind;
    faces_ = &faces;
    random_ = &random;
    toDraw_ = cardsToDraw;
    drawn_ = 0;
    flying_ = nullptr;
    picture_ = QPixmap(area);
    picture_.fill(Qt::transparent);
    timer_.start();
}

void WinningAnimation::stop() {
    if (!timer_.isActive()) return;
    timer_.stop();
    emit finished();
}

const QPixmap& WinningAnimation::randomFace() {
    // Any card but the last of the pack.
    std::uniform_int_distribution<int> card(1, 51);
    return (*faces_)[static_cast<size_t>(card(*random_) - 1)];
}

void WinningAnimation::tick() {
    QRect changed;
    if (kind_ == Kind::Scatter) {
        scatterStep(changed);
    } else {
        bounceStep(changed);
    }
    if (!changed.isEmpty()) emit drawn(changed);
    if (drawn_ >= toDraw_) stop();
}

void WinningAnimation::scatterStep(QRect& changed) {
    QPainter painter(&picture_);
    for (int i = 0; i < kScatteredPerFrame && drawn_ < toDraw_; ++i, ++drawn_) {
        const QPixmap& face = randomFace();
        const QSize card = face.deviceIndependentSize().toSize();
        std::uniform_int_distribution<int> x(0, std::max(0, picture_.width() - card.width()));
        std::uniform_int_distribution<int> y(0, std::max(0, picture_.height() - card.height()));
        const QRect place(QPoint(x(*random_), y(*random_)), card);
        painter.drawPixmap(place.topLeft(), face);
        changed |= place;
    }
}

// A card sets off from somewhere along the top with a push sideways.
void WinningAnimation::launchCard() {
    flying_ = &randomFace();
    const QSize card = flying_->deviceIndependentSize().toSize();
    std::uniform_real_distribution<double> x(0, std::max(0, picture_.width() - card.width()));
    std::uniform_real_distribution<double> push(3.0, 9.0);
    std::bernoulli_distribution left(0.5);
    std::uniform_real_distribution<double> lift(-6.0, 0.0);
    at_ = QPointF(x(*random_), 0);
    velocity_ = QPointF(left(*random_) ? -push(*random_) : push(*random_), lift(*random_));
}

void WinningAnimation::bounceStep(QRect& changed) {
    QPainter painter(&picture_);
    for (int i = 0; i < kBounceStepsPerFrame && drawn_ < toDraw_; ++i, ++drawn_) {
        if (flying_ == nullptr) launchCard();
        const QSize card = flying_->deviceIndependentSize().toSize();
        const QRect place(at_.toPoint(), card);
        painter.drawPixmap(place.topLeft(), *flying_);
        changed |= place;

        at_ += velocity_;
        velocity_.ry() += kGravity;
        const double floor = picture_.height() - card.height();
        if (at_.y() > floor) {
            at_.setY(floor);
            velocity_.setY(-velocity_.y() * kBounceKept);
        }
        // Off the table at either side, or come to rest: the next card.
        const bool gone = at_.x() + card.width() < 0 || at_.x() > picture_.width();
        const bool resting = at_.y() >= floor - 0.5 && std::abs(velocity_.y()) < 1.0;
        if (gone || resting) flying_ = nullptr;
    }
}

}  // namespace dravicor
