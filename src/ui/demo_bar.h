#pragma once

#include <QWidget>

class QAbstractButton;
class QButtonGroup;
class QLabel;
class QScrollBar;
class QToolButton;

namespace dravicor {

class DemoPlayer;

// The demo bar `pnlDemo`, shown under the toolbar while demo mode is on:
// Play and Stop (two toggle buttons of one group with no action of their
// own), First, Previous 3 moves, the step scroll bar, Next 3 moves, Last,
// the step counter and Close. Every command goes to the demo player; the
// bar only shows where the player is.
class DemoBar final : public QWidget {
    Q_OBJECT

public:
    explicit DemoBar(QWidget* parent = nullptr);

    // The player the buttons drive (it outlives the bar); without one the
    // commands do nothing.
    void setPlayer(DemoPlayer* player);
    // Shows the player's step and step count on the counter and the scroll bar.
    void sync();

signals:
    // The table was moved to another step: it is to be redrawn.
    void moved();
    // Close was pressed: demo mode is to be turned off.
    void closeRequested();

private:
    QToolButton* addButton(const char* objectName, const QString& hint);
    void releasePlayAndStop();
    // Runs a command of the player, then shows where it went.
    template <typename Command>
    void step(Command command);
    void scrollBarMoved(int position);
    void dragEnded();

    DemoPlayer* player_ = nullptr;
    QButtonGroup* playStop_;
    QScrollBar* scbDemoMove_;
    QLabel* pnlDemoCount_;
    // Set while sync() moves the scroll bar, so the move is not taken for the user's.
    bool syncing_ = false;
};

}  // namespace dravicor
