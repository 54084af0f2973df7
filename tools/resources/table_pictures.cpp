#include "table_pictures.h"

#include <QPainter>
#include <QPainterPath>

#include "shapes.h"
#include "stroke_font.h"

namespace dravicor::resources {

namespace {

const QColor kPauseMask(0, 128, 0);

QImage PauseTitle() {
    QImage image = Canvas(240, 64, kPauseMask);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    // The pause sign: two bars in a rounded frame.
    painter.setPen(QPen(QColor(40, 40, 0), 2));
    painter.setBrush(QColor(255, 214, 0));
    painter.drawRoundedRect(QRect(4, 6, 52, 52), 8, 8);
    painter.setBrush(QColor(40, 40, 0));
    painter.drawRect(QRect(18, 16, 8, 32));
    painter.drawRect(QRect(34, 16, 8, 32));
    // The word, in thick strokes with a dark edge.
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QRectF word(66, 10, 168, 44);
    painter.setPen(QPen(QColor(30, 30, 0), 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    DrawStrokeText(painter, QStringLiteral("PAUSE"), word);
    painter.setPen(QPen(QColor(255, 214, 0), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    DrawStrokeText(painter, QStringLiteral("PAUSE"), word);
    return image;
}

// Below the title: the play sign that a click brings back.
QImage PauseResume() {
    QImage image = Canvas(120, 40, kPauseMask);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(QColor(30, 30, 0), 2));
    painter.setBrush(QColor(255, 255, 255));
    painter.drawRoundedRect(QRectF(2, 2, 116, 36), 10, 10);
    painter.setBrush(QColor(0, 150, 0));
    QPainterPath play;
    play.moveTo(48, 9);
    play.lineTo(74, 20);
    play.lineTo(48, 31);
    play.closeSubpath();
    painter.drawPath(play);
    return image;
}

// White inside: the program writes the hand, the score and the total on it.
QImage PokerPanel() {
    QImage image = Canvas(150, 60, Qt::white);
    QPainter painter(&image);
    DrawBevel(painter, image.rect(), false);
    return image;
}

const QColor kCounterFace(212, 208, 200);

QImage CounterSuit(int suit) {
    QImage image = Canvas(14, 16, kCounterFace);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(SuitColour(suit));
    painter.drawPath(SuitPath(suit, QRectF(1.5, 2.5, 11, 11)));
    return image;
}

// A counter cell, 13 x 16: the rank on a white card (seen), on the back's
// blue (not seen), or an empty grey cell (not in play).
QImage CounterCell(int rank, bool up) {
    QImage image = Canvas(13, 16, kCounterFace);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QColor(96, 96, 96));
    if (rank == 0) {
        painter.setBrush(QColor(180, 176, 168));
        painter.drawRect(QRect(0, 0, 12, 15));
        return image;
    }
    painter.setBrush(up ? QColor(255, 255, 255) : QColor(32, 64, 160));
    painter.drawRect(QRect(0, 0, 12, 15));
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(up ? QColor(0, 0, 0) : QColor(200, 215, 255), 1.1));
    DrawStrokeText(painter, RankText(rank), QRectF(1, 2, 11, 12));
    return image;
}

}  // namespace

void AddTablePictures(PictureSet& pictures) {
    pictures.push_back({"BMP_PAUSE_1", PauseTitle(), {}});
    pictures.push_back({"BMP_PAUSE_2", PauseResume(), {}});
    pictures.push_back({"Panel_pk", PokerPanel(), {}});

    const char* suits[] = {"card_hearts", "card_diamonds", "card_clubs", "card_spades"};
    for (int suit = 1; suit <= 4; ++suit) pictures.push_back({suits[suit - 1], CounterSuit(suit), {}});
    pictures.push_back({"Card_None", CounterCell(0, false), {}});
    for (int rank = 1; rank <= 13; ++rank) {
        const std::string stem = "Card_" + std::to_string(rank);
        pictures.push_back({stem + "_Up", CounterCell(rank, true), {}});
        pictures.push_back({stem + "_Down", CounterCell(rank, false), {}});
    }
}

}  // namespace dravicor::resources
