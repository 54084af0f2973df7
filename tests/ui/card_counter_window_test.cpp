#include <QAction>
#include <QCoreApplication>
#include <QSignalSpy>

#include "common/profile_file.h"
#include "dialog_test_support.h"
#include "engine/card_counter.h"
#include "shell/preferences.h"
#include "ui/card_counter_window.h"

namespace dravicor::test {
namespace {

class CardCounterWindow : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(library, nullptr);
        ASSERT_TRUE(scratch.start());
    }

    std::string config() const { return ReadFile(scratch.dir / "DATA" / "CFG.DAT"); }
    void storePreferences(const std::vector<std::pair<std::string, std::string>>& entries) {
        ProfileFile file(scratch.dir / "DATA" / "CFG.DAT");
        file.WriteStrings(kPreferenceSection, entries);
    }
    // Deals the current game (FreeCell: 52 cards, all face up in the tableau).
    void deal() { ASSERT_TRUE(program.engine().StartGame(true, false, 0, true)); }
    // Makes the current game one of these rules, with this position.
    void play(const GameRules& rules, const Position& position) {
        program.engine().setGame(program.game().gameCode, rules);
        program.engine().setPosition(position);
    }

    static QImage painted(const TfrmCardCounter& window) {
        return window.canvas().grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    QImage picture(std::string_view name) const {
        return library->LoadNamedBitmap(name).toImage().convertToFormat(QImage::Format_RGB32);
    }
    // Whether the painted window shows the picture with its top-left corner there.
    bool shows(const QImage& image, int x, int y, std::string_view name) const {
        const QImage expected = picture(name);
        return !expected.isNull() && image.copy(x, y, expected.width(), expected.height()) == expected;
    }
    static QAction* option(const TfrmCardCounter& window, const char* name) {
        return window.findChild<QAction*>(QLatin1String(name));
    }

    std::unique_ptr<ResourceLibrary> library = ResourceLibrary::Open(kBuiltProgramDir);
    ScratchProgram scratch;
    Program& program = scratch.program;
};

TEST_F(CardCounterWindow, AOneDeckGameIs121HighWithCellsInTheFirstFourRowsOnly) {
    deal();
    TfrmCardCounter window(program, *library);
    window.show();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Card counter"));
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::Tool));
    EXPECT_EQ(window.canvas().size(), QSize(198, 121));

    const QImage image = painted(window);
    ASSERT_EQ(window.counter().cells().size(), 52U);
    for (const CounterCell& cell : window.counter().cells()) {
        EXPECT_LE(cell.y, CounterRowY(3)) << cell.card;
        // FreeCell deals every card face up: each one has been seen.
        EXPECT_TRUE(shows(image, cell.x, cell.y, "Card_" + std::to_string(CardRank(cell.card)) + "_Up")) << cell.card;
    }
    // Rows 4 to 6 show their suits (the window cuts the last one short) and
    // nothing beside them.
    const QColor background = image.pixelColor(197, 0);
    EXPECT_TRUE(shows(image, 0, CounterRowY(4), "card_hearts"));
    EXPECT_TRUE(shows(image, 0, CounterRowY(5), "card_diamonds"));
    const int cut = image.height() - CounterRowY(6);
    EXPECT_EQ(image.copy(0, CounterRowY(6), 14, cut), picture("card_clubs").copy(0, 0, 14, cut));
    for (int y = CounterRowY(4); y < image.height(); ++y) {
        for (int x = 16; x < image.width(); ++x) {
            ASSERT_EQ(image.pixelColor(x, y), background) << x << "," << y;
        }
    }

    // A two-deck deal makes the window 194 high and fills the next four rows.
    GameRules rules = program.rules();
    rules.set(Rule::CardCount, 104);
    Position position;
    position.Append(PileId::Tableau(1), 104, false);
    play(rules, position);
    window.resetForGame();
    QCoreApplication::processEvents();
    EXPECT_EQ(window.canvas().size(), QSize(198, 194));
    EXPECT_EQ(window.height(), window.canvas().geometry().bottom() + 1);
    EXPECT_TRUE(shows(painted(window), 184, CounterRowY(7), "Card_13_Down"));
    EXPECT_TRUE(shows(painted(window), 16, CounterRowY(0), "Card_None"));
}

