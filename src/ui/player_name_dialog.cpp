#include "ui/player_name_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "players/player_list.h"
#include "ui/qt_text.h"

namespace dravicor {

TfrmPlayerName::TfrmPlayerName(const QString& title, const std::string& name, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmPlayerName"));
    setWindowTitle(title);

    edtName_ = new QLineEdit(ToQString(name), this);
    edtName_->setObjectName(QStringLiteral("edtName"));
    edtName_->setMaxLength(static_cast<int>(kMaxPlayerNameLength));
    edtName_->setMinimumWidth(edtName_->fontMetrics().horizontalAdvance(QString(20, QLatin1Char('M'))));
    edtName_->selectAll();
    auto* label = new QLabel(QStringLiteral("&Player name: "), this);
    label->setBuddy(edtName_);

    auto* buttons = new QDialogButtonBox(this);
    auto* btnOK = buttons->addButton(QDialogButtonBox::Ok);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    auto* btnCancel = buttons->addButton(QDialogButtonBox::Cancel);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(edtName_);
    layout->addSpacing(8);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

std::optional<std::string> TfrmPlayerName::run() {
    edtName_->setFocus();
    if (exec() != QDialog::Accepted) return std::nullopt;
    return ToUtf8(edtName_->text());
}

}  // namespace dravicor
