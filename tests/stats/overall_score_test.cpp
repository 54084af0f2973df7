#include "stats/overall_score.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/settings_record.h"
#include "data_files_fixture.h"

namespace dravicor {
namespace {

constexpr int kGames = 120;
const std::string kSpoiled =
    "It looks as if the Overall Score Values are wrong or spoiled.\r"
    "The Overall Score Values will be deleted and its calculation will start again from zero.";

TEST(OverallScramble, AddsTheKeyAlongTheTextAndRoundTripsEveryByte) {
    // '0' is 48; the key "47082" adds 52, 55, 48, 56, 50: 100 'd', 103 'g', 96 '`', 104 'h', 98 'b'.
    EXPECT_EQ(ScrambleOverall("0000000000"), "dg`hbdg`hb");
    EXPECT_EQ(UnscrambleOverall("dg`hbdg`hb"), "0000000000");
    // '9' + '4' = 57 + 52 = 109 'm'; 255 + 52 = 307 → 51 '3', 255 + 55 = 310 → 54 '6'.
    EXPECT_EQ(ScrambleOverall("9"), "m");
    EXPECT_EQ(ScrambleOverall("\xff\xff"), "36");
    // 0 - 52 = -52 → 204.
    EXPECT_EQ(UnscrambleOverall(std::string(1, '\0')), "\xcc");
    // Another key: 'A' + '1' = 114 'r', 'B' + '1' = 115 's'.
    EXPECT_EQ(ScrambleOverall("AB", "1"), "rs");
    EXPECT_EQ(ScrambleOverall("plain", ""), "plain");
    EXPECT_EQ(ScrambleOverall(""), "");
    std::string all;
    for (int c = 0; c < 256; ++c) all += static_cast<char>(c);
    all += all;
    EXPECT_EQ(UnscrambleOverall(ScrambleOverall(all)), all);
    EXPECT_EQ(ScrambleOverall(UnscrambleOverall(all)), all);
    EXPECT_NE(ScrambleOverall(all), all);
    EXPECT_EQ(UnscrambleOverall(ScrambleOverall(all, "x9"), "x9"), all);
}

TEST(OverallChecksumTest, KnownValues) {
    // Per character, at position i with code k: k + round-half-even(k*i/2) + (i + k) mod 3 + i.
    const std::pair<const char*, int> cases[] = {
        {"", 0},
        {"0", 74},     // 48 + 24 + (49 mod 3 = 1) + 1
        {"A", 98},     // 65 + (32.5 → 32) + (66 mod 3 = 0) + 1
        {"AB", 234},   // 98 + [66 + 66 + (68 mod 3 = 2) + 2 = 136]
        {"3", 79},     // 51 + (25.5 → 26) + (52 mod 3 = 1) + 1
        {"abc", 597},  // [97 + (48.5 → 48) + 2 + 1] + [98 + 98 + 1 + 2] + [99 + (148.5 → 148) + 0 + 3]
        {"\xff", 385}, // byte 255 counts as 255: 255 + (127.5 → 128) + (256 mod 3 = 1) + 1
        // The weights are small at the first positions: 74 + [48 + 48 + 2 + 2] = 74 + [49 + 49 + 0 + 2].
        // Such a change of the first characters of a game value cannot be seen by its checksum.
        {"00", 174},
        {"01", 174},
    };
    for (const auto& [text, sum] : cases) EXPECT_EQ(OverallChecksum(text), sum) << text;
}

class OverallScoreTest : public DataFilesFixture {
protected:
    fs::path file() const { return data / kOverallScoreFile; }
    bool update(int game, std::string_view player, long long seconds, long long score, int games = kGames) {
        return UpdateOverallScore(files, platform, game, player, seconds, score, games, &random);
    }
    std::vector<OverallRank> ranking(int games = kGames) { return ReadOverallScores(files, platform, games); }
    // The ranking and a player's best deals as "name score seconds" and
    // "game score seconds" texts.
    std::vector<std::string> ranks(int games = kGames) {
        std::vector<std::string> texts;
        for (const auto& r : ranking(games)) texts.push_back(Row(r.player, r.score, r.seconds));
        return texts;
    }
    std::vector<std::string> details(std::string_view player, const std::vector<int>& games) {
        std::vector<std::string> texts;
        for (const auto& d : ReadOverallDetails(files, platform, player, games)) {
            texts.push_back(Row(std::to_string(d.gameCode), d.score, d.seconds));
        }
        return texts;
    }
    static std::string Row(const std::string& who, long long score, long long seconds) {
        return who + " " + std::to_string(score) + " " + std::to_string(seconds);
    }
    std::string stored(std::string_view player, std::string_view key) {
        const auto document = files.readSections(kOverallScoreFile);
        if (!document) return "<no file>";
        return document->ReadValue(player, key).value_or("<missing>");
    }
    // Replaces the character at a 1-based position of a value, as it reads
    // unscrambled, by the next digit.
    void changeDigit(std::string_view player, std::string_view key, size_t position) {
        auto document = files.readSections(kOverallScoreFile);
        ASSERT_TRUE(document);
        std::string value = UnscrambleOverall(document->ReadValue(player, key).value_or(""));
        ASSERT_LE(position, value.size());
        char& digit = value[position - 1];
        ASSERT_TRUE(digit >= '0' && digit <= '9') << value;
        digit = static_cast<char>('0' + (digit - '0' + 1) % 10);
        document->WriteValue(player, key, ScrambleOverall(value));
        WriteFile(file(), document->Serialize());
    }
    int spoiledMessages() const {
        int count = 0;
        for (const auto& shown : platform.messages) {
            if (shown.text == kSpoiled) ++count;
        }
        return count;
    }

