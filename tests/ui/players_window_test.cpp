// The Players window: the list as it opens, the name dialog's repeats, the
// rename of the current player, deletion, the twenty-name limit and the
// change of player.
#include <gtest/gtest.h>

#include <deque>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "common/profile_file.h"
#include "players/player_list.h"
#include "shell/preferences.h"
#include "ui/player_name_dialog.h"
#include "ui/players_window.h"
#include "dialog_test_support.h"

namespace dravicor::test {
namespace {

class PlayersWindowTest : public ::testing::Test {
protected:
    void start(const std::vector<std::string>& names, const std::string& current) {
        std::vector<std::pair<std::string, std::string>> keys;
        for (std::size_t i = 0; i < names.size(); ++i) keys.emplace_back(PlayerKey(static_cast<int>(i)), names[i]);
        ProfileFile config(scratch.dir / "DATA/CFG.DAT");
        config.WriteStrings(kUsersSection, keys);
        config.WriteString(kPreferenceSection, "UserDefault", current);
        ASSERT_TRUE(scratch.start());
        window = std::make_unique<TfrmPlayers>(scratch.program);
        window->setNameAsker([this](const QString& title, const std::string& name) {
            asked.emplace_back(title.toStdString(), name);
            if (typed.empty()) return std::optional<std::string>();
            std::optional<std::string> next = typed.front();
            typed.pop_front();
            return next;
        });
    }

    QListWidget& list() { return *window->findChild<QListWidget*>(QStringLiteral("lsbPlayers")); }
    QPushButton& button(const char* name) { return *window->findChild<QPushButton*>(QString::fromLatin1(name)); }
    void click(const char* name) { QTest::mouseClick(&button(name), Qt::LeftButton); }
    void select(const QString& name) {
        const auto found = list().findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        list().setCurrentItem(found.front());
    }
    std::vector<std::string> shown() {
        std::vector<std::string> names;
        for (int i = 0; i < list().count(); ++i) names.push_back(list().item(i)->text().toStdString());
        return names;
    }
    std::vector<std::string> selected() {
        std::vector<std::string> names;
        for (auto* item : list().selectedItems()) names.push_back(item->text().toStdString());
        return names;
    }
    std::vector<std::string> stored() const {
        std::vector<std::string> names;
        const ProfileFile config(scratch.dir / "DATA/CFG.DAT");
        for (int i = 0; i < kStoredPlayers; ++i) names.push_back(config.ReadString(kUsersSection, PlayerKey(i), ""));
        return names;
    }
    std::vector<std::string> messages() const {
        std::vector<std::string> texts;
        for (const auto& shown : scratch.fake.messages) texts.push_back(shown.text);
        return texts;
    }
    std::string userDefault() const { return scratch.preference("UserDefault"); }
    std::string current() const { return CurrentPlayer(scratch.program.settings()); }

