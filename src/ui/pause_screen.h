#pragma once

#include <QObject>
#include <QPixmap>
#include <QRect>
#include <QTimer>

namespace dravicor {

// What the table shows while the game is paused: the cards hidden behind a
// backdrop, the title picture sliding to and fro above the second picture.
class PauseScreen final : public QObject {
    Q_OBJECT

public:
    static constexpr int kFrameMs = 80;
    static constexpr int kStepPixels = 3;

    // Both pictures keep green (0, 128, 0) as their transparent colour.
    PauseScreen(const QPixmap& title, const QPixmap& resume, QObject* parent = nullptr);

    // Shows the pictures over the backdrop, which fills the table.
    void start(const QPixmap& backdrop);
    void stop();
    bool running() const { return timer_.isActive(); }

    // Where the pictures stand now, in table pixels.
    QRect titleRect() const;
    QRect resumeRect() const;

    void paint(QPainter& painter) const;

signals:
    // The title moved: these pixels need painting again.
    void moved(QRect changed);

private:
    void step();

    QPixmap title_;
    QPixmap resume_;
    QPixmap backdrop_;
    QTimer timer_;
    QPoint titleStart_;
    QPoint resumeAt_;
    int travel_ = 0;    // how far the title goes before it turns
    int shift_ = 0;     // how far it is from its start now
    int direction_ = 1;
};

}  // namespace dravicor
