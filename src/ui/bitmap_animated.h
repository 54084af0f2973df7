#pragma once

#include <QPixmap>
#include <QTimer>
#include <QWidget>

namespace dravicor {

// A picture that plays a horizontal strip of frames, each as wide as the
// control. Loops from creation; off, playing stops on the last frame (the
// first when reversed).
class C_TBitmapAnimated final : public QWidget {
    Q_OBJECT

public:
    static constexpr int kNoTransparentColour = -1;
    static constexpr int kDefaultSide = 30;

    explicit C_TBitmapAnimated(QWidget* parent = nullptr);

    // The control takes the strip's height (kDefaultSide for an empty strip).
    void setBitMap(const QPixmap& strip);
    const QPixmap& bitMap() const { return strip_; }

    void setFrameCount(int count);
    int frameCount() const { return frameCount_; }
    // A negative frame shows the last one; others count modulo the frames.
    void setFrame(int frame);
    int frame() const { return frame_; }
    // Milliseconds per frame; below 1 the control does not play.
    void setInterval(int milliseconds);
    int interval() const { return interval_; }
    void setPlay(bool play);
    bool play() const { return play_; }
    void setReverse(bool reverse) { reverse_ = reverse; }
    bool reverse() const { return reverse_; }
    void setLooping(bool looping) { looping_ = looping; }
    bool looping() const { return looping_; }
    // A COLORREF (0x00BBGGRR) shown as the control's own colour, or
    // kNoTransparentColour.
    void setTransparentColor(long long colour);
    long long transparentColor() const { return transparent_; }

    // One timer tick: the next frame (the previous one reversed).
    void step();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void restartTimer();

    QPixmap strip_;
    QPixmap masked_;  // the strip with the transparent colour cut out
    int frameCount_ = 1;
    int frame_ = 0;
    int interval_ = 0;
    bool play_ = false;
    bool reverse_ = false;
    bool looping_ = true;
    long long transparent_ = kNoTransparentColour;
    QTimer timer_;
};

}  // namespace dravicor
