#include "shell/score_mail.h"

#include <cstdio>

#include "common/file_io.h"
#include "common/platform.h"
#include "common/product.h"
#include "common/profile_file.h"
#include "common/settings_record.h"
#include "shell/preferences.h"

namespace dravicor {

namespace {

constexpr std::string_view kNameKey = "HiScores_www_Name";
constexpr std::string_view kStateKey = "HiScores_www_State";
constexpr std::string_view kRecipientDomain = "@dravicor.example";
constexpr std::string_view kLineEnd = "\r\n";

// The widths of the stored totals the message carries: T01, T02, T03.
constexpr size_t kScoreWidth = 28;
constexpr size_t kTimeWidth = 28;
constexpr size_t kCheckWidth = 12;

constexpr std::string_view kSentText =
    "Il messaggio E-Mail \xC3\xA8 stato aggiunto in coda all'elenco di messaggi del tuo programma di gestione "
    "E-Mail di default.";
constexpr std::string_view kNotSentText = "Errore nell'invio dell'E-Mail\rSi prega di inviare l'E-Mail manualmente.";
constexpr std::string_view kSaveQuestion =
    "Do you want to save the E-Mail as a file, to send it later with your E-Mail program?";
constexpr std::string_view kSaveTitle = "Save E-Mail";
constexpr std::string_view kSaveFilter = "E-Mail|*.eml";

std::string TrimBlanksRight(std::string text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

// A field is one line: control characters would end it or start a header.
std::string OneLine(std::string text) {
    for (char& c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) c = ' ';
    }
    return TrimBlanksRight(std::move(text));
}

// Characters, not bytes: a UTF-8 sequence counts once.
int CharacterCount(std::string_view text) {
    int count = 0;
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    }
    return count;
}

std::string_view Slice(std::string_view text, size_t from, size_t width) {
    if (from >= text.size()) return {};
    return text.substr(from, width);
}

std::string PercentEncoded(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string encoded;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        const bool unreserved = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
                                (byte >= '0' && byte <= '9') || byte == '-' || byte == '.' || byte == '_' ||
                                byte == '~';
        if (unreserved) {
            encoded += c;
        } else {
            encoded += '%';
            encoded += kHex[byte >> 4];
            encoded += kHex[byte & 0x0F];
        }
    }
    return encoded;
}

// "Tue, 30 Jan 2024 09:05:00 +0000": the date of RFC 5322, in UTC and in
// English whatever the locale.
std::string MailDate(std::chrono::system_clock::time_point when) {
    static constexpr const char* kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const auto day = std::chrono::floor<std::chrono::days>(when);
    const std::chrono::year_month_day date{day};
    const std::chrono::hh_mm_ss time{std::chrono::floor<std::chrono::seconds>(when - day)};
    char text[40];
    std::snprintf(text, sizeof text, "%s, %u %s %04d %02d:%02d:%02d +0000",
                  kDays[std::chrono::weekday{day}.c_encoding()], static_cast<unsigned>(date.day()),
                  kMonths[static_cast<unsigned>(date.month()) - 1], static_cast<int>(date.year()),
                  static_cast<int>(time.hours().count()), static_cast<int>(time.minutes().count()),
                  static_cast<int>(time.seconds().count()));
    return text;
}

ScoreMailOutcome SaveScoreMailFile(const ScoreMail& mail, Platform& platform, const std::filesystem::path& dataDir) {
    Messages& messages = platform.messages;
    const auto chosen =
        platform.files.chooseFileToSave(kSaveTitle, (dataDir / kScoreMailFileName).string(), kSaveFilter);
    if (!chosen) return ScoreMailOutcome::NotSent;
    std::filesystem::path path = *chosen;
    if (!path.has_extension()) path += ".eml";
    if (!WriteFileAtomically(path, ScoreMailFileText(mail, platform.clock.now()))) {
        messages.showMessage("Open error: " + path.string(), kProductName, MessageIcon::Information);
        return ScoreMailOutcome::NotSent;
    }
    messages.showMessage("The E-Mail has been saved as\r" + path.string() +
                             "\rOpen it with your E-Mail program and send it from there.",
                         kProductName, MessageIcon::Information);
    return ScoreMailOutcome::Saved;
}

}  // namespace

