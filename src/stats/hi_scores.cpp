#include "stats/hi_scores.h"

#include <charconv>
#include <vector>

#include "common/settings_record.h"
#include "stats/overall_score.h"
#include "common/product.h"

namespace dravicor {

namespace {

constexpr std::string_view kClearSection = "Clear scores";
constexpr std::string_view kClearedKey = "Cleared";

// Where the fields of an entry stand (0-based column, width).
constexpr size_t kScoreAt = 0, kScoreWidth = 6;
constexpr size_t kTimeAt = 7, kTimeWidth = 6;
constexpr size_t kDateAt = 14, kDateWidth = 8;
constexpr size_t kTimeOfDayAt = 23, kTimeOfDayWidth = 8;
constexpr size_t kPlayerAt = 32, kPlayerWidth = 30;
constexpr size_t kGameNumberAt = 63, kGameNumberWidth = 15;
constexpr size_t kResultAt = 79, kResultWidth = 4;

// What an empty place compares as: every real deal beats it.
constexpr long long kNoScore = -999999;
constexpr long long kNoTime = 999999;

// The invented players of a seeded table: "* " marks them as invented so
// that they are not taken for real players.
constexpr std::array<std::string_view, kHiScorePlaces> kInventedPlayers = {
    "* Amelia", "* Bruno",  "* Celeste", "* Dorian",   "* Elise",    "* Florin",   "* Greta",
    "* Hektor", "* Ilona",  "* Jasper",  "* Katalin",  "* Lionel",   "* Mirela",   "* Nikolai",
    "* Ottilie", "* Pascal", "* Rosalind", "* Severin", "* Thea",    "* Viktor"};
// The share of the reference value each seeded place gets, in 52nds.
constexpr std::array<int, kHiScorePlaces> kSeedShares = {52, 45, 40, 30, 25, 20, 15, 14, 13, 12,
                                                         11, 10, 9,  8,  7,  6,  5,  4,  3,  2};
constexpr std::string_view kSeedGameNumber = "000000000000000";

std::string_view TrimBlanksRight(std::string_view text) {
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

std::string_view Column(std::string_view entry, size_t at, size_t width) {
    if (at >= entry.size()) return {};
    return entry.substr(at, width);
}

// A field holding a whole number (an optional minus and digits, blanks
// around allowed); nothing when it is blank or holds anything else.
std::optional<long long> FieldNumber(std::string_view entry, size_t at, size_t width) {
    std::string_view text = Column(entry, at, width);
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    text = TrimBlanksRight(text);
    if (text.empty()) return std::nullopt;
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

bool IsEmptyEntry(std::string_view entry) {
    return Column(entry, kScoreAt, kScoreWidth).find_first_not_of(' ') == std::string_view::npos;
}

std::string EntryText(long long score, long long seconds, std::string_view date, std::string_view timeOfDay,
                      std::string_view player, std::string_view gameNumber, bool won) {
    std::string entry;
    entry.reserve(kHiScoreEntryWidth + kHiScoreEndMark.size());
    entry += FormatField(score, static_cast<int>(kScoreWidth));
    entry += ' ';
    entry += FormatField(seconds, static_cast<int>(kTimeWidth));
    entry += ' ';
    entry += PadRight(date, kDateWidth);
    entry += ' ';
    entry += PadRight(timeOfDay, kTimeOfDayWidth);
    entry += ' ';
    entry += PadRight(player, kPlayerWidth);
    entry += ' ';
    entry += PadRight(gameNumber, kGameNumberWidth);
    entry += ' ';
    entry += won ? "Won " : "Lost";
    entry += kHiScoreEndMark;
    return entry;
}

std::string GameSectionName(int gameCode) { return FormatField(gameCode, 4); }

std::vector<std::string> TableKeys(std::string_view scoringSystem) {
    const std::string system = scoringSystem.empty() ? std::string("01") : std::string(scoringSystem);
    std::vector<std::string> keys;
    keys.reserve(kHiScorePlaces);
    for (int place = 1; place <= kHiScorePlaces; ++place) keys.push_back(system + "-" + FormatField(place, 2));
    return keys;
}

HiScoreTable ReadTable(const SectionDocument& document, const std::string& section,
                       const std::vector<std::string>& keys) {
    HiScoreTable table;
    const auto values = document.ReadValues(section, keys, {});
    for (size_t i = 0; i < table.size() && i < values.size(); ++i) table[i] = values[i];
    return table;
}

bool IsCleared(const SectionDocument& document) {
    return document.ReadValue(kClearSection, kClearedKey, "N") == "Y";
}

// Every entry at its full width with the end mark, empty places as blanks.
std::vector<std::string> NormalisedEntries(const HiScoreTable& table) {
    std::vector<std::string> entries;
    entries.reserve(table.size());
    for (const auto& entry : table) entries.push_back(PadRight(entry, kHiScoreEntryWidth) + std::string(kHiScoreEndMark));
    return entries;
}

// Half-way values go to the even neighbour; the divisor is positive.
long long DivideRoundingHalfEven(long long numerator, long long divisor) {
    long long quotient = numerator / divisor;
    long long remainder = numerator % divisor;
    if (remainder < 0) {
        remainder += divisor;
        --quotient;
    }
    if (2 * remainder > divisor || (2 * remainder == divisor && quotient % 2 != 0)) ++quotient;
    return quotient;
}

// The place the deal takes, the entries below moved down one place and the
// last one dropped; -1 when it takes none.
int InsertEntry(HiScoreTable& table, const std::string& entry, long long score, long long seconds) {
    for (int place = 0; place < kHiScorePlaces; ++place) {
        const std::string& old = table[static_cast<size_t>(place)];
        long long oldScore = kNoScore;
        long long oldTime = kNoTime;
        if (!IsEmptyEntry(old)) {
            oldScore = FieldNumber(old, kScoreAt, kScoreWidth).value_or(kNoScore);
            oldTime = FieldNumber(old, kTimeAt, kTimeWidth).value_or(kNoTime);
        }
        if (score > oldScore || (score == oldScore && seconds < oldTime)) {
            for (int below = kHiScorePlaces - 1; below > place; --below) {
                table[static_cast<size_t>(below)] = std::move(table[static_cast<size_t>(below - 1)]);
            }
            table[static_cast<size_t>(place)] = entry;
            return place;
        }
    }
    return -1;
}

}  // namespace

std::string FormatSeconds(long long seconds) {
    if (seconds < 0) return "-" + FormatSeconds(0 - seconds);
    const long long hours = seconds / 3600;
    const long long minutes = seconds / 60 % 60;
    return std::to_string(hours) + ":" + FormatField(minutes, 2) + ":" + FormatField(seconds % 60, 2);
}

bool SeedHiScoreTable(HiScoreTable& table, int referenceValue, const DealEnd& now, bool cleared) {
    if (!IsEmptyEntry(table[0])) return false;
    if (cleared) return false;
    // A game without a reference value has nothing to scale the invented
    // entries to: its table starts empty.
    if (referenceValue <= 0) return false;
    for (size_t place = 0; place < table.size(); ++place) {
        const long long score = DivideRoundingHalfEven(static_cast<long long>(referenceValue) * kSeedShares[place], 52);
        table[place] = EntryText(score, 5 * score, now.date, now.timeOfDay, kInventedPlayers[place], kSeedGameNumber,
                                 true);
    }
    return true;
}

int UpdateHiScores(DataFiles& files, Messages& messages, const HiScoreDeal& deal, int referenceValue,
                   int catalogueSize, std::mt19937* random) {
    const std::string section = GameSectionName(deal.gameCode);
    const auto keys = TableKeys(deal.scoringSystem);
    const long long seconds = deal.end.seconds;
    int place = -1;
    const bool written = files.changeSections(kHiScoreFile, [&](SectionDocument& document) {
        HiScoreTable table = ReadTable(document, section, keys);
        const bool seeded = SeedHiScoreTable(table, referenceValue, deal.end, IsCleared(document));
        const std::string entry = EntryText(deal.score, seconds, deal.end.date, deal.end.timeOfDay, deal.player,
                                            deal.gameNumber, deal.won);
        place = InsertEntry(table, entry, deal.score, seconds);
        if (!seeded && place < 0) {
            // Nothing to write; a missing file is still created with its
            // version section.
            return document.lines() == SectionDocument::WithVersion().lines();
        }
        document.WriteValues(section, keys, NormalisedEntries(table));
        return true;
    });
    if (!written) place = -1;
    UpdateOverallScore(files, messages, deal.gameCode, deal.player, seconds, deal.score, catalogueSize, random);
    return place;
}

HiScoreTable ReadHiScoreTable(DataFiles& files, int gameCode, std::string_view scoringSystem, int referenceValue,
                              const DealEnd& now) {
    const std::string section = GameSectionName(gameCode);
    const auto keys = TableKeys(scoringSystem);
    HiScoreTable table;
    const bool changed = files.changeSections(kHiScoreFile, [&](SectionDocument& document) {
        table = ReadTable(document, section, keys);
        if (!SeedHiScoreTable(table, referenceValue, now, IsCleared(document))) return false;
        document.WriteValues(section, keys, NormalisedEntries(table));
        return true;
    });
    if (!changed) {
        // The seeded table could not be kept; show what the file holds.
        const auto document = files.readSections(kHiScoreFile);
        table = document ? ReadTable(*document, section, keys) : HiScoreTable{};
    }
    return table;
}

bool ClearHiScores(DataFiles& files, Messages& messages) {
    const Answer answer = messages.ask("Are you sure you want to clear Hi-Scores\rfor all players and all games?",
                                       kProductName, MessageButtons::YesNo, MessageIcon::Warning);
    if (answer != Answer::Yes) return false;
    const bool cleared = files.change(kHiScoreFile, [](std::string& content) {
        SectionDocument document = SectionDocument::WithVersion();
        document.lines().emplace_back();
        document.lines().push_back("[" + std::string(kClearSection) + "]");
        document.lines().push_back(std::string(kClearedKey) + "=Y");
        content = document.Serialize();
        return true;
    });
    if (!cleared) return false;
    files.remove(kOverallScoreFile);
    return true;
}

bool UpgradeHiScoreFile(DataFiles& files) {
    bool upgraded = false;
    files.change(kHiScoreFile, [&](std::string& content) {
        // A missing file is created by the first update, already current.
        if (content.empty()) return false;
        const SectionDocument old = SectionDocument::Parse(content);
        if (old.ReadValue(SectionDocument::kVersionSection, SectionDocument::kVersionKey, "0000") ==
            SectionDocument::kVersion) {
            return false;
        }
        SectionDocument current = SectionDocument::WithVersion();
        current.lines().emplace_back();
        const std::string header = "[" + std::string(SectionDocument::kVersionSection) + "]";
        const std::string versionLine = std::string(SectionDocument::kVersionKey) + "=";
        for (const auto& line : old.lines()) {
            if (line == header || line.starts_with(versionLine)) continue;
            if (line.starts_with('0')) {
                // A table line "MM-NN=" + entry: the entry at its full width
                // with the end mark.
                current.lines().push_back(PadRight(line, 6 + kHiScoreEntryWidth) + std::string(kHiScoreEndMark));
            } else {
                current.lines().push_back(line);
            }
        }
        content = current.Serialize();
        upgraded = true;
        return true;
    });
    return upgraded;
}

HiScoreRow ParseHiScoreEntry(std::string_view entry) {
    HiScoreRow row;
    if (IsEmptyEntry(entry)) return row;
    const auto score = FieldNumber(entry, kScoreAt, kScoreWidth);
    if (!score) return row;
    row.empty = false;
    row.score = *score;
    if (const auto seconds = FieldNumber(entry, kTimeAt, kTimeWidth)) row.time = FormatSeconds(*seconds);
    row.date = std::string(TrimBlanksRight(Column(entry, kDateAt, kDateWidth)));
    row.timeOfDay = std::string(TrimBlanksRight(Column(entry, kTimeOfDayAt, kTimeOfDayWidth)));
    row.player = std::string(TrimBlanksRight(Column(entry, kPlayerAt, kPlayerWidth)));
    row.gameNumber = std::string(TrimBlanksRight(Column(entry, kGameNumberAt, kGameNumberWidth)));
    row.won = TrimBlanksRight(Column(entry, kResultAt, kResultWidth)) == "Won";
    return row;
}

std::string HiScoreCompliment(std::string_view gameName) {
    return "Compliments! You entered the " + std::string(TrimBlanksRight(gameName)) + " Hi-Scores!";
}

}  // namespace dravicor
