#include "stats/game_log_rows.h"

#include "common/text.h"
#include "stats/game_log.h"
#include "stats/hi_scores.h"

namespace dravicor {

namespace {

std::string Cell(std::string_view line, size_t column, size_t width) {
    return std::string(TrimRight(GameLogColumn(line, column, width)));
}

}  // namespace

GameLogRow GameLogRowOf(std::string_view line) {
    GameLogRow row;
    row.date = Cell(line, 1, 8);
    row.start = Cell(line, 10, 5);
    const std::string_view seconds = GameLogColumn(line, 19, 6);
    if (seconds.size() == 6 && IsDigits(seconds)) row.time = FormatSeconds(std::stoll(std::string(seconds)));
    row.game = Cell(line, kGameLogGameNameColumn, kGameLogGameNameWidth);
    if (!GameLogColumn(line, 113, 4).empty()) row.result = GameLogColumn(line, 113, 4) == "Won " ? "Won" : "Lost";
    row.score = std::string(Trim(GameLogColumn(line, 121, 6)));
    row.player = Cell(line, kGameLogPlayerColumn, kGameLogPlayerWidth);
    row.gameNumber = Cell(line, 128, 15);
    const std::string_view hints = GameLogColumn(line, kGameLogHintsColumn, 4);
    if (line.size() == kGameLogOlderLineLength) {
        row.hints = "0";
    } else if (hints.size() == 4 && IsDigits(hints)) {
        row.hints = std::to_string(std::stoi(std::string(hints)));
    }
    return row;
}

std::vector<GameLogRow> GameLogRows(const std::vector<std::string>& lines, std::string_view player,
                                    std::string_view gameName) {
    std::vector<GameLogRow> rows;
    for (const std::string& line : FilterGameLog(lines, player, gameName)) rows.push_back(GameLogRowOf(line));
    if (rows.empty()) rows.emplace_back();
    return rows;
}

}  // namespace dravicor
