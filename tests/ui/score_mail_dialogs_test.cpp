#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QUrl>

#include "dialog_test_support.h"
#include "statistics_fixture.h"
#include "stats/overall_score.h"
#include "ui/qt_text.h"
#include "ui/score_mail_dialogs.h"

namespace dravicor::test {
namespace {

const std::string kSent =
    "Il messaggio E-Mail \xC3\xA8 stato aggiunto in coda all'elenco di messaggi del tuo programma di gestione "
    "E-Mail di default.";
const std::string kNotSent = "Errore nell'invio dell'E-Mail\rSi prega di inviare l'E-Mail manualmente.";

class ScoreMailDialogs : public StatisticsFixture {
protected:
    ScoreMailDialogs() {
        const int size = OverallCatalogueSize(program);
        EXPECT_TRUE(UpdateOverallScore(program.dataFiles(), fake, kFreeCell, "Ann", 300, 120, size));
        EXPECT_TRUE(UpdateOverallScore(program.dataFiles(), fake, kFreeCell, "Bob", 200, 90, size));
        ranking = ReadOverallScores(program.dataFiles(), fake, size);
        EXPECT_EQ(ranking.size(), 2U);
    }

    static QLineEdit& field(const QWidget& dialog, const char* name) { return ChildOf<QLineEdit>(dialog, name); }
    static void click(const QWidget& dialog, const char* name) { ChildOf<QPushButton>(dialog, name).click(); }
    std::string config() const { return ReadFile(dir / "DATA" / "CFG.DAT"); }
    std::string recipient() const { return ScoreMailRecipient(OverallCatalogueSize(program)); }

