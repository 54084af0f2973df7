// What screen readers find on the table: every pile by name, the focus
// following the keys, and the moves announced; and the frame the keys draw.
#include <gtest/gtest.h>

#include <random>

#include <QAccessible>
#include <QApplication>
#include <QTest>

#include "engine/engine.h"
#include "engine/keyboard_focus.h"
#include "engine/player_input.h"
#include "engine/table_speech.h"
#include "rules/catalogue.h"
#include "rules/custom_games.h"
#include "support/fake_platform.h"
#include "plain_cards.h"
#include "support/temp_dir.h"
#include "ui/table_widget.h"

namespace dravicor::test {
namespace {

constexpr int kKlondike = 0;

class TableAccessibleTest : public ::testing::Test {
protected:
    TableAccessibleTest() {
        connect();
        settings.put(Field::CardSize, "B");
        settings.put(Field::ScoringSystem, "01");
        settings.put(Field::SpeedMoveCard, "0");
        settings.put(Field::CurrentGameName, "Klondike");
        settings.put(Field::ProgramDir, folder.path().string() + "/");
        settings.put(Field::ConfigName, "DATA/CFG.DAT");
        images = PlainCards();
        widget.resize(800, 600);
        widget.show();
        widget.showGame(engine, images);
        widget.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&widget));
        widget.setFocus();
        engine.setGame(kKlondike, LoadGameRules(BuiltCatalogue(), kKlondike, NoCustomGames()));
        settings.put(Field::CurrentGameNumber, "5");
        EXPECT_TRUE(engine.StartGame(true, false, 0, false));
        QCoreApplication::processEvents();
    }
    QAccessibleInterface& table() { return *QAccessible::queryAccessibleInterface(&widget); }
    // Every announcement is kept, and must be what the table's accessible
    // description says at that moment.
    void connect() {
        QObject::connect(&widget, &TableWidget::announced, [this](const QString& text) {
            EXPECT_EQ(QAccessible::queryAccessibleInterface(&widget)->text(QAccessible::Description), text);
            heard.push_back(text.toStdString());
        });
    }
    bool heardSaid(const std::string& text) const { return std::find(heard.begin(), heard.end(), text) != heard.end(); }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { QTest::keyClick(&widget, key, modifiers); }
    // Presses the keys that take the focus there.
    void goTo(KeyFocus target) {
        static const std::map<KeyCommand, Qt::Key> keys = {{KeyCommand::Left, Qt::Key_Left}, {KeyCommand::Right, Qt::Key_Right},
                                                            {KeyCommand::Up, Qt::Key_Up},     {KeyCommand::Down, Qt::Key_Down},
                                                            {KeyCommand::Next, Qt::Key_Tab},  {KeyCommand::Previous, Qt::Key_Backtab}};
        for (const KeyCommand command : widget.keyboard()->RouteTo(target)) key(keys.at(command));
    }

    TempDir folder;
    FakePlatform fake;
    Platform platform = fake.platform();
    SettingsRecord settings;
    std::mt19937_64 random{3};
    Engine engine{settings, platform, random};
    CardImages images;
    TableWidget widget;
    std::vector<std::string> heard;
};

TEST_F(TableAccessibleTest, TheDealtTableNamesEveryPileInReadingOrder) {
    EXPECT_EQ(table().role(), QAccessible::List);
    EXPECT_EQ(table().text(QAccessible::Description).toStdString(), "Klondike, game 5, dealt.");
    const std::vector<PileId> piles = PilesInReadingOrder(engine);
    ASSERT_EQ(table().childCount(), 13);
    for (int i = 0; i < table().childCount(); ++i) {
        QAccessibleInterface* pile = table().child(i);
        ASSERT_NE(pile, nullptr);
        EXPECT_EQ(pile->role(), QAccessible::ListItem);
        EXPECT_EQ(pile->text(QAccessible::Name).toStdString(), DescribePile(engine, piles[static_cast<size_t>(i)]));
        EXPECT_EQ(table().indexOfChild(pile), i);
        EXPECT_TRUE(pile->rect().intersects(QRect(widget.mapToGlobal(QPoint(0, 0)), widget.size())));
    }
    EXPECT_EQ(table().child(0)->text(QAccessible::Name).toStdString(), "Stock: 24 cards face down");
    const std::string seventh = table().child(12)->text(QAccessible::Name).toStdString();
    EXPECT_TRUE(seventh.starts_with("Tableau 7: ") && seventh.ends_with(", 6 cards face down")) << seventh;
}

