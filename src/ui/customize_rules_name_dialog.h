#pragma once

#include <optional>
#include <string>

#include <QDialog>

class QLineEdit;

namespace dravicor {

class Program;

// The name of a new customized game. OK is taken only for a name of at
// least 3 characters that no game, built-in or customized, carries in any
// letter case; otherwise the message is shown and the dialog stays open
// with the focus in the name.
class TfrmCustomizeRules2 final : public QDialog {
    Q_OBJECT

public:
    // caption is the customize-rules dialog's; currentName the name of the
    // game being customized, the name the box starts with.
    TfrmCustomizeRules2(Program& program, const QString& caption, const std::string& currentName,
                        QWidget* parent = nullptr);

    // The accepted name, or nothing when the dialog was cancelled.
    std::optional<std::string> run();

    void btnOKClick();

private:
    Program& program_;
    QLineEdit* edtName_ = nullptr;
};

}  // namespace dravicor
