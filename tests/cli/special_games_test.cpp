// Whole games of the special families played through the text interface:
// press scripts found once by a search of the engine's moves, replayed here
// on fixed game numbers, and the poker panel and card counter as shown.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "cli_runner.h"
#include "engine/poker.h"
#include "rules/catalogue.h"
#include "support/temp_dir.h"

namespace dravicor {
namespace {

using test::Cli;
using test::Lines;

constexpr int kPokerSquares = 8;

// The code of a catalogue game, looked up by its name.
int CodeNamed(const std::string& name) {
    GameList list;
    if (!LoadGameList(test::BuiltCatalogue(), list)) return -1;
    for (int code = 0; code < 1000; ++code) {
        if (GameNameOf(list, code, NoCustomGames()) == name) return code;
    }
    return -1;
}

class SpecialGames : public ::testing::Test {
protected:
    SpecialGames() { test::WriteFile(dir / "DATA/CFG.DAT", "[Preference]\r\nAutoPlay=N\r\nConfirmQuitGame=N\r\n"); }

    std::vector<std::string> play(int code, const std::string& number, const std::string& script) {
        const auto run = Cli({"--program-dir", dir.path().string(), "play", std::to_string(code), number}, script);
        EXPECT_EQ(run.code, 0) << run.err;
        return Lines(run.out);
    }

    static bool Has(const std::vector<std::string>& lines, const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }

    test::ScratchProgramDir dir;
};

// Every press of the script is answered "ok" (as is the closing quit) and
// the game ends won.
void ExpectWonByScript(const std::vector<std::string>& lines, size_t presses) {
    EXPECT_EQ(static_cast<size_t>(std::count(lines.begin(), lines.end(), "ok")), presses + 1);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "refused"), 0);
    const auto won = std::find(lines.begin(), lines.end(), "won yes");
    EXPECT_NE(won, lines.end());
    EXPECT_TRUE(std::find(lines.begin(), lines.end(), "in-progress no") != lines.end());
}

// Every press of a script is answered "ok". Relaxed Golf's script plays round
// the corner (K A), and the game is won as the tableau clears, with cards
// left in the stock; Monte Carlo's pairs and consolidates.
TEST_F(SpecialGames, GolfAndMonteCarloAreWonByPressesAlone) {
    const struct {
        int code;
        const char* number;
        size_t presses;
        std::string script;
    } games[] = {
        {CodeNamed("Relaxed Golf"), "11", 50,
            "press 21\npress 20\npress 19\npress 31\npress 17\npress 3\npress stock\npress 38\n"
            "press 26\npress 12\npress 11\npress 23\npress 9\npress 47\npress 22\npress stock\n"
            "press stock\npress stock\npress 7\npress 6\npress stock\npress 45\npress 18\npress 43\n"
            "press 29\npress 2\npress 14\npress 52\npress 51\npress stock\npress 46\npress 8\n"
            "press stock\npress stock\npress stock\npress 15\npress 16\npress stock\npress stock\n"
            "press stock\npress 50\npress 49\npress 24\npress 10\npress stock\npress 5\npress stock\n"
            "press stock\npress 28\npress 40\n"},
        {10, "1", 67,
            "press 3\npress 42\npress 13\npress 52\npress 9\npress 22\npress stock\npress 38\n"
            "press 51\npress stock\npress 41\npress 2\npress stock\npress 47\npress 21\npress 36\n"
            "press 10\npress stock\npress 37\npress 50\npress stock\npress 1\npress 27\npress stock\n"
            "press 12\npress 25\npress 46\npress 7\npress stock\npress 24\npress 11\npress stock\n"
            "press 48\npress 35\npress stock\npress 32\npress 45\npress 43\npress 4\npress stock\n"
            "press 31\npress 18\npress stock\npress 8\npress 34\npress 26\npress 39\npress stock\n"
            "press 33\npress 20\npress 23\npress 49\npress stock\npress 17\npress 30\npress 19\n"
            "press 6\npress 28\npress 15\npress stock\npress 14\npress 40\npress 29\npress 16\n"
            "press stock\npress 5\npress 44\n"},
    };
    for (const auto& game : games) {
        SCOPED_TRACE(game.code);
        ExpectWonByScript(play(game.code, game.number, game.script + "state\n"), game.presses);
    }
}

// The waste's cards all lie where its top card is drawn, so a press on any
// of them presses the top one, as a player's click would.
TEST_F(SpecialGames, PyramidIsWonWithItsStockAndWaste) {
    const std::string script =
        "press stock\npress 14\npress 25\npress stock\npress stock\npress 15\npress 49\n"
        "press stock\npress stock\npress stock\npress 17\npress 49\npress stock\npress 33\n"
        "press 49\npress stock\npress stock\npress stock\npress 21\npress 49\npress stock\n"
        "press 49\npress stock\npress stock\npress 49\npress stock\npress 43\npress 22\n"
        "press stock\npress stock\npress 36\npress 49\npress stock\npress 10\npress 49\npress 23\n"
        "press 42\npress stock\npress 1\npress 51\npress stock\npress 27\npress 12\npress 52\n"
        "press 5\npress 8\npress stock\npress stock\npress 28\npress 49\npress stock\npress stock\n"
        "press stock\npress 19\npress 49\npress stock\npress stock\npress stock\npress 40\n"
        "press 49\npress stock\npress 2\npress 49\npress stock\npress stock\npress 34\npress 31\n"
        "press stock\npress stock\npress 30\npress 49\npress stock\npress 20\npress 49\npress 9\n"
        "press 4\npress 41\npress 37\npress 26\npress stock\npress 18\npress 47\npress stock\n"
        "press stock\npress 49\npress 16\npress stock\npress 46\npress 6\n";
    const auto lines = play(7, "63", script + "state\n");
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "refused"), 0);
    EXPECT_TRUE(Has(lines, "won yes"));
    EXPECT_TRUE(Has(lines, "in-progress no"));
}

