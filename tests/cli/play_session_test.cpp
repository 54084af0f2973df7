// Scripted sessions of the text interface's play command: the answer
// format, refusals and errors, the quit question, and a whole game won
// through "move" commands alone.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli_runner.h"
#include "common/settings_record.h"
#include "engine/engine.h"
#include "rules/catalogue.h"
#include "rules/custom_games.h"
#include "solver/solution_replay.h"
#include "solver/solver.h"
#include "stats/game_log.h"
#include "support/fake_platform.h"
#include "support/temp_dir.h"

namespace dravicor {
namespace {

using test::ScratchProgramDir;
using test::WriteFile;

constexpr int kKlondike = 0;
constexpr int kFreeCell = 1;

using test::Answers;
using test::Cli;
using test::CliRun;
using test::Lines;

using Reply = std::vector<std::string>;

// A program directory whose configuration switches autoplay off.
class QuietDir : public ScratchProgramDir {
public:
    QuietDir() { WriteFile(*this / "DATA/CFG.DAT", "[Preference]\r\nAutoPlay=N\r\nUserDefault=Ann\r\n"); }
    std::vector<std::string> play(const std::string& code, const std::string& number) const {
        return {"--program-dir", path().string(), "play", code, number};
    }
};

std::vector<std::string> StateLines(int code, const std::string& number, int score, int pass, int moves, bool won,
                                    bool inProgress, const std::string& verdict = "winnable", int hints = 0) {
    return {"game " + std::to_string(code),
            "number " + number,
            "score " + std::to_string(score),
            "pass " + std::to_string(pass),
            "moves " + std::to_string(moves),
            std::string("won ") + (won ? "yes" : "no"),
            std::string("in-progress ") + (inProgress ? "yes" : "no"),
            "hints " + std::to_string(hints),
            "verdict " + verdict};
}

// Sessions on FreeCell 1 with autoplay off: every answer ends with a "." line.
TEST(PlaySession, ScriptedSessionsGetTheirAnswers) {
    const Reply state = StateLines(kFreeCell, "1", -52, 1, 0, false, true);
    const Reply quit = {"question: Quit this game?", "ok"};
    auto wrong = [](const std::string& command) { return Reply{"error: unknown command or wrong arguments: " + command}; };
    const struct {
        const char* name;
        std::string input;
        std::vector<Reply> answers;
    } cases[] = {
        {"errors and refusals",
         "state\nbogus\n\nundo\nredo\nmove 999 Fila1\nmove 1 Nowhere\nstock\nquit\n",
         {state, wrong("bogus"), {"error: empty command"}, {"beep"}, {"beep"}, {"refused"}, {"refused"}, {"refused"},
          quit}},
        {"wrong argument counts",
         "move 1\nmove 1 Fila1 extra\nstock 3\nautoplay\nautoplay maybe\nstate x\nundo 2\ndblclick\nsnapshot now\nquit\n",
         {wrong("move 1"), wrong("move 1 Fila1 extra"), wrong("stock 3"), wrong("autoplay"), wrong("autoplay maybe"),
          wrong("state x"), wrong("undo 2"), wrong("dblclick"), wrong("snapshot now"), quit}},
        {"the autoplay switch", "autoplay on\nautoplay off\nquit\n", {{"ok"}, {"ok"}, quit}},
        {"the end of input quits", "state", {state, quit}},
        {"carriage returns are ignored", "state\r\nquit\r\n", {state, quit}},
    };
    QuietDir dir;
    for (const auto& c : cases) {
        const CliRun run = Cli(dir.play("1", "1"), c.input);
        ASSERT_EQ(run.code, 0) << c.name << ": " << run.err;
        EXPECT_EQ(Answers(run.out), c.answers) << c.name << ":\n" << run.out;
        EXPECT_TRUE(run.out.ends_with("ok\n.\n")) << c.name;
    }
}

TEST(PlaySession, SnapshotAfterTheDealIsTheDealCommandsOutput) {
    QuietDir dir;
    for (const auto& [code, number] : std::vector<std::pair<std::string, std::string>>{
             {"0", "42"}, {"1", "1"}, {"3", "123456"}, {"4", "9"}, {"6", "31"}}) {
        SCOPED_TRACE("game " + code + " number " + number);
        const CliRun deal = Cli({"--program-dir", dir.path().string(), "deal", code, number});
        ASSERT_EQ(deal.code, 0) << deal.err;
        ASSERT_EQ(Lines(deal.out).size(), static_cast<size_t>(kPileCount));
        const CliRun play = Cli(dir.play(code, number), "snapshot\nquit\n");
        ASSERT_EQ(play.code, 0) << play.err;
        const auto answers = Answers(play.out);
        ASSERT_FALSE(answers.empty());
        EXPECT_EQ(answers[0], Lines(deal.out));
    }
}

TEST(PlaySession, AMoveUndoAndRedoAnswerOkAndChangeTheSnapshot) {
    QuietDir dir;
    // Klondike number 42 deals the jack of spades (50) face up beside the queen of hearts on pile 6.
    const CliRun run = Cli(dir.play("0", "42"),
                           "moves\nsnapshot\nmove 50 Fila6\nsnapshot\nstate\nundo\nsnapshot\nredo\n"
                           "snapshot\nmove 50 Fila6\ndblclick 50\ndblclick 0\ndblclick 105\nquit\n");
    ASSERT_EQ(run.code, 0) << run.err;
    const auto answers = Answers(run.out);
    ASSERT_EQ(answers.size(), 14u) << run.out;
    EXPECT_NE(std::find(answers[0].begin(), answers[0].end(), "050 Fila6"), answers[0].end());
    EXPECT_NE(std::find(answers[0].begin(), answers[0].end(), "stock"), answers[0].end());
    const Reply dealt = answers[1];
    ASSERT_EQ(dealt.size(), static_cast<size_t>(kPileCount));
    EXPECT_EQ(answers[2], Reply{"ok"});
    const Reply moved = answers[3];
    const size_t pile6 = kStockListSize + kFoundationCount + 5;
    EXPECT_TRUE(moved[pile6].ends_with("0501")) << moved[pile6];
    // The card below the jack on pile 2 was turned face up with the move.
    const size_t pile2 = kStockListSize + kFoundationCount + 1;
    EXPECT_EQ(moved[pile2].size(), 4u);
    EXPECT_EQ(moved[pile2].back(), '1');
    EXPECT_EQ(answers[4], StateLines(kKlondike, "42", -52, 1, 1, false, true));
    EXPECT_EQ(answers[5], Reply{"ok"});
    EXPECT_EQ(answers[6], dealt);
    EXPECT_EQ(answers[7], Reply{"ok"});
    EXPECT_EQ(answers[8], moved);
    EXPECT_EQ(answers[9], Reply{"refused"}) << "the jack lies there already";
    EXPECT_EQ(answers[10], Reply{"refused"}) << "a jack cannot go to an empty foundation";
    EXPECT_EQ(answers[11], Reply{"refused"}) << "no card 0";
    EXPECT_EQ(answers[12], Reply{"refused"}) << "no card 105";
}

TEST(PlaySession, AStockClickAnswersOkAndCountsAsAMove) {
    QuietDir dir;
    const CliRun run = Cli(dir.play("0", "42"), "stock\nstate\nquit\n");
    ASSERT_EQ(run.code, 0) << run.err;
    const auto answers = Answers(run.out);
    ASSERT_EQ(answers.size(), 3u) << run.out;
    EXPECT_EQ(answers[0], Reply{"ok"});
    EXPECT_EQ(answers[1], StateLines(kKlondike, "42", -52, 1, 1, false, true));
}

TEST(PlaySession, WithAnswerNoTheQuitQuestionIsAskedAndTheSessionEnds) {
    QuietDir dir;
    std::vector<std::string> args = dir.play("1", "1");
    args.insert(args.begin(), {"--answer", "no"});
    const CliRun run = Cli(args, "quit\nstate\n");
    ASSERT_EQ(run.code, 0) << run.err;
    const auto answers = Answers(run.out);
    ASSERT_EQ(answers.size(), 1u) << "nothing is read after quit:\n" << run.out;
    ASSERT_FALSE(answers[0].empty());
    EXPECT_EQ(answers[0].front(), "question: Quit this game?");
}

TEST(PlaySession, AutoplayFromTheConfigurationPlaysAfterTheDeal) {
    // Without the configuration's AutoPlay=N autoplay is on: FreeCell 5 starts
    // with two aces played.
    ScratchProgramDir dir;
    const CliRun run = Cli({"--program-dir", dir.path().string(), "play", "1", "5"}, "state\nquit\n");
    ASSERT_EQ(run.code, 0) << run.err;
    const auto answers = Answers(run.out);
    ASSERT_FALSE(answers.empty());
    EXPECT_EQ(answers[0], StateLines(kFreeCell, "5", -42, 1, 2, false, true));
}

TEST(PlaySession, WrongGameCodeOrNumberEndsWithExitCodeOne) {
    QuietDir dir;
    for (const std::string code : {"999", "abc", "-1"}) {
        const CliRun run = Cli(dir.play(code, "1"), "state\n");
        EXPECT_EQ(run.code, 1) << code;
        EXPECT_EQ(run.out, "") << code;
        EXPECT_EQ(run.err, "dravicor-cli: no game has the code " + code + "\n");
    }
    const CliRun deal = Cli({"--program-dir", dir.path().string(), "deal", "999", "1"});
    EXPECT_EQ(deal.code, 1);
    EXPECT_EQ(deal.out, "");
    EXPECT_EQ(deal.err, "dravicor-cli: no game has the code 999\n");

    const CliRun number = Cli(dir.play("1", "12ab"), "state\n");
    EXPECT_EQ(number.code, 1);
    EXPECT_EQ(number.out, "message: A game number has digits only: 12ab\n");
}

// --- A won game ---------------------------------------------------------

// An engine on the catalogue's rules, for finding a winning line.
class SearchEngine {
public:
    explicit SearchEngine(int code) {
        settings.put(Field::CardSize, "B");
        settings.put(Field::ScoringSystem, "01");
        settings.put(Field::AutomaticFaceUp, "Y");
        settings.put(Field::UndoEnabled, "0");
        engine.setGame(code, LoadGameRules(test::BuiltCatalogue(), code, NoCustomGames()));
    }
    bool deal(const std::string& number) {
        settings.put(Field::CurrentGameNumber, number);
        return engine.StartGame(true, false, 0, true);
    }

