#include "ui/records_grid.h"

#include <QComboBox>
#include <QDate>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>

#include "ui/qt_text.h"

namespace dravicor {

PlayerAndGameChoosers NewPlayerAndGameChoosers(QWidget* parent) {
    auto* player = new QComboBox(parent);
    player->setObjectName(QStringLiteral("cboPlayer"));
    auto* game = new QComboBox(parent);
    game->setObjectName(QStringLiteral("cboGame"));
    auto* playerLabel = new QLabel(QStringLiteral("&Player:"), parent);
    playerLabel->setBuddy(player);
    auto* gameLabel = new QLabel(QStringLiteral("&Game:"), parent);
    gameLabel->setBuddy(game);
    return {playerLabel, player, gameLabel, game};
}

QTableWidget* NewRecordsGrid(QWidget* parent, const char* objectName, const QStringList& headers) {
    auto* grid = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    grid->setObjectName(QLatin1String(objectName));
    grid->setHorizontalHeaderLabels(headers);
    grid->verticalHeader()->setVisible(false);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->horizontalHeader()->setStretchLastSection(true);
    return grid;
}

void ResizeRecordsGrid(QTableWidget& grid, int rows) {
    grid.clearContents();
    grid.setRowCount(rows);
}

void SetGridRow(QTableWidget& grid, int row, const QStringList& cells) {
    for (int column = 0; column < cells.size() && column < grid.columnCount(); ++column) {
        grid.setItem(row, column, new QTableWidgetItem(cells[column]));
    }
}

QString GridCell(const QTableWidget& grid, int row, int column) {
    const QTableWidgetItem* item = grid.item(row, column);
    return item != nullptr ? item->text() : QString();
}

QString ShortDateText(std::string_view yyyymmdd) {
    const QDate date = QDate::fromString(ToQString(yyyymmdd), QStringLiteral("yyyyMMdd"));
    if (!date.isValid()) return ToQString(yyyymmdd);
    return QLocale::system().toString(date, QLocale::ShortFormat);
}

}  // namespace dravicor
