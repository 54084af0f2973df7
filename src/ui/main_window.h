#pragma once

#include <QMainWindow>

class QAction;
class QLabel;
class QMenu;
class QTimer;
class QToolBar;

namespace dravicor {

class Program;
class TableWidget;

// The program's main window: the menu bar, the large and the small toolbar,
// the card table in the middle, the time and score panels and the status
// bar. Its commands forward to the program's engine, the saved-game part and
// the demo player; the window holds no rules of its own. Entries whose
// windows do not exist yet are shown disabled.
class TfrmMain final : public QMainWindow {
    Q_OBJECT

public:
    // A window without a program: the menus and toolbars are there, the game
    // commands are disabled.
    explicit TfrmMain(QWidget* parent = nullptr);
    // The window of the running program; the program outlives the window.
    explicit TfrmMain(Program& program, QWidget* parent = nullptr);

    TableWidget& table() const { return *table_; }
    QAction& action(const char* objectName) const;

    // Brings the menus' states, the clock and the score up to date with the engine.
    void refresh();
    // Closes the window without asking (a termination request).
    void closeWithoutAsking();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    QAction* addEntry(QMenu* menu, const char* objectName, const QString& caption, const QKeySequence& shortcut = {});
    void buildMenus();
    void buildToolbars();
    QToolBar* buildToolbar(const char* objectName, int height);
    void buildPanels();
    void wireCommands();
    void showClock();

    void mnuNewClick();
    void mnuRestartGameClick();
    void mnuUndoClick();
    void mnuRedoClick();
    void mnuPauseClick();
    void mnuQuitGameClick();
    void mnuAutoplayClick();
    void mnuDemoClick();

    Program* program_ = nullptr;
    TableWidget* table_;  // owned by the window as its central widget
    QToolBar* largeToolbar_ = nullptr;
    QToolBar* smallToolbar_ = nullptr;
    QLabel* lblClock_ = nullptr;
    QLabel* lblScore_ = nullptr;
    QLabel* pnlPlayer_ = nullptr;
    QTimer* clockTimer_ = nullptr;
    bool askOnClose_ = true;
};

}  // namespace dravicor
