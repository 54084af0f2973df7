#include "tree_icons.h"

#include <QPainter>
#include <QPainterPath>

#include "shapes.h"
#include "stroke_font.h"

namespace dravicor::resources {

namespace {

constexpr int kIcon = 16;
const QColor kMask(128, 0, 0);

QImage Blank() { return Canvas(kIcon, kIcon, kMask); }

void DrawFolder(QPainter& painter, const QColor& colour, bool open) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QColor(96, 72, 0));
    painter.setBrush(colour.darker(115));
    painter.drawRect(QRect(1, 3, 13, 10));
    painter.drawRect(QRect(1, 2, 5, 1));
    painter.setBrush(colour);
    if (open) {
        QPolygon front;
        front << QPoint(3, 7) << QPoint(15, 7) << QPoint(13, 13) << QPoint(1, 13);
        painter.drawPolygon(front);
    } else {
        painter.drawRect(QRect(1, 5, 13, 8));
    }
}

// A letter badge in the folder's lower right corner.
void DrawBadge(QPainter& painter, QChar letter, const QColor& colour) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QColor(40, 40, 40));
    painter.setBrush(colour);
    painter.drawRect(QRect(8, 7, 7, 8));
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(Qt::white, 1.1));
    DrawStrokeText(painter, QString(letter), QRectF(9, 8, 6, 7));
}

QImage Folder(bool open, QChar badge = QChar(), const QColor& badgeColour = QColor()) {
    QImage image = Blank();
    QPainter painter(&image);
    DrawFolder(painter, QColor(240, 200, 64), open);
    if (!badge.isNull()) DrawBadge(painter, badge, badgeColour);
    return image;
}

// Game leaves: a card, a card with a tick (the game in play) and a card
// outline (an empty folder's placeholder).
QImage Leaf(int kind) {
    QImage image = Blank();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QRect card(3, 1, 10, 14);
    if (kind == 5) {
        painter.setPen(QPen(QColor(220, 220, 220), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(card.adjusted(0, 0, -1, -1));
        return image;
    }
    DrawSmallCard(painter, card, 4, 1, true);
    if (kind == 4) {
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(QPen(QColor(0, 160, 0), 2, Qt::SolidLine, Qt::RoundCap));
        painter.drawPolyline(QPolygonF({QPointF(7, 10), QPointF(10, 13), QPointF(15, 6)}));
    }
    return image;
}

// A family icon: a card marked with the family's letter or sign.
QImage Family(const QString& mark, const QColor& colour) {
    QImage image = Blank();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QColor(40, 40, 40));
    painter.setBrush(QColor(252, 252, 248));
    painter.drawRect(QRect(2, 0, 12, 15));
    painter.setRenderHint(QPainter::Antialiasing, true);
    if (mark == "*") {
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawPath(Star(QRectF(3, 2, 10, 10)));
    } else if (mark == "fan") {
        painter.setPen(QPen(colour, 1));
        painter.setBrush(Qt::NoBrush);
        for (int i = 0; i < 3; ++i) {
            painter.save();
            painter.translate(8, 12);
            painter.rotate(-25 + 25 * i);
            painter.drawRect(QRectF(-2.5, -9, 5, 8));
            painter.restore();
        }
    } else {
        painter.setPen(QPen(colour, 1.5));
        DrawStrokeText(painter, mark, QRectF(3, 2, 10, 11));
    }
    return image;
}

}  // namespace

void AddTreeIcons(PictureSet& pictures) {
    pictures.push_back({"TREE1", Folder(false), {}});
    pictures.push_back({"TREE2", Folder(true), {}});
    pictures.push_back({"N_TREE3", Leaf(3), {}});
    pictures.push_back({"N_TREE4", Leaf(4), {}});
    pictures.push_back({"N_TREE5", Leaf(5), {}});

    struct Group {
        const char* prefix;
        QChar badge;
        QColor colour;
    };
    const Group groups[] = {
        {"F", 'F', QColor(200, 140, 0)},  {"S", 'S', QColor(0, 120, 0)},   {"D", 'D', QColor(0, 64, 160)},
        {"C", 'C', QColor(120, 0, 160)},  {"T", 'T', QColor(0, 128, 128)}, {"I", 'I', QColor(96, 96, 96)},
        {"K", 'K', QColor(160, 64, 0)},   {"W", 'W', QColor(192, 0, 64)},
    };
    for (const Group& group : groups) {
        pictures.push_back({std::string(group.prefix) + "_TREE1", Folder(false, group.badge, group.colour), {}});
        pictures.push_back({std::string(group.prefix) + "_TREE2", Folder(true, group.badge, group.colour), {}});
    }

    struct Kind {
        const char* name;
        const char* mark;
        QColor colour;
    };
    const Kind kinds[] = {
        {"TREE5_CANFIELD_TYPE", "C", QColor(160, 0, 0)},
        {"TREE5_FAN_TYPE", "fan", QColor(0, 64, 160)},
        {"TREE5_FORTYTHIEVES_TYPE", "4", QColor(96, 48, 0)},
        {"TREE5_FREECELL_TYPE", "F", QColor(0, 96, 160)},
        {"TREE5_KLONDIKE_TYPE", "K", QColor(0, 120, 0)},
        {"TREE5_PAIRING_TYPE", "P", QColor(160, 0, 120)},
        {"TREE5_SIMPLEGAMES_TYPE", "E", QColor(0, 128, 128)},
        {"TREE5_SPIDER_TYPE", "S", QColor(32, 32, 32)},
        {"TREE5_1DECK_TYPE", "1", QColor(0, 0, 160)},
        {"TREE5_2DECK_TYPE", "2", QColor(0, 0, 160)},
        {"TREE5_CUSTOMIZED_GAMES", "+", QColor(120, 0, 160)},
        {"TREE5_FAVORITES_GAMES", "*", QColor(230, 170, 0)},
        {"TREE5_BAKERSDOZEN_TYPE", "B", QColor(150, 90, 20)},
        {"TREE5_ROW_TYPE", "R", QColor(0, 100, 60)},
    };
    for (const Kind& kind : kinds) pictures.push_back({kind.name, Family(kind.mark, kind.colour), {}});
}

}  // namespace dravicor::resources
