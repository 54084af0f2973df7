// The saved-game file: its exact layout, loading it back, refusing damaged
// files without touching the game in progress, and restarting a deal.
#include "savegame/saved_game.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>

#include "../engine/engine_fixture.h"
#include "common/file_io.h"
#include "common/text.h"
#include "rules/catalogue.h"
#include "rules/custom_games.h"
#include "shipped_games.h"

namespace dravicor::test {
namespace {

class SavedGameTest : public EngineFixture {
protected:
    SavedGameTest() {
        settings.put(Field::CurrentPlayer, "Ada");
        settings.put(Field::CurrentGame, "0000");
    }

    // A Klondike deal with three stock turns and a clock at 1:02:05.
    void playSomeKlondike() {
        deal(kKlondike, "1234");
        dealt = snapshot();
        clickStock();
        clickStock();
        clickStock();
        ASSERT_EQ(engine.history().undo.size(), 3U);
        fake.clockNow += std::chrono::seconds(3725);
    }

    std::vector<std::string> fileLines(const std::string& bytes) const { return SplitLines(bytes); }

    // Writes the bytes and loads them into the fixture's engine or another; the message.
    std::string loadBytes(const std::string& bytes, Engine* into = nullptr) {
        WriteFile(dir / "game.gam", bytes);
        return LoadSavedGame(dir / "game.gam", into ? *into : engine, settings, catalogue);
    }

    static std::string joinLines(const std::vector<std::string>& lines) {
        std::string out;
        for (const auto& line : lines) out += line + "\r\n";
        return out;
    }

