#include "ui/game_number_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/profile_file.h"
#include "common/text.h"
#include "shell/preferences.h"
#include "shell/program.h"
#include "ui/qt_text.h"
#include "ui/dialog_buttons.h"

namespace dravicor {

TfrmSeleziona::TfrmSeleziona(Program& program, QWidget* parent) : QDialog(parent), program_(program) {
    FormCreate();
}

void TfrmSeleziona::FormCreate() {
    setObjectName(QStringLiteral("frmSeleziona"));
    setWindowTitle(QStringLiteral("Select a game number"));

    cboNumber_ = new QComboBox(this);
    cboNumber_->setObjectName(QStringLiteral("cboNumber"));
    cboNumber_->setEditable(true);
    cboNumber_->setInsertPolicy(QComboBox::NoInsert);
    cboNumber_->lineEdit()->setMaxLength(static_cast<int>(kEnteredNumberDigits));
    cboNumber_->setMinimumWidth(cboNumber_->fontMetrics().horizontalAdvance(QStringLiteral("0000000000000")) + 60);

    auto* label = new QLabel(QStringLiteral("&Enter a game number:"), this);
    label->setBuddy(cboNumber_);
    auto* hint = new QLabel(ToQString(GameNumberText::Range), this);
    hint->setObjectName(QStringLiteral("lblRange"));

    const DialogButtons row = MakeOkCancelHelp(this);
    QDialogButtonBox* buttons = row.box;
    QPushButton* btnOK = row.ok;
    QPushButton* btnCancel = row.cancel;
    btnHelp_ = row.help;
    connect(btnOK, &QPushButton::clicked, this, &TfrmSeleziona::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnHelp_, &QPushButton::clicked, this, [this] {
        if (help_) help_();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(cboNumber_);
    layout->addWidget(hint);
    layout->addSpacing(8);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TfrmSeleziona::setHelp(std::function<void()> help) {
    help_ = std::move(help);
    btnHelp_->setEnabled(static_cast<bool>(help_));
}

void TfrmSeleziona::FormShow() {
    cboNumber_->clear();
    for (const std::string& number : ReadRecentGameNumbers(ConfigFile(program_.settings()))) {
        cboNumber_->addItem(ToQString(number));
    }
    cboNumber_->setEditText(ToQString(Trim(program_.settings().get(Field::CurrentGameNumber))));
    cboNumber_->lineEdit()->selectAll();
    cboNumber_->setFocus();
    chosen_.clear();
}

void TfrmSeleziona::btnOKClick() {
    const GameNumberEntry entry = CheckGameNumber(ToUtf8(cboNumber_->currentText()));
    switch (entry.check) {
        case GameNumberCheck::TooLong:
        case GameNumberCheck::NotDigits:
            program_.platform().messages.showMessage(entry.message, kProductName, MessageIcon::Information);
            cboNumber_->setFocus();
            return;
        case GameNumberCheck::Ignored:
            return;
        case GameNumberCheck::Accepted:
            chosen_ = entry.number;
            accept();
            return;
    }
}

std::optional<ChosenDealOutcome> TfrmSeleziona::run() {
    FormShow();
    if (exec() != QDialog::Accepted) return std::nullopt;
    return DealChosenNumber(program_.engine(), program_.settings(), chosen_);
}

}  // namespace dravicor
