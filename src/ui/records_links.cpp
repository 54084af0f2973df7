#include "ui/records_links.h"

#include "ui/all_games_window.h"
#include "ui/clear_statistics_dialog.h"
#include "ui/game_log_window.h"
#include "ui/hi_score_window.h"
#include "ui/players_statistics_window.h"
#include "ui/score_mail_dialogs.h"

namespace dravicor {

StatisticsLinks RecordsWindowLinks(Program& program, QWidget* parent, PublishOverallScores publish) {
    StatisticsLinks links;
    Program* const shared = &program;
    if (!publish) publish = MailPublisher(program, parent);
    links.set(StatisticsLink::OverallScore, [shared, parent, publish](const StatisticsChoice&) {
        ShowOverallScore(*shared, publish, parent);
    });
    links.set(StatisticsLink::AllGames, [shared, parent](const StatisticsChoice& choice) {
        ShowAllGamesStatistics(*shared, choice.player, parent);
    });
    links.set(StatisticsLink::PlayersStatistics, [shared, parent](const StatisticsChoice& choice) {
        ShowPlayersStatistics(*shared, choice.gameCode, parent);
    });
    links.set(StatisticsLink::GameLog, [shared, parent](const StatisticsChoice& choice) {
        ShowGameLog(*shared, choice.player, choice.gameName, parent);
    });
    links.set(StatisticsLink::HiScores, [shared, parent](const StatisticsChoice& choice) {
        ShowHiScores(*shared, HiScoreMode::Browse, -1, {}, choice.gameCode, parent);
    });
    links.set(StatisticsLink::ClearStatistics, [shared, parent](const StatisticsChoice& choice) {
        ShowClearStatistics(*shared, choice.player, choice.gameCode, parent);
    });
    return links;
}

}  // namespace dravicor
