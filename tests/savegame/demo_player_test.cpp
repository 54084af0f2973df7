// Demo mode: loading a recorded game, rewinding it and stepping through its
// positions with the demo bar's commands.
#include "savegame/demo_player.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "../engine/engine_fixture.h"
#include "common/settings_record.h"
#include "shipped_games.h"

namespace dravicor::test {
namespace {

class DemoPlayerTest : public EngineFixture {
protected:
    DemoPlayerTest() {
        settings.put(Field::CurrentPlayer, "Ada");
        settings.put(Field::CurrentGame, "0000");
        engine.setRecords(&records);
    }

    // Records a Klondike game of `clicks` stock turns as the demo of game 0,
    // keeping every position it passed through, then leaves no game current.
    void recordDemo(int clicks) {
        deal(kKlondike, "4321");
        positions.push_back(snapshot());
        for (int i = 0; i < clicks; ++i) {
            clickStock();
            positions.push_back(snapshot());
        }
        ASSERT_EQ(engine.history().undo.size(), static_cast<size_t>(clicks));
        settings.put(Field::CurrentPlayer, "Recorder");
        std::filesystem::create_directories(dir.path() / "Demos");
        ASSERT_EQ(SaveGameFile(DemoFilePath(dir.path(), kKlondike), engine, settings), "");
        settings.put(Field::CurrentPlayer, "Ada");
        engine.EndGame();
        records.ended = 0;
    }

    std::vector<std::string> shown(int step) const { return positions[static_cast<size_t>(step - 1)]; }

    struct Records : GameRecords {
        int ended = 0;
        void gameEnded(const GameResult&) override { ++ended; }
    } records;
    TempDir dir;
    DemoPlayer demo{engine, settings, platform, dir.path(), ShippedGames()};
    std::vector<std::vector<std::string>> positions;  // step 1 is the deal
};

TEST(DemoFilePathTest, FourDigitCodeUnderDemos) {
    EXPECT_EQ(DemoFilePath("/opt/dravicor", 1), std::filesystem::path("/opt/dravicor/Demos/G0001.GAM"));
    EXPECT_EQ(DemoFilePath("/opt/dravicor", 8002), std::filesystem::path("/opt/dravicor/Demos/G8002.GAM"));
}

// Turned on, the demo shows its first position; the bar's commands and a
// drag of its thumb walk through every recorded one, and turning it off
// leaves the first position on the table.
TEST_F(DemoPlayerTest, TheBarWalksThroughEveryRecordedPosition) {
    recordDemo(29);
    ASSERT_TRUE(demo.ToggleDemo());
    EXPECT_TRUE(demo.active());
    EXPECT_EQ(demo.counterText(), "1/30");
    EXPECT_EQ(snapshot(), shown(1));
    EXPECT_FALSE(engine.game().inProgress) << "a demo is not a game in progress";
    EXPECT_EQ(settings.get(Field::CurrentPlayer), "Ada") << "the recorder's name is not taken over";
    EXPECT_TRUE(fake.messages.empty()) << fake.messages.front().text;

    demo.last();
    EXPECT_EQ(demo.counterText(), "30/30");
    EXPECT_EQ(snapshot(), shown(30)) << "the last step shows the final position";
    demo.first();
    EXPECT_EQ(demo.counterText(), "1/30");
    EXPECT_EQ(snapshot(), shown(1));

    demo.scrollTo(29);
    demo.next();
    EXPECT_EQ(demo.counterText(), "30/30") << "three on from 29 stops at the last";
    demo.scrollTo(2);
    demo.prior();
    EXPECT_EQ(demo.counterText(), "1/30") << "three back from 2 stops at the first";

    for (int step = 2; step <= 30; ++step) {
        demo.scrollTo(step);
        ASSERT_EQ(snapshot(), shown(step)) << "step " << step;
    }
    for (int step = 27; step >= 1; step -= 3) {
        demo.prior();
        ASSERT_EQ(demo.step(), step);
        ASSERT_EQ(snapshot(), shown(step)) << "step " << step;
    }

    // A drag moves only when it ends.
    demo.scrollTo(5);
    demo.beginDrag();
    demo.beginDrag();  // the thumb moving on keeps the first starting point
    EXPECT_EQ(snapshot(), shown(5));
    demo.endDrag(20);
    EXPECT_EQ(demo.counterText(), "20/30");
    EXPECT_EQ(snapshot(), shown(20));
    demo.beginDrag();
    demo.endDrag(99);
    EXPECT_EQ(demo.counterText(), "30/30") << "a drag past the end stops at the last step";
    EXPECT_EQ(snapshot(), shown(30));

    ASSERT_TRUE(demo.ToggleDemo());
    EXPECT_FALSE(demo.active());
    EXPECT_EQ(snapshot(), shown(1));
    EXPECT_EQ(demo.counterText(), "1/30");
    EXPECT_FALSE(engine.game().inProgress);
}

TEST_F(DemoPlayerTest, PressesBeepAndMoveNothing) {
    recordDemo(10);
    ASSERT_TRUE(demo.ToggleDemo());
    demo.scrollTo(6);
    const auto before = snapshot();
    const int beeps = fake.beeps;
    clickStock();
    for (const int card : {1, 14, 27, 40}) {
        if (const auto at = engine.CardPoint(card)) engine.PointerPress({at->x + 2, at->y + 2});
    }
    EXPECT_EQ(snapshot(), before);
    EXPECT_GE(fake.beeps, beeps + 2);
    EXPECT_FALSE(engine.Undo()) << "the player's undo has no game to act on";
    EXPECT_EQ(snapshot(), before);
}

TEST_F(DemoPlayerTest, TheGameInProgressIsEndedOnlyWhenThePlayerAgrees) {
    recordDemo(10);
    deal(kKlondike, "77");
    clickStock();
    const auto playing = snapshot();
    fake.answers.push_back(Answer::Cancel);
    EXPECT_FALSE(demo.ToggleDemo());
    EXPECT_FALSE(demo.active());
    EXPECT_EQ(snapshot(), playing);
    EXPECT_TRUE(engine.game().inProgress);
    EXPECT_EQ(records.ended, 0);

    ASSERT_TRUE(demo.ToggleDemo());
    EXPECT_EQ(records.ended, 1) << "the game left for the demo is recorded";
    EXPECT_EQ(snapshot(), shown(1));

    // Nothing of the demo is recorded when the player moves on to a game.
    const size_t asked = fake.questions.size();
    EXPECT_TRUE(engine.NewGame());
    EXPECT_EQ(fake.questions.size(), asked) << "no question about leaving a demo";
    EXPECT_EQ(records.ended, 1);
    EXPECT_FALSE(engine.demoMode()) << "a new deal ends the demo";
    EXPECT_TRUE(engine.game().inProgress);
}

TEST_F(DemoPlayerTest, AMissingDemoIsReportedAndDemoModeStaysOn) {
    deal(kFreeCell, "5");
    settings.put(Field::CurrentGame, "0001");
    const auto before = snapshot();
    ASSERT_TRUE(demo.ToggleDemo());
    EXPECT_TRUE(demo.active());
    ASSERT_EQ(fake.messages.size(), 1U);
    EXPECT_NE(fake.messages[0].text.find("G0001.GAM"), std::string::npos) << fake.messages[0].text;
    EXPECT_EQ(snapshot(), before) << "the table keeps what it showed";
    EXPECT_EQ(demo.counterText(), "1/1");
    ASSERT_TRUE(demo.ToggleDemo());
    EXPECT_FALSE(demo.active());
}

}  // namespace
}  // namespace dravicor::test
