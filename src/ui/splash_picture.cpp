#include "ui/splash_picture.h"


#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "common/product.h"

namespace dravicor {

namespace {

const QColor kRed(200, 16, 24);
const QColor kBlack(20, 20, 20);
constexpr double kCardWidth = 58;
constexpr double kCardHeight = 80;

QPainterPath Heart(double size) {
    QPainterPath path;
    path.moveTo(0, size * 0.45);
    path.cubicTo(-size * 0.9, -size * 0.15, -size * 0.45, -size * 0.75, 0, -size * 0.25);
    path.cubicTo(size * 0.45, -size * 0.75, size * 0.9, -size * 0.15, 0, size * 0.45);
    return path;
}

QPainterPath Diamond(double size) {
    QPainterPath path;
    path.moveTo(0, -size * 0.55);
    path.lineTo(size * 0.4, 0);
    path.lineTo(0, size * 0.55);
    path.lineTo(-size * 0.4, 0);
    path.closeSubpath();
    return path;
}

QPainterPath Spade(double size) {
    QPainterPath path = QTransform().rotate(180).map(Heart(size)).translated(0, -size * 0.05);
    QPainterPath stem;
    stem.moveTo(0, size * 0.1);
    stem.lineTo(size * 0.18, size * 0.55);
    stem.lineTo(-size * 0.18, size * 0.55);
    stem.closeSubpath();
    return path.united(stem);
}

QPainterPath Club(double size) {
    QPainterPath path;
    const double r = size * 0.22;
    path.addEllipse(QPointF(0, -size * 0.25), r, r);
    path.addEllipse(QPointF(-size * 0.24, size * 0.08), r, r);
    path.addEllipse(QPointF(size * 0.24, size * 0.08), r, r);
    QPainterPath stem;
    stem.moveTo(0, 0);
    stem.lineTo(size * 0.16, size * 0.55);
    stem.lineTo(-size * 0.16, size * 0.55);
    stem.closeSubpath();
    return path.united(stem).simplified();
}

void DrawCard(QPainter& painter, double angle, const QPainterPath& suit, const QColor& colour) {
    painter.save();
    // The fan turns about a point below the cards.
    painter.translate(kSplashWidth * 0.5, 190);
    painter.rotate(angle);
    painter.translate(-kCardWidth / 2, -kCardHeight - 40);
    painter.setPen(QPen(QColor(60, 60, 60), 1));
    painter.setBrush(QColor(252, 252, 248));
    painter.drawRoundedRect(QRectF(0, 0, kCardWidth, kCardHeight), 5, 5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(suit.translated(kCardWidth / 2, kCardHeight / 2));
    painter.drawPath(QTransform().scale(0.4, 0.4).map(suit).translated(9, 11));
    painter.drawPath(QTransform().scale(0.4, 0.4).rotate(180).map(suit).translated(kCardWidth - 9, kCardHeight - 11));
    painter.restore();
}

}  // namespace

QPixmap DrawSplashPicture() {
    QPixmap picture(kSplashWidth, kSplashHeight);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);

    QRadialGradient felt(QPointF(kSplashWidth / 2.0, kSplashHeight / 2.5), kSplashWidth * 0.7);
    felt.setColorAt(0, QColor(0, 128, 0));
    felt.setColorAt(1, QColor(0, 60, 0));
    painter.fillRect(picture.rect(), felt);
    painter.setPen(QPen(QColor(200, 170, 60), 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(1.5, 1.5, kSplashWidth - 3, kSplashHeight - 3));

    const double size = 30;
    DrawCard(painter, -30, Spade(size), kBlack);
    DrawCard(painter, -10, Heart(size), kRed);
    DrawCard(painter, 10, Club(size), kBlack);
    DrawCard(painter, 30, Diamond(size), kRed);

    QFont title(QStringLiteral("Serif"));
    title.setPixelSize(44);
    title.setBold(true);
    painter.setFont(title);
    const QRectF titleBox(0, 168, kSplashWidth, 52);
    painter.setPen(QColor(0, 30, 0));
    painter.drawText(titleBox.translated(2, 2), Qt::AlignCenter, QString::fromUtf8(kProductName.data(), qsizetype(kProductName.size())));
    painter.setPen(QColor(255, 225, 120));
    painter.drawText(titleBox, Qt::AlignCenter, QString::fromUtf8(kProductName.data(), qsizetype(kProductName.size())));

    QFont subtitle(QStringLiteral("Sans"));
    subtitle.setPixelSize(14);
    painter.setFont(subtitle);
    painter.setPen(QColor(220, 240, 220));
    painter.drawText(QRectF(0, 220, kSplashWidth, 24), Qt::AlignCenter, QStringLiteral("Patience games"));
    return picture;
}

}  // namespace dravicor
