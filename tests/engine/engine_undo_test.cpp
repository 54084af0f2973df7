// Undo and redo over whole positions, in the three undo modes.
#include "engine_fixture.h"

namespace dravicor::test {
namespace {

class EngineUndo : public EngineFixture {};

TEST_F(EngineUndo, MoveUndoRedoRestoresThePositionExactly) {
    deal(kKlondike, "7");
    clickStock();
    const auto afterMove = snapshot();
    const int counter = engine.game().moveCounter;
    ASSERT_TRUE(engine.Undo());
    EXPECT_NE(snapshot(), afterMove);
    EXPECT_EQ(engine.game().moveCounter, 0) << "undone to the deal: first-move rules apply again";
    ASSERT_TRUE(engine.Redo());
    EXPECT_EQ(snapshot(), afterMove);
    EXPECT_EQ(engine.game().moveCounter, counter) << "a redone move counts as made";
    EXPECT_EQ(soundCount(Sound::Undo), 1);
    EXPECT_EQ(soundCount(Sound::Redo), 1);
}

// The three undo modes a step at a time: s clicks the stock, u and r must
// undo and redo, U and R must be refused with a beep, the table unchanged.
TEST_F(EngineUndo, EachModeAllowsItsUndoAndRedo) {
    const std::pair<const char*, std::string_view> cases[] = {
        {"0", "UsR"},      // nothing to undo right after the deal, nothing to redo after a move
        {"1", "ssuUrRu"},  // one in a row; after a redo one undo is allowed again
        {"2", "sUR"},      // neither
    };
    for (const auto& [mode, steps] : cases) {
        SCOPED_TRACE(mode);
        settings.put(Field::UndoEnabled, mode);
        deal(kKlondike, "7");
        for (size_t i = 0; i < steps.size(); ++i) {
            const auto before = snapshot();
            const int beeps = fake.beeps;
            const char step = steps[i];
            if (step == 's') {
                clickStock();
                continue;
            }
            const bool done = step == 'u' || step == 'U' ? engine.Undo() : engine.Redo();
            const bool allowed = step == 'u' || step == 'r';
            EXPECT_EQ(done, allowed) << "step " << i + 1;
            EXPECT_EQ(fake.beeps, beeps + (allowed ? 0 : 1)) << "step " << i + 1;
            if (!allowed) {
                EXPECT_EQ(snapshot(), before) << "step " << i + 1;
            }
        }
    }
}

TEST_F(EngineUndo, MoveLogEntriesTravelWithTheirSteps) {
    deal(kKlondike, "7");
    clickStock();
    clickStock();
    EXPECT_EQ(engine.game().moveLog.text(), ",,");
    ASSERT_TRUE(engine.Undo());
    EXPECT_EQ(engine.game().moveLog.text(), ",");
    EXPECT_EQ(engine.game().redoLog.text(), ",");
    ASSERT_TRUE(engine.Redo());
    EXPECT_EQ(engine.game().moveLog.text(), ",,");
    EXPECT_TRUE(engine.game().redoLog.empty());
    ASSERT_TRUE(engine.Undo());
    clickStock();
    EXPECT_TRUE(engine.game().redoLog.empty()) << "a new move after an undo empties it";
}

TEST_F(EngineUndo, CollapsingMergesStepsButKeepsTheLastOne) {
    deal(kKlondike, "7");
    const auto dealt = snapshot();
    engine.MoveCard(0, "Mazzo_Vis");
    engine.MoveCard(0, "Mazzo_Vis");
    engine.MoveCard(0, "Mazzo_Vis");
    ASSERT_EQ(engine.history().undo.size(), 3u);
    engine.CollapseLastSteps(2);
    EXPECT_EQ(engine.history().undo.size(), 1u);
    EXPECT_EQ(engine.game().moveLog.entryCount(), 1);
    engine.CollapseLastSteps(1);
    EXPECT_EQ(engine.history().undo.size(), 1u) << "the only step stays";
    ASSERT_TRUE(engine.Undo());
    EXPECT_EQ(snapshot(), dealt);
}

TEST_F(EngineUndo, GamesThatKeepTheirFirstFoundationOutOfUndoNeverRestoreIt) {
    GameRules rules = catalogueRules(kKlondike);
    rules.set(Rule::SpecialGame, 3);
    deal(kKlondike, "7", &rules);
    clickStock();
    // The selection games keep copies of the selected cards on foundation 1.
    Position p = engine.position();
    p.Append(PileId::Foundation(1), Hearts(1), true);
    engine.setPosition(p);
    ASSERT_TRUE(engine.Undo());
    EXPECT_EQ(engine.position().piles.foundations[0].groups(), (std::vector<CardNumber>{Hearts(1)}));
    EXPECT_EQ(engine.history().redo.back().snapshotLines()[3], "") << "stored empty";
}

}  // namespace
}  // namespace dravicor::test
