// Starting and ending games, the records hook, the clock and the sounds.
#include <cstdlib>

#include "engine_fixture.h"

namespace dravicor::test {
namespace {

class EngineLifecycle : public EngineFixture {
protected:
    EngineLifecycle() { engine.setRecords(&records); }
    ResultRecorder records;
};

TEST_F(EngineLifecycle, NewGameWithoutAGameInProgressRecordsNothing) {
    engine.setGame(kKlondike, catalogueRules(kKlondike));
    ASSERT_TRUE(engine.NewGame());
    EXPECT_TRUE(records.results.empty());
    EXPECT_TRUE(fake.questions.empty()) << "nothing to confirm";
    EXPECT_EQ(settings.get(Field::CurrentGameNumber).size(), 13u) << "a new number was drawn";
    EXPECT_EQ(engine.game().gameNumber, settings.get(Field::CurrentGameNumber));
    EXPECT_EQ(soundCount(Sound::NewGame), 1);
    EXPECT_EQ(fake.sounds.back().mode, SoundMode::Sync);
}

TEST_F(EngineLifecycle, LeavingAGameInProgressAsksAndRecordsALoss) {
    deal(kKlondike, "5");
    fake.answers = {Answer::Cancel};
    EXPECT_FALSE(engine.NewGame());
    ASSERT_EQ(fake.questions.size(), 1u);
    EXPECT_EQ(fake.questions[0].text, "Quit this game?");
    EXPECT_EQ(fake.questions[0].buttons, MessageButtons::OkCancel);
    EXPECT_TRUE(engine.game().inProgress);
    EXPECT_TRUE(records.results.empty());

    fake.answers = {Answer::Ok};
    ASSERT_TRUE(engine.NewGame());
    ASSERT_EQ(records.results.size(), 1u);
    EXPECT_FALSE(records.results[0].won);
    EXPECT_EQ(records.results[0].gameNumber, "5");
    EXPECT_EQ(records.results[0].gameCode, kKlondike);
}

TEST_F(EngineLifecycle, NoQuestionWhenTheConfirmationIsOffOrInAnotherLanguage) {
    deal(kKlondike, "5");
    settings.put(Field::ConfirmQuitGame, "N");
    EXPECT_TRUE(engine.ConfirmLeaveGame());
    EXPECT_TRUE(fake.questions.empty());
    settings.put(Field::ConfirmQuitGame, "Y");
    settings.put(Field::LanguageBase, "10000");
    EXPECT_TRUE(engine.ConfirmLeaveGame());
    ASSERT_EQ(fake.questions.size(), 1u);
    EXPECT_EQ(fake.questions[0].text, "") << "the Italian block has no such text";
}

TEST_F(EngineLifecycle, ElapsedTimeFollowsTheClock) {
    fake.clockNow = std::chrono::system_clock::time_point(std::chrono::hours(1000));
    deal(kKlondike, "5");
    fake.clockNow += std::chrono::seconds(3725);
    EXPECT_EQ(engine.elapsedSeconds(), 3725);
    EXPECT_EQ(FormatClock(engine.elapsedSeconds()), "1:02:05");
    engine.EndGame();
    fake.clockNow += std::chrono::seconds(50);
    ASSERT_EQ(records.results.size(), 1u);
    EXPECT_EQ(records.results[0].seconds, 3725);
    EXPECT_EQ(engine.elapsedSeconds(), 3725) << "the clock stopped with the game";
    EXPECT_EQ(FormatClock(0), "0:00:00");
    EXPECT_EQ(FormatClock(36000), "10:00:00");
}

TEST_F(EngineLifecycle, ABadGameNumberDealsNothing) {
    engine.setGame(kKlondike, catalogueRules(kKlondike));
    settings.put(Field::CurrentGameNumber, "12x");
    EXPECT_FALSE(engine.StartGame(true, false, 0, true));
    EXPECT_FALSE(engine.game().inProgress);
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_NE(fake.messages[0].text.find("12x"), std::string::npos);
    EXPECT_EQ(engine.position(), Position{});
}

TEST_F(EngineLifecycle, EveryDealStartsFromTheCatalogueRules) {
    deal(kCanfield, "1");
    const int firstBase = engine.rules()[Rule::FoundationFirstCard];
    int differentBase = -1;
    for (int n = 2; n < 40 && differentBase < 0; ++n) {
        deal(kCanfield, std::to_string(n));
        if (engine.rules()[Rule::FoundationFirstCard] != firstBase) differentBase = n;
    }
    ASSERT_GT(differentBase, 0);
    // The base rank follows each deal's own first foundation card.
    EXPECT_EQ(engine.rules()[Rule::FoundationFirstCard + 3], CardRank(engine.position().piles.foundations[0].top()));
}

TEST_F(EngineLifecycle, SoundsNeedTheirSwitchAndTheMasterSwitch) {
    deal(kKlondike, "5");
    settings.put(Field::SoundsStock, "N");
    clickStock();
    EXPECT_EQ(soundCount(Sound::Stock), 0);
    settings.put(Field::SoundsStock, "Y");
    settings.put(Field::SoundsEnabled, "N");
    clickStock();
    EXPECT_EQ(soundCount(Sound::Stock), 0);
    settings.put(Field::SoundsEnabled, "Y");
    clickStock();
    EXPECT_EQ(soundCount(Sound::Stock), 1);
}

TEST_F(EngineLifecycle, SmallScreensSwitchGamesThatAskToMediumCardsOnce) {
    GameRules rules = catalogueRules(kKlondike);
    rules.set(Rule::NeedsSmallCards, 1);
    settings.put(Field::CardSet, "002");
    settings.put(Field::CardBack, "011");
    fake.screenInfo.width = 640;
    deal(kKlondike, "5", &rules);
    EXPECT_EQ(settings.get(Field::CardSize), "M");
    EXPECT_EQ(settings.get(Field::CardSet), "003");
    EXPECT_EQ(settings.get(Field::CardBack), "006");
    EXPECT_EQ(engine.cardSize(), (Size{59, 80}));
    deal(kKlondike, "6", &rules);
    EXPECT_EQ(fake.messages.size(), 1u) << "said once per run";
    fake.screenInfo.width = 1024;
    deal(kKlondike, "7", &rules);
    EXPECT_EQ(settings.get(Field::CardSize), "B");
    EXPECT_EQ(settings.get(Field::CardSet), "002");
    EXPECT_EQ(settings.get(Field::CardBack), "011");
    EXPECT_EQ(settings.get(Field::SavedCardSize), "");
}

// The irregular-piles option moves tableau cards a little to the side (a
// pile of one card never), and the same card always by the same amount.
TEST_F(EngineLifecycle, IrregularPilesShiftTableauCardsByAFewPixels) {
    deal(kKlondike);
    ASSERT_EQ(engine.rules()[Rule::TableauSpread], 1);
    const auto columns = [this] {
        std::vector<int> xs;
        const TableGeometry table = engine.geometry();
        for (int pile = 1; pile <= 7; ++pile) {
            const int cards = static_cast<int>(engine.position().piles.tableau[pile - 1].groups().size());
            for (int skip = 0; skip < cards; ++skip) xs.push_back(table.PileCardX(PileId::Tableau(pile), skip, false));
        }
        return xs;
    };
    settings.put(Field::PileToolTips, "N");
    const std::vector<int> straight = columns();
    settings.put(Field::PileToolTips, "Y");
    const std::vector<int> irregular = columns();
    ASSERT_EQ(irregular.size(), straight.size());
    int moved = 0;
    size_t at = 0;
    for (int pile = 1; pile <= 7; ++pile) {
        for (int skip = 0; skip < pile; ++skip, ++at) {
            EXPECT_LE(std::abs(irregular[at] - straight[at]), kIrregularReach) << pile << '/' << skip;
            if (pile == 1) {
                EXPECT_EQ(irregular[at], straight[at]) << "a pile of one card lies straight";
            }
            if (irregular[at] != straight[at]) ++moved;
        }
    }
    EXPECT_GT(moved, 5);
    EXPECT_EQ(columns(), irregular) << "the same offsets each time";
    settings.put(Field::PileToolTips, "N");
    EXPECT_EQ(columns(), straight);
}

}  // namespace
}  // namespace dravicor::test