    std::mt19937 random{11};
};

using Texts = std::vector<std::string>;

TEST_F(OverallScoreTest, KeepsTheBestDealOfEveryGame) {
    EXPECT_TRUE(update(1, "Alice", 300, 120));
    EXPECT_EQ(ranks(), Texts{"Alice 120 300"});
    // Same score, 50 seconds quicker.
    EXPECT_TRUE(update(1, "Alice", 250, 120));
    EXPECT_EQ(ranks(), Texts{"Alice 120 250"});

    const std::string before = ReadFile(file());
    EXPECT_FALSE(update(1, "Alice", 100, 110)) << "a lower score";
    EXPECT_FALSE(update(1, "Alice", 250, 120)) << "the same score in the same time";
    EXPECT_FALSE(update(1, "Alice", 251, 120)) << "the same score in a longer time";
    EXPECT_EQ(ReadFile(file()), before);

    // Another game adds to the totals; improving it replaces its share.
    EXPECT_TRUE(update(2, "Alice", 100, 80));
    EXPECT_TRUE(update(2, "Alice", 500, 90));
    EXPECT_EQ(ranks(), Texts{"Alice 210 750"});
    EXPECT_EQ(details("Alice", {1, 2, 3}), (Texts{"1 120 250", "2 90 500", "3 0 0"}));
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(OverallScoreTest, ScoresOfZeroOrBelowChangeNothing) {
    EXPECT_FALSE(update(1, "Alice", 10, 0));
    EXPECT_EQ(ReadFile(file()), "") << "the file is created, empty";
    EXPECT_TRUE(ranking().empty());

    ASSERT_TRUE(update(1, "Alice", 300, 120));
    const std::string before = ReadFile(file());
    EXPECT_FALSE(update(1, "Alice", 1, 0));
    EXPECT_FALSE(update(1, "Alice", 1, -5));
    EXPECT_FALSE(update(3, "Alice", 1, -5));
    EXPECT_FALSE(update(3, "Bob", 1, 0));
    EXPECT_EQ(ReadFile(file()), before);
    EXPECT_EQ(ranking().size(), 1u);
}

TEST_F(OverallScoreTest, ValuesFollowTheirLayout) {
    ASSERT_TRUE(update(7, "Bob", 4321, 654));
    const std::string bytes = ReadFile(file());
    const auto lines = SectionDocument::Parse(bytes).lines();
    ASSERT_EQ(lines.size(), 8u) << bytes;
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], "[Bob]");
    const char* keys[] = {"T01-0120=", "T02-0120=", "T03-0120=", "GS-0007=", "GT-0007="};
    for (size_t i = 0; i < 5; ++i) EXPECT_TRUE(lines[2 + i].starts_with(keys[i])) << lines[2 + i];
    EXPECT_EQ(lines[7], "");

