#include "ui/message_pictures.h"

#include <QLinearGradient>
#include <QPainter>

namespace dravicor {

namespace {

constexpr int kSide = 48;

// A monitor on its stand, its screen filled with `screen`; `drawScreen`
// paints on that screen (inside 7,9 to 41,33).
template <typename DrawScreen>
QPixmap MonitorPicture(const QColor& screen, DrawScreen drawScreen) {
    QPixmap picture(kSide, kSide);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(screen);
    painter.drawRoundedRect(QRect(3, 5, 42, 32), 3, 3);
    drawScreen(painter);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawRect(QRect(20, 38, 8, 4));
    painter.drawRect(QRect(14, 42, 20, 3));
    return picture;
}

// A screen whose picture is a band of colours running through every hue:
// what a palette of few colours cannot show.
QPixmap ColourPicture() {
    return MonitorPicture(QColor(64, 64, 64), [](QPainter& painter) {
        QLinearGradient hues(7, 0, 41, 0);
        for (int step = 0; step <= 6; ++step) hues.setColorAt(step / 6.0, QColor::fromHsv((step * 60) % 360, 255, 255));
        painter.setPen(Qt::NoPen);
        painter.setBrush(hues);
        painter.drawRect(QRect(7, 9, 34, 24));
    });
}

// A screen with its resolution written on it.
QPixmap SmallScreenPicture() {
    return MonitorPicture(QColor(0, 96, 160), [](QPainter& painter) {
        QFont font = painter.font();
        font.setPixelSize(9);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(QRect(5, 7, 38, 28), Qt::AlignCenter, QStringLiteral("640x480"));
    });
}

}  // namespace

QPixmap OptOutPicture(std::string_view name) {
    if (name == "Color") return ColourPicture();
    if (name == "640x480") return SmallScreenPicture();
    return {};
}

}  // namespace dravicor
