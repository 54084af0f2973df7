// The open-game dialog over a scratch program: the tree as it first shows,
// the description, OK and its outcomes, the favourites and customized
// folders, the keyboard and the saved-game button.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "common/profile_file.h"
#include "savegame/saved_game.h"
#include "select/favourites.h"
#include "shell/preferences.h"
#include "ui/game_description_panel.h"
#include "ui/game_preview_pane.h"
#include "ui/open_game_dialog.h"
#include "dialog_test_support.h"

namespace dravicor::test {
namespace {

constexpr int kKlondike = 0;
constexpr int kFreeCell = 1;
constexpr int kSpider = 3;

class OpenGameDialogTest : public ::testing::Test {
protected:
    OpenGameDialogTest() { library = ResourceLibrary::Open(kBuiltProgramDir); }

    // Starts the program and makes the dialog; preferences written before
    // are read by both.
    TfrmApri& dialog() {
        if (!made) {
            EXPECT_TRUE(scratch.start());
            EXPECT_NE(library, nullptr);
            made = std::make_unique<TfrmApri>(program(), *library);
        }
        return *made;
    }
    Program& program() { return scratch.program; }
    FakePlatform& fake() { return scratch.fake; }

    QTreeWidget& tree() { return *dialog().findChild<QTreeWidget*>(QStringLiteral("trvGames")); }
    template <class T>
    T& child(const char* name) { return ChildOf<T>(dialog(), name); }
    QString label(const char* name) { return child<QLabel>(name).text(); }
    QTreeWidgetItem* folder(int key) {
        for (QTreeWidgetItemIterator it(&tree()); *it != nullptr; ++it) {
            if (TfrmApri::KeyOf(*it) == key) return *it;
        }
        return nullptr;
    }
    QTreeWidgetItem* gameIn(int folderKey, int code) {
        QTreeWidgetItem* item = folder(folderKey);
        if (item == nullptr) return nullptr;
        item->setExpanded(true);
        for (int i = 0; i < item->childCount(); ++i) {
            if (TfrmApri::KeyOf(item->child(i)) == code) return item->child(i);
        }
        return nullptr;
    }
    // Selects the game in the folder and presses OK once the dialog shows.
    OpenGameResult choose(int folderKey, int code) {
        WhenShown(dialog(), [this, folderKey, code] {
            QTreeWidgetItem* game = gameIn(folderKey, code);
            ASSERT_NE(game, nullptr);
            tree().setCurrentItem(game);
            QTest::mouseClick(&child<QPushButton>("btnOK"), Qt::LeftButton);
        });
        return dialog().run();
    }

