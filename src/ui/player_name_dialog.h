#pragma once

#include <optional>
#include <string>

#include <QDialog>

class QLineEdit;

namespace dravicor {

// The small dialog of the Players window that asks for one name ("Add a
// player", "Edit a player"). It only collects the text; the Players window
// checks it and asks again when it is refused.
class TfrmPlayerName final : public QDialog {
    Q_OBJECT

public:
    TfrmPlayerName(const QString& title, const std::string& name, QWidget* parent = nullptr);

    // The entered text (as typed), or nothing when the dialog was cancelled.
    std::optional<std::string> run();

private:
    QLineEdit* edtName_ = nullptr;
};

}  // namespace dravicor
