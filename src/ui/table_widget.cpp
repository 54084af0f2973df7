#include "ui/table_widget.h"

#include <QPainter>

#include "ui/colour.h"

namespace dravicor {

TableWidget::TableWidget(QWidget* parent) : QWidget(parent), background_(ColourFromRef(kDefaultTableColour)) {
    // Every pixel is painted below, so Qt need not clear the area first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TableWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), background_);
}

}  // namespace dravicor
