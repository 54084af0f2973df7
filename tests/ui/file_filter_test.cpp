#include <gtest/gtest.h>

#include "ui/file_filter.h"

namespace dravicor::test {
namespace {

TEST(FileFilter, TypesAndPatternsInQtsForm) {
    const std::pair<std::string, QString> cases[] = {
        {"Game|*.gam", QStringLiteral("Game (*.gam)")},
        {"Game|*.gam|All files|*.*", QStringLiteral("Game (*.gam);;All files (*.*)")},
        {"Pictures|*.bmp;*.jpg", QStringLiteral("Pictures (*.bmp *.jpg)")},
        {"Game|*.gam|Orphan", QStringLiteral("Game (*.gam)")},  // a name without patterns is dropped
        {"", QString()},
    };
    for (const auto& [ours, qt] : cases) EXPECT_EQ(QtFileFilter(ours), qt) << ours;
}

}  // namespace
}  // namespace dravicor::test
