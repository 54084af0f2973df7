#include "select/custom_game_file.h"

#include <gtest/gtest.h>

#include "common/settings_record.h"
#include "common/text.h"
#include "rules/game_rules.h"
#include "stats/statistics.h"
#include "support/fake_platform.h"
#include "support/temp_dir.h"

namespace dravicor {
namespace {

using test::FakePlatform;
using test::ReadFile;
using test::ScratchProgramDir;
using test::WriteFile;

constexpr std::string_view kHeader = "[R-0301]\r\n";

// A record written out by hand: the first line, the rule line and 28 empty lines.
std::string Record(const std::string& code, const std::string& name, const std::string& base,
                   const std::string& settings) {
    std::string first = code + name + std::string(50 - name.size(), ' ') + base;
    std::string text = first + "\r\n" + settings + "\r\n";
    for (int i = 0; i < 28; ++i) text += "\r\n";
    return text;
}

std::string Text(std::string_view text) { return std::string(text); }

class CustomGameFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(LoadGameList(dir / "GAMES.DAT", list));
        settings.put(Field::CurrentPlayer, "Player 1");
        settings.put(Field::CurrentScore, "0");
        settings.put(Field::CurrentGameNumber, "4711");
        settings.put(Field::ScoringSystem, "01");
    }
    std::filesystem::path data() const { return dir / "DATA"; }
    std::string stored() const { return ReadFile(data() / "GAM_CUST.DAT"); }
    void store(const std::string& bytes) const { WriteFile(data() / "GAM_CUST.DAT", bytes); }
    int add(const std::string& name, int current, CustomRuleValues values = {3, 2, 2}) {
        const auto outcome = custom.add(name, current, values, list);
        EXPECT_EQ(outcome.status, CustomSaveOutcome::Status::Saved) << outcome.message;
        return outcome.code;
    }

    ScratchProgramDir dir;
    FakePlatform fake;
    DataFiles files{dir / "DATA", fake};
    CustomGameFile custom{files};
    GameList list;
    SettingsRecord settings;
};

TEST(CustomRecord, LaysOutTheFieldsByteForByte) {
    EXPECT_EQ(FormatCustomRecord(8002, "Easy Klondike", 12, {3, 3, 2}),
              Record("8002", "Easy Klondike", "0012", "0030032"));
    // Surrounding blanks go; a longer name is cut at 50 characters.
    const std::string longName(60, 'x');
    EXPECT_EQ(FormatCustomRecord(9999, "  " + longName + "  ", 0, {1, 1, 0}),
              Record("9999", std::string(50, 'x'), "0000", "0010010"));
    const std::string record = FormatCustomRecord(8000, "A\r\nB", 1, {1, 1, 0});
    EXPECT_EQ(record.substr(0, 58), "8000A  B" + std::string(46, ' ') + "0001");
}

TEST(CustomRecord, DealsValuesOfTheRedealChoice) {
    EXPECT_EQ(CustomSettingsText({1, DealsValue(RedealChoice::Specified, 2), 0}).substr(3, 3), "003");
    EXPECT_EQ(CustomSettingsText({1, DealsValue(RedealChoice::NoRedeal, 7), 0}).substr(3, 3), "000");
    EXPECT_EQ(CustomSettingsText({1, DealsValue(RedealChoice::Unlimited, 7), 0}).substr(3, 3), "-01");
    EXPECT_EQ(CustomSettingsText({104, 1, 3}), "1040013");
    // Values that do not fit three characters are held at the field's limits.
    EXPECT_EQ(CustomSettingsText({5000, DealsValue(RedealChoice::Specified, 999), 1}), "9999991");
    EXPECT_EQ(CustomSettingsText({1, 1, 7}), "0010010");
}

// Both texts are checked where the open-game dialog asks them; only there
// is the current game named.
TEST(CustomRecord, DeleteQuestions) {
    EXPECT_EQ(DeleteQuestion("Easy", true, false), DeleteQuestion("Easy", false, true));
    EXPECT_NE(DeleteQuestion("Easy", true, true), DeleteQuestion("Easy", false, true));
}

