#pragma once

class QDialogButtonBox;
class QPushButton;
class QString;
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

// One button of a window's own row: the default button answers Enter; any
// other never takes Enter for itself.
enum class ButtonKind { Default, Other };
QPushButton* NewDialogButton(QWidget* parent, const QString& caption, const char* objectName,
                             ButtonKind kind = ButtonKind::Other);

}  // namespace dravicor
