#pragma once

#include <functional>
#include <optional>

#include <QDialog>

#include "shell/options.h"

class QCheckBox;
class QPushButton;
class QRadioButton;

namespace dravicor {

class Program;

// "Options": the behaviour preferences and the two clearing commands. OK
// writes every preference at once; Cancel writes nothing.
class TfrmOptions final : public QDialog {
    Q_OBJECT

public:
    explicit TfrmOptions(Program& program, QWidget* parent = nullptr);

    // "&?" opens this; without it the button is disabled.
    void setHelp(std::function<void()> help);
    // "Clear..." opens the statistics clearing for the current player and
    // game; without it the button is disabled.
    void setClearStatistics(std::function<void()> clear);

    // Shows the dialog modally. After OK the values written (the caller
    // applies the toolbar, panels and tool tips); nothing after Cancel.
    std::optional<OptionValues> run();

private:
    void FormCreate();
    void FormShow();
    OptionValues chosen() const;
    void btnOKClick();
    void btnClearHiScoresClick();

    Program& program_;
    std::function<void()> help_;
    std::function<void()> clearStatistics_;
    OptionValues written_;
    QCheckBox* chkConfirmQuit_ = nullptr;
    QCheckBox* chkConfirmQuitGame_ = nullptr;
    QCheckBox* chkConfirmEnterHiScores_ = nullptr;
    QCheckBox* chkWinningAnimation_ = nullptr;
    QCheckBox* chkVertScrollBar_ = nullptr;
    QCheckBox* chkToolbarLarge_ = nullptr;
    QCheckBox* chkToolbarFlat_ = nullptr;
    QCheckBox* chkShowTime_ = nullptr;
    QCheckBox* chkShowScore_ = nullptr;
    QCheckBox* chkShowToolTips_ = nullptr;
    QCheckBox* chkShowVerdict_ = nullptr;
    QCheckBox* chkWinnableDeals_ = nullptr;  // for the current game; disabled without one
    QRadioButton* rbtUnlimited_ = nullptr;
    QRadioButton* rbtOneStep_ = nullptr;
    QRadioButton* rbtDisable_ = nullptr;
    QPushButton* btnClearStatistics_ = nullptr;
    QPushButton* btnHelp_ = nullptr;
};

}  // namespace dravicor