    std::vector<OverallRank> ranking;
};

TEST_F(ScoreMailDialogs, TheEntryIsPresetRefusesShortFieldsAndRemembersWhatWasSent) {
    TfrmPublishScore first(program, ranking[1]);
    EXPECT_EQ(first.windowTitle(), QStringLiteral("Publish on Internet"));
    EXPECT_EQ(field(first, "edtName").text(), QStringLiteral("Bob"));
    EXPECT_EQ(field(first, "edtState").text(), QString());

    field(first, "edtName").setText(QStringLiteral("Bo   "));
    field(first, "edtState").setText(QStringLiteral("Italia"));
    first.btnOKClick();
    ASSERT_EQ(fake.messages.size(), 1U);
    EXPECT_EQ(fake.messages[0].text, "Please enter at least 3 characters.");
    EXPECT_NE(first.result(), QDialog::Accepted);
    EXPECT_EQ(config().find("HiScores_www"), std::string::npos);

    // How the fields are cleaned and counted, and how they are stored, is the entry check's business.
    field(first, "edtName").setText(QStringLiteral("Bob Rossi  "));
    field(first, "edtState").setText(QStringLiteral("Italia "));
    first.btnOKClick();
    EXPECT_EQ(fake.messages.size(), 1U);
    EXPECT_EQ(first.result(), QDialog::Accepted);
    EXPECT_EQ(first.entry(), (ScoreMailEntry{"Bob Rossi", "Italia"}));

    // The next time, for any player, starts from what was sent.
    TfrmPublishScore again(program, ranking[0]);
    EXPECT_EQ(field(again, "edtName").text(), QStringLiteral("Bob Rossi"));
    EXPECT_EQ(field(again, "edtState").text(), QStringLiteral("Italia"));
}

TEST_F(ScoreMailDialogs, PublishingTheSelectedPlayerHandsTheMessageToTheMailProgram) {
    std::vector<std::string> urls;
    TfrmOverallScore window(program, MailPublisher(program, nullptr, [&](const std::string& url) {
                                urls.push_back(url);
                                return true;
                            }));
    auto* publish = window.findChild<QPushButton*>(QStringLiteral("btnPublish"));
    ASSERT_NE(publish, nullptr);
    EXPECT_TRUE(publish->isEnabled());
    window.grid().selectRow(1);  // Bob

    const ScoreMail expected =
        BuildScoreMail({"Roberto", "Lazio"}, ranking[1].rawValues, OverallCatalogueSize(program));
    QString shownBody;
    QString shownRecipient;
    CloseWhenShown(QStringLiteral("TfrmPublishScore"), [&](QWidget& first) {
        field(first, "edtName").setText(QStringLiteral("Roberto"));
        field(first, "edtState").setText(QStringLiteral("Lazio"));
        click(first, "btnOK");
    });
    CloseWhenShown(QStringLiteral("TfrmSendScore"), [&](QWidget& second) {
        shownRecipient = field(second, "edtRecipient").text();
        shownBody = second.findChild<QPlainTextEdit*>(QStringLiteral("memBody"))->toPlainText();
        click(second, "btnSend");
    });
    EXPECT_TRUE(window.btnPublishClick());

    EXPECT_EQ(shownRecipient, ToQString(recipient()));
    EXPECT_EQ(ToUtf8(shownBody), "Name=Roberto\nState=Lazio\nScore1=" + ranking[1].rawValues.substr(0, 28) +
                                            "\nScore2=" + ranking[1].rawValues.substr(28, 28) + "\nScore3=" +
                                            ranking[1].rawValues.substr(56, 12) + "\n");
    ASSERT_EQ(urls, std::vector<std::string>{ScoreMailUrl(expected)});
    // The system opener hands it on as a strict URL, unchanged.
    const QUrl mailto = QUrl::fromEncoded(QByteArray::fromStdString(urls[0]), QUrl::StrictMode);
    EXPECT_TRUE(mailto.isValid());
    EXPECT_EQ(mailto.toEncoded().toStdString(), urls[0]);
    ASSERT_EQ(fake.messages.size(), 1U);
    EXPECT_EQ(fake.messages[0].text, kSent);
    EXPECT_EQ(fake.busyCalls, 1);
}

TEST_F(ScoreMailDialogs, WithoutAMailProgramTheMessageIsSavedInTheDataFolder) {
    const ScoreMail mail = BuildScoreMail({"Ann", "Italia"}, ranking[0].rawValues, OverallCatalogueSize(program));
    const std::filesystem::path suggested = dir / "DATA" / "Overall_Score.eml";

    // Declined: the dialog stays, so the text can be copied by hand.
    TfrmSendScore declined(program, mail, [](const std::string&) { return false; });
    fake.answers = {Answer::No};
    declined.btnSendClick();
    EXPECT_EQ(declined.outcome(), ScoreMailOutcome::NotSent);
    EXPECT_NE(declined.result(), QDialog::Accepted);
    ASSERT_EQ(fake.messages.size(), 1U);
    EXPECT_EQ(fake.messages[0].text, kNotSent);
    EXPECT_FALSE(std::filesystem::exists(suggested));

    // Accepted in the place the save dialog suggests.
    fake.messages.clear();
    fake.answers = {Answer::Yes};
    fake.clockNow = std::chrono::sys_days{std::chrono::year{2024} / 1 / 30};
    TfrmSendScore saved(program, mail, [](const std::string&) { return false; });
    fake.chosenFiles = {suggested.string()};
    saved.btnSendClick();
    EXPECT_EQ(saved.outcome(), ScoreMailOutcome::Saved);
    EXPECT_EQ(saved.result(), QDialog::Accepted);
    ASSERT_EQ(fake.fileDialogs.size(), 1U);
    EXPECT_EQ(fake.fileDialogs[0].directory, suggested.string());
    // The file's lines are the mail file's business.
    EXPECT_TRUE(ReadFile(suggested).starts_with("To: " + recipient() + "\r\n"));
    EXPECT_TRUE(ReadFile(suggested).ends_with("\r\n\r\n" + mail.body));
    ASSERT_EQ(fake.messages.size(), 2U);
    EXPECT_EQ(fake.messages[0].text, kNotSent);
    EXPECT_EQ(fake.messages[1].text, "The E-Mail has been saved as\r" + suggested.string() +
                                         "\rOpen it with your E-Mail program and send it from there.");
}

TEST_F(ScoreMailDialogs, PublishingWithoutASelectedPlayerBeeps) {
    int published = 0;
    TfrmOverallScore window(program, [&](const OverallRank&) { ++published; });
    window.grid().setCurrentCell(5, 0);  // a blank row
    EXPECT_FALSE(window.btnPublishClick());
    EXPECT_EQ(fake.beeps, 1);
    EXPECT_EQ(published, 0);
    window.grid().setCurrentCell(0, 1);
    EXPECT_TRUE(window.btnPublishClick());
    EXPECT_EQ(published, 1);
}

}  // namespace
}  // namespace dravicor::test