    TempDir dir;
    SavedGameCatalogue catalogue = ShippedGames();
    std::vector<std::string> dealt;
};

TEST_F(SavedGameTest, WritesTheHeaderLinesPositionAndSectionsExactly) {
    settings.put(Field::BackgroundPicture, "12");
    settings.put(Field::BackgroundColour, "32768");
    settings.put(Field::BackgroundDefault, "Y");
    settings.put(Field::CardSet, "002");
    settings.put(Field::CardBack, "007");
    playSomeKlondike();
    const std::string bytes = SavedGameBytes(engine, settings);
    const auto lines = fileLines(bytes);

    const std::string expectedHeader = "[S-0302]0000" + std::string("12") + std::string(28, ' ') + "000000000032768" +
                                       "Y   " + "B" + "002      " + "0007" + "003725" + "01" + "-00052" + "000001";
    EXPECT_EQ(lines[0], expectedHeader);
    EXPECT_EQ(lines[0].size(), 95U);
    std::string expectedLine1 = "Ada" + std::string(47, ' ') + "1234" + std::string(11, ' ') + " ";
    for (int i = 0; i < 16; ++i) expectedLine1 += FormatField(engine.rules()[Rule::FoundationFirstCard + i], 2);
    EXPECT_EQ(lines[1], expectedLine1);
    EXPECT_EQ(lines[1].size(), 98U);
    for (int i = 2; i < 12; ++i) EXPECT_EQ(lines[static_cast<size_t>(i)], "") << "line " << i;

    const auto position = snapshot();
    for (size_t i = 0; i < 53; ++i) EXPECT_EQ(lines[12 + i], position[i]) << "pile line " << i;

    // Three steps: 3, 16, 26 and 8 entries per step, then the log.
    std::vector<std::string> expected(lines.begin(), lines.begin() + 65);
    std::vector<std::vector<std::string>> steps;
    for (const auto& step : engine.history().undo) steps.push_back(step.snapshotLines());
    const std::pair<const char*, std::pair<int, int>> sections[] = {{"[UNDO - Stock]", {0, 3}},
                                                                    {"[UNDO - Foundations]", {3, 16}},
                                                                    {"[UNDO - Piles]", {19, 26}},
                                                                    {"[UNDO - Reserves]", {45, 8}}};
    for (const auto& [name, range] : sections) {
        expected.push_back(name);
        for (const auto& step : steps) {
            for (int i = 0; i < range.second; ++i) expected.push_back(step[static_cast<size_t>(range.first + i)]);
        }
    }
    expected.push_back("[UNDO - Log]");
    expected.push_back(engine.game().moveLog.text());
    EXPECT_EQ(bytes, joinLines(expected));
    EXPECT_EQ(steps.front(), dealt) << "the first step is the deal";
}

TEST_F(SavedGameTest, EmptyHistoryStillWritesEverySectionAndOneLogLine) {
    deal(kKlondike, "99");
    const std::string bytes = SavedGameBytes(engine, settings);
    EXPECT_TRUE(bytes.ends_with("[UNDO - Stock]\r\n[UNDO - Foundations]\r\n[UNDO - Piles]\r\n[UNDO - Reserves]\r\n"
                                "[UNDO - Log]\r\n\r\n"));
    EXPECT_EQ(fileLines(bytes).size(), 12U + 53U + 5U + 1U);
    EXPECT_EQ(fileLines(bytes)[13], "") << "the waste is empty after the deal";
}

TEST_F(SavedGameTest, LoadRestoresEverythingTheFileCarries) {
    playSomeKlondike();
    const std::string bytes = SavedGameBytes(engine, settings);
    const Position original = engine.position();
    const std::string log = engine.game().moveLog.text();

    Engine other{settings, platform, random};
    settings.put(Field::CurrentPlayer, "Someone");
    settings.put(Field::CurrentGameNumber, "5");
    settings.put(Field::CurrentScore, "0");
    ASSERT_EQ(loadBytes(bytes, &other), "");
    EXPECT_EQ(SavedGameBytes(other, settings), bytes) << "saved again, the same bytes";

    EXPECT_EQ(BuildSnapshot(other.position()), BuildSnapshot(original));
    EXPECT_EQ(other.history().undo, engine.history().undo);
    EXPECT_TRUE(other.history().redo.empty());
    EXPECT_EQ(other.game().moveLog.text(), log);
    EXPECT_EQ(other.game().score, -52);
    EXPECT_EQ(other.game().passNumber, 1);
    EXPECT_EQ(other.game().gameCode, kKlondike);
    EXPECT_EQ(other.game().gameNumber, "1234");
    EXPECT_TRUE(other.game().inProgress);
    EXPECT_EQ(other.elapsedSeconds(), 3725);
    EXPECT_EQ(FormatClock(other.elapsedSeconds()), "1:02:05");
    EXPECT_EQ(settings.get(Field::CurrentPlayer), "Ada");
    EXPECT_EQ(settings.get(Field::CurrentGameNumber), "1234");
    EXPECT_EQ(settings.get(Field::CurrentScore), "-52");
    EXPECT_EQ(settings.get(Field::CurrentGame), "0000");
    EXPECT_EQ(settings.get(Field::CurrentGameName), "Game 0");

    // Undo walks back to the deal, the earliest step, and redo forward again.
    ASSERT_TRUE(other.Undo());
    ASSERT_TRUE(other.Undo());
    ASSERT_TRUE(other.Undo());
    EXPECT_EQ(BuildSnapshot(other.position()), dealt);
    EXPECT_FALSE(other.Undo()) << "the deal is the earliest step";
    ASSERT_TRUE(other.Redo());
    ASSERT_TRUE(other.Redo());
    ASSERT_TRUE(other.Redo());
    EXPECT_EQ(BuildSnapshot(other.position()), snapshot());
}

TEST_F(SavedGameTest, EmptySlotsAndFaceDownCardsSurviveTheRoundTrip) {
    deal(kKlondike, "3");
    Position position;
    Lay(position, PileId::Tableau(1), {Hearts(5), Spades(6)}, 1);
    position.Append(PileId::Tableau(2), kNoCard);
    Lay(position, PileId::Tableau(2), {Clubs(9)}, 1);
    Lay(position, PileId::Stock(), {Diamonds(1), Diamonds(2)}, 2);
    playFrom(position);
    const std::string bytes = SavedGameBytes(engine, settings);
    const auto lines = fileLines(bytes);
    EXPECT_EQ(lines[12], "01400150");
    EXPECT_EQ(lines[31], "00500451");
    EXPECT_EQ(lines[32], "00000350");

    Engine other{settings, platform, random};
    ASSERT_EQ(loadBytes(bytes, &other), "");
    EXPECT_EQ(SavedGameBytes(other, settings), bytes);
}

// A damaged file: refused with its own message, and nothing changes.
class DamagedFile : public SavedGameTest {
protected:
    void SetUp() override {
        playSomeKlondike();
        good = fileLines(SavedGameBytes(engine, settings));
        before = snapshot();
        undoBefore = engine.history().undo;
        logBefore = engine.game().moveLog.text();
        settings.put(Field::CurrentGameNumber, "777");
    }

