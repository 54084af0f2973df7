#include "ui/table_widget.h"

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

void TableWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (engine_) engine_->setTableArea(TableArea{5, width(), height(), 0});
}

void TableWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), background_);
    if (engine_ && images_) drawPiles(painter);
}

void TableWidget::drawPiles(QPainter& painter) const {
    const Position& position = engine_->position();
    const TableGeometry table = engine_->geometry();
    const GameRules& rules = engine_->rules();
    const bool passesLeft = rules[Rule::Redeals] == -1 || engine_->game().passNumber < rules[Rule::Redeals];
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
        for (int skip = pile.size() - 1; skip >= 0; --skip) {
            const CardNumber card = pile[pile.size() - 1 - skip];
            if (card == kNoCard) continue;
            const Point at = table.cardPosition(id, skip);
            const bool faceUp = position.cardTable.IsFaceUp(card);
            const QPixmap& picture = faceUp ? images_->faces[static_cast<size_t>((card - 1) % 52)] : images_->back;
            painter.drawPixmap(at.x, at.y, picture);
        }
    });
}

}  // namespace dravicor
