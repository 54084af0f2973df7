#include "rules/catalogue.h"

#include <gtest/gtest.h>

#include <tuple>

#include "common/settings_record.h"
#include "support/fake_platform.h"
#include "support/temp_dir.h"

namespace dravicor {
namespace {

using test::TempDir;
using test::WriteFile;

// Builds catalogue files by hand, in the stored form.
std::string ListLine(int family, int code, char mark, const std::string& name) {
    std::string plain = FormatField(family, 3) + " " + FormatField(code, 3) + mark + "  " + name;
    plain.resize(60, ' ');
    return ScrambleText(plain);
}

// A matrix line: index in clear, then the label and one 11-column field per value.
std::string MatrixLine(int index, const std::vector<std::string>& values) {
    std::string plain = "label      ";
    for (const auto& v : values) {
        std::string field = v;
        field.resize(11, ' ');
        plain += field;
    }
    return FormatField(index, 4) + " " + ScrambleText(plain);
}

std::string Join(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& l : lines) text += l + "\r\n";
    return text;
}

class CatalogueTest : public ::testing::Test {
protected:
    std::filesystem::path write(const std::vector<std::string>& lines) {
        WriteFile(path, Join(lines));
        return path;
    }
    TempDir dir;
    std::filesystem::path path = dir / "GAMES.DAT";
    NoCustomGames none;
};

TEST(CatalogueText, ScramblingRoundTripsEveryStorableCharacter) {
    std::string plain;
    for (int c = 32; c <= 207; ++c) plain += static_cast<char>(c);
    const std::string stored = ScrambleText(plain);
    EXPECT_EQ(RestoreText(stored), plain);
    EXPECT_TRUE(IsStorableText(plain));
    EXPECT_FALSE(IsStorableText("tab\there"));
    EXPECT_FALSE(IsStorableText("\xd0"));
    // Every stored byte has a defined plain reading.
    EXPECT_EQ(RestoreText(std::string("\x00\x4f\x50\xff", 4)), std::string("\x30\x7f\x20\xcf", 4));
}

TEST(CatalogueText, SectionsJoinTheirBodiesAndEndAtAnyBracketLine) {
    const std::vector<std::string> lines = {"[Sect1]", "a", "", "[Sect2]", "b", "[Sect1] again", "c", "[", "d"};
    EXPECT_EQ(CatalogueSection(lines, "[Sect1]"), (std::vector<std::string>{"a", "", "c"}));
    EXPECT_EQ(CatalogueSection(lines, "[Sect2]"), (std::vector<std::string>{"b"}));
    EXPECT_TRUE(CatalogueSection(lines, "[SectS]").empty());
    EXPECT_TRUE(CatalogueSection(lines, "[sect1]").empty()) << "headers match with their letter case";
    EXPECT_EQ(SplitCatalogueLines("x\r\ny\nz"), (std::vector<std::string>{"x", "y", "z"}));
}

TEST_F(CatalogueTest, GameListSkipsUnlistedGamesAndFindsMisplacedLines) {
    write({"[Sect1]", ListLine(5, 0, '0', "Klondike"), ListLine(4, 1, '9', "Hidden"), ListLine(8, 2, '1', "Spider"),
           "[Sect2]"});
    GameList list;
    ASSERT_TRUE(LoadGameList(path, list));
    ASSERT_EQ(list.lines.size(), 2u);
    // Spider's line sits at position 1, not 2: found by the full search.
    for (const auto& [code, name, family] :
         {std::tuple{2, "Spider", 8}, {0, "Klondike", 5}, {1, "", -1}, {8000, "", -1}, {-3, "", -1}}) {
        EXPECT_EQ(GameNameOf(list, code, none), name) << code;
        EXPECT_EQ(GameFamilyOf(list, code), family) << code;
    }
    EXPECT_EQ(GameCodeOf(list, "Spider   ", none), 2);
    EXPECT_EQ(GameCodeOf(list, "spider", none), -1);
    EXPECT_EQ(GameCodeOf(list, "Hidden", none), -1);
    EXPECT_EQ(ListedGameCodes(list), (std::vector<int>{0, 2}));
}

TEST_F(CatalogueTest, CustomizedGamesComeFromTheirOwnList) {
    struct OneCustom : CustomGames {
        std::string settings;
        std::optional<CustomGame> find(int code) const override {
            if (code != 8000) return std::nullopt;
            return CustomGame{8000, 0, "My Klondike", settings};
        }
        std::optional<int> codeOf(std::string_view name) const override {
            return name == "My Klondike" ? std::optional<int>(8000) : std::nullopt;
        }
    } custom;
    write({"[Sect1]", ListLine(5, 0, '0', "Klondike"),
           "[Sect2]", MatrixLine(13, {"-1"}), MatrixLine(17, {"1"}), MatrixLine(96, {"13"}), MatrixLine(97, {"13"}),
           MatrixLine(98, {"13"}), MatrixLine(257, {"2"})});
    GameList list;
    ASSERT_TRUE(LoadGameList(path, list));
    EXPECT_EQ(GameNameOf(list, 8000, custom), "My Klondike");
    EXPECT_EQ(GameCodeOf(list, "My Klondike", custom), 8000);
    EXPECT_EQ(GameNameOf(list, 8001, custom), "");
    EXPECT_THROW(LoadGameRules(path, 8001, custom), CatalogueError);

    // Cards per stock deal and redeals, three digits each, then what the
    // game's empty piles take (1 a King, 2 any card, 3 nothing); a third pile
    // keeps its value. Letters keep the catalogue's values, and redeals come
    // only with the cards per deal.
    const struct {
        const char* settings;
        int perDeal, redeals, empty;
    } cases[] = {{"0030022", 3, 2, -1}, {"ab30043", 1, -1, 0}, {"003xyz1", 3, -1, 91}, {"0020029", 2, 2, 13}};
    for (const auto& c : cases) {
        custom.settings = c.settings;
        const GameRules rules = LoadGameRules(path, 8000, custom);
        EXPECT_EQ(rules[Rule::CardsPerStockDeal], c.perDeal) << c.settings;
        EXPECT_EQ(rules[Rule::Redeals], c.redeals) << c.settings;
        EXPECT_EQ(rules[Rule::TableauEmptyAccepts], c.empty) << c.settings;
        EXPECT_EQ(rules[Rule::TableauEmptyAccepts + 1], c.empty) << c.settings;
        EXPECT_EQ(rules[Rule::TableauEmptyAccepts + 2], 13) << c.settings;
    }
}

TEST_F(CatalogueTest, RuleValuesAreSixteenBitsAndLaterLinesWin) {
    write({"[Sect1]", ListLine(5, 0, '0', "A"), ListLine(5, 1, '0', "B"),
           "[Sect2]", MatrixLine(13, {"-1", "65535"}), MatrixLine(0, {"7", "8"}), MatrixLine(17, {"1", "3"}),
           MatrixLine(17, {"2", "4"})});
    const GameRules a = LoadGameRules(path, 0, none);
    const GameRules b = LoadGameRules(path, 1, none);
    EXPECT_EQ(a[Rule::Redeals], -1);
    EXPECT_EQ(b[Rule::Redeals], -1);
    EXPECT_EQ(a[0], 7) << "a line with index 0 writes index 0";
    EXPECT_EQ(b[Rule::CardsPerStockDeal], 4);
}

TEST_F(CatalogueTest, ReadRuleValuesAddressesLinesByPosition) {
    std::vector<std::string> lines = {"[Sect1]", ListLine(5, 0, '0', "A"), "[Sect2]"};
    for (int p = 1; p <= 332; ++p) lines.push_back(MatrixLine(p, {std::to_string(p * 10)}));
    write(lines);
    EXPECT_EQ(ReadRuleValues(path, 0, {327, 13, 1}), (std::vector<std::int16_t>{3270, 130, 10}));
    // The index written in the line does not matter to this reader.
    lines[2 + 13] = MatrixLine(999, {"-5"});
    write(lines);
    EXPECT_EQ(ReadRuleValues(path, 0, {13}), (std::vector<std::int16_t>{-5}));
    EXPECT_THROW(ReadRuleValues(path, 0, {333}), CatalogueError);
    EXPECT_THROW(ReadRuleValues(path, 1, {13}), CatalogueError) << "no column for game 1";
}

TEST_F(CatalogueTest, OneParameterOfSeveralGamesReadsAsEachGameAlone) {
    std::vector<std::string> lines = {"[Sect1]", "[Sect2]"};
    for (int p = 1; p <= 332; ++p) lines.push_back(MatrixLine(p, {std::to_string(p), "-1", std::to_string(-p)}));
    write(lines);
    for (const int p : {1, 13, 260, 327, 332}) {
        const auto values = ReadRuleValueOfGames(path, p, {2, 0, 1, 2});
        ASSERT_EQ(values.size(), 4u);
        EXPECT_EQ(values[0], ReadRuleValues(path, 2, {p})[0]) << p;
        EXPECT_EQ(values[1], ReadRuleValues(path, 0, {p})[0]) << p;
        EXPECT_EQ(values[2], -1);
        EXPECT_EQ(values[3], -p);
    }
    EXPECT_TRUE(ReadRuleValueOfGames(path, 13, {}).empty());
    EXPECT_THROW(ReadRuleValueOfGames(path, 0, {0}), CatalogueError);
    EXPECT_THROW(ReadRuleValueOfGames(path, 13, {0, 3}), CatalogueError) << "no column for game 3";
    EXPECT_THROW(ReadRuleValueOfGames(dir / "missing.dat", 13, {0}), CatalogueError);
}

TEST_F(CatalogueTest, SelectedGamesNeedNotBeListed) {
    write({"[Sect1]", ListLine(5, 0, '0', "A"), "[Sect2]", "[SectS]", ScrambleText("0"), ScrambleText("42  "),
           ScrambleText("junk"), "[Sect1]", "[SectS]", ScrambleText("7"), ScrambleText("0")});
    EXPECT_EQ(SelectedGameCodes(path), (std::vector<int>{0, 42, 7})) << "both bodies, each code once";
    EXPECT_TRUE(SelectedGameCodes(dir / "missing.dat").empty());
    for (int code = 0; code <= 43; ++code) {
        EXPECT_EQ(IsSelectedGame(path, code), code == 0 || code == 7 || code == 42) << code;
    }
    EXPECT_FALSE(IsSelectedGame(dir / "missing.dat", 0));
}

TEST_F(CatalogueTest, DamagedCataloguesRaiseClearErrorsAndNeverCrash) {
    const std::vector<std::vector<std::string>> damaged = {
        {"[Sect2]", MatrixLine(13, {"x1"})},             // not a number
        {"[Sect2]", MatrixLine(13, {""})},               // empty value
        {"[Sect2]", "0013"},                             // truncated line
        {"[Sect2]", "abcd " + ScrambleText("label      1")},  // index not a number
        {"[Sect2]", MatrixLine(400, {"1"})},             // index beyond the record
        {"[Sect2]", MatrixLine(13, {"99999999999"})},    // beyond 32 bits
    };
    for (const auto& lines : damaged) {
        write(lines);
        try {
            LoadGameRules(path, 0, none);
            ADD_FAILURE() << "accepted: " << lines[1];
        } catch (const CatalogueError& error) {
            EXPECT_NE(std::string(error.what()).find("damaged"), std::string::npos) << error.what();
        }
    }
    // No rule section at all gives an all-zero record; stray bytes in the game list give no games.
    write({"[Sect1]", std::string("\x01\x02\xff\x00", 4), "short"});
    EXPECT_EQ(LoadGameRules(path, 0, none), GameRules{});
    GameList list;
    ASSERT_TRUE(LoadGameList(path, list));
    EXPECT_EQ(GameNameOf(list, 0, none), "");
    EXPECT_EQ(GameFamilyOf(list, 0), -1);
    EXPECT_TRUE(ListedGameCodes(list).empty());
    EXPECT_THROW(LoadGameRules(dir / "missing.dat", 0, none), CatalogueError);
    EXPECT_FALSE(LoadGameList(dir / "missing.dat", list));
}

TEST_F(CatalogueTest, RequiredFileCheckShowsTheMessage) {
    test::FakePlatform fake;
    EXPECT_FALSE(CheckRequiredFile(path, fake));
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].icon, MessageIcon::Error);
    write({"[Sect1]"});
    EXPECT_TRUE(CheckRequiredFile(path, fake));
    EXPECT_EQ(fake.messages.size(), 1u);
}

TEST(RuleSnapshot, RestoresOnlyTheEntriesADealRewrites) {
    GameRules rules;
    for (int i = 0; i < GameRules::kSize; ++i) rules.set(i, i);
    const RuleSnapshot snapshot = SaveRuleSnapshot(rules);
    GameRules changed = rules;
    for (int i = 0; i < GameRules::kSize; ++i) changed.set(i, -i);
    RestoreRuleSnapshot(changed, snapshot);
    for (int i = 0; i < GameRules::kSize; ++i) {
        const bool kept = (i >= 32 && i <= 47) || (i >= 96 && i <= 121);
        EXPECT_EQ(changed[i], kept ? i : -i) << "index " << i;
    }
}

}  // namespace
}  // namespace dravicor