    ScratchProgram scratch;
    std::unique_ptr<TfrmPlayers> window;
    std::deque<std::string> typed;  // what the name dialog returns, then Cancel
    std::vector<std::pair<std::string, std::string>> asked;  // title and starting text of each
};

TEST_F(PlayersWindowTest, OpensWithTheSortedListAndTheCurrentPlayerSelected) {
    start({"Zoe", "Ann", "", "bob", "Max"}, "Max");
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Players"));
    WhenShown(*window, [this] {
        EXPECT_EQ(shown(), (std::vector<std::string>{"Ann", "Max", "Zoe", "bob"}));
        EXPECT_EQ(selected(), std::vector<std::string>{"Max"});
        EXPECT_TRUE(button("btnEdit").isEnabled());
        list().clearSelection();
        EXPECT_FALSE(button("btnEdit").isEnabled());
        EXPECT_FALSE(button("btnDelete").isEnabled());
        click("btnOK");
        EXPECT_EQ(messages(), std::vector<std::string>{"Select a player."});
        EXPECT_TRUE(window->isVisible());
        window->reject();
    });
    EXPECT_FALSE(window->run());
    EXPECT_EQ(current(), "Max");
    EXPECT_EQ(userDefault(), "Max");
    EXPECT_EQ(stored()[0], "Zoe") << "an unchanged list is not rewritten";
}

TEST_F(PlayersWindowTest, AddAsksAgainUntilTheNameIsNewAndTheAddStandsAfterCancel) {
    start({"Ann", "Player 1"}, "Player 1");
    typed = {"", "Ann  ", "ann", "Al"};
    WhenShown(*window, [this] {
        click("btnNew");
        EXPECT_EQ(messages(), (std::vector<std::string>{"Please enter at least 1 character.",
                                                        "This player name already exists."}));
        ASSERT_EQ(asked.size(), 3u) << "the third name was taken";
        EXPECT_EQ(asked[0], (std::pair<std::string, std::string>{"Add a player", ""}));
        EXPECT_EQ(asked[2], (std::pair<std::string, std::string>{"Add a player", "Ann  "}))
            << "a refused name comes back for correction";
        EXPECT_EQ(shown(), (std::vector<std::string>{"Ann", "Player 1", "ann"}));
        EXPECT_EQ(selected(), std::vector<std::string>{"ann"});
        click("btnNew");  // Al, then Cancel in the name dialog adds nothing
        click("btnNew");
        EXPECT_EQ(shown(), (std::vector<std::string>{"Al", "Ann", "Player 1", "ann"}));
        window->reject();
    });
    EXPECT_FALSE(window->run());
    EXPECT_EQ(current(), "Player 1");
    const auto names = stored();
    EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + 5),
              (std::vector<std::string>{"Al", "Ann", "Player 1", "ann", ""}));
}

// The name carried into the data files is the player list's business.
TEST_F(PlayersWindowTest, RenamingTheCurrentPlayerKeepsThemCurrent) {
    start({"Ann", "Player 1"}, "Player 1");
    typed = {"", "Ann", "Player 1", "Zed"};
    WhenShown(*window, [this] {
        select(QStringLiteral("Player 1"));
        click("btnEdit");  // empty, taken, then unchanged: the edit ends
        EXPECT_EQ(messages(), (std::vector<std::string>{"Please enter at least 1 character.",
                                                        "This player name already exists."}));
        ASSERT_EQ(asked.size(), 3u);
        EXPECT_EQ(asked[0], (std::pair<std::string, std::string>{"Edit a player", "Player 1"}));
        EXPECT_EQ(shown(), (std::vector<std::string>{"Ann", "Player 1"}));
        click("btnEdit");
        EXPECT_EQ(shown(), (std::vector<std::string>{"Ann", "Zed"}));
        EXPECT_EQ(selected(), std::vector<std::string>{"Zed"});
        window->reject();
    });
    EXPECT_FALSE(window->run()) << "the same player, only renamed";
    EXPECT_EQ(current(), "Zed");
    EXPECT_EQ(userDefault(), "Zed");
    EXPECT_EQ(stored()[1], "Zed");
}

TEST_F(PlayersWindowTest, DeletesOthersAfterAskingButNeverTheCurrentPlayer) {
    start({"Ann", "Bob", "Cy"}, "Bob");
    scratch.fake.answers = {Answer::Cancel, Answer::Ok};
    WhenShown(*window, [this] {
        click("btnDelete");
        EXPECT_EQ(messages(), std::vector<std::string>{"It is impossible to delete the selected player."});
        select(QStringLiteral("Cy"));
        click("btnDelete");  // Cancel
        EXPECT_EQ(shown().size(), 3u);
        click("btnDelete");  // OK
        ASSERT_EQ(scratch.fake.questions.size(), 2u);
        EXPECT_EQ(scratch.fake.questions[1].text,
                  "Are you sure you want to delete the selected player?\r"
                  "Note: also statistics of this player will be deleted.");
        EXPECT_EQ(shown(), (std::vector<std::string>{"Ann", "Bob"}));
        EXPECT_EQ(selected(), std::vector<std::string>{"Ann"});
        window->reject();
    });
    EXPECT_FALSE(window->run());
    EXPECT_EQ(current(), "Bob");
    EXPECT_EQ(stored()[2], "");
}

