#include "select/game_numbers.h"

#include <gtest/gtest.h>

#include "common/profile_file.h"
#include "engine/engine_fixture.h"
#include "support/fake_platform.h"
#include "support/temp_dir.h"

namespace dravicor::test {
namespace {

// A 13-digit number from a small value.
std::string Padded(long long value) {
    std::string digits = std::to_string(value);
    return std::string(13 - digits.size(), '0') + digits;
}

// The [Game_Numbers] section as a fresh file holds it after the writes: the
// values of Game001 to Game020, missing ones empty.
std::string NumbersSection(const std::vector<std::string>& values) {
    std::string text = "[Game_Numbers]\r\n";
    for (int i = 0; i < 20; ++i) {
        const auto index = static_cast<size_t>(i);
        text += RecentGameNumberKey(i + 1) + "=" + (index < values.size() ? values[index] : "") + "\r\n";
    }
    return text;
}

class GameNumbersTest : public ::testing::Test {
protected:
    // The program makes the DATA folder at start-up.
    GameNumbersTest() { std::filesystem::create_directories(dir / "DATA"); }

    std::filesystem::path configPath() const { return dir / "DATA/CFG.DAT"; }
    ProfileFile config() const { return ProfileFile(configPath()); }
    void remember(std::string_view number) {
        ProfileFile file = config();
        ASSERT_TRUE(RememberGameNumber(file, number, fake));
    }

