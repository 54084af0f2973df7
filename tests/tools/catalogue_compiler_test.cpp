#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "catalogue_writer.h"
#include "game_source.h"
#include "rules/catalogue.h"
#include "rules/rule_parameters.h"
#include "support/temp_dir.h"

namespace dravicor::catalogue {
namespace {

using test::TempDir;
using test::WriteFile;

constexpr const char* kMinimal =
    "code 0\nname Tiny\nfamily 7\n"
    "CardCount 52\nFoundationCount 4\nTableauCount 2\nReserveCount 1\n"
    "GameTime 2\nDifficulty 0\nSkillOrChance 2\nChanceOfWinning 1\n";

std::vector<SourceError> ErrorsOf(const std::string& text) {
    std::vector<SourceError> errors;
    ParseGameSource(text, "tiny.game", errors);
    return errors;
}

// The single message expected for a source, with its line.
void ExpectOneError(const std::string& text, int line, const std::string& part) {
    const auto errors = ErrorsOf(text);
    ASSERT_EQ(errors.size(), 1u) << text << "\nfirst: " << (errors.empty() ? "" : errors[0].text());
    EXPECT_EQ(errors[0].line, line) << errors[0].text();
    EXPECT_NE(errors[0].text().find(part), std::string::npos) << errors[0].text();
    EXPECT_EQ(errors[0].text().rfind("tiny.game:", 0), 0u) << "the message names the file";
}

TEST(GameSource, ReadsHeaderValuesBlocksAndRules) {
    std::vector<SourceError> errors;
    const GameSource game = ParseGameSource(std::string(kMinimal) +
                                                "listed no\nselected yes   # a comment\n"
                                                "TableauDealCount[*] 3   # both piles\n"
                                                "FoundationFirstCard[1..3] 1\nStopRank 5\nMoveLimit -1\n"
                                                "rules\n  First paragraph,\n  continued.\n\n  Second # not a comment\n",
                                            "tiny.game", errors);
    ASSERT_TRUE(errors.empty()) << errors[0].text();
    EXPECT_EQ(game.code, 0);
    EXPECT_EQ(game.name, "Tiny");
    EXPECT_EQ(game.family, 7);
    EXPECT_FALSE(game.listed);
    EXPECT_TRUE(game.selected);
    EXPECT_EQ(game.rules, "First paragraph, continued.\n\nSecond # not a comment");
    EXPECT_EQ(game.values.at(263).value, 3);
    EXPECT_EQ(game.values.at(264).value, 3);
    EXPECT_FALSE(game.values.contains(265)) << "[*] covers only the game's piles";
    EXPECT_EQ(game.values.at(32).value, 5);
    EXPECT_EQ(game.values.at(33).value, 1);
    EXPECT_EQ(game.values.at(35).value, 1);
    EXPECT_EQ(game.values.at(11).value, -1);
}

TEST(GameSource, EveryKindOfMistakeIsReportedWithItsLine) {
    const std::string base = std::string(kMinimal) + "rules\nText.\n";
    const auto with = [&](const std::string& line) { return line + "\n" + base; };
    ExpectOneError(with("FoundationCont 4"), 1, "unknown parameter \"FoundationCont\"");
    ExpectOneError(with("MoveLimit lots"), 1, "whole number");
    ExpectOneError(with("FoundationDirection[0] 5"), 1, "outside 0 to 4");
    ExpectOneError(with("TableauDealCount[2] 1"), 1, "beyond the game's 2 tableau piles");
    ExpectOneError(with("TableauDealCount[26] 1"), 1, "beyond the 26 tableau piles");
    ExpectOneError(with("ReserveDealCount[0..1] 4"), 1, "beyond the game's 1 reserves");
    ExpectOneError(with("MoveLimit[0] 1"), 1, "takes no index");
    ExpectOneError(with("TableauBuild 3"), 1, "needs a pile index");
    ExpectOneError(with("TableauBuild[x] 3"), 1, "bad index");
    ExpectOneError(with("TableauBuild[3..1] 3"), 1, "bad index range");
    ExpectOneError(with("StopRank 7\nFoundationFirstCard[0] 1"), 2, "contradicts StopRank = 7");
    ExpectOneError(with("MoveLimit 1\nMoveLimit 2"), 2, "contradicts MoveLimit = 1");
    ExpectOneError(with("name Other"), 3, "name is given twice");
    ExpectOneError(with("code 1000"), 1, "0 to 999");
    ExpectOneError(with("family 1"), 1, "2 to 13");
    ExpectOneError(with("listed maybe"), 1, "yes or no");
    std::string unnamed = base;
    unnamed.erase(unnamed.find("name Tiny\n"), 10);
    ExpectOneError("name Caf\xc3\xa9\n" + unnamed, 1, "plain ASCII");
    ExpectOneError("name " + std::string(51, 'x') + "\n" + unnamed, 1, "longer than 50");
    // The same value twice, under two names, is no contradiction.
    EXPECT_TRUE(ErrorsOf(with("StopRank 1\nFoundationFirstCard[0] 1")).empty());
}

TEST(GameSource, MissingValuesAreNamed) {
    const auto errors = ErrorsOf("code 3\n");
    std::string all;
    for (const auto& e : errors) all += e.text() + "\n";
    for (const char* missing : {"no name", "no family", "no rules text", "no value for CardCount",
                                "no value for TableauCount", "no value for ChanceOfWinning"}) {
        EXPECT_NE(all.find(missing), std::string::npos) << missing << " not in:\n" << all;
    }
    std::string twoDecksAndABit = kMinimal;
    twoDecksAndABit.replace(twoDecksAndABit.find("CardCount 52"), 12, "CardCount 60");
    ExpectOneError(twoDecksAndABit + "rules\nx\n", 4, "52 or fewer");
}

GameSource Game(int code, const std::string& name) {
    std::vector<SourceError> errors;
    std::string text = kMinimal;
    text.replace(text.find("code 0"), 6, "code " + std::to_string(code));
    text.replace(text.find("Tiny"), 4, name);
    return ParseGameSource(text + "rules\nx\n", name + ".game", errors);
}

TEST(Catalogue, CodesMustBeUniqueDenseAndNamesUnique) {
    std::vector<SourceError> errors;
    CheckCatalogue({Game(0, "A"), Game(1, "B")}, errors);
    EXPECT_TRUE(errors.empty());
    CheckCatalogue({Game(0, "A"), Game(0, "B")}, errors);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].message.find("code 0 is also used by A.game"), std::string::npos);
    errors.clear();
    CheckCatalogue({Game(0, "A"), Game(1, "A")}, errors);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].message.find("name \"A\""), std::string::npos);
    errors.clear();
    CheckCatalogue({Game(0, "A"), Game(2, "C")}, errors);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].message.find("no game has code 1"), std::string::npos);
}

