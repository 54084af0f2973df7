// The table widget: it draws the game from the engine, scaled to the window,
// and hands the mouse to the engine's pointer handling through the same
// scaling, so a drag on the widget is a move.
#include <gtest/gtest.h>

#include <random>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>

#include "engine/engine.h"
#include "plain_cards.h"
#include "rules/catalogue.h"
#include "rules/custom_games.h"
#include "support/fake_platform.h"
#include "support/temp_dir.h"
#include "ui/table_widget.h"

namespace dravicor::test {
namespace {

constexpr int kKlondike = 0;
constexpr int kFreeCell = 1;
constexpr int kMonteCarlo = 10;
constexpr int kPokerSquares = 8;

// Every face a solid colour of its own, so a pixel tells which card lies there.
QColor FaceColour(int index) { return QColor(index * 4, 200, 50); }

class TableWidgetTest : public ::testing::Test {
protected:
    TableWidgetTest() {
        settings.put(Field::CardSize, "B");
        settings.put(Field::ScoringSystem, "01");
        settings.put(Field::ConfirmQuitGame, "N");
        settings.put(Field::SpeedMoveCard, "0");  // cards land at once unless a test wants flights
        widget.resize(800, 600);
        widget.show();
        widget.showGame(engine, images);
        deal(kFreeCell, "5");
    }

    void deal(int code, const char* number) {
        engine.setGame(code, LoadGameRules(BuiltCatalogue(), code, NoCustomGames()));
        settings.put(Field::CurrentGameNumber, number);
        ASSERT_TRUE(engine.StartGame(true, false, 0, true));
    }

    // The window point over a point of the table.
    QPoint over(Point table) const { return widget.toWindow(table); }
    QPoint overCard(int card, int dx = 5, int dy = 5) const {
        const auto at = engine.CardPoint(card);
        EXPECT_TRUE(at.has_value());
        return over({at->x + dx, at->y + dy});
    }

