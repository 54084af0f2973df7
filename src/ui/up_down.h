#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace dravicor {

// A pair of arrow buttons that step the number in an edit box between a
// lowest and a highest value. The box itself takes any text (the dialog
// that owns it checks what was typed); a step from a text that is not a
// number starts from the last value the control set. The Up and Down keys
// in the box step as well.
class UpDown final : public QWidget {
    Q_OBJECT

public:
    UpDown(QLineEdit* buddy, int lowest, int highest, QWidget* parent = nullptr);

    // One step up (+1) or down (-1), held within the range.
    void stepBy(int steps);
    int lowest() const { return lowest_; }
    int highest() const { return highest_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* buddy_;
    int lowest_;
    int highest_;
    int position_;
    QToolButton* up_ = nullptr;
    QToolButton* down_ = nullptr;
};

}  // namespace dravicor