TEST_F(PlayersWindowTest, OkMakesTheChosenPlayerCurrentOnceTheDealIsLeft) {
    start({"Ann", "Bob"}, "Bob");
    ASSERT_TRUE(scratch.program.selectGame(0));
    ASSERT_TRUE(scratch.program.engine().StartGame(true, false, 0, true));
    scratch.fake.answers = {Answer::Cancel, Answer::Ok};
    WhenShown(*window, [this] {
        select(QStringLiteral("Ann"));
        click("btnOK");
        ASSERT_EQ(scratch.fake.questions.size(), 1u);
        EXPECT_EQ(scratch.fake.questions[0].text, "Start new game for player Ann?");
        EXPECT_TRUE(window->isVisible()) << "the deal goes on for Bob";
        EXPECT_EQ(current(), "Bob");
        click("btnOK");
    });
    EXPECT_TRUE(window->run());
    EXPECT_EQ(current(), "Ann");
    EXPECT_EQ(userDefault(), "Ann");

    // Choosing someone and cancelling leaves the current player.
    WhenShown(*window, [this] {
        EXPECT_EQ(selected(), std::vector<std::string>{"Ann"});
        select(QStringLiteral("Bob"));
        window->reject();
    });
    EXPECT_FALSE(window->run());
    EXPECT_EQ(current(), "Ann");
}

TEST_F(PlayersWindowTest, KeysAndDoubleClickOfTheList) {
    start({"Ann", "Bob"}, "Bob");
    typed = {"Cy"};
    WhenShown(*window, [this] {
        QTest::keyClick(&list(), Qt::Key_Insert);
        EXPECT_EQ(shown(), (std::vector<std::string>{"Ann", "Bob", "Cy"}));
        QTest::keyClick(&list(), Qt::Key_Delete);  // Cy, after asking
        ASSERT_EQ(scratch.fake.questions.size(), 1u);
        EXPECT_EQ(shown(), (std::vector<std::string>{"Ann", "Bob"}));
        EXPECT_EQ(selected(), std::vector<std::string>{"Ann"});
        const QRect place = list().visualItemRect(list().item(0));
        // The second press of a double click comes as the double-click event.
        QTest::mousePress(list().viewport(), Qt::LeftButton, Qt::NoModifier, place.center());
        QTest::mouseRelease(list().viewport(), Qt::LeftButton, Qt::NoModifier, place.center());
        QTest::mouseDClick(list().viewport(), Qt::LeftButton, Qt::NoModifier, place.center());
    });
    EXPECT_TRUE(window->run()) << "a double click is OK";
    EXPECT_EQ(current(), "Ann");
    EXPECT_EQ(stored()[2], "");
}

TEST(PlayerNameDialog, ReturnsTheTypedNameOfAtMostThirtyCharacters) {
    TfrmPlayerName dialog(QStringLiteral("Edit a player"), "Ann");
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Edit a player"));
    auto* field = dialog.findChild<QLineEdit*>(QStringLiteral("edtName"));
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->text(), QStringLiteral("Ann"));
    bool labelled = false;
    for (auto* label : dialog.findChildren<QLabel*>()) labelled |= label->text() == QStringLiteral("&Player name: ");
    EXPECT_TRUE(labelled);
    WhenShown(dialog, [&] {
        field->clear();
        QTest::keyClicks(field, QString(35, QLatin1Char('x')));
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("btnOK")), Qt::LeftButton);
    });
    EXPECT_EQ(dialog.run(), std::string(30, 'x'));
    WhenShown(dialog, [&] { dialog.reject(); });
    EXPECT_EQ(dialog.run(), std::nullopt);
}

}  // namespace
}  // namespace dravicor::test
