#include "ui/about_box.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine/sounds.h"
#include "shell/preferences.h"
#include "shell/program.h"
#include "ui/qt_text.h"

namespace dravicor {

namespace {

constexpr std::string_view kReleaseDate = "December 2026";

QLabel* NewLink(const QString& address, const QString& name, QWidget* parent) {
    auto* label = new QLabel(address, parent);
    label->setObjectName(name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

}  // namespace

TfrmAbout::TfrmAbout(Program& program, QWidget* parent) : QDialog(parent), program_(program) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(ToQString(ApplyProgramName("About [Program]")));

    auto* lblVersion = new QLabel(ToQString(std::string(kProductName) + " version " DRAVICOR_VERSION ", released " +
                                            std::string(kReleaseDate)),
                                  this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    QFont bold = lblVersion->font();
    bold.setBold(true);
    lblVersion->setFont(bold);

    auto* contacts = new QFormLayout;
    contacts->addRow(QStringLiteral("Web site:"),
                     NewLink(QStringLiteral("https://www.dravicor.example/"), QStringLiteral("lblWeb"), this));
    contacts->addRow(QStringLiteral("For general information:"),
                     NewLink(QStringLiteral("info@dravicor.example"), QStringLiteral("lblInfo"), this));
    contacts->addRow(QStringLiteral("For sales/marketing:"),
                     NewLink(QStringLiteral("sales@dravicor.example"), QStringLiteral("lblSales"), this));
    contacts->addRow(QStringLiteral("For technical information:"),
                     NewLink(QStringLiteral("support@dravicor.example"), QStringLiteral("lblSupport"), this));

    auto* lblLegal = new QLabel(
        QStringLiteral("This program is protected by copyright law. You may use it and give away unchanged "
                       "copies of it; you may not sell it or pass off changed copies as the original. "
                       "It comes without any warranty: the authors are not liable for any loss that its use "
                       "may cause."),
        this);
    lblLegal->setObjectName(QStringLiteral("lblLegal"));
    lblLegal->setWordWrap(true);
    lblLegal->setFixedWidth(380);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("btnOK"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblVersion);
    layout->addLayout(contacts);
    layout->addWidget(lblLegal);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TfrmAbout::run() {
    GameSounds sounds(program_.settings(), program_.platform().sound);
    sounds.play(Sound::About, sounds.wanted(Field::SoundsAbout));
    exec();
}

}  // namespace dravicor
