#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace dravicor {

class ProfileFile;
struct Platform;

// Sending a player's overall score to the hi-score collection by e-mail.
// The message carries the stored, still scrambled overall values, so the
// receiver checks them with the same checksums as the program.

inline constexpr std::string_view kScoreMailTooShort = "Please enter at least 3 characters.";
inline constexpr int kScoreMailMinimumLength = 3;
inline constexpr std::string_view kScoreMailSubject = "Dravicor overall score";
// Where a message that could not be handed over is saved unless the user
// picks another place (in the DATA folder).
inline constexpr std::string_view kScoreMailFileName = "Overall_Score.eml";

// The name and the state or country the player signs the score with.
struct ScoreMailEntry {
    std::string name;
    std::string state;
    friend bool operator==(const ScoreMailEntry&, const ScoreMailEntry&) = default;
};

// The last name and state sent (HiScores_www_Name, HiScores_www_State); the
// name defaults to the player's name, the state to nothing.
ScoreMailEntry ReadScoreMailEntry(const ProfileFile& config, std::string_view player);
// Writes both in one rewrite. May raise ProfileWriteError.
void SaveScoreMailEntry(ProfileFile& config, const ScoreMailEntry& entry);

// The entry as it is sent: line breaks and other control characters become
// blanks (a field is one line of the message), trailing blanks go.
ScoreMailEntry CleanScoreMailEntry(const ScoreMailEntry& entry);
// Which field of a cleaned entry is too short (fewer than three
// characters), or nothing.
enum class ScoreMailField { Name, State };
std::optional<ScoreMailField> ShortScoreMailField(const ScoreMailEntry& cleaned);

struct ScoreMail {
    std::string recipient;
    std::string subject;
    std::string body;
    friend bool operator==(const ScoreMail&, const ScoreMail&) = default;
};

// The collection's mailbox for totals kept over a catalogue of that many
// games: "hiscores-" + the four-digit size + "@dravicor.example".
std::string ScoreMailRecipient(int catalogueSize);
// The message of a cleaned entry. rawValues are the stored texts of the
// player's totals as the overall-score reader gives them: 28 characters of
// T01, 28 of T02 and 12 of T03, joined.
ScoreMail BuildScoreMail(const ScoreMailEntry& cleaned, std::string_view rawValues, int catalogueSize);

// "mailto:" + recipient with the subject and the body percent-encoded
// (UTF-8, every byte but letters, digits and "-._~"; line ends as %0D%0A).
std::string ScoreMailUrl(const ScoreMail& mail);
// The message as an RFC 5322 file (.eml) for a mail program to open:
// headers and body with CR LF line ends, the date in UTC.
std::string ScoreMailFileText(const ScoreMail& mail, std::chrono::system_clock::time_point date);

// Hands a mailto: URL to the system's mail program; false when none took it.
using MailOpener = std::function<bool(const std::string& url)>;

enum class ScoreMailOutcome { Sent, Saved, NotSent };

// Sends the message through the opener, with the busy cursor. On success
// says that the message waits in the mail program; otherwise says that it
// could not be sent and offers to save it as a file (the save dialog starts
// in dataDir with kScoreMailFileName), then says where it was saved.
ScoreMailOutcome SendScoreMail(const ScoreMail& mail, const MailOpener& open, Platform& platform,
                               const std::filesystem::path& dataDir);

}  // namespace dravicor
