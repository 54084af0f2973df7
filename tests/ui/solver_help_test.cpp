// The solver's help in the desktop program: how a hint shows on the table,
// Hint, the verdict in the status bar and New game with winnable deals only.
#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTest>

#include "common/profile_file.h"
#include "dialog_test_support.h"
#include "engine/player_input.h"
#include "rules/catalogue.h"
#include "rules/custom_games.h"
#include "shell/options.h"
#include "shell/preferences.h"
#include "solver/engine_hints.h"
#include "solver/live_verdict.h"
#include "plain_cards.h"
#include "support/temp_dir.h"
#include "ui/main_window.h"
#include "ui/table_widget.h"

namespace dravicor::test {
namespace {

constexpr int kFreeCell = 1;
constexpr int kFortyThieves = 5;

TEST(HintMarks, LiftTheCardsThatMoveAndOutlineWhereTheyGo) {
    Position position;
    for (const CardNumber card : {CardNumber{10}, CardNumber{22}, CardNumber{8}}) position.Append(PileId::Tableau(1), card, true);
    position.Append(PileId::Tableau(2), 30, false);
    position.Append(PileId::Stock(), 40, false);
    position.Append(PileId::Stock(), 41, false);
    Move select = Move::Of(MoveKind::Select);
    select.presses = {3, 9, 0, 0};
    const struct {
        const char* name;
        Move move;
        HintMarks marks;
    } cases[] = {
        {"the count carried", Move::CardTo(22, PileId::Tableau(1), PileId::Tableau(3), 2), {{22, 8}, PileId::Tableau(3)}},
        {"one card of two", Move::CardTo(22, PileId::Tableau(1), PileId::Reserve(1), 1), {{22}, PileId::Reserve(1)}},
        {"no count: up to the top", Move::CardTo(10, PileId::Tableau(1), PileId::Tableau(4), 0),
         {{10, 22, 8}, PileId::Tableau(4)}},
        {"a card not there", Move::CardTo(5, PileId::Tableau(1), PileId::Tableau(4), 1), {{}, std::nullopt}},
        {"turn up", Move::OnCard(MoveKind::TurnUp, 30, PileId::Tableau(2)), {{30}, PileId::Tableau(2)}},
        {"the stock", Move::Of(MoveKind::StockClick), {{41}, PileId::Stock()}},
        {"a deal", Move::DealTo(DealTarget::Tableau), {{41}, PileId::Stock()}},
        {"a choice of cards", select, {{3, 9}, std::nullopt}},
        {"a discard", Move::Of(MoveKind::Discard), {{}, PileId::SecondWaste()}},
    };
    for (const auto& c : cases) EXPECT_EQ(MarksOfHint(position, c.move), c.marks) << c.name;
}

TEST(WinnableDealsPreference, IsAListOfGameCodesInTheProfile) {
    ScratchProgram scratch;
    ASSERT_TRUE(scratch.start());
    SettingsRecord& settings = scratch.program.settings();
    const auto stored = [&] { return ConfigFile(settings).ReadString(kPreferenceSection, "Winnable_Deals", "-"); };
    WantWinnableDeals(settings, 12, true);
    WantWinnableDeals(settings, 3, true);
    WantWinnableDeals(settings, 12, true);
    EXPECT_EQ(stored(), "3,12");
    EXPECT_TRUE(WinnableDealsWanted(settings, 3));
    EXPECT_FALSE(WinnableDealsWanted(settings, 1));
    WantWinnableDeals(settings, 3, false);
    EXPECT_EQ(stored(), "12");
    ConfigFile(settings).WriteString(kPreferenceSection, "Winnable_Deals", "x7,5,,8001");
    EXPECT_TRUE(WinnableDealsWanted(settings, 5));
    EXPECT_TRUE(WinnableDealsWanted(settings, 8001));
    EXPECT_FALSE(WinnableDealsWanted(settings, 7)) << "a spoilt code is no code";
}

// A window over FreeCell deal 5, shown, with plain white cards.
class SolverHelp : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(scratch.start());
        images = PlainCards();
        settings().put(Field::ConfirmQuitGame, "N");
        settings().put(Field::CurrentGameNumber, "5");
        settings().put(Field::SpeedMoveCard, "0");
    }
    void open() {
        window = std::make_unique<TfrmMain>(scratch.program);
        window->table().showGame(engine(), images);
        engine().SetAutoplay(false);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        ASSERT_TRUE(engine().StartGame(true, false, 0, true));
    }
    Engine& engine() { return scratch.program.engine(); }
    SettingsRecord& settings() { return scratch.program.settings(); }
    QLabel& verdict() const { return *window->findChild<QLabel*>(QStringLiteral("pnlVerdict")); }
    bool hintShown() const { return window->table().hintShown().has_value(); }
    // Every card of FreeCell's tableau column blocked: no moves at all.
    void block() {
        Position blocked;
        for (int pile = 1; pile <= 8; ++pile) blocked.Append(PileId::Tableau(pile), static_cast<CardNumber>(pile + 1), true);
        for (int cell = 1; cell <= 4; ++cell) blocked.Append(PileId::Reserve(cell), static_cast<CardNumber>(13 * cell), true);
        engine().setPosition(blocked);
        ASSERT_TRUE(engine().StartGame(false, false, 0, true));
    }

