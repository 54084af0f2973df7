// The customize-rules dialog and its name dialog over a scratch program:
// the controls of the current game, OK enabled only by a change, the deals
// label, the checks and their messages, the record written byte for byte,
// the offer to start the new game, and deleting.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include "select/game_tree.h"
#include "select/open_game_choice.h"
#include "ui/customize_rules_dialog.h"
#include "ui/customize_rules_name_dialog.h"
#include "ui/up_down.h"
#include "dialog_test_support.h"

// Failures print the text, not its UTF-16 units.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace dravicor::test {
namespace {

constexpr int kKlondike = 0;
constexpr int kKlondikeThree = 2;
constexpr int kSpider = 3;
constexpr std::string_view kHeader = "[R-0301]\r\n";

// A record as the file holds it: the first line, the rule line, 28 empty lines.
std::string Record(const std::string& code, const std::string& name, const std::string& base,
                   const std::string& settings) {
    std::string text = code + name + std::string(50 - name.size(), ' ') + base + "\r\n" + settings + "\r\n";
    for (int i = 0; i < 28; ++i) text += "\r\n";
    return text;
}

class CustomizeRulesDialogTest : public ::testing::Test {
protected:
    CustomizeRulesDialogTest() { EXPECT_TRUE(scratch.start()); }

    Program& program() { return scratch.program; }
    FakePlatform& fake() { return scratch.fake; }
    void deal(int code, const std::string& name) {
        const OpenGameChoice choice{code, name, TreeKey::AllGames, true,
                                    program().settings().get(Field::CurrentPlayer)};
        ASSERT_EQ(OpenChosenGame(program(), choice), OpenGameOutcome::Dealt);
        fake().questions.clear();
    }
    TfrmCustomizeRules& dialog() {
        if (!dialog_) dialog_ = std::make_unique<TfrmCustomizeRules>(program());
        return *dialog_;
    }
    template <class T>
    T& child(const char* name) { return ChildOf<T>(dialog(), name); }
    QLineEdit& edit(const char* name) { return child<QLineEdit>(name); }
    QRadioButton& radio(const char* name) { return child<QRadioButton>(name); }
    bool okEnabled() { return child<QPushButton>("btnOK").isEnabled(); }
    void click(const char* name) { QTest::mouseClick(&child<QPushButton>(name), Qt::LeftButton); }
    // The deals label as shown; "<hidden>" when it is not.
    std::string dealsLabel() {
        QLabel& label = child<QLabel>("lblDeals");
        return label.isVisibleTo(&dialog()) ? label.text().toStdString() : "<hidden>";
    }
    std::string stored() const { return ReadFile(scratch.dir / "DATA/GAM_CUST.DAT"); }

    // Presses OK and, once the name dialog shows, lets `step` fill it in
    // (it is cancelled if the step leaves it open).
    void okWithName(std::function<void(TfrmCustomizeRules2&, QLineEdit&)> step) {
        CloseWhenShown(QStringLiteral("frmCustomizeRules2"), [step](QWidget& window) {
            auto& naming = dynamic_cast<TfrmCustomizeRules2&>(window);
            auto* name = naming.findChild<QLineEdit*>(QStringLiteral("edtName"));
            ASSERT_NE(name, nullptr);
            step(naming, *name);
        });
        click("btnOK");
    }
    // Saves the dialog's controls under the name.
    void okNamed(const QString& name) {
        okWithName([name](TfrmCustomizeRules2& naming, QLineEdit& edit) {
            edit.setText(name);
            naming.btnOKClick();
        });
    }