    test::FakePlatform fake;
    Platform platform = fake.platform();
    SettingsRecord settings;
    std::mt19937_64 random{1};
    Engine engine{settings, platform, random};
};

TEST(PlaySession, AWholeGameOfFreeCellIsWonThroughMoveCommands) {
    // The solver finds a winning line on an engine of its own; the text
    // interface must then accept every one of its moves and end won.
    SearchEngine search(kFreeCell);
    ASSERT_TRUE(search.deal("1"));
    SolveOptions options;
    options.budget.positions = 2'000'000;
    const SolveResult result = Solve(SearchStartOf(search.engine), options);
    ASSERT_EQ(result.verdict, Verdict::Won) << SearchEndName(result.end);
    const std::vector<std::string> line = SolutionCommands(result.solution);

    // Play it through the text interface, autoplay off, after asking for
    // one hint (it only shows a move).
    std::string input = "hint\n";
    for (const std::string& command : line) input += command + '\n';
    input += "state\nquit\n";
    QuietDir dir;
    const CliRun run = Cli(dir.play("1", "1"), input);
    ASSERT_EQ(run.code, 0) << run.err;
    const auto answers = Answers(run.out);
    ASSERT_EQ(answers.size(), line.size() + 3) << run.out;
    for (size_t i = 0; i < line.size(); ++i) {
        ASSERT_EQ(answers[i + 1], Reply{"ok"}) << "command " << i + 1 << ": " << line[i];
    }
    const Reply state = answers[line.size() + 1];
    EXPECT_NE(std::find(state.begin(), state.end(), "hints 1"), state.end()) << run.out;
    // The finished deal is logged and counted with the hint taken.
    const std::string log = test::ReadFile(dir / "DATA/STAT_LOG.DAT");
    ASSERT_EQ(log.size(), kGameLogLineLength + 2) << log;
    EXPECT_EQ(log.substr(kGameLogHintsColumn - 1, 6), "0001\r\n");
    EXPECT_NE(test::ReadFile(dir / "DATA/STAT.DAT").find("=000001 000000 000001 000000 000001 000000 000000000208 000000000001\r\n"),
              std::string::npos);
    EXPECT_NE(std::find(state.begin(), state.end(), "won yes"), state.end()) << run.out;
    EXPECT_NE(std::find(state.begin(), state.end(), "in-progress no"), state.end()) << run.out;
    EXPECT_NE(std::find(state.begin(), state.end(), "score 208"), state.end())
        << "five points for each of the 52 cards on the foundations, less 52: " << ::testing::PrintToString(state);
    // A won game is no longer in progress: leaving it asks nothing.
    EXPECT_EQ(answers.back(), Reply{"ok"});
}

}  // namespace
}  // namespace dravicor

