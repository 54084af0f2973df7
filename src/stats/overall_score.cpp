#include "stats/overall_score.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <cstdint>
#include <optional>
#include <set>
#include <span>

#include "common/settings_record.h"
#include "common/product.h"

namespace dravicor {

namespace {


// The stored values of a player. T01/T02/T03 are the totals of the current
// catalogue size N, GS/GT the best deal of one game. Positions are 1-based.
constexpr std::string_view kTotalScorePrefix = "T01-";
constexpr std::string_view kTotalTimePrefix = "T02-";
constexpr std::string_view kTotalCheckPrefix = "T03-";
constexpr std::string_view kGameScorePrefix = "GS-";
constexpr std::string_view kGameTimePrefix = "GT-";

constexpr size_t kTotalLength = 28;
constexpr size_t kTotalDigits = 12;
constexpr std::array<int, kTotalDigits> kTotalScorePositions = {3, 5, 7, 9, 11, 13, 15, 17, 19, 21, 23, 25};
constexpr std::array<int, kTotalDigits> kTotalTimePositions = {2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24};
constexpr size_t kCheckLength = 12;  // N (4) + checksum (8)
constexpr size_t kCheckSumWidth = 8;

constexpr size_t kGameBody = 10;  // what the checksum in 11-16 covers
constexpr size_t kGameDigits = 6;
constexpr size_t kGameSumWidth = 6;
constexpr std::array<int, kGameDigits> kGameScorePositions = {2, 3, 5, 6, 8, 9};
constexpr std::array<int, kGameDigits> kGameTimePositions = {3, 4, 6, 7, 9, 10};

// The largest score and playing time a game value can hold (six digits).
constexpr long long kMaxGameValue = 999999;

// A missing value reads as this many zeros (after N for T03).
constexpr size_t kDefaultZeros = 30;

std::string FourDigits(int number) { return FormatField(number, 4); }

}  // namespace

std::string OverallScoreSection(std::string_view player) {
    while (!player.empty() && player.back() == ' ') player.remove_suffix(1);
    std::string section(player);
    std::replace(section.begin(), section.end(), ']', ')');
    return section;
}

namespace {

// An optional minus followed by digits; nothing for anything else.
std::optional<long long> ParseNumber(std::string_view text) {
    if (text.empty()) return std::nullopt;
    const size_t digitsFrom = text.front() == '-' ? 1 : 0;
    if (text.size() == digitsFrom) return std::nullopt;
    if (!std::all_of(text.begin() + static_cast<std::ptrdiff_t>(digitsFrom), text.end(),
                     [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// The number spread over the given positions of a text.
std::optional<long long> Gathered(std::string_view text, std::span<const int> positions) {
    std::string digits;
    for (const int position : positions) {
        if (static_cast<size_t>(position) > text.size()) return std::nullopt;
        digits += text[static_cast<size_t>(position) - 1];
    }
    return ParseNumber(digits);
}

std::optional<long long> NumberAt(std::string_view text, size_t from, size_t width) {
    if (from + width > text.size()) return std::nullopt;
    return ParseNumber(text.substr(from, width));
}

struct Totals {
    long long score = 0;
    long long seconds = 0;
};

// The checks of a player's totals; nothing when they fail.
std::optional<Totals> CheckTotals(std::string_view n, std::string_view t01, std::string_view t02,
                                  std::string_view t03) {
    if (t03.substr(0, n.size()) != n) return std::nullopt;
    const auto score = Gathered(t01, kTotalScorePositions);
    const auto seconds = Gathered(t02, kTotalTimePositions);
    const auto checksum = NumberAt(t03, n.size(), kCheckSumWidth);
    if (!score || !seconds || !checksum) return std::nullopt;
    if (*checksum != 0 || *score != 0 || *seconds != 0) {
        std::string covered(n);
        covered += t01;
        covered += t02;
        if (OverallChecksum(covered) != *checksum) return std::nullopt;
    }
    return Totals{*score, *seconds};
}

// The checks of a game value; its number, or nothing when they fail.
std::optional<long long> CheckGameValue(std::string_view value, std::span<const int> positions) {
    const auto number = Gathered(value, positions);
    const auto checksum = NumberAt(value, kGameBody, kGameSumWidth);
    if (!number || !checksum) return std::nullopt;
    if ((*number != 0 || *checksum != 0) && OverallChecksum(value.substr(0, kGameBody)) != *checksum) {
        return std::nullopt;
    }
    return *number;
}

// Only what the program writes: section headers, and in a section the five
// kinds of values (prefix, four digits, "="). Anything else means the file
// was damaged or changed by hand.
bool IsWellFormed(const SectionDocument& document) {
    bool inSection = false;
    for (const auto& line : document.lines()) {
        if (line.empty()) continue;
        if (line.front() == '[') {
            if (line.back() != ']') return false;
            inSection = true;
            continue;
        }
        if (!inSection) return false;
        bool known = false;
        for (const auto prefix : {kTotalScorePrefix, kTotalTimePrefix, kTotalCheckPrefix, kGameScorePrefix,
                                  kGameTimePrefix}) {
            if (line.size() > prefix.size() + 4 && line.starts_with(prefix) &&
                std::all_of(line.begin() + static_cast<std::ptrdiff_t>(prefix.size()),
                            line.begin() + static_cast<std::ptrdiff_t>(prefix.size() + 4),
                            [](char c) { return c >= '0' && c <= '9'; }) &&
                line[prefix.size() + 4] == '=') {
                known = true;
                break;
            }
        }
        if (!known) return false;
    }
    return true;
}

std::string DefaultTotal() { return ScrambleOverall(std::string(kDefaultZeros, '0')); }
std::string DefaultCheck(std::string_view n) { return ScrambleOverall(std::string(n) + std::string(kDefaultZeros, '0')); }

std::mt19937& FillerSource(std::mt19937* given) {
    if (given) return *given;
    thread_local std::mt19937 clockSeeded(
        static_cast<std::mt19937::result_type>(std::chrono::system_clock::now().time_since_epoch().count()));
    return clockSeeded;
}

// A text of filler digits 0-8 with the number's digits at the positions.
std::string Spread(size_t length, std::span<const int> positions, long long number, std::mt19937& random) {
    std::string text(length, '0');
    for (auto& c : text) c = static_cast<char>('0' + random() % 9);
    const std::string digits = FormatField(number, static_cast<int>(positions.size()));
    for (size_t i = 0; i < positions.size(); ++i) text[static_cast<size_t>(positions[i]) - 1] = digits[i];
    return text;
}

std::string GameValue(std::span<const int> positions, long long number, std::mt19937& random) {
    std::string value = Spread(kGameBody, positions, number, random);
    value += FormatField(OverallChecksum(value), static_cast<int>(kGameSumWidth));
    return value;
}

struct PlayerKeys {
    std::string totalScore, totalTime, totalCheck;
    explicit PlayerKeys(std::string_view n)
        : totalScore(std::string(kTotalScorePrefix) + std::string(n)),
          totalTime(std::string(kTotalTimePrefix) + std::string(n)),
          totalCheck(std::string(kTotalCheckPrefix) + std::string(n)) {}
};

}  // namespace

std::string ScrambleOverall(std::string_view text, std::string_view key) {
    std::string scrambled(text);
    if (key.empty()) return scrambled;
    for (size_t i = 0; i < scrambled.size(); ++i) {
        const unsigned sum = static_cast<unsigned char>(text[i]) + static_cast<unsigned char>(key[i % key.size()]);
        scrambled[i] = static_cast<char>(sum % 256);
    }
    return scrambled;
}

std::string UnscrambleOverall(std::string_view text, std::string_view key) {
    std::string plain(text);
    if (key.empty()) return plain;
    for (size_t i = 0; i < plain.size(); ++i) {
        const unsigned difference =
            256u + static_cast<unsigned char>(text[i]) - static_cast<unsigned char>(key[i % key.size()]);
        plain[i] = static_cast<char>(difference % 256);
    }
    return plain;
}

long long OverallChecksum(std::string_view text) {
    // Kept in 32 bits, wrapping as the stored sums always have.
    std::uint32_t sum = 0;
    for (size_t index = 0; index < text.size(); ++index) {
        const std::uint64_t i = index + 1;
        const std::uint64_t k = static_cast<unsigned char>(text[index]);
        // k × i / 2 to the nearest integer, a half to the even neighbour.
        const std::uint64_t product = k * i;
        std::uint64_t half = product / 2;
        if (product % 2 != 0 && half % 2 != 0) ++half;
        sum += static_cast<std::uint32_t>(k + half + (i + k) % 3 + i);
    }
    return static_cast<std::int32_t>(sum);
}

bool UpdateOverallScore(DataFiles& files, Messages& messages, int gameCode, std::string_view player,
                        long long seconds, long long score, int catalogueSize, std::mt19937* random) {
    const std::string section = OverallScoreSection(player);
    const std::string n = FourDigits(catalogueSize);
    const PlayerKeys keys(n);
    const std::string g = FourDigits(gameCode);
    const std::string gameScoreKey = std::string(kGameScorePrefix) + g;
    const std::string gameTimeKey = std::string(kGameTimePrefix) + g;
    // A game value holds six digits: a longer deal or a bigger score is
    // recorded at the most it can hold.
    const long long dealScore = std::min(score, kMaxGameValue);
    const long long dealTime = std::clamp(seconds, 0LL, kMaxGameValue);

    bool spoiled = false;
    bool improved = false;
    const bool done = files.changeSections(
        kOverallScoreFile,
        [&](SectionDocument& document) {
            const bool fresh = document.empty();
            if (!IsWellFormed(document)) {
                spoiled = true;
                return false;
            }
            const auto read = [&](const std::string& key, const std::string& fallback) {
                return UnscrambleOverall(document.ReadValue(section, key).value_or(fallback));
            };
            const std::string t01 = read(keys.totalScore, DefaultTotal());
            const std::string t02 = read(keys.totalTime, DefaultTotal());
            const std::string t03 = read(keys.totalCheck, DefaultCheck(n));
            const std::string gs = read(gameScoreKey, DefaultTotal());
            const std::string gt = read(gameTimeKey, DefaultTotal());
            const auto totals = CheckTotals(n, t01, t02, t03);
            const auto best = CheckGameValue(gs, kGameScorePositions);
            const auto bestTime = CheckGameValue(gt, kGameTimePositions);
            if (!totals || !best || !bestTime) {
                spoiled = true;
                return false;
            }
            if (dealScore <= 0 || !(dealScore > *best || (dealScore == *best && dealTime < *bestTime))) {
                return fresh;  // nothing to record; a missing file is still created (empty)
            }
            std::mt19937& source = FillerSource(random);
            const std::string newT01 =
                Spread(kTotalLength, kTotalScorePositions, totals->score - *best + dealScore, source);
            const std::string newT02 =
                Spread(kTotalLength, kTotalTimePositions, totals->seconds - *bestTime + dealTime, source);
            const std::string newT03 =
                n + FormatField(OverallChecksum(n + newT01 + newT02), static_cast<int>(kCheckSumWidth));
            const std::string newGs = GameValue(kGameScorePositions, dealScore, source);
            const std::string newGt = GameValue(kGameTimePositions, dealTime, source);
            document.WriteValue(section, keys.totalScore, ScrambleOverall(newT01));
            document.WriteValue(section, keys.totalTime, ScrambleOverall(newT02));
            document.WriteValue(section, keys.totalCheck, ScrambleOverall(newT03));
            document.WriteValue(section, gameScoreKey, ScrambleOverall(newGs));
            document.WriteValue(section, gameTimeKey, ScrambleOverall(newGt));
            improved = true;
            return true;
        },
        SectionDocument());
    // The lock is released by now: the spoiled file is deleted in a step of
    // its own.
    if (spoiled) ReportSpoiledOverallScores(files, messages);
    return done && improved;
}

std::vector<OverallRank> ReadOverallScores(DataFiles& files, Messages& messages, int catalogueSize) {
    const auto document = files.readSections(kOverallScoreFile);
    if (!document) return {};
    if (!IsWellFormed(*document)) {
        ReportSpoiledOverallScores(files, messages);
        return {};
    }
    const std::string n = FourDigits(catalogueSize);
    const PlayerKeys keys(n);
    std::vector<OverallRank> ranking;
    std::set<std::string> seen;
    for (const auto& player : document->ListSections()) {
        if (!seen.insert(player).second) continue;  // only the first section of a name counts
        const std::string t01 = document->ReadValue(player, keys.totalScore).value_or(DefaultTotal());
        const std::string t02 = document->ReadValue(player, keys.totalTime).value_or(DefaultTotal());
        const std::string t03 = document->ReadValue(player, keys.totalCheck).value_or(DefaultCheck(n));
        const auto totals = CheckTotals(n, UnscrambleOverall(t01), UnscrambleOverall(t02), UnscrambleOverall(t03));
        if (!totals) {
            ReportSpoiledOverallScores(files, messages);
            return {};
        }
        OverallRank rank{player, totals->score, totals->seconds,
                         t01.substr(0, kTotalLength) + t02.substr(0, kTotalLength) + t03.substr(0, kCheckLength)};
        const auto before = std::find_if(ranking.begin(), ranking.end(), [&](const OverallRank& ranked) {
            return ranked.score < rank.score || (ranked.score == rank.score && ranked.seconds > rank.seconds);
        });
        ranking.insert(before, std::move(rank));
    }
    return ranking;
}

std::vector<OverallDetail> ReadOverallDetails(DataFiles& files, Messages& messages, std::string_view player,
                                              const std::vector<int>& gameCodes) {
    const auto document = files.readSections(kOverallScoreFile).value_or(SectionDocument());
    if (!IsWellFormed(document)) {
        ReportSpoiledOverallScores(files, messages);
        return {};
    }
    const std::string section = OverallScoreSection(player);
    std::vector<OverallDetail> details;
    details.reserve(gameCodes.size());
    for (const int code : gameCodes) {
        const std::string g = FourDigits(code);
        const auto read = [&](std::string_view prefix) {
            return UnscrambleOverall(
                document.ReadValue(section, std::string(prefix) + g).value_or(DefaultTotal()));
        };
        const auto score = CheckGameValue(read(kGameScorePrefix), kGameScorePositions);
        const auto seconds = CheckGameValue(read(kGameTimePrefix), kGameTimePositions);
        if (!score || !seconds) {
            ReportSpoiledOverallScores(files, messages);
            return {};
        }
        details.push_back({code, *score, *seconds});
    }
    return details;
}

void ReportSpoiledOverallScores(DataFiles& files, Messages& messages) {
    files.remove(kOverallScoreFile);
    messages.showMessage(
        "It looks as if the Overall Score Values are wrong or spoiled.\r"
        "The Overall Score Values will be deleted and its calculation will start again from zero.",
        kProductName, MessageIcon::Information);
}

}  // namespace dravicor
