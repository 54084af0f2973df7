#include "ui/tips_window.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/product.h"
#include "common/profile_file.h"
#include "shell/preferences.h"
#include "shell/program.h"
#include "ui/qt_text.h"

namespace dravicor {

TfrmTips::TfrmTips(Program& program, QWidget* parent) : QDialog(parent), program_(program) { FormCreate(); }

void TfrmTips::FormCreate() {
    setObjectName(QStringLiteral("frmTips"));
    setWindowTitle(QStringLiteral("Tip of the Day"));

    auto* heading = new QLabel(QStringLiteral("Did you know..."), this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    lblPage_ = new QLabel(this);
    lblPage_->setObjectName(QStringLiteral("lblPage"));
    lblTip_ = new QLabel(this);
    lblTip_->setObjectName(QStringLiteral("lblTip"));
    lblTip_->setWordWrap(true);
    lblTip_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblTip_->setFrameShape(QFrame::StyledPanel);
    lblTip_->setMargin(8);
    // Room for the longest tip, so the window keeps its size while paging.
    lblTip_->setFixedSize(360, 110);
    chkStartUp_ = new QCheckBox(QStringLiteral("Show tips at startup"), this);
    chkStartUp_->setObjectName(QStringLiteral("chkStartUp"));

    auto* buttons = new QDialogButtonBox(this);
    auto* btnPrevious = buttons->addButton(QStringLiteral("&Previous Tip"), QDialogButtonBox::ActionRole);
    btnPrevious->setObjectName(QStringLiteral("btnPrevious"));
    auto* btnNext = buttons->addButton(QStringLiteral("&Next Tip"), QDialogButtonBox::ActionRole);
    btnNext->setObjectName(QStringLiteral("btnNext"));
    auto* btnClose = buttons->addButton(QStringLiteral("&Close"), QDialogButtonBox::RejectRole);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    btnClose->setDefault(true);
    connect(btnPrevious, &QPushButton::clicked, this, [this] { showTip(PreviousTip(state_.number)); });
    connect(btnNext, &QPushButton::clicked, this, [this] { showTip(NextTip(state_.number)); });
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);

    auto* top = new QHBoxLayout;
    top->addWidget(heading, 1);
    top->addWidget(lblPage_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(lblTip_);
    layout->addWidget(chkStartUp_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TfrmTips::showTip(int number) {
    state_.number = number;
    lblPage_->setText(ToQString(TipPage(number)));
    lblTip_->setText(ToQString(TipText(number)));
}

void TfrmTips::run() {
    ProfileFile config = ConfigFile(program_.settings());
    state_ = OpenTips(config);
    chkStartUp_->setChecked(state_.showAtStartup);
    showTip(state_.number);
    exec();
    state_.showAtStartup = chkStartUp_->isChecked();
    try {
        CloseTips(config, state_);
    } catch (const ProfileWriteError& error) {
        program_.platform().messages.showMessage(error.what(), kProductName, MessageIcon::Error);
    }
}

}  // namespace dravicor
