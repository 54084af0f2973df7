// The whole recording at the end of a deal (game log, statistics, hi-scores,
// overall score) against full-sized data files: 200 games and 20 players in
// the statistics, full hi-score tables for every game, 20 players' overall
// scores and a 100,000-line game log.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "common/file_io.h"
#include "common/settings_record.h"
#include "shell/record_keeper.h"
#include "stats/game_log.h"
#include "stats/section_file.h"
#include "stats/statistics.h"
#include "support/fake_platform.h"
#include "support/temp_dir.h"

namespace {

using namespace dravicor;

std::string Player(int p) { return "Player " + std::to_string(p + 1); }

void WriteBigRecords(const std::filesystem::path& data, SettingsRecord& settings) {
    std::filesystem::create_directories(data);
    SectionDocument stats = SectionDocument::WithVersion();
    SectionDocument scores = SectionDocument::WithVersion();
    for (int game = 0; game < 200; ++game) {
        std::vector<std::string> players, records, places, entries;
        for (int p = 0; p < 20; ++p) {
            players.push_back(Player(p));
            StatRecord r;
            r.won = game + p;
            r.lost = p;
            records.push_back(r.ToText());
        }
        for (int place = 1; place <= 20; ++place) {
            places.push_back("01-" + FormatField(place, 2));
            entries.push_back(FormatField(300 - place * 10, 6) + " " + FormatField(600, 6) + " 20260101 12:00:00 " +
                              PadRight(Player(place - 1), 30) + " " + PadRight("123", 15) + " Won  x");
        }
        stats.WriteValues(GameSection(game), players, records);
        scores.WriteValues(GameSection(game), places, entries);
    }
    WriteFileAtomically(data / "STAT.DAT", stats.Serialize());
    WriteFileAtomically(data / "STAT_SCR.DAT", scores.Serialize());

    std::string log;
    settings.put(Field::CurrentGameName, "Klondike");
    for (int i = 0; i < 100000; ++i) {
        settings.put(Field::CurrentPlayer, Player(i % 20));
        log += GameLogLine(settings, i % 3 == 0, DealEnd{"20260101", "12:00:00", 300}) + "\r\n";
    }
    WriteFileAtomically(data / "STAT_LOG.DAT", log);
}

void RecordEndOfDeal(benchmark::State& state) {
    dravicor::test::TempDir dir;
    dravicor::test::FakePlatform platform;
    SettingsRecord settings;
    const auto data = dir / "DATA";
    WriteBigRecords(data, settings);
    settings.put(Field::CurrentPlayer, "Player 7");
    settings.put(Field::CurrentGame, "0001");
    settings.put(Field::ScoringSystem, "01");
    settings.put(Field::CurrentGameName, "FreeCell");
    DataFiles files(data, platform);
    GameList games;
    LoadGameList(dravicor::test::BuiltCatalogue(), games);
    NoCustomGames custom;
    RecordKeeper records(files, platform, settings, dravicor::test::BuiltCatalogue(), games, custom);
    int deal = 0;
    for (auto _ : state) {
        GameResult result;
        result.gameCode = 1;
        result.gameNumber = std::to_string(++deal);
        result.won = deal % 2 == 0;
        result.seconds = 100 + deal % 50;
        result.score = deal % 100;
        result.end = std::chrono::system_clock::now();
        records.gameEnded(result);
    }
    state.counters["messages"] = static_cast<double>(platform.messages.size());
}
BENCHMARK(RecordEndOfDeal)->Unit(benchmark::kMillisecond)->Iterations(50);

}  // namespace
