// The favourites dialog: its two lists, the moves between them and what OK
// and Cancel leave in the configuration file.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "common/profile_file.h"
#include "select/favourites.h"
#include "shell/preferences.h"
#include "ui/favourites_dialog.h"
#include "dialog_test_support.h"

namespace dravicor::test {
namespace {

QStringList Texts(const QListWidget& list) {
    QStringList texts;
    for (int i = 0; i < list.count(); ++i) texts << list.item(i)->text();
    return texts;
}

class FavouritesDialogTest : public ::testing::Test {
protected:
    FavouritesDialogTest() {
        ProfileFile config(scratch.dir / "DATA/CFG.DAT");
        config.WriteString(kFavouritesSection, "Game000", "Spider");
        config.WriteString(kFavouritesSection, "Game001", "Gone Game");
        config.WriteString(kFavouritesSection, "Game002", "Canfield");
        EXPECT_TRUE(scratch.start());
        const auto added = scratch.program.customGameFile().add("My Golf", 12, {1, 1, 0}, scratch.program.gameList());
        EXPECT_EQ(added.status, CustomSaveOutcome::Status::Saved);
        dialog = std::make_unique<TfrmFavorite>(scratch.program);
    }
    QListWidget& list(const char* name) { return *dialog->findChild<QListWidget*>(QLatin1String(name)); }
    void press(const char* name) {
        QTest::mouseClick(dialog->findChild<QPushButton*>(QLatin1String(name)), Qt::LeftButton);
    }
    void select(const char* listName, const QString& text) {
        list(listName).findItems(text, Qt::MatchExactly).front()->setSelected(true);
    }
    std::vector<std::string> stored() const { return ReadFavourites(ConfigFile(scratch.program.settings())); }

    ScratchProgram scratch;
    std::unique_ptr<TfrmFavorite> dialog;
};

TEST_F(FavouritesDialogTest, ListsEveryGameAndTheFavouritesThatStillExist) {
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Favorite games"));
    EXPECT_EQ(Texts(list("lbSelected")), (QStringList{"Canfield", "Spider"}));
    const QStringList all = Texts(list("lbAll"));
    const int builtIn = static_cast<int>(scratch.program.gameList().lines.size());
    EXPECT_EQ(all.size(), builtIn - 2 + 1) << "built-in games but the favourites, and the customized game";
    EXPECT_TRUE(all.contains(QStringLiteral("My Golf")));
    EXPECT_TRUE(all.contains(QStringLiteral("Baker's Dozen")));
    EXPECT_FALSE(all.contains(QStringLiteral("Spider")));
    for (qsizetype i = 1; i < all.size(); ++i) {
        EXPECT_FALSE(GameNameLess(all[i].toStdString(), all[i - 1].toStdString())) << all[i].toStdString();
    }
    EXPECT_EQ(list("lbAll").selectionMode(), QAbstractItemView::ExtendedSelection);
}

TEST_F(FavouritesDialogTest, NamesMoveBothWaysAndOkWritesThemInOrder) {
    select("lbAll", QStringLiteral("Golf"));
    select("lbAll", QStringLiteral("My Golf"));
    select("lbAll", QStringLiteral("Baker's Dozen"));
    press("btnAdd");
    EXPECT_EQ(Texts(list("lbSelected")), (QStringList{"Baker's Dozen", "Canfield", "Golf", "My Golf", "Spider"}));
    EXPECT_FALSE(Texts(list("lbAll")).contains(QStringLiteral("Golf")));

    select("lbSelected", QStringLiteral("Canfield"));
    press("btnRemove");
    EXPECT_TRUE(Texts(list("lbAll")).contains(QStringLiteral("Canfield")));
    // A double click moves the name under the pointer.
    QListWidgetItem* spider = list("lbSelected").findItems(QStringLiteral("Spider"), Qt::MatchExactly).front();
    spider->setSelected(true);
    emit list("lbSelected").itemDoubleClicked(spider);
    EXPECT_EQ(Texts(list("lbSelected")), (QStringList{"Baker's Dozen", "Golf", "My Golf"}));

    press("btnOK");
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(stored(), (std::vector<std::string>{"Baker's Dozen", "Golf", "My Golf"}));
}

// How the file holds the list, an empty one too, is the favourites' business.
TEST_F(FavouritesDialogTest, RemoveAllThenCancelWritesNothingAndThenOkAnEmptyList) {
    press("btnRemoveAll");
    EXPECT_EQ(list("lbSelected").count(), 0);
    EXPECT_EQ(list("lbAll").count(), static_cast<int>(scratch.program.gameList().lines.size()) + 1);
    press("btnCancel");
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(stored(), (std::vector<std::string>{"Spider", "Gone Game", "Canfield"}));
    press("btnRemoveAll");
    press("btnOK");
    EXPECT_TRUE(stored().empty());
}

}  // namespace
}  // namespace dravicor::test