TEST_F(CustomGameFileTest, NoFileMeansNoGamesAndCode8000) {
    EXPECT_TRUE(custom.load().games.empty());
    EXPECT_TRUE(custom.load().problems.empty());
    EXPECT_EQ(custom.nextFreeCode(), 8000);
    EXPECT_FALSE(custom.find(8000));
    EXPECT_FALSE(custom.codeOf("Easy"));
    EXPECT_FALSE(custom.remove(8000, settings));
    EXPECT_FALSE(std::filesystem::exists(data() / "GAM_CUST.DAT"));
}

TEST_F(CustomGameFileTest, CodesCountUpAndACustomizedCustomizedGameDerivesFromTheBuiltInBase) {
    store(Text(kHeader) + Record("8000", "First", "0001", "0010010") + Record("8001", "Second", "0000", "001-011"));
    EXPECT_EQ(custom.nextFreeCode(), 8002);
    EXPECT_EQ(add("Twelve Custom", 12, {1, 3, 1}), 8002);
    EXPECT_EQ(add("Twelve Again", 8002, {2, 0, 3}), 8003);
    EXPECT_EQ(custom.find(8003)->baseCode, 12);
    // A new record goes last.
    EXPECT_EQ(stored(), Text(kHeader) + Record("8000", "First", "0001", "0010010") +
                            Record("8001", "Second", "0000", "001-011") +
                            Record("8002", "Twelve Custom", "0012", "0010031") +
                            Record("8003", "Twelve Again", "0012", "0020003"));
    // A current game without a record cannot be customized.
    const auto outcome = custom.add("Ghost Game", 8500, {1, 1, 0}, list);
    EXPECT_EQ(outcome.status, CustomSaveOutcome::Status::UnknownGame);
    EXPECT_EQ(custom.load().games.size(), 4u);
}

TEST_F(CustomGameFileTest, DeletingTheMiddleRecordJoinsTheOthers) {
    store(Text(kHeader) + Record("8000", "Alpha", "0000", "0010010") + Record("8001", "Beta", "0001", "0010012") +
          Record("8002", "Gamma", "0012", "003-013"));
    ASSERT_TRUE(custom.remove(8001, settings));
    const std::string content = stored();
    EXPECT_EQ(content, Text(kHeader) + Record("8000", "Alpha", "0000", "0010010") +
                           Record("8002", "Gamma", "0012", "003-013"));
    EXPECT_FALSE(custom.find(8001));
    EXPECT_EQ(custom.find(8002)->settings, "003-013");
    // Deleting a code no record carries changes nothing.
    EXPECT_FALSE(custom.remove(8001, settings));
    EXPECT_EQ(stored(), content);
    // The freed code is the next one given, and its record goes last.
    EXPECT_EQ(custom.nextFreeCode(), 8001);
    EXPECT_EQ(add("Delta", 1, {1, 1, 2}), 8001);
    EXPECT_EQ(stored(), content + Record("8001", "Delta", "0001", "0010012"));
    // Deleting the first record, then the last one, leaves the header.
    ASSERT_TRUE(custom.remove(8000, settings));
    EXPECT_EQ(stored(),
              Text(kHeader) + Record("8002", "Gamma", "0012", "003-013") + Record("8001", "Delta", "0001", "0010012"));
    ASSERT_TRUE(custom.remove(8002, settings));
    ASSERT_TRUE(custom.remove(8001, settings));
    EXPECT_EQ(stored(), Text(kHeader));
}

TEST_F(CustomGameFileTest, NamesAreChecked) {
    store(Text(kHeader) + Record("8000", "My Solitaire", "0000", "0010010"));
    EXPECT_EQ(custom.checkName("Ab", list), kNameTooShort);
    EXPECT_EQ(custom.checkName("  Ab  ", list), kNameTooShort);
    EXPECT_EQ(custom.checkName("", list), kNameTooShort);
    EXPECT_EQ(custom.checkName("klondike", list), kNameExists);
    EXPECT_EQ(custom.checkName("FREECELL ", list), kNameExists);
    EXPECT_EQ(custom.checkName("my solitaire", list), kNameExists);
    EXPECT_EQ(custom.checkName("Abc", list), std::nullopt);
    EXPECT_EQ(custom.checkName("Klondike 2", list), std::nullopt);
    // The save checks again and leaves the file alone when refused.
    const std::string before = stored();
    const auto outcome = custom.add("KLONDIKE", 0, {3, 1, 0}, list);
    EXPECT_EQ(outcome.status, CustomSaveOutcome::Status::NameRefused);
    EXPECT_EQ(outcome.message, "This name already exists.");
    EXPECT_EQ(outcome.code, -1);
    const auto shortName = custom.add("Kl", 0, {3, 1, 0}, list);
    EXPECT_EQ(shortName.message, "Please enter at least 3 characters.");
    EXPECT_EQ(stored(), before);
}

