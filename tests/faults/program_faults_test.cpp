// The text front end as a script runs it, under faults: a program folder
// whose path has blanks and letters beyond ASCII, the process killed at
// random points of a long session, two programs finishing deals in one
// DATA folder at the same time. DRAVICOR_FAULT_SCALE (scripts/faults)
// makes the sessions longer.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <random>
#include <thread>

#include "common/settings_record.h"
#include "common/text.h"
#include "faults/records_check.h"
#include "support/temp_dir.h"

namespace dravicor::test {
namespace {

namespace fs = std::filesystem;

int Scale() {
    const char* text = std::getenv("DRAVICOR_FAULT_SCALE");
    const int scale = text ? std::atoi(text) : 1;
    return scale > 0 ? scale : 1;
}

// How a run of dravicor-cli ended: its exit status (137 when it was killed)
// and everything it wrote.
struct CliEnd {
    int status = -1;
    std::string output;
};

// Runs dravicor-cli as a script does, its input read from a file and its
// output written to one; killed after killAfterMs unless it ended first.
CliEnd RunCli(const std::vector<std::string>& args, const std::string& input, int killAfterMs = 0) {
    const TempDir io;
    WriteFile(io / "in", input);
    std::string command = killAfterMs > 0 ? "timeout -s KILL " + std::to_string(killAfterMs / 1000.0) + " " : "";
    command += "'" DRAVICOR_CLI_PATH "'";
    for (const auto& arg : args) command += " '" + arg + "'";
    command += " < '" + (io / "in").string() + "' > '" + (io / "out").string() + "' 2> /dev/null";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(io / "out")};
}

std::string Number(long long value) { return FormatField(value, 13); }

// "number N" for each deal after the first: each ends a deal and starts the next.
std::string NumberCommands(const std::vector<std::string>& numbers) {
    std::string commands;
    for (size_t i = 1; i < numbers.size(); ++i) commands += "stock\nnumber " + numbers[i] + "\n";
    return commands;
}

// How many complete answers (ended by their "." line) the output holds.
size_t Answers(const std::string& output) {
    size_t answers = 0;
    for (const auto& line : SplitLines(output)) answers += line == "." ? 1 : 0;
    return answers;
}

TEST(ProgramFaults, AProgramFolderWithBlanksAndLettersBeyondAsciiKeepsEverything) {
    const TempDir scratch;
    const fs::path dir = scratch / "Mes parties ä ö/Spiel Ordner Ünïcödé 漢字";
    InstallBuiltCatalogue(dir);
    const std::string saved = (dir / "saved game ñ.gam").string();
    const CliEnd play =
        RunCli({"--program-dir", dir.string(), "play", "0", "42"}, "stock\nsave " + saved + "\nload " + saved + "\nstate\nquit\n");
    EXPECT_EQ(play.status, 0);
    EXPECT_NE(play.output.find("ok\n.\nok\n.\nok\n.\ngame 0\nnumber 42\n"), std::string::npos) << play.output;
    EXPECT_TRUE(fs::exists(saved));
    EXPECT_EQ(LoggedNumbers(dir / "DATA"), (std::vector<std::string>{"42", "42"})) << "the load ended a deal, quit another";
    EXPECT_EQ(CountedDeals(dir / "DATA", 0, "Player 1"), 2);
    EXPECT_EQ(RecordsProblems(dir / "DATA"), "");
    const CliEnd log = RunCli({"--program-dir", dir.string(), "log"}, "");
    EXPECT_EQ(SplitLines(log.output).size(), 2u);
    EXPECT_EQ(log.status, 0);
}

TEST(ProgramFaults, AProgramKilledAtRandomPointsLosesNoConfirmedDealAndStartsAgain) {
    const ScratchProgramDir dir;
    const fs::path data = dir / "DATA";
    const int rounds = 8 * Scale();
    std::mt19937 random(20240229);
    std::vector<std::string> confirmed;
    for (int round = 0; round < rounds; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        std::vector<std::string> numbers;
        // Far more deals than it can finish before the kill: its input ends
        // only after them.
        for (int deal = 0; deal < 1000; ++deal) numbers.push_back(Number(1'000'000LL * (round + 1) + deal));
        const CliEnd play = RunCli({"--program-dir", dir.path().string(), "play", "0", numbers.front()}, NumberCommands(numbers),
                                   1 + static_cast<int>(random() % 300));
        const size_t answers = Answers(play.output);
        EXPECT_EQ(play.status, 137) << "the session ended before it was killed";
        // Answer 2k + 1 (to "number") confirms that deal k was recorded.
        for (size_t deal = 0; 2 * deal + 1 < answers; ++deal) confirmed.push_back(numbers[deal]);

        ASSERT_EQ(RecordsProblems(data, true), "");
        std::map<std::string, int> logged;
        for (const auto& number : LoggedNumbers(data)) ++logged[number];
        for (const auto& [number, times] : logged) ASSERT_EQ(times, 1) << number << " is logged " << times << " times";
        for (const auto& number : confirmed) ASSERT_EQ(logged.count(number), 1u) << "confirmed deal " << number << " lost";
        // A kill between the log and the statistics leaves one deal logged
        // and not yet counted.
        const long long counted = CountedDeals(data, 0, "Player 1");
        ASSERT_LE(counted, static_cast<long long>(logged.size()));
        ASSERT_LE(static_cast<long long>(logged.size()) - counted, round + 1);
        ASSERT_GE(counted, static_cast<long long>(confirmed.size()));
    }
    // It starts, plays and records as ever, and start-up cleared what the
    // kills left.
    const CliEnd play = RunCli({"--program-dir", dir.path().string(), "play", "0", Number(7)}, "stock\nundo\nquit\n");
    EXPECT_EQ(play.output, "ok\n.\nok\n.\nquestion: Quit this game?\nok\n.\n");
    EXPECT_EQ(play.status, 0);
    EXPECT_EQ(LoggedNumbers(data).back(), Number(7));
    EXPECT_EQ(RecordsProblems(data), "");
}

TEST(ProgramFaults, TwoProgramsFinishingDealsInOneDataFolderRecordEachDealOnce) {
    const ScratchProgramDir dir;
    const int deals = 150 * Scale();
    std::vector<std::string> first, second;
    for (int deal = 0; deal < deals; ++deal) {
        first.push_back(Number(10'000'000 + deal));
        second.push_back(Number(20'000'000 + deal));
    }
    // Both take their commands at once and go as fast as they can.
    const auto session = [&](const std::vector<std::string>& numbers) {
        return RunCli({"--program-dir", dir.path().string(), "play", "0", numbers.front()}, NumberCommands(numbers) + "quit\n");
    };
    CliEnd a;
    std::thread runA([&] { a = session(first); });
    const CliEnd b = session(second);
    runA.join();
    for (const CliEnd& run : {a, b}) {
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.output.find("message:"), std::string::npos) << run.output.substr(run.output.find("message:"), 200);
    }

    std::vector<std::string> expected = first;
    expected.insert(expected.end(), second.begin(), second.end());
    std::vector<std::string> logged = LoggedNumbers(dir / "DATA");
    std::sort(expected.begin(), expected.end());
    std::sort(logged.begin(), logged.end());
    EXPECT_EQ(logged, expected) << "every deal in the log once";
    EXPECT_EQ(CountedDeals(dir / "DATA", 0, "Player 1"), 2 * deals) << "every deal in the statistics once";
    EXPECT_EQ(RecordsProblems(dir / "DATA"), "");
}

}  // namespace
}  // namespace dravicor::test
