#include "app_icon.h"

#include <gtest/gtest.h>

namespace dravicor {
namespace {

TEST(AppIcon, EverySizeShowsCardsOnFeltWithTransparentCorners) {
    const std::string svg = AppIconSvg();
    for (const int side : {48, 128, 256}) {
        const QImage icon = RenderAppIcon(svg, side);
        ASSERT_EQ(icon.size(), QSize(side, side));
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << side;
        EXPECT_EQ(qAlpha(icon.pixel(side - 1, side - 1)), 0) << side;
        int felt = 0, red = 0, white = 0;
        for (int y = 0; y < side; ++y) {
            for (int x = 0; x < side; ++x) {
                const QRgb p = icon.pixel(x, y);
                felt += qGreen(p) > 2 * qRed(p) + 20 && qAlpha(p) == 255;
                red += qRed(p) > 150 && qGreen(p) < 60;
                white += qRed(p) > 235 && qGreen(p) > 235 && qBlue(p) > 225;
            }
        }
        const int area = side * side;
        EXPECT_GT(felt, area / 5) << side;
        EXPECT_GT(white, area / 6) << side;
        EXPECT_GT(red, area / 100) << side;
    }
}

TEST(AppIcon, ABrokenSvgRendersNothing) { EXPECT_TRUE(RenderAppIcon("<svg", 48).isNull()); }

}  // namespace
}  // namespace dravicor
