#include "shell/score_mail.h"

#include <gtest/gtest.h>

#include "common/profile_file.h"
#include "support/fake_platform.h"
#include "support/temp_dir.h"

namespace dravicor {
namespace {

using namespace std::chrono_literals;
using test::FakePlatform;
using test::ReadFile;
using test::TempDir;

const std::string kSent =
    "Il messaggio E-Mail \xC3\xA8 stato aggiunto in coda all'elenco di messaggi del tuo programma di gestione "
    "E-Mail di default.";
const std::string kNotSent = "Errore nell'invio dell'E-Mail\rSi prega di inviare l'E-Mail manualmente.";

TEST(ScoreMailMessage, TakesTheFixedWidthsOfTheJoinedValues) {
    const std::string raw = std::string(28, 'a') + std::string(28, 'b') + "cccccccccccc" + "dd";
    EXPECT_EQ(BuildScoreMail({"Bob", "Rome"}, raw, 7).body,
              "Name=Bob\r\nState=Rome\r\nScore1=aaaaaaaaaaaaaaaaaaaaaaaaaaaa\r\n"
              "Score2=bbbbbbbbbbbbbbbbbbbbbbbbbbbb\r\nScore3=cccccccccccc\r\n");
    EXPECT_EQ(BuildScoreMail({"Bob", "Rome"}, raw, 7).recipient, "hiscores-0007@dravicor.example");
    // Short values give short lines, never a failure.
    EXPECT_EQ(BuildScoreMail({"Bob", "Rome"}, "xyz", 120).body,
              "Name=Bob\r\nState=Rome\r\nScore1=xyz\r\nScore2=\r\nScore3=\r\n");
}

TEST(ScoreMailEntryCheck, CleansTheFieldsAndCountsCharacters) {
    // A line break in a field would start a line of its own in the message.
    EXPECT_EQ(CleanScoreMailEntry({"Ann\r\nScore1=99  ", "\tIt aly  "}), (ScoreMailEntry{"Ann  Score1=99", " It aly"}));
    EXPECT_EQ(ShortScoreMailField(CleanScoreMailEntry({"Al   ", "Italy"})), ScoreMailField::Name);
    EXPECT_EQ(ShortScoreMailField(CleanScoreMailEntry({"Anna", "   "})), ScoreMailField::State);
    EXPECT_EQ(ShortScoreMailField({"Anna", "It"}), ScoreMailField::State);
    EXPECT_EQ(ShortScoreMailField({"", ""}), ScoreMailField::Name);
    // "Zo\xC3\xAB" is three characters in four bytes; "\xC3\xA9\xC3\xA9" two in four.
    EXPECT_EQ(ShortScoreMailField({"Zo\xC3\xAB", "Ita"}), std::nullopt);
    EXPECT_EQ(ShortScoreMailField({"\xC3\xA9\xC3\xA9", "Ita"}), ScoreMailField::Name);
    EXPECT_EQ(kScoreMailTooShort, "Please enter at least 3 characters.");
}

TEST(ScoreMailEntryPreferences, DefaultToThePlayerAndAreWrittenTogether) {
    TempDir dir;
    ProfileFile config(dir / "CFG.DAT");
    EXPECT_EQ(ReadScoreMailEntry(config, "Ann Smith   "), (ScoreMailEntry{"Ann Smith", ""}));
    SaveScoreMailEntry(config, {"Annie", "Italia"});
    EXPECT_EQ(ReadFile(dir / "CFG.DAT"), "[Preference]\r\nHiScores_www_Name=Annie\r\nHiScores_www_State=Italia\r\n");
    EXPECT_EQ(ReadScoreMailEntry(config, "Ann Smith"), (ScoreMailEntry{"Annie", "Italia"}));
}

TEST(ScoreMailUrlTest, EncodesSubjectAndBodyByteByByte) {
    const ScoreMail mail{"hiscores-0032@dravicor.example", "Dravicor overall score",
                         "Name=Zo\xC3\xAB O'Neil\r\nState=A&B?#+%~._-\r\n"};
    EXPECT_EQ(ScoreMailUrl(mail),
              "mailto:hiscores-0032@dravicor.example?subject=Dravicor%20overall%20score"
              "&body=Name%3DZo%C3%AB%20O%27Neil%0D%0AState%3DA%26B%3F%23%2B%25~._-%0D%0A");
}

TEST(ScoreMailFile, IsAnRfc5322MessageWithCrLf) {
    const ScoreMail mail{"hiscores-0032@dravicor.example", "Dravicor overall score", "Name=Bob\r\nState=Rome\r\n"};
    const auto date = std::chrono::sys_days{std::chrono::year{2024} / 1 / 30} + 9h + 5min + 7s + 250ms;
    EXPECT_EQ(ScoreMailFileText(mail, date),
              "To: hiscores-0032@dravicor.example\r\n"
              "Subject: Dravicor overall score\r\n"
              "Date: Tue, 30 Jan 2024 09:05:07 +0000\r\n"
              "MIME-Version: 1.0\r\n"
              "Content-Type: text/plain; charset=UTF-8\r\n"
              "Content-Transfer-Encoding: 8bit\r\n"
              "X-Unsent: 1\r\n"
              "\r\n"
              "Name=Bob\r\nState=Rome\r\n");
    const auto newYear = std::chrono::sys_days{std::chrono::year{2023} / 12 / 31} + 23h + 59min + 59s;
    EXPECT_NE(ScoreMailFileText(mail, newYear).find("\r\nDate: Sun, 31 Dec 2023 23:59:59 +0000\r\n"),
              std::string::npos);
}

class ScoreMailSending : public ::testing::Test {
protected:
    ScoreMailOutcome send(const MailOpener& opener) { return SendScoreMail(mail, opener, platform, dir.path()); }

