// Scaling the table to the window: one factor, the reference window fitted
// in, the piles centred, and every window pixel mapping back to the table
// pixel drawn there.
#include <gtest/gtest.h>

#include <cstdlib>

#include "ui/table_transform.h"

namespace dravicor::test {
namespace {

TEST(TableTransform, FitsTheReferenceWindowIntoTheWindow) {
    const auto same = TableTransform::Fit({800, 600}, true);
    EXPECT_DOUBLE_EQ(same.scale(), 1.0);
    EXPECT_EQ(same.tableArea(), (Size{800, 600}));

    // 1920 x 1080 is limited by its height: 1.8, and the table is wider.
    const auto wide = TableTransform::Fit({1920, 1080}, true);
    EXPECT_DOUBLE_EQ(wide.scale(), 1.8);
    EXPECT_EQ(wide.tableArea(), (Size{1066, 600}));

    const auto tall = TableTransform::Fit({1000, 2000}, true);
    EXPECT_DOUBLE_EQ(tall.scale(), 1.25);
    EXPECT_EQ(tall.tableArea(), (Size{800, 1600}));

    // A tiny window does not shrink the cards to nothing.
    EXPECT_DOUBLE_EQ(TableTransform::Fit({100, 50}, true).scale(), TableTransform::kSmallestScale);

    // A game laid out wider than the reference table is fitted by its width.
    const auto wideGame = TableTransform::Fit({1000, 750}, true, 1000);
    EXPECT_DOUBLE_EQ(wideGame.scale(), 1.0);
    EXPECT_EQ(TableTransform::Fit({1000, 750}, true, 500).scale(), 1.25) << "narrow games use the reference";

    const auto fixed = TableTransform::Fit({1920, 1080}, false);
    EXPECT_DOUBLE_EQ(fixed.scale(), 1.0);
    EXPECT_EQ(fixed.tableArea(), (Size{1920, 1080}));
}

TEST(TableTransform, CentresThePilesAndNeverPushesThemOffTheLeft) {
    auto wide = TableTransform::Fit({1920, 1080}, true);
    // Piles from x 10 to 700: 1066 - 710 leaves 356, half of it on each side.
    wide.centre(700, 10);
    EXPECT_EQ(wide.offsetX(), wide.toWindowLength(178));
    EXPECT_EQ(wide.toWindow(Point{10, 20}), (Point{wide.offsetX() + 18, 36}));

    auto narrow = TableTransform::Fit({800, 600}, true);
    narrow.centre(1000, 10);
    EXPECT_EQ(narrow.offsetX(), 0);
}

TEST(TableTransform, EveryWindowPixelMapsBackToTheTablePixelDrawnThere) {
    for (const Size window : {Size{800, 600}, Size{1024, 768}, Size{1920, 1080}, Size{3840, 2160}}) {
        auto transform = TableTransform::Fit(window, true);
        transform.centre(600, 10);
        for (int x = 0; x < 700; x += 7) {
            const Point table{x, x / 2};
            const Point drawn = transform.toWindow(table);
            EXPECT_EQ(transform.toTable(drawn), table) << window.width << " at " << x;
            // The pixels up to the next table pixel belong to this one.
            const Point next = transform.toWindow(Point{x + 1, x / 2 + 1});
            EXPECT_EQ(transform.toTable({next.x - 1, next.y - 1}), table) << window.width << " at " << x;
        }
    }
    // Smaller than the table: a window pixel stands for one or two table
    // pixels, and maps back within one of the point drawn.
    auto small = TableTransform::Fit({640, 480}, true);
    for (int x = 0; x < 700; x += 3) {
        const Point back = small.toTable(small.toWindow(Point{x, x}));
        EXPECT_LE(std::abs(back.x - x), 1);
        EXPECT_LE(std::abs(back.y - x), 1);
    }
}

}  // namespace
}  // namespace dravicor::test
