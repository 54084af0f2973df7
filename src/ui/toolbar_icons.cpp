#include "ui/toolbar_icons.h"

#include <string>

#include <QPainter>
#include <QPainterPath>

#include "ui/resource_library.h"

namespace dravicor {

namespace {

// Drawn large and scaled down by the icon to either toolbar's size.
constexpr int kCanvas = 32;
// The face colour the library's button pictures are drawn on.
const QColor kLibraryButtonFace(192, 192, 192);

struct LibraryPicture {
    std::string_view hint;
    std::string_view name;
};
constexpr LibraryPicture kLibraryPictures[] = {
    {"Undo", "TB_UNDO"}, {"Redo", "TB_REDO"}, {"Autoplay", "TB_AUTOPLAY"}};

QPixmap WithoutButtonFace(const QPixmap& picture) {
    QPixmap result = picture;
    result.setMask(picture.createMaskFromColor(kLibraryButtonFace, Qt::MaskInColor));
    return result;
}

QIcon FromLibrary(std::string_view hint, const ResourceLibrary& library) {
    for (const auto& [pictureHint, name] : kLibraryPictures) {
        if (pictureHint != hint) continue;
        const QPixmap enabled = library.LoadNamedBitmap(name);
        if (enabled.isNull()) return {};
        QIcon icon(WithoutButtonFace(enabled));
        const QPixmap disabled = library.LoadNamedBitmap(std::string(name) + "_DIS");
        if (!disabled.isNull()) icon.addPixmap(WithoutButtonFace(disabled), QIcon::Disabled);
        return icon;
    }
    return {};
}

QPen Outline(const QColor& colour, double width = 2) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void DrawCard(QPainter& painter, const QRectF& card) {
    painter.setPen(Outline(QColor(40, 40, 40), 1.5));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(card, 3, 3);
}

QPainterPath Diamond(QPointF centre, double radius) {
    QPainterPath path;
    path.moveTo(centre.x(), centre.y() - radius);
    path.lineTo(centre.x() + radius * 0.7, centre.y());
    path.lineTo(centre.x(), centre.y() + radius);
    path.lineTo(centre.x() - radius * 0.7, centre.y());
    path.closeSubpath();
    return path;
}

// An arc with its head: turning left (undo, restart) or right (redo).
void DrawTurnArrow(QPainter& painter, const QColor& colour, bool left, double spanDegrees) {
    painter.save();
    if (left) painter.setTransform(QTransform(-1, 0, 0, 1, kCanvas, 0));
    const QRectF circle(6, 7, 20, 20);
    QPainterPath arc;
    arc.arcMoveTo(circle, 200);
    arc.arcTo(circle, 200, -spanDegrees);
    painter.setPen(Outline(colour, 3.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(arc);
    const QPointF tip = arc.currentPosition();
    QPainterPath head;
    head.moveTo(tip + QPointF(-6, -3));
    head.lineTo(tip + QPointF(2, 5));
    head.lineTo(tip + QPointF(5, -5));
    head.closeSubpath();
    painter.setPen(Outline(colour, 1));
    painter.setBrush(colour);
    painter.drawPath(head);
    painter.restore();
}

void DrawNew(QPainter& painter) {
    DrawCard(painter, QRectF(7, 4, 18, 25));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(200, 16, 24));
    painter.drawPath(Diamond(QPointF(16, 16.5), 6));
    // A spark at the corner: a fresh deal.
    painter.setPen(Outline(QColor(230, 170, 0), 2));
    painter.drawLine(QPointF(25, 2), QPointF(25, 10));
    painter.drawLine(QPointF(21, 6), QPointF(29, 6));
}

void DrawOpen(QPainter& painter) {
    QPainterPath back;
    back.moveTo(3, 9);
    back.lineTo(11, 9);
    back.lineTo(13, 12);
    back.lineTo(27, 12);
    back.lineTo(27, 27);
    back.lineTo(3, 27);
    back.closeSubpath();
    painter.setPen(Outline(QColor(120, 80, 0), 1.5));
    painter.setBrush(QColor(220, 170, 60));
    painter.drawPath(back);
    QPainterPath front;
    front.moveTo(3, 27);
    front.lineTo(8, 16);
    front.lineTo(31, 16);
    front.lineTo(27, 27);
    front.closeSubpath();
    painter.setBrush(QColor(250, 210, 100));
    painter.drawPath(front);
}

void DrawSave(QPainter& painter) {
    painter.setPen(Outline(QColor(10, 30, 90), 1.5));
    painter.setBrush(QColor(40, 80, 170));
    painter.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(8, 4, 16, 10));
    painter.setBrush(QColor(170, 170, 180));
    painter.drawRect(QRectF(10, 19, 12, 9));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 80, 170));
    painter.drawRect(QRectF(18, 21, 2.5, 5));
}

void DrawStatistics(QPainter& painter) {
    painter.setPen(Outline(QColor(40, 40, 40), 1.5));
    painter.drawLine(QPointF(4, 3), QPointF(4, 28));
    painter.drawLine(QPointF(4, 28), QPointF(29, 28));
    const std::pair<double, QColor> bars[] = {
        {12, QColor(200, 30, 30)}, {20, QColor(0, 140, 0)}, {8, QColor(30, 70, 200)}};
    double x = 7;
    for (const auto& [height, colour] : bars) {
        painter.setPen(Outline(colour.darker(150), 1));
        painter.setBrush(colour);
        painter.drawRect(QRectF(x, 27 - height, 6, height));
        x += 7.5;
    }
}

