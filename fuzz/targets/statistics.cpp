// The statistics file (DATA/STAT.DAT). The input steers one operation and
// supplies the file: "OP GAME SCORE\nPLAYER\nOTHER\n" then the file's bytes.
//   - a finished deal counts once in the player's record (won or lost, the
//     streaks, the total) and in the run counters, and nothing else of the
//     file changes: every value any other key of any section reads is the
//     same;
//   - a clear zeroes the player's record and keeps the others;
//   - a rename moves every record of the player to the new name and keeps
//     the others;
//   - a record reads, writes and reads again the same.
#include "common/settings_record.h"
#include "common/text.h"
#include "fuzz_support.h"
#include "stats/statistics.h"
#include "support/fake_platform.h"

namespace dravicor::fuzz {
namespace {

// Every value the file gives any key (a line's key is its text before
// the first "=").
using Values = std::map<std::pair<std::string, std::string>, std::optional<std::string>>;

Values AllValues(const SectionDocument& document, const std::vector<std::pair<std::string, std::string>>& extra) {
    Values values;
    std::vector<std::pair<std::string, std::string>> keys = extra;
    std::string section;
    for (const auto& line : document.lines()) {
        if (!line.empty() && line.front() == '[') {
            const auto close = line.find(']');
            if (close != std::string::npos) section = line.substr(1, close - 1);
            continue;
        }
        if (const auto at = line.find('='); at != std::string::npos) keys.emplace_back(section, line.substr(0, at));
    }
    for (const auto& key : keys) values[key] = document.ReadValue(key.first, key.second);
    return values;
}

void ExpectOnlyChanged(const Values& before, const SectionDocument& after, const std::string& player,
                       const char* operation, const std::string& alsoPlayer = {}) {
    for (const auto& [key, value] : before) {
        if (key.second == player || (!alsoPlayer.empty() && key.second == alsoPlayer)) continue;
        DRAVICOR_FUZZ_CHECK(after.ReadValue(key.first, key.second) == value,
                            std::string(operation) + " changed [" + key.first + "] " + key.second);
    }
}

SectionDocument FileNow(const DataFiles& files) {
    return files.readSections(kStatisticsFile).value_or(SectionDocument());
}

}  // namespace
}  // namespace dravicor::fuzz

DRAVICOR_FUZZ_TARGET(statistics) {
    using namespace dravicor;
    using namespace dravicor::fuzz;
    InputReader input(bytes);
    const int operation = input.below(4);
    const int game = input.below(40);
    const int score = static_cast<int>(input.byte()) - 128;
    const std::string player = PlayerName(input.line());
    const std::string other = PlayerName(input.line());
    const std::string_view content = input.rest();

    const std::filesystem::path dir = FreshScratchDir() / "DATA";
    WriteBytes(dir / std::string(kStatisticsFile), content);
    test::FakePlatform fake;
    DataFiles files(dir, fake);
    const SectionDocument before = SectionDocument::Parse(content);
    const std::string section = GameSection(game);
    const std::string key = StatisticsKey(player);
    const std::string otherKey = StatisticsKey(other);
    const Values values = AllValues(before, {{section, key}, {section, otherKey}});

    SettingsRecord settings;
    settings.put(Field::CurrentGame, FormatField(game, 4));
    settings.put(Field::CurrentPlayer, player);
    settings.put(Field::CurrentScore, std::to_string(score));
    settings.put(Field::RunWon, "0007");
    settings.put(Field::RunLost, "0003");
    const auto stored = before.ReadValue(section, key);
    const StatRecord old = stored ? StatRecord::FromText(*stored) : StatRecord{};
    DRAVICOR_FUZZ_CHECK(StatRecord::FromText(old.ToText()) == old, "a record reads back as written");

    switch (operation) {
        case 0:
        case 1: {
            const bool won = operation == 0;
            if (player.empty()) return;  // a player always has a name
            DRAVICOR_FUZZ_CHECK(UpdateStatistics(files, settings, won), "the update is written");
            const StatisticsView view = ReadStatistics(files, settings, game, player);
            StatRecord expected = old;
            (won ? expected.won : expected.lost) += 1;
            expected.currentWinStreak = won ? old.currentWinStreak + 1 : 0;
            expected.currentLossStreak = won ? 0 : old.currentLossStreak + 1;
            expected.bestWinStreak = std::max(old.bestWinStreak, expected.currentWinStreak);
            expected.worstLossStreak = std::max(old.worstLossStreak, expected.currentLossStreak);
            expected.totalScore = old.totalScore + score;
            // Six digits hold the counts; a count past them is what the
            // format cannot keep, and no player gets there.
            if (expected.ToText().find('*') != std::string::npos) return;
            DRAVICOR_FUZZ_CHECK(view.record == expected, "the deal counts once in the player's record");
            DRAVICOR_FUZZ_CHECK(view.runWon == (won ? 8 : 7) && view.runLost == (won ? 3 : 4),
                                "the deal counts once in the run counters");
            ExpectOnlyChanged(values, FileNow(files), key, "an update");
            break;
        }
        case 2:
            DRAVICOR_FUZZ_CHECK(ClearStatistics(files, game, player, false, false), "the clear is written");
            DRAVICOR_FUZZ_CHECK(ReadStatistics(files, settings, game, player).record == StatRecord{},
                                "a cleared record reads as zero");
            ExpectOnlyChanged(values, FileNow(files), key, "a clear");
            break;
        default: {
            if (key.empty() || otherKey.empty() || key == otherKey) return;
            // The new name must be new: renaming onto a player who has
            // records merges nothing.
            for (const auto& [where, value] : values) {
                if (where.second == otherKey && value) return;
            }
            DRAVICOR_FUZZ_CHECK(RenamePlayerInDataFiles(files, player, other), "the rename is written");
            const SectionDocument after = FileNow(files);
            for (const auto& name : before.ListSections()) {
                if (ToLower(name) == "version") continue;
                DRAVICOR_FUZZ_CHECK(after.ReadValue(name, otherKey) == before.ReadValue(name, key),
                                    "a renamed player's record moves to the new name in [" + name + "]");
            }
            ExpectOnlyChanged(values, after, key, "a rename", otherKey);
            break;
        }
    }
}
