#pragma once

#include <QDialog>

#include "shell/tips.h"

class QCheckBox;
class QLabel;

namespace dravicor {

class Program;

// "Tip of the Day": one tip at a time, paged both ways; it remembers the tip
// shown and whether it opens at start-up.
class TfrmTips final : public QDialog {
    Q_OBJECT

public:
    explicit TfrmTips(Program& program, QWidget* parent = nullptr);

    // Shows the window modally, starting with the tip after the one shown
    // last; on closing, however it is closed, stores the tip shown and the
    // start-up choice.
    void run();

    // The tip on screen (1 to kTipCount).
    int shownTip() const { return state_.number; }

private:
    void FormCreate();
    void showTip(int number);

    Program& program_;
    TipState state_;
    QLabel* lblPage_ = nullptr;
    QLabel* lblTip_ = nullptr;
    QCheckBox* chkStartUp_ = nullptr;
};

}  // namespace dravicor
