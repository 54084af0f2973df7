// The table widget: it draws the game from the engine and hands the mouse
// to the engine's pointer handling, so a drag on the widget is a move.
#include <gtest/gtest.h>

#include <random>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include "engine/engine.h"
#include "rules/catalogue.h"
#include "rules/custom_games.h"
#include "support/fake_platform.h"
#include "support/temp_dir.h"
#include "ui/table_widget.h"

namespace dravicor::test {
namespace {

constexpr int kFreeCell = 1;

// Every face a solid colour of its own, so a pixel tells which card lies there.
QColor FaceColour(int index) { return QColor(index * 4, 200, 50); }

CardImages SolidCards() {
    CardImages images;
    images.cardSize = {71, 96};
    images.back = QPixmap(71, 96);
    images.back.fill(Qt::blue);
    for (int i = 0; i < 52; ++i) {
        images.faces[static_cast<size_t>(i)] = QPixmap(71, 96);
        images.faces[static_cast<size_t>(i)].fill(FaceColour(i));
    }
    return images;
}

class TableWidgetTest : public ::testing::Test {
protected:
    TableWidgetTest() {
        settings.put(Field::CardSize, "B");
        settings.put(Field::ScoringSystem, "01");
        settings.put(Field::ConfirmQuitGame, "N");
        settings.put(Field::CurrentGameNumber, "5");
        engine.setGame(kFreeCell, LoadGameRules(BuiltCatalogue(), kFreeCell, NoCustomGames()));
        widget.resize(800, 600);
        widget.showGame(engine, images);
        EXPECT_TRUE(engine.StartGame(true, false, 0, true));
    }

    void send(QEvent::Type type, Point at, Qt::MouseButtons buttons) {
        const QPointF point(at.x, at.y);
        QMouseEvent event(type, point, widget.mapToGlobal(point), Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(&widget, &event);
    }

    QRgb pixelAt(Point at) { return widget.grab().toImage().pixel(at.x, at.y); }

    FakePlatform fake;
    Platform platform = fake.platform();
    SettingsRecord settings;
    std::mt19937_64 random{3};
    Engine engine{settings, platform, random};
    CardImages images = SolidCards();
    TableWidget widget;
};

TEST_F(TableWidgetTest, ADragOnTheWidgetIsAMoveAndTheCardFollowsThePointer) {
    const auto moves = engine.LegalMoves();
    ASSERT_FALSE(moves.empty());
    const PlayerMove move = moves.front();
    const auto from = engine.CardPoint(move.card);
    ASSERT_TRUE(from.has_value());
    EXPECT_EQ(pixelAt({from->x + 5, from->y + 5}), FaceColour(move.card - 1).rgb()) << "the card is drawn in its place";

    const Point grip{from->x + 3, from->y + 3};
    send(QEvent::MouseButtonPress, grip, Qt::LeftButton);
    const Point halfway{400, 500};
    send(QEvent::MouseMove, halfway, Qt::LeftButton);
    EXPECT_EQ(pixelAt({halfway.x + 5, halfway.y + 5}), FaceColour(move.card - 1).rgb()) << "the card follows the pointer";

    const TableGeometry table = engine.geometry();
    const Point target{table.PileCardX(move.target, 0, false) + 3, table.PileCardY(move.target, 0, false) + 3};
    send(QEvent::MouseMove, target, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, target, Qt::NoButton);
    EXPECT_TRUE(engine.position().piles.pile(move.target).contains(move.card));
    EXPECT_EQ(engine.history().undo.size(), 1U);
}

TEST_F(TableWidgetTest, APressWithoutMovingPutsTheCardBack) {
    const auto moves = engine.LegalMoves();
    ASSERT_FALSE(moves.empty());
    const auto from = engine.CardPoint(moves.front().card);
    ASSERT_TRUE(from.has_value());
    const auto before = BuildSnapshot(engine.position());
    send(QEvent::MouseButtonPress, {from->x + 3, from->y + 3}, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, {from->x + 3, from->y + 3}, Qt::NoButton);
    EXPECT_EQ(BuildSnapshot(engine.position()), before);
    EXPECT_TRUE(engine.history().undo.empty());
}

// Monte Carlo: a pressed card is selected and framed by inverting its edge.
TEST_F(TableWidgetTest, ASelectedCardIsFramed) {
    constexpr int kMonteCarlo = 10;
    engine.setGame(kMonteCarlo, LoadGameRules(BuiltCatalogue(), kMonteCarlo, NoCustomGames()));
    settings.put(Field::CurrentGameNumber, "1");
    ASSERT_TRUE(engine.StartGame(true, false, 0, true));
    const CardNumber card = engine.position().piles.tableau[0].top();
    const auto at = engine.CardPoint(card);
    ASSERT_TRUE(at.has_value());
    const QColor face = FaceColour(card - 1);
    EXPECT_EQ(pixelAt({at->x + 1, at->y + 1}), face.rgb());
    send(QEvent::MouseButtonPress, {at->x + 10, at->y + 10}, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, {at->x + 10, at->y + 10}, Qt::NoButton);
    ASSERT_EQ(engine.selection(), std::vector<CardNumber>{card});
    const QColor inverted(255 - face.red(), 255 - face.green(), 255 - face.blue());
    EXPECT_EQ(pixelAt({at->x + 1, at->y + 1}), inverted.rgb()) << "the frame";
    EXPECT_EQ(pixelAt({at->x + 20, at->y + 20}), face.rgb()) << "the face inside the frame";
}

}  // namespace
}  // namespace dravicor::test
