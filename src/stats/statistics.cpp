#include "stats/statistics.h"

#include <algorithm>
#include <charconv>
#include <filesystem>

#include "common/settings_record.h"
#include "common/text.h"
#include "stats/game_log.h"
#include "stats/hi_scores.h"

namespace dravicor {

namespace {

// Where the fields of a record sit: 0-based start and width.
struct RecordColumn {
    size_t start;
    size_t width;
};
constexpr RecordColumn kRecordColumns[] = {{0, 6}, {7, 6}, {14, 6}, {21, 6}, {28, 6}, {35, 6}, {42, 12}};
constexpr RecordColumn kHintsColumn{55, 12};

// The player column of a hi-score line.
constexpr size_t kHiScorePlayerColumn = 39;

std::string TrimmedRight(std::string_view text) { return std::string(TrimRight(text)); }

// A field is a decimal number with an optional minus sign filling its columns.
bool ReadNumber(std::string_view text, long long& value) {
    if (text.empty()) return false;
    const char* last = text.data() + text.size();
    const auto [end, ec] = std::from_chars(text.data(), last, value);
    return ec == std::errc{} && end == last;
}

// Changes a file only when it exists. Whether it exists is asked again under
// the folder lock, so a copy of the program that deletes it meanwhile does
// not make this one create it.
bool ChangeExisting(DataFiles& files, std::string_view name, const std::function<bool(std::string&)>& change) {
    const std::filesystem::path file = files.path(name);
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) return true;
    return files.change(name, [&](std::string& content) {
        std::error_code stillThere;
        if (!std::filesystem::exists(file, stillThere)) return false;
        return change(content);
    });
}

bool ChangeExistingSections(DataFiles& files, std::string_view name,
                            const std::function<bool(SectionDocument&)>& change) {
    return ChangeExisting(files, name, [&](std::string& content) {
        SectionDocument document = SectionDocument::Parse(content);
        if (!change(document)) return false;
        content = document.Serialize();
        return true;
    });
}

// The key of a body line: its text before the first "=", if it has one.
std::optional<std::string_view> KeyOf(std::string_view line) {
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    return line.substr(0, equals);
}

bool IsVersionSection(std::string_view name) { return ToLower(name) == ToLower(SectionDocument::kVersionSection); }

// The lines of the game log that a clear of the statistics leaves.
std::string KeepUnclearedLogLines(std::string_view content, int gameCode, std::string_view player, bool allPlayers,
                                  bool allGames) {
    std::string kept;
    kept.reserve(content.size());
    for (const auto& line : SplitLines(CompleteLogLines(content))) {
        const std::string_view lineGame = GameLogColumn(line, kGameLogGameColumn, 4);
        long long lineCode = 0;
        const bool gameMatches =
            allGames || (IsDigits(lineGame) && ReadNumber(lineGame, lineCode) && lineCode == gameCode);
        const bool playerMatches =
            allPlayers || TrimmedRight(GameLogColumn(line, kGameLogPlayerColumn, kGameLogPlayerWidth)) == player;
        if (gameMatches && playerMatches) continue;
        kept += line;
        kept += "\r\n";
    }
    return kept;
}

}  // namespace

std::string StatRecord::ToText() const {
    std::string text;
    text.reserve(67);
    for (const long long field : {won, lost, bestWinStreak, worstLossStreak, currentWinStreak, currentLossStreak}) {
        text += FormatField(field, 6);
        text += ' ';
    }
    text += FormatField(totalScore, 12);
    text += ' ';
    text += FormatField(hintsUsed, 12);
    return text;
}

StatRecord StatRecord::FromText(std::string_view text) {
    StatRecord record;
    long long* const fields[] = {&record.won,
                                 &record.lost,
                                 &record.bestWinStreak,
                                 &record.worstLossStreak,
                                 &record.currentWinStreak,
                                 &record.currentLossStreak,
                                 &record.totalScore};
    const auto read = [text](RecordColumn column, long long& value) {
        return column.start + column.width <= text.size() && ReadNumber(text.substr(column.start, column.width), value);
    };
    for (size_t i = 0; i < std::size(fields); ++i) {
        long long value = 0;
        if (!read(kRecordColumns[i], value)) return record;  // this field and every one after it stay 0
        *fields[i] = value;
    }
    // Older programs wrote anything here; only a count is taken for one.
    long long hints = 0;
    if (read(kHintsColumn, hints) && hints >= 0) record.hintsUsed = hints;
    return record;
}

std::string GameSection(int gameCode) { return FormatField(gameCode, 4); }

std::string StatisticsKey(std::string_view player) {
    std::string key = TrimmedRight(player);
    std::replace(key.begin(), key.end(), '=', ':');
    if (!key.empty() && key.front() == '[') key.front() = '(';
    return key;
}