    const auto filler = [](char c) { return c >= '0' && c <= '8'; };
    // A total's digits stand at every second position from `first` to `last`,
    // filler digits everywhere else.
    const auto digitsOf = [&](const std::string& value, size_t first, size_t last) {
        EXPECT_EQ(value.size(), 28u);
        std::string digits;
        for (size_t p = 1; p <= value.size(); ++p) {
            if (p >= first && p <= last && (p - first) % 2 == 0) {
                digits += value[p - 1];
            } else {
                EXPECT_TRUE(filler(value[p - 1])) << "position " << p << ": " << value;
            }
        }
        return digits;
    };
    const std::string t01 = UnscrambleOverall(stored("Bob", "T01-0120"));
    const std::string t02 = UnscrambleOverall(stored("Bob", "T02-0120"));
    EXPECT_EQ(digitsOf(t01, 3, 25), "000000000654");
    EXPECT_EQ(digitsOf(t02, 2, 24), "000000004321");

    const std::string t03 = UnscrambleOverall(stored("Bob", "T03-0120"));
    EXPECT_EQ(t03, "0120" + FormatField(OverallChecksum("0120" + t01 + t02), 8));

    const std::string gs = UnscrambleOverall(stored("Bob", "GS-0007"));
    ASSERT_EQ(gs.size(), 16u);
    EXPECT_EQ(gs.substr(1, 2) + gs.substr(4, 2) + gs.substr(7, 2), "000654");
    for (size_t p : {1, 4, 7, 10}) EXPECT_TRUE(filler(gs[p - 1])) << "GS position " << p << ": " << gs;
    EXPECT_EQ(gs.substr(10), FormatField(OverallChecksum(gs.substr(0, 10)), 6));

