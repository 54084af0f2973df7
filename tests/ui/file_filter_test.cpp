#include <gtest/gtest.h>

#include "ui/file_filter.h"

namespace dravicor::test {
namespace {

TEST(FileFilter, OneTypeGetsItsPatternInParentheses) {
    EXPECT_EQ(QtFileFilter("Game|*.gam"), QStringLiteral("Game (*.gam)"));
}

TEST(FileFilter, SeveralTypesAreSeparatedByDoubleSemicolons) {
    EXPECT_EQ(QtFileFilter("Game|*.gam|All files|*.*"), QStringLiteral("Game (*.gam);;All files (*.*)"));
}

TEST(FileFilter, PatternsOfOneTypeAreSeparatedBySpaces) {
    EXPECT_EQ(QtFileFilter("Pictures|*.bmp;*.jpg"), QStringLiteral("Pictures (*.bmp *.jpg)"));
}

TEST(FileFilter, ANameWithoutPatternsIsDropped) {
    EXPECT_EQ(QtFileFilter("Game|*.gam|Orphan"), QStringLiteral("Game (*.gam)"));
    EXPECT_EQ(QtFileFilter(""), QString());
}

}  // namespace
}  // namespace dravicor::test
