// The demo bar of the main window: shown in demo mode, its buttons and
// scroll bar step through a recorded game of the build.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QScrollBar>
#include <QTest>

#include "dialog_test_support.h"
#include "ui/demo_bar.h"
#include "ui/main_window.h"
#include "ui/table_widget.h"

namespace dravicor::test {
namespace {

constexpr int kFreeCell = 1;

class DemoBarTest : public ::testing::Test, protected ScratchProgram {
protected:
    DemoBarTest() {
        // The demo the build recorded for FreeCell, in a scratch program folder.
        const auto shipped = DemoFilePath(DRAVICOR_BUILT_PROGRAM_DIR, kFreeCell);
        std::filesystem::create_directories(dir / "Demos");
        std::filesystem::copy_file(shipped, DemoFilePath(dir.path(), kFreeCell));
        EXPECT_TRUE(program.initialise());
        program.settings().put(Field::ConfirmQuitGame, "N");
        window = std::make_unique<TfrmMain>(program);
        window->resize(800, 600);
        window->table().showGame(program.engine(), images);
    }

    QAbstractButton& button(const char* name) const { return ChildOf<QAbstractButton>(*window, name); }
    QScrollBar& scrollBar() const { return *window->findChild<QScrollBar*>(QStringLiteral("scbDemoMove")); }
    std::string counter() const {
        return window->findChild<QLabel*>(QStringLiteral("pnlDemoCount"))->text().toStdString();
    }
    std::string expected(int step) const { return std::to_string(step) + "/" + std::to_string(steps); }
    bool barShown() const { return window->demoBar().isVisibleTo(window.get()); }

    void turnOn() {
        window->action("mnuDemo").trigger();
        ASSERT_TRUE(program.engine().demoMode());
        steps = program.demo().maximum();
        ASSERT_GT(steps, 12) << "a FreeCell game takes more moves than that";
        // Every position of the demo, one step at a time.
        for (int step = 1; step <= steps; ++step) {
            positions.push_back(program.position());
            if (step < steps) program.demo().GotoDemoStep(step, step + 1);
        }
        program.demo().first();
        window->refresh();
    }
    const Position& shown(int step) const { return positions[static_cast<size_t>(step - 1)]; }

    CardImages images;
    std::unique_ptr<TfrmMain> window;
    int steps = 0;
    std::vector<Position> positions;  // of every step, first to last
};

TEST_F(DemoBarTest, TheBarShowsOnlyInDemoModeAndCloseLeavesIt) {
    EXPECT_FALSE(barShown());
    turnOn();
    EXPECT_TRUE(barShown());
    EXPECT_EQ(counter(), expected(1));
    EXPECT_EQ(scrollBar().minimum(), 1);
    EXPECT_EQ(scrollBar().maximum(), steps);
    EXPECT_EQ(scrollBar().value(), 1);
    EXPECT_TRUE(fake.messages.empty()) << fake.messages.front().text;

    button("btnDemoClose").click();
    EXPECT_FALSE(program.engine().demoMode());
    EXPECT_FALSE(window->action("mnuDemo").isChecked());
    EXPECT_FALSE(barShown());
}

TEST_F(DemoBarTest, ButtonsMoveTheCounterAndTheTable) {
    turnOn();
    button("btnDemoNext").click();
    EXPECT_EQ(counter(), expected(4));
    EXPECT_EQ(scrollBar().value(), 4);
    EXPECT_EQ(program.position(), shown(4));

    button("btnDemoPrior").click();
    button("btnDemoPrior").click();
    EXPECT_EQ(counter(), expected(1)) << "not below the first step";

    button("btnDemoLast").click();
    EXPECT_EQ(counter(), expected(steps));
    EXPECT_EQ(program.position(), shown(steps));
    button("btnDemoNext").click();
    EXPECT_EQ(counter(), expected(steps)) << "not past the last step";
    button("btnDemoPrior").click();
    EXPECT_EQ(counter(), expected(steps - 3));
    EXPECT_EQ(program.position(), shown(steps - 3));

    button("btnDemoFirst").click();
    EXPECT_EQ(counter(), expected(1));
    EXPECT_EQ(program.position(), shown(1));
}

TEST_F(DemoBarTest, AThumbDragMovesOnceWhenItEnds) {
    turnOn();
    QScrollBar& bar = scrollBar();
    bar.setValue(5);  // a click on the bar
    EXPECT_EQ(counter(), expected(5));
    EXPECT_EQ(program.position(), shown(5));

    bar.setSliderDown(true);
    bar.setSliderPosition(9);
    bar.setSliderPosition(12);
    EXPECT_EQ(counter(), expected(5)) << "nothing moves while the thumb is dragged";
    EXPECT_EQ(program.position(), shown(5));
    bar.setSliderDown(false);
    EXPECT_EQ(counter(), expected(12));
    EXPECT_EQ(program.position(), shown(12));
}

TEST_F(DemoBarTest, PlayAndStopAreOneGroupReleasedByEveryCommand) {
    turnOn();
    QAbstractButton& play = button("btnDemoPlay");
    QAbstractButton& stop = button("btnDemoStop");
    play.click();
    EXPECT_TRUE(play.isChecked());
    stop.click();
    EXPECT_FALSE(play.isChecked());
    EXPECT_TRUE(stop.isChecked());
    EXPECT_EQ(counter(), expected(1)) << "they have no action of their own";

    button("btnDemoNext").click();
    EXPECT_FALSE(play.isChecked());
    EXPECT_FALSE(stop.isChecked());
    play.click();
    scrollBar().setValue(2);
    EXPECT_FALSE(play.isChecked()) << "a move of the scroll bar releases them too";
}

}  // namespace
}  // namespace dravicor::test
