#include "ui/customize_rules_name_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>
#include <QVBoxLayout>

#include "common/product.h"
#include "shell/program.h"
#include "ui/dialog_buttons.h"
#include "ui/qt_text.h"

namespace dravicor {

namespace {

// The record holds 50 bytes of the name: a name longer in UTF-8 than that
// is not taken, so no character is ever cut in half.
class NameLengthValidator final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        return static_cast<size_t>(input.toUtf8().size()) <= kCustomNameWidth ? Acceptable : Invalid;
    }
};

}  // namespace

TfrmCustomizeRules2::TfrmCustomizeRules2(Program& program, const QString& caption, const std::string& currentName,
                                         QWidget* parent)
    : QDialog(parent), program_(program) {
    setObjectName(QStringLiteral("frmCustomizeRules2"));
    setWindowTitle(caption);

    edtName_ = new QLineEdit(ToQString(currentName), this);
    edtName_->setObjectName(QStringLiteral("edtName"));
    edtName_->setMaxLength(static_cast<int>(kCustomNameWidth));
    edtName_->setValidator(new NameLengthValidator(edtName_));
    edtName_->setMinimumWidth(edtName_->fontMetrics().horizontalAdvance(QString(30, QLatin1Char('M'))));
    auto* lblName = new QLabel(QStringLiteral("E&nter a name for the new game:"), this);
    lblName->setObjectName(QStringLiteral("lblName"));
    lblName->setBuddy(edtName_);

    auto* lblStatistics = new QLabel(
        QStringLiteral("It is necessary to create a new game so to maintain statistics for ") + ToQString(currentName) +
            QStringLiteral("."),
        this);
    lblStatistics->setObjectName(QStringLiteral("lblStatistics"));
    lblStatistics->setWordWrap(true);
    auto* lblFolder = new QLabel(QStringLiteral("This game will be added to the folder 'Customized games'."), this);
    lblFolder->setObjectName(QStringLiteral("lblFolder"));
    lblFolder->setWordWrap(true);

    const DialogButtons buttons = MakeOkCancelHelp(this);
    buttons.help->hide();  // nothing to explain beyond the two texts
    connect(buttons.ok, &QPushButton::clicked, this, &TfrmCustomizeRules2::btnOKClick);
    connect(buttons.cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblStatistics);
    layout->addWidget(lblFolder);
    layout->addSpacing(8);
    layout->addWidget(lblName);
    layout->addWidget(edtName_);
    layout->addSpacing(8);
    layout->addWidget(buttons.box);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

std::optional<std::string> TfrmCustomizeRules2::run() {
    edtName_->selectAll();
    edtName_->setFocus();
    if (exec() != QDialog::Accepted) return std::nullopt;
    return ToUtf8(edtName_->text());
}

void TfrmCustomizeRules2::btnOKClick() {
    const auto refused = program_.customGameFile().checkName(ToUtf8(edtName_->text()), program_.gameList());
    if (refused) {
        program_.platform().messages.showMessage(*refused, kProductName, MessageIcon::Information);
        edtName_->setFocus();
        edtName_->selectAll();
        return;
    }
    accept();
}

}  // namespace dravicor
