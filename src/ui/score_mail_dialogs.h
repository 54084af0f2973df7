#pragma once

#include <optional>

#include <QDialog>

#include "shell/score_mail.h"
#include "ui/overall_score_window.h"

class QLineEdit;
class QPlainTextEdit;

namespace dravicor {

class Program;

// "Publish on Internet": the name and the state or country the player's
// overall score is sent with, preset from the last ones sent.
class TfrmPublishScore final : public QDialog {
    Q_OBJECT

public:
    TfrmPublishScore(Program& program, const OverallRank& player, QWidget* parent = nullptr);

    // Refuses a field shorter than three characters (with its message);
    // otherwise saves both to the preferences and closes the dialog.
    void btnOKClick();
    // The cleaned entry OK accepted.
    const ScoreMailEntry& entry() const { return entry_; }

private:
    Program& program_;
    ScoreMailEntry entry_;
    QLineEdit* edtName_ = nullptr;
    QLineEdit* edtState_ = nullptr;
};

// "Send E-Mail": the message as it will go, and the Send button that hands
// it to the mail program.
class TfrmSendScore final : public QDialog {
    Q_OBJECT

public:
    TfrmSendScore(Program& program, ScoreMail mail, MailOpener opener, QWidget* parent = nullptr);

    // Sends (or, failing that, offers to save) the message. The dialog
    // closes once the message is with the mail program or in a file, and
    // stays open otherwise, so the text can be copied by hand.
    void btnSendClick();
    // What the last Send came to; nothing before the first.
    std::optional<ScoreMailOutcome> outcome() const { return outcome_; }

private:
    Program& program_;
    ScoreMail mail_;
    MailOpener opener_;
    std::optional<ScoreMailOutcome> outcome_;
};

// The system's mail program through a mailto: URL; false when there is
// none to take it.
MailOpener SystemMailOpener();

// Both dialogs for the player, one after the other.
void PublishOverallScore(Program& program, const OverallRank& player, const MailOpener& opener, QWidget* parent);

// What the overall score window's "Publish on Internet..." does: publishing
// by e-mail through the opener (the system's mail program unless given).
PublishOverallScores MailPublisher(Program& program, QWidget* parent, MailOpener opener = SystemMailOpener());

}  // namespace dravicor
