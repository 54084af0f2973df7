#pragma once

#include <array>
#include <random>

#include <QObject>
#include <QPixmap>
#include <QPointF>
#include <QTimer>

namespace dravicor {

// The celebration of a won game: face-up cards of random faces drawn over
// the table one after another, either scattered at random places or
// bouncing across the table and leaving their trails. It draws into a
// picture of its own that the table lays over itself; stop() ends it early.
class WinningAnimation final : public QObject {
    Q_OBJECT

public:
    enum class Kind { Scatter, Bounce };

    explicit WinningAnimation(QObject* parent = nullptr);

    // How many cards each kind draws for a card-size letter ("B", "M", "P").
    static int CardsToDraw(Kind kind, char sizeLetter);

    // faces: the 52 face pictures at the size they are drawn (the last,
    // the King of spades, is never drawn).
    void start(Kind kind, QSize area, int cardsToDraw, const std::array<QPixmap, 52>& faces,
               std::mt19937_64& random);
    void stop();
    bool running() const { return timer_.isActive(); }
    int cardsDrawn() const { return drawn_; }
    const QPixmap& picture() const { return picture_; }

signals:
    // Part of the picture changed.
    void drawn(QRect changed);
    // The last card has been drawn, or stop() was called.
    void finished();

private:
    void tick();
    void scatterStep(QRect& changed);
    void bounceStep(QRect& changed);
    void launchCard();
    const QPixmap& randomFace();

    Kind kind_ = Kind::Scatter;
    QTimer timer_;
    QPixmap picture_;
    const std::array<QPixmap, 52>* faces_ = nullptr;
    std::mt19937_64* random_ = nullptr;
    int toDraw_ = 0;
    int drawn_ = 0;
    // The bouncing card.
    const QPixmap* flying_ = nullptr;
    QPointF at_;
    QPointF velocity_;
};

}  // namespace dravicor
