#include "toolbar_pictures.h"

#include <QPainter>
#include <QPainterPath>

#include "shapes.h"

namespace dravicor::resources {

namespace {

constexpr int kButton = 24;
const QColor kButtonFace(192, 192, 192);

// A curved arrow over the top, pointing left (undo) or right (redo).
QPainterPath TurnArrow(bool left) {
    QPainterPath path;
    path.moveTo(6, 18);
    path.cubicTo(4, 8, 18, 4, 19, 14);
    path.moveTo(15.5, 11.5);
    path.lineTo(19, 16);
    path.lineTo(22, 11);
    if (!left) return path;
    return QTransform(-1, 0, 0, 1, kButton, 0).map(path);
}

void DrawGlyph(QPainter& painter, const QPainterPath& path, const QColor& colour, double width) {
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

// Enabled: the glyph in its colour. Disabled: grey with a white relief.
QImage Button(const QPainterPath& glyph, const QColor& colour, bool enabled, double width = 2.4) {
    QImage image = Canvas(kButton, kButton, kButtonFace);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    if (enabled) {
        DrawGlyph(painter, glyph, colour, width);
    } else {
        DrawGlyph(painter, glyph.translated(1, 1), Qt::white, width);
        DrawGlyph(painter, glyph, QColor(128, 128, 128), width);
    }
    return image;
}

// Autoplay: a card going up on to its foundation.
QPainterPath AutoplayGlyph() {
    QPainterPath path;
    path.addRect(QRectF(4.5, 9.5, 9, 12));
    path.moveTo(17, 21);
    path.lineTo(17, 4);
    path.moveTo(13.5, 7.5);
    path.lineTo(17, 3.5);
    path.lineTo(20.5, 7.5);
    return path;
}

QImage DeleteButton(bool pressed) {
    QImage image = Canvas(kButton, kButton, kButtonFace);
    QPainter painter(&image);
    DrawBevel(painter, image.rect(), !pressed);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const double o = pressed ? 1 : 0;
    painter.setPen(QPen(QColor(200, 0, 0), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(7 + o, 7 + o), QPointF(17 + o, 17 + o));
    painter.drawLine(QPointF(17 + o, 7 + o), QPointF(7 + o, 17 + o));
    return image;
}

}  // namespace

void AddToolbarPictures(PictureSet& pictures) {
    const QColor green(0, 128, 0), blue(0, 64, 192);
    pictures.push_back({"TB_AUTOPLAY", Button(AutoplayGlyph(), green, true, 1.8), {}});
    pictures.push_back({"TB_AUTOPLAY_DIS", Button(AutoplayGlyph(), green, false, 1.8), {}});
    pictures.push_back({"TB_UNDO", Button(TurnArrow(true), blue, true), {}});
    pictures.push_back({"TB_UNDO_DIS", Button(TurnArrow(true), blue, false), {}});
    pictures.push_back({"TB_REDO", Button(TurnArrow(false), blue, true), {}});
    pictures.push_back({"TB_REDO_DIS", Button(TurnArrow(false), blue, false), {}});
    pictures.push_back({"TB_CANC_UP", DeleteButton(false), {}});
    pictures.push_back({"TB_CANC_DOWN", DeleteButton(true), {}});
}

}  // namespace dravicor::resources