std::vector<GameSource> ShippedGames() {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(DRAVICOR_GAME_SOURCE_DIR)) {
        if (entry.path().extension() == ".game") files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    std::vector<SourceError> errors;
    std::vector<GameSource> games;
    for (const auto& f : files) games.push_back(ReadGameSource(f, errors));
    CheckCatalogue(games, errors);
    for (const auto& e : errors) ADD_FAILURE() << e.text();
    return games;
}

TEST(Catalogue, WrittenFileHasTheFixedLayout) {
    std::vector<GameSource> games = {Game(1, "Second"), Game(0, "First")};
    games[1].selected = true;
    games[0].listed = false;
    const std::string bytes = WriteCatalogue(games);
    const auto lines = SplitCatalogueLines(bytes);
    // Every line ends in CR LF; three sections; 333 matrix lines.
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), std::count(bytes.begin(), bytes.end(), '\r'));
    ASSERT_EQ(lines.size(), 1u + 2 + 1 + 333 + 1 + 1);
    EXPECT_EQ(lines[0], "[Sect1]");
    EXPECT_EQ(RestoreText(lines[1]), "007 000" "0  " + std::string("First") + std::string(45, ' '));
    EXPECT_EQ(RestoreText(lines[2]), "007 001" "9  " + std::string("Second") + std::string(44, ' '));
    EXPECT_EQ(lines[3], "[Sect2]");
    // Parameter 260 (CardCount): index in clear, then label, then the games' columns.
    const std::string& cardCount = lines[3 + 260];
    EXPECT_EQ(cardCount.substr(0, 5), "0260 ");
    EXPECT_EQ(RestoreText(cardCount.substr(5)), "CardCount  52         52         ");
    EXPECT_EQ(lines[337], "[SectS]");
    EXPECT_EQ(RestoreText(lines[338]), "0");
}

TEST(Catalogue, ShippedSourcesRoundTripThroughTheReaders) {
    const std::vector<GameSource> games = ShippedGames();
    ASSERT_GE(games.size(), 7u);
    TempDir dir;
    const auto path = dir / "GAMES.DAT";
    WriteFile(path, WriteCatalogue(games));

    GameList list;
    ASSERT_TRUE(LoadGameList(path, list));
    NoCustomGames none;
    for (const GameSource& game : games) {
        SCOPED_TRACE(game.file);
        EXPECT_EQ(GameNameOf(list, game.code, none), game.listed ? game.name : "");
        if (game.listed) {
            EXPECT_EQ(GameCodeOf(list, game.name, none), game.code);
            EXPECT_EQ(GameFamilyOf(list, game.code), game.family);
        }
        EXPECT_EQ(IsSelectedGame(path, game.code), game.selected);
        const GameRules rules = LoadGameRules(path, game.code, none);
        for (int index = 0; index < GameRules::kSize; ++index) {
            const auto it = game.values.find(index);
            EXPECT_EQ(rules[index], it == game.values.end() ? 0 : it->second.value) << "parameter " << index;
        }
        const auto descriptors = ReadRuleValues(path, game.code, {327, 328, 329, 330, 331, 332});
        for (int i = 0; i < 6; ++i) EXPECT_EQ(descriptors[static_cast<size_t>(i)], rules[327 + i]);
    }
    // FreeCell is code 1, the default game.
    EXPECT_EQ(GameNameOf(list, 1, none), "FreeCell");
}

TEST(Catalogue, BuiltCatalogueIsTheCompiledSources) {
    EXPECT_EQ(test::ReadFile(test::BuiltCatalogue()), WriteCatalogue(ShippedGames()));
}

TEST(Parameters, NamesAreUniqueAndAliasesAreDeliberate) {
    std::vector<std::string_view> names;
    std::vector<int> owners(334, 0);
    for (const auto& p : AllParameters()) {
        names.push_back(p.name);
        EXPECT_GE(p.index, 0);
        EXPECT_LE(p.index + p.blockSize, 334) << p.name;
        EXPECT_LE(p.min, p.max) << p.name;
        for (int i = p.index; i < p.index + p.blockSize; ++i) ++owners[static_cast<size_t>(i)];
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(std::adjacent_find(names.begin(), names.end()), names.end());
    // Every index has a name; only three carry two.
    std::vector<int> shared;
    for (int i = 0; i < 334; ++i) {
        EXPECT_GE(owners[static_cast<size_t>(i)], 1) << "index " << i << " has no name";
        if (owners[static_cast<size_t>(i)] > 1) shared.push_back(i);
    }
    EXPECT_EQ(shared, (std::vector<int>{32, 225, 253}));
}

}  // namespace
}  // namespace dravicor::catalogue