    const std::string gt = UnscrambleOverall(stored("Bob", "GT-0007"));
    ASSERT_EQ(gt.size(), 16u);
    EXPECT_EQ(gt.substr(2, 2) + gt.substr(5, 2) + gt.substr(8, 2), "004321");
    for (size_t p : {1, 2, 5, 8}) EXPECT_TRUE(filler(gt[p - 1])) << "GT position " << p << ": " << gt;
    EXPECT_EQ(gt.substr(10), FormatField(OverallChecksum(gt.substr(0, 10)), 6));
}

TEST_F(OverallScoreTest, FillerDigitsComeFromTheGeneratorGiven) {
    // The file one deal writes with this generator, or the program's own.
    const auto written = [&](std::mt19937* generator) {
        TempDir other;
        DataFiles otherFiles(other.path(), platform);
        EXPECT_TRUE(UpdateOverallScore(otherFiles, platform, 1, "Alice", 300, 120, kGames, generator));
        EXPECT_EQ(ReadOverallScores(otherFiles, platform, kGames).at(0).score, 120);
        return ReadFile(other / std::string(kOverallScoreFile));
    };
    std::mt19937 sameSeed{11};
    std::mt19937 otherSeed{12};
    ASSERT_TRUE(update(1, "Alice", 300, 120));
    EXPECT_EQ(ReadFile(file()), written(&sameSeed));
    EXPECT_NE(ReadFile(file()), written(&otherSeed));
    written(nullptr);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(OverallScoreTest, EqualScoresAreRankedByTheSmallerTime) {
    ASSERT_TRUE(update(1, "Anna", 300, 100));
    ASSERT_TRUE(update(1, "Ben", 200, 100));
    ASSERT_TRUE(update(4, "Cleo", 900, 150));
    ASSERT_TRUE(update(2, "Dina", 200, 100));
    ASSERT_TRUE(update(3, "Emil", 50, 20));
    EXPECT_EQ(ranks(), (Texts{"Cleo 150 900", "Ben 100 200", "Dina 100 200", "Anna 100 300", "Emil 20 50"}));
}

TEST_F(OverallScoreTest, AnotherCatalogueSizeStartsFreshTotals) {
    ASSERT_TRUE(update(1, "Alice", 300, 120, 120));
    EXPECT_EQ(ranks(121), Texts{"Alice 0 0"});
    // The game's best deal stays: the same deal is no improvement.
    EXPECT_FALSE(update(1, "Alice", 300, 120, 121));
    EXPECT_TRUE(update(2, "Alice", 50, 40, 121));
    EXPECT_EQ(ranks(121), Texts{"Alice 40 50"});
    EXPECT_EQ(ranks(120), Texts{"Alice 120 300"});
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(OverallScoreTest, RawValuesAreTheStoredTexts) {
    ASSERT_TRUE(update(1, "Alice", 300, 120));
    const auto ranks = ranking();
    ASSERT_EQ(ranks.size(), 1u);
    EXPECT_EQ(ranks[0].rawValues.size(), 68u);
    EXPECT_EQ(ranks[0].rawValues, stored("Alice", "T01-0120").substr(0, 28) + stored("Alice", "T02-0120").substr(0, 28) +
                                      stored("Alice", "T03-0120").substr(0, 12));
}

TEST_F(OverallScoreTest, APlayerNameIsTheSectionWithoutTrailingBlanks) {
    ASSERT_TRUE(update(1, "Alice   ", 300, 120));
    EXPECT_NE(stored("Alice", "GS-0001"), "<missing>");
    EXPECT_FALSE(update(1, "Alice", 300, 120)) << "the same player";
    EXPECT_EQ(details("Alice  ", {1}), Texts{"1 120 300"});
}

TEST_F(OverallScoreTest, AMissingFileReadsAsNothing) {
    EXPECT_TRUE(ranking().empty());
    EXPECT_EQ(details("Alice", {1, 5}), (Texts{"1 0 0", "5 0 0"}));
    EXPECT_FALSE(fs::exists(file()));
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(OverallScoreTest, ValuesBeyondSixDigitsAreKeptAtTheMost) {
    ASSERT_TRUE(update(1, "Alice", 5000000, 2000000));
    EXPECT_EQ(details("Alice", {1}), Texts{"1 999999 999999"});
    EXPECT_EQ(ranks(), Texts{"Alice 999999 999999"});
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(OverallScoreTest, ReportingASpoiledFileDeletesItAndSaysWhy) {
    ASSERT_TRUE(update(1, "Alice", 300, 120));
    ReportSpoiledOverallScores(files, platform);
    EXPECT_FALSE(fs::exists(file()));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, kSpoiled);
    EXPECT_EQ(platform.messages[0].caption, "Dravicor");
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Information);
}

struct Tampering {
    std::string key;
    size_t position;
};

std::vector<Tampering> EveryCheckedDigit() {
    std::vector<Tampering> cases;
    for (size_t p = 1; p <= 28; ++p) cases.push_back({"T01-0120", p});
    for (size_t p = 1; p <= 28; ++p) cases.push_back({"T02-0120", p});
    for (size_t p = 1; p <= 12; ++p) cases.push_back({"T03-0120", p});
    // From the fourth character on; see the checksum's known values for the
    // first three.
    for (size_t p = 4; p <= 16; ++p) cases.push_back({"GS-0001", p});
    for (size_t p = 4; p <= 16; ++p) cases.push_back({"GT-0001", p});
    return cases;
}

// A changed digit is found by the next update and by the next display alike.
TEST_F(OverallScoreTest, ChangingOneDigitSpoilsTheFile) {
    for (const auto& tampering : EveryCheckedDigit()) {
        SCOPED_TRACE(tampering.key + " position " + std::to_string(tampering.position));
        fs::remove(file());
        ASSERT_TRUE(update(1, "Alice", 300, 120));
        ASSERT_TRUE(update(2, "Bob", 200, 90));
        changeDigit("Alice", tampering.key, tampering.position);
        const int before = spoiledMessages();
        EXPECT_FALSE(update(1, "Alice", 1, 1)) << "even a deal that improves nothing";
        EXPECT_EQ(spoiledMessages(), before + 1);
        EXPECT_FALSE(fs::exists(file()));

        ASSERT_TRUE(update(1, "Alice", 300, 120));
        ASSERT_TRUE(update(2, "Bob", 200, 90));
        changeDigit("Alice", tampering.key, tampering.position);
        if (tampering.key.starts_with("T")) {
            EXPECT_TRUE(ranking().empty());
        } else {
            // The totals are intact; the game values are checked by the details.
            EXPECT_EQ(ranking().size(), 2u);
            EXPECT_TRUE(ReadOverallDetails(files, platform, "Alice", {1, 2}).empty());
        }
        EXPECT_EQ(spoiledMessages(), before + 2);
        EXPECT_FALSE(fs::exists(file()));
    }
    // And everything starts again from zero.
    EXPECT_TRUE(update(1, "Alice", 300, 120));
    EXPECT_EQ(ranks(), Texts{"Alice 120 300"});
}

TEST_F(OverallScoreTest, AnotherPlayersChangedValuesAreFoundByTheRanking) {
    ASSERT_TRUE(update(1, "Alice", 300, 120));
    ASSERT_TRUE(update(1, "Bob", 200, 90));
    changeDigit("Bob", "T01-0120", 25);
    // Alice's own values are sound: her update goes through.
    EXPECT_TRUE(update(2, "Alice", 10, 10));
    EXPECT_TRUE(ranking().empty());
    EXPECT_EQ(spoiledMessages(), 1);
}

TEST_F(OverallScoreTest, DamagedFilesAreSpoiled) {
    ASSERT_TRUE(update(1, "Alice", 300, 120));
    const std::string sound = ReadFile(file());
    const std::string t02Line = "T02-0120=";
    const size_t t02 = sound.find(t02Line);
    ASSERT_NE(t02, std::string::npos);
    const std::string damaged[] = {
        "\x01\x02garbage\xff\xfe no sections at all",
        "[Alice]\r\nT01-0120=" + std::string(28, '\0') + "\r\n",
        sound.substr(0, t02 + t02Line.size() + 10),  // cut inside T02
        sound.substr(0, t02),                         // cut before T02: its default no longer matches
        "[Alice]\r\nT01-0120=" + std::string(1 << 20, 'd') + "\r\n",
        "[Alice]\r\nT03-0120=" + ScrambleOverall("012") + "\r\n",
        "[Alice]\r\nT03-0120=" + ScrambleOverall("0120000") + "\r\n",
        "[Alice]\r\nHello=1\r\n",
        "[Alice\r\nT01-0120=" + ScrambleOverall(std::string(28, '0')) + "\r\n",
        "[Alice]\r\nT01-0120=" + ScrambleOverall("0000-00000000000000000000000") + "\r\n",
    };
    int expected = 0;
    for (const auto& bytes : damaged) {
        SCOPED_TRACE(bytes.substr(0, 40));
        WriteFile(file(), bytes);
        EXPECT_TRUE(ranking().empty());
        EXPECT_EQ(spoiledMessages(), ++expected);
        EXPECT_FALSE(fs::exists(file()));

        WriteFile(file(), bytes);
        EXPECT_FALSE(update(1, "Alice", 300, 120));
        EXPECT_EQ(spoiledMessages(), ++expected);
        EXPECT_FALSE(fs::exists(file()));
        EXPECT_TRUE(update(1, "Alice", 300, 120)) << "counting starts again";
        EXPECT_EQ(ranking().size(), 1u);
    }
}

TEST_F(OverallScoreTest, SectionsWithoutValuesReadAsZeros) {
    // Missing keys and sections of players without values read as zeros.
    WriteFile(file(), "\r\n[Nobody]\r\n\r\n[Alice]\r\nGS-0009=" + ScrambleOverall(std::string(30, '0')) + "\r\n");
    EXPECT_EQ(ranks(), (Texts{"Nobody 0 0", "Alice 0 0"}));
    EXPECT_TRUE(update(9, "Alice", 10, 10));
    EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace dravicor
