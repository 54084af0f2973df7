// The end of every deal updates the hi-scores and then the overall score,
// each a transaction that reads, changes and atomically replaces its whole
// file. Measured with full files: STAT_SCR.DAT with complete tables of 200
// games, STAT_GLO.DAT with 20 players who played all of them. The files go
// to the system's temporary folder (TMPDIR), so a run on a RAM disk shows the
// cost without the flush to disk.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

#include "common/file_io.h"
#include "common/settings_record.h"
#include "stats/data_file.h"
#include "stats/hi_scores.h"
#include "stats/overall_score.h"

namespace {

using namespace dravicor;
namespace fs = std::filesystem;

constexpr int kGames = 200;
constexpr int kPlayers = 20;

class QuietMessages final : public Messages {
public:
    void showMessage(std::string_view text, std::string_view, MessageIcon) override { last = std::string(text); }
    Answer ask(std::string_view, std::string_view, MessageButtons, MessageIcon) override { return Answer::Yes; }
    bool showMessageWithOptOut(std::string_view, std::string_view) override { return false; }
    void beep() override {}
    std::string last;
};

std::string PlayerName(int player) { return "Player " + std::to_string(player); }

// A scratch DATA folder holding both files at their full size.
class FullDataFolder {
public:
    FullDataFolder() {
        std::string pattern = (fs::temp_directory_path() / "dravicor-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) std::abort();
        dir_ = pattern;
        writeHiScores();
        writeOverallScores();
    }
    ~FullDataFolder() {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    const fs::path& dir() const { return dir_; }

private:
    void writeHiScores() {
        std::string bytes = "[Version]\r\nVersion=0300\r\n";
        for (int game = 0; game < kGames; ++game) {
            bytes += "\r\n[" + FormatField(game, 4) + "]\r\n";
            for (int place = 1; place <= kHiScorePlaces; ++place) {
                const int score = 2000 - 50 * place;
                bytes += "01-" + FormatField(place, 2) + "=" + FormatField(score, 6) + " " + FormatField(score * 3, 6) +
                         " 20240315 14:30:00 " + PadRight(PlayerName(place % kPlayers), 30) + " " +
                         PadRight(std::to_string(game * 1000 + place), 15) + " Won  x\r\n";
            }
        }
        WriteFileAtomically(dir_ / std::string(kHiScoreFile), bytes);
    }
    // One player's records of every game, made by the program itself, then
    // copied for the others (the values do not depend on the name).
    void writeOverallScores() {
        QuietMessages messages;
        DataFiles files(dir_, messages);
        std::mt19937 random(1);
        for (int game = 0; game < kGames; ++game) {
            UpdateOverallScore(files, messages, game, PlayerName(0), 100 + game, 10 + game % 90, kGames, &random);
        }
        const std::string one = *files.read(kOverallScoreFile);
        const std::string header = "[" + PlayerName(0) + "]";
        std::string all;
        for (int player = 0; player < kPlayers; ++player) {
            std::string copy = one;
            copy.replace(copy.find(header), header.size(), "[" + PlayerName(player) + "]");
            all += copy;
        }
        WriteFileAtomically(dir_ / std::string(kOverallScoreFile), all);
    }

    fs::path dir_;
};

HiScoreDeal Deal(int game, long long score, int seconds) {
    HiScoreDeal deal;
    deal.gameCode = game;
    deal.player = PlayerName(7);
    deal.end.date = "20240316";
    deal.end.timeOfDay = "09:15:00";
    deal.end.seconds = seconds;
    deal.score = score;
    deal.gameNumber = "123456";
    deal.won = true;
    return deal;
}

// Every deal takes the first place of its table and beats the player's
// record of the game: both files are rewritten.
void UpdateHiScoresTakingFirstPlace(benchmark::State& state) {
    const FullDataFolder folder;
    QuietMessages messages;
    DataFiles files(folder.dir(), messages);
    std::mt19937 random(2);
    long long score = 5000;
    int game = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(UpdateHiScores(files, messages, Deal(game, ++score, 60), 52, kGames, &random));
        game = (game + 37) % kGames;
    }
    if (!messages.last.empty()) state.SkipWithError(messages.last.c_str());
}
BENCHMARK(UpdateHiScoresTakingFirstPlace)->Unit(benchmark::kMillisecond);

// A lost deal below every entry: both files are read and left alone.
void UpdateHiScoresTakingNoPlace(benchmark::State& state) {
    const FullDataFolder folder;
    QuietMessages messages;
    DataFiles files(folder.dir(), messages);
    std::mt19937 random(3);
    int game = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(UpdateHiScores(files, messages, Deal(game, -3, 60), 52, kGames, &random));
        game = (game + 37) % kGames;
    }
    if (!messages.last.empty()) state.SkipWithError(messages.last.c_str());
}
BENCHMARK(UpdateHiScoresTakingNoPlace)->Unit(benchmark::kMillisecond);

void UpdateOverallScoreImproving(benchmark::State& state) {
    const FullDataFolder folder;
    QuietMessages messages;
    DataFiles files(folder.dir(), messages);
    std::mt19937 random(4);
    long long score = 1000;
    int game = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            UpdateOverallScore(files, messages, game, PlayerName(11), 60, ++score, kGames, &random));
        game = (game + 37) % kGames;
    }
    if (!messages.last.empty()) state.SkipWithError(messages.last.c_str());
}
BENCHMARK(UpdateOverallScoreImproving)->Unit(benchmark::kMillisecond);

void UpdateOverallScoreUnchanged(benchmark::State& state) {
    const FullDataFolder folder;
    QuietMessages messages;
    DataFiles files(folder.dir(), messages);
    std::mt19937 random(5);
    int game = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(UpdateOverallScore(files, messages, game, PlayerName(11), 60, 1, kGames, &random));
        game = (game + 37) % kGames;
    }
    if (!messages.last.empty()) state.SkipWithError(messages.last.c_str());
}
BENCHMARK(UpdateOverallScoreUnchanged)->Unit(benchmark::kMillisecond);

void ReadOverallScores20Players(benchmark::State& state) {
    const FullDataFolder folder;
    QuietMessages messages;
    DataFiles files(folder.dir(), messages);
    for (auto _ : state) {
        const auto ranking = ReadOverallScores(files, messages, kGames);
        if (ranking.size() != kPlayers) state.SkipWithError("the ranking lost players");
        benchmark::DoNotOptimize(ranking);
    }
    if (!messages.last.empty()) state.SkipWithError(messages.last.c_str());
}
BENCHMARK(ReadOverallScores20Players)->Unit(benchmark::kMillisecond);

}  // namespace
