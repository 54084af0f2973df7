#pragma once

#include "ui/overall_score_window.h"
#include "ui/statistics_window.h"

namespace dravicor {

class Program;

// The links of the statistics window to the records windows (overall
// score, all games, players, log, hi-scores, clearing), each opened
// modally over `parent`. Help is the caller's to add. The overall score
// publishes by e-mail (MailPublisher) unless `publish` says otherwise.
StatisticsLinks RecordsWindowLinks(Program& program, QWidget* parent, PublishOverallScores publish = {});

}  // namespace dravicor
