#pragma once

#include <string_view>

#include <QStringList>
#include <QTableWidget>

namespace dravicor {

// The read-only grids of the records windows: a header row, whole rows
// selected, cells never edited.
QTableWidget* NewRecordsGrid(QWidget* parent, const char* objectName, const QStringList& headers);
// Makes the grid `rows` rows long and blank.
void ResizeRecordsGrid(QTableWidget& grid, int rows);
void SetGridRow(QTableWidget& grid, int row, const QStringList& cells);
// The text of one cell ("" where there is none), for tests and links.
QString GridCell(const QTableWidget& grid, int row, int column);

// A "yyyymmdd" date in the user's short date format; anything else as it is.
QString ShortDateText(std::string_view yyyymmdd);

}  // namespace dravicor
