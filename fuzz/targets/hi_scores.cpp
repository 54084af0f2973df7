// The hi-score file (DATA/STAT_SCR.DAT). The input steers one operation and
// supplies the file: "OP GAME REF SCORE TIME\nPLAYER\n" then the file's bytes.
//   - a finished deal takes the place the table gives it: the places above
//     stay, the deal's entry is at its place, the places below move down one;
//     it takes no place and the table stays when it beats no entry;
//   - nothing else of the file changes: other tables, other games;
//   - reading a table seeds an empty one once: reading again changes no byte;
//   - the upgrade of an older file leaves a current file that a second
//     upgrade does not touch, and keeps every table entry;
//   - every stored entry parses.
#include "common/settings_record.h"
#include "common/text.h"
#include "fuzz_support.h"
#include "stats/hi_score_view.h"
#include "stats/hi_scores.h"
#include "support/fake_platform.h"

namespace dravicor::fuzz {
namespace {

std::string Normalised(std::string_view entry) { return PadRight(entry, kHiScoreEntryWidth) + std::string(kHiScoreEndMark); }

std::vector<std::string> TableKeys() {
    std::vector<std::string> keys;
    for (int place = 1; place <= kHiScorePlaces; ++place) keys.push_back("01-" + FormatField(place, 2));
    return keys;
}

HiScoreTable TableOf(const SectionDocument& document, const std::string& section) {
    HiScoreTable table;
    const auto keys = TableKeys();
    for (size_t i = 0; i < table.size(); ++i) table[i] = document.ReadValue(section, keys[i], "");
    return table;
}

// Every key=value the file holds outside the one table, read as the
// readers read them.
std::map<std::pair<std::string, std::string>, std::string> OtherValues(const SectionDocument& document,
                                                                       const std::string& tableSection) {
    std::map<std::pair<std::string, std::string>, std::string> values;
    const auto keys = TableKeys();
    std::string section;
    for (const auto& line : document.lines()) {
        if (!line.empty() && line.front() == '[') {
            const auto close = line.find(']');
            section = close == std::string::npos ? std::string() : line.substr(1, close - 1);
            continue;
        }
        const auto equals = line.find('=');
        if (equals == std::string::npos) continue;
        const std::string key = line.substr(0, equals);
        if (section == tableSection && std::find(keys.begin(), keys.end(), key) != keys.end()) continue;
        if (const auto value = document.ReadValue(section, key)) values.try_emplace({section, key}, *value);
    }
    return values;
}

void ExpectOthersKept(const SectionDocument& before, const SectionDocument& after, const std::string& section) {
    const auto kept = OtherValues(before, section);
    for (const auto& [key, value] : kept) {
        DRAVICOR_FUZZ_CHECK(after.ReadValue(key.first, key.second) == value,
                            "the update changed [" + key.first + "] " + key.second);
    }
}

}  // namespace
}  // namespace dravicor::fuzz

DRAVICOR_FUZZ_TARGET(hi_scores) {
    using namespace dravicor;
    using namespace dravicor::fuzz;
    InputReader input(bytes);
    const int operation = input.below(3);
    const int game = input.below(40);
    const int reference = input.below(200) - 20;
    const int score = static_cast<int>(input.byte()) * 8 - 1000;
    const int seconds = input.byte() * 40;
    const std::string player = PlayerName(input.line());
    const std::string_view content = input.rest();

    const std::filesystem::path dir = FreshScratchDir() / "DATA";
    const std::filesystem::path file = dir / std::string(kHiScoreFile);
    WriteBytes(file, content);
    test::FakePlatform fake;
    DataFiles files(dir, fake);
    const SectionDocument before = SectionDocument::Parse(content);
    const std::string section = FormatField(game, 4);
    const DealEnd end{"20240229", "23:59:58", seconds};
    for (const auto& line : before.lines()) {
        if (const auto equals = line.find('='); equals != std::string::npos) {
            const HiScoreRow row = ParseHiScoreEntry(std::string_view(line).substr(equals + 1));
            (void)HiScoreCellsOf(0, row);
        }
    }

    switch (operation) {
        case 0: {
            HiScoreTable old = TableOf(before, section);
            SeedHiScoreTable(old, reference, end, before.ReadValue("Clear scores", "Cleared", "N") == "Y");
            HiScoreDeal deal;
            deal.gameCode = game;
            deal.player = player;
            deal.end = end;
            deal.score = score;
            deal.gameNumber = "4242";
            deal.won = true;
            std::mt19937 random(7);
            const int place = UpdateHiScores(files, fake, deal, reference, 32, &random);
            const SectionDocument after = files.readSections(kHiScoreFile).value_or(SectionDocument());
            const HiScoreTable table = TableOf(after, section);
            if (place < 0) {
                for (size_t i = 0; i < table.size(); ++i) {
                    const bool same = table[i] == old[i] || table[i] == Normalised(old[i]);
                    DRAVICOR_FUZZ_CHECK(same, "a deal that takes no place changed place " + std::to_string(i + 1));
                }
            } else {
                DRAVICOR_FUZZ_CHECK(place < kHiScorePlaces, "a place past the table");
                const HiScoreRow row = ParseHiScoreEntry(table[static_cast<size_t>(place)]);
                DRAVICOR_FUZZ_CHECK(!row.empty && row.score == score && row.player == player &&
                                        row.time == FormatSeconds(seconds),
                                    "the deal's entry is at its place");
                for (size_t i = 0; i < table.size(); ++i) {
                    if (static_cast<int>(i) == place) continue;
                    const std::string& expected = old[static_cast<int>(i) < place ? i : i - 1];
                    DRAVICOR_FUZZ_CHECK(table[i] == Normalised(expected),
                                        "place " + std::to_string(i + 1) + " is not where the deal moved it");
                }
                // It belongs there: it beats the entry below it.
                if (place + 1 < kHiScorePlaces) {
                    const HiScoreRow below = ParseHiScoreEntry(table[static_cast<size_t>(place) + 1]);
                    DRAVICOR_FUZZ_CHECK(below.empty || below.score <= score, "the deal sits above a better score");
                }
            }
            ExpectOthersKept(before, after, section);
            break;
        }
        case 1: {
            const HiScoreTable table = ReadHiScoreTable(files, game, "01", reference, end);
            const auto written = ReadBytes(file);
            DRAVICOR_FUZZ_CHECK(ReadHiScoreTable(files, game, "01", reference, end) == table,
                                "a table reads the same twice");
            DRAVICOR_FUZZ_CHECK(ReadBytes(file) == written, "reading a table again changed the file");
            break;
        }
        default: {
            const bool upgraded = UpgradeHiScoreFile(files);
            const auto written = ReadBytes(file);
            DRAVICOR_FUZZ_CHECK(!UpgradeHiScoreFile(files), "a second upgrade rewrote the file");
            DRAVICOR_FUZZ_CHECK(ReadBytes(file) == written, "a second upgrade changed the file");
            if (upgraded) {
                const SectionDocument after = files.readSections(kHiScoreFile).value_or(SectionDocument());
                DRAVICOR_FUZZ_CHECK(after.ReadValue("Version", "Version") == std::string(SectionDocument::kVersion),
                                    "an upgraded file is current");
            }
            break;
        }
    }
}
