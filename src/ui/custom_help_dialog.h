#pragma once

#include <functional>

#include <QDialog>

#include "select/custom_rules_comparison.h"

class QLineEdit;

namespace dravicor {

// The rules of a customized game: its name, the game it comes from with a
// button to that game's rules, and the three rules it may change, its own
// values in the first row and the base game's in the second.
class TfrmCustomHelp final : public QDialog {
    Q_OBJECT

public:
    // showBaseRules opens the base game's rules (the "&Rules" button).
    TfrmCustomHelp(const CustomRulesComparison& comparison, std::function<void()> showBaseRules,
                   QWidget* parent = nullptr);

    // The six boxes: row 0 the customized game, row 1 the base game;
    // column 0 cards dealt, 1 redeals, 2 tableau spaces.
    QLineEdit& box(int row, int column) const;

private:
    void FormCreate(const CustomRulesComparison& comparison);

    std::function<void()> showBaseRules_;
    QLineEdit* boxes_[2][3] = {};
};

}  // namespace dravicor