TEST_F(CustomGameFileTest, NamesResolveThroughTheCatalogueLookups) {
    store(Text(kHeader) + Record("8000", "Zebra Patience", "0000", "0010010") +
          Record("8001", "apple patience", "0001", "0010012"));
    EXPECT_EQ(GameNameOf(list, 8001, custom), "apple patience");
    EXPECT_EQ(GameNameOf(list, 8005, custom), "");
    EXPECT_EQ(GameCodeOf(list, "Zebra Patience  ", custom), 8000);
    EXPECT_EQ(GameCodeOf(list, "zebra patience", custom), -1);  // exact comparison
    EXPECT_EQ(GameCodeOf(list, "Klondike", custom), 0);
    const auto sorted = custom.list();
    ASSERT_EQ(sorted.size(), 2u);
    EXPECT_EQ(sorted[0].name, "apple patience");
    EXPECT_EQ(sorted[1].name, "Zebra Patience");
}

TEST_F(CustomGameFileTest, KlondikeBasedRulesThroughTheRuleLoader) {
    const int code = add("Klondike Any Space", 0, {3, DealsValue(RedealChoice::Specified, 1), 2});
    EXPECT_EQ(custom.find(code)->settings, "0030022");
    const GameRules base = LoadGameRules(dir / "GAMES.DAT", 0, custom);
    const GameRules rules = LoadGameRules(dir / "GAMES.DAT", code, custom);
    EXPECT_EQ(rules[Rule::CardsPerStockDeal], 3);
    EXPECT_EQ(rules[Rule::Redeals], 2);
    ASSERT_EQ(rules[Rule::TableauCount], 7);
    for (int t = 0; t < 7; ++t) EXPECT_EQ(rules[Rule::TableauEmptyAccepts + t], -1) << t;
    EXPECT_EQ(base[Rule::TableauEmptyAccepts], 13);
    // Everything else is the base game's.
    GameRules expected = rules;
    expected.set(Rule::CardsPerStockDeal, base[Rule::CardsPerStockDeal]);
    expected.set(Rule::Redeals, base[Rule::Redeals]);
    for (int t = 0; t < 7; ++t) expected.set(Rule::TableauEmptyAccepts + t, base[Rule::TableauEmptyAccepts + t]);
    EXPECT_EQ(expected, base);
}

TEST_F(CustomGameFileTest, FreeCellBasedRulesThroughTheRuleLoader) {
    // FreeCell allows only its tableau rule to change; the others are saved
    // as the disabled controls give them and applied all the same.
    const int code = add("FreeCell Kings", 1, {1, 1, 1});
    EXPECT_EQ(custom.find(code)->settings, "0010011");
    const GameRules rules = LoadGameRules(dir / "GAMES.DAT", code, custom);
    ASSERT_EQ(rules[Rule::TableauCount], 8);
    for (int t = 0; t < 8; ++t) EXPECT_EQ(rules[Rule::TableauEmptyAccepts + t], 91) << t;
    EXPECT_EQ(rules[Rule::TableauEmptyAccepts + 8], 0);
    EXPECT_EQ(rules[Rule::CardsPerStockDeal], 1);
    EXPECT_EQ(rules[Rule::Redeals], 1);
    EXPECT_EQ(rules[Rule::ReserveCount], 4);
    // Code 0 leaves the tableau as loaded.
    const int plain = add("FreeCell Plain", 1, {1, 1, 0});
    EXPECT_EQ(LoadGameRules(dir / "GAMES.DAT", plain, custom)[Rule::TableauEmptyAccepts], -1);
}

