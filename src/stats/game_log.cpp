#include "stats/game_log.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

#include "common/settings_record.h"
#include "common/text.h"
#include "stats/section_file.h"

namespace dravicor {

std::string_view GameLogColumn(std::string_view line, size_t column, size_t width) {
    if (column == 0 || column - 1 >= line.size()) return {};
    return line.substr(column - 1, width);
}

DealEnd DealEndAt(std::chrono::system_clock::time_point when, int seconds) {
    const std::time_t moment = std::chrono::system_clock::to_time_t(when);
    std::tm local{};
    ::localtime_r(&moment, &local);
    char date[64];
    char time[64];
    std::snprintf(date, sizeof date, "%04d%02d%02d", local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
    std::snprintf(time, sizeof time, "%02d:%02d:%02d", local.tm_hour, local.tm_min, local.tm_sec);
    return {date, time, seconds};
}

std::string GameLogLine(const SettingsRecord& settings, bool won, const DealEnd& end, int hintsUsed) {
    std::string line;
    line.reserve(kGameLogLineLength);
    line += PadRight(end.date, 8);
    line += ' ';
    line += PadRight(end.timeOfDay, 8);
    line += ' ';
    line += FormatField(end.seconds, 6);
    line += ' ';
    line += FormatField(settings.getNumber(Field::CurrentGame), 4);
    line += ' ';
    line += PadRight(settings.get(Field::CurrentGameName), kGameLogGameNameWidth);
    line += ' ';
    line += PadRight(settings.get(Field::CurrentPlayer), kGameLogPlayerWidth);
    line += ' ';
    line += won ? "Won  " : "Lost ";
    line += PadRight(settings.get(Field::ScoringSystem), 2);
    line += ' ';
    line += PadRight(settings.get(Field::CurrentScore), 6);
    line += ' ';
    line += PadRight(settings.get(Field::CurrentGameNumber), 15);
    line += ' ';
    line += "0350";
    line += ' ';
    line += FormatField(std::clamp(hintsUsed, 0, kGameLogMostHints), 4);
    return line;
}

bool AppendGameLog(DataFiles& files, const SettingsRecord& settings, bool won, const DealEnd& end,
                   int hintsUsed) {
    const std::string line = GameLogLine(settings, won, end, hintsUsed);
    // The log only grows: appending costs the same whatever its length.
    return files.append(kGameLogFile, line + "\r\n");
}

std::vector<std::string> FilterGameLog(const std::vector<std::string>& lines, std::string_view player,
                                       std::string_view gameName) {
    const bool anyPlayer = player == kAllPlayers;
    const bool anyGame = gameName == kAllGames;
    std::vector<std::string> kept;
    for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
        if (!anyGame &&
            TrimRight(GameLogColumn(*line, kGameLogGameNameColumn, kGameLogGameNameWidth)) != gameName) {
            continue;
        }
        if (!anyPlayer && TrimRight(GameLogColumn(*line, kGameLogPlayerColumn, kGameLogPlayerWidth)) != player) {
            continue;
        }
        kept.push_back(*line);
    }
    return kept;
}

std::string_view CompleteLogLines(std::string_view content) {
    const auto end = content.rfind('\n');
    return end == std::string_view::npos ? std::string_view() : content.substr(0, end + 1);
}

std::vector<std::string> ReadGameLog(const DataFiles& files) {
    const auto content = files.read(kGameLogFile);
    if (!content) return {};
    return SplitLines(CompleteLogLines(*content));
}

}  // namespace dravicor
