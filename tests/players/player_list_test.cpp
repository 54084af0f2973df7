#include "players/player_list.h"

#include <gtest/gtest.h>

#include "common/profile_file.h"
#include "engine/engine_fixture.h"
#include "shell/preferences.h"
#include "stats/data_file.h"
#include "stats/game_log.h"
#include "stats/hi_scores.h"
#include "stats/section_file.h"
#include "stats/statistics.h"
#include "support/temp_dir.h"

namespace dravicor::test {
namespace {

// The configuration file a first start leaves behind.
constexpr std::string_view kFirstStartConfig =
    "[Preference]\r\nUserDefault=Player 1\r\n\r\n[Users]\r\nUser001=Player 1\r\n";

// The [Users] section as the list writes it: the names, then empty keys up
// to the twentieth.
std::string UsersSection(const std::vector<std::string>& names) {
    std::string text = "[Users]\r\n";
    for (int i = 0; i < kStoredPlayers; ++i) {
        const auto index = static_cast<size_t>(i);
        text += PlayerKey(i) + "=" + (index < names.size() ? names[index] : "") + "\r\n";
    }
    return text;
}

// A hi-score line of the table file: the place key, then the 85-character
// entry, so that the player's name starts in column 39.
std::string HiScoreLine(int place, const std::string& player, int score) {
    std::string line = "01-" + FormatField(place, 2) + "=";
    line += FormatField(score, 6) + " " + FormatField(300, 6) + " 20240105 12:30:00 ";
    line += PadRight(player, 30) + " " + PadRight("12345", 15) + " Won  x";
    return line;
}

// Who was current each time the engine handed a finished deal to the
// records; with data files, the deal is also counted in the statistics.
class PlayerRecorder : public GameRecords {
public:
    explicit PlayerRecorder(SettingsRecord& settings) : settings_(settings) {}
    void gameEnded(const GameResult& result) override {
        players.push_back(settings_.get(Field::CurrentPlayer));
        results.push_back(result);
        if (files) {
            settings_.put(Field::CurrentGame, FormatField(result.gameCode, 4));
            settings_.put(Field::CurrentScore, std::to_string(result.score));
            UpdateStatistics(*files, settings_, result.won);
        }
    }
    std::vector<std::string> players;
    std::vector<GameResult> results;
    DataFiles* files = nullptr;

private:
    SettingsRecord& settings_;
};

class PlayersTest : public EngineFixture {
protected:
    PlayersTest() {
        settings.put(Field::ProgramDir, dir.path().string() + "/");
        settings.put(Field::ConfigName, kConfigName);
        std::filesystem::create_directories(dir / "DATA");
        engine.setRecords(&recorder);
    }

    std::filesystem::path configPath() const { return dir / "DATA" / "CFG.DAT"; }
    void writeConfig(std::string_view text) { WriteFile(configPath(), std::string(text)); }
    std::string config() const { return ReadFile(configPath()); }
    // The state a first start leaves: the preferences read, "Player 1" current.
    void firstStart() { LoadPreferences(settings, platform); }
    PlayerList loadList() const { return PlayerList::Load(ConfigFile(settings)); }
    // After a first start, the list with these names added.
    PlayerList started(std::initializer_list<const char*> added = {}) {
        firstStart();
        PlayerList list = loadList();
        for (const char* name : added) EXPECT_TRUE(list.add(name).done()) << name;
        return list;
    }
    std::string current() const { return settings.get(Field::CurrentPlayer); }
    std::string dataFile(std::string_view name) const { return ReadFile(dir / "DATA" / std::string(name)); }

