#include "ui/table_widget.h"

#include <algorithm>
#include <optional>

#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>

#include "rules/pile_geometry.h"
#include "ui/colour.h"

namespace dravicor {

TableWidget::TableWidget(QWidget* parent) : QWidget(parent), background_(ColourFromRef(kDefaultTableColour)) {
    // Every pixel is painted below, so Qt need not clear the area first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TableWidget::showGame(Engine& engine, const CardImages& images) {
    engine_ = &engine;
    images_ = &images;
    engine.setObserver(this);
    engine.setTableArea(TableArea{5, width(), height(), 0});
    update();
}

void TableWidget::setPointerCursors(const QCursor& normal, const QCursor& dragging) {
    normalCursor_ = normal;
    draggingCursor_ = dragging;
    setCursor(engine_ && engine_->isDragging() ? draggingCursor_ : normalCursor_);
}

void TableWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (engine_) engine_->setTableArea(TableArea{5, width(), height(), 0});
}

namespace {

Point PointOf(const QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    return {at.x(), at.y()};
}

}  // namespace

void TableWidget::mousePressEvent(QMouseEvent* event) {
    if (!engine_) return;
    if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton) {
        engine_->PointerPress(PointOf(event),
                              event->button() == Qt::LeftButton ? PointerButton::Left : PointerButton::Right);
    }
}

void TableWidget::mouseMoveEvent(QMouseEvent* event) {
    if (engine_ && event->buttons() != Qt::NoButton) engine_->PointerMove(PointOf(event));
}

void TableWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (engine_) engine_->PointerRelease(PointOf(event));
}

// Qt gives the second press of a double-click as this event; the engine
// takes the double-click and then that press, which it knows to ignore.
void TableWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (!engine_ || event->button() != Qt::LeftButton) return;
    engine_->DoubleClick(PointOf(event));
    engine_->PointerPress(PointOf(event));
}

// A frame drawn by inverting what lies under it shows on any card face.
void TableWidget::drawInvertedFrame(QPainter& painter, Point at) const {
    constexpr int kWidth = 3;
    const Size card = images_->cardSize;
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    painter.fillRect(at.x, at.y, card.width, kWidth, Qt::black);
    painter.fillRect(at.x, at.y + card.height - kWidth, card.width, kWidth, Qt::black);
    painter.fillRect(at.x, at.y + kWidth, kWidth, card.height - 2 * kWidth, Qt::black);
    painter.fillRect(at.x + card.width - kWidth, at.y + kWidth, kWidth, card.height - 2 * kWidth, Qt::black);
    painter.restore();
}

const QPixmap& TableWidget::pictureOf(CardNumber card) const {
    if (engine_->position().cardTable.IsFaceDown(card)) return images_->back;
    return images_->faces[static_cast<size_t>((card - 1) % 52)];
}

void TableWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), background_);
    if (engine_ && images_) drawPiles(painter);
    emit tablePainted();
}

void TableWidget::drawPiles(QPainter& painter) const {
    const Position& position = engine_->position();
    const TableGeometry table = engine_->geometry();
    const GameRules& rules = engine_->rules();
    const bool passesLeft = engine_->passesLeft();
    std::optional<PileId> dragSource;
    position.piles.forEach([&](PileId id, const Pile& pile) {
        if (!engine_->origins().isOnTable(id)) return;
        if (pile.empty()) {
            const int marker = EmptyPileMarker(id, rules, passesLeft, engine_->redealArmed());
            const auto found = images_->markers.find(marker);
            if (found != images_->markers.end() && !found->second.isNull()) {
                const Point at = table.pileOrigin(id);
                painter.drawPixmap(at.x, at.y, found->second);
            }
            return;
        }
        // Selected cards and the cards of a poker hand being shown are framed.
        const auto& selection = engine_->selection();
        const auto& hand = engine_->pokerHighlight();
        const bool handPile = id.kind == PileKind::Tableau &&
                              std::find(hand.begin(), hand.end(), id.number - 1) != hand.end();
        const auto framed = [&](CardNumber card) {
            return handPile || std::find(selection.begin(), selection.end(), card) != selection.end();
        };
        // The cards being dragged leave their pile and follow the pointer.
        const int dragged = engine_->isDragging() ? pile.find(engine_->game().cardInMotion) : -1;
        for (int skip = pile.size() - 1; skip >= 0; --skip) {
            const int index = pile.size() - 1 - skip;
            const CardNumber card = pile[index];
            if (card == kNoCard || (dragged >= 0 && index >= dragged)) continue;
            const Point at = table.cardPosition(id, skip);
            painter.drawPixmap(at.x, at.y, pictureOf(card));
            if (framed(card)) drawInvertedFrame(painter, at);
        }
        if (dragged >= 0) dragSource = id;
    });

    // The dragged cards lie over everything, keeping their spacing.
    if (!dragSource) return;
    const Pile& pile = position.piles.pile(*dragSource);
    const int dragged = pile.find(engine_->game().cardInMotion);
    const Point first = table.cardPosition(*dragSource, pile.size() - 1 - dragged);
    const Point to = engine_->dragImagePosition();
    for (int index = dragged; index < pile.size(); ++index) {
        const Point at = table.cardPosition(*dragSource, pile.size() - 1 - index);
        painter.drawPixmap(to.x + at.x - first.x, to.y + at.y - first.y, pictureOf(pile[index]));
    }
}

}  // namespace dravicor
