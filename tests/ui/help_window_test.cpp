// The rules help on screen: the page of a game, links between pages, the
// buttons, missing pages, and the rules comparison of a customized game.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

#include "dialog_test_support.h"
#include "rules/help_topics.h"
#include "select/custom_game_file.h"
#include "ui/custom_help_dialog.h"
#include "ui/game_rules_help.h"
#include "ui/help_window.h"

namespace dravicor::test {
namespace {

const std::filesystem::path kBuiltHelp = std::filesystem::path(DRAVICOR_BUILT_PROGRAM_DIR) / "HELP";

// A started program whose folder holds the built catalogue and, unless
// told otherwise, the built help.
class HelpFixture : public ::testing::Test, protected ScratchProgram {
protected:
    explicit HelpFixture(bool withHelp = true) {
        if (withHelp) std::filesystem::copy(kBuiltHelp, dir / "HELP", std::filesystem::copy_options::recursive);
        program.initialise();
        fake.messages.clear();
    }

    static QPushButton& button(const QWidget& window, const char* name) { return ChildOf<QPushButton>(window, name); }

    QWidget mainWindow;
    GameRulesHelp rulesHelp{program, &mainWindow};
};

class HelpWithoutFolder : public HelpFixture {
protected:
    HelpWithoutFolder() : HelpFixture(false) {}
};

// Clicks the first link to the page, where the browser shows it.
bool ClickLink(QTextBrowser& browser, const QString& href) {
    for (QTextBlock block = browser.document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().anchorHref() != href) continue;
            QTextCursor cursor(browser.document());
            cursor.setPosition(fragment.position() + 1);
            browser.setTextCursor(cursor);
            browser.ensureCursorVisible();
            const QPoint at = browser.cursorRect(cursor).center() - QPoint(2, 0);
            QTest::mouseClick(browser.viewport(), Qt::LeftButton, {}, at);
            return true;
        }
    }
    return false;
}

TEST_F(HelpFixture, TheRulesOfTheCurrentGameOpenAtItsTopic) {
    ASSERT_EQ(program.game().gameCode, 1);  // FreeCell on first start
    rulesHelp.ShowGameRules();
    TfrmHelp* help = rulesHelp.helpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->currentPage(), "topic3001.html");
    EXPECT_EQ(help->windowTitle(), QStringLiteral("Dravicor Help - FreeCell"));
    const QString text = help->browser().toPlainText();
    EXPECT_TRUE(text.contains(QStringLiteral("Free cells:\n4"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Each of the four free cells holds a single card.")));

    // Another game reuses the window.
    rulesHelp.ShowGameRules(3);
    EXPECT_EQ(rulesHelp.helpWindow(), help);
    EXPECT_EQ(help->currentPage(), "topic3003.html");
    EXPECT_TRUE(help->browser().toPlainText().contains(QStringLiteral("Decks:\n2")));
    rulesHelp.ShowContents();
    EXPECT_EQ(help->currentPage(), "contents.html");
    EXPECT_TRUE(fake.messages.empty());
}

TEST_F(HelpFixture, LinksLeadFromPageToPageAndTheButtonsRetraceThem) {
    rulesHelp.ShowGameRules(0);
    TfrmHelp& help = *rulesHelp.helpWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&help));
    QPushButton& back = button(help, "btnBack");
    QPushButton& forward = button(help, "btnForward");
    EXPECT_FALSE(back.isEnabled());

    ASSERT_TRUE(ClickLink(help.browser(), QStringLiteral("topic3002.html")));
    EXPECT_EQ(help.currentPage(), "topic3002.html");
    EXPECT_TRUE(help.browser().toPlainText().contains(QStringLiteral("Klondike by Threes")));
    EXPECT_TRUE(back.isEnabled());
    EXPECT_FALSE(forward.isEnabled());

    back.click();
    EXPECT_EQ(help.currentPage(), "topic3000.html");
    EXPECT_TRUE(forward.isEnabled());
    forward.click();
    EXPECT_EQ(help.currentPage(), "topic3002.html");
    button(help, "btnContents").click();
    EXPECT_EQ(help.currentPage(), "contents.html");
    ASSERT_TRUE(ClickLink(help.browser(), QStringLiteral("topic3003.html")));
    EXPECT_EQ(help.currentPage(), "topic3003.html");
    EXPECT_TRUE(fake.messages.empty());

    button(help, "btnClose").click();
    EXPECT_FALSE(help.isVisible());
}

