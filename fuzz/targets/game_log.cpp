// The game log (DATA/STAT_LOG.DAT). The input steers one operation and
// supplies the file: "OP\nPLAYER\nOTHER\n" then the file's bytes.
//   - the log reads as its complete lines (a torn tail is no deal);
//   - a finished deal adds exactly its line after the last complete line
//     (a torn tail is cut), and every earlier line stays byte for byte;
//   - the log view keeps exactly the lines of the chosen player, newest first;
//   - a clear for one player drops exactly that player's lines;
//   - a rename changes exactly the player column of that player's lines.
#include "common/settings_record.h"
#include "common/text.h"
#include "fuzz_support.h"
#include "stats/game_log.h"
#include "stats/game_log_rows.h"
#include "stats/statistics.h"
#include "support/fake_platform.h"

namespace dravicor::fuzz {
namespace {

std::string PlayerOf(std::string_view line) {
    return std::string(TrimRight(GameLogColumn(line, kGameLogPlayerColumn, kGameLogPlayerWidth)));
}

}  // namespace
}  // namespace dravicor::fuzz

DRAVICOR_FUZZ_TARGET(game_log) {
    using namespace dravicor;
    using namespace dravicor::fuzz;
    InputReader input(bytes);
    const int operation = input.below(4);
    const std::string player = PlayerName(input.line());
    const std::string other = PlayerName(input.line());
    const std::string_view content = input.rest();

    const std::filesystem::path dir = FreshScratchDir() / "DATA";
    const std::filesystem::path file = dir / std::string(kGameLogFile);
    WriteBytes(file, content);
    test::FakePlatform fake;
    DataFiles files(dir, fake);
    // A last line without its line end is the torn tail of a cut append.
    const std::vector<std::string> lines = SplitLines(CompleteLogLines(content));
    DRAVICOR_FUZZ_CHECK(ReadGameLog(files) == lines, "the log reads as its complete lines");
    for (const auto& line : lines) (void)GameLogRowOf(line);

    switch (operation) {
        case 0: {
            SettingsRecord settings;
            settings.put(Field::CurrentGame, "0012");
            settings.put(Field::CurrentGameName, "Fuzz Patience");
            settings.put(Field::CurrentPlayer, player);
            settings.put(Field::ScoringSystem, "01");
            settings.put(Field::CurrentScore, "-52");
            settings.put(Field::CurrentGameNumber, "4242");
            const DealEnd end{"20240229", "23:59:58", 3725};
            DRAVICOR_FUZZ_CHECK(AppendGameLog(files, settings, false, end), "the deal is logged");
            const std::string line = GameLogLine(settings, false, end);
            DRAVICOR_FUZZ_CHECK(line.size() == kGameLogLineLength, "a log line has its length");
            DRAVICOR_FUZZ_CHECK(ReadBytes(file) == std::string(CompleteLogLines(content)) + line + "\r\n",
                                "the deal's line follows the complete lines");
            break;
        }
        case 1: {
            const auto kept = FilterGameLog(lines, player, kAllGames);
            size_t expected = 0;
            for (const auto& line : lines) expected += PlayerOf(line) == player ? 1 : 0;
            DRAVICOR_FUZZ_CHECK(kept.size() == expected, "the filter keeps the player's lines");
            for (const auto& line : kept) DRAVICOR_FUZZ_CHECK(PlayerOf(line) == player, "the filter keeps another's line");
            const auto all = FilterGameLog(lines, kAllPlayers, kAllGames);
            DRAVICOR_FUZZ_CHECK(std::equal(all.begin(), all.end(), lines.rbegin(), lines.rend()),
                                "no filter keeps every line, newest first");
            DRAVICOR_FUZZ_CHECK(!GameLogRows(lines, player, kAllGames).empty(), "the view has a row");
            break;
        }
        case 2: {
            DRAVICOR_FUZZ_CHECK(ClearStatistics(files, 0, player, false, true), "the clear is written");
            std::vector<std::string> expected;
            for (const auto& line : lines) {
                if (PlayerOf(line) != player) expected.push_back(line);
            }
            DRAVICOR_FUZZ_CHECK(ReadGameLog(files) == expected, "a clear drops exactly the player's lines");
            break;
        }
        default: {
            if (player == other) return;
            DRAVICOR_FUZZ_CHECK(RenamePlayerInDataFiles(files, player, other), "the rename is written");
            const std::vector<std::string> after = ReadGameLog(files);
            DRAVICOR_FUZZ_CHECK(after.size() == lines.size(), "a rename keeps every line");
            const std::string from = PadRight(player, kGameLogPlayerWidth);
            for (size_t i = 0; i < lines.size(); ++i) {
                std::string expected = lines[i];
                if (GameLogColumn(expected, kGameLogPlayerColumn, kGameLogPlayerWidth) == from) {
                    expected.replace(kGameLogPlayerColumn - 1, kGameLogPlayerWidth, PadRight(other, kGameLogPlayerWidth));
                }
                DRAVICOR_FUZZ_CHECK(after[i] == expected, "a rename changes only the player column");
            }
            break;
        }
    }
}
