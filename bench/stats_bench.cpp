// The records kept at the end of every deal: the statistics update on a
// well-filled statistics file, the log view's filter on a long log, and the
// log append. The update and the append replace their file atomically, which
// flushes it to disk; the *WithoutFlush and *InMemory variants measure the
// same work without the flush and without any file, to show what the flush
// costs.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "common/file_io.h"
#include "common/platform.h"
#include "common/settings_record.h"
#include "stats/data_file.h"
#include "stats/game_log.h"
#include "stats/section_file.h"
#include "stats/statistics.h"

namespace dravicor {
namespace {

namespace fs = std::filesystem;

constexpr int kGames = 200;
constexpr int kPlayers = 20;
constexpr int kLogLines = 100000;

class SilentMessages final : public Messages {
public:
    void showMessage(std::string_view, std::string_view, MessageIcon) override { ++shown; }
    Answer ask(std::string_view, std::string_view, MessageButtons, MessageIcon) override { return Answer::Ok; }
    bool showMessageWithOptOut(std::string_view, std::string_view) override { return false; }
    void beep() override {}
    int shown = 0;
};

// A scratch folder under the temporary folder, removed afterwards.
class Scratch {
public:
    Scratch() {
        std::string pattern = (fs::temp_directory_path() / "dravicor-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
    }
    ~Scratch() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

std::string PlayerName(int i) { return "Player " + std::to_string(i + 1); }
std::string GameName(int code) { return "Game " + FormatField(code, 4); }

// A statistics file of 200 games with 20 players each.
std::string FilledStatFile() {
    SectionDocument document = SectionDocument::WithVersion();
    for (int game = 1; game <= kGames; ++game) {
        std::vector<std::string> keys;
        std::vector<std::string> values;
        for (int player = 0; player < kPlayers; ++player) {
            keys.push_back(PlayerName(player));
            values.push_back(StatRecord{game + player, player, 3, 2, 1, 0, 1000L * game}.ToText());
        }
        document.WriteValues(GameSection(game), keys, values);
    }
    return document.Serialize();
}

// A log of 100,000 deals spread over the games and players.
std::string FilledLog() {
    SettingsRecord settings;
    settings.put(Field::ScoringSystem, "01");
    std::string log;
    log.reserve(static_cast<size_t>(kLogLines) * (kGameLogLineLength + 2));
    for (int i = 0; i < kLogLines; ++i) {
        const int game = 1 + (i * 7) % kGames;
        settings.put(Field::CurrentGame, FormatField(game, 4));
        settings.put(Field::CurrentGameName, GameName(game));
        settings.put(Field::CurrentPlayer, PlayerName(i % kPlayers));
        settings.put(Field::CurrentScore, std::to_string(i % 500 - 100));
        settings.put(Field::CurrentGameNumber, std::to_string(i * 7919));
        log += GameLogLine(settings, i % 3 != 0, DealEnd{"20240131", "12:34:56", i % 3600});
        log += "\r\n";
    }
    return log;
}

SettingsRecord CurrentDeal() {
    SettingsRecord settings;
    settings.put(Field::CurrentGame, "0100");
    settings.put(Field::CurrentGameName, GameName(100));
    settings.put(Field::CurrentPlayer, PlayerName(9));
    settings.put(Field::CurrentScore, "120");
    settings.put(Field::ScoringSystem, "01");
    settings.put(Field::CurrentGameNumber, "4711");
    settings.put(Field::RunWon, "0000");
    settings.put(Field::RunLost, "0000");
    return settings;
}

// The same replace as ReplaceFileAtomically without the flushes.
void ReplaceWithoutFlush(const fs::path& path, std::string_view bytes) {
    std::string temporary = path.string() + ".rplXXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) throw std::runtime_error("mkstemp failed");
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (written <= 0) throw std::runtime_error("write failed");
        done += static_cast<size_t>(written);
    }
    ::close(fd);
    if (std::rename(temporary.c_str(), path.c_str()) != 0) throw std::runtime_error("rename failed");
}

void BM_UpdateStatistics(benchmark::State& state) {
    Scratch scratch;
    SilentMessages messages;
    DataFiles files(scratch.path(), messages);
    if (!WriteFileAtomically(files.path(kStatisticsFile), FilledStatFile())) throw std::runtime_error("setup");
    SettingsRecord settings = CurrentDeal();
    bool won = true;
    for (auto _ : state) {
        if (!UpdateStatistics(files, settings, won)) state.SkipWithError("update failed");
        won = !won;
        ResetRunCounters(settings);
    }
    state.counters["file_bytes"] = static_cast<double>(fs::file_size(files.path(kStatisticsFile)));
}
BENCHMARK(BM_UpdateStatistics)->Unit(benchmark::kMicrosecond);

// What the update does between reading and writing the file.
void BM_UpdateStatisticsInMemory(benchmark::State& state) {
    std::string content = FilledStatFile();
    const std::string key = PlayerName(9);
    for (auto _ : state) {
        SectionDocument document = SectionDocument::Parse(content);
        StatRecord record = StatRecord::FromText(document.ReadValue("0100", key).value_or(""));
        ++record.won;
        record.totalScore += 120;
        document.WriteValue("0100", key, record.ToText());
        content = document.Serialize();
        benchmark::DoNotOptimize(content.data());
    }
}
BENCHMARK(BM_UpdateStatisticsInMemory)->Unit(benchmark::kMicrosecond);

// The read and the replace of the statistics file, with and without the flush.
void BM_StatFileReadAndReplace(benchmark::State& state) {
    Scratch scratch;
    const fs::path path = scratch.path() / "STAT.DAT";
    const std::string content = FilledStatFile();
    WriteFileAtomically(path, content);
    const bool flush = state.range(0) != 0;
    for (auto _ : state) {
        const auto bytes = ReadWholeFile(path);
        if (flush) {
            ReplaceFileAtomically(path, *bytes);
        } else {
            ReplaceWithoutFlush(path, *bytes);
        }
    }
}
BENCHMARK(BM_StatFileReadAndReplace)->ArgName("flush")->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

void BM_FilterGameLog(benchmark::State& state) {
    Scratch scratch;
    SilentMessages messages;
    DataFiles files(scratch.path(), messages);
    WriteFileAtomically(files.path(kGameLogFile), FilledLog());
    const auto lines = ReadGameLog(files);
    size_t kept = 0;
    for (auto _ : state) {
        const auto shown = FilterGameLog(lines, PlayerName(6), GameName(43));
        kept = shown.size();
        benchmark::DoNotOptimize(shown.data());
    }
    state.counters["kept"] = static_cast<double>(kept);
}
BENCHMARK(BM_FilterGameLog)->Unit(benchmark::kMillisecond);

// What the log view does when it opens: the file read and split, then filtered.
void BM_ReadAndFilterGameLog(benchmark::State& state) {
    Scratch scratch;
    SilentMessages messages;
    DataFiles files(scratch.path(), messages);
    WriteFileAtomically(files.path(kGameLogFile), FilledLog());
    for (auto _ : state) {
        const auto shown = FilterGameLog(ReadGameLog(files), PlayerName(6), GameName(43));
        benchmark::DoNotOptimize(shown.data());
    }
}
BENCHMARK(BM_ReadAndFilterGameLog)->Unit(benchmark::kMillisecond);

// Appending to a log of range(0) lines.
void BM_AppendGameLog(benchmark::State& state) {
    Scratch scratch;
    SilentMessages messages;
    DataFiles files(scratch.path(), messages);
    if (state.range(0) > 0) {
        std::string log = FilledLog();
        log.resize(static_cast<size_t>(state.range(0)) * (kGameLogLineLength + 2));
        WriteFileAtomically(files.path(kGameLogFile), log);
    }
    const SettingsRecord settings = CurrentDeal();
    const DealEnd end{"20240131", "12:34:56", 300};
    for (auto _ : state) {
        if (!AppendGameLog(files, settings, true, end)) state.SkipWithError("append failed");
    }
}
BENCHMARK(BM_AppendGameLog)->Arg(0)->Arg(1000)->Arg(kLogLines)->Unit(benchmark::kMicrosecond);

// The read and the replace of a 100,000-line log, with and without the flush.
void BM_LogReadAndReplace(benchmark::State& state) {
    Scratch scratch;
    const fs::path path = scratch.path() / "STAT_LOG.DAT";
    WriteFileAtomically(path, FilledLog());
    const bool flush = state.range(0) != 0;
    for (auto _ : state) {
        const auto bytes = ReadWholeFile(path);
        if (flush) {
            ReplaceFileAtomically(path, *bytes);
        } else {
            ReplaceWithoutFlush(path, *bytes);
        }
    }
}
BENCHMARK(BM_LogReadAndReplace)->ArgName("flush")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace dravicor
