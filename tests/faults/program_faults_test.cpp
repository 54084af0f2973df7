// The text front end as a script runs it, under faults: a program folder
// whose path has blanks and letters beyond ASCII, the process killed at
// random points of a long session, two programs finishing deals in one
// DATA folder at the same time. DRAVICOR_FAULT_SCALE (scripts/faults)
// makes the sessions longer.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
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

// dravicor-cli running with pipes for its input and output.
class CliProcess {
public:
    explicit CliProcess(const std::vector<std::string>& args) {
        int in[2], out[2];
        if (::pipe(in) != 0 || ::pipe(out) != 0) throw std::runtime_error("pipe");
        pid_ = ::fork();
        if (pid_ < 0) throw std::runtime_error("fork");
        if (pid_ == 0) {
            ::dup2(in[0], 0);
            ::dup2(out[1], 1);
            const int null = ::open("/dev/null", O_WRONLY);
            ::dup2(null, 2);
            for (const int fd : {in[0], in[1], out[0], out[1], null}) ::close(fd);
            std::vector<char*> argv{const_cast<char*>(DRAVICOR_CLI_PATH)};
            for (const auto& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
            argv.push_back(nullptr);
            ::execv(DRAVICOR_CLI_PATH, argv.data());
            ::_exit(127);
        }
        ::close(in[0]);
        ::close(out[1]);
        input_ = in[1];
        output_ = out[0];
    }
    ~CliProcess() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            wait();
        }
        if (input_ >= 0) ::close(input_);
        if (output_ >= 0) ::close(output_);
    }
    CliProcess(const CliProcess&) = delete;
    CliProcess& operator=(const CliProcess&) = delete;

    void send(const std::string& text) {
        for (size_t done = 0; done < text.size();) {
            const ssize_t written = ::write(input_, text.data() + done, text.size() - done);
            if (written <= 0) return;  // the process is gone
            done += static_cast<size_t>(written);
        }
    }
    void endInput() {
        ::close(input_);
        input_ = -1;
    }
    void kill() { ::kill(pid_, SIGKILL); }
    // Everything it wrote until it ended.
    std::string output() {
        std::string text;
        char buffer[4096];
        for (ssize_t got; (got = ::read(output_, buffer, sizeof buffer)) > 0;) text.append(buffer, static_cast<size_t>(got));
        return text;
    }
    // The exit status, or -1 when it did not exit by itself.
    int wait() {
        int status = 0;
        ::waitpid(pid_, &status, 0);
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

private:
    pid_t pid_ = -1;
    int input_ = -1;
    int output_ = -1;
};

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

std::map<std::string, int> Tally(const std::vector<std::string>& numbers) {
    std::map<std::string, int> tally;
    for (const auto& number : numbers) ++tally[number];
    return tally;
}

TEST(ProgramFaults, AProgramFolderWithBlanksAndLettersBeyondAsciiKeepsEverything) {
    const TempDir scratch;
    const fs::path dir = scratch / "Mes parties ä ö/Spiel Ordner Ünïcödé 漢字";
    InstallBuiltCatalogue(dir);
    const std::string saved = (dir / "saved game ñ.gam").string();
    CliProcess play({"--program-dir", dir.string(), "play", "0", "42"});
    play.send("stock\nsave " + saved + "\nload " + saved + "\nstate\nquit\n");
    play.endInput();
    const std::string output = play.output();
    EXPECT_EQ(play.wait(), 0);
    EXPECT_NE(output.find("ok\n.\nok\n.\nok\n.\ngame 0\nnumber 42\n"), std::string::npos) << output;
    EXPECT_TRUE(fs::exists(saved));
    EXPECT_EQ(LoggedNumbers(dir / "DATA"), (std::vector<std::string>{"42", "42"})) << "the load ended a deal, quit another";
    EXPECT_EQ(CountedDeals(dir / "DATA", 0, "Player 1"), 2);
    EXPECT_EQ(RecordsProblems(dir / "DATA"), "");
    CliProcess log({"--program-dir", dir.string(), "log"});
    log.endInput();
    EXPECT_EQ(SplitLines(log.output()).size(), 2u);
    EXPECT_EQ(log.wait(), 0);
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
        for (int deal = 0; deal < 40; ++deal) numbers.push_back(Number(1'000'000LL * (round + 1) + deal));
        CliProcess play({"--program-dir", dir.path().string(), "play", "0", numbers.front()});
        play.send(NumberCommands(numbers));
        std::this_thread::sleep_for(std::chrono::milliseconds(random() % 300));
        play.kill();
        const size_t answers = Answers(play.output());
        EXPECT_EQ(play.wait(), -1) << "the session ended before it was killed";
        // Answer 2k + 1 (to "number") confirms that deal k was recorded.
        for (size_t deal = 0; 2 * deal + 1 < answers; ++deal) confirmed.push_back(numbers[deal]);

        ASSERT_EQ(RecordsProblems(data, true), "");
        const auto logged = Tally(LoggedNumbers(data));
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
    CliProcess play({"--program-dir", dir.path().string(), "play", "0", Number(7)});
    play.send("stock\nundo\nquit\n");
    play.endInput();
    EXPECT_EQ(play.output(), "ok\n.\nok\n.\nquestion: Quit this game?\nok\n.\n");
    EXPECT_EQ(play.wait(), 0);
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
    CliProcess a({"--program-dir", dir.path().string(), "play", "0", first.front()});
    CliProcess b({"--program-dir", dir.path().string(), "play", "0", second.front()});
    // Both take their commands at once and go as fast as they can.
    std::thread feedA([&] {
        a.send(NumberCommands(first) + "quit\n");
        a.endInput();
    });
    b.send(NumberCommands(second) + "quit\n");
    b.endInput();
    feedA.join();
    const std::string outputA = a.output(), outputB = b.output();
    EXPECT_EQ(a.wait(), 0);
    EXPECT_EQ(b.wait(), 0);
    EXPECT_EQ(outputA.find("message:"), std::string::npos) << outputA.substr(outputA.find("message:"), 200);
    EXPECT_EQ(outputB.find("message:"), std::string::npos) << outputB.substr(outputB.find("message:"), 200);

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
