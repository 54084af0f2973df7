#pragma once

#include <QMainWindow>

namespace dravicor {

class TableWidget;

// The program's main window: the card table fills it.
class TfrmMain final : public QMainWindow {
    Q_OBJECT

public:
    explicit TfrmMain(QWidget* parent = nullptr);

    TableWidget& table() const { return *table_; }

private:
    TableWidget* table_;  // owned by the window as its central widget
};

}  // namespace dravicor