bool UpdateStatistics(DataFiles& files, SettingsRecord& settings, bool won, int hintsUsed) {
    const std::string section = GameSection(static_cast<int>(settings.getNumber(Field::CurrentGame)));
    const std::string player = StatisticsKey(settings.get(Field::CurrentPlayer));
    const long long score = settings.getNumber(Field::CurrentScore);

    const bool written = files.changeSections(kStatisticsFile, [&](SectionDocument& document) {
        const auto stored = document.ReadValue(section, player);
        StatRecord record = stored ? StatRecord::FromText(*stored) : StatRecord{};
        if (won) {
            ++record.won;
            ++record.currentWinStreak;
            record.currentLossStreak = 0;
        } else {
            ++record.lost;
            ++record.currentLossStreak;
            record.currentWinStreak = 0;
        }
        record.bestWinStreak = std::max(record.bestWinStreak, record.currentWinStreak);
        record.worstLossStreak = std::max(record.worstLossStreak, record.currentLossStreak);
        record.totalScore += score;
        record.hintsUsed += std::max(hintsUsed, 0);
        document.WriteValue(section, player, record.ToText());
        return true;
    });
    if (!written) return false;

    // The run counters count only what the file counted.
    if (won) {
        settings.put(Field::RunWon, FormatField(settings.getNumber(Field::RunWon) + 1, 4));
    } else {
        settings.put(Field::RunLost, FormatField(settings.getNumber(Field::RunLost) + 1, 4));
    }
    return true;
}

StatisticsView ReadStatistics(const DataFiles& files, const SettingsRecord& settings, int gameCode,
                              std::string_view player) {
    StatisticsView view;
    if (const auto document = files.readSections(kStatisticsFile)) {
        if (const auto stored = document->ReadValue(GameSection(gameCode), StatisticsKey(player))) {
            view.record = StatRecord::FromText(*stored);
        }
    }
    if (TrimmedRight(player) == TrimmedRight(settings.get(Field::CurrentPlayer)) &&
        gameCode == settings.getNumber(Field::CurrentGame)) {
        view.runWon = static_cast<int>(settings.getNumber(Field::RunWon));
        view.runLost = static_cast<int>(settings.getNumber(Field::RunLost));
    }
    return view;
}

bool ClearStatistics(DataFiles& files, int gameCode, std::string_view player, bool allPlayers, bool allGames) {
    const std::string key = StatisticsKey(player);
    const std::string logPlayer = TrimmedRight(player);
    const std::string section = GameSection(gameCode);
    const std::string zero = StatRecord{}.ToText();

    bool ok = true;
    if (allGames && allPlayers) {
        // Only the version section is left.
        ok = ChangeExisting(files, kStatisticsFile, [](std::string& content) {
            content = SectionDocument::WithVersion().Serialize();
            return true;
        });
    } else {
        ok = ChangeExistingSections(files, kStatisticsFile, [&](SectionDocument& document) {
            if (!allGames && !allPlayers) {
                document.WriteValue(section, key, zero);
            } else if (allGames) {
                for (const auto& name : document.ListSections()) {
                    // A line starting with "[" that is no complete header
                    // ends a body but is no section to write into.
                    if (IsVersionSection(name) || !document.FindSection(name)) continue;
                    document.WriteValue(name, key, zero);
                }
            } else {
                for (const auto& line : document.ListSectionLines(section)) {
                    if (const auto lineKey = KeyOf(line)) document.WriteValue(section, *lineKey, zero);
                }
            }
            return true;
        });
    }

    const bool logOk = ChangeExisting(files, kGameLogFile, [&](std::string& content) {
        content = KeepUnclearedLogLines(content, gameCode, logPlayer, allPlayers, allGames);
        return true;
    });
    return ok && logOk;
}

void ResetRunCounters(SettingsRecord& settings) {
    settings.put(Field::RunWon, "0000");
    settings.put(Field::RunLost, "0000");
}

bool RenamePlayerInDataFiles(DataFiles& files, std::string_view oldName, std::string_view newName) {
    const std::string from = TrimmedRight(oldName);
    const std::string to = TrimmedRight(newName);
    if (from == to) return true;

    // The statistics: every player line keyed by the old name, in every
    // section but the version section, whose one line is no player's.
    const bool statsOk = ChangeExistingSections(files, kStatisticsFile, [&](SectionDocument& document) {
        const std::string fromKey = StatisticsKey(from);
        const std::string toKey = StatisticsKey(to);
        bool inVersion = false;
        for (auto& line : document.lines()) {
            if (!line.empty() && line.front() == '[') {
                const auto close = line.find(']');
                inVersion = close != std::string::npos && IsVersionSection(std::string_view(line).substr(1, close - 1));
                continue;
            }
            if (inVersion) continue;
            const auto key = KeyOf(line);
            if (key && *key == fromKey) line.replace(0, key->size(), toKey);
        }
        return true;
    });

    const std::string paddedFrom = PadRight(from, kGameLogPlayerWidth);
    const std::string paddedTo = PadRight(to, kGameLogPlayerWidth);
    const auto replaceColumn = [&](std::string_view name, size_t column) {
        return ChangeExisting(files, name, [&](std::string& content) {
            // A torn last line of the log stays out, as its next append would cut it.
            SectionDocument lines =
                SectionDocument::Parse(name == kGameLogFile ? CompleteLogLines(content) : std::string_view(content));
            lines.ReplaceInLines(column, paddedFrom, paddedTo);
            content = lines.Serialize();
            return true;
        });
    };
    const bool logOk = replaceColumn(kGameLogFile, kGameLogPlayerColumn);
    const bool hiScoresOk = replaceColumn(kHiScoreFile, kHiScorePlayerColumn);
    return statsOk && logOk && hiScoresOk;
}

}  // namespace dravicor