TEST_F(CustomGameFileTest, CustomizableRulesOfTheCatalogueGames) {
    const auto catalogue = dir / "GAMES.DAT";
    EXPECT_EQ(custom.customizableRules(catalogue, 0), (CustomizableFlags{true, true, true}));   // Klondike
    EXPECT_EQ(custom.customizableRules(catalogue, 1), (CustomizableFlags{false, false, true}));  // FreeCell
    EXPECT_EQ(custom.customizableRules(catalogue, 3), (CustomizableFlags{false, false, false}));  // Spider
    const int code = add("FreeCell Variant", 1, {1, 1, 2});
    EXPECT_EQ(custom.customizableRules(catalogue, code), (CustomizableFlags{false, false, true}));
    EXPECT_THROW(custom.customizableRules(catalogue, 8999), CatalogueError);
}

TEST(CustomizableRules, DerivedDecisions) {
    GameRules rules;
    for (const auto& [rule, value] : {std::pair{Rule::StockDealCustomizable, 2}, {Rule::RedealsCustomizable, 5},
                                      {Rule::EmptyTableauCustomizable, 2}, {Rule::WasteInPlay, 1},
                                      {Rule::ThirdPileBesideStock, 1}, {Rule::StockPileCount, 2},
                                      {Rule::TableauBuild, 3}}) {
        rules.set(rule, value);
    }
    EXPECT_EQ(CustomizableRulesOf(rules), (CustomizableFlags{true, true, true}));
    const struct {
        const char* what;
        std::vector<std::pair<int, int>> changes;
        CustomizableFlags flags;
    } cases[] = {
        {"no waste", {{Rule::WasteInPlay, 0}}, {false, false, true}},
        {"a deal mode", {{Rule::TableauDealMode + 1, 2}}, {false, false, true}},
        {"no stock", {{Rule::StockPileCount, 0}}, {false, false, true}},
        {"no second pile", {{Rule::ThirdPileBesideStock, 0}}, {false, false, true}},
        {"the waste under the stock", {{Rule::ThirdPileBesideStock, 0}, {Rule::WasteUnderStock, 1}}, {true, true, true}},
        {"selection play", {{Rule::SelectionPlay, 1}}, {true, true, false}},
        {"building by four", {{Rule::TableauBuild, 4}}, {true, true, false}},
        // The explicit flags win over the derived decision.
        {"explicit flags",
         {{Rule::TableauBuild, 4}, {Rule::EmptyTableauCustomizable, 1}, {Rule::StockDealCustomizable, 0},
          {Rule::RedealsCustomizable, 1}, {Rule::WasteInPlay, 0}},
         {false, true, true}},
    };
    for (const auto& c : cases) {
        GameRules changed = rules;
        for (const auto& [rule, value] : c.changes) changed.set(rule, value);
        EXPECT_EQ(CustomizableRulesOf(changed), c.flags) << c.what;
    }
}

TEST_F(CustomGameFileTest, DeletingClearsFavouritesStatisticsAndRunCounters) {
    const int alpha = add("Alpha Custom", 0);
    const int beta = add("Beta Custom", 1);
    WriteFile(data() / "CFG.DAT",
              "[Preference]\r\nCardSet=1\r\n[Favourite Games]\r\nGame000=Klondike\r\nGame001=Beta Custom\r\n"
              "Game002=FreeCell\r\nGame003=Beta Custom\r\n[Users]\r\nUser001=Player 1\r\n");
    // Statistics of both games, for two players.
    for (const char* player : {"Player 1", "Player 2"}) {
        settings.put(Field::CurrentPlayer, player);
        for (const int code : {alpha, beta}) {
            settings.put(Field::CurrentGame, FormatField(code, 4));
            ASSERT_TRUE(UpdateStatistics(files, settings, true));
        }
    }
    settings.put(Field::RunWon, "0003");
    settings.put(Field::RunLost, "0001");

    ASSERT_TRUE(custom.remove(beta, settings));
    EXPECT_EQ(ReadFile(data() / "CFG.DAT"),
              "[Preference]\r\nCardSet=1\r\n[Favourite Games]\r\nGame000=Klondike\r\nGame001=FreeCell\r\n"
              "Game002=Beta Custom\r\n[Users]\r\nUser001=Player 1\r\n");
    EXPECT_EQ(ReadStatistics(files, settings, beta, "Player 1").record, StatRecord{});
    EXPECT_EQ(ReadStatistics(files, settings, beta, "Player 2").record, StatRecord{});
    EXPECT_EQ(ReadStatistics(files, settings, alpha, "Player 1").record.won, 1);
    EXPECT_EQ(ReadStatistics(files, settings, alpha, "Player 2").record.won, 1);
    EXPECT_EQ(settings.get(Field::RunWon), "0000");
    EXPECT_EQ(settings.get(Field::RunLost), "0000");
    EXPECT_EQ(stored(), Text(kHeader) + Record("8000", "Alpha Custom", "0000", "0030022"));
    EXPECT_TRUE(fake.messages.empty());
}