    // A finished deal of the game by the player, counted in the statistics
    // and the game log as the end of a deal counts it.
    void played(int game, const std::string& player, bool won, int score) {
        const std::string wasCurrent = current();
        settings.put(Field::CurrentGame, FormatField(game, 4));
        settings.put(Field::CurrentGameName, "Game " + std::to_string(game));
        settings.put(Field::CurrentPlayer, player);
        settings.put(Field::CurrentScore, std::to_string(score));
        settings.put(Field::CurrentGameNumber, "4711");
        ASSERT_TRUE(UpdateStatistics(files, settings, won));
        ASSERT_TRUE(AppendGameLog(files, settings, won, {"20240105", "12:30:00", 300}));
        settings.put(Field::CurrentPlayer, wasCurrent);
        ResetRunCounters(settings);
    }
    StatRecord stats(int game, const std::string& player) const {
        return ReadStatistics(files, settings, game, player).record;
    }
    // The players of the game log's lines, in file order.
    std::vector<std::string> logPlayers() const {
        std::vector<std::string> players;
        for (const auto& line : ReadGameLog(files)) {
            std::string name(GameLogColumn(line, kGameLogPlayerColumn, kGameLogPlayerWidth));
            while (!name.empty() && name.back() == ' ') name.pop_back();
            players.push_back(name);
        }
        return players;
    }
    void writeHiScores(const std::vector<std::string>& lines) {
        std::string text = "[Version]\r\nVersion=0300\r\n\r\n[0001]\r\n";
        for (const auto& line : lines) text += line + "\r\n";
        WriteFile(dir / "DATA" / std::string(kHiScoreFile), text);
    }