TEST_F(SpecialGames, MovesListThePressesThatWouldAct) {
    // Relaxed Golf 11 starts with tableau cards a press takes to the
    // discard pile; Monte Carlo 1 with its neighbouring pairs.
    const auto golf = play(CodeNamed("Relaxed Golf"), "11", "moves\n");
    EXPECT_TRUE(Has(golf, "press 021")) << "the script's first press is listed";
    EXPECT_TRUE(Has(golf, "stock"));

    const auto monteCarlo = play(10, "1", "moves\n");
    EXPECT_TRUE(Has(monteCarlo, "press 003 042")) << "the script's first pair is listed";
    EXPECT_FALSE(Has(monteCarlo, "stock")) << "no gap to close yet";
}

TEST_F(SpecialGames, SelectionIsShownAndUndoClearsIt) {
    // Monte Carlo 1: the first press selects, the second of a neighbouring
    // pair discards both.
    const auto lines = play(10, "1", "press 3\nselection\npress 3\nselection\npress 3\npress 42\nselection\nundo\nstate\n");
    const std::vector<std::string> expected = {"ok", ".", "003", ".", "ok", ".", ".", "ok", ".", "ok", ".", ".", "ok", "."};
    ASSERT_GE(lines.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + static_cast<long>(expected.size())), expected);
}

// The poker grid filled from the stock in deal order: after each card the
// panel's three lines, and at the end a total that matches the hands.
TEST_F(SpecialGames, PokerSquaresShowsThePanelAfterEveryCard) {
    const auto dealt = Lines(Cli({"--program-dir", dir.path().string(), "deal", "8", "3"}).out);
    ASSERT_FALSE(dealt.empty());
    const std::string& stock = dealt[0];
    std::vector<int> order;  // the stock turns its top (last) card first
    for (size_t at = stock.size(); at >= 4; at -= 4) order.push_back(std::stoi(stock.substr(at - 4, 3)));
    ASSERT_GE(order.size(), 25U);

    std::string script;
    for (int i = 0; i < 25; ++i) script += "stock\nmove " + std::to_string(order[static_cast<size_t>(i)]) + " Fila" + std::to_string(i + 1) + "\n";
    const auto lines = play(kPokerSquares, "3", script + "state\n");

    int total = 0;
    for (int line = 0; line < 10; ++line) {
        std::array<int, 5> hand{};
        for (int k = 0; k < 5; ++k) {
            const int pile = line < 5 ? line * 5 + k : k * 5 + (line - 5);
            hand[static_cast<size_t>(k)] = order[static_cast<size_t>(pile)];
        }
        total += EvaluatePokerHand(hand).points;
    }
    int panels = 0;
    std::string lastTotal;
    for (const std::string& line : lines) {
        if (line.rfind("panel: Total: ", 0) == 0) {
            ++panels;
            lastTotal = line;
        }
    }
    EXPECT_EQ(panels, 25) << "one panel after each card";
    EXPECT_EQ(lastTotal, "panel: Total: " + std::to_string(total) + " points");
    EXPECT_TRUE(Has(lines, "score " + std::to_string(total)));
    EXPECT_TRUE(Has(lines, std::string("won ") + (total >= 100 ? "yes" : "no")));
    EXPECT_TRUE(Has(lines, "in-progress no")) << "a full grid ends the game";
}

TEST_F(SpecialGames, CounterOptionsChangeWhatIsCounted) {
    // Klondike 4 after the deal: 24 stock cards unseen, 7 tableau tops seen,
    // 21 face-down tableau cards unseen.
    const auto run = Cli({"--program-dir", dir.path().string(), "play", "0", "4"},
                         "counter\ncounter stock\ncounter inverted\ncounter sideways\n");
    const auto answers = test::Answers(run.out);
    ASSERT_GE(answers.size(), 4U);
    const auto count = [](const std::vector<std::string>& rows, char mark) {
        int n = 0;
        for (const std::string& row : rows) n += static_cast<int>(std::count(row.begin(), row.end(), mark));
        return n;
    };
    ASSERT_EQ(answers[0].size(), 8U);
    EXPECT_EQ(count(answers[0], 'U'), 7);
    EXPECT_EQ(count(answers[0], 'D'), 45);
    EXPECT_EQ(answers[0][4], "-------------") << "a one-deck game has no second-deck cells";
    EXPECT_EQ(count(answers[1], 'U'), 0) << "stock only: the tableau is not counted";
    EXPECT_EQ(count(answers[1], 'D'), 24);
    EXPECT_EQ(count(answers[2], 'U'), 24) << "inverted";
    EXPECT_EQ(answers[3], std::vector<std::string>{"error: counter [stock|tableau|inverted]"});
}

}  // namespace
}  // namespace dravicor