    void expectRefused(const std::vector<std::string>& lines, const std::string& fault) {
        const std::string message = loadBytes(joinLines(lines));
        EXPECT_NE(message.find((dir / "game.gam").string()), std::string::npos) << message;
        EXPECT_NE(message.find(fault), std::string::npos) << message;
        EXPECT_EQ(snapshot(), before);
        EXPECT_EQ(engine.history().undo, undoBefore);
        EXPECT_EQ(engine.game().moveLog.text(), logBefore);
        EXPECT_TRUE(engine.game().inProgress) << "the game in progress was not ended";
        EXPECT_EQ(engine.game().score, -52);
        EXPECT_EQ(settings.get(Field::CurrentGameNumber), "777");
        EXPECT_EQ(settings.get(Field::CurrentPlayer), "Ada");
    }

    // The index of the line in the good file.
    size_t indexOf(const std::string& line) const {
        return static_cast<size_t>(std::find(good.begin(), good.end(), line) - good.begin());
    }

    std::vector<std::string> good;
    std::vector<std::string> before;
    std::vector<CompactPosition> undoBefore;
    std::string logBefore;
};

// Each kind of damage to the good file, with the fault its message names.
TEST_F(DamagedFile, EachDamageIsNamed) {
    using Lines = std::vector<std::string>;
    const auto cell = [](size_t line, size_t column, size_t length, std::string text) {
        return [=](Lines& lines) { lines[line].replace(column, length, text); };
    };
    const std::pair<std::function<void(Lines&)>, std::string> cases[] = {
        {cell(31, 0, 4, "1050"), "position, line 32: cell \"1050\" does not name a card 0-104"},
        {cell(31, 3, 1, "2"), "has a face flag other than 0 or 1"},
        {cell(31, 0, 3, "0x1"), "does not name a card"},
        {cell(0, 83, 6, "-0005x"), "the score \"-0005x\" is not a number"},
        {cell(0, 8, 4, "00a0"), "the game code \"00a0\" is not a number"},
        {cell(0, 89, 6, "000000"), "the pass \"000000\" is not a pass number"},
        {cell(0, 3, 4, "03x2"), "the format version \"03x2\" is not a number"},
        {cell(0, 8, 4, "0900"), "there is no game with the code 900"},
        {[](Lines& l) { l[31].pop_back(); }, "not a whole number of cells"},
        {[](Lines& l) { l.resize(40); }, "the file is truncated (40 lines"},
        {[](Lines& l) { l[0].resize(60); }, "the header line is not 95 characters long"},
        {[](Lines& l) { l.clear(); }, "the header line is not 95 characters long"},
        {[](Lines& l) {
             l.resize(l.size() - 2);
             l.push_back("");
         },
         "the section [UNDO - Log] is missing"},
        // The top card of tableau 1 again, in reserve 1.
        {[](Lines& l) { l[57] = l[31].substr(l[31].size() - 4); }, "lies twice"},
        {[&](Lines& l) { l[indexOf("[UNDO - Reserves]") + 1] = l[31].substr(0, 4); },
         "undo step 1, pile 46: card"},
        {[&](Lines& l) { l.erase(l.begin() + static_cast<std::ptrdiff_t>(indexOf("[UNDO - Foundations]") + 1)); },
         "the section [UNDO - Foundations] holds 47 lines, not a whole number of steps of 16"},
        {[&](Lines& l) {
             const auto at = l.begin() + static_cast<std::ptrdiff_t>(indexOf("[UNDO - Stock]") + 1);
             l.erase(at, at + 3);
         },
         "the undo sections hold different numbers of steps (2 and 3)"},
        {[](Lines& l) { l.push_back(","); }, "holds 2 lines instead of one"},
        {[](Lines& l) { l.back() = "12,"; }, "the move log \"12,\" is malformed"},
        {[](Lines& l) {
             l[1].resize(90);
             l[1].replace(66, 2, "05");
         },
         "line 2 is not 98 characters long"},
    };
    for (const auto& [damage, fault] : cases) {
        SCOPED_TRACE(fault);
        Lines lines = good;
        damage(lines);
        expectRefused(lines, fault);
    }
}

TEST_F(DamagedFile, MissingFile) {
    const std::string message = LoadSavedGame(dir / "none.gam", engine, settings, catalogue);
    EXPECT_NE(message.find("none.gam"), std::string::npos);
    EXPECT_NE(message.find("cannot be read"), std::string::npos);
    EXPECT_EQ(snapshot(), before);
}

// Random damage of every kind: a file either loads into a game that saves
// and loads again, or is refused with a message and changes nothing.
TEST_F(DamagedFile, RandomDamageNeverHalfInstallsAGame) {
    const std::string goodBytes = joinLines(good);
    std::mt19937 rng(20261206);
    int refused = 0;
    for (int round = 0; round < 300; ++round) {
        std::string bytes = goodBytes;
        const int edits = 1 + static_cast<int>(rng() % 4);
        for (int e = 0; e < edits && !bytes.empty(); ++e) {
            const size_t at = rng() % bytes.size();
            switch (rng() % 5) {
                case 0: bytes[at] = static_cast<char>(rng() % 256); break;
                case 1: bytes[at] = static_cast<char>('0' + rng() % 10); break;
                case 2: bytes.erase(at, 1 + rng() % 8); break;
                case 3: bytes.insert(at, std::string(1 + rng() % 4, static_cast<char>(rng() % 128))); break;
                default: bytes.resize(at); break;
            }
        }
        Engine other{settings, platform, random};
        const std::string message = loadBytes(bytes);
        if (message.empty()) {
            // Accepted damage (a digit within a field, say) still gives a
            // whole game: saved again, it loads again.
            const std::string again = SavedGameBytes(engine, settings);
            ASSERT_EQ(loadBytes(again, &other), "") << "round " << round;
            ASSERT_EQ(BuildSnapshot(other.position()), snapshot()) << "round " << round;
            // Back to the damaged game's predecessor for the next round.
            ASSERT_EQ(loadBytes(goodBytes), "");
            settings.put(Field::CurrentGameNumber, "777");
            settings.put(Field::CurrentPlayer, "Ada");
            before = snapshot();
            undoBefore = engine.history().undo;
            logBefore = engine.game().moveLog.text();
            continue;
        }
        ++refused;
        ASSERT_EQ(message.rfind("Cannot open the saved game ", 0), 0U) << message;
        ASSERT_EQ(snapshot(), before) << "round " << round << ": " << message;
        ASSERT_EQ(engine.history().undo, undoBefore) << "round " << round;
        ASSERT_EQ(engine.game().moveLog.text(), logBefore) << "round " << round;
        ASSERT_TRUE(engine.game().inProgress) << "round " << round;
        ASSERT_EQ(settings.get(Field::CurrentGameNumber), "777") << "round " << round;
    }
    EXPECT_GT(refused, 150) << "most random damage must be caught";
}

TEST_F(SavedGameTest, UnreadableClockStartsFromZeroAndBadFoundationBaseKeepsTheRules) {
    playSomeKlondike();
    auto lines = fileLines(SavedGameBytes(engine, settings));
    lines[0].replace(75, 6, "abcdef");
    lines[1].replace(66, 2, "xx");
    const int rulesValue = engine.rules()[Rule::FoundationFirstCard];
    lines[1].replace(68, 2, "07");
    Engine other{settings, platform, random};
    ASSERT_EQ(loadBytes(joinLines(lines), &other), "");
    EXPECT_EQ(other.elapsedSeconds(), 0);
    EXPECT_TRUE(other.game().clockRunning);
    EXPECT_EQ(other.rules()[Rule::FoundationFirstCard], rulesValue);
    EXPECT_EQ(other.rules()[Rule::FoundationFirstCard + 1], 7);
}

TEST_F(SavedGameTest, AnotherGameResetsTheRunCounters) {
    playSomeKlondike();
    const std::string bytes = SavedGameBytes(engine, settings);
    settings.put(Field::RunWon, "0003");
    settings.put(Field::RunLost, "0002");
    ASSERT_EQ(loadBytes(bytes), "");
    EXPECT_EQ(settings.get(Field::RunWon), "0003") << "the same game keeps them";

    deal(kFreeCell, "5");
    settings.put(Field::CurrentGame, "0001");
    ASSERT_EQ(loadBytes(bytes), "");
    EXPECT_EQ(settings.get(Field::RunWon), "0000");
    EXPECT_EQ(settings.get(Field::RunLost), "0000");
    EXPECT_EQ(engine.game().gameCode, kKlondike);
}

TEST_F(SavedGameTest, LoadingEndsTheGameInProgressForTheRecords) {
    struct Records : GameRecords {
        int ended = 0;
        void gameEnded(const GameResult&) override { ++ended; }
    } records;
    engine.setRecords(&records);
    playSomeKlondike();
    const std::string bytes = SavedGameBytes(engine, settings);
    ASSERT_EQ(loadBytes(bytes), "");
    EXPECT_EQ(records.ended, 1);
    ASSERT_NE(loadBytes("garbage"), "");
    EXPECT_EQ(records.ended, 1) << "a refused file ends nothing";
}

// An old file holds twelve foundations and twenty-one tableau piles, in the
// position and in each undo step, and no foundation first cards past the
// twelfth; each is widened, so undo walks back to the deal.
TEST_F(SavedGameTest, OldVersionUndoStepsAreWidenedStepByStep) {
    playSomeKlondike();
    const auto current = snapshot();
    auto lines = fileLines(SavedGameBytes(engine, settings));
    lines[0].replace(3, 4, "0300");
    lines[1].resize(90);
    lines[1].replace(66, 2, "05");
    for (size_t i = 47; i < 52; ++i) ASSERT_EQ(lines[i], "");
    lines.erase(lines.begin() + 47, lines.begin() + 52);
    for (size_t i = 23; i < 27; ++i) ASSERT_EQ(lines[i], "");
    lines.erase(lines.begin() + 23, lines.begin() + 27);
    // Narrow every step of the foundation and tableau sections the same way.
    const auto narrow = [&lines](const std::string& header, size_t step, size_t from, size_t count) {
        auto at = std::find(lines.begin(), lines.end(), header) + 1;
        while (at != lines.end() && !at->starts_with("[")) {
            for (size_t i = 0; i < count; ++i) ASSERT_EQ(*(at + static_cast<std::ptrdiff_t>(from + i)), "");
            at = lines.erase(at + static_cast<std::ptrdiff_t>(from), at + static_cast<std::ptrdiff_t>(from + count));
            at += static_cast<std::ptrdiff_t>(step - from - count);
        }
    };
    narrow("[UNDO - Foundations]", 16, 8, 4);
    narrow("[UNDO - Piles]", 26, 20, 5);

    Engine other{settings, platform, random};
    ASSERT_EQ(loadBytes(joinLines(lines), &other), "");
    EXPECT_EQ(BuildSnapshot(other.position()), current);
    EXPECT_EQ(other.rules()[Rule::FoundationFirstCard], 5) << "the first twelve first cards are read as they stand";
    for (int i = 12; i < 16; ++i) EXPECT_EQ(other.rules()[Rule::FoundationFirstCard + i], 0) << "appended \"00\"";
    ASSERT_EQ(other.history().undo.size(), 3U);
    while (other.Undo(true)) {
    }
    EXPECT_EQ(BuildSnapshot(other.position()), dealt);

    // A foundation section that is not a whole number of old steps is refused.
    lines.insert(std::find(lines.begin(), lines.end(), "[UNDO - Foundations]") + 1, "");
    const std::string message = loadBytes(joinLines(lines), &other);
    EXPECT_NE(message.find("[UNDO - Foundations] holds 37 lines, not a whole number of steps of 12"), std::string::npos)
        << message;
}

TEST_F(SavedGameTest, RestartReturnsToTheDeal) {
    settings.put(Field::SoundsRestart, "Y");
    EXPECT_FALSE(RestartGame(engine, settings, fake)) << "no game to restart: nothing happens, no sound";
    EXPECT_FALSE(engine.game().inProgress);
    playSomeKlondike();
    const GameRules rulesBefore = engine.rules();
    ASSERT_TRUE(RestartGame(engine, settings, fake));
    EXPECT_EQ(engine.rules(), rulesBefore) << "the rules as the deal left them";
    EXPECT_EQ(snapshot(), dealt);
    EXPECT_TRUE(engine.history().undo.empty());
    EXPECT_TRUE(engine.game().moveLog.empty());
    EXPECT_EQ(engine.game().passNumber, 1);
    EXPECT_EQ(engine.elapsedSeconds(), 0);
    EXPECT_EQ(engine.game().score, -52);
    EXPECT_TRUE(engine.game().inProgress);
    EXPECT_EQ(soundCount(Sound::Restart), 1);
}

TEST_F(SavedGameTest, RestartWithoutHistoryKeepsThePosition) {
    deal(kKlondike, "8");
    Position moved = engine.position();
    moved.piles.pile(PileId::Tableau(1)).clear();
    playFrom(moved);
    const auto before = snapshot();
    ASSERT_NE(before, BuildSnapshot(Position{}));
    fake.clockNow += std::chrono::seconds(50);
    ASSERT_TRUE(RestartGame(engine, settings, fake));
    EXPECT_EQ(snapshot(), before) << "no undo step: no pile changes";
    EXPECT_EQ(engine.elapsedSeconds(), 0);
    EXPECT_TRUE(engine.game().moveLog.empty());
}

}  // namespace
}  // namespace dravicor::test