TEST_F(CustomGameFileTest, DeletingWithoutFavouritesLeavesTheConfigurationAlone) {
    const int code = add("Alpha Custom", 0);
    const std::string config = "[Favourite Games]\r\nGame000=Klondike\r\nGame002=Alpha Custom\r\n";
    WriteFile(data() / "CFG.DAT", config);
    // Game002 lies after the gap, so it is no favourite.
    ASSERT_TRUE(custom.remove(code, settings));
    EXPECT_EQ(ReadFile(data() / "CFG.DAT"), config);
    EXPECT_FALSE(std::filesystem::exists(data() / "CFG.DAT.rpl"));
}

TEST_F(CustomGameFileTest, AFailedWriteLeavesTheFileAsItWas) {
    EXPECT_EQ(add("Alpha Custom", 0), 8000);
    const std::string before = stored();
    const WriteFaults faults{WriteStep::Rename};
    files.setWriteFaults(&faults);
    const auto outcome = custom.add("Beta Custom", 0, {1, 1, 0}, list);
    EXPECT_EQ(outcome.status, CustomSaveOutcome::Status::WriteFailed);
    EXPECT_EQ(outcome.code, -1);
    EXPECT_FALSE(custom.remove(8000, settings));
    files.setWriteFaults(nullptr);
    EXPECT_EQ(stored(), before);
    EXPECT_EQ(fake.messages.size(), 2u);
}

TEST_F(CustomGameFileTest, AllCodesTaken) {
    std::string content(kHeader);
    for (int code = 8000; code <= 9999; ++code) {
        content += Record(std::to_string(code), "Game " + std::to_string(code), "0000", "0010010");
    }
    store(content);
    EXPECT_EQ(custom.nextFreeCode(), std::nullopt);
    const auto outcome = custom.add("One Too Many", 0, {1, 1, 0}, list);
    EXPECT_EQ(outcome.status, CustomSaveOutcome::Status::NoFreeCode);
    EXPECT_FALSE(outcome.message.empty());
    EXPECT_EQ(stored(), content);
}

TEST(CustomGameParse, ACustomizedBaseResolvesToTheBuiltInGameAndTheHeaderIsNotChecked) {
    const auto contents = ParseCustomGames(Text(kHeader) + Record("8000", "Built On Two", "0002", "0010010") +
                                           Record("8001", "Built On 8000", "8000", "0030010") +
                                           Record("8002", "Loop A", "8003", "0010010") +
                                           Record("8003", "Loop B", "8002", "0010010"));
    ASSERT_EQ(contents.games.size(), 2u);
    EXPECT_EQ(contents.games[1].code, 8001);
    EXPECT_EQ(contents.games[1].baseCode, 2);
    ASSERT_EQ(contents.problems.size(), 2u);
    EXPECT_NE(contents.problems[0].find("derives from no built-in game"), std::string::npos);
    // The header is not checked.
    const auto unchecked = ParseCustomGames("anything\r\n" + Record("8004", "Fine", "0001", "0010010"));
    ASSERT_EQ(unchecked.games.size(), 1u);
    EXPECT_EQ(unchecked.games[0].code, 8004);
    // Lines ending in LF alone read the same.
    std::string unix = "[R-0301]\n" + Record("8004", "Fine", "0001", "0010010");
    std::erase(unix, '\r');
    EXPECT_EQ(ParseCustomGames(unix).games.size(), 1u);
}