TEST_F(HelpFixture, ALinkToAMissingPageIsReportedAndThePageStays) {
    std::filesystem::remove(dir / "HELP" / "topic3002.html");
    rulesHelp.ShowGameRules(0);
    TfrmHelp& help = *rulesHelp.helpWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&help));
    ASSERT_TRUE(ClickLink(help.browser(), QStringLiteral("topic3002.html")));
    EXPECT_EQ(help.currentPage(), "topic3000.html");
    EXPECT_TRUE(help.browser().toPlainText().contains(QStringLiteral("seven tableau piles")));
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, "Cannot find the help page:\r" + (dir / "HELP" / "topic3002.html").string() +
                                         "\rReinstall the program to have the whole help.");
    EXPECT_EQ(fake.messages[0].caption, "Dravicor");

    rulesHelp.ShowGameRules(2);
    EXPECT_EQ(fake.messages.size(), 2u);
    EXPECT_EQ(help.currentPage(), "topic3000.html");
    rulesHelp.ShowGameRules(1000);
    ASSERT_EQ(fake.messages.size(), 3u);
    EXPECT_EQ(fake.messages[2].text, "There is no game 1000.");
    rulesHelp.ShowGameRules(8123);
    EXPECT_EQ(rulesHelp.comparisonWindow(), nullptr);
    ASSERT_EQ(fake.messages.size(), 4u);
    EXPECT_EQ(fake.messages[3].text, "There is no customized game 8123.");
}

TEST_F(HelpWithoutFolder, AMissingHelpFolderIsReportedAndNoWindowOpens) {
    rulesHelp.ShowGameRules(0);
    rulesHelp.ShowContents();
    ASSERT_EQ(fake.messages.size(), 2u);
    for (const auto& message : fake.messages) {
        EXPECT_EQ(message.text, "Cannot find the help folder:\r" + (dir / "HELP").string() +
                                    "\rReinstall the program to have the help.");
    }
    ASSERT_NE(rulesHelp.helpWindow(), nullptr);
    EXPECT_FALSE(rulesHelp.helpWindow()->isVisible());
    EXPECT_EQ(rulesHelp.helpWindow()->currentPage(), "");
}

TEST_F(HelpFixture, ACustomizedGameShowsItsRulesBesideTheBaseGame) {
    WriteFile(dir / "DATA" / "GAM_CUST.DAT",
              std::string(kCustomGamesHeader) + "\r\n" + FormatCustomRecord(8000, "My Klondike", 0, {3, 4, 3}));
    rulesHelp.ShowGameRules(8000);
    TfrmCustomHelp* comparison = rulesHelp.comparisonWindow();
    ASSERT_NE(comparison, nullptr);
    EXPECT_TRUE(comparison->isVisible());
    EXPECT_GT(fake.busyCalls, 0) << "the hourglass while it is prepared";
    EXPECT_EQ(comparison->windowTitle(), QStringLiteral("Help [My Klondike]"));
    const auto label = [&](const char* name) { return comparison->findChild<QLabel*>(QLatin1String(name))->text(); };
    EXPECT_EQ(label("lblName"), QStringLiteral("My Klondike"));
    EXPECT_TRUE(comparison->findChild<QLabel*>(QStringLiteral("lblName"))->font().bold());
    EXPECT_EQ(label("lblBaseName"), QStringLiteral("Klondike"));
    EXPECT_EQ(label("lblRulesHint"), QStringLiteral("Click this button to view Klondike rules"));
    const QString expected[2][3] = {{"3", "3", "None"}, {"1", "Unlimited", "King only"}};
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 3; ++column) {
            EXPECT_EQ(comparison->box(row, column).text(), expected[row][column]) << row << "," << column;
            EXPECT_TRUE(comparison->box(row, column).isReadOnly());
        }
    }

    // The base game's rules open in the help window.
    button(*comparison, "btnRules").click();
    ASSERT_NE(rulesHelp.helpWindow(), nullptr);
    EXPECT_TRUE(rulesHelp.helpWindow()->isVisible());
    EXPECT_EQ(rulesHelp.helpWindow()->currentPage(), "topic3000.html");

    // The current game, when customized, is compared the same way.
    ASSERT_TRUE(program.selectGame(8000));
    rulesHelp.ShowGameRules();
    ASSERT_NE(rulesHelp.comparisonWindow(), nullptr);
    QPointer<TfrmCustomHelp> shown = rulesHelp.comparisonWindow();
    button(*shown, "btnOK").click();
    EXPECT_FALSE(shown->isVisible());
    EXPECT_TRUE(fake.messages.empty());
}

}  // namespace
}  // namespace dravicor::test