    ScratchProgram scratch;
    std::unique_ptr<ResourceLibrary> library;
    std::unique_ptr<TfrmApri> made;
};

// Which nodes the tree holds is the game tree's business; the dialog shows them with their icons.
TEST_F(OpenGameDialogTest, TheTreeShowsItsFixedNodesWithTheirIcons) {
    ASSERT_EQ(tree().topLevelItemCount(), 3);
    EXPECT_EQ(tree().topLevelItem(0)->text(0), QStringLiteral("Favorite games"));
    EXPECT_EQ(folder(TreeKey::GameType)->childCount(), 12);
    for (QTreeWidgetItemIterator it(&tree()); *it != nullptr; ++it) {
        if (TfrmApri::KeyOf(*it) == TreeKey::Placeholder) continue;
        SCOPED_TRACE((*it)->text(0).toStdString());
        const QIcon icon = (*it)->icon(0);
        ASSERT_FALSE(icon.isNull());
        const QImage picture = icon.pixmap(16, 16).toImage();
        EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0) << "the dark red corner is left out";
    }
    // The folders of games wait with their placeholder, so each can open.
    EXPECT_EQ(folder(-202030)->childCount(), 1);
    EXPECT_EQ(TfrmApri::KeyOf(folder(-202030)->child(0)), TreeKey::Placeholder);
}

TEST_F(OpenGameDialogTest, FirstShowingOpensTheRememberedFolderAtTheCurrentGame) {
    scratch.setPreference("Game_TreeNum", "-202030");
    scratch.setPreference("Game", "0");
    WhenShown(dialog(), [this] {
        QTreeWidgetItem* current = tree().currentItem();
        ASSERT_NE(current, nullptr);
        EXPECT_EQ(current->text(0), QStringLiteral("Klondike"));
        EXPECT_EQ(TfrmApri::KeyOf(current->parent()), -202030);
        EXPECT_TRUE(current->parent()->isExpanded());
        EXPECT_TRUE(current->parent()->parent()->isExpanded()) << "Game Type";
        // The description's texts are the description's business.
        EXPECT_EQ(label("lblGameName"), QStringLiteral("Klondike"));
        EXPECT_EQ(label("lblRedeals"), QStringLiteral("Unlimited"));
        EXPECT_TRUE(child<QPushButton>("btnOK").isEnabled());
        QTest::mouseClick(&child<QPushButton>("btnCancel"), Qt::LeftButton);
    });
    const OpenGameResult result = dialog().run();
    EXPECT_EQ(result.kind, OpenGameResult::Kind::Cancelled);
    EXPECT_FALSE(program().game().inProgress);
}

TEST_F(OpenGameDialogTest, AFolderShowsTheProductPictureAndDisablesTheGameButtons) {
    scratch.setPreference("Game_TreeNum", "-4242");
    dialog().setHooks({[](int, const std::string&) {}, [](int, const std::string&) {}, [] {}});
    WhenShown(dialog(), [this] {
        // A key of no folder selects no game (the tree's focus may put its
        // cursor on the first folder).
        const QTreeWidgetItem* first = tree().currentItem();
        EXPECT_TRUE(first == nullptr || TfrmApri::KeyOf(first) < 0);
        tree().setCurrentItem(folder(TreeKey::GameType));
        EXPECT_FALSE(child<GameDescriptionPanel>("pnlDescription").showsGame());
        for (const char* name : {"btnOK", "btnRules", "btnStatistics"}) {
            EXPECT_FALSE(child<QPushButton>(name).isEnabled()) << name;
        }
        EXPECT_FALSE(child<QCheckBox>("chkPreview").isEnabled());
        // OK on a folder asks for a game and the dialog stays.
        dialog().btnOKClick();
        ASSERT_EQ(fake().messages.size(), 1u);
        EXPECT_EQ(fake().messages[0].text, "Open a game");
        dialog().btnRulesClick();
        EXPECT_EQ(fake().messages.back().text, "Select a game");
        EXPECT_TRUE(dialog().isVisible());

        tree().setCurrentItem(gameIn(TreeKey::AllGames, kSpider));
        EXPECT_TRUE(child<GameDescriptionPanel>("pnlDescription").showsGame());
        for (const char* name : {"btnOK", "btnRules", "btnStatistics"}) {
            EXPECT_TRUE(child<QPushButton>(name).isEnabled()) << name;
        }
        EXPECT_EQ(label("lblDecks"), QStringLiteral("2"));
        dialog().reject();
    });
    dialog().run();
}

TEST_F(OpenGameDialogTest, ThePreviewLiesOnTheGreenFade) {
    scratch.setPreference("Open_Preview_Game", "N");
    WhenShown(dialog(), [this] {
        tree().setCurrentItem(gameIn(TreeKey::AllGames, kKlondike));
        auto& check = child<QCheckBox>("chkPreview");
        EXPECT_FALSE(check.isChecked()) << "the preference says N";
        const GamePreviewPane& pane = child<GamePreviewPane>("imgPreview");
        const QImage plain = pane.shown().toImage();
        const int middle = GamePreviewPane::kSize.width() / 2;
        EXPECT_EQ(plain.pixelColor(middle, 0), QColor(0, 128, 0)) << "green at the top";
        EXPECT_LT(plain.pixelColor(middle, GamePreviewPane::kSize.height() - 1).green(), 8) << "black below";

        check.setChecked(true);
        const QImage picture = pane.shown().toImage();
        EXPECT_EQ(picture.pixelColor(0, 0), plain.pixelColor(0, 0)) << "left of the picture";
        int changed = 0;
        for (int y = 0; y < 150; ++y) changed += picture.pixel(middle, y) != plain.pixel(middle, y);
        EXPECT_GT(changed, 10) << "the cards are drawn";
        // The picture's own table is left out: its corner shows the fade.
        const int left = (GamePreviewPane::kSize.width() - 200) / 2;
        EXPECT_EQ(picture.pixel(left, 140), plain.pixel(left, 140));
        dialog().reject();
    });
    dialog().run();
}

TEST_F(OpenGameDialogTest, OkDealsTheChosenGameAndRemembersItsFolder) {
    const OpenGameResult result = choose(-202050, kSpider);
    EXPECT_EQ(result.kind, OpenGameResult::Kind::Game);
    EXPECT_EQ(result.outcome, OpenGameOutcome::Dealt);
    EXPECT_EQ(result.choice.code, kSpider);
    EXPECT_EQ(result.choice.name, "Spider");
    EXPECT_EQ(result.choice.player, "Player 1");
    EXPECT_FALSE(dialog().isVisible());
    EXPECT_EQ(program().game().gameCode, kSpider);
    EXPECT_TRUE(program().game().inProgress);
    EXPECT_EQ(scratch.preference("Game_TreeNum"), "-202050");
    EXPECT_EQ(scratch.preference("Game"), "3");

    // What the choice leads to is the open-game choice's business; a refusal keeps the game.
    fake().answers.push_back(Answer::Cancel);
    EXPECT_EQ(choose(TreeKey::AllGames, kKlondike).outcome, OpenGameOutcome::Refused);
    EXPECT_EQ(fake().questions.size(), 1u);
    EXPECT_EQ(program().game().gameCode, kSpider);
}

// The check box shows the selected game's wish and OK keeps it for the game chosen.
TEST_F(OpenGameDialogTest, WinnableDealsAreWishedForPerGame) {
    scratch.setPreference("Winnable_Deals", "0");
    WhenShown(dialog(), [this] {
        auto& winnable = child<QCheckBox>("chkWinnableDeals");
        tree().setCurrentItem(gameIn(TreeKey::AllGames, kKlondike));
        EXPECT_TRUE(winnable.isChecked());
        tree().setCurrentItem(gameIn(TreeKey::AllGames, kSpider));
        EXPECT_FALSE(winnable.isChecked());
        winnable.click();
        tree().setCurrentItem(folder(TreeKey::AllGames));
        EXPECT_FALSE(winnable.isEnabled());
        tree().setCurrentItem(gameIn(TreeKey::AllGames, kSpider));
        winnable.click();
        QTest::mouseClick(&child<QPushButton>("btnOK"), Qt::LeftButton);
    });
    // The deal is left to the main window's search for a winnable one.
    EXPECT_EQ(dialog().run().outcome, OpenGameOutcome::WinnableWanted);
    EXPECT_EQ(program().game().gameCode, kSpider);
    EXPECT_FALSE(program().game().inProgress);
    EXPECT_EQ(scratch.preference("Winnable_Deals"), "0,3");
}

TEST_F(OpenGameDialogTest, ThePlayerListOffersEveryPlayerWithTheCurrentOneChosen) {
    scratch.setPreference("UserDefault", "Bea");
    ProfileFile(scratch.dir / "DATA/CFG.DAT").WriteString("Users", "User001", "Ann");
    ProfileFile(scratch.dir / "DATA/CFG.DAT").WriteString("Users", "User002", "Bea");
    WhenShown(dialog(), [this] {
        auto& players = child<QComboBox>("cboPlayers");
        ASSERT_EQ(players.count(), 2);
        EXPECT_EQ(players.currentText(), QStringLiteral("Bea"));
        players.setCurrentIndex(players.findText(QStringLiteral("Ann")));
        tree().setCurrentItem(gameIn(TreeKey::AllGames, kKlondike));
        QTest::mouseClick(&child<QPushButton>("btnOK"), Qt::LeftButton);
    });
    const OpenGameResult result = dialog().run();
    EXPECT_EQ(result.choice.player, "Ann");
    EXPECT_EQ(program().settings().get(Field::CurrentPlayer), "Ann");
}

TEST_F(OpenGameDialogTest, TypingTheFirstLettersAndEnterOpenAGame) {
    std::string aboveSpider;
    WhenShown(dialog(), [&] {
        QTreeWidgetItem* all = folder(TreeKey::AllGames);
        all->setExpanded(true);
        tree().setCurrentItem(all);
        QTest::keyClicks(&tree(), QStringLiteral("spi"));
        ASSERT_NE(tree().currentItem(), nullptr);
        EXPECT_EQ(tree().currentItem()->text(0), QStringLiteral("Spider"));
        QTreeWidgetItem* above = tree().itemAbove(tree().currentItem());
        ASSERT_NE(above, nullptr);
        aboveSpider = above->text(0).toStdString();
        QTest::keyClick(&tree(), Qt::Key_Up);
        EXPECT_EQ(tree().currentItem(), above) << "arrows move as ever";
        QTest::keyClick(&tree(), Qt::Key_Return);
    });
    const OpenGameResult result = dialog().run();
    EXPECT_EQ(result.kind, OpenGameResult::Kind::Game);
    EXPECT_FALSE(aboveSpider.empty());
    EXPECT_EQ(program().settings().get(Field::CurrentGameName), aboveSpider);
}

TEST_F(OpenGameDialogTest, EmptyFavouritesOfferTheFavouritesDialog) {
    bool favouritesShown = false;
    WhenShown(dialog(), [&] {
        QTreeWidgetItem* favourites = folder(TreeKey::Favourites);
        favourites->setExpanded(true);
        ASSERT_EQ(favourites->childCount(), 1);
        QTreeWidgetItem* hint = favourites->child(0);
        EXPECT_EQ(hint->text(0), QStringLiteral("(Double click to customize)"));
        EXPECT_EQ(TfrmApri::KeyOf(hint), TreeKey::FavouritesPlaceholder);

        // The favourites dialog: Golf becomes a favourite.
        CloseWhenShown(QStringLiteral("frmFavorite"), [&](QWidget& window) {
            favouritesShown = true;
            auto* all = window.findChild<QListWidget*>(QStringLiteral("lbAll"));
            ASSERT_NE(all, nullptr);
            all->findItems(QStringLiteral("Golf"), Qt::MatchExactly).front()->setSelected(true);
            QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("btnAdd")), Qt::LeftButton);
            QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("btnOK")), Qt::LeftButton);
        });
        emit tree().itemDoubleClicked(hint, 0);
        EXPECT_TRUE(favouritesShown);
        // The folder was read again.
        QTreeWidgetItem* refreshed = folder(TreeKey::Favourites);
        ASSERT_EQ(refreshed->childCount(), 1);
        EXPECT_EQ(refreshed->child(0)->text(0), QStringLiteral("Golf"));
        EXPECT_EQ(TfrmApri::KeyOf(refreshed->child(0)), 12);
        dialog().reject();
    });
    dialog().run();
    EXPECT_EQ(ReadFavourites(ConfigFile(program().settings())), std::vector<std::string>{"Golf"});
}

