#include "stats/hi_score_view.h"

#include "common/settings_record.h"
#include "common/text.h"

namespace dravicor {

HiScoreCells HiScoreCellsOf(int placeIndex, const HiScoreRow& row) {
    HiScoreCells cells;
    cells[0] = FormatField(placeIndex + 1, 2);
    if (row.empty) return cells;
    cells[1] = row.player;
    cells[2] = std::to_string(row.score);
    cells[3] = row.time;
    cells[4] = row.won ? "Won " : "Lost";
    cells[5] = row.date;
    cells[6] = row.gameNumber;
    return cells;
}

std::string HiScoreTitle(std::string_view gameName) {
    return "Hi-Scores [" + std::string(TrimRight(gameName)) + "]";
}

std::string HiScoreSound(const SettingsRecord& settings, HiScoreMode mode) {
    if (mode == HiScoreMode::Browse) return settings.get(Field::SoundsHiScores) == "Y" ? "Hi-Scor.wav" : "";
    return settings.get(Field::SoundsNewHiScores) == "Y" ? "Scores.wav" : "";
}

std::optional<std::string> NewHiScoreTitle(const SettingsRecord& settings, int placeIndex, std::string_view gameName) {
    if (placeIndex < 0 || placeIndex >= kHiScorePlaces) return std::nullopt;
    if (settings.get(Field::ConfirmEnterHiScores) == "N") return std::nullopt;
    return HiScoreCompliment(gameName);
}

}  // namespace dravicor