void DrawRules(QPainter& painter) {
    // An open book.
    painter.setPen(Outline(QColor(90, 40, 10), 1.5));
    painter.setBrush(QColor(255, 250, 235));
    QPainterPath left, right;
    left.moveTo(16, 8);
    left.cubicTo(12, 5, 6, 5, 3, 7);
    left.lineTo(3, 26);
    left.cubicTo(6, 24, 12, 24, 16, 27);
    left.closeSubpath();
    right = QTransform(-1, 0, 0, 1, kCanvas, 0).map(left);
    painter.drawPath(left);
    painter.drawPath(right);
    painter.setPen(Outline(QColor(120, 120, 140), 1));
    for (int line = 0; line < 4; ++line) {
        const double y = 11.5 + line * 3.5;
        painter.drawLine(QPointF(6, y), QPointF(13, y + 0.5));
        painter.drawLine(QPointF(19, y + 0.5), QPointF(26, y));
    }
}

void DrawRestart(QPainter& painter) { DrawTurnArrow(painter, QColor(0, 130, 60), true, 290); }

void DrawExit(QPainter& painter) {
    // A door standing open and an arrow going out of it.
    painter.setPen(Outline(QColor(70, 45, 20), 1.5));
    painter.setBrush(QColor(150, 100, 50));
    painter.drawRect(QRectF(4, 4, 14, 24));
    painter.setBrush(QColor(40, 30, 20));
    painter.drawRect(QRectF(7, 7, 8, 18));
    painter.setPen(Outline(QColor(200, 20, 20), 3));
    painter.drawLine(QPointF(12, 16), QPointF(27, 16));
    painter.drawLine(QPointF(22, 11), QPointF(27.5, 16));
    painter.drawLine(QPointF(22, 21), QPointF(27.5, 16));
}

void DrawUndo(QPainter& painter) { DrawTurnArrow(painter, QColor(0, 64, 192), true, 170); }
void DrawRedo(QPainter& painter) { DrawTurnArrow(painter, QColor(0, 64, 192), false, 170); }

void DrawAutoplay(QPainter& painter) {
    DrawCard(painter, QRectF(4, 11, 13, 17));
    painter.setPen(Outline(QColor(0, 128, 0), 2.5));
    painter.drawLine(QPointF(23, 28), QPointF(23, 5));
    painter.drawLine(QPointF(18, 10), QPointF(23, 4.5));
    painter.drawLine(QPointF(28, 10), QPointF(23, 4.5));
}

void DrawHint(QPainter& painter) {
    // A light bulb: the glass, its shine and the screw cap.
    QPainterPath glass;
    glass.moveTo(12, 21);
    glass.cubicTo(12, 17, 7, 15, 7, 10.5);
    glass.cubicTo(7, 5.5, 11, 2.5, 16, 2.5);
    glass.cubicTo(21, 2.5, 25, 5.5, 25, 10.5);
    glass.cubicTo(25, 15, 20, 17, 20, 21);
    glass.closeSubpath();
    painter.setPen(Outline(QColor(150, 110, 0), 1.5));
    painter.setBrush(QColor(255, 220, 60));
    painter.drawPath(glass);
    painter.setPen(Outline(QColor(255, 250, 210), 1.8));
    painter.drawArc(QRectF(10.5, 5.5, 8, 8), 100 * 16, 80 * 16);
    painter.setPen(Outline(QColor(70, 70, 80), 1.2));
    painter.setBrush(QColor(160, 160, 170));
    painter.drawRoundedRect(QRectF(12, 21.5, 8, 6), 1.5, 1.5);
    painter.drawLine(QPointF(12.5, 24.5), QPointF(19.5, 24.5));
    painter.setBrush(QColor(70, 70, 80));
    painter.drawRoundedRect(QRectF(14, 27.5, 4, 2.5), 1, 1);
}

struct DrawnPicture {
    std::string_view hint;
    void (*draw)(QPainter&);
};
constexpr DrawnPicture kDrawnPictures[] = {
    {"New", DrawNew},           {"Open", DrawOpen},   {"Save", DrawSave},       {"Undo", DrawUndo},
    {"Redo", DrawRedo},         {"Autoplay", DrawAutoplay}, {"Hint", DrawHint}, {"Statistics", DrawStatistics},
    {"Rules", DrawRules},       {"Restart", DrawRestart}, {"Exit", DrawExit}};

}  // namespace

QIcon ToolbarIcon(std::string_view hint, const ResourceLibrary* library) {
    if (library != nullptr) {
        if (QIcon icon = FromLibrary(hint, *library); !icon.isNull()) return icon;
    }
    for (const auto& [pictureHint, draw] : kDrawnPictures) {
        if (pictureHint != hint) continue;
        QPixmap picture(kCanvas, kCanvas);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing, true);
        draw(painter);
        painter.end();
        return QIcon(picture);
    }
    return {};
}

}  // namespace dravicor