    TempDir dir;
    FakePlatform fake;
};

// --- The number check ----------------------------------------------------

TEST(CheckGameNumber, AcceptsPadsRefusesOrIgnores) {
    using enum GameNumberCheck;
    std::string fourteenLetters;
    for (int i = 0; i < 14; ++i) fourteenLetters += "\xC3\xA9";
    const std::pair<std::string, GameNumberCheck> refused[] = {
        {"12345678901234", TooLong},
        {"00000000000000", TooLong},  // the length is checked before the value
        {"abcdefghijklmn", TooLong},  // ... and before the digits
        {"abcdefghijklm", NotDigits}, {"12a", NotDigits}, {" 12", NotDigits},  {"12 ", NotDigits},
        {"-5", NotDigits},            {"+5", NotDigits},  {"1.5", NotDigits},  {"1e3", NotDigits},
        {"0x10", NotDigits},          {"\xC3\xA9", NotDigits},
        // Characters are counted, not bytes: seven two-byte letters are not too long.
        {fourteenLetters.substr(0, 14), NotDigits}, {fourteenLetters, TooLong},
        {"", Ignored}, {"0", Ignored}, {"000", Ignored}, {"0000000000000", Ignored},
    };
    for (const auto& [text, check] : refused) {
        const auto entry = CheckGameNumber(text);
        EXPECT_EQ(entry.check, check) << text;
        EXPECT_EQ(entry.number, "") << text;
        EXPECT_EQ(entry.message, check == TooLong     ? "From 1 up to 13 ciphers."
                                 : check == NotDigits ? "Only numbers required."
                                                      : "")
            << text;
    }
    const std::pair<std::string, std::string> accepted[] = {
        {"42", "0000000000042"},           {"7", "0000000000007"},           {"0042", "0000000000042"},
        {"9999999999999", "9999999999999"}, {"0000000000001", "0000000000001"}, {"1000000000000", "1000000000000"}};
    for (const auto& [text, number] : accepted) {
        const auto entry = CheckGameNumber(text);
        EXPECT_EQ(entry.check, Accepted) << text;
        EXPECT_EQ(entry.number, number) << text;
        EXPECT_EQ(entry.message, "") << text;
    }
}

// --- Keys and the recent list -------------------------------------------

TEST_F(GameNumbersTest, RecentNumbersAreReadInKeyOrderWithoutEmptyValues) {
    EXPECT_TRUE(ReadRecentGameNumbers(config()).empty()) << "no file, no numbers";
    WriteFile(configPath(),
              "[Preference]\r\nUserDefault=Player 1\r\n\r\n[Game_Numbers]\r\n"
              "Game003=0000000000003\r\nGame001=0000000000001\r\nGame002=\r\n"
              "Game020=0000000000020\r\nGame021=0000000000021\r\nGame000=0000000000000\r\n");
    EXPECT_EQ(ReadRecentGameNumbers(config()),
              (std::vector<std::string>{"0000000000001", "0000000000003", "0000000000020"}));
}

TEST_F(GameNumbersTest, NewNumbersGoFirstAndOthersMoveDown) {
    remember("0000000000001");
    // The first deal writes all twenty keys.
    EXPECT_EQ(ReadFile(configPath()), NumbersSection({"0000000000001"}));
    EXPECT_EQ(ReadRecentGameNumbers(config()), (std::vector<std::string>{"0000000000001"}));
    remember("0000000000002");
    remember("0000000000003");
    const std::string three = NumbersSection({"0000000000003", "0000000000002", "0000000000001"});
    EXPECT_EQ(ReadFile(configPath()), three);
    // Repeating the first number changes nothing.
    remember("0000000000003");
    EXPECT_EQ(ReadFile(configPath()), three);
    EXPECT_TRUE(fake.messages.empty());
}

TEST_F(GameNumbersTest, TwentyFirstNumberDropsTheOldest) {
    // Twenty deals so far, the most recent (20) first.
    std::vector<std::string> expected;
    for (int n = 20; n >= 1; --n) expected.push_back(Padded(n));
    WriteFile(configPath(), NumbersSection(expected));

    // Entering 7 in the dialog deals 0000000000007: it is already in the
    // list, so it moves to the top and nothing drops out.
    const auto entry = CheckGameNumber("7");
    ASSERT_EQ(entry.check, GameNumberCheck::Accepted);
    remember(entry.number);
    expected.erase(std::find(expected.begin(), expected.end(), Padded(7)));
    expected.insert(expected.begin(), Padded(7));
    EXPECT_EQ(ReadFile(configPath()), NumbersSection(expected));
    EXPECT_EQ(ReadRecentGameNumbers(config()), expected);

    // A new number: Game001-Game019 move down a key, the twentieth goes.
    remember(Padded(21));
    expected.insert(expected.begin(), Padded(21));
    const std::string dropped = expected.back();
    expected.pop_back();
    EXPECT_EQ(dropped, Padded(1));
    EXPECT_EQ(ReadFile(configPath()), NumbersSection(expected));
}

TEST_F(GameNumbersTest, OtherSectionsAreKeptAsTheyAreAndEmptyValuesCountAsEntries) {
    const std::string preference = "[Preference]\r\nUserDefault=Player 1\r\n";
    const std::string users = "[Users]\r\nUser001=Player 1\r\n";
    WriteFile(configPath(), preference + "\r\n[Game_Numbers]\r\nGame001=0000000000004\r\n\r\n" + users);
    remember("0000000000008");
    // The missing keys are added after the last key of the section.
    EXPECT_EQ(ReadFile(configPath()),
              preference + "\r\n" + NumbersSection({"0000000000008", "0000000000004"}) + "\r\n" + users);

    WriteFile(configPath(),
              "[Game_Numbers]\r\nGame001=0000000000001\r\nGame002=\r\nGame003=0000000000003\r\n");
    remember("0000000000009");
    // The empty Game002 moves down to Game003 like any other entry.
    EXPECT_EQ(ReadFile(configPath()), NumbersSection({"0000000000009", "0000000000001", "", "0000000000003"}));
}

TEST_F(GameNumbersTest, EveryCopyOfTheNumberIsRemoved) {
    // A file edited by hand may hold the number twice; after removing both
    // copies the list has 19 entries, so Game020 is not rewritten.
    std::vector<std::string> values;
    for (int n = 1; n <= 20; ++n) values.push_back(Padded(n));
    values[4] = Padded(3);  // Game005 repeats Game003
    WriteFile(configPath(), NumbersSection(values));
    remember(Padded(3));
    std::vector<std::string> expected{Padded(3), Padded(1), Padded(2), Padded(4)};
    for (int n = 6; n <= 20; ++n) expected.push_back(Padded(n));
    expected.push_back(Padded(20));  // the old Game020, untouched
    EXPECT_EQ(ReadFile(configPath()), NumbersSection(expected));
}

TEST_F(GameNumbersTest, AFileThatCannotBeWrittenIsReported) {
    // DATA is a file, so nothing can be written below it.
    std::filesystem::remove(dir / "DATA");
    WriteFile(dir / "DATA", "not a folder");
    ProfileFile file = config();
    EXPECT_FALSE(RememberGameNumber(file, "0000000000042", fake));
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, "Unable to write to " + configPath().string());
    EXPECT_EQ(fake.messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(ReadFile(dir / "DATA"), "not a folder");
}

// --- Dealing the chosen number -------------------------------------------

class Recorder : public GameRecords {
public:
    void gameEnded(const GameResult& result) override { results.push_back(result); }
    std::vector<GameResult> results;
};

class DealChosenNumberTest : public EngineFixture {
protected:
    DealChosenNumberTest() { engine.setRecords(&recorder); }
    Recorder recorder;
};

TEST_F(DealChosenNumberTest, DealsTheNumberAfterEndingTheGame) {
    deal(kKlondike, "0000000000001");
    const auto first = snapshot();
    fake.answers.push_back(Answer::Ok);

    EXPECT_EQ(DealChosenNumber(engine, settings, "0000000000042"), ChosenDealOutcome::Dealt);
    ASSERT_EQ(fake.questions.size(), 1u);
    ASSERT_EQ(recorder.results.size(), 1u);
    EXPECT_EQ(recorder.results[0].gameNumber, "0000000000001");
    EXPECT_EQ(settings.get(Field::CurrentGameNumber), "0000000000042");
    EXPECT_EQ(engine.game().gameNumber, "0000000000042");
    EXPECT_NE(snapshot(), first);

    // The same number again deals the same cards.
    const auto second = snapshot();
    fake.answers.push_back(Answer::Ok);
    ASSERT_EQ(DealChosenNumber(engine, settings, "0000000000042"), ChosenDealOutcome::Dealt);
    EXPECT_EQ(snapshot(), second);
}

TEST_F(DealChosenNumberTest, RefusingToQuitKeepsTheGame) {
    deal(kKlondike, "0000000000001");
    const auto before = snapshot();
    fake.answers.push_back(Answer::Cancel);

    EXPECT_EQ(DealChosenNumber(engine, settings, "0000000000042"), ChosenDealOutcome::Kept);
    EXPECT_TRUE(recorder.results.empty());
    EXPECT_EQ(settings.get(Field::CurrentGameNumber), "0000000000001");
    EXPECT_EQ(snapshot(), before);
    EXPECT_TRUE(engine.game().inProgress);
}

}  // namespace
}  // namespace dravicor::test