    ScratchProgram scratch;
    std::unique_ptr<TfrmCustomizeRules> dialog_;
};

TEST_F(CustomizeRulesDialogTest, KlondikeShowsItsRulesAndOKWaitsForAChange) {
    deal(kKlondike, "Klondike");
    WhenShown(dialog(), [this] {
        EXPECT_EQ(dialog().windowTitle(), QStringLiteral("Customize rules [Klondike]"));
        auto& pages = child<QTabWidget>("pgcRules");
        ASSERT_EQ(pages.count(), 2);
        EXPECT_EQ(pages.currentIndex(), 0);
        EXPECT_FALSE(child<QPushButton>("btnDelete").isEnabled()) << "a built-in game";
        EXPECT_EQ(child<UpDown>("spnCards").lowest(), 1);
        EXPECT_EQ(child<UpDown>("spnCards").highest(), 104);

        EXPECT_EQ(edit("edtCards").text(), QStringLiteral("1"));
        EXPECT_TRUE(edit("edtCards").isEnabled());
        EXPECT_TRUE(radio("rbtUnlimited").isChecked());
        EXPECT_FALSE(edit("edtRedeals").isEnabled()) << "only with a specified number";
        EXPECT_FALSE(child<UpDown>("spnRedeals").isEnabled());
        EXPECT_EQ(dealsLabel(), "<hidden>");
        EXPECT_TRUE(radio("rbtKing").isChecked());
        EXPECT_FALSE(okEnabled());

        edit("edtCards").setText(QStringLiteral("3"));
        EXPECT_TRUE(okEnabled());
        child<UpDown>("spnCards").stepBy(-1);
        EXPECT_EQ(edit("edtCards").text(), QStringLiteral("2"));
        child<UpDown>("spnCards").stepBy(-5);
        EXPECT_EQ(edit("edtCards").text(), QStringLiteral("1")) << "held at the lowest value";
        EXPECT_FALSE(okEnabled()) << "back to the starting value";

        radio("rbtSpecified").click();
        EXPECT_TRUE(edit("edtRedeals").isEnabled());
        EXPECT_EQ(dealsLabel(), "(2 deals in all)");
        child<UpDown>("spnRedeals").stepBy(1);
        EXPECT_EQ(dealsLabel(), "(3 deals in all)");
        EXPECT_TRUE(okEnabled());
        radio("rbtNoRedeals").click();
        EXPECT_EQ(dealsLabel(), "(1 deal in all)");
        EXPECT_FALSE(edit("edtRedeals").isEnabled());
        radio("rbtUnlimited").click();
        EXPECT_EQ(dealsLabel(), "<hidden>");
        EXPECT_FALSE(okEnabled());

        // The King choice's second line chooses it too.
        radio("rbtNone").click();
        EXPECT_TRUE(okEnabled());
        QTest::mouseClick(&child<QLabel>("lblKingBelowBase"), Qt::LeftButton);
        EXPECT_TRUE(radio("rbtKing").isChecked());
        EXPECT_FALSE(okEnabled());
        click("btnCancel");
    });
    EXPECT_EQ(dialog().run(), CustomizeRulesOutcome::Cancelled);
    EXPECT_EQ(stored(), "<missing>");
    EXPECT_TRUE(fake().questions.empty());
}

TEST_F(CustomizeRulesDialogTest, AGameWithoutCustomizableRulesHasEverythingDisabledAndCleared) {
    deal(kSpider, "Spider");
    WhenShown(dialog(), [this] {
        EXPECT_FALSE(edit("edtCards").isEnabled());
        EXPECT_FALSE(child<UpDown>("spnCards").isEnabled());
        EXPECT_FALSE(child<QGroupBox>("grpRedeals").isEnabled());
        for (const char* name : {"rbtKing", "rbtAnyCard", "rbtNone"}) {
            EXPECT_FALSE(radio(name).isEnabled()) << name;
            EXPECT_FALSE(radio(name).isChecked()) << name;
        }
        // A click on the disabled second line chooses nothing.
        QTest::mouseClick(&child<QLabel>("lblKingBelowBase"), Qt::LeftButton);
        EXPECT_FALSE(radio("rbtKing").isChecked());
        EXPECT_FALSE(okEnabled());
    });
    EXPECT_EQ(dialog().run(), CustomizeRulesOutcome::Cancelled);
}

TEST_F(CustomizeRulesDialogTest, TheNewRecordTakesTheNextCodeAndGoesLast) {
    const std::string existing =
        std::string(kHeader) + Record("8000", "First", "0001", "0010010") + Record("8001", "Second", "0000", "001-011");
    WriteFile(scratch.dir / "DATA/GAM_CUST.DAT", existing);
    deal(kKlondikeThree, "Klondike by Threes");
    WhenShown(dialog(), [this] {
        radio("rbtSpecified").click();
        edit("edtRedeals").setText(QStringLiteral("2"));
        EXPECT_EQ(dealsLabel(), "(3 deals in all)");
        okWithName([](TfrmCustomizeRules2& naming, QLineEdit& name) {
            EXPECT_EQ(naming.windowTitle(), QStringLiteral("Customize rules [Klondike by Threes]"));
            EXPECT_EQ(name.text(), QStringLiteral("Klondike by Threes"));
            EXPECT_EQ(name.maxLength(), 50);
            name.setText(QStringLiteral("Three Redeals"));
            naming.btnOKClick();
        });
    });
    fake().answers.push_back(Answer::No);
    EXPECT_EQ(dialog().run(), CustomizeRulesOutcome::Added);
    EXPECT_EQ(stored(), existing + Record("8002", "Three Redeals", "0002", "0030031"));
    ASSERT_EQ(fake().questions.size(), 1u);
    EXPECT_EQ(fake().questions[0].text,
              "Do you want to start the new game\rThree Redeals\rand quit the current game now?");
    EXPECT_EQ(program().game().gameCode, kKlondikeThree) << "No: the current game goes on";
    EXPECT_TRUE(program().game().inProgress);

    // Customized again, the new game derives from the same built-in game.
    deal(8002, "Three Redeals");
    TfrmCustomizeRules again(program());
    WhenShown(again, [&again] {
        EXPECT_EQ(again.windowTitle(), QStringLiteral("Customize rules [Three Redeals]"));
        EXPECT_TRUE(again.findChild<QPushButton*>(QStringLiteral("btnDelete"))->isEnabled());
        auto* redeals = again.findChild<QLineEdit*>(QStringLiteral("edtRedeals"));
        EXPECT_EQ(redeals->text(), QStringLiteral("2")) << "the record's rules are shown";
        redeals->setText(QStringLiteral("4"));
        CloseWhenShown(QStringLiteral("frmCustomizeRules2"), [](QWidget& window) {
            auto& naming = dynamic_cast<TfrmCustomizeRules2&>(window);
            naming.findChild<QLineEdit*>(QStringLiteral("edtName"))->setText(QStringLiteral("Four Redeals"));
            naming.btnOKClick();
        });
        again.btnOKClick();
    });
    // Yes: what the deal of the new game does is the creation's business.
    fake().answers.push_back(Answer::Yes);
    EXPECT_EQ(again.run(), CustomizeRulesOutcome::AddedAndDealt);
    EXPECT_EQ(stored(), existing + Record("8002", "Three Redeals", "0002", "0030031") +
                            Record("8003", "Four Redeals", "0002", "0030051"));
    EXPECT_EQ(program().game().gameCode, 8003);
}

TEST_F(CustomizeRulesDialogTest, RefusedNamesKeepTheNameDialogOpen) {
    const std::string existing = std::string(kHeader) + Record("8000", "Easy Going", "0000", "0030032");
    WriteFile(scratch.dir / "DATA/GAM_CUST.DAT", existing);
    deal(kKlondike, "Klondike");
    WhenShown(dialog(), [this] {
        edit("edtCards").setText(QStringLiteral("2"));
        okWithName([this](TfrmCustomizeRules2& naming, QLineEdit& name) {
            name.setText(QStringLiteral("ab"));
            naming.btnOKClick();
            ASSERT_EQ(fake().messages.size(), 1u);
            EXPECT_EQ(fake().messages[0].text, "Please enter at least 3 characters.");
            EXPECT_TRUE(naming.isVisible());
            EXPECT_EQ(naming.focusWidget(), &name);
            // Which names are taken is the custom game file's to say.
            name.setText(QStringLiteral("EASY GOING"));
            naming.btnOKClick();
            ASSERT_EQ(fake().messages.size(), 2u);
            EXPECT_EQ(fake().messages[1].text, "This name already exists.");
            EXPECT_TRUE(naming.isVisible());
            // Left open: the name dialog is cancelled.
        });
        EXPECT_TRUE(dialog().isVisible()) << "a cancelled name leaves the customize dialog open";
        click("btnCancel");
    });
    EXPECT_EQ(dialog().run(), CustomizeRulesOutcome::Cancelled);
    EXPECT_EQ(stored(), existing);
    EXPECT_TRUE(fake().questions.empty());
}

TEST_F(CustomizeRulesDialogTest, OnlyNumbersAreTakenInTheBoxes) {
    deal(kKlondike, "Klondike");
    WhenShown(dialog(), [this] {
        auto& pages = child<QTabWidget>("pgcRules");
        edit("edtCards").setText(QStringLiteral("3a"));
        EXPECT_TRUE(okEnabled());
        pages.setCurrentIndex(1);
        dialog().btnOKClick();
        ASSERT_EQ(fake().messages.size(), 1u);
        EXPECT_EQ(fake().messages[0].text, "Only numbers required.");
        EXPECT_EQ(pages.currentIndex(), 0) << "back on the stock page";
        EXPECT_EQ(dialog().focusWidget(), &edit("edtCards"));
        EXPECT_TRUE(dialog().isVisible());

        edit("edtCards").setText(QStringLiteral("3"));
        radio("rbtSpecified").click();
        edit("edtRedeals").setText(QStringLiteral("x"));
        EXPECT_EQ(dealsLabel(), "<hidden>");
        pages.setCurrentIndex(1);
        dialog().btnOKClick();
        ASSERT_EQ(fake().messages.size(), 2u);
        EXPECT_EQ(fake().messages[1].text, "Only numbers required.");
        EXPECT_EQ(pages.currentIndex(), 0);
        EXPECT_EQ(dialog().focusWidget(), &edit("edtRedeals"));
        // Behind "Unlimited" the box is not read at all.
        radio("rbtUnlimited").click();
        okNamed(QStringLiteral("Three at a Time"));
    });
    fake().answers.push_back(Answer::No);
    EXPECT_EQ(dialog().run(), CustomizeRulesOutcome::Added);
    EXPECT_EQ(fake().messages.size(), 2u);
    EXPECT_EQ(stored(), std::string(kHeader) + Record("8000", "Three at a Time", "0000", "003-011"));
}

TEST_F(CustomizeRulesDialogTest, DeletingTheCurrentCustomizedGame) {
    const std::string hard = Record("8001", "Hard Going", "0000", "0010001");
    WriteFile(scratch.dir / "DATA/GAM_CUST.DAT",
              std::string(kHeader) + Record("8000", "Easy Going", "0000", "0030032") + hard);
    deal(8000, "Easy Going");
    WhenShown(dialog(), [this] {
        ASSERT_TRUE(child<QPushButton>("btnDelete").isEnabled());
        fake().answers.push_back(Answer::No);
        click("btnDelete");
        EXPECT_TRUE(dialog().isVisible()) << "No keeps the game and the dialog";
        fake().answers.push_back(Answer::Yes);
        click("btnDelete");
    });
    EXPECT_EQ(dialog().run(), CustomizeRulesOutcome::Deleted);
    ASSERT_EQ(fake().questions.size(), 2u);
    EXPECT_EQ(fake().questions[1].text,
              "Are you sure you want to delete this customized game\rEasy Going?\r"
              "Note: also statistics of this game will be deleted.");
    EXPECT_EQ(program().game().gameCode, kNoGame);
    EXPECT_FALSE(program().game().inProgress);
    EXPECT_EQ(program().position(), Position{}) << "the table is cleared";
    EXPECT_EQ(stored(), std::string(kHeader) + hard);
}

TEST_F(CustomizeRulesDialogTest, WithoutACurrentGameNothingIsShown) {
    program().engine().setGame(kNoGame, GameRules{});
    EXPECT_EQ(ShowCustomizeRules(program(), nullptr), CustomizeRulesOutcome::Cancelled);
    EXPECT_TRUE(fake().messages.empty());
}

}  // namespace
}  // namespace dravicor::test