TEST(CustomGameParse, DamagedRecordsAreSkippedAndReported) {
    const std::string good = Record("8000", "Good One", "0000", "0010010");
    const struct {
        const char* what;
        std::string record;
    } damaged[] = {
        {"code out of range", Record("7999", "Low Code", "0000", "0010010")},
        {"code not digits", Record("80a1", "Bad Code", "0000", "0010010")},
        {"blank name", Record("8001", "", "0000", "0010010")},
        {"NUL in name", Record("8001", std::string("Nul\0Name", 8), "0000", "0010010")},
        {"base not digits", Record("8001", "Bad Base", "00x1", "0010010")},
        {"short first line", Record("8001", "Cut", "", "0010010")},
        {"NUL in rules", Record("8001", "Nul Rules", "0000", std::string("001\0\0\0" "1", 7))},
        {"short rule line", Record("8001", "Short Rules", "0000", "00100")},
        {"tableau code", Record("8001", "Odd Tableau", "0000", "0010019")},
        {"deals garbage", Record("8001", "Bad Deals", "0000", "001- 12")},
        {"repeated code", Record("8000", "Second", "0001", "0010010")},
    };
    for (const auto& [what, record] : damaged) {
        const auto contents = ParseCustomGames(Text(kHeader) + good + record + Record("8002", "Last", "0001", "0010012"));
        ASSERT_EQ(contents.games.size(), 2u) << what;
        EXPECT_EQ(contents.games[0].code, 8000) << what;
        EXPECT_EQ(contents.games[1].code, 8002) << what;
        ASSERT_EQ(contents.problems.size(), 1u) << what;
        EXPECT_EQ(contents.problems[0].rfind("Customized game record 2 (line 31) ", 0), 0u) << contents.problems[0];
    }
}

TEST_F(CustomGameFileTest, ATruncatedFileIsReadAndAddedTo) {
    const std::string whole = Text(kHeader) + Record("8000", "Whole", "0000", "0010010");
    const std::string cut = Record("8001", "Cut Short", "0001", "0010010").substr(0, 70);
    // The last record lacks reserved empty lines, not what it holds.
    store(whole + cut);
    const auto contents = custom.load();
    ASSERT_EQ(contents.games.size(), 2u);
    EXPECT_EQ(contents.games[1].name, "Cut Short");
    // The new record starts at the next record boundary.
    EXPECT_EQ(add("After The Cut", 0, {1, 1, 0}), 8002);
    const auto lines = SplitLines(stored());
    ASSERT_EQ(lines.size(), 91u);
    EXPECT_EQ(lines[61].substr(0, 17), "8002After The Cut");
    EXPECT_EQ(custom.find(8002)->name, "After The Cut");
    EXPECT_EQ(custom.find(8001)->name, "Cut Short");
    // A record cut inside its first line is skipped.
    store(whole + cut.substr(0, 40));
    ASSERT_EQ(custom.load().problems.size(), 1u);
    EXPECT_EQ(custom.load().problems[0], "Customized game record 2 (line 31) is incomplete: 1 of 30 lines; it is skipped.");
}

TEST_F(CustomGameFileTest, GarbageFilesNeverCrash) {
    std::string bytes;
    for (int i = 0; i < 4000; ++i) bytes += static_cast<char>((i * 7919 + 13) % 256);
    // Each damaged content with the code a new game gets: a damaged record
    // whose code can still be read keeps that code.
    const std::pair<std::string, int> variants[] = {
        {bytes, 8000},
        {"", 8000},
        {Text(kHeader) + "8000", 8001},
        {Text(kHeader) + "8000Name\r\n0010010\r\n", 8001},
    };
    for (const auto& [content, next] : variants) {
        store(content);
        const auto contents = custom.load();
        EXPECT_TRUE(contents.games.empty());
        EXPECT_FALSE(custom.find(8000));
        EXPECT_EQ(custom.nextFreeCode(), next);
        // A new game can still be saved and read back.
        const auto outcome = custom.add("Fresh Game", 0, {1, 1, 0}, list);
        ASSERT_EQ(outcome.status, CustomSaveOutcome::Status::Saved);
        EXPECT_EQ(outcome.code, next);
        const auto game = custom.find(outcome.code);
        ASSERT_TRUE(game);
        EXPECT_EQ(game->name, "Fresh Game");
        EXPECT_TRUE(custom.remove(outcome.code, settings));
    }
    // Blank lines after the header are no damaged record.
    store(Text(kHeader) + "\r\n\r\n");
    EXPECT_TRUE(custom.load().problems.empty());
}

}  // namespace
}  // namespace dravicor
