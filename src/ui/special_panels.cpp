#include "ui/special_panels.h"

#include <QFont>
#include <QPainter>

namespace dravicor {

namespace {

constexpr int kTextLeft = 7;
constexpr int kClearedShortOfRight = 10;
constexpr int kLineTops[] = {5, 21, 41};
constexpr int kLineHeight = 14;
constexpr int kFontPixels = 11;  // 8 points on a 96 dpi screen

QFont PanelFont(bool bold) {
    QFont font(QStringLiteral("Sans Serif"));
    font.setPixelSize(kFontPixels);
    font.setBold(bold);
    return font;
}

QString Text(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

Rect PokerPanelRect(const QPixmap& panel, Rect slot) {
    const Size size{panel.width(), panel.height()};
    const Point at{slot.left + (slot.right - slot.left - size.width) / 2,
                   slot.top + (slot.bottom - slot.top - size.height) / 2};
    return Rect::At(at, size);
}

void DrawPokerPanel(QPainter& painter, const QPixmap& panel, Rect slot, const PokerPanelText& text) {
    const Rect at = PokerPanelRect(panel, slot);
    painter.drawPixmap(at.left, at.top, panel);
    painter.save();
    painter.setPen(Qt::black);
    const auto line = [&](int number, const QString& boldPart, const QString& normalPart) {
        const int top = at.top + kLineTops[number];
        const int left = at.left + kTextLeft;
        painter.fillRect(QRect(left, top, at.right - kClearedShortOfRight - left, kLineHeight), Qt::white);
        int x = left;
        if (!boldPart.isEmpty()) {
            painter.setFont(PanelFont(true));
            painter.drawText(QRect(x, top, at.right - x, kLineHeight), Qt::AlignLeft | Qt::AlignVCenter, boldPart);
            x += painter.fontMetrics().horizontalAdvance(boldPart);
        }
        painter.setFont(PanelFont(false));
        painter.drawText(QRect(x, top, at.right - x, kLineHeight), Qt::AlignLeft | Qt::AlignVCenter, normalPart);
    };
    if (text.line1) line(0, Text(*text.line1), {});
    if (text.line2) line(1, {}, Text(*text.line2));
    // The word "Total" is bold, the value after it is not.
    const QString total = Text(text.line3);
    const QString word = QString::fromLatin1(kPokerTotalWord.data(), static_cast<qsizetype>(kPokerTotalWord.size()));
    if (total.startsWith(word)) {
        line(2, word, total.mid(word.size()));
    } else if (!total.isEmpty()) {
        line(2, {}, total);
    }
    painter.restore();
}

void DrawTextBox(QPainter& painter, Rect box, const std::string& text) {
    const QRect area(box.left, box.top, box.right - box.left, box.bottom - box.top);
    painter.save();
    painter.fillRect(area, Qt::white);
    painter.setPen(Qt::black);
    painter.setFont(PanelFont(false));
    painter.drawText(area, Qt::AlignCenter, Text(text));
    painter.restore();
}

}  // namespace dravicor