namespace dravicor {
namespace {

TEST(PlaySessionFiles, SaveLoadAndRestartThroughTheTextInterface) {
    test::ScratchProgramDir dir;
    test::WriteFile(dir / "DATA" / "CFG.DAT", "[Preference]\r\nAutoPlay=N\r\nUserDefault=Ann\r\n");
    const std::string d = dir.path().string();
    const std::string file = (dir / "one.gam").string();
    // Play two stock clicks, save, then change the position and load it back.
    const auto played = test::Cli({"--program-dir", d, "play", "0", "31"},
                                  "stock\nstock\nsave " + file + "\nsnapshot\nstock\nload " + file +
                                      "\nsnapshot\nrestart\nstate\nquit\n");
    ASSERT_EQ(played.code, 0) << played.err;
    // The two snapshots, of the saved position and of the loaded one, agree.
    std::vector<Reply> snapshots;
    Reply lastState;
    for (const Reply& answer : Answers(played.out)) {
        if (answer.size() == static_cast<size_t>(kPileCount)) snapshots.push_back(answer);
        if (!answer.empty() && answer.front().starts_with("game ")) lastState = answer;
    }
    ASSERT_EQ(snapshots.size(), 2u) << played.out;
    EXPECT_EQ(snapshots[0], snapshots[1]);
    EXPECT_NE(std::find(lastState.begin(), lastState.end(), "moves 0"), lastState.end()) << "restart returns to the deal";

    // A damaged file is refused with a message and the game goes on.
    test::WriteFile(dir / "bad.gam", "[S-0302]garbage\r\n");
    const auto refused = test::Cli({"--program-dir", d, "play", "0", "31"},
                                   "stock\nload " + (dir / "bad.gam").string() + "\nstate\nquit\n");
    const auto refusedAnswers = Answers(refused.out);
    ASSERT_GE(refusedAnswers.size(), 3u) << refused.out;
    ASSERT_EQ(refusedAnswers[1].size(), 2u) << refused.out;
    EXPECT_EQ(refusedAnswers[1][0].rfind("message: Cannot open the saved game ", 0), 0u) << refusedAnswers[1][0];
    EXPECT_EQ(refusedAnswers[1][1], "refused");
    EXPECT_NE(std::find(refusedAnswers[2].begin(), refusedAnswers[2].end(), "moves 1"), refusedAnswers[2].end());
}

TEST(PlaySessionFiles, NumberDealsTheChosenNumberWithTheDialogsMessages) {
    QuietDir dir;
    const auto run = Cli(dir.play("0", "31"),
                         "number 12345\nstate\nnumber 12a\nnumber 12345678901234\nnumber 0000\nstate\nquit\n");
    ASSERT_EQ(run.code, 0) << run.err;
    const auto answers = Answers(run.out);
    ASSERT_EQ(answers.size(), 7U);
    EXPECT_EQ(answers[0], (Reply{"question: Quit this game?", "ok"}));
    EXPECT_EQ(answers[1][1], "number 0000000012345");
    EXPECT_EQ(answers[1][4], "moves 0");
    EXPECT_EQ(answers[2], (Reply{"message: Only numbers required.", "refused"}));
    EXPECT_EQ(answers[3], (Reply{"message: From 1 up to 13 ciphers.", "refused"}));
    EXPECT_EQ(answers[4], Reply{"refused"}) << "a zero number leaves the dialog open without a message";
    EXPECT_EQ(answers[5][1], "number 0000000012345");

    const auto numbers = Cli({"--program-dir", dir.path().string(), "numbers"});
    ASSERT_FALSE(Lines(numbers.out).empty());
    EXPECT_EQ(Lines(numbers.out)[0], "0000000012345");
}

TEST(PlaySessionFiles, DemoCommandsStepThroughARecordedGame) {
    QuietDir dir;
    std::filesystem::create_directories(dir / "Demos");
    const std::string demoFile = (dir / "Demos" / "G0000.GAM").string();
    const auto recorded = Cli(dir.play("0", "31"), "stock\nstock\nstock\nstock\nstock\nsave " + demoFile + "\nquit\n");
    ASSERT_EQ(recorded.code, 0) << recorded.err;

    const auto run = Cli(dir.play("0", "8"),
                         "demo first\ndemo on\ndemo last\ndemo goto 3\ndemo next\ndemo prior\ndemo first\n"
                         "demo goto 7\ndemo sideways\nstock\ndemo off\ndemo off\nquit\n");
    ASSERT_EQ(run.code, 0) << run.err;
    const auto answers = Answers(run.out);
    ASSERT_EQ(answers.size(), 13U) << run.out;
    EXPECT_EQ(answers[0], Reply{"refused"}) << "the bar's commands need demo mode";
    EXPECT_EQ(answers[1], (Reply{"question: Quit this game?", "step 1/6"}));
    EXPECT_EQ(answers[2], Reply{"step 6/6"});
    EXPECT_EQ(answers[3], Reply{"step 3/6"});
    EXPECT_EQ(answers[4], Reply{"step 6/6"});
    EXPECT_EQ(answers[5], Reply{"step 3/6"});
    EXPECT_EQ(answers[6], Reply{"step 1/6"});
    EXPECT_EQ(answers[7], Reply{"error: the step must be a number from 1 to 6"});
    EXPECT_EQ(answers[8], Reply{"error: demo on|off|first|prior|next|last|goto N"});
    EXPECT_EQ(answers[9], Reply{"refused"}) << "no card moves in demo mode";
    EXPECT_EQ(answers[10], Reply{"step 1/6"});
    EXPECT_EQ(answers[11], Reply{"step 1/6"}) << "already off";
}

}  // namespace
}  // namespace dravicor
