#include "ui/score_mail_dialogs.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QUrl>
#include <QVBoxLayout>

#include "common/product.h"
#include "common/profile_file.h"
#include "shell/preferences.h"
#include "shell/program.h"
#include "ui/qt_text.h"

namespace dravicor {

namespace {

// Long enough for any name or country, short enough for one line.
constexpr int kEntryMaxLength = 50;

QLineEdit* NewEntryField(const std::string& text, const QString& name, QWidget* parent) {
    auto* field = new QLineEdit(ToQString(text), parent);
    field->setObjectName(name);
    field->setMaxLength(kEntryMaxLength);
    field->setMinimumWidth(field->fontMetrics().horizontalAdvance(QString(24, QLatin1Char('M'))));
    return field;
}

QPushButton* AddButton(QDialogButtonBox& box, const QString& caption, QDialogButtonBox::ButtonRole role,
                       const QString& name) {
    QPushButton* button = box.addButton(caption, role);
    button->setObjectName(name);
    return button;
}

// xdg-open passes a mailto: URL on even when no mail program is set up, and
// fails later where nobody sees it; xdg-mime tells beforehand. Where it is
// missing or gives no answer, opening the URL decides.
bool MailProgramMissing() {
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (xdgMime.isEmpty()) return false;
    QProcess query;
    query.start(xdgMime,
                {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("x-scheme-handler/mailto")});
    if (!query.waitForFinished(5000) || query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0) {
        return false;
    }
    return query.readAllStandardOutput().trimmed().isEmpty();
}

}  // namespace

TfrmPublishScore::TfrmPublishScore(Program& program, const OverallRank& player, QWidget* parent)
    : QDialog(parent), program_(program) {
    setObjectName(QStringLiteral("TfrmPublishScore"));
    setWindowTitle(QStringLiteral("Publish on Internet"));
    const ScoreMailEntry stored = ReadScoreMailEntry(ConfigFile(program_.settings()), player.player);
    edtName_ = NewEntryField(stored.name, QStringLiteral("edtName"), this);
    edtState_ = NewEntryField(stored.state, QStringLiteral("edtState"), this);
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("&Name:"), edtName_);
    fields->addRow(QStringLiteral("&State / Country:"), edtState_);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = AddButton(*buttons, QStringLiteral("OK"), QDialogButtonBox::AcceptRole, QStringLiteral("btnOK"));
    ok->setDefault(true);
    QPushButton* cancel =
        AddButton(*buttons, QStringLiteral("Cancel"), QDialogButtonBox::RejectRole, QStringLiteral("btnCancel"));
    connect(ok, &QPushButton::clicked, this, &TfrmPublishScore::btnOKClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(ToQString("Overall score of " + player.player + ": " + std::to_string(player.score)),
                                 this));
    layout->addLayout(fields);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    edtName_->setFocus();
}

void TfrmPublishScore::btnOKClick() {
    const ScoreMailEntry cleaned = CleanScoreMailEntry({ToUtf8(edtName_->text()), ToUtf8(edtState_->text())});
    if (const auto shortField = ShortScoreMailField(cleaned)) {
        program_.platform().messages.showMessage(kScoreMailTooShort, kProductName, MessageIcon::Information);
        QLineEdit* field = *shortField == ScoreMailField::Name ? edtName_ : edtState_;
        field->setFocus();
        field->selectAll();
        return;
    }
    try {
        ProfileFile config = ConfigFile(program_.settings());
        SaveScoreMailEntry(config, cleaned);
    } catch (const ProfileWriteError& error) {
        // Only the presets of the next time are lost: the message still goes.
        program_.platform().messages.showMessage(error.what(), kProductName, MessageIcon::Error);
    }
    entry_ = cleaned;
    accept();
}

TfrmSendScore::TfrmSendScore(Program& program, ScoreMail mail, MailOpener opener, QWidget* parent)
    : QDialog(parent), program_(program), mail_(std::move(mail)), opener_(std::move(opener)) {
    setObjectName(QStringLiteral("TfrmSendScore"));
    setWindowTitle(QStringLiteral("Send E-Mail"));
    auto* recipient = new QLineEdit(ToQString(mail_.recipient), this);
    recipient->setObjectName(QStringLiteral("edtRecipient"));
    recipient->setReadOnly(true);
    auto* subject = new QLineEdit(ToQString(mail_.subject), this);
    subject->setObjectName(QStringLiteral("edtSubject"));
    subject->setReadOnly(true);
    auto* body = new QPlainTextEdit(this);
    body->setObjectName(QStringLiteral("memBody"));
    body->setReadOnly(true);
    body->setPlainText(ToQString(mail_.body).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    body->setMinimumSize(body->fontMetrics().horizontalAdvance(QString(44, QLatin1Char('M'))),
                         body->fontMetrics().lineSpacing() * 7);
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("To:"), recipient);
    fields->addRow(QStringLiteral("Subject:"), subject);
    fields->addRow(QStringLiteral("Message:"), body);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* send =
        AddButton(*buttons, QStringLiteral("&Send"), QDialogButtonBox::AcceptRole, QStringLiteral("btnSend"));
    send->setDefault(true);
    QPushButton* cancel =
        AddButton(*buttons, QStringLiteral("Cancel"), QDialogButtonBox::RejectRole, QStringLiteral("btnCancel"));
    connect(send, &QPushButton::clicked, this, &TfrmSendScore::btnSendClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(buttons);
}

void TfrmSendScore::btnSendClick() {
    outcome_ = SendScoreMail(mail_, opener_, program_.platform(), program_.dataDir());
    if (*outcome_ != ScoreMailOutcome::NotSent) accept();
}

MailOpener SystemMailOpener() {
    return [](const std::string& url) {
        if (MailProgramMissing()) return false;
        const QUrl mailto = QUrl::fromEncoded(QByteArray::fromStdString(url), QUrl::StrictMode);
        return mailto.isValid() && QDesktopServices::openUrl(mailto);
    };
}

void PublishOverallScore(Program& program, const OverallRank& player, const MailOpener& opener, QWidget* parent) {
    TfrmPublishScore entry(program, player, parent);
    if (entry.exec() != QDialog::Accepted) return;
    TfrmSendScore send(program, BuildScoreMail(entry.entry(), player.rawValues, OverallCatalogueSize(program)),
                       opener, parent);
    send.exec();
}

PublishOverallScores MailPublisher(Program& program, QWidget* parent, MailOpener opener) {
    Program* const shared = &program;
    return [shared, parent, opener = std::move(opener)](const OverallRank& player) {
        PublishOverallScore(*shared, player, opener, parent);
    };
}

}  // namespace dravicor
