#include "ui/main_window.h"

#include "ui/table_widget.h"

namespace dravicor {

namespace {
constexpr int kDefaultWidth = 800;
constexpr int kDefaultHeight = 600;
}  // namespace

TfrmMain::TfrmMain(QWidget* parent) : QMainWindow(parent), table_(new TableWidget(this)) {
    setWindowTitle(QStringLiteral("Dravicor"));
    setCentralWidget(table_);
    resize(kDefaultWidth, kDefaultHeight);
}

}  // namespace dravicor
