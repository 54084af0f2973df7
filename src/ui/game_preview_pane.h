#pragma once

#include <QPixmap>
#include <QWidget>

namespace dravicor {

// The picture area of the open-game dialog: a game's preview on a green
// that fades to black towards the bottom (plain green on displays of 256
// colours or fewer), the picture centred at the top with the colour of its
// top-left pixel left out, so its table shows the fade.
class GamePreviewPane final : public QWidget {
    Q_OBJECT

public:
    static constexpr QSize kSize{220, 165};

    explicit GamePreviewPane(bool fewColours, QWidget* parent = nullptr);

    // A null pixmap shows the background alone.
    void setPicture(const QPixmap& picture);
    const QPixmap& shown() const { return composed_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void compose();

    bool fewColours_;
    QPixmap background_;
    QPixmap picture_;
    QPixmap composed_;
};

}  // namespace dravicor