TEST_F(OpenGameDialogTest, TheCustomizedFolderExplainsAndDeletes) {
    EXPECT_TRUE(scratch.start());
    const auto added = program().customGameFile().add("Easy Spider", kSpider, {1, 1, 0}, program().gameList());
    ASSERT_EQ(added.status, CustomSaveOutcome::Status::Saved);
    made = std::make_unique<TfrmApri>(program(), *library);
    WhenShown(dialog(), [&] {
        QTreeWidgetItem* custom = gameIn(TreeKey::Customized, added.code);
        ASSERT_NE(custom, nullptr);
        EXPECT_EQ(custom->text(0), QStringLiteral("Easy Spider"));
        tree().setCurrentItem(custom);
        EXPECT_EQ(label("lblTime"), QStringLiteral("Customized game"));
        EXPECT_EQ(label("lblDecks"), QStringLiteral("2"));

        emit tree().itemDoubleClicked(folder(TreeKey::Customized), 0);
        ASSERT_EQ(fake().messages.size(), 1u);
        EXPECT_EQ(fake().messages[0].text.substr(0, 20), "To customize a game:");

        fake().answers.push_back(Answer::Yes);
        QTest::keyClick(&tree(), Qt::Key_Delete);
        ASSERT_EQ(fake().questions.size(), 1u);
        EXPECT_NE(fake().questions[0].text.find("Easy Spider"), std::string::npos);
        QTreeWidgetItem* emptied = folder(TreeKey::Customized);
        ASSERT_EQ(emptied->childCount(), 1);
        EXPECT_EQ(emptied->child(0)->text(0), QStringLiteral("(How to customize a game)"));
        dialog().reject();
    });
    dialog().run();
    EXPECT_FALSE(program().customGameFile().find(added.code).has_value());
}

