#pragma once

#include <optional>
#include <string>
#include <utility>

#include "engine/engine.h"
#include "rules/catalogue.h"
#include "common/platform.h"
#include "stats/data_file.h"

namespace dravicor {

class SettingsRecord;

// A place a finished deal took in its game's hi-scores, kept until the
// front end shows it.
struct NewHiScore {
    int place = -1;     // 0-19
    int gameCode = -1;
    std::string gameName;  // the name the game had when the deal ended
};

// Writes the records of every finished deal, in this order: the game log,
// the statistics, the hi-scores (which update the overall score).
class RecordKeeper final : public GameRecords {
public:
    RecordKeeper(DataFiles& files, Messages& messages, SettingsRecord& settings, const std::filesystem::path& catalogue,
                 const GameList& games, const CustomGames& custom)
        : files_(files), messages_(messages), settings_(settings), catalogue_(catalogue), games_(games), custom_(custom) {}

    void dealStarted(int gameCode, const std::string& gameNumber) override;
    void gameEnded(const GameResult& result) override;

    // The hi-score place the last deal took (0-19), or -1.
    int lastHiScorePlace() const { return lastPlace_; }
    // The place the last deal took, once: the front end announces it after
    // the command that ended the deal. Nothing when no place was taken
    // since the last call.
    bool hasNewHiScore() const { return newHiScore_.has_value(); }
    std::optional<NewHiScore> takeNewHiScore() { return std::exchange(newHiScore_, std::nullopt); }
    // What an empty hi-score table of the game is seeded from (0: nothing).
    int referenceValue(int gameCode) const;

private:

    DataFiles& files_;
    Messages& messages_;
    SettingsRecord& settings_;
    std::filesystem::path catalogue_;
    const GameList& games_;
    const CustomGames& custom_;
    int lastPlace_ = -1;
    std::optional<NewHiScore> newHiScore_;
};

}  // namespace dravicor
