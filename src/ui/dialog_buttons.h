#pragma once

class QDialogButtonBox;
class QPushButton;
class QWidget;

namespace dravicor {

// The row of buttons most dialogs end with: "OK" (the default), "Cancel"
// and "&?", named btnOK, btnCancel and btnHelp. "&?" starts disabled: a
// dialog enables it once it has help to show.
struct DialogButtons {
    QDialogButtonBox* box;
    QPushButton* ok;
    QPushButton* cancel;
    QPushButton* help;
};
DialogButtons MakeOkCancelHelp(QWidget* parent);

}  // namespace dravicor
