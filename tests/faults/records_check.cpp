#include "faults/records_check.h"

#include "common/profile_file.h"
#include "common/text.h"
#include "rules/catalogue.h"
#include "stats/game_log.h"
#include "stats/hi_scores.h"
#include "stats/overall_score.h"
#include "stats/statistics.h"
#include "support/fake_platform.h"
#include "support/temp_dir.h"

namespace dravicor::test {

namespace {

// The lines of a sectioned data file that hold no record: its version and
// the game headers.
bool IsSectionLine(const std::string& line) {
    const bool gameHeader = line.size() == 6 && line.front() == '[' && line.back() == ']' && IsDigits(line.substr(1, 4));
    return line.empty() || line == "[Version]" || line == "Version=0300" || gameHeader;
}

// The lines of a data file that must end with a line end; a fault otherwise.
std::vector<std::string> FileLines(const std::filesystem::path& file, std::string& problems) {
    const std::string content = ReadFile(file);
    if (content == "<missing>") return {};
    if (!content.empty() && !content.ends_with("\r\n")) problems += file.filename().string() + ": no line end at its end\n";
    return SplitLines(content);
}

void CheckStatistics(const std::filesystem::path& file, std::string& problems) {
    const auto lines = FileLines(file, problems);
    if (!lines.empty() && lines.front() != "[Version]") problems += "STAT.DAT: no version section first\n";
    for (const auto& line : lines) {
        if (IsSectionLine(line)) continue;
        const auto equals = line.find('=');
        const std::string value = equals == std::string::npos ? "" : line.substr(equals + 1);
        if (value.size() != 67 || StatRecord::FromText(value).ToText() != value) {
            problems += "STAT.DAT: a line that is no record: " + line + "\n";
        }
    }
}

void CheckLog(const std::filesystem::path& file, std::string& problems) {
    for (const auto& line : FileLines(file, problems)) {
        if (line.size() != kGameLogLineLength || line.substr(kGameLogOlderLineLength - 4, 5) != "0350 " ||
            !IsDigits(line.substr(kGameLogHintsColumn - 1))) {
            problems += "STAT_LOG.DAT: a line that is no deal: " + line + "\n";
        }
    }
}

void CheckHiScores(const std::filesystem::path& file, std::string& problems) {
    for (const auto& line : FileLines(file, problems)) {
        if (IsSectionLine(line) || line == "[Clear scores]" || line == "Cleared=Y") continue;
        if (line.size() != 6 + kHiScoreEntryWidth + 2 || line[2] != '-' || line[5] != '=' || !line.ends_with(" x")) {
            problems += "STAT_SCR.DAT: a line that is no entry: " + line + "\n";
        }
    }
}

void CheckOverallScores(const std::filesystem::path& dataDir, std::string& problems) {
    const std::string content = ReadFile(dataDir / std::string(kOverallScoreFile));
    if (content == "<missing>") return;
    // Read from a copy: a spoiled file is deleted by its reader.
    TempDir copy;
    WriteFile(copy / std::string(kOverallScoreFile), content);
    FakePlatform fake;
    DataFiles files(copy.path(), fake);
    ReadOverallScores(files, fake, ListedGameCount());
    if (!fake.messages.empty()) problems += "STAT_GLO.DAT: spoiled\n";
}

}  // namespace

int ListedGameCount() {
    GameList list;
    LoadGameList(BuiltCatalogue(), list);
    return static_cast<int>(list.lines.size());
}

std::string RecordsProblems(const std::filesystem::path& dataDir, bool allowTemporaries) {
    std::string problems;
    CheckStatistics(dataDir / std::string(kStatisticsFile), problems);
    CheckLog(dataDir / std::string(kGameLogFile), problems);
    CheckHiScores(dataDir / std::string(kHiScoreFile), problems);
    CheckOverallScores(dataDir, problems);
    // A program killed before its first start wrote the settings leaves
    // none; the next start writes them.
    std::error_code ec;
    const bool startCutShort = allowTemporaries && !std::filesystem::exists(dataDir / "CFG.DAT", ec);
    const ProfileFile config(dataDir / "CFG.DAT");
    if (!startCutShort && config.ReadString("Preference", "UserDefault", "").empty()) {
        problems += "CFG.DAT: no player\n";
    }
    for (const auto& entry : std::filesystem::directory_iterator(dataDir, ec)) {
        const std::string name = entry.path().filename().string();
        if (!allowTemporaries && name.find(".rpl") != std::string::npos) problems += "a temporary file is left: " + name + "\n";
    }
    return problems;
}

std::vector<std::string> LoggedNumbers(const std::filesystem::path& dataDir) {
    std::vector<std::string> numbers;
    const std::string content = ReadFile(dataDir / std::string(kGameLogFile));
    if (content == "<missing>") return numbers;
    for (const auto& line : SplitLines(content)) numbers.emplace_back(TrimRight(GameLogColumn(line, 128, 15)));
    return numbers;
}

long long CountedDeals(const std::filesystem::path& dataDir, int gameCode, const std::string& player) {
    const std::string content = ReadFile(dataDir / std::string(kStatisticsFile));
    if (content == "<missing>") return 0;
    const auto value = SectionDocument::Parse(content).ReadValue(GameSection(gameCode), player);
    if (!value) return 0;
    const StatRecord record = StatRecord::FromText(*value);
    return record.won + record.lost;
}

}  // namespace dravicor::test
