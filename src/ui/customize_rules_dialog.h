#pragma once

#include <functional>
#include <string>

#include <QDialog>

#include "select/custom_rules_form.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace dravicor {

class Program;
class UpDown;

// What the customize-rules dialog did, for the main window to follow up.
enum class CustomizeRulesOutcome {
    Cancelled,      // nothing changed
    Added,          // a customized game was added; the current game goes on
    AddedAndDealt,  // a customized game was added and made current: the game in progress
                    // was ended and the new one dealt (if that failed, its reason was
                    // shown and no deal is on the table)
    Deleted,        // the current customized game was deleted: no game is current,
                    // and the open-game dialog is to be opened
};

// "Customize rules": the three rules of the current game a customized game
// may change (cards dealt by a stock click, redeals, what fills an empty
// tableau space). OK saves them as a new customized game under a name asked
// for by TfrmCustomizeRules2; De&lete deletes the current game when it is a
// customized one.
class TfrmCustomizeRules final : public QDialog {
    Q_OBJECT

public:
    explicit TfrmCustomizeRules(Program& program, QWidget* parent = nullptr);
    ~TfrmCustomizeRules() override;

    // The "&?" button shows this help.
    void setHelp(std::function<void()> showHelp);

    // Shows the dialog modally and, after a save, offers to start the new
    // game. Cancelled without showing when no game is current or its rules
    // cannot be read (the reason shown).
    CustomizeRulesOutcome run();

    void btnOKClick();
    void btnDeleteClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    QWidget* buildStockPage();
    QWidget* buildTableauPage();
    // Fills the controls for the current game; false when there is none or
    // its rules cannot be read.
    bool FormShow();
    CustomRulesControls controls() const;
    void controlsChanged();
    // Shows "Only numbers required." on the stock page when a box needs it.
    bool checkNumbers(const CustomRulesReading& reading);

    Program& program_;
    std::string gameName_;
    CustomRulesReading start_;
    bool ready_ = false;
    int savedCode_ = -1;
    bool deleted_ = false;
    std::function<void()> showHelp_;

    QTabWidget* pages_ = nullptr;
    QWidget* stockPage_ = nullptr;
    QLabel* lblCards_ = nullptr;
    QLineEdit* edtCards_ = nullptr;
    UpDown* spnCards_ = nullptr;
    QGroupBox* grpRedeals_ = nullptr;
    QRadioButton* rbtUnlimited_ = nullptr;
    QRadioButton* rbtNoRedeals_ = nullptr;
    QRadioButton* rbtSpecified_ = nullptr;
    QLineEdit* edtRedeals_ = nullptr;
    UpDown* spnRedeals_ = nullptr;
    QLabel* lblDeals_ = nullptr;
    QGroupBox* grpTableau_ = nullptr;
    QButtonGroup* tableauChoices_ = nullptr;
    QRadioButton* rbtKing_ = nullptr;
    QLabel* lblKingBelowBase_ = nullptr;
    QRadioButton* rbtAnyCard_ = nullptr;
    QRadioButton* rbtNone_ = nullptr;
    QPushButton* btnOK_ = nullptr;
    QPushButton* btnDelete_ = nullptr;
    QPushButton* btnHelp_ = nullptr;
};

// The main menu's "Customize &rules..." for the current game.
CustomizeRulesOutcome ShowCustomizeRules(Program& program, QWidget* parent, std::function<void()> showHelp = {});

}  // namespace dravicor