TEST_F(OpenGameDialogTest, TheRulesAndStatisticsHooksGetTheSelectedGame) {
    std::vector<std::string> calls;
    dialog().setHooks({[&](int code, const std::string& name) { calls.push_back("rules " + std::to_string(code) + " " + name); },
                       [&](int code, const std::string& player) {
                           calls.push_back("statistics " + std::to_string(code) + " " + player);
                       },
                       {}});
    WhenShown(dialog(), [this] {
        EXPECT_FALSE(child<QPushButton>("btnHelp").isEnabled()) << "no help window";
        tree().setCurrentItem(gameIn(TreeKey::AllGames, kFreeCell));
        QTest::mouseClick(&child<QPushButton>("btnRules"), Qt::LeftButton);
        dialog().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog()));
        QTest::keyClick(&tree(), Qt::Key_F4);
        dialog().reject();
    });
    dialog().run();
    EXPECT_EQ(calls, (std::vector<std::string>{"rules 1 FreeCell", "statistics 1 Player 1"}));
}

TEST_F(OpenGameDialogTest, ASavedGameIsLoadedAndACancelledOneShowsTheDialogAgain) {
    EXPECT_TRUE(scratch.start());
    ASSERT_TRUE(program().selectGame(kSpider));
    ASSERT_TRUE(program().engine().StartGame(true, false, 2, true));
    const auto saved = scratch.dir / "spider.gam";
    ASSERT_EQ(SaveGameFile(saved, program().engine(), program().settings()), "");
    program().engine().EndGame();
    made = std::make_unique<TfrmApri>(program(), *library);

    int shown = 0;
    std::function<void()> press = [&] {
        ++shown;
        if (shown == 2) fake().chosenFiles.push_back(saved.string());
        QTest::mouseClick(&child<QPushButton>("btnOpen"), Qt::LeftButton);
        if (shown == 1) WhenShown(dialog(), press);
    };
    WhenShown(dialog(), press);
    const OpenGameResult result = dialog().run();
    EXPECT_EQ(shown, 2) << "no game went on after the first, cancelled, file dialog";
    EXPECT_EQ(fake().fileDialogs.size(), 2u);
    EXPECT_EQ(result.kind, OpenGameResult::Kind::SavedGame);
    EXPECT_EQ(result.savedGame, saved);
    EXPECT_EQ(program().game().gameCode, kSpider);
    EXPECT_TRUE(program().game().inProgress);
}

}  // namespace
}  // namespace dravicor::test