    TempDir dir;
    FakePlatform fake;
    Platform platform = fake.platform();
    const ScoreMail mail{"hiscores-0032@dravicor.example", "Dravicor overall score", "Name=Bob\r\nState=Rome\r\n"};
};

TEST_F(ScoreMailSending, AMailProgramTakingTheUrlIsSuccess) {
    std::vector<std::string> urls;
    int busyWhileOpening = 0;
    EXPECT_EQ(send([&](const std::string& url) {
                  urls.push_back(url);
                  busyWhileOpening = fake.busyDepth;
                  return true;
              }),
              ScoreMailOutcome::Sent);
    EXPECT_EQ(urls, std::vector<std::string>{ScoreMailUrl(mail)});
    EXPECT_EQ(busyWhileOpening, 1);
    EXPECT_EQ(fake.busyDepth, 0);
    ASSERT_EQ(fake.messages.size(), 1U);
    EXPECT_EQ(fake.messages[0].text, kSent);
    EXPECT_EQ(fake.messages[0].caption, "Dravicor");
    EXPECT_TRUE(fake.questions.empty());
}

TEST_F(ScoreMailSending, WithoutAMailProgramTheMessageMaySaveAsAFile) {
    fake.clockNow = std::chrono::sys_days{std::chrono::year{2024} / 1 / 30} + 9h;
    fake.answers = {Answer::Yes};
    const std::filesystem::path chosen = dir / "sent" / "my score";
    std::filesystem::create_directories(chosen.parent_path());
    fake.chosenFiles = {chosen.string()};
    EXPECT_EQ(send([](const std::string&) { return false; }), ScoreMailOutcome::Saved);

    ASSERT_EQ(fake.messages.size(), 2U);
    EXPECT_EQ(fake.messages[0].text, kNotSent);
    ASSERT_EQ(fake.questions.size(), 1U);
    EXPECT_EQ(fake.questions[0].buttons, MessageButtons::YesNo);
    ASSERT_EQ(fake.fileDialogs.size(), 1U);
    EXPECT_EQ(fake.fileDialogs[0].directory, (dir / "Overall_Score.eml").string());
    EXPECT_EQ(fake.fileDialogs[0].filter, "E-Mail|*.eml");
    // A name without extension gets ".eml", and the user is told where it went.
    const std::filesystem::path written = dir / "sent" / "my score.eml";
    EXPECT_EQ(ReadFile(written), ScoreMailFileText(mail, fake.clockNow));
    EXPECT_EQ(fake.messages[1].text, "The E-Mail has been saved as\r" + written.string() +
                                         "\rOpen it with your E-Mail program and send it from there.");
}

TEST_F(ScoreMailSending, DecliningOrCancellingSavesNothing) {
    fake.answers = {Answer::No};
    EXPECT_EQ(send({}), ScoreMailOutcome::NotSent);  // no opener: no mail program either
    EXPECT_EQ(fake.messages.size(), 1U);
    EXPECT_TRUE(fake.fileDialogs.empty());

    fake.answers = {Answer::Yes};
    EXPECT_EQ(send([](const std::string&) { return false; }), ScoreMailOutcome::NotSent);
    EXPECT_EQ(fake.fileDialogs.size(), 1U);
    EXPECT_EQ(test::FolderEntries(dir.path()), std::vector<std::string>{});
    EXPECT_EQ(fake.messages.size(), 2U);  // the two failures, nothing more
}

TEST_F(ScoreMailSending, AFileThatCannotBeWrittenIsReported) {
    fake.answers = {Answer::Yes};
    const std::string chosen = (dir / "no folder" / "score.eml").string();
    fake.chosenFiles = {chosen};
    EXPECT_EQ(send([](const std::string&) { return false; }), ScoreMailOutcome::NotSent);
    ASSERT_EQ(fake.messages.size(), 2U);
    EXPECT_EQ(fake.messages[1].text, "Open error: " + chosen);
}

}  // namespace
}  // namespace dravicor
