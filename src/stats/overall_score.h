#pragma once

#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "stats/data_file.h"

namespace dravicor {

inline constexpr std::string_view kOverallScoreFile = "STAT_GLO.DAT";
inline constexpr std::string_view kOverallKey = "47082";

std::string ScrambleOverall(std::string_view text, std::string_view key = kOverallKey);
std::string UnscrambleOverall(std::string_view text, std::string_view key = kOverallKey);
long long OverallChecksum(std::string_view text);

// A player's section: the name without trailing blanks, a "]" written as
// ")" since a header's name ends at its first "]".
std::string OverallScoreSection(std::string_view player);

struct OverallRank {
    std::string player;
    long long score = 0;
    long long seconds = 0;
    std::string rawValues;  // the stored, still scrambled texts that score submission sends
};

// In the functions below `catalogueSize` is the number of games of the
// catalogue (N); a file that fails its checks is deleted and `messages`
// shows why (ReportSpoiledOverallScores).

// Records a finished deal; true when it improved the player's record of the
// game and was written. `random` draws the filler digits (a generator seeded
// from the clock when null).
bool UpdateOverallScore(DataFiles& files, Messages& messages, int gameCode, std::string_view player,
                        long long seconds, long long score, int catalogueSize, std::mt19937* random = nullptr);
// The players in ranking order (empty when the file is missing or spoiled).
std::vector<OverallRank> ReadOverallScores(DataFiles& files, Messages& messages, int catalogueSize);
struct OverallDetail {
    int gameCode = 0;
    long long score = 0;
    long long seconds = 0;
};
// The player's best deal of every game given (zeros where there is none);
// empty when the file is spoiled.
std::vector<OverallDetail> ReadOverallDetails(DataFiles& files, Messages& messages, std::string_view player,
                                              const std::vector<int>& gameCodes);
// Deletes the file and says why.
void ReportSpoiledOverallScores(DataFiles& files, Messages& messages);

}  // namespace dravicor