    ScratchProgram scratch;
    CardImages images;
    std::unique_ptr<TfrmMain> window;
};

TEST_F(SolverHelp, HintLiftsTheCardsUntilTheNextMoveAndIsCountedPerDeal) {
    open();
    const QImage before = window->table().grab().toImage();
    window->action("mnuHint").trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return hintShown(); }, 5000));
    const HintMarks marks = *window->table().hintShown();
    ASSERT_FALSE(marks.lifted.empty());
    EXPECT_TRUE(marks.target.has_value());
    EXPECT_EQ(engine().game().hintsUsed, 1);

    // The lifted card's white face now covers table green above and left of its place.
    window->table().landCards();
    const Point at = *engine().CardPoint(marks.lifted.front());
    const QPoint corner = window->table().toWindow(at) - QPoint(2, 2);
    EXPECT_NE(before.pixel(corner), qRgb(255, 255, 255));
    EXPECT_EQ(window->table().grab().toImage().pixel(corner), qRgb(255, 255, 255));

    window->action("mnuHint").trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return engine().game().hintsUsed == 2; }, 5000)) << engine().game().hintsUsed;
    ASSERT_TRUE(PlayMove(engine(), engine().LegalMoves().front()));
    EXPECT_FALSE(hintShown()) << "a move clears the hint";
    scratch.fake.answers.push_back(Answer::Ok);
    window->action("mnuRestartGame").trigger();
    EXPECT_EQ(engine().game().hintsUsed, 2) << "the same deal again";
    window->action("mnuNew").trigger();
    EXPECT_EQ(engine().game().hintsUsed, 0) << "a new deal";
}

TEST_F(SolverHelp, WithNoMoveLeftTheStatusBarOffersNewGameAndUndo) {
    open();
    block();
    window->action("mnuHint").trigger();
    auto* panel = window->findChild<QWidget*>(QStringLiteral("pnlNoMoves"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !panel->isHidden(); }, 5000));
    EXPECT_EQ(window->solverNote().toStdString(), "No moves left");
    EXPECT_FALSE(hintShown());
    EXPECT_EQ(engine().game().hintsUsed, 0) << "no hint given";
    window->findChild<QPushButton*>(QStringLiteral("btnNoMovesNewGame"))->click();
    EXPECT_NE(engine().game().gameNumber, "5");
    EXPECT_FALSE(!panel->isHidden()) << "gone with the position it was about";
    EXPECT_EQ(window->solverNote().toStdString(), "");
}

TEST_F(SolverHelp, TheVerdictFollowsThePositionAndItsPreference) {
    open();
    EXPECT_EQ(verdict().toolTip().toStdString(), LiveVerdictNote());
    ASSERT_TRUE(QTest::qWaitFor([&] { return verdict().text().toStdString() == std::string("Winnable"); }, 10000)) << verdict().text().toStdString();
    EXPECT_TRUE(!verdict().isHidden());
    block();
    ASSERT_TRUE(QTest::qWaitFor([&] { return verdict().text().toStdString() == std::string("Not winnable"); }, 10000)) << verdict().text().toStdString();

    window.reset();
    ConfigFile(settings()).WriteString(kPreferenceSection, "Show_Verdict", "N");
    open();
    QTest::qWait(50);
    EXPECT_FALSE(!verdict().isHidden());
}

TEST_F(SolverHelp, NewGameWithWinnableDealsOnlyDealsAProvedNumber) {
    WantWinnableDeals(settings(), kFreeCell, true);
    open();
    window->action("mnuNew").trigger();
    EXPECT_TRUE(window->lookingForWinnableDeal());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->lookingForWinnableDeal(); }, 20000));
    const std::string number = engine().game().gameNumber;
    EXPECT_NE(number, "5");
    EXPECT_EQ(settings().get(Field::CurrentGameNumber), number) << "an ordinary game number";
    EXPECT_EQ(window->solverNote().toStdString(), "Game number " + number + " can be won");
    EXPECT_TRUE(engine().game().inProgress);
}

TEST_F(SolverHelp, EscapeStopsTheSearchAndDealsTheLastNumberTried) {
    open();
    engine().setGame(kFortyThieves, LoadGameRules(BuiltCatalogue(), kFortyThieves, NoCustomGames()));
    ASSERT_TRUE(engine().StartGame(true, false, 0, true));
    WantWinnableDeals(settings(), kFortyThieves, true);
    window->action("mnuNew").trigger();
    ASSERT_TRUE(window->lookingForWinnableDeal());
    auto* escape = window->findChild<QShortcut*>();
    ASSERT_NE(escape, nullptr);
    EXPECT_EQ(escape->key(), QKeySequence(Qt::Key_Escape));
    ASSERT_TRUE(escape->isEnabled());
    emit escape->activated();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->lookingForWinnableDeal(); }, 5000));
    const std::string number = engine().game().gameNumber;
    EXPECT_NE(number, "5");
    EXPECT_EQ(window->solverNote().toStdString(),
              "Stopped: game number " + number + " is dealt, not known to be winnable");
}

}  // namespace
}  // namespace dravicor::test
