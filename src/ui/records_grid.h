#pragma once

#include <string_view>

#include <QStringList>
#include <QTableWidget>

class QComboBox;
class QLabel;

namespace dravicor {

// The read-only grids of the records windows: a header row, whole rows
// selected, cells never edited.
QTableWidget* NewRecordsGrid(QWidget* parent, const char* objectName, const QStringList& headers);
// Makes the grid `rows` rows long and blank.
void ResizeRecordsGrid(QTableWidget& grid, int rows);
void SetGridRow(QTableWidget& grid, int row, const QStringList& cells);
// The text of one cell ("" where there is none), for tests and links.
QString GridCell(const QTableWidget& grid, int row, int column);

// The "&Player:" and "&Game:" choosers of a records window (cboPlayer,
// cboGame), each with its label; the window lays them out and fills them.
struct PlayerAndGameChoosers {
    QLabel* playerLabel;
    QComboBox* player;
    QLabel* gameLabel;
    QComboBox* game;
};
PlayerAndGameChoosers NewPlayerAndGameChoosers(QWidget* parent);

// A "yyyymmdd" date in the user's short date format; anything else as it is.
QString ShortDateText(std::string_view yyyymmdd);

}  // namespace dravicor
