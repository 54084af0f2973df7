#include "ui/dialog_buttons.h"

#include <QDialogButtonBox>
#include <QPushButton>

namespace dravicor {

DialogButtons MakeOkCancelHelp(QWidget* parent) {
    auto* box = new QDialogButtonBox(parent);
    QPushButton* ok = box->addButton(QDialogButtonBox::Ok);
    ok->setObjectName(QStringLiteral("btnOK"));
    ok->setDefault(true);
    QPushButton* cancel = box->addButton(QDialogButtonBox::Cancel);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    QPushButton* help = box->addButton(QStringLiteral("&?"), QDialogButtonBox::HelpRole);
    help->setObjectName(QStringLiteral("btnHelp"));
    help->setEnabled(false);
    return {box, ok, cancel, help};
}

QPushButton* NewDialogButton(QWidget* parent, const QString& caption, const char* objectName, ButtonKind kind) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(objectName));
    if (kind == ButtonKind::Default) {
        button->setDefault(true);
    } else {
        button->setAutoDefault(false);
    }
    return button;
}

}  // namespace dravicor