    void send(QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
        const QPointF point(at);
        QMouseEvent event(type, point, widget.mapToGlobal(point), Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(&widget, &event);
    }
    void drag(QPoint from, QPoint to) {
        send(QEvent::MouseButtonPress, from, Qt::LeftButton);
        send(QEvent::MouseMove, (from + to) / 2, Qt::LeftButton);
        send(QEvent::MouseMove, to, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, to, Qt::NoButton);
    }
    void click(QPoint at) {
        send(QEvent::MouseButtonPress, at, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, at, Qt::NoButton);
    }

    QRgb pixelAt(QPoint at) { return widget.grab().toImage().pixel(at); }

    FakePlatform fake;
    Platform platform = fake.platform();
    SettingsRecord settings;
    std::mt19937_64 random{3};
    Engine engine{settings, platform, random};
    CardImages images = PlainCards(FaceColour);
    TableWidget widget;
};

TEST_F(TableWidgetTest, ADragOnALegalPileIsAMoveAndTheCardFollowsThePointer) {
    const auto moves = engine.LegalMoves();
    ASSERT_FALSE(moves.empty());
    const PlayerMove move = moves.front();
    EXPECT_EQ(pixelAt(overCard(move.card)), FaceColour(move.card - 1).rgb()) << "the card is drawn in its place";

    send(QEvent::MouseButtonPress, overCard(move.card, 3, 3), Qt::LeftButton);
    const QPoint halfway(400, 500);
    send(QEvent::MouseMove, halfway, Qt::LeftButton);
    EXPECT_EQ(pixelAt(halfway + QPoint(5, 5)), FaceColour(move.card - 1).rgb()) << "the card follows the pointer";

    const TableGeometry table = engine.geometry();
    const QPoint target = over({table.PileCardX(move.target, 0, false) + 3, table.PileCardY(move.target, 0, false) + 3});
    send(QEvent::MouseMove, target, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, target, Qt::NoButton);
    EXPECT_TRUE(engine.position().piles.pile(move.target).contains(move.card));
    EXPECT_EQ(engine.history().undo.size(), 1U);
}

TEST_F(TableWidgetTest, APressWithoutMovingOrADropWhereNothingTakesTheCardPutsItBack) {
    const auto moves = engine.LegalMoves();
    ASSERT_FALSE(moves.empty());
    const auto before = BuildSnapshot(engine.position());
    click(overCard(moves.front().card));
    EXPECT_EQ(BuildSnapshot(engine.position()), before);

    // The bottom right corner of the table holds no pile.
    drag(overCard(moves.front().card), QPoint(widget.width() - 3, widget.height() - 3));
    EXPECT_EQ(BuildSnapshot(engine.position()), before);
    EXPECT_TRUE(engine.history().undo.empty());
    EXPECT_FALSE(engine.isDragging());
    EXPECT_EQ(pixelAt(overCard(moves.front().card)), FaceColour(moves.front().card - 1).rgb()) << "back in its place";
}

// FreeCell: a run moves when there are free cells enough.
TEST_F(TableWidgetTest, ARunDraggedByItsLowestCardMovesWhole) {
    std::optional<PlayerMove> run;
    Pile moving;  // the column the run leaves, before the drag
    for (int number = 1; number <= 300 && !run; ++number) {
        deal(kFreeCell, std::to_string(number).c_str());
        for (const PlayerMove& move : engine.LegalMoves()) {
            for (int t = 1; t <= 8; ++t) {
                const Pile& source = engine.position().piles.pile(PileId::Tableau(t));
                const int index = source.find(move.card);
                if (index < 0 || index == source.size() - 1 || move.target.kind != PileKind::Tableau) continue;
                run = move;
                moving = source;
            }
        }
    }
    ASSERT_TRUE(run.has_value()) << "no deal offers a run move";
    const int length = moving.size() - moving.find(run->card);
    const int targetBefore = engine.position().piles.pile(run->target).size();

    const TableGeometry table = engine.geometry();
    drag(overCard(run->card, 5, 5),
         over({table.PileCardX(run->target, 0, false) + 5, table.PileCardY(run->target, 0, false) + 5}));
    EXPECT_EQ(engine.position().piles.pile(run->target).size(), targetBefore + length);
    EXPECT_EQ(engine.position().piles.pile(run->target).top(), moving.top());
}

// Klondike: a double-click sends an Ace lying on top of a pile home.
TEST_F(TableWidgetTest, ADoubleClickSendsATopCardToAFoundation) {
    CardNumber ace = kNoCard;
    for (int number = 1; number <= 300 && ace == kNoCard; ++number) {
        deal(kKlondike, std::to_string(number).c_str());
        for (int t = 1; t <= 7; ++t) {
            const CardNumber top = engine.position().piles.pile(PileId::Tableau(t)).top();
            if (CardRank(top) == 1) ace = top;
        }
    }
    ASSERT_NE(ace, kNoCard);
    const QPoint at = overCard(ace);
    send(QEvent::MouseButtonPress, at, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, at, Qt::NoButton);
    send(QEvent::MouseButtonDblClick, at, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, at, Qt::NoButton);
    bool home = false;
    for (int f = 1; f <= 4; ++f) home = home || engine.position().piles.pile(PileId::Foundation(f)).contains(ace);
    EXPECT_TRUE(home);
    EXPECT_EQ(engine.history().undo.size(), 1U);
}

// Klondike: with the stock gone through, a press on it arms the redeal; moving
// off the stock before letting go disarms it, letting go on it redeals.
TEST_F(TableWidgetTest, ARedealIsArmedByAPressAndCancelledByLeavingTheStock) {
    deal(kKlondike, "7");
    const Point stockOrigin = engine.geometry().pileOrigin(PileId::Stock());
    const QPoint stock = over({stockOrigin.x + 10, stockOrigin.y + 10});
    for (int guard = 0; guard < 60 && !engine.position().piles.pile(PileId::Stock()).empty(); ++guard) click(stock);
    ASSERT_TRUE(engine.position().piles.pile(PileId::Stock()).empty());
    const auto gone = BuildSnapshot(engine.position());

    send(QEvent::MouseButtonPress, stock, Qt::LeftButton);
    EXPECT_TRUE(engine.redealArmed());
    send(QEvent::MouseMove, stock + QPoint(0, 300), Qt::LeftButton);
    EXPECT_FALSE(engine.redealArmed());
    send(QEvent::MouseButtonRelease, stock + QPoint(0, 300), Qt::NoButton);
    EXPECT_EQ(BuildSnapshot(engine.position()), gone) << "nothing redealt";

    click(stock);
    EXPECT_FALSE(engine.position().piles.pile(PileId::Stock()).empty()) << "the waste went back to the stock";
}

TEST_F(TableWidgetTest, AWindowTwiceTheSizeDrawsTwiceAsBigAndTheMouseFollowsTheScale) {
    widget.resize(1600, 1200);
    EXPECT_DOUBLE_EQ(widget.transform().scale(), 2.0);
    const auto moves = engine.LegalMoves();
    ASSERT_FALSE(moves.empty());
    const auto from = engine.CardPoint(moves.front().card);
    ASSERT_TRUE(from.has_value());
    // The card covers twice its own size in window pixels.
    const QPoint corner = over(*from);
    EXPECT_EQ(pixelAt(corner + QPoint(2 * 71 - 2, 2 * 96 - 2)), FaceColour(moves.front().card - 1).rgb());

    const TableGeometry table = engine.geometry();
    const PlayerMove move = moves.front();
    drag(overCard(move.card, 10, 10),
         over({table.PileCardX(move.target, 0, false) + 10, table.PileCardY(move.target, 0, false) + 10}));
    EXPECT_TRUE(engine.position().piles.pile(move.target).contains(move.card));

    widget.setScaledToWindow(false);
    EXPECT_DOUBLE_EQ(widget.transform().scale(), 1.0);
    EXPECT_EQ(widget.transform().tableArea(), (Size{1600, 1200}));
}

// Pyramid's table is wider than the reference: the scale makes room for it,
// whichever game was shown before.
TEST_F(TableWidgetTest, EveryPileOfAWideGameShowsInTheWindow) {
    constexpr int kPyramid = 7;
    widget.resize(1024, 728);
    // Laid out before the deal, as at start-up, then dealt for the player.
    engine.setGame(kPyramid, LoadGameRules(BuiltCatalogue(), kPyramid, NoCustomGames()));
    widget.resize(1024, 729);
    widget.resize(1024, 728);
    settings.put(Field::CurrentGameNumber, "63");
    ASSERT_TRUE(engine.StartGame(true, false, 0, false));
    int right = 0;
    engine.position().piles.forEach([&](PileId id, const Pile& pile) {
        if (!engine.origins().isOnTable(id) || pile.empty()) return;
        const auto at = engine.CardPoint(pile.top());
        if (at) right = std::max(right, over({at->x + 71, at->y}).x());
    });
    EXPECT_GT(right, 900) << "the table is used";
    EXPECT_LE(right, widget.width());
    EXPECT_LT(widget.transform().scale(), 1024.0 / 800);
    deal(kFreeCell, "5");
    EXPECT_DOUBLE_EQ(widget.transform().scale(), std::min(1024.0 / 800, 728.0 / 600)) << "back for a narrower game";
}

TEST_F(TableWidgetTest, TheScrollBarAppearsOnlyWhenWantedAndNeeded) {
    widget.setScaledToWindow(false);
    widget.resize(800, 250);  // lower than a FreeCell table
    EXPECT_FALSE(widget.scrollBar().isVisibleTo(&widget)) << "not wanted";
    settings.put(Field::VertScrollBar, "Y");
    widget.resize(800, 251);
    ASSERT_TRUE(widget.scrollBar().isVisibleTo(&widget));
    const auto moves = engine.LegalMoves();
    const CardNumber card = moves.front().card;
    const Point before = *engine.CardPoint(card);
    widget.scrollBar().setValue(40);
    EXPECT_EQ(engine.CardPoint(card)->y, before.y - 40) << "the piles are drawn higher";
    EXPECT_EQ(pixelAt(overCard(card)), FaceColour(card - 1).rgb());

    widget.resize(800, 700);
    EXPECT_FALSE(widget.scrollBar().isVisibleTo(&widget));
    EXPECT_EQ(engine.metrics().scrollOffset, 0);
}

TEST_F(TableWidgetTest, AMovedCardFliesToItsPlaceAtThePlayersSpeed) {
    settings.put(Field::SpeedMoveCard, "50");
    const PlayerMove move = engine.LegalMoves().front();
    const Point from = *engine.CardPoint(move.card);
    ASSERT_TRUE(engine.MoveCard(move.card, PileName(move.target)));
    EXPECT_TRUE(widget.cardsInFlight());
    EXPECT_EQ(pixelAt(over({from.x + 5, from.y + 5})), FaceColour(move.card - 1).rgb()) << "it sets off from where it was";
    ASSERT_TRUE(QTest::qWaitFor([&] { return !widget.cardsInFlight(); }, 3000));
    EXPECT_EQ(pixelAt(overCard(move.card)), FaceColour(move.card - 1).rgb()) << "and lands in its place";
}

TEST_F(TableWidgetTest, ADealShownCardByCardStartsInTheStock) {
    settings.put(Field::SpeedMoveCard, "10");
    settings.put(Field::DealAnimation, "Y");
    engine.setGame(kKlondike, LoadGameRules(BuiltCatalogue(), kKlondike, NoCustomGames()));
    settings.put(Field::CurrentGameNumber, "9");
    ASSERT_TRUE(engine.StartGame(true, true, 0, false));
    ASSERT_TRUE(widget.cardsInFlight());
    const CardNumber last = engine.position().piles.pile(PileId::Tableau(7)).top();
    EXPECT_NE(pixelAt(overCard(last)), FaceColour(last - 1).rgb()) << "the last card is not dealt yet";
    ASSERT_TRUE(QTest::qWaitFor([&] { return !widget.cardsInFlight(); }, 5000));
    EXPECT_EQ(pixelAt(overCard(last)), FaceColour(last - 1).rgb());
}

// Monte Carlo: a pressed card is selected and framed by inverting its edge.
TEST_F(TableWidgetTest, ASelectedCardIsFramed) {
    deal(kMonteCarlo, "1");
    const CardNumber card = engine.position().piles.tableau[0].top();
    const QColor face = FaceColour(card - 1);
    EXPECT_EQ(pixelAt(overCard(card, 1, 1)), face.rgb());
    click(overCard(card, 10, 10));
    ASSERT_EQ(engine.selection(), std::vector<CardNumber>{card});
    const QColor inverted(255 - face.red(), 255 - face.green(), 255 - face.blue());
    EXPECT_EQ(pixelAt(overCard(card, 1, 1)), inverted.rgb()) << "the frame";
    EXPECT_EQ(pixelAt(overCard(card, 20, 20)), face.rgb()) << "the face inside the frame";
}

TEST_F(TableWidgetTest, ThePauseHidesTheCardsUntilAKeyIsPressed) {
    TablePictures pictures;
    pictures.pauseTitle = QPixmap(240, 64);
    pictures.pauseTitle.fill(Qt::red);
    pictures.pauseResume = QPixmap(120, 40);
    pictures.pauseResume.fill(Qt::yellow);
    widget.setTablePictures(pictures);
    const CardNumber card = engine.LegalMoves().front().card;
    engine.SetPause(true);
    ASSERT_TRUE(engine.paused());
    EXPECT_NE(pixelAt(overCard(card)), FaceColour(card - 1).rgb()) << "the cards are hidden";
    const QImage paused = widget.grab().toImage();
    // Title centred, at least 100 pixels down; the second picture 15 below it.
    const int titleTop = std::max(100, static_cast<int>(std::lround((600 - 64 - 45 - 40) / 2.0)));
    EXPECT_EQ(paused.pixel((800 - 240) / 2 + 5, titleTop + 5), QColor(Qt::red).rgb());
    EXPECT_EQ(paused.pixel((800 - 120) / 2 + 5, titleTop + 64 + 15 + 5), QColor(Qt::yellow).rgb());

    QTest::keyClick(&widget, Qt::Key_A);
    EXPECT_FALSE(engine.paused());
    EXPECT_EQ(pixelAt(overCard(card)), FaceColour(card - 1).rgb()) << "the cards are back";
}

TEST_F(TableWidgetTest, ThePokerPanelShowsTheTotal) {
    TablePictures pictures;
    pictures.pokerPanel = QPixmap(150, 60);
    pictures.pokerPanel.fill(Qt::white);
    widget.setTablePictures(pictures);
    deal(kPokerSquares, "3");
    const QImage table = widget.grab().toImage();
    // Somewhere on the table the panel's white shows with black text on it.
    int white = 0, black = 0;
    for (int y = 0; y < table.height(); ++y) {
        for (int x = 0; x < table.width(); ++x) {
            const QRgb pixel = table.pixel(x, y);
            white += pixel == QColor(Qt::white).rgb();
            black += qGray(pixel) < 80;
        }
    }
    EXPECT_GE(white, 150 * 60 / 2);
    EXPECT_GT(black, 20) << "the text of the panel";
}

// Klondike with one King left to go home: the drop wins, the table is
// covered with cards, and a press stops the celebration.
TEST_F(TableWidgetTest, TheWinningAnimationCoversTheTableAndStopsOnAPress) {
    settings.put(Field::WinningAnimation, "Y");
    deal(kKlondike, "1");
    Position nearlyWon;
    nearlyWon.Append(PileId::Tableau(1), 13, true);  // the King of hearts
    for (int suit = 0; suit < 4; ++suit) {
        for (int rank = 1; rank <= (suit == 0 ? 12 : 13); ++rank)
            nearlyWon.Append(PileId::Foundation(suit + 1), static_cast<CardNumber>(suit * 13 + rank), true);
    }
    engine.setPosition(nearlyWon);
    ASSERT_TRUE(engine.StartGame(false, false, 0, true));
    bool finished = false;
    QObject::connect(&widget, &TableWidget::winningAnimationFinished, [&] { finished = true; });

    const Point home = engine.geometry().pileOrigin(PileId::Foundation(1));
    drag(overCard(13), over({home.x + 5, home.y + 5}));
    ASSERT_FALSE(engine.game().inProgress) << "the game was won and recorded";
    ASSERT_TRUE(widget.winningAnimationRunning());
    EXPECT_FALSE(engine.ConfirmLeaveGame()) << "no game is left while the table celebrates";
    // Cards pile up over the empty table.
    const QRgb table = widget.background().rgb();
    const auto coveredBelow = [&] {
        const QImage image = widget.grab().toImage();
        int covered = 0, samples = 0;
        for (int y = 300; y < 600; y += 10) {
            for (int x = 0; x < 800; x += 10, ++samples) covered += image.pixel(x, y) != table;
        }
        return static_cast<double>(covered) / samples;
    };
    EXPECT_LT(coveredBelow(), 0.05) << "the lower table is empty at first";
    ASSERT_TRUE(QTest::qWaitFor([&] { return coveredBelow() > 0.2; }, 4000));

    click(QPoint(400, 300));
    EXPECT_FALSE(widget.winningAnimationRunning());
    EXPECT_TRUE(finished);
    EXPECT_TRUE(engine.ConfirmLeaveGame());
}

}  // namespace
}  // namespace dravicor::test
