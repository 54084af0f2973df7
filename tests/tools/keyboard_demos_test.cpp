// Every recorded demo is won again from the keyboard alone: the focus can
// reach every card a winning game moves, and the keys make each move.
#include <gtest/gtest.h>

#include <sstream>

#include "demo_keys.h"
#include "rules/catalogue.h"
#include "support/temp_dir.h"

namespace dravicor::test {
namespace {

TEST(KeyboardDemos, EveryDemoIsWonWithTheKeys) {
    const std::filesystem::path demos = DRAVICOR_DEMOS_DIR;
    std::istringstream stamp(ReadFile(demos / ".recorded"));
    int won = 0;
    for (std::string file, number, steps; stamp >> file >> number >> steps;) {
        SCOPED_TRACE(file);
        std::string error;
        const auto demo = ParseSavedGame(ReadFile(demos / file), error);
        ASSERT_TRUE(demo) << error;
        const DemoByKeys played = WinDemoByKeys(BuiltCatalogue(), *demo);
        EXPECT_TRUE(played.won) << played.error;
        EXPECT_FALSE(played.keys.empty());
        won += played.won;
    }
    EXPECT_GT(won, 0);
}

}  // namespace
}  // namespace dravicor::test
