// The demo files the build recorded: each one an ordinary saved game that
// loads, stands won, and whose history leads from the deal to the win.
#include <map>
#include <set>
#include <sstream>

#include "demo_deals.h"
#include "demo_files.h"
#include "demo_recorder.h"
#include "engine/engine_fixture.h"
#include "savegame/saved_game.h"

namespace dravicor::test {
namespace {

const std::filesystem::path kDemos = DRAVICOR_DEMOS_DIR;

struct RecordedDemo {
    std::string fileName;
    std::string gameNumber;
    size_t steps = 0;
};

// The stamp: one line per demo written, "G####.GAM number steps".
std::vector<RecordedDemo> ReadStamp() {
    std::istringstream lines(ReadFile(kDemos / ".recorded"));
    std::vector<RecordedDemo> demos;
    for (RecordedDemo demo; lines >> demo.fileName >> demo.gameNumber >> demo.steps;) demos.push_back(demo);
    return demos;
}

class RecordedDemos : public EngineFixture {
protected:
    SavedGameCatalogue catalogue() const {
        return {[this](int code) -> std::optional<GameRules> { return catalogueRules(code); },
                [](int) { return std::string(); }};
    }
};

TEST_F(RecordedDemos, TheStampNamesEveryDemoInTheFolder) {
    const std::vector<RecordedDemo> demos = ReadStamp();
    ASSERT_FALSE(demos.empty()) << "the recorder won no game at all";
    std::vector<std::string> named;
    for (const RecordedDemo& demo : demos) named.push_back(demo.fileName);
    std::vector<std::string> present;
    for (const std::string& name : FolderEntries(kDemos)) {
        if (IsDemoFileName(name)) present.push_back(name);
    }
    std::sort(named.begin(), named.end());
    EXPECT_EQ(named, present);
}

TEST_F(RecordedDemos, EachLoadsWonAndReplaysFromItsDeal) {
    for (const RecordedDemo& demo : ReadStamp()) {
        SCOPED_TRACE(demo.fileName);
        const std::filesystem::path path = kDemos / demo.fileName;
        std::string error;
        const auto saved = ParseSavedGame(ReadFile(path), error);
        ASSERT_TRUE(saved) << error;
        EXPECT_EQ(DemoFileName(saved->gameCode), demo.fileName);
        EXPECT_EQ(saved->gameNumber, demo.gameNumber);
        EXPECT_EQ(saved->undoSteps.size(), demo.steps);

        ASSERT_EQ(LoadSavedGame(path, engine, settings, catalogue()), "");
        EXPECT_TRUE(engine.IsGameWon());
        const auto won = snapshot();
        size_t undone = 0;
        while (engine.Undo(true)) ++undone;
        EXPECT_EQ(undone, demo.steps);
        const auto start = snapshot();
        for (size_t i = 0; i < undone; ++i) ASSERT_TRUE(engine.Redo(true));
        EXPECT_FALSE(engine.Redo(true));
        EXPECT_EQ(snapshot(), won);
        EXPECT_TRUE(engine.IsGameWon());

        deal(saved->gameCode, saved->gameNumber);
        EXPECT_EQ(snapshot(), start) << "the history begins with the deal of its number";
    }
}

// Every listed game ships a demo, or the demo list says why not; a game the
// list gives up on that the recorder won anyway means the list is stale.
TEST_F(RecordedDemos, EveryListedGameHasADemoOrAStatedReason) {
    std::string error;
    const std::map<int, DemoDeal> listed = ReadDemoDeals(DRAVICOR_DEMO_DEALS, error);
    ASSERT_EQ(error, "");
    std::set<std::string> recorded;
    for (const RecordedDemo& demo : ReadStamp()) recorded.insert(demo.fileName);
    GameList list;
    ASSERT_TRUE(LoadGameList(BuiltCatalogue(), list));
    for (const int code : ListedGameCodes(list)) {
        const auto entry = listed.find(code);
        const bool reason = entry != listed.end() && entry->second.gameNumber == 0;
        EXPECT_NE(recorded.contains(DemoFileName(code)), reason)
            << "game " << code << (reason ? " has a demo and a reason for none" : " has neither a demo nor a reason");
    }
}

// A deal of the demo list is recorded before the first deals are tried.
TEST_F(RecordedDemos, TheListedDealIsRecordedFirst) {
    TempDir folder;
    DemoBudget budget{2, 50, 50};
    budget.listedDeal = 3;
    budget.listedPositions = 200000;
    const DemoRecord record = RecordDemo(BuiltCatalogue(), kFreeCell, folder.path(), budget);
    EXPECT_EQ(record.error, "");
    EXPECT_EQ(record.gameNumber, 3);
    EXPECT_TRUE(record.listedDealWon);
    EXPECT_EQ(record.dealsTried, 1);
    EXPECT_EQ(FolderEntries(folder.path()), std::vector<std::string>{"G0001.GAM"});
}

TEST_F(RecordedDemos, AGameNotWonWithinTheBudgetGetsNoFile) {
    TempDir folder;
    const DemoRecord record = RecordDemo(BuiltCatalogue(), kFortyThieves, folder.path(), {2, 50, 50});
    EXPECT_EQ(record.gameNumber, 0);
    EXPECT_EQ(record.dealsTried, 2);
    EXPECT_GE(record.positions, 100);
    EXPECT_EQ(record.error, "");
    EXPECT_TRUE(record.fileName.empty());
    EXPECT_TRUE(FolderEntries(folder.path()).empty());
}

}  // namespace
}  // namespace dravicor::test