TEST_F(TableAccessibleTest, TheFocusFollowsTheKeysAndAMoveIsAnnounced) {
    ASSERT_NE(table().focusChild(), nullptr);
    EXPECT_EQ(table().focusChild(), table().child(0)) << "the stock";
    key(Qt::Key_Right);
    ASSERT_NE(table().focusChild(), nullptr);
    EXPECT_EQ(table().focusChild(), table().child(1));
    EXPECT_EQ(table().focusChild()->text(QAccessible::Name).toStdString(), "Waste: empty");
    EXPECT_TRUE(table().focusChild()->state().focused);
    EXPECT_FALSE(table().child(0)->state().focused);

    const auto moves = engine.LegalMoves();
    ASSERT_FALSE(moves.empty());
    const PlayerMove move = moves.front();
    for (const PileId pile : PilesInReadingOrder(engine)) {
        if (engine.position().piles.pile(pile).contains(move.card)) goTo({pile, move.card});
    }
    key(Qt::Key_Space);
    EXPECT_TRUE(heardSaid(CardName(move.card) + " picked up."));
    key(Qt::Key_Escape);
    EXPECT_EQ(heard.back(), CardName(move.card) + " put back.");
    key(Qt::Key_Space);
    goTo({move.target, kNoCard});
    key(Qt::Key_Return);
    ASSERT_TRUE(engine.position().piles.pile(move.target).contains(move.card));
    const std::string said = CardName(move.card) + " to " + PileTitle(move.target, engine.rules()) + ".";
    EXPECT_EQ(widget.announcement().toStdString().substr(0, said.size()), said);
    EXPECT_EQ(table().focusChild()->text(QAccessible::Description), widget.announcement())
        << "the focused pile says it too";
}

TEST_F(TableAccessibleTest, MovesOfTheMouseAndUndoAreAnnouncedToo) {
    const auto moves = engine.LegalMoves();
    ASSERT_FALSE(moves.empty());
    ASSERT_TRUE(PlayMove(engine, moves.front()));
    QCoreApplication::processEvents();
    const std::string said = CardName(moves.front().card) + " to " + PileTitle(moves.front().target, engine.rules()) + ".";
    ASSERT_FALSE(heard.empty());
    EXPECT_TRUE(heard.back().starts_with(said)) << heard.back();
    const size_t before = heard.size();
    ASSERT_TRUE(engine.Undo());
    QCoreApplication::processEvents();
    ASSERT_EQ(heard.size(), before + 1);
    EXPECT_NE(heard.back().find(CardName(moves.front().card) + " to "), std::string::npos) << heard.back();
}

TEST_F(TableAccessibleTest, TheFocusFrameShowsOnceAKeyIsUsedAndIsThickOnTheHighContrastTable) {
    const auto frameWidth = [this] {
        const QImage shot = widget.grab().toImage();
        const Rect shown = *widget.keyboard()->focusRect();
        const QPoint corner = widget.toWindow({shown.left, shown.top + 20});
        int yellow = 0;
        for (int x = corner.x() - 12; x < corner.x(); ++x) yellow += shot.pixelColor(x, corner.y()) == QColor(255, 214, 0);
        return yellow;
    };
    EXPECT_EQ(frameWidth(), 0) << "no frame before a key is pressed";
    key(Qt::Key_Right);
    key(Qt::Key_Down);
    const int thin = frameWidth();
    EXPECT_GE(thin, 2);
    settings.put(Field::TableHighContrast, "Y");  // as the customize dialog's Apply leaves it
    widget.reloadAppearance();
    EXPECT_GT(frameWidth(), thin);
}

}  // namespace
}  // namespace dravicor::test
