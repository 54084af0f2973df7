#include <gtest/gtest.h>

#include "ui/colour.h"

namespace dravicor::test {
namespace {

TEST(Colour, TheLowByteIsRedTheNextGreenTheThirdBlue) {
    const struct {
        ColourRef ref;
        int red, green, blue;
    } cases[] = {
        {255, 255, 0, 0},
        {32768, 0, 128, 0},
        {0xFF0000, 0, 0, 255},
        {0x00C08040, 0x40, 0x80, 0xC0},
        {kDefaultTableColour, 0, 96, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(ColourFromRef(c.ref), QColor(c.red, c.green, c.blue)) << c.ref;
}

}  // namespace
}  // namespace dravicor::test
