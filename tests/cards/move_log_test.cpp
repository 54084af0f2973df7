#include "cards/move_log.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace dravicor {
namespace {

TEST(MoveLog, ClearAndEquality) {
    MoveLog a;
    a.push("001");
    MoveLog b(",");
    EXPECT_NE(a, b);
    b.clear();
    b.push("001");
    EXPECT_EQ(a, b);
    a.clear();
    EXPECT_TRUE(a.empty());
    EXPECT_EQ(a.text(), "");
}

// Random pushes and pops against a stack of entries, each written with a
// comma after it; popping an empty log gives nothing and changes nothing.
TEST(MoveLog, BehavesAsAStackOfEntries) {
    std::mt19937 rng(31337);
    for (int round = 0; round < 200; ++round) {
        MoveLog log;
        std::vector<std::string> stack;
        for (int step = 0; step < 100; ++step) {
            if (std::uniform_int_distribution<int>(0, 2)(rng) != 0) {
                std::string entry;
                const int codes = std::uniform_int_distribution<int>(0, 3)(rng);
                for (int i = 0; i < codes; ++i) {
                    const int code = std::uniform_int_distribution<int>(0, 999)(rng);
                    entry += std::string(code < 100 ? (code < 10 ? "00" : "0") : "") + std::to_string(code);
                }
                log.push(entry);
                stack.push_back(entry);
            } else {
                const std::string expected = stack.empty() ? "" : stack.back();
                if (!stack.empty()) stack.pop_back();
                ASSERT_EQ(log.pop(), expected);
            }
            std::string text;
            for (const std::string& e : stack) text += e + ",";
            ASSERT_EQ(log.text(), text);
            ASSERT_EQ(log.entryCount(), static_cast<int>(stack.size()));
            ASSERT_EQ(log.empty(), stack.empty());
            ASSERT_EQ(log.last(), stack.empty() ? "" : stack.back());
            ASSERT_EQ(MoveLog(log.text()), log);
        }
    }
}

}  // namespace
}  // namespace dravicor
