#include "stats/hi_score_view.h"

#include <gtest/gtest.h>

#include "common/settings_record.h"

namespace dravicor {
namespace {

TEST(HiScoreView, CellsOfAFullAndAnEmptyPlace) {
    std::string entry = "-00052 003725 20240131 23:59:58 ";
    entry += "Ann" + std::string(27, ' ') + " " + "4711" + std::string(11, ' ') + " Lost x";
    const HiScoreRow row = ParseHiScoreEntry(entry);
    ASSERT_FALSE(row.empty);
    EXPECT_EQ(HiScoreCellsOf(4, row), (HiScoreCells{"05", "Ann", "-52", "1:02:05", "Lost", "20240131", "4711"}));
    EXPECT_EQ(HiScoreCellsOf(19, ParseHiScoreEntry("")), (HiScoreCells{"20", "", "", "", "", "", ""}));
}

TEST(HiScoreView, TitleSoundAndTheTableAfterADeal) {
    SettingsRecord settings;
    settings.put(Field::CurrentGameName, "FreeCell");
    EXPECT_EQ(HiScoreTitle("FreeCell  "), "Hi-Scores [FreeCell]");

    settings.put(Field::SoundsHiScores, "Y");
    settings.put(Field::SoundsNewHiScores, "N");
    EXPECT_EQ(HiScoreSound(settings, HiScoreMode::Browse), "Hi-Scor.wav");
    EXPECT_EQ(HiScoreSound(settings, HiScoreMode::NewEntry), "");
    settings.put(Field::SoundsNewHiScores, "Y");
    EXPECT_EQ(HiScoreSound(settings, HiScoreMode::NewEntry), "Scores.wav");

    settings.put(Field::ConfirmEnterHiScores, "Y");
    EXPECT_EQ(NewHiScoreTitle(settings, 4, "FreeCell"), "Compliments! You entered the FreeCell Hi-Scores!");
    EXPECT_EQ(NewHiScoreTitle(settings, -1, "FreeCell"), std::nullopt);
    settings.put(Field::ConfirmEnterHiScores, "N");
    EXPECT_EQ(NewHiScoreTitle(settings, 0, "FreeCell"), std::nullopt);
}

}  // namespace
}  // namespace dravicor