// Which stored places count is the preferences' business; the window only follows them.
TEST_F(CardCounterWindow, StoredPreferencesSetTheOptionsAndThePlace) {
    storePreferences({{"CardCounter_Left", "-1"}, {"CardCounter_Top", "-1"}});
    EXPECT_FALSE(TfrmCardCounter(program, *library).testAttribute(Qt::WA_Moved));
    storePreferences({{"CardCounter_Left", "120"},
                      {"CardCounter_Top", "45"},
                      {"CardCounter_Stock", "Y"},
                      {"CardCounter_Tableau", "Y"},
                      {"CardCounter_Inverse", "Y"}});
    EXPECT_FALSE(CardCounterShownAtStartup(program));
    TfrmCardCounter window(program, *library);
    EXPECT_TRUE(window.testAttribute(Qt::WA_Moved));
    EXPECT_EQ(window.pos(), QPoint(120, 45));
    EXPECT_TRUE(option(window, "mnuStock")->isChecked());
    EXPECT_FALSE(option(window, "mnuTableau")->isChecked());
    EXPECT_TRUE(option(window, "mnuInverted")->isChecked());

    storePreferences({{"CardCounter_Visible", "Y"}});
    EXPECT_TRUE(CardCounterShownAtStartup(program));
}

TEST_F(CardCounterWindow, OptionsExcludeEachOtherAndAreSavedWithThePlaceAndClosing) {
    deal();
    TfrmCardCounter window(program, *library);
    QSignalSpy closed(&window, &TfrmCardCounter::closed);
    window.show();
    window.move(150, 90);
    QCoreApplication::processEvents();
    const auto saved = [&](const char* stock, const char* tableau, const char* inverse, const char* visible) {
        return std::string("CardCounter_Stock=") + stock + "\r\nCardCounter_Tableau=" + tableau +
               "\r\nCardCounter_Inverse=" + inverse + "\r\nCardCounter_Visible=" + visible +
               "\r\nCardCounter_Left=150\r\nCardCounter_Top=90\r\n";
    };

    option(window, "mnuTableau")->trigger();
    EXPECT_TRUE(option(window, "mnuTableau")->isChecked());
    EXPECT_NE(config().find(saved("N", "Y", "N", "Y")), std::string::npos) << config();
    EXPECT_TRUE(CardCounterShownAtStartup(program));

    option(window, "mnuStock")->trigger();
    EXPECT_TRUE(option(window, "mnuStock")->isChecked());
    EXPECT_FALSE(option(window, "mnuTableau")->isChecked());
    EXPECT_NE(config().find(saved("Y", "N", "N", "Y")), std::string::npos) << config();

    option(window, "mnuInverted")->trigger();
    option(window, "mnuTableau")->trigger();
    EXPECT_FALSE(option(window, "mnuStock")->isChecked());
    // Inverted, a face-up tableau card of the FreeCell deal counts as unseen.
    EXPECT_EQ(window.counter().cell(program.position().piles.tableau[0].top())->mark, CounterMark::Down);
    EXPECT_NE(config().find(saved("N", "Y", "Y", "Y")), std::string::npos) << config();

    EXPECT_EQ(closed.count(), 0);
    window.close();
    EXPECT_EQ(closed.count(), 1);
    EXPECT_NE(config().find(saved("N", "Y", "Y", "N")), std::string::npos) << config();
    EXPECT_FALSE(CardCounterShownAtStartup(program));
    EXPECT_TRUE(scratch.fake.messages.empty());
}

}  // namespace
}  // namespace dravicor::test
