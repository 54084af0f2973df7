// The overall-score file (DATA/STAT_GLO.DAT). The input steers one deal and
// supplies the file: "OP GAME SCORE TIME\nPLAYER\n" then the file's bytes.
//   - a file that fails its checks is deleted with its one message, and
//     the overall score starts again from zero;
//   - otherwise a deal that beats the player's best of the game raises the
//     player's overall score by the difference, and no other player's
//     values change; a deal that does not changes nothing;
//   - what an update writes passes every check when read again;
//   - the ranking is ordered by score, then by the shorter time;
//   - scrambling is undone by unscrambling.
#include "common/settings_record.h"
#include "common/text.h"
#include "fuzz_support.h"
#include "stats/overall_score.h"
#include "support/fake_platform.h"

namespace dravicor::fuzz {
namespace {

constexpr int kCatalogueSize = 32;

bool Spoiled(const test::FakePlatform& fake) {
    for (const auto& shown : fake.messages) {
        if (shown.text.starts_with("It looks as if the Overall Score Values are wrong or spoiled.")) return true;
    }
    return false;
}

// The ranking and one player's best of a game, read from a copy of the file
// (reading a spoiled file deletes it).
struct Reading {
    bool spoiled = false;
    std::vector<OverallRank> ranking;
    OverallDetail best;
};

Reading ReadCopy(std::string_view content, const std::string& player, int game) {
    const std::filesystem::path dir = ScratchDir() / "copy" / "DATA";
    std::filesystem::remove_all(dir);
    WriteBytes(dir / std::string(kOverallScoreFile), content);
    test::FakePlatform fake;
    DataFiles files(dir, fake);
    Reading reading;
    reading.ranking = ReadOverallScores(files, fake, kCatalogueSize);
    const auto details = ReadOverallDetails(files, fake, player, {game});
    reading.spoiled = Spoiled(fake);
    if (!details.empty()) reading.best = details.front();
    DRAVICOR_FUZZ_CHECK(reading.spoiled == !std::filesystem::exists(dir / std::string(kOverallScoreFile)),
                        "a spoiled file is deleted, a sound one kept");
    return reading;
}

const OverallRank* RankOf(const std::vector<OverallRank>& ranking, const std::string& player) {
    for (const auto& rank : ranking) {
        if (rank.player == player) return &rank;
    }
    return nullptr;
}

void ExpectOrdered(const std::vector<OverallRank>& ranking) {
    for (size_t i = 1; i < ranking.size(); ++i) {
        const auto& a = ranking[i - 1];
        const auto& b = ranking[i];
        DRAVICOR_FUZZ_CHECK(a.score > b.score || (a.score == b.score && a.seconds <= b.seconds),
                            "the ranking is out of order");
    }
}

}  // namespace
}  // namespace dravicor::fuzz

DRAVICOR_FUZZ_TARGET(overall_score) {
    using namespace dravicor;
    using namespace dravicor::fuzz;
    InputReader input(bytes);
    const int game = input.below(40);
    const long long score = static_cast<long long>(input.byte()) * 4 - 200;
    const long long seconds = input.byte() * 30;
    const std::string player = PlayerName(input.line());
    const std::string_view content = input.rest();

    DRAVICOR_FUZZ_CHECK(UnscrambleOverall(ScrambleOverall(content)) == content, "unscrambling undoes scrambling");
    const Reading before = ReadCopy(content, player, game);
    ExpectOrdered(before.ranking);
    if (player.empty()) return;

    const std::filesystem::path dir = FreshScratchDir() / "DATA";
    const std::filesystem::path file = dir / std::string(kOverallScoreFile);
    WriteBytes(file, content);
    test::FakePlatform fake;
    DataFiles files(dir, fake);
    std::mt19937 random(11);
    const bool improved = UpdateOverallScore(files, fake, game, player, seconds, score, kCatalogueSize, &random);
    const bool spoiledNow = Spoiled(fake);
    DRAVICOR_FUZZ_CHECK(fake.messages.size() == (spoiledNow ? 1u : 0u), "one message, and only for a spoiled file");
    const auto after = ReadBytes(file);
    if (spoiledNow) {
        DRAVICOR_FUZZ_CHECK(!improved && !after, "a spoiled file is deleted");
        return;
    }
    // A file whose player values fail only where this deal does not look
    // (another game, another player's totals) is spoiled for a reading.
    if (before.spoiled) return;
    const Reading now = ReadCopy(after.value_or(""), player, game);
    DRAVICOR_FUZZ_CHECK(!now.spoiled, "what an update writes passes the checks");
    ExpectOrdered(now.ranking);
    const bool better = score > 0 && (std::min(score, 999999LL) > before.best.score ||
                                      (std::min(score, 999999LL) == before.best.score && seconds < before.best.seconds));
    DRAVICOR_FUZZ_CHECK(improved == better, "the deal improves the record exactly when it beats it");
    if (!improved) {
        DRAVICOR_FUZZ_CHECK(after == std::optional<std::string>(std::string(content)) || content.empty(),
                            "a deal that improves nothing changed the file");
        return;
    }
    DRAVICOR_FUZZ_CHECK(now.best.score == score && now.best.seconds == seconds, "the best deal of the game is the new one");
    const OverallRank* was = RankOf(before.ranking, OverallScoreSection(player));
    const OverallRank* is = RankOf(now.ranking, OverallScoreSection(player));
    DRAVICOR_FUZZ_CHECK(is != nullptr, "the player is ranked");
    const long long oldScore = was ? was->score : 0;
    const long long oldSeconds = was ? was->seconds : 0;
    DRAVICOR_FUZZ_CHECK(is->score == oldScore - before.best.score + score &&
                            is->seconds == oldSeconds - before.best.seconds + seconds,
                        "the overall score rises by the improvement");
    for (const auto& rank : before.ranking) {
        if (rank.player == OverallScoreSection(player)) continue;
        const OverallRank* kept = RankOf(now.ranking, rank.player);
        DRAVICOR_FUZZ_CHECK(kept && kept->score == rank.score && kept->seconds == rank.seconds &&
                                kept->rawValues == rank.rawValues,
                            "another player's values changed");
    }
}