ScoreMailEntry ReadScoreMailEntry(const ProfileFile& config, std::string_view player) {
    return {config.ReadString(kPreferenceSection, kNameKey, TrimBlanksRight(std::string(player))),
            config.ReadString(kPreferenceSection, kStateKey, "")};
}

void SaveScoreMailEntry(ProfileFile& config, const ScoreMailEntry& entry) {
    config.WriteStrings(kPreferenceSection,
                        {{std::string(kNameKey), entry.name}, {std::string(kStateKey), entry.state}});
}

ScoreMailEntry CleanScoreMailEntry(const ScoreMailEntry& entry) { return {OneLine(entry.name), OneLine(entry.state)}; }

std::optional<ScoreMailField> ShortScoreMailField(const ScoreMailEntry& cleaned) {
    if (CharacterCount(cleaned.name) < kScoreMailMinimumLength) return ScoreMailField::Name;
    if (CharacterCount(cleaned.state) < kScoreMailMinimumLength) return ScoreMailField::State;
    return std::nullopt;
}

std::string ScoreMailRecipient(int catalogueSize) {
    return "hiscores-" + FormatField(catalogueSize, 4) + std::string(kRecipientDomain);
}

ScoreMail BuildScoreMail(const ScoreMailEntry& cleaned, std::string_view rawValues, int catalogueSize) {
    std::string body;
    const auto line = [&](std::string_view key, std::string_view value) {
        body += key;
        body += value;
        body += kLineEnd;
    };
    line("Name=", cleaned.name);
    line("State=", cleaned.state);
    line("Score1=", Slice(rawValues, 0, kScoreWidth));
    line("Score2=", Slice(rawValues, kScoreWidth, kTimeWidth));
    line("Score3=", Slice(rawValues, kScoreWidth + kTimeWidth, kCheckWidth));
    return {ScoreMailRecipient(catalogueSize), std::string(kScoreMailSubject), body};
}

std::string ScoreMailUrl(const ScoreMail& mail) {
    return "mailto:" + mail.recipient + "?subject=" + PercentEncoded(mail.subject) +
           "&body=" + PercentEncoded(mail.body);
}

std::string ScoreMailFileText(const ScoreMail& mail, std::chrono::system_clock::time_point date) {
    std::string text;
    const auto header = [&](std::string_view name, std::string_view value) {
        text += name;
        text += ": ";
        text += value;
        text += kLineEnd;
    };
    header("To", mail.recipient);
    header("Subject", mail.subject);
    header("Date", MailDate(date));
    header("MIME-Version", "1.0");
    header("Content-Type", "text/plain; charset=UTF-8");
    // The name and state may hold any UTF-8 character.
    header("Content-Transfer-Encoding", "8bit");
    // Mail programs that know it open the file as a message still to send.
    header("X-Unsent", "1");
    text += kLineEnd;
    text += mail.body;
    return text;
}

ScoreMailOutcome SendScoreMail(const ScoreMail& mail, const MailOpener& open, Platform& platform,
                               const std::filesystem::path& dataDir) {
    bool sent = false;
    {
        BusyScope busy(platform.cursor);
        sent = open && open(ScoreMailUrl(mail));
    }
    Messages& messages = platform.messages;
    if (sent) {
        messages.showMessage(kSentText, kProductName, MessageIcon::Information);
        return ScoreMailOutcome::Sent;
    }
    messages.showMessage(kNotSentText, kProductName, MessageIcon::Warning);
    if (messages.ask(kSaveQuestion, kProductName, MessageButtons::YesNo, MessageIcon::Question) != Answer::Yes) {
        return ScoreMailOutcome::NotSent;
    }
    return SaveScoreMailFile(mail, platform, dataDir);
}

}  // namespace dravicor