    TempDir dir;
    DataFiles files{dir / "DATA", fake};
    // The same file ConfigFile(settings) names; the record is filled in the
    // constructor's body, after the members.
    PlayerContext context{ProfileFile(dir / "DATA" / "CFG.DAT"), settings, files, platform};
    PlayerRecorder recorder{settings};
};

// --- Names and keys -----------------------------------------------------------

TEST(PlayerNames, BlanksAroundAreDroppedAndLengthIsCutToThirty) {
    EXPECT_EQ(NormalisePlayerName("Anna   "), "Anna");
    EXPECT_EQ(NormalisePlayerName("  Anna Lee "), "Anna Lee");
    EXPECT_EQ(NormalisePlayerName("    "), "");
    EXPECT_EQ(NormalisePlayerName(""), "");
    // What a profile value cannot hold: line breaks and tabs.
    EXPECT_EQ(NormalisePlayerName("Bob\t"), "Bob");
    EXPECT_EQ(NormalisePlayerName("Anna\r\nLee"), "Anna  Lee");
    EXPECT_EQ(NormalisePlayerName("\tAnna"), "Anna");
    const std::string thirty = "abcdefghijklmnopqrstuvwxyz0123";
    EXPECT_EQ(NormalisePlayerName(thirty + "XYZ"), thirty);
    // Cut first, then trimmed: the blank at position 30 does not survive.
    EXPECT_EQ(NormalisePlayerName("abcdefghijklmnopqrstuvwxyz012 Q"), "abcdefghijklmnopqrstuvwxyz012");
}

// --- Loading -------------------------------------------------------------------

TEST_F(PlayersTest, FirstStartListsPlayerOneAsCurrent) {
    firstStart();
    const PlayerList list = loadList();
    EXPECT_EQ(list.names(), std::vector<std::string>{"Player 1"});
    EXPECT_EQ(current(), "Player 1");
    EXPECT_FALSE(list.changed());
    EXPECT_EQ(config(), kFirstStartConfig);
}

TEST_F(PlayersTest, LoadingSkipsEmptyKeysAndSortsByBytes) {
    writeConfig(
        "[Users]\r\nUser001=zoe\r\nUser002=\r\nUser003=Bob  \r\nUser004=Zed\r\nUser007=anna\r\n"
        "User010=Bob\r\nUser020=Ann\r\nUser021=Never\r\nPlayer=Nobody\r\n");
    const PlayerList list = loadList();
    // Upper-case letters come before lower-case ones; "Bob  " and "Bob" are one name.
    EXPECT_EQ(list.names(), (std::vector<std::string>{"Ann", "Bob", "Zed", "anna", "zoe"}));
    EXPECT_FALSE(list.changed());
    EXPECT_EQ(list.indexOf("Zed"), 2u);
    EXPECT_EQ(list.indexOf("Bob "), 1u);
    EXPECT_FALSE(list.indexOf("zed").has_value());
    EXPECT_FALSE(list.contains("Never"));
    EXPECT_FALSE(list.contains(""));
}

TEST_F(PlayersTest, SavedNamesReadBackUnchanged) {
    // 8-bit names sort after every ASCII one.
    PlayerList list({"zoe", "\xC9mile", "Anna  Lee", "Bob"});
    ASSERT_TRUE(list.add("Xavier\t").done());
    EXPECT_EQ(list.names(), (std::vector<std::string>{"Anna  Lee", "Bob", "Xavier", "zoe", "\xC9mile"}));
    ProfileFile file = ConfigFile(settings);
    ASSERT_TRUE(list.save(file));
    EXPECT_EQ(loadList().names(), list.names());
}

TEST_F(PlayersTest, NoConfigurationMeansNoPlayers) {
    const PlayerList list = loadList();
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(config(), "<missing>");
}

// --- The list operations ---------------------------------------------------------

// One operation on a list: the outcome, the name selected afterwards and the
// names left. An operation that is refused leaves the list unchanged.
struct ListOp {
    std::vector<std::string> before;
    char op;  // 'a'dd, 'r'ename (a to b), 'd'elete a while b is current
    std::string a, b;
    PlayerOutcome outcome;
    std::string select;
    std::vector<std::string> after;
};

TEST(PlayerListOps, EachOperationChecksItsNamesAndKeepsTheOrder) {
    using enum PlayerOutcome;
    const std::vector<std::string> pc{"Player 1", "Carl"}, abc{"Anna", "Bob", "Carl"};
    const ListOp cases[] = {
        {pc, 'a', "", "", EmptyName, "", {"Carl", "Player 1"}},
        {pc, 'a', "   ", "", EmptyName, "", {"Carl", "Player 1"}},
        {pc, 'a', "Carl  ", "", NameExists, "", {"Carl", "Player 1"}},
        {pc, 'a', "Anna ", "", Done, "Anna", {"Anna", "Carl", "Player 1"}},
        // Names differing only in letter case are different players.
        {pc, 'a', "player 1", "", Done, "player 1", {"Carl", "Player 1", "player 1"}},
        {{"PLAYER 1", "player 1"}, 'a', "player 1", "", NameExists, "", {"PLAYER 1", "player 1"}},
        {abc, 'r', "Bob", "", EmptyName, "", abc},
        {abc, 'r', "Bob", "Carl", NameExists, "", abc},
        {abc, 'r', "Nobody", "Dave", NoSelection, "", abc},
        {abc, 'r', "Bob", "Bob   ", Unchanged, "Bob", abc},
        {abc, 'r', "Bob", "Zack", Done, "Zack", {"Anna", "Carl", "Zack"}},
        {abc, 'r', "Anna", "anna", Done, "anna", {"Bob", "Carl", "anna"}},
        {abc, 'd', "Bob", "Bob", CurrentPlayer, "", abc},
        {abc, 'd', "Dave", "Bob", NoSelection, "", abc},
        // Afterwards the first name is selected, or none when none is left.
        {abc, 'd', "Anna", "Bob", Done, "Bob", {"Bob", "Carl"}},
        {abc, 'd', "Carl", "Bob", Done, "Anna", {"Anna", "Bob"}},
        {{"Anna"}, 'd', "Anna", "Somebody else", Done, "", {}},
    };
    for (const auto& c : cases) {
        PlayerList list(c.before);
        const PlayerResult result = c.op == 'a'   ? list.add(c.a)
                                    : c.op == 'r' ? list.rename(c.a, c.b)
                                                  : list.remove(c.a, c.b);
        const std::string what = std::string(1, c.op) + " '" + c.a + "' '" + c.b + "'";
        EXPECT_EQ(result.outcome, c.outcome) << what;
        EXPECT_EQ(result.select, c.select) << what;
        EXPECT_EQ(list.names(), c.after) << what;
        EXPECT_EQ(list.changed(), c.outcome == Done) << what;
    }
    const std::pair<PlayerOutcome, std::string_view> messages[] = {
        {EmptyName, "Please enter at least 1 character."},
        {NameExists, "This player name already exists."},
        {CurrentPlayer, "It is impossible to delete the selected player."},
        {NoSelection, "Select a player."},
        {Cancelled, ""},
    };
    for (const auto& [outcome, text] : messages) {
        PlayerResult result;
        result.outcome = outcome;
        EXPECT_EQ(result.message(), text);
    }
}

// --- Saving ----------------------------------------------------------------------

TEST_F(PlayersTest, OnlyAChangedListIsWrittenWithAllTwentyKeysInOrder) {
    writeConfig("[Users]\r\nUser003=Bob\r\nUser001=Anna\r\n");
    PlayerList list = loadList();
    ProfileFile file = ConfigFile(settings);
    EXPECT_FALSE(list.save(file));
    EXPECT_EQ(config(), "[Users]\r\nUser003=Bob\r\nUser001=Anna\r\n");
    ASSERT_TRUE(list.add("Abe").done());
    EXPECT_TRUE(list.save(file));
    EXPECT_FALSE(list.changed());
    // The existing keys are rewritten where they stand, the others follow.
    std::string expected = "[Users]\r\nUser003=Bob\r\nUser001=Abe\r\nUser002=Anna\r\n";
    for (int i = 3; i < kStoredPlayers; ++i) expected += PlayerKey(i) + "=\r\n";
    EXPECT_EQ(config(), expected);
    EXPECT_FALSE(list.save(file)) << "saved once, unchanged since";
}

TEST_F(PlayersTest, TwentyOneNamesLoseTheLastSortedOneOnSave) {
    std::vector<std::string> names;
    for (int i = 0; i < kStoredPlayers; ++i) names.push_back("P" + std::string(1, static_cast<char>('A' + i)));
    PlayerList list(names);
    ASSERT_TRUE(list.add("AAA").done());
    ASSERT_EQ(list.size(), 21u);
    ProfileFile file = ConfigFile(settings);
    ASSERT_TRUE(list.save(file));

    std::vector<std::string> stored{"AAA"};
    for (int i = 0; i < kStoredPlayers - 1; ++i) stored.push_back(names[static_cast<size_t>(i)]);
    EXPECT_EQ(config(), UsersSection(stored));
    const PlayerList reloaded = loadList();
    EXPECT_EQ(reloaded.size(), 20u);
    EXPECT_FALSE(reloaded.contains("PT")) << "sorted last of the twenty-one";
    EXPECT_TRUE(reloaded.contains("PS"));
    EXPECT_TRUE(reloaded.contains("AAA"));
}

TEST_F(PlayersTest, ClosingWithoutChangesWritesOnlyUserDefault) {
    writeConfig("[Users]\r\nUser001=Anna\r\n");
    settings.put(Field::CurrentPlayer, "Anna");
    PlayerList list = loadList();
    EXPECT_TRUE(SavePlayers(context, list));
    EXPECT_EQ(config(), "[Users]\r\nUser001=Anna\r\n\r\n[Preference]\r\nUserDefault=Anna\r\n");
}

TEST_F(PlayersTest, AConfigurationThatCannotBeWrittenIsReported) {
    PlayerContext broken{ProfileFile(dir / "no such folder" / "CFG.DAT"), settings, files, platform};
    settings.put(Field::CurrentPlayer, "Anna");
    PlayerList list({"Anna"});
    ASSERT_TRUE(list.add("Bob").done());
    EXPECT_FALSE(SavePlayers(broken, list));
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, "Unable to write to " + (dir / "no such folder" / "CFG.DAT").string());
    EXPECT_EQ(fake.messages[0].icon, MessageIcon::Error);
    EXPECT_TRUE(list.changed()) << "the list is still to be written";
    EXPECT_EQ(fake.busyDepth, 0);
}

// --- Choosing the current player ---------------------------------------------------

TEST_F(PlayersTest, ChoosingWithoutADealAsksNothing) {
    PlayerList list = started();
    // Only a listed name other than the current one is a choice.
    PlayerResult refused = ChoosePlayer(context, engine, list, "");
    EXPECT_EQ(refused.outcome, PlayerOutcome::NoSelection);
    EXPECT_EQ(refused.message(), "Select a player.");
    EXPECT_EQ(ChoosePlayer(context, engine, list, "Stranger").outcome, PlayerOutcome::NoSelection);
    refused = ChoosePlayer(context, engine, list, "Player 1");
    EXPECT_EQ(refused.outcome, PlayerOutcome::Unchanged);
    EXPECT_FALSE(refused.playerChanged);
    EXPECT_EQ(config(), kFirstStartConfig);
    ASSERT_TRUE(list.add("Bob").done());
    settings.put(Field::RunWon, "0003");
    settings.put(Field::RunLost, "0002");

    const PlayerResult result = ChoosePlayer(context, engine, list, "Bob");
    EXPECT_TRUE(result.done());
    EXPECT_TRUE(result.playerChanged) << "the front end opens the game-choice dialog";
    EXPECT_EQ(result.select, "Bob");
    EXPECT_TRUE(fake.questions.empty());
    EXPECT_TRUE(recorder.results.empty()) << "no deal to end";
    EXPECT_EQ(current(), "Bob");
    EXPECT_EQ(settings.get(Field::RunWon), "0000");
    EXPECT_EQ(settings.get(Field::RunLost), "0000");
    EXPECT_EQ(config(), "[Preference]\r\nUserDefault=Bob\r\n\r\n[Users]\r\nUser001=Player 1\r\n");

    ASSERT_TRUE(SavePlayers(context, list));
    EXPECT_EQ(config(), "[Preference]\r\nUserDefault=Bob\r\n\r\n" + UsersSection({"Bob", "Player 1"}));
}

TEST_F(PlayersTest, RefusingToLeaveTheDealChangesNothing) {
    PlayerList list = started({"Bob"});
    deal(kKlondike, "7");
    settings.put(Field::RunWon, "0003");
    fake.answers = {Answer::Cancel};

    const PlayerResult result = ChoosePlayer(context, engine, list, "Bob");
    EXPECT_EQ(result.outcome, PlayerOutcome::Cancelled);
    EXPECT_FALSE(result.playerChanged);
    EXPECT_EQ(result.message(), "");
    ASSERT_EQ(fake.questions.size(), 1u);
    EXPECT_EQ(fake.questions[0].text, "Start new game for player Bob?");
    EXPECT_EQ(fake.questions[0].buttons, MessageButtons::OkCancel);
    EXPECT_TRUE(engine.game().inProgress);
    EXPECT_TRUE(recorder.results.empty());
    EXPECT_EQ(current(), "Player 1");
    EXPECT_EQ(settings.get(Field::RunWon), "0003");
    EXPECT_EQ(config(), kFirstStartConfig);
}

TEST_F(PlayersTest, SwitchingDuringADealRecordsItAsLostForThePreviousPlayer) {
    recorder.files = &files;
    PlayerList list = started({"Bob"});
    deal(kKlondike, "7");
    settings.put(Field::RunWon, "0003");
    settings.put(Field::RunLost, "0001");
    fake.answers = {Answer::Ok};

    const PlayerResult result = ChoosePlayer(context, engine, list, "Bob");
    EXPECT_TRUE(result.done());
    EXPECT_TRUE(result.playerChanged);
    ASSERT_EQ(fake.questions.size(), 1u);
    EXPECT_EQ(fake.questions[0].text, "Start new game for player Bob?");
    ASSERT_EQ(recorder.results.size(), 1u);
    EXPECT_FALSE(recorder.results[0].won);
    EXPECT_EQ(recorder.results[0].gameNumber, "7");
    EXPECT_EQ(recorder.players[0], "Player 1");
    EXPECT_FALSE(engine.game().inProgress);
    EXPECT_EQ(current(), "Bob");
    EXPECT_EQ(settings.get(Field::RunWon), "0000");
    EXPECT_EQ(settings.get(Field::RunLost), "0000");
    EXPECT_EQ(ProfileFile(configPath()).ReadString("Preference", "UserDefault", ""), "Bob");
    // The loss is in the previous player's statistics; the session counters
    // that counted it were reset with the switch.
    EXPECT_EQ(stats(kKlondike, "Player 1"), (StatRecord{0, 1, 0, 1, 0, 1, -52}));
    EXPECT_EQ(stats(kKlondike, "Bob"), StatRecord{});
    EXPECT_EQ(ReadStatistics(files, settings, kKlondike, "Bob").runLost, 0);
}

TEST_F(PlayersTest, WithTheConfirmationOffTheDealEndsWithoutAQuestion) {
    PlayerList list = started({"Bob"});
    deal(kKlondike, "9");
    settings.put(Field::ConfirmQuitGame, "N");

    EXPECT_TRUE(ChoosePlayer(context, engine, list, "Bob").playerChanged);
    EXPECT_TRUE(fake.questions.empty());
    ASSERT_EQ(recorder.players.size(), 1u);
    EXPECT_EQ(recorder.players[0], "Player 1");
    EXPECT_EQ(current(), "Bob");
}

// --- Renaming and deleting with the data files ---------------------------------------

TEST_F(PlayersTest, RenamingTheCurrentPlayerCarriesTheNameEverywhere) {
    PlayerList list = started({"Bob"});
    played(1, "Player 1", true, 120);
    played(3, "Player 1", false, -5);
    played(1, "Bob", false, 10);
    writeHiScores({HiScoreLine(1, "Player 1", 120), HiScoreLine(2, "Bob", 10), HiScoreLine(3, "Player 1X", 5)});
    const StatRecord game1 = stats(1, "Player 1");
    const StatRecord game3 = stats(3, "Player 1");
    ASSERT_EQ(game1.won, 1);
    ASSERT_EQ(game3.lost, 1);

    const PlayerResult result = RenamePlayer(context, list, "Player 1", "Zoe");
    EXPECT_TRUE(result.done());
    EXPECT_EQ(result.select, "Zoe");
    EXPECT_EQ(list.names(), (std::vector<std::string>{"Bob", "Zoe"}));
    // Still the current player, under the new name, at once.
    EXPECT_EQ(current(), "Zoe");
    EXPECT_EQ(config(), "[Preference]\r\nUserDefault=Zoe\r\n\r\n[Users]\r\nUser001=Player 1\r\n");

    EXPECT_EQ(stats(1, "Zoe"), game1);
    EXPECT_EQ(stats(3, "Zoe"), game3);
    EXPECT_EQ(stats(1, "Player 1"), StatRecord{});
    EXPECT_EQ(stats(1, "Bob").lost, 1);
    EXPECT_EQ(logPlayers(), (std::vector<std::string>{"Zoe", "Zoe", "Bob"}));
    EXPECT_EQ(dataFile(kHiScoreFile), "[Version]\r\nVersion=0300\r\n\r\n[0001]\r\n" + HiScoreLine(1, "Zoe", 120) +
                                          "\r\n" + HiScoreLine(2, "Bob", 10) + "\r\n" + HiScoreLine(3, "Player 1X", 5) +
                                          "\r\n");

    ASSERT_TRUE(SavePlayers(context, list));
    EXPECT_EQ(config(), "[Preference]\r\nUserDefault=Zoe\r\n\r\n" + UsersSection({"Bob", "Zoe"}));
    EXPECT_TRUE(fake.messages.empty());
}

TEST_F(PlayersTest, RenamingAnotherPlayerLeavesTheCurrentOne) {
    PlayerList list = started({"Bob"});
    played(1, "Bob", true, 50);

    // A name the list refuses renames nothing in the data files.
    EXPECT_EQ(RenamePlayer(context, list, "Bob", "Player 1").outcome, PlayerOutcome::NameExists);
    EXPECT_EQ(stats(1, "Bob").won, 1);

    EXPECT_TRUE(RenamePlayer(context, list, "Bob", "Al").done());
    EXPECT_EQ(list.names(), (std::vector<std::string>{"Al", "Player 1"}));
    EXPECT_EQ(current(), "Player 1");
    EXPECT_EQ(config(), kFirstStartConfig);
    EXPECT_EQ(stats(1, "Al").won, 1);
    EXPECT_EQ(stats(1, "Bob"), StatRecord{});
}

TEST_F(PlayersTest, ARenameTheDataFilesRefuseLeavesTheList) {
    PlayerList list = started();
    played(1, "Player 1", true, 120);
    const std::string before = dataFile(kStatisticsFile);
    const WriteFaults faults{WriteStep::Rename};
    files.setWriteFaults(&faults);

    const PlayerResult result = RenamePlayer(context, list, "Player 1", "Zoe");
    EXPECT_EQ(result.outcome, PlayerOutcome::DataFileError);
    EXPECT_EQ(result.message(), "") << "the data files have shown their own message";
    EXPECT_FALSE(fake.messages.empty());
    EXPECT_EQ(list.names(), std::vector<std::string>{"Player 1"});
    EXPECT_FALSE(list.changed());
    EXPECT_EQ(current(), "Player 1");
    EXPECT_EQ(config(), kFirstStartConfig);
    EXPECT_EQ(dataFile(kStatisticsFile), before);

    // Once the files can be written again, the same rename goes through.
    files.setWriteFaults(nullptr);
    EXPECT_TRUE(RenamePlayer(context, list, "Player 1", "Zoe").done());
    EXPECT_EQ(stats(1, "Zoe").won, 1);
    EXPECT_EQ(current(), "Zoe");
}

TEST_F(PlayersTest, TheCurrentPlayerIsNotDeletedAndNothingIsAsked) {
    PlayerList list = started();
    played(1, "Player 1", true, 120);
    const PlayerResult result = DeletePlayer(context, list, "Player 1");
    EXPECT_EQ(result.outcome, PlayerOutcome::CurrentPlayer);
    EXPECT_EQ(result.message(), "It is impossible to delete the selected player.");
    EXPECT_TRUE(fake.questions.empty());
    EXPECT_EQ(stats(1, "Player 1").won, 1);
    EXPECT_EQ(DeletePlayer(context, list, "").outcome, PlayerOutcome::NoSelection);
}

TEST_F(PlayersTest, DeletingAsksFirstAndCancelKeepsEverything) {
    PlayerList list = started({"Bob"});
    played(1, "Bob", true, 70);
    const std::string statsBefore = dataFile(kStatisticsFile);
    const std::string logBefore = dataFile(kGameLogFile);
    fake.answers = {Answer::Cancel};

    const PlayerResult result = DeletePlayer(context, list, "Bob");
    EXPECT_EQ(result.outcome, PlayerOutcome::Cancelled);
    ASSERT_EQ(fake.questions.size(), 1u);
    EXPECT_EQ(fake.questions[0].text,
              "Are you sure you want to delete the selected player?\rNote: also statistics of this player will be "
              "deleted.");
    EXPECT_EQ(fake.questions[0].buttons, MessageButtons::OkCancel);
    EXPECT_TRUE(list.contains("Bob"));
    EXPECT_EQ(dataFile(kStatisticsFile), statsBefore);
    EXPECT_EQ(dataFile(kGameLogFile), logBefore);
}

TEST_F(PlayersTest, DeletingZeroesEveryGameAndKeepsTheHiScores) {
    PlayerList list = started({"Bob", "Anna"});
    played(1, "Bob", true, 70);
    played(1, "Player 1", false, 3);
    played(3, "Bob", false, -20);
    played(53, "Bob", true, 15);
    writeHiScores({HiScoreLine(1, "Bob", 70), HiScoreLine(2, "Player 1", 3)});
    const std::string hiScores = dataFile(kHiScoreFile);
    const StatRecord playerOne = stats(1, "Player 1");

    const PlayerResult result = DeletePlayer(context, list, "Bob");
    EXPECT_TRUE(result.done());
    EXPECT_EQ(result.select, "Anna") << "the first name is selected";
    EXPECT_EQ(list.names(), (std::vector<std::string>{"Anna", "Player 1"}));
    for (const int game : {1, 3, 53}) EXPECT_EQ(stats(game, "Bob"), StatRecord{}) << "game " << game;
    EXPECT_EQ(stats(1, "Player 1"), playerOne);
    EXPECT_EQ(logPlayers(), std::vector<std::string>{"Player 1"});
    EXPECT_EQ(dataFile(kHiScoreFile), hiScores);
    EXPECT_EQ(current(), "Player 1");
    EXPECT_TRUE(fake.messages.empty());
}

TEST_F(PlayersTest, ADeletionTheStatisticsRefuseKeepsThePlayer) {
    PlayerList list = started({"Bob"});
    played(1, "Bob", true, 70);
    const WriteFaults faults{WriteStep::Create};
    files.setWriteFaults(&faults);

    EXPECT_EQ(DeletePlayer(context, list, "Bob").outcome, PlayerOutcome::DataFileError);
    EXPECT_TRUE(list.contains("Bob"));
    EXPECT_FALSE(fake.messages.empty());
    files.setWriteFaults(nullptr);
    EXPECT_EQ(stats(1, "Bob").won, 1);
}

TEST_F(PlayersTest, AddRenameDeleteThenCloseWritesTheList) {
    PlayerList list = started();
    ASSERT_TRUE(AddPlayer(list, "Bob").done());
    ASSERT_TRUE(AddPlayer(list, "Carl").done());
    ASSERT_TRUE(AddPlayer(list, "dora").done());
    ASSERT_TRUE(RenamePlayer(context, list, "Carl", "Al").done());
    ASSERT_TRUE(DeletePlayer(context, list, "Bob").done());
    EXPECT_EQ(config(), kFirstStartConfig) << "nothing is written before the window closes";
    ASSERT_TRUE(SavePlayers(context, list));
    EXPECT_EQ(config(), "[Preference]\r\nUserDefault=Player 1\r\n\r\n" + UsersSection({"Al", "Player 1", "dora"}));
    EXPECT_EQ(fake.busyCalls, 1);
    EXPECT_EQ(fake.busyDepth, 0);
    ASSERT_EQ(fake.pauses.size(), 1u);
    EXPECT_EQ(fake.pauses[0], std::chrono::milliseconds(100));
    EXPECT_TRUE(fake.messages.empty());

    // Opening the window again shows what was saved; deleting down to the
    // current player leaves one name and nineteen empty keys.
    list = loadList();
    EXPECT_EQ(list.names(), (std::vector<std::string>{"Al", "Player 1", "dora"}));
    ASSERT_TRUE(DeletePlayer(context, list, "dora").done());
    ASSERT_TRUE(DeletePlayer(context, list, "Al").done());
    ASSERT_TRUE(SavePlayers(context, list));
    EXPECT_EQ(config(), "[Preference]\r\nUserDefault=Player 1\r\n\r\n" + UsersSection({"Player 1"}));
}

}  // namespace
}  // namespace dravicor::test
