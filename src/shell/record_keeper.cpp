#include "shell/record_keeper.h"

#include "common/profile_file.h"
#include "common/settings_record.h"
#include "common/text.h"
#include "select/game_numbers.h"
#include "shell/preferences.h"
#include "rules/game_rules.h"
#include "stats/game_log.h"
#include "stats/hi_scores.h"
#include "stats/statistics.h"

namespace dravicor {

int RecordKeeper::referenceValue(int gameCode) const {
    int code = gameCode;
    if (code >= kFirstCustomCode) {
        const auto game = custom_.find(code);
        if (!game) return 0;
        code = game->baseCode;
    }
    try {
        return ReadRuleValues(catalogue_, code, {Rule::CardCount}).front();
    } catch (const CatalogueError&) {
        return 0;  // no seeding for a game the catalogue cannot describe
    }
}

void RecordKeeper::dealStarted(int, const std::string& gameNumber) {
    ProfileFile config = ConfigFile(settings_);
    RememberGameNumber(config, gameNumber, messages_);
}

void RecordKeeper::gameEnded(const GameResult& result) {
    settings_.put(Field::CurrentScore, std::to_string(result.score));
    const DealEnd end = DealEndAt(result.end, result.seconds);
    AppendGameLog(files_, settings_, result.won, end, result.hintsUsed);
    UpdateStatistics(files_, settings_, result.won, result.hintsUsed);

    HiScoreDeal deal;
    deal.gameCode = result.gameCode;
    deal.player = settings_.get(Field::CurrentPlayer);
    deal.scoringSystem = settings_.get(Field::ScoringSystem);
    deal.end = end;
    deal.score = result.score;
    deal.gameNumber = result.gameNumber;
    deal.won = result.won;
    lastPlace_ = UpdateHiScores(files_, messages_, deal, referenceValue(result.gameCode),
                                static_cast<int>(games_.lines.size()));
    newHiScore_.reset();
    if (lastPlace_ >= 0)
        newHiScore_ = NewHiScore{lastPlace_, result.gameCode, std::string(TrimRight(settings_.get(Field::CurrentGameName)))};
}

}  // namespace dravicor
